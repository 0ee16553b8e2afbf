#!/usr/bin/env bash
# Runs the built program as a user would, in a cleaned environment.
# usage: program_test.sh PROGRAM VERSION CASE
set -uo pipefail
program=$1 version=$2 case=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/cwd" "$scratch/home" "$scratch/run"
chmod 700 "$scratch/run"
out=$scratch/out err=$scratch/err
fail() { echo "FAIL: $*"; echo "-- stdout:"; cat "$out"; echo "-- stderr:"; cat "$err"; exit 1; }

# No display, no platform: only what a bare login shell would have.
bare() { (cd "$scratch/cwd" && env -i PATH=/usr/bin:/bin HOME="$scratch/home" "$program" "$@" >"$out" 2>"$err"); }

# Starts the program offscreen from an empty current folder, waits until its
# working folder $1 holds moves/, checks it is still running, then stops it.
start_until_moves() {
  local workdir=$1; shift
  (cd "$scratch/cwd" && exec env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" \
     QT_QPA_PLATFORM=offscreen "$@" "$program" "${args[@]}" >"$out" 2>"$err") &
  local pid=$!
  for _ in $(seq 300); do
    [ -d "$workdir/moves" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5
  local alive=1
  kill -0 "$pid" 2>/dev/null || alive=0
  kill "$pid" 2>/dev/null
  wait "$pid"; local status=$?
  [ -d "$workdir/moves" ] || fail "no moves/ in $workdir"
  [ $alive -eq 1 ] || fail "the program ended on its own (status $status)"
  [ -z "$(ls -A "$scratch/cwd")" ] || fail "written in the current folder: $(ls -A "$scratch/cwd")"
}

case $case in
  help)
    bare --help; status=$?
    [ $status -eq 0 ] || fail "--help status $status"
    head -n 1 "$out" | grep -q '^Usage: kestrova' || fail "--help printed no usage"
    [ ! -s "$err" ] || fail "--help wrote to stderr" ;;
  version)
    bare --version; status=$?
    [ $status -eq 0 ] || fail "--version status $status"
    [ "$(cat "$out")" = "kestrova $version" ] || fail "--version is not 'kestrova $version'" ;;
  no-display)
    bare; status=$?
    [ $status -eq 1 ] || fail "status $status without a display, not 1"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "not one line on stderr"
    grep -q '^kestrova: no display' "$err" || fail "stderr does not say there is no display"
    [ ! -s "$out" ] || fail "wrote to stdout" ;;
  workdir)
    mkdir "$scratch/rig"
    args=(--workdir "$scratch/rig")
    start_until_moves "$scratch/rig" ;;
  user-folder)
    args=(--user-folder)
    start_until_moves "$scratch/data/kestrova" XDG_DATA_HOME="$scratch/data" ;;
  *) echo "unknown case $case"; exit 2 ;;
esac
echo "$case: 1 passed, 0 failed"

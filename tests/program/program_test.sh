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

# Starts the program offscreen from an empty current folder in the background
# ($pid), output to $1.out/.err, and waits until its working folder $2 holds
# moves/ and its lock names it, or it has ended.
launch() {
  local name=$1 workdir=$2; shift 2
  (cd "$scratch/cwd" && exec env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" \
     QT_QPA_PLATFORM=offscreen "$@" "$program" "${args[@]}" >"$scratch/$name.out" 2>"$scratch/$name.err") &
  pid=$!
  for _ in $(seq 300); do
    [ -d "$workdir/moves" ] && [ "$(head -n 1 "$workdir/.kestrova.lock" 2>/dev/null)" = "$pid" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
}

# launch, then checks the program is still running, stops it, and checks it
# wrote nothing in the current folder.
start_until_moves() {
  local workdir=$1; shift
  launch program "$workdir" "$@"
  sleep 0.5
  local alive=1
  kill -0 "$pid" 2>/dev/null || alive=0
  kill "$pid" 2>/dev/null
  wait "$pid"; local status=$?
  cp "$scratch/program.out" "$out"; cp "$scratch/program.err" "$err"
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
  one-per-folder)
    # A second program on the same working folder says so and does not start.
    mkdir "$scratch/rig"
    args=(--workdir "$scratch/rig")
    launch first "$scratch/rig"
    first=$pid
    [ "$(head -n 1 "$scratch/rig/.kestrova.lock" 2>/dev/null)" = "$first" ] || fail "the first program holds no lock"
    (cd "$scratch/cwd" && env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" \
       QT_QPA_PLATFORM=offscreen timeout 30 "$program" "${args[@]}" >"$out" 2>"$err"); status=$?
    [ $status -eq 1 ] || { kill $first; fail "the second program's status is $status, not 1"; }
    [ "$(wc -l <"$err")" -eq 1 ] && grep -q "^kestrova: another kestrova is already working in $scratch/rig" "$err" \
      || { kill $first; fail "the second program did not say in one line that the folder is in use"; }
    # A killed program's lock is taken over by the next one.
    kill -KILL $first; wait $first 2>/dev/null
    [ -f "$scratch/rig/.kestrova.lock" ] || fail "the killed program left no lock to take over"
    start_until_moves "$scratch/rig" ;;
  *) echo "unknown case $case"; exit 2 ;;
esac
echo "$case: 1 passed, 0 failed"

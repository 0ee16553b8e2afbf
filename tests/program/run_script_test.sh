#!/usr/bin/env bash
# `make run`'s script with stand-ins for the program and the simulator: what
# it says when either ends, its exit status, and that it leaves nothing behind.
# usage: run_script_test.sh SOURCE_DIR CASE
set -uo pipefail
source_dir=$1 case=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/build" "$scratch/tmp"
# Stand-ins: each writes its pid, lives STUB_*_SECONDS, then ends with STUB_*_STATUS.
cat >"$scratch/build/kestrova" <<'STUB'
#!/usr/bin/env bash
echo $$ >"$STUB_DIR/program.pid"
sleep "$STUB_PROGRAM_SECONDS"
exit "$STUB_PROGRAM_STATUS"
STUB
cat >"$scratch/build/kestrova-rigsim" <<'STUB'
#!/usr/bin/env bash
echo $$ >"$STUB_DIR/sim.pid"
trap 'echo "sim stopped"; exit 0' TERM
echo "rig simulator on /dev/null"
sleep "$STUB_SIM_SECONDS" & wait $!
echo "sim ended on its own"
exit "$STUB_SIM_STATUS"
STUB
chmod +x "$scratch/build/kestrova" "$scratch/build/kestrova-rigsim"

run() {  # PROGRAM_SECONDS PROGRAM_STATUS SIM_SECONDS SIM_STATUS
  env -u PORT DISPLAY=:99 TMPDIR="$scratch/tmp" STUB_DIR="$scratch" \
    STUB_PROGRAM_SECONDS=$1 STUB_PROGRAM_STATUS=$2 STUB_SIM_SECONDS=$3 STUB_SIM_STATUS=$4 \
    "$source_dir/scripts/run.sh" "$scratch/build" >"$scratch/out" 2>&1
}
fail() { echo "FAIL: $*"; echo "-- output:"; cat "$scratch/out"; exit 1; }
expect_said() { grep -q "$1" "$scratch/out" || fail "did not say '$1'"; }
nothing_left() {
  [ -z "$(ls -A "$scratch/tmp")" ] || fail "temporary files left: $(ls -A "$scratch/tmp")"
  for who in program sim; do
    if [ -f "$scratch/$who.pid" ] && kill -0 "$(cat "$scratch/$who.pid")" 2>/dev/null; then
      fail "the $who still runs"
    fi
  done
}

case $case in
  window-closed)
    run 0.5 0 30 0; status=$?
    [ $status -eq 0 ] || fail "status $status when the window was closed"
    expect_said "kestrova closed"
    expect_said "sim stopped"
    nothing_left ;;
  simulator-died)
    run 1.5 0 0.2 3; status=$?
    [ $status -eq 0 ] || fail "status $status when the window was closed after the simulator died"
    expect_said "the rig simulator ended with status 3"
    expect_said "sim ended on its own"
    expect_said "kestrova closed"
    nothing_left ;;
  program-failed)
    run 0.2 4 30 0; status=$?
    [ $status -eq 4 ] || fail "status $status, not the program's 4"
    expect_said "kestrova ended with status 4"
    nothing_left ;;
  *) echo "unknown case $case"; exit 2 ;;
esac
echo "$case: 1 passed, 0 failed"

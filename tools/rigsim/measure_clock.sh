#!/usr/bin/env bash
# Measures the frame clock as the rig sees it: kestrova (no window needed) on
# line to the rig simulator until the simulator has received MESSAGES messages.
#   tools/rigsim/measure_clock.sh [BUILD_DIR] [MESSAGES]
#   LOAD="stress-ng --cpu 2" tools/rigsim/measure_clock.sh   # with the machine loaded
#   AS_USER=nobody tools/rigsim/measure_clock.sh             # kestrova without real-time rights
set -euo pipefail
build=$(realpath "${1:-build}")
count=${2:-1600}
log=$(mktemp)
workdir=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$log" "$workdir"
}
trap cleanup EXIT
if [ -n "${LOAD:-}" ]; then
  $LOAD >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi
"$build/kestrova-rigsim" --quiet --count "$count" >"$log" 2>&1 &
sim=$!
device=""
for _ in $(seq 50); do
  device=$(sed -n 's/^rig simulator on \(.*\)$/\1/p' "$log" | head -n 1)
  [ -n "$device" ] && break
  sleep 0.1
done
[ -n "$device" ] || { echo "the rig simulator did not start"; exit 1; }
run_as=()
if [ -n "${AS_USER:-}" ]; then
  chmod o+rw "$device"
  chmod 777 "$workdir"
  run_as=(setpriv --reuid="$AS_USER" --regid=nogroup --clear-groups)
fi
(cd "$workdir" && HOME="$workdir" QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} exec "${run_as[@]}" "$build/kestrova" --port "$device") >/dev/null 2>&1 &
pids+=($!)
wait "$sim"
cat "$log"

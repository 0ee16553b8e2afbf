#!/usr/bin/env bash
# Starts the program: on line to PORT when given, otherwise to the rig simulator.
# Says what ended, removes its temporary files, and exits 0 when the operator
# closed the window (the program's own status otherwise).
set -uo pipefail
build=${1:-build}
port=${PORT:-}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "kestrova needs a display. On a machine without one, run it under a virtual display:"
  echo "    xvfb-run -a make run"
  exit 1
fi

# What ended, in words; $2 is the exit status.
describe() {
  case $2 in
    0) echo "$1 ended" ;;
    1[2-9][0-9]) echo "$1 was stopped by signal $(( $2 - 128 ))" ;;
    *) echo "$1 ended with status $2" ;;
  esac
}

if [ -n "$port" ]; then
  "$build/kestrova" --port "$port"
  status=$?
  [ $status -eq 0 ] && echo "kestrova closed" || describe kestrova $status
  exit $status
fi
if [ ! -x "$build/kestrova-rigsim" ]; then
  exec "$build/kestrova"
fi

log=$(mktemp)
sim="" program=""
# Stop whatever still runs and remove the simulator's log, however the script ends.
cleanup() {
  for pid in $program $sim; do kill "$pid" 2>/dev/null; done
  for pid in $program $sim; do wait "$pid" 2>/dev/null; done
  rm -f "$log"
}
trap cleanup EXIT
trap 'echo "interrupted"; exit 130' INT
trap 'echo "terminated"; exit 143' TERM

"$build/kestrova-rigsim" >"$log" 2>&1 &
sim=$!
for _ in $(seq 50); do
  device=$(sed -n 's/^rig simulator on \(.*\)$/\1/p' "$log" | head -n 1)
  [ -n "$device" ] && break
  kill -0 $sim 2>/dev/null || break
  sleep 0.1
done
if [ -z "${device:-}" ]; then
  kill $sim 2>/dev/null; wait $sim 2>/dev/null; status=$?
  echo "the rig simulator did not start ($(describe kestrova-rigsim $status)); running off line"
  tail -n 8 "$log"
  sim=""
  "$build/kestrova" &
else
  echo "rig simulator on $device"
  "$build/kestrova" --port "$device" &
fi
program=$!

while :; do
  wait -n -p ended $program $sim
  status=$?
  if [ "$ended" = "$program" ]; then
    program=""
    if [ $status -eq 0 ]; then echo "kestrova closed"; else describe kestrova $status; fi
    if [ -n "$sim" ]; then
      kill $sim 2>/dev/null; wait $sim 2>/dev/null; sim=""
      echo "rig simulator stopped; its last lines:"
      tail -n 8 "$log"
    fi
    exit $status
  fi
  # The simulator ended first: the program stays open (the move may be unsaved)
  # and reports the lost port itself.
  sim=""
  echo "$(describe "the rig simulator" $status); kestrova stays open without its port. The simulator's last lines:"
  tail -n 8 "$log"
done

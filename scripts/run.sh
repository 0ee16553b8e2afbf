#!/usr/bin/env bash
# Starts the program: on line to PORT when given, otherwise to the rig simulator.
set -euo pipefail
build=${1:-build}
port=${PORT:-}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "kestrova needs a display. On a machine without one, run it under a virtual display:"
  echo "    xvfb-run -a make run"
  exit 1
fi
if [ -n "$port" ]; then
  exec "$build/kestrova" --port "$port"
fi
if [ ! -x "$build/kestrova-rigsim" ]; then
  exec "$build/kestrova"
fi
log=$(mktemp)
"$build/kestrova-rigsim" >"$log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; tail -n 8 "$log"; rm -f "$log"' EXIT
for _ in $(seq 50); do
  device=$(sed -n 's/^rig simulator on \(.*\)$/\1/p' "$log" | head -n 1)
  [ -n "$device" ] && break
  sleep 0.1
done
if [ -z "${device:-}" ]; then
  echo "the rig simulator did not start; running off line"
  "$build/kestrova"
else
  echo "rig simulator on $device"
  "$build/kestrova" --port "$device"
fi

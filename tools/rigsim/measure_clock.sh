#!/usr/bin/env bash
# Measures the frame clock as the rig sees it: kestrova (no window needed) on
# line to the rig simulator until the simulator has received MESSAGES messages.
#   tools/rigsim/measure_clock.sh [--case NAME] [BUILD_DIR] [MESSAGES]
# Cases (one table row each; "all" runs the four in turn):
#   root-idle     kestrova as root, machine idle
#   root-loaded   as root, both cores loaded with `stress-ng --cpu 2`
#   user-loaded   as an ordinary user, loaded, no real-time broker reachable
#   user-broker   as an ordinary user, loaded, through the real-time broker
# Without --case the environment chooses, as before:
#   LOAD="stress-ng --cpu 2"  load the machine      AS_USER=name  run kestrova as that user
#   BROKER=1                  with a system bus and the real-time broker
# The user cases run as AS_USER, by default a user "kestrova-clock" made for the run
# and removed after it.
#
# The broker (RealtimeKit) grants real-time only to a user of an active local
# session, through polkit. As root, the script installs dbus, rtkit and
# polkitd when missing and starts the system bus, polkitd and rtkit when they
# are not running; on a machine without a desktop (no login manager on the
# bus) it adds a polkit rule that lets the test user alone stand in for an
# active session.
# Everything it started or added goes away when it ends.
set -euo pipefail
case_name=""
if [ "${1:-}" = "--case" ]; then
  case_name=$2
  shift 2
fi
build=$(realpath "${1:-build}")
count=${2:-1600}
self=$(realpath "$0")

if [ "$case_name" = "all" ]; then
  echo "messages: $count"
  echo "| case        | p50 ms | p99 ms | max ms | drift ms | sending thread | CPU: kestrova / sending thread |"
  echo "| ----------- | ------ | ------ | ------ | -------- | -------------- | ------------------------------ |"
  for c in root-idle root-loaded user-loaded user-broker; do
    "$self" --case "$c" "$build" "$count" | sed -n 's/^row: //p'
  done
  exit 0
fi
case "$case_name" in
  "") ;;
  root-idle) unset LOAD AS_USER BROKER ;;
  root-loaded) LOAD="stress-ng --cpu 2"; unset AS_USER BROKER ;;
  user-loaded) LOAD="stress-ng --cpu 2"; AS_USER=${AS_USER:-kestrova-clock}; unset BROKER ;;
  user-broker) LOAD="stress-ng --cpu 2"; AS_USER=${AS_USER:-kestrova-clock}; BROKER=1 ;;
  *) echo "unknown case $case_name"; exit 2 ;;
esac

log=$(mktemp)
workdir=$(mktemp -d)
chmod 755 "$workdir"
pids=()          # stopped at the end, last first
made_user=""
rule=""
started_bus=""
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "$rule" ] && rm -f "$rule"
  [ -n "$started_bus" ] && rm -f /run/dbus/pid /run/dbus/system_bus_socket
  [ -n "$made_user" ] && userdel "$made_user" 2>/dev/null
  rm -rf "$log" "$workdir"
}
trap cleanup EXIT

# Debian packages, when missing (root only).
install_missing() {
  local need=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
  done
  [ ${#need[@]} -eq 0 ] && return 0
  [ "$(id -u)" -eq 0 ] || { echo "missing packages: ${need[*]}"; exit 1; }
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
}
bus_has() {
  dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q "boolean true"
}
wait_for_name() {
  for _ in $(seq 50); do bus_has "$1" && return 0; sleep 0.1; done
  echo "$1 did not appear on the system bus"; return 1
}

if [ "${AS_USER:-}" = "kestrova-clock" ] && ! id kestrova-clock >/dev/null 2>&1; then
  useradd --system --no-create-home --shell /usr/sbin/nologin kestrova-clock
  made_user=kestrova-clock
fi

bus_env=()
if [ -n "${BROKER:-}" ]; then
  [ -n "${AS_USER:-}" ] || { echo "BROKER=1 needs AS_USER: root needs no broker"; exit 2; }
  install_missing dbus rtkit polkitd
  if ! dbus-send --system --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.Peer.Ping 2>/dev/null; then
    mkdir -p /run/dbus
    rm -f /run/dbus/pid /run/dbus/system_bus_socket  # left by a bus that is gone
    pids+=("$(dbus-daemon --system --fork --print-pid)")
    started_bus=1
  fi
  if ! bus_has org.freedesktop.login1; then
    # No login manager, so no active session: the test user alone stands in for one.
    rule=/etc/polkit-1/rules.d/49-kestrova-clock-test.rules
    cat >"$rule" <<EOF
// Added by kestrova's measure_clock.sh for its run only.
polkit.addRule(function(action, subject) {
    if (action.id.indexOf("org.freedesktop.RealtimeKit1.") == 0 && subject.user == "$AS_USER")
        return polkit.Result.YES;
});
EOF
  fi
  if ! bus_has org.freedesktop.PolicyKit1; then
    /usr/lib/polkit-1/polkitd --no-debug >/dev/null 2>&1 &
    pids+=($!)
  fi
  wait_for_name org.freedesktop.PolicyKit1
  if ! bus_has org.freedesktop.RealtimeKit1; then
    # Its own output through a pipe: it forbids itself to grow files.
    /usr/libexec/rtkit-daemon --stderr 2> >(cat >"$workdir/rtkit.log") &
    pids+=($!)
  fi
  wait_for_name org.freedesktop.RealtimeKit1
  sleep 1  # polkitd reads a new rule when it sees it appear
elif [ -n "${AS_USER:-}" ]; then
  # No broker reachable, whatever runs on this machine.
  bus_env=(DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent)
fi

if [ -n "${LOAD:-}" ]; then
  [ "${LOAD%% *}" = stress-ng ] && install_missing stress-ng
  $LOAD >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi
# The reader is the instrument: at a real-time priority above the sender's it
# stamps each message when it arrives, not when the loaded machine lets it run.
reader_priority=()
[ "$(id -u)" -eq 0 ] && reader_priority=(chrt -f 20)
"${reader_priority[@]}" "$build/kestrova-rigsim" --quiet --count "$count" >"$log" 2>&1 &
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
  run_as=(setpriv --reuid="$AS_USER" --regid="$(id -gn "$AS_USER")" --clear-groups)
fi
(cd "$workdir" && exec env "${bus_env[@]}" HOME="$workdir" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
  "${run_as[@]}" "$build/kestrova" --port "$device") >/dev/null 2>&1 &
kestrova=$!
pids+=($kestrova)

# The sending thread and how it is scheduled, once it has started.
sender=""
for _ in $(seq 50); do
  sender=$(grep -lx kestrova-send /proc/$kestrova/task/*/comm 2>/dev/null | head -n 1 | cut -d/ -f5 || true)
  [ -n "$sender" ] && break
  sleep 0.1
done
sleep 2
ticks() { awk '{ print $14 + $15 }' "$1" 2>/dev/null || echo 0; }
t0=$(date +%s.%N)
cpu0=$(ticks /proc/$kestrova/stat)
send0=$(ticks /proc/$kestrova/task/$sender/stat)
sched=$(ps -L -o tid=,cls=,rtprio=,ni= -p "$kestrova" | awk -v t="$sender" '$1 == t {
  if ($2 == "TS" || $2 == "OTHER") print "normal, nice " $4; else print $2 " " $3 }')

wait "$sim"
t1=$(date +%s.%N)
cpu1=$(ticks /proc/$kestrova/stat)
send1=$(ticks /proc/$kestrova/task/$sender/stat)
hz=$(getconf CLK_TCK)
cpu=$(awk -v a="$cpu0" -v b="$cpu1" -v s="$t0" -v e="$t1" -v hz="$hz" 'BEGIN { printf "%.2f", 100 * (b - a) / hz / (e - s) }')
send_cpu=$(awk -v a="$send0" -v b="$send1" -v s="$t0" -v e="$t1" -v hz="$hz" 'BEGIN { printf "%.2f", 100 * (b - a) / hz / (e - s) }')

cat "$log"
echo "kestrova ran as ${AS_USER:-root}${LOAD:+, machine loaded with $LOAD}${BROKER:+, through the real-time broker}"
echo "sending thread: ${sched:-not found}"
echo "CPU over $(awk -v s="$t0" -v e="$t1" 'BEGIN { printf "%.0f", e - s }') s: kestrova $cpu % of one core, its sending thread $send_cpu %"
[ -s "$workdir/rtkit.log" ] && sed 's/^/broker: /' "$workdir/rtkit.log" | grep -v "Canary\|Watchdog" || true
name=${case_name:-custom}
sed -n 's/^deviation from 40 ms: p50 \(.*\) ms, p99 \(.*\) ms, max \(.*\) ms$/\1 \2 \3/p' "$log" |
  while read -r p50 p99 max; do
    drift=$(sed -n 's/^drift of the last message .*: \(.*\) ms$/\1/p' "$log")
    printf 'row: | %-11s | %s | %s | %s | %s | %s | %s %% / %s %% |\n' "$name" "$p50" "$p99" "$max" "$drift" "${sched:-?}" "$cpu" "$send_cpu"
  done

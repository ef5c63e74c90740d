#!/usr/bin/env bash
# End-to-end check of screen picking on Wayland: the program's windows run as a client of a
# headless compositor, on a private session bus where a stand-in desktop portal answers.
#   1. the portal gives a screenshot: the picker shows it and the keys pick a pixel of it;
#   2. the portal refuses the screenshot but offers its own picker: its colour is taken;
#   3. the program itself starts as a Wayland client and shows its windows.
#
#   wayland_picker_e2e.sh DRIVER STANDIN PROGRAM
# With TESSARY_KEEP_E2E set the working folder and its logs are kept.
set -u

if [ "${1:-}" != "--inner" ]; then
  for tool in weston dbus-run-session; do
    command -v "$tool" > /dev/null || { echo "$tool is not installed: skipped"; exit 77; }
  done
  work=$(mktemp -d)
  [ -n "${TESSARY_KEEP_E2E:-}" ] || trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime"
  # A bus of our own that starts no services, so that no real portal can answer.
  cat > "$work/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:dir=$work</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONF
  WORK=$work XDG_RUNTIME_DIR=$work/runtime dbus-run-session --config-file="$work/bus.conf" -- "$0" --inner "$@"
  exit $?
fi

shift
driver=$1
standin=$2
program=$3
work=$WORK
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

socket=tessary-e2e-$$
weston --backend=headless-backend.so --socket="$socket" --width=800 --height=600 --idle-time=0 --no-config \
  > "$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
if [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; then
  echo "the compositor did not start"; cat "$work/weston.log"; kill "$weston_pid" 2>/dev/null; exit 1
fi
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY

# run_case NAME STANDIN-ARGS -- DRIVER-ARGS
run_case() {
  local name=$1; shift
  local portal_args=()
  while [ "$1" != "--" ]; do portal_args+=("$1"); shift; done
  shift
  mkdir -p "$work/$name"
  "$standin" "${portal_args[@]}" > "$work/$name/portal.log" 2>&1 &
  local portal_pid=$!
  for _ in $(seq 1 100); do grep -q '^ready$' "$work/$name/portal.log" && break; sleep 0.05; done
  grep -q '^ready$' "$work/$name/portal.log" || { fail "$name: stand-in portal not ready"; cat "$work/$name/portal.log"; }
  (cd "$work/$name" && timeout 60 "$driver" "$@") > "$work/$name/driver.log" 2>&1
  local rc=$?
  kill "$portal_pid" 2>/dev/null; wait "$portal_pid" 2>/dev/null
  if [ "$rc" -eq 77 ]; then
    cat "$work/$name/driver.log"; kill "$weston_pid"; wait "$weston_pid" 2>/dev/null; exit 77
  fi
  [ "$rc" -eq 0 ] || { fail "$name: driver exit status $rc"; cat "$work/$name/driver.log"; }
}

run_case screenshot --screenshot="$work/desktop.png" -- screenshot "$work/desktop.png"
grep -q '^Screenshot handle=/org/freedesktop/portal/desktop/request/.* options=handle_token,interactive,modal$' \
  "$work/screenshot/portal.log" || { fail "screenshot: request not as expected"; cat "$work/screenshot/portal.log"; }
grep -q '^PickColor' "$work/screenshot/portal.log" && fail "screenshot: the desktop's picker was asked too"

# 0.50196 is just below 128/255: rounded, not cut off, it gives 80.
run_case picker --screenshot=fail --pick=0.5019607,0.25,1 --version=2 -- colour 8040FF
grep -q '^PickColor handle=/org/freedesktop/portal/desktop/request/.* options=handle_token$' \
  "$work/picker/portal.log" || { fail "picker: request not as expected"; cat "$work/picker/portal.log"; }

# The program itself: its two windows come up on the compositor.
mkdir -p "$work/program"
(cd "$work/program" && TESSARY_STARTUP_PROBE=1 timeout 60 "$program") > "$work/program/out.log" 2>&1
rc=$?
[ "$rc" -eq 0 ] || { fail "program as a Wayland client: exit status $rc"; cat "$work/program/out.log"; }

kill "$weston_pid" 2>/dev/null
wait "$weston_pid" 2>/dev/null
if [ "$failures" -eq 0 ]; then echo "PASS"; exit 0; fi
exit 1

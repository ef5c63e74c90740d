#!/usr/bin/env bash
# End-to-end check of undo across a restart: Ctrl+R in the main window changes the display
# window's pixels and Ctrl+Z gives back exactly those before; a step taken before closing is
# undone by Ctrl+Z after the next start, from the history file beside the settings.
#
#   e2e_history.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
main_title="Tessary Ver.2.0"
. "$(dirname "$0")/under_window_manager.sh"
cd "$work" || exit 1

write_red_over_blue_settings

points=(10,10 200,100 10,290 390,200)
failures=0
pixels() { "$xtool" pixels "$pid" "Tessary" "${points[@]}" | tr '\n' ' '; }
# Waits up to five seconds for the display window to show the wanted pixels (or, with !,
# anything else).
expect() {
  local what=$1 want=$2 got
  for _ in $(seq 1 100); do
    got=$(pixels)
    if [ "${want:0:1}" = "!" ]; then [ "$got" != "${want:1}" ] && return 0; else [ "$got" = "$want" ] && return 0; fi
    sleep 0.05
  done
  echo "FAIL $what: got '$got', wanted '$want'"
  failures=$((failures + 1))
}
start() {
  "$exe" > out.log 2>&1 &
  pid=$!
  "$xtool" wait "$pid" 2 20000 || { echo "windows did not appear"; cat out.log; exit 1; }
}
key() { "$xtool" key "$pid" "$main_title" "$1" ctrl || failures=$((failures + 1)); }

start
expect "start" "FF0000 FF0000 0000FF 0000FF "
before=$(pixels)
key r
expect "Ctrl+R" "!$before"
key z
expect "Ctrl+Z after Ctrl+R" "$before"
key y
expect "Ctrl+Y" "!$before"
close_main || failures=$((failures + 1))
[ -s tessary-history.json ] || { echo "FAIL: no history file"; failures=$((failures + 1)); }
grep -q 'ランダム(ALL)' tessary-history.json || { echo "FAIL: step not named"; failures=$((failures + 1)); }

start
expect "restart shows the last scheme" "!$before"
key z
expect "Ctrl+Z after a restart" "$before"
close_main || failures=$((failures + 1))

echo "$failures failures"
[ "$failures" -eq 0 ]

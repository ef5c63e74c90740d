#!/usr/bin/env bash
# End-to-end check of the colour-vision simulation: the program starts with a red-over-blue
# scheme, Ctrl+Shift+S typed into the main window steps through none, P, D and T, and the
# display window's pixels show the simulated colours with the badge in the bottom-right
# corner. The mode comes back at the next start and is written to the settings file; the
# stored colours never change. Starts openbox when no window manager runs (the key needs an
# active window).
#
#   e2e_vision.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
main_title="Tessary Ver.2.0"
. "$(dirname "$0")/under_window_manager.sh"
cd "$work" || exit 1

write_red_over_blue_settings

# Red and blue as each viewer sees them (RRGGBB); the last point lies inside the badge's
# plate, which blends with the blue under it.
expected() {
  case $1 in
    none) echo "FF0000 0000FF 0000FF" ;;
    P) echo "5D5D0E 0000FF badge" ;;
    D) echo "939300 0000FF badge" ;;
    T) echo "FF004E 006087 badge" ;;
  esac
}
points=(10,10 10,290 392,292)

failures=0
# Waits up to five seconds for the display window to show what a mode draws.
expect_mode() {
  local mode=$1 got want
  read -r -a want < <(expected "$mode")
  for _ in $(seq 1 100); do
    mapfile -t got < <("$xtool" pixels "$pid" "Tessary" "${points[@]}")
    local ok=1
    [ "${got[0]:-}" = "${want[0]}" ] && [ "${got[1]:-}" = "${want[1]}" ] || ok=0
    if [ "${want[2]}" = "badge" ]; then
      [ -n "${got[2]:-}" ] && [ "${got[2]}" != "${want[1]}" ] || ok=0
    else
      [ "${got[2]:-}" = "${want[2]}" ] || ok=0
    fi
    [ $ok = 1 ] && { echo "$mode: ${got[*]}"; return 0; }
    sleep 0.05
  done
  echo "FAIL $mode: got '${got[*]}', expected '${want[*]}'"
  failures=$((failures + 1))
  return 1
}
start() {
  "$exe" > out.log 2>&1 &
  pid=$!
  "$xtool" wait "$pid" 2 60000 || { echo "windows did not appear"; cat out.log; exit 1; }
}
shortcut() { "$xtool" key "$pid" "$main_title" s ctrl+shift || failures=$((failures + 1)); }

start
expect_mode none
for mode in P D T; do
  shortcut
  expect_mode "$mode"
done
close_main || failures=$((failures + 1))
grep -q $'^\[ColorVision\]\r$' tessary.ini || { echo "FAIL: no [ColorVision] section"; failures=$((failures + 1)); }
grep -q $'^Mode=3\r$' tessary.ini || { echo "FAIL: mode not saved"; failures=$((failures + 1)); }
grep -q $'^ColorObject 3=255\r$' tessary.ini || { echo "FAIL: Shape1 saved as simulated"; failures=$((failures + 1)); }
grep -q $'^ColorObject 4=16711680\r$' tessary.ini || { echo "FAIL: Shape2 saved as simulated"; failures=$((failures + 1)); }

# The next start shows the saved mode at once; one more step goes back to the real colours.
start
expect_mode T
shortcut
expect_mode none
close_main || failures=$((failures + 1))
grep -q $'^Mode=0\r$' tessary.ini || { echo "FAIL: none not saved over the old mode"; failures=$((failures + 1)); }

echo "$failures failures"
[ "$failures" -eq 0 ]

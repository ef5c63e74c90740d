#!/usr/bin/env bash
# End-to-end check under a reparenting window manager, which frames the main window only
# after it is mapped: at start the display window stands as a square of the main window's
# outer height beside its outer frame, top-aligned with it, and 初期位置 (Ctrl+D) puts it
# there again after the main window has moved; a place restored from the settings is kept
# when the frame arrives. Starts openbox when no window manager runs.
#
#   e2e_window_manager.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
main_title="Tessary Ver.2.0"
. "$(dirname "$0")/under_window_manager.sh"

cd "$work" || exit 1
"$exe" > out.log 2>&1 &
pid=$!
if ! "$xtool" wait "$pid" 2 60000; then
  echo "windows did not appear"; cat out.log; exit 1
fi

# The display window has no frame: its mapped window is its outer frame.
display_rect() { "$xtool" list "$pid" | awk -v t="$main_title" '$0 !~ t { print $2, $3, $4, $5; exit }'; }
beside_main() {
  local x y w h
  read -r x y w h < <("$xtool" frame "$pid" "$main_title") || return 1
  echo "$((x + w)) $y $h $h"
}
# Waits, up to ten seconds, for the display window to stand beside the main window's frame:
# the frame and the placement that follows it arrive whenever the window manager is done.
expect_beside() {
  local what=$1 want got
  for _ in $(seq 1 200); do
    want=$(beside_main)
    got=$(display_rect)
    [ -n "$want" ] && [ "$got" = "$want" ] && { echo "$what: display window at $got"; return 0; }
    sleep 0.05
  done
  echo "FAIL $what: display window at '$got', main window's frame $("$xtool" frame "$pid" "$main_title"), expected '$want'"
  return 1
}

failures=0
read -r _ _ fw fh < <("$xtool" frame "$pid" "$main_title")
read -r _ _ _ cw ch _ < <("$xtool" list "$pid" | grep "$main_title")
if [ "$fw" -le "$cw" ] || [ "$fh" -le "$ch" ]; then
  echo "the window manager gave the main window no frame ($fw x $fh around $cw x $ch)"; failures=$((failures + 1))
fi
expect_beside "start" || failures=$((failures + 1))

read -r x0 y0 _ _ < <("$xtool" frame "$pid" "$main_title")
"$xtool" move "$pid" "$main_title" 400 300 || exit 1
for _ in $(seq 1 200); do
  read -r x y _ _ < <("$xtool" frame "$pid" "$main_title")
  [ "$x $y" != "$x0 $y0" ] && break
  sleep 0.05
done
[ "$x $y" != "$x0 $y0" ] || { echo "FAIL: the main window did not move"; failures=$((failures + 1)); }
"$xtool" key "$pid" "$main_title" d ctrl || failures=$((failures + 1))
expect_beside "Ctrl+D after moving the main window" || failures=$((failures + 1))

close_main || failures=$((failures + 1))

# Restored places: the display window at 600, 400, 200 x 200 pixels stays there.
rm -f tessary.ini
printf '%s\r\n' "[General]" "RestoreWindowFlug=1" "[WindowPosition]" "mainLeft=1500" "mainTop=1500" \
  "mainWidth=4905" "mainHeight=2250" "WindowState=0" "tessaryLeft=9000" "tessaryTop=6000" \
  "tessaryWidth=3000" "tessaryHeight=3000" > tessary.ini
"$exe" > out.log 2>&1 &
pid=$!
"$xtool" wait "$pid" 2 60000 || { echo "windows did not appear"; cat out.log; exit 1; }
for _ in $(seq 1 20); do
  got=$(display_rect)
  [ "$got" = "600 400 200 200" ] || { echo "FAIL restored: display window at '$got'"; failures=$((failures + 1)); break; }
  sleep 0.05
done
close_main || failures=$((failures + 1))

echo "$failures failures"
[ "$failures" -eq 0 ]

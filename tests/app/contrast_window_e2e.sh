#!/usr/bin/env bash
# Opens and closes the contrast window with its shortcut in the real program, quits with the
# window open, and expects the settings file to keep the window's section after the others
# and the next start to open the window again. Keys go to the active window, so a window
# manager must run: openbox is started when none does.
#
#   contrast_window_e2e.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
main_title="Tessary Ver.2.0"
. "$(dirname "$0")/under_window_manager.sh"
cd "$work" || exit 1

fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && "$xtool" list "$pid"
  cat out.log
  exit 1
}

# Polls until the program shows the contrast window (yes) or not (no).
expect_contrast() {
  for _ in $(seq 1 100); do
    if "$xtool" list "$pid" | grep -q ' コントラスト$'; then
      [ "$1" = yes ] && return 0
    else
      [ "$1" = no ] && return 0
    fi
    sleep 0.05
  done
  return 1
}

start() {
  "$exe" > out.log 2>&1 &
  pid=$!
  "$xtool" wait "$pid" 2 60000 || fail "windows did not appear"
  sleep 0.3
}

quit() {
  close_main || fail "the program did not close cleanly"
}

start
expect_contrast no || fail "contrast window shown at first start"
"$xtool" key "$pid" "$main_title" k ctrl || fail "Ctrl+K not sent"
expect_contrast yes || fail "Ctrl+K did not open the contrast window"
"$xtool" key "$pid" "$main_title" k ctrl || fail "Ctrl+K not sent"
expect_contrast no || fail "Ctrl+K did not close the contrast window"
"$xtool" key "$pid" "$main_title" k ctrl || fail "Ctrl+K not sent"
expect_contrast yes || fail "Ctrl+K did not open the contrast window again"
quit

[ -f tessary.ini ] || fail "no settings file written"
last_section=$(grep -a '^\[' tessary.ini | tail -1 | tr -d '\r')
[ "$last_section" = "[Contrast]" ] || fail "last section is $last_section"
grep -aq $'^Visible=1\r$' tessary.ini || fail "window not recorded as shown"
grep -aq $'^\\[Color\\]\r$' tessary.ini || fail "existing sections lost"

start
expect_contrast yes || fail "contrast window not restored"
"$xtool" key "$pid" "$main_title" k ctrl || fail "Ctrl+K not sent"
expect_contrast no || fail "Ctrl+K did not close the restored window"
quit
grep -aq $'^Visible=0\r$' tessary.ini || fail "closed window recorded as shown"
echo "contrast window e2e passed"
exit 0

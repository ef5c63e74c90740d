#!/usr/bin/env bash
# End-to-end check of colours as CSS writes them: puts an oklch() colour on the clipboard,
# pastes it with Ctrl+Shift+V into the selected object (Shape1), checks the display window's
# pixels, then copies it back with Ctrl+Shift+C in the oklch() form the settings chose and
# checks the text within the rounding of the pasted numbers. Needs xclip for the clipboard.
#
#   e2e_css_color.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
main_title="Tessary Ver.2.0"
command -v xclip > /dev/null || { echo "no xclip: skipped"; exit 77; }
. "$(dirname "$0")/under_window_manager.sh"
cd "$work" || exit 1

# Display window client 400 x 300 pixels, style up/down: Shape1 (blue) above.
{
  printf '%s\r\n' "[General]" "Prefix=#" "RestoreWindowFlug=1" "RestoreColorFlug=1"
  printf '%s\r\n' "[WindowPosition]" "mainLeft=0" "mainTop=0" "mainWidth=4875" "mainHeight=2400" "WindowState=0"
  printf '%s\r\n' "tessaryLeft=6000" "tessaryTop=600" "tessaryWidth=6000" "tessaryHeight=4500"
  printf '%s\r\n' "[Style]" "index=0" "[Text]" "Text 1=" "Text 2=" "Text 3="
  printf '%s\r\n' "[Color]" "ColorObject 3=16711680" "ColorObject 4=16711680"
  printf '%s\r\n' "[CssColor]" "CopyForm=oklch()" "OklchPage=0"
} > tessary.ini
"$exe" > out.log 2>&1 &
pid=$!
"$xtool" wait "$pid" 2 60000 || { echo "windows did not appear"; cat out.log; exit 1; }

failures=0
shape1() { "$xtool" pixels "$pid" "Tessary" 10,10; }
[ "$(shape1)" = "0000FF" ] || { echo "FAIL: Shape1 starts as $(shape1)"; failures=$((failures + 1)); }

printf '%s' 'oklch(62.8% 0.258 29.23)' | xclip -selection clipboard
"$xtool" keys "$pid" "$main_title" ctrl+shift+v || { echo "could not reach the main window"; exit 1; }
got=""
for _ in $(seq 1 100); do got=$(shape1); [ "$got" = "FF0000" ] && break; sleep 0.05; done
[ "$got" = "FF0000" ] || { echo "FAIL: pasted oklch() shows as $got"; failures=$((failures + 1)); }

printf '%s' 'nothing yet' | xclip -selection clipboard
"$xtool" keys "$pid" "$main_title" ctrl+shift+c || { echo "could not reach the main window"; exit 1; }
copied=""
for _ in $(seq 1 100); do
  copied=$(xclip -selection clipboard -o 2>/dev/null)
  [ "$copied" != "nothing yet" ] && break
  sleep 0.05
done
echo "copied: $copied"
# Within the rounding of 62.8 %, 0.258 and 29.23.
if ! echo "$copied" | awk '{
    if (match($0, /^oklch\(([0-9.]+)% ([0-9.]+) ([0-9.]+)\)$/) == 0) exit 1
    split(substr($0, 7, length($0) - 7), v, / /); sub(/%/, "", v[1])
    exit !(v[1] - 62.8 < 0.05 && 62.8 - v[1] < 0.05 && v[2] - 0.258 < 0.0005 && 0.258 - v[2] < 0.0005 \
           && v[3] - 29.23 < 0.005 && 29.23 - v[3] < 0.005) }'; then
  echo "FAIL: copied text is not the pasted colour within rounding"
  failures=$((failures + 1))
fi

close_main || failures=$((failures + 1))
grep -q "CopyForm=oklch()" tessary.ini || { echo "FAIL: the copy form was not kept"; failures=$((failures + 1)); }

echo "$failures failures"
[ "$failures" -eq 0 ]

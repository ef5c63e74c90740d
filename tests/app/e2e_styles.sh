#!/usr/bin/env bash
# End-to-end check of an installed (or built) program, acting only as a user would: for each
# layout style it writes a settings file into an empty working folder, starts the program
# there, checks the display window's pixels, closes the main window through the window
# system's close request and checks the settings file written at shut-down.
#
#   e2e_styles.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

crlf() { printf '%s\r\n' "$@"; }

# Display window client 400 x 300 pixels at 15 twips per pixel; Shape1 red, Shape2 blue.
write_ini() {
  local style=$1
  {
    crlf "[General]" "Prefix=#" "RestoreWindowFlug=1" "RestoreColorFlug=1"
    crlf "[WindowPosition]" "mainLeft=0" "mainTop=0" "mainWidth=4875" "mainHeight=2400" "WindowState=0"
    crlf "tessaryLeft=6000" "tessaryTop=600" "tessaryWidth=6000" "tessaryHeight=4500"
    crlf "[StyleLattice]" "LineWidth=1" "DivideNum=4" "[StyleDivide]" "DivideNum=4"
    crlf "[StyleSquareOnSquare]" "OutsideWidth=25" "[Style]" "index=$style"
    crlf "[Text]" "Text 1=a" "Text 2=b" "Text 3=c"
    crlf "[Color]" "ColorObject 0=65280" "ColorObject 1=65280" "ColorObject 2=65280"
    crlf "ColorObject 3=255" "ColorObject 4=16711680"
  } > tessary.ini
}

# Expected colours (RRGGBB) at points of the 400 x 300 client area, away from the labels.
# The display window has no caption of its own, so the window system shows it under the
# application name.
expect_for_style() {
  case $1 in
    0) echo "10,10=FF0000 10,290=0000FF 390,140=FF0000 390,160=0000FF" ;;
    1) echo "10,10=FF0000 390,10=0000FF 199,290=FF0000 200,290=0000FF" ;;
    2) echo "10,10=FF0000 110,80=0000FF 99,80=FF0000 110,74=FF0000 299,150=0000FF 300,150=FF0000" ;;
    3) echo "10,10=FF0000 110,10=0000FF 10,80=0000FF 110,80=FF0000" ;;
    4) echo "0,10=0000FF 50,10=FF0000 100,10=0000FF 50,75=0000FF 50,74=FF0000" ;;
  esac
}

for style in 0 1 2 3 4; do
  work=$(mktemp -d)
  (
    cd "$work" || exit 1
    write_ini "$style"
    "$exe" > out.log 2>&1 &
    pid=$!
    if ! "$xtool" wait "$pid" 2 60000; then
      echo "style $style: windows did not appear"; cat out.log; kill -9 "$pid"; exit 1
    fi
    sleep 0.3
    points=()
    expected=()
    for pair in $(expect_for_style "$style"); do
      points+=("${pair%%=*}")
      expected+=("${pair##*=}")
    done
    mapfile -t got < <("$xtool" pixels "$pid" "Tessary" "${points[@]}")
    bad=0
    for i in "${!points[@]}"; do
      if [ "${got[$i]:-none}" != "${expected[$i]}" ]; then
        echo "style $style: pixel ${points[$i]} is ${got[$i]:-none}, expected ${expected[$i]}"; bad=1
      fi
    done
    "$xtool" close "$pid" "Tessary Ver.2.0" || { kill -9 "$pid"; exit 1; }
    for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then echo "style $style: still running"; kill -9 "$pid"; exit 1; fi
    wait "$pid" || { echo "style $style: exit status $?"; exit 1; }
    # The settings written at shut-down: CR LF lines, sections in order of first writing.
    sections=$(tr -d '\r' < tessary.ini | grep '^\[' | tr '\n' ' ')
    want="[General] [WindowPosition] [StyleLattice] [StyleDivide] [StyleSquareOnSquare] [Style] [Text] [Color] [Font 1] [Font 2] [Font 3] "
    [ "$sections" = "$want" ] || { echo "style $style: sections '$sections'"; bad=1; }
    grep -q $'^index='"$style"$'\r$' tessary.ini || { echo "style $style: Style index not saved"; bad=1; }
    grep -q $'^ColorObject 3=255\r$' tessary.ini || { echo "style $style: ColorObject 3 not saved"; bad=1; }
    grep -q $'^ColorObject 4=16711680\r$' tessary.ini || { echo "style $style: ColorObject 4 not saved"; bad=1; }
    grep -q $'^tessaryWidth=6000\r$' tessary.ini || { echo "style $style: display width not saved"; bad=1; }
    # The default label font, stored as code page 932 bytes.
    grep -q $'^Name=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r$' tessary.ini || { echo "style $style: font name bytes"; bad=1; }
    [ "$(grep -c $'\r$' tessary.ini)" = "$(wc -l < tessary.ini)" ] || { echo "style $style: not CR LF"; bad=1; }
    exit $bad
  ) || fail "style $style"
  rm -rf "$work"
done

echo "$failures failures"
[ "$failures" -eq 0 ]

# Sourced by the end-to-end scripts that need a window manager (keys go to the active window,
# frames come from it): skips without an X display, starts openbox when none runs, and sets
# up a work folder, the variables pid and wm_pid, and a cleanup on exit that ends both.
# Expects main_title to be set by the caller. close_main closes the main window as a user
# does and fails unless the program then ends with status 0 (its log is out.log).
# write_red_over_blue_settings writes a tessary.ini in the current folder for a display window
# whose client is 400 x 300 pixels, style up/down: Shape1 red above, Shape2 blue below.
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
wm_pid=""
pid=""
work=$(mktemp -d)
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

if ! "$xtool" wm 0; then
  command -v openbox > /dev/null || { echo "no window manager and no openbox: skipped"; exit 77; }
  openbox --sm-disable > "$work/wm.log" 2>&1 &
  wm_pid=$!
  "$xtool" wm 10000 || { echo "openbox did not start"; cat "$work/wm.log"; exit 1; }
fi

close_main() {
  "$xtool" close "$pid" "$main_title" || return 1
  for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$pid" 2>/dev/null; then echo "program still running after the close request"; return 1; fi
  wait "$pid"
  local status=$?
  pid=""
  [ "$status" -eq 0 ] || { echo "exit status $status"; cat out.log; return 1; }
}

write_red_over_blue_settings() {
  {
    printf '%s\r\n' "[General]" "Prefix=#" "RestoreWindowFlug=1" "RestoreColorFlug=1"
    printf '%s\r\n' "[WindowPosition]" "mainLeft=0" "mainTop=0" "mainWidth=4875" "mainHeight=2400" "WindowState=0"
    printf '%s\r\n' "tessaryLeft=6000" "tessaryTop=600" "tessaryWidth=6000" "tessaryHeight=4500"
    printf '%s\r\n' "[Style]" "index=0" "[Text]" "Text 1=" "Text 2=" "Text 3="
    printf '%s\r\n' "[Color]" "ColorObject 3=255" "ColorObject 4=16711680"
  } > tessary.ini
}

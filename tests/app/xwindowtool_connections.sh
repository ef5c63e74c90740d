#!/usr/bin/env bash
# Runs every command of the X test tool, successful or not, under valgrind: a display
# connection left open on any way out shows as memory definitely lost.
set -u
xtool=$1
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
command -v valgrind >/dev/null || { echo "no valgrind: skipped"; exit 77; }
leak=99
status=0
for args in "list $$" "wait $$ 1 50" "close $$ no-such-window" "pixels $$ no-such-window 0,0" "nonsense $$"; do
  # shellcheck disable=SC2086
  valgrind -q --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=$leak "$xtool" $args >/dev/null
  rc=$?
  if [ "$rc" -eq "$leak" ]; then
    echo "connection left open: XWindowTool $args"
    status=1
  fi
done
exit $status

#!/usr/bin/env bash
# Starts the program in an empty working folder, waits until the main and the display
# window are mapped, closes the main window with the window system's close request and
# expects a clean exit.
set -u
exe=$1
xtool=$2
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$exe" > "$work/out.log" 2>&1 &
pid=$!
if ! "$xtool" wait "$pid" 2 60000; then
  echo "windows did not appear"; "$xtool" list "$pid"; cat "$work/out.log"; kill -9 "$pid"; exit 1
fi
"$xtool" list "$pid"
"$xtool" close "$pid" "Tessary Ver.2.0" || { kill -9 "$pid"; exit 1; }
for _ in $(seq 1 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
  echo "program still running after the close request"; kill -9 "$pid"; exit 1
fi
wait "$pid"
status=$?
cat "$work/out.log"
echo "exit status $status"
[ "$status" -eq 0 ] || exit 1
[ -f "$work/tessary.ini" ] || { echo "no settings file written"; exit 1; }
exit 0

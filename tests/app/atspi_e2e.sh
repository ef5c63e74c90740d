#!/usr/bin/env bash
# Starts the program on a private session bus with the accessibility bus, under an X server,
# and reads its accessibility tree over AT-SPI as a screen reader would, in the language given
# (ja or en, default ja).
# Skipped where the accessibility packages or an X display are missing, as the other
# end-to-end tests are.
set -u
exe=$(realpath "$1")
xtool=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
palette=${4:-$(dirname "$exe")/palette/default.tcf}
lang=${3:-ja}
lang_args=()
[ -n "${3:-}" ] && lang_args=(--lang "$3")

py=/usr/bin/python3
[ -x "$py" ] || py=python3
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && { launcher=$candidate; break; }
done
if [ -z "$launcher" ] || ! command -v dbus-run-session > /dev/null || ! "$py" -c "import pyatspi" 2> /dev/null; then
  echo "at-spi2-core, dbus or python3-pyatspi missing: skipped"
  exit 77
fi
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
if [ -z "${TESSARY_ATSPI_SESSION:-}" ]; then
  TESSARY_ATSPI_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

# The name of the palette's first colour, as its chip should be called.
first_chip=$("$py" -c '
import csv, io, sys
rows = list(csv.reader(io.StringIO(open(sys.argv[1], "rb").read().decode("cp932"))))
print(rows[1][1] or rows[1][0])' "$palette") || { echo "cannot read $palette"; exit 1; }

work=$(mktemp -d)
pid=""
"$launcher" --launch-immediately > "$work/bus.log" 2>&1 &
bus=$!
trap '[ -n "$pid" ] && kill -9 "$pid" 2> /dev/null; kill "$bus" 2> /dev/null; rm -rf "$work"' EXIT
sleep 1
cd "$work"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$exe" "${lang_args[@]}" > "$work/out.log" 2>&1 &
pid=$!
if ! "$xtool" wait "$pid" 2 60000; then
  echo "windows did not appear"; cat "$work/out.log"; exit 1
fi
"$py" "$here/atspi_check.py" "$pid" "$first_chip" "$lang"
status=$?
"$xtool" close "$pid" "Tessary Ver.2.0" > /dev/null 2>&1
for _ in $(seq 1 100); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.05
done
[ "$status" -eq 0 ] || cat "$work/out.log"
exit "$status"

#!/usr/bin/env bash
# The ZIP package as a user gets it: builds it, unpacks it into an empty folder and runs the
# tessary.exe found there end to end under Wine, with no Qt or MinGW DLLs on Wine's path.
#
#   windows_zip.sh BUILD_DIR CPACK DRIVER.EXE WINE-RUN [ARGS...]
set -u
build=$1 cpack=$2 driver=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && "$cpack" -G ZIP -B "$out") > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
zip=$(ls "$out"/tessary-*-windows-x64.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || { echo "no package built"; cat "$out/cpack.log"; exit 1; }
mkdir "$out/user"
(cd "$out/user" && cmake -E tar xf "$zip") || exit 1
folder=$out/user/$(basename "$zip" .zip)
missing=0
for f in tessary.exe tessary-check.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll \
  libwinpthread-1.dll qt.conf plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll \
  plugins/imageformats/qjpeg.dll translations/qtbase_ja.qm translations/qtbase_en.qm translations/tessary_en.qm palette/default.tcf doc/index.htm doc/index-en.htm; do
  [ -f "$folder/$f" ] || { echo "not in the package: $f"; missing=1; }
done
[ $missing -eq 0 ] || { (cd "$out/user" && find . | sort); exit 1; }
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes, $(find "$folder" -type f | wc -l) files"

"$here/checker_e2e.sh" "$folder/tessary-check.exe" "$@" --bare || exit 1
exec "$here/windows_e2e.sh" close "$driver" "$folder/tessary.exe" "$@" --bare

#!/usr/bin/env bash
# Builds the Debian package, installs it, runs the installed program end to end, removes
# the package and checks that nothing of it is left in the prefix. Needs root and dpkg;
# skipped elsewhere, and where a tessary package is installed already.
#
#   package_install.sh BUILD_DIR XWINDOWTOOL
set -u
build=$1
xtool=$2
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
[ "$(id -u)" -eq 0 ] && command -v dpkg > /dev/null && command -v cpack > /dev/null || { echo "needs root and dpkg: skipped"; exit 77; }
if dpkg -s tessary > /dev/null 2>&1; then echo "a tessary package is installed already: skipped"; exit 77; fi

out=$(mktemp -d)
trap 'dpkg -r tessary > /dev/null 2>&1; rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out") > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tessary_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package built"; cat "$out/cpack.log"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "package does not depend on the Qt runtime"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q fonts-noto-cjk || { echo "package does not depend on a Japanese font"; exit 1; }

dpkg -i "$deb" > "$out/install.log" 2>&1 || { cat "$out/install.log"; exit 1; }
files=$(dpkg -L tessary | while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ -x /usr/bin/tessary ] || { echo "/usr/bin/tessary missing"; exit 1; }
"$here/checker_e2e.sh" /usr/bin/tessary-check || exit 1
[ -f /usr/share/man/man1/tessary-check.1.gz ] || [ -f /usr/share/man/man1/tessary-check.1 ] || { echo "no man page"; exit 1; }
"$here/e2e_styles.sh" /usr/bin/tessary "$xtool" || exit 1

dpkg -r tessary > "$out/remove.log" 2>&1 || { cat "$out/remove.log"; exit 1; }
left=0
for f in $files; do
  [ -e "$f" ] && { echo "left behind: $f"; left=1; }
done
[ -e /usr/share/tessary ] && { echo "left behind: /usr/share/tessary"; left=1; }
exit $left

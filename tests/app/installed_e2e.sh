#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that the program's data lies where the
# installed program looks for it, and runs the end-to-end checks on the installed program.
#
#   installed_e2e.sh BUILD_DIR XWINDOWTOOL
set -u
build=$1
xtool=$2
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" || { cat "$prefix/install.log"; exit 1; }
missing=0
for f in bin/tessary bin/tessary-check share/man/man1/tessary-check.1 \
         share/bash-completion/completions/tessary-check \
         share/tessary/palette/default.tcf share/tessary/palette/css2-system.tcf \
         share/tessary/doc/index.htm share/tessary/doc/index-en.htm share/tessary/translations/tessary_en.qm \
         share/applications/io.github.tessary.Tessary.desktop \
         share/metainfo/io.github.tessary.Tessary.metainfo.xml \
         share/icons/hicolor/scalable/apps/io.github.tessary.Tessary.svg \
         share/icons/hicolor/48x48/apps/io.github.tessary.Tessary.png; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1
"$here/checker_e2e.sh" "$prefix/bin/tessary-check" || exit 1
"$here/e2e_styles.sh" "$prefix/bin/tessary" "$xtool"

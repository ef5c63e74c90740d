#!/usr/bin/env bash
# Cross-builds with MinGW-w64 the part of Qt 6.4.2 the Windows build needs (Core, Gui, Widgets, Test;
# the windows, offscreen and minimal platforms, the Vista style, gif/jpeg/ico) from Debian's qtbase
# source, and GoogleTest, into a cache folder outside the source tree. A complete cache is reused.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
. "$tools/windows/paths.sh"

"$tools/install-deps.sh" --windows

qt_options=(
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_direct2d=OFF -DFEATURE_system_zlib=OFF -DFEATURE_icu=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_zstd=OFF
)
# What the cache was built from: a change to any of it builds again.
recipe=$({ printf '%s\n' "${qt_options[@]}"; cat "$tools"/windows/qt-patches/*.patch \
  "$tools/windows/mingw-toolchain.cmake"; } | sha256sum | cut -c1-16)
qt_wanted=(
  bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll
  plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll plugins/platforms/qminimal.dll
  plugins/styles/qwindowsvistastyle.dll
  plugins/imageformats/qgif.dll plugins/imageformats/qjpeg.dll plugins/imageformats/qico.dll
  lib/cmake/Qt6/qt.toolchain.cmake
)

complete() { # prefix stamp-content files...
  local prefix=$1 key=$2 f
  shift 2
  [ "$(cat "$prefix/.tessary-complete" 2>/dev/null)" = "$key" ] || return 1
  for f in "$@"; do [ -e "$prefix/$f" ] || return 1; done
}

mkdir -p "$tessary_win_cache"
exec 9>"$tessary_win_cache/.lock"
flock 9 # one build at a time; a second caller then finds the cache complete

work=$tessary_win_cache/work-$recipe
jobs=(nice -n 10 cmake --build)

if complete "$tessary_win_qt" "$recipe" "${qt_wanted[@]}"; then
  echo "Qt for Windows: using $tessary_win_qt"
else
  echo "Qt for Windows: building into $tessary_win_qt (about 15 minutes on two cores)"
  start=$SECONDS
  mkdir -p "$work"
  src=$work/qtbase-everywhere-src-6.4.2
  if [ ! -e "$src/.tessary-patched" ]; then
    # Debian's source package through a private sources list, lists and cache: the system's
    # apt configuration stays as it is.
    apt=$work/apt
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null |
      awk '$2 == "bookworm" { print $1; exit }')
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
      "${mirror:-http://deb.debian.org/debian/} bookworm main" > "$apt/sources.list"
    apt_options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
      -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache")
    [ "$(id -u)" -eq 0 ] && apt_options+=(-o APT::Sandbox::User=root)
    apt-get -q "${apt_options[@]}" update
    (cd "$work" && apt-get -q "${apt_options[@]}" source --download-only qt6-base)
    rm -rf "$src"
    tar -C "$work" -xf "$work"/qt6-base_6.4.2+dfsg.orig.tar.xz
    for p in "$tools"/windows/qt-patches/*.patch; do patch -d "$src" -p1 -s < "$p"; done
    touch "$src/.tessary-patched"
  fi
  cp "$tools/windows/mingw-toolchain.cmake" "$tessary_win_toolchain"
  multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
  nice -n 10 cmake -G Ninja -S "$src" -B "$work/build-qt" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$tessary_win_toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
    -DCMAKE_INSTALL_PREFIX="$tessary_win_qt" "${qt_options[@]}" > "$work/configure-qt.log"
  "${jobs[@]}" "$work/build-qt" -j2
  rm -rf "$tessary_win_qt"
  cmake --install "$work/build-qt" > /dev/null
  for f in "${qt_wanted[@]}"; do
    [ -e "$tessary_win_qt/$f" ] || { echo "Qt for Windows: $f was not built" >&2; exit 1; }
  done
  echo "$recipe" > "$tessary_win_qt/.tessary-complete"
  echo "Qt for Windows: built in $((SECONDS - start)) s"
fi

gtest_recipe=$(cat "$tools/windows/mingw-toolchain.cmake" /usr/src/googletest/CMakeLists.txt | sha256sum | cut -c1-16)
if complete "$tessary_win_gtest" "$gtest_recipe" lib/libgtest.a lib/libgmock.a lib/cmake/GTest; then
  echo "GoogleTest for Windows: using $tessary_win_gtest"
else
  start=$SECONDS
  cp "$tools/windows/mingw-toolchain.cmake" "$tessary_win_toolchain"
  rm -rf "$work/build-gtest" "$tessary_win_gtest"
  nice -n 10 cmake -G Ninja -S /usr/src/googletest -B "$work/build-gtest" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$tessary_win_toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$tessary_win_gtest" > "$work/configure-gtest.log"
  "${jobs[@]}" "$work/build-gtest" -j2
  cmake --install "$work/build-gtest" > /dev/null
  echo "$gtest_recipe" > "$tessary_win_gtest/.tessary-complete"
  echo "GoogleTest for Windows: built in $((SECONDS - start)) s"
fi

# The offscreen platform the window tests run on reads its fonts from <prefix>/lib/fonts
# (*.ttf and *.otf only); without any, no text has a size. The faces the Linux tests find
# through fontconfig: DejaVu Sans, and Noto CJK, whose collections FreeType reads under any name.
mkdir -p "$tessary_win_qt/lib/fonts"
for f in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
  /usr/share/fonts/opentype/noto/NotoS*CJK-*.ttc; do
  if [ -e "$f" ]; then ln -sf "$f" "$tessary_win_qt/lib/fonts/$(basename "${f%.ttc}" .ttf).ttf"; fi
done

# The sources and build trees are only needed until everything is installed.
rm -rf "$tessary_win_cache"/work-*

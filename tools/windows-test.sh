#!/usr/bin/env bash
# The Windows build, cross-built with MinGW-w64 and tested under Wine:
#  1. Qt and GoogleTest for MinGW from the cache (built once by tools/build-qt-windows.sh);
#  2. Tessary built into build-windows/ with -Werror;
#  3. every test of that build run under Wine on a virtual X server (unit tests, the program
#     end to end, the ZIP package unpacked and started with nothing but Wine);
#  4. the ZIP package left in build-windows/.
# Exits non-zero when any step or test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-windows
wineprefix=$build/wine
wine_run=$root/tools/windows/wine-run.sh
# The server itself: Debian's wrapper script adds -p0, which ends the server whenever no program
# runs, and which a second -p then trips over.
wineserver=/usr/lib/wine/wineserver64

if [ "${1:-}" = "--wine-session" ]; then
  # Runs on the virtual X server. One Wine server for the whole run: a test program started
  # just as an idle server is leaving can fail to start at all. Wine's background programs
  # (services, the desktop) are started here, so none of them holds a test's output open.
  export WINEPREFIX=$wineprefix
  trap '"$wineserver" -k 2> /dev/null || true' EXIT
  # A server left behind by a run that was cut short goes first.
  "$wineserver" -k 2> /dev/null || true
  "$wineserver" -w 2> /dev/null || true
  "$wineserver" -p
  TESSARY_STARTUP_PROBE=1 timeout 120 "$wine_run" "$wineprefix" "$build/tessary.exe" < /dev/null > /dev/null 2>&1 ||
    { echo "tessary.exe does not start under Wine"; exit 1; }
  # A test is tried a second time when it fails: now and then Wine ends a program before it has
  # run a line of it (no output, a few milliseconds), which says nothing about the program. A test
  # that fails twice fails the run, and every first failure stays in the log.
  ctest --test-dir "$build" --output-on-failure -j2 --repeat until-pass:2
  exit
fi

start=$SECONDS
tools/build-qt-windows.sh
. tools/windows/paths.sh

mkdir -p "$build"
cmake -S . -B "$build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$tessary_win_qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTESSARY_WERROR=ON -DTESSARY_BUILD_BENCHMARKS=OFF \
  -DGTest_DIR="$tessary_win_gtest/lib/cmake/GTest" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_run;$wineprefix" > "$build/configure.log" ||
  { cat "$build/configure.log"; exit 1; }
nice -n 10 cmake --build "$build" -j2
built=$SECONDS

# The tests' own Wine prefix, made once per build folder.
if [ ! -f "$wineprefix/system.reg" ]; then
  "$wine_run" "$wineprefix" wineboot -i > /dev/null 2>&1
  WINEPREFIX=$wineprefix "$wineserver" -w # the registry is written when it leaves
fi
xvfb-run -a -s "-screen 0 1920x1080x24" "$0" --wine-session
tested=$SECONDS

cmake --build "$build" --target package > /dev/null
echo "Windows: $(ls "$build"/tessary-*-windows-x64.zip)"
echo "Windows: Qt and build $((built - start)) s, tests $((tested - built)) s, all $((SECONDS - start)) s"

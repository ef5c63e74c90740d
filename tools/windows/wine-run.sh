#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine: the emulator CMake and CTest use.
#
#   wine-run.sh WINEPREFIX [--bare] PROGRAM [ARGS...]
#
# Qt's and MinGW's runtime DLLs are found through WINEPATH, unless --bare: then the program
# must bring its own, as an unpacked package does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/paths.sh"
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Wine's .NET and HTML engines when the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
if [ "${1:-}" = "--bare" ]; then
  shift
  unset WINEPATH
else
  winepath=""
  for d in "$tessary_win_qt/bin" "${tessary_win_mingw_runtime[@]}"; do
    winepath+="Z:${d//\//\\};"
  done
  export WINEPATH=${winepath%;}
fi
exec /usr/lib/wine/wine64 "$@"

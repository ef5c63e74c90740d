#!/usr/bin/env bash
# End to end under Wine: starts tessary.exe on the real Windows platform in a working folder
# holding a settings file, waits for the main and the display window, then closes the main
# window (close) or ends the session (logoff), and checks the settings file written: code
# page 932 with CR LF line ends, the colours and the Japanese texts kept.
#
#   windows_e2e.sh close|logoff DRIVER.EXE TESSARY.EXE WINE-RUN [ARGS...]
set -u
export LC_ALL=C
mode=$1 driver=$2 exe=$3
shift 3
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

crlf() { printf '%s\r\n' "$@"; }
# Text 1 is 日本語①: a JIS X 0208 word and a character only code page 932 has.
{
  crlf "[General]" "Prefix=#" "RestoreWindowFlug=1" "RestoreColorFlug=1"
  crlf "[Text]" $'Text 1=\x93\xfa\x96\x7b\x8c\xea\x87\x40' "Text 2=b" "Text 3=c"
  crlf "[Color]" "ColorObject 0=65280" "ColorObject 1=65280" "ColorObject 2=65280"
  crlf "ColorObject 3=255" "ColorObject 4=16711680"
} > "$work/tessary.ini"

unset QT_QPA_PLATFORM
"$@" "$driver" "$mode" "$exe" "$work" "Tessary Ver.2.0" 2 || { echo "driver failed"; exit 1; }

ini=$work/tessary.ini
bad=0
check() { grep -q "$1" "$ini" || { echo "not in the settings file: $2"; bad=1; }; }
check $'^ColorObject 3=255\r$' "ColorObject 3"
check $'^ColorObject 4=16711680\r$' "ColorObject 4"
check $'^Text 1=\x93\xfa\x96\x7b\x8c\xea\x87\x40\r$' "Text 1 as code page 932 bytes"
check $'^Name=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r$' "the default font name as code page 932 bytes"
check $'^\\[WindowPosition\\]\r$' "the window positions"
[ "$(grep -c $'\r$' "$ini")" = "$(wc -l < "$ini")" ] && [ -z "$(tail -c 1 "$ini" | tr -d '\n')" ] ||
  { echo "not CR LF throughout"; bad=1; }
[ $bad -eq 0 ] || { echo "--- settings file:"; iconv -f CP932 -t UTF-8 "$ini" | tr -d '\r'; }
exit $bad

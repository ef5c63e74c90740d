#!/usr/bin/env bash
# The installed checker on a scheme file without a display: its verdicts and exit statuses.
#
#   checker_e2e.sh TESSARY_CHECK [EMULATOR [ARGS...]]
#
# With an emulator (Wine for the Windows build) the checker runs through it: the report must
# be the same, byte for byte.
set -u
check=$1
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '[Color]\r\nColorObject 0=0\r\nColorObject 1=16777215\r\nColorObject 2=7763574\r\nColorObject 3=16777215\r\nColorObject 4=0\r\n' > "$dir/tessary.ini"
emulator=("$@")
args=(--lang en tessary.ini)
out=$(cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY "${emulator[@]}" "$check" "${args[@]}")
rc=$?
[ "$rc" -eq 1 ] || { echo "exit status $rc, expected 1"; echo "$out"; exit 1; }
want="FAIL	text1 / background2	#000000 / #000000	1.00:1	needs 4.5:1 (AA)"
printf '%s\n' "$out" | grep -qxF "$want" || { echo "missing: $want"; echo "$out"; exit 1; }
printf '%s\n' "$out" | grep -qxF "2 of 6 pairs fail" || { echo "$out"; exit 1; }
[ "$out" = "$(printf '%s' "$out" | tr -d '\r')" ] || { echo "CR in the report"; exit 1; }
"${emulator[@]}" "$check" --help > /dev/null || { echo "--help failed"; exit 1; }
"${emulator[@]}" "$check" --no-such-option > /dev/null 2>&1
[ $? -eq 2 ] || { echo "a usage error does not exit with 2"; exit 1; }
exit 0

#!/usr/bin/env bash
# The checker as CI runs it: each case's exit status, and its report against a golden file
# where it has one (TESSARY_UPDATE_GOLDEN=1 writes them). Also that it needs no GUI library.
#
#   check_cli.sh TESSARY_CHECK DATA_DIR
set -u
check=$1
cd "$2" || exit 1
failed=0
big=$(mktemp -d)
trap 'rm -rf "$big"' EXIT

# A 10 MB token file, a deeply nested one, one that is not UTF-8.
head -c $((10 * 1024 * 1024)) /dev/zero | tr '\0' ' ' > "$big/big.json"
{ for i in $(seq 200); do printf '{"g%d":' "$i"; done; printf '1'; for i in $(seq 200); do printf '}'; done; } > "$big/deep.json"
printf '{"c":{"$type":"color","a":{"$value":"#fff\xff"}}}' > "$big/latin1.json"
printf '{"c":{"$type":"color","a":{"$value":"{c.b}"},"b":{"$value":"{c.c}"},"c":{"$value":"{c.a}"}}}' > "$big/cycle.json"

# name | expected exit status | arguments (golden file golden/<name>.out when it exists)
cases=(
  "ini-text|1|--lang en scheme.ini"
  "ini-fix-ja|1|--lang ja --fix --distinguish scheme.ini"
  "json-aaa|1|--lang en --target AAA --large-text-rule wcag scheme.json"
  "tokens-text|1|--lang en --pairs pairs.txt --fix tokens.json"
  "tokens-json|1|--lang en --pairs pairs.txt --fix --distinguish --format json tokens.json"
  "tokens-junit|1|--lang en --pairs pairs.txt --fix --distinguish --format junit tokens.json"
  "css-text|1|--lang en --pairs css-pairs.txt --vision d styles.css"
  "tokens-pass|0|--lang en --pair text.body=color.paper tokens.json"
  "css-pass|0|--lang en --pair --body=--paper --size 24 styles.css"
  "help|0|--lang en --help"
  "no-input|2|--lang en"
  "unknown-option|2|--lang en --frobnicate scheme.ini"
  "bad-target|2|--lang ja --target AAAA scheme.ini"
  "bad-vision|2|--lang en --vision d:50 scheme.ini"
  "no-pairs|2|--lang en tokens.json"
  "unknown-token|2|--lang en --pair text.none=color.paper tokens.json"
  "not-a-colour|2|--lang en --pair space.s=color.paper tokens.json"
  "missing-file|2|--lang en nothing-here.json"
  "too-large|2|--lang en --pair a=b $big/big.json"
  "too-deep|2|--lang en --pair a=b $big/deep.json"
  "not-utf8|2|--lang en --pair c.a=c.a $big/latin1.json"
  "cycle|2|--lang en --pair c.a=c.b $big/cycle.json"
  "bad-pair-line|2|--lang en --pairs scheme.json tokens.json"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name want args <<< "$entry"
  # shellcheck disable=SC2086
  out=$("$check" $args 2>&1)
  rc=$?
  out=${out//$big\//}
  if [ "$rc" != "$want" ]; then
    echo "$name: exit status $rc, expected $want"; echo "$out"; failed=1
  fi
  golden=golden/$name.out
  if [ "${TESSARY_UPDATE_GOLDEN:-0}" = 1 ]; then
    printf '%s\n' "$out" > "$golden"
  elif [ -f "$golden" ] && [ "$(cat "$golden")" != "$out" ]; then
    echo "$name: report differs from $golden"; diff <(printf '%s\n' "$out") "$golden"; failed=1
  fi
done

# JUnit reports are read by CI servers: well-formed XML with the counts they add up.
if command -v xmllint > /dev/null; then
  "$check" --pairs pairs.txt --distinguish --format junit tokens.json | xmllint --noout - || failed=1
fi
if command -v ldd > /dev/null; then
  if ldd "$check" | grep -E 'libQt6(Gui|Widgets)'; then echo "the checker links a GUI library"; failed=1; fi
fi
exit $failed

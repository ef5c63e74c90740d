#!/usr/bin/env bash
# End-to-end check of the scheme export: starts the program on a settings file holding a
# scheme, chooses 配色を書き出す… from the first menu by keyboard, types a file name without
# a suffix into the save dialog (its first file type, CSS, is chosen) and checks the text of
# the file written. Starts openbox when no window manager runs, so that windows can be
# activated for the keys.
#
#   e2e_exchange.sh EXECUTABLE XWINDOWTOOL
set -u
exe=$1
xtool=$2
main_title="Tessary Ver.2.0"
. "$(dirname "$0")/under_window_manager.sh"

cd "$work" || exit 1
# Text 1 green, Text 2 white, Text 3 black, Shape1 red, Shape2 blue.
printf '%s\r\n' "[General]" "Prefix=#" "RestoreColorFlug=1" \
  "[Text]" "Text 1=Hello" "Text 2=2nd" "Text 3=c" \
  "[Color]" "ColorObject 0=65280" "ColorObject 1=16777215" "ColorObject 2=0" \
  "ColorObject 3=255" "ColorObject 4=16711680" > tessary.ini
"$exe" > out.log 2>&1 &
pid=$!
"$xtool" wait "$pid" 2 60000 || { echo "windows did not appear"; cat out.log; exit 1; }

# The first menu opens on its first item; it ends with 配色を書き出す…, 配色を読み込む… and
# 配色をコピー.
"$xtool" keys "$pid" "$main_title" alt+i Up Up Up Return || { echo "could not reach the menu"; exit 1; }
"$xtool" wait "$pid" 3 30000 || { echo "no save dialog"; "$xtool" list "$pid"; cat out.log; exit 1; }
dialog_title=$("$xtool" list "$pid" | cut -d' ' -f6- | grep -vx -e "$main_title" -e "Tessary" | head -n 1)
echo "save dialog: $dialog_title"
# The dialog lists the folder and puts the caret in its name field once it is up.
sleep 0.5
"$xtool" keys "$pid" "$dialog_title" s c h e m e Return || { echo "could not type into the dialog"; exit 1; }

for _ in $(seq 1 200); do [ -f scheme.css ] && break; sleep 0.05; done
failures=0
if [ -f scheme.css ]; then
  expected=$(printf '%s\n' ":root {" \
    "  --tessary-text-1: #00FF00; /* 文字1「Hello」 */" \
    "  --tessary-text-2: #FFFFFF; /* 文字2「2nd」 */" \
    "  --tessary-text-3: #000000; /* 文字3「c」 */" \
    "  --tessary-background-1: #FF0000; /* 背景1 */" \
    "  --tessary-background-2: #0000FF; /* 背景2 */" "}")
  if [ "$(cat scheme.css)" != "$expected" ]; then
    echo "FAIL: scheme.css differs:"; diff <(echo "$expected") scheme.css; failures=$((failures + 1))
  fi
  [ "$(tail -c 1 scheme.css | od -An -c | tr -d ' ')" = '\n' ] || { echo "FAIL: no line end at the end"; failures=$((failures + 1)); }
  leftovers=$(ls -A | grep -vx -e tessary.ini -e out.log -e scheme.css -e wm.log)
  [ -z "$leftovers" ] || { echo "FAIL: files left beside it: $leftovers"; failures=$((failures + 1)); }
else
  echo "FAIL: scheme.css was not written"; ls -A; "$xtool" list "$pid"; failures=$((failures + 1))
fi

close_main || failures=$((failures + 1))

echo "$failures failures"
[ "$failures" -eq 0 ]

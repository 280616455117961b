#!/usr/bin/env bash
# Sets everything up, prepares an installation folder with the demo word
# lists and starts norva.exe in it under Wine: on your display when there is
# one, otherwise on a virtual display, saving a screenshot of the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
root=$PWD
demo=$root/build/demo
wbtool=$root/build/native/bin/wbtool
rm -rf "$demo"
mkdir -p "$demo/language" "$demo/list/Starter"

# Forward lists imported from the samples, reverse lists built from them.
for pair in French:french-english German:german-english; do
  name=${pair%%:*} file=${pair#*:}
  code=${name:0:3}
  "$wbtool" import "samples/$file.tsv" "$demo/language/${code}_Eng.wb"
  "$wbtool" sort "$demo/language/${code}_Eng.wb" >/dev/null
  "$wbtool" reverse "$demo/language/${code}_Eng.wb" "$demo/language/Eng_${code}.wb"
done
printf '[Dictionary]\r\nLanguage=english\r\n' >"$demo/language.ini"
printf '%s\r\n' '# --- dict.ini ----------------------------------------' '' '[AddNew]' 'on' '' \
  '[selected]' 'Fre_Eng.wb' '' '[language]' 'French,french,0' 'German,german,0' '' \
  '# --- EOF ---------------------------------------------' >"$demo/dict.ini"
for f in logo.bmp dict.avi; do
  [ -f "build/win/bin/$f" ] && cp "build/win/bin/$f" "$demo/"
done
cp build/win/bin/norva.exe "$demo/"

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then export NORVA_USE_DISPLAY=1; fi
source scripts/wine-session.sh
wine_session_start
cd "$demo"
if [ -n "${NORVA_USE_DISPLAY:-}" ]; then
  echo "demo: starting norva.exe in $demo"
  wine norva.exe
else
  timeout 120 wine norva.exe & norva=$!
  for _ in $(seq 100); do
    xdotool search --class norva >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 2
  import -window root "$demo/screenshot.png"
  echo "demo: screenshot of the main window: $demo/screenshot.png"
  xdotool key ctrl+x || true
  wait "$norva" || true
fi

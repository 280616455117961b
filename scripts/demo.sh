#!/usr/bin/env bash
# Sets everything up, builds the sample distribution (scripts/build-samples.sh:
# eight FreeDict pairs), installs it into build/demo with its installer
# (install.exe /quiet /dir=...) and starts norva.exe there under Wine: on your
# display when there is one, otherwise on a virtual display, saving a
# screenshot of the main window.
#
# When the installer fails, the demo stops with the installer's message.
# When the FreeDict packages cannot be fetched (no package source), the two
# small hand-written lists in samples/ are installed instead, and the demo
# says so.
#
# NORVA_DEMO_NO_SETUP=1 skips scripts/setup.sh (the builds are taken as they are).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${NORVA_DEMO_NO_SETUP:-}" ] || scripts/setup.sh
root=$PWD
demo=$root/build/demo
dist=$root/build/samples/dist
wbtool=$root/build/native/bin/wbtool
rm -rf "$demo"

# The hand-written lists: forward lists imported, reverse lists built from them.
install_small_lists() {
  mkdir -p "$demo/language" "$demo/list/Starter"
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
}

samples=0
scripts/build-samples.sh || samples=$?
if [ "$samples" != 0 ] && [ "$samples" != 3 ]; then
  echo "demo: the sample distribution could not be built (see above); stopping" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then export NORVA_USE_DISPLAY=1; fi
source scripts/wine-session.sh
wine_session_start
if [ "$samples" = 3 ]; then
  echo "demo: no package source could be reached for the FreeDict packages;" \
       "installing the two small lists of samples/ instead"
  install_small_lists
else
  echo "demo: installing the sample distribution with install.exe /quiet into $demo"
  if ! (cd "$dist" && timeout 900 wine install.exe /quiet "/dir=$(winepath -w "$demo")"); then
    echo "demo: install.exe did not install (its message is above); stopping" >&2
    exit 1
  fi
fi
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

#!/usr/bin/env bash
# Checks a release zip (scripts/release.sh) the way a user meets it: unpacked
# into an empty folder, its checksums verified, installed there by
# `install.exe /quiet /dir=...` under Wine, and norva.exe started on the
# installation with every sample pair, a word of each pair's list looked up
# in the search window (release_check.exe, built beside the tests).
#
#   scripts/check-release.sh [ZIP]      (default: the zip in build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
zip=${1:-$(ls build/release/norva-*-win64.zip 2>/dev/null | head -n 1)}
[ -f "$zip" ] || { echo "check-release: no release zip (scripts/release.sh makes it)" >&2; exit 1; }
zip=$(realpath "$zip")
if grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' build/win/CMakeCache.txt 2>/dev/null; then
  win=build/win
else
  win=build/release-win
fi
cmake --build "$win" --target release_check >/dev/null
checker=$PWD/$win/bin/release_check.exe

work=$PWD/build/release-check
rm -rf "$work"
mkdir -p "$work/unpacked" "$work/installed"
python3 -m zipfile -e "$zip" "$work/unpacked"
top=$work/unpacked/$(basename "$zip" .zip)
[ -f "$top/install.exe" ] || { echo "check-release: the zip holds no $(basename "$top")/install.exe" >&2; exit 1; }

failures=0
fail() { echo "check-release: $*" >&2; failures=$((failures + 1)); }

# Every file is listed with its checksum, and nothing is listed that is missing.
(cd "$top" && sha256sum --quiet --strict -c SHA256SUMS) || fail "checksums do not match"
listed=$(cut -d' ' -f3- "$top/SHA256SUMS" | LC_ALL=C sort)
present=$(cd "$top" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort)
[ "$listed" = "$present" ] || fail "SHA256SUMS does not list exactly the zip's files"

source scripts/wine-session.sh
wine_session_start
echo "check-release: installing $(basename "$zip") with install.exe /quiet"
if ! (cd "$top" && timeout 900 wine install.exe /quiet "/dir=$(winepath -w "$work/installed")"); then
  fail "install.exe did not install (its message is above)"
  exit 1
fi
for f in norva.exe dict.ini language.ini dict.htm licenses/norva.copyright; do
  [ -s "$work/installed/$f" ] || fail "the installation lacks $f"
done

# One word per pair, from the middle of its installed FROM list: a word of
# letters only whose neighbour before it is another word of letters, so that
# the look-up's first row must show it. The program keeps no trace of the
# pair a command line chose, so the word stands for it: another pair's list
# would not show that word first.
mapfile -t args < <(python3 - "$work/installed" <<'EOF'
import os, sys
sys.path.insert(0, os.path.join("tools", "samples"))
import layout
folder = sys.argv[1]
for pair in layout.PAIRS:
    data = open(os.path.join(folder, "language", pair.from_list), "rb").read()
    words = [data[i:i + 31].split(b"\0")[0].decode(layout.CODECS[pair.charset])
             for i in range(0, len(data) - 83, 84)]
    middle = len(words) // 2
    for before, word in zip(words[middle:], words[middle + 1:]):
        if word.isalpha() and before.isalpha() and word.lower() != before.lower():
            print(pair.name)
            print(word)
            break
    else:
        print(pair.name)
        print("(no word)")
EOF
)
[ "${#args[@]}" -eq $((2 * $(python3 tools/samples/layout.py pairs | wc -l))) ] ||
  fail "not every pair's list could be read"
(cd "$work" && timeout 900 wine "$checker" "$(winepath -w "$work/installed")" "${args[@]}") ||
  fail "norva.exe did not find a word in every pair"

if [ "$failures" -gt 0 ]; then echo "check-release: $failures problems" >&2; exit 1; fi
echo "check-release: $(basename "$zip") installs and finds words in every pair"

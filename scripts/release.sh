#!/usr/bin/env bash
# Makes the release zip build/release/norva-VERSION-win64.zip from this
# checkout: the programs built as a release, the sample distribution
# (scripts/build-samples.sh, english edition) as install.exe expects it,
# wbtool.exe, a README for users, the licences and SHA256SUMS, packed by
# tools/release/pack.py so that the same commit gives the same bytes.
#
# The Windows programs come from build/win when that tree is a release build
# (as CI configures it), otherwise from build/release-win, made here. The
# native wbtool that imports the word tables is build/native's.
#
# NORVA_RELEASE_EDITION=LANGUAGE (one of the eleven UI languages; english
# when not given) makes norva-VERSION-win64-LANGUAGE.zip: the same
# distribution with that edition's install.exe (built in
# build/release-LANGUAGE), language.ini and help page.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
started=$(date +%s)

NORVA_SETUP_PACKAGES_ONLY=1 scripts/setup.sh

if grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' build/win/CMakeCache.txt 2>/dev/null; then
  win=build/win
else
  win=build/release-win
  [ -f "$win/CMakeCache.txt" ] ||
    cmake -S . -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
fi
[ -f build/native/CMakeCache.txt ] ||
  cmake -S . -B build/native -G Ninja -DNORVA_SANITIZE=ON >/dev/null
jobs=$(nproc)
cmake --build build/native -j "$jobs" --target wbtool >/dev/null
cmake --build "$win" -j "$jobs" --target norva installer_english wbtool >/dev/null
edition=${NORVA_RELEASE_EDITION:-english}
installer=$win/bin/english/install.exe
if [ "$edition" != english ]; then
  tree=build/release-$edition
  [ -f "$tree/CMakeCache.txt" ] ||
    cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DINSTALL_EDITION="$edition" \
          -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
  cmake --build "$tree" -j "$jobs" --target installer >/dev/null
  installer=$tree/bin/install.exe
fi

version=$(sed -n 's/^#define NORVA_VERSION "\(.*\)"$/\1/p' "$win/generated/norvaversion.h")
[ -n "$version" ] || { echo "release: no version number in $win/generated/norvaversion.h" >&2; exit 1; }
name=norva-$version-win64
[ "$edition" = english ] || name=$name-$edition
out=build/release
stage=$out/$name

status=0
NORVA_WIN_BIN=$root/$win/bin scripts/build-samples.sh || status=$?
if [ "$status" = 3 ]; then
  echo "release: a release needs the FreeDict packages, which cannot be fetched here" >&2
fi
[ "$status" = 0 ] || exit 1

# Text for Windows users: CR LF line ends.
crlf() { sed 's/\r\?$/\r/' "$1"; }

rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage"
cp -r build/samples/dist/. "$stage/"
cp "$win/bin/wbtool.exe" "$stage/"
if [ "$edition" != english ]; then
  # The edition's installer, UI language and help page (named as its help file).
  cp "$installer" "$stage/install.exe"
  printf '[Dictionary]\r\nLanguage=%s\r\n' "$edition" >"$stage/language.ini"
  page=$(basename "$(ls docs/help/"$edition"/*.htm)")
  rm "$stage/dict.htm"
  cp "docs/help/$edition/$page" "$stage/"
  sed -i "s/^copy dict\.htm dict\.htm\r\$/copy $page $page\r/" "$stage/install.inf"
fi
crlf LICENSE >"$stage/LICENSE.txt"
crlf CHANGELOG.md >"$stage/CHANGELOG.txt"
sed -e "s/@VERSION@/$version/g" -e "s/@EDITION@/$edition/g" tools/release/README-FIRST.txt | crlf /dev/stdin >"$stage/README-FIRST.txt"
(cd "$stage" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
   xargs -d '\n' sha256sum >SHA256SUMS)

# Every entry carries the commit's time, so a rebuild of the commit matches.
epoch=$(git log -1 --format=%ct 2>/dev/null || echo 0)
python3 tools/release/pack.py "$stage" "$out/$name.zip" "$epoch"
(cd "$out" && sha256sum "$name.zip" >"$name.zip.sha256")
printf 'release: %s (%d bytes, %d files), sha256 %s, in %d s\n' "$out/$name.zip" \
  "$(stat -c %s "$out/$name.zip")" "$(wc -l <"$stage/SHA256SUMS")" \
  "$(cut -d' ' -f1 "$out/$name.zip.sha256")" "$(($(date +%s) - started))"

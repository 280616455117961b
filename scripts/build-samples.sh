#!/usr/bin/env bash
# Builds the sample distribution (english edition) in build/samples/dist from
# Debian's FreeDict packages:
#   - the packages are fetched with apt-get download into build/samples/cache
#     and unpacked there (nothing is installed);
#   - tools/samples/freedict_to_tsv.py turns each dictionary into a word
#     table (build/samples/work), `wbtool import` into the pair's FROM list,
#     and wbtool.exe under Wine sorts it with the pair's collation;
#   - tools/samples/layout.py writes install.inf, language.cf, language.ini,
#     the charset files and the sort table; the starter practice list, the
#     icons, a few pronunciations (espeak-ng) and the data's licences join
#     them, and the program is stored LZ-compressed (mscompress).
# The pairs themselves are listed in tools/samples/layout.py.
# Exit status 3: the packages could not be fetched (no package source).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/samples
cache=$out/cache work=$out/work dist=$out/dist
wbtool=$root/build/native/bin/wbtool
wbtool_exe=$root/build/win/bin/wbtool.exe
layout=(python3 "$root/tools/samples/layout.py")
export PYTHONDONTWRITEBYTECODE=1

if [ ! -x "$wbtool" ] || [ ! -f "$wbtool_exe" ] || [ ! -f build/win/bin/norva.exe ]; then
  scripts/setup.sh
fi
started=$(date +%s.%N)
step_started=$started
step() {  # prints how long the previous step took
  local now; now=$(date +%s.%N)
  printf 'build-samples: %-44s %6.1f s\n' "$1" "$(awk "BEGIN { print $now - $step_started }")"
  step_started=$now
}

mapfile -t pairs < <("${layout[@]}" pairs)

# --- Packages ---------------------------------------------------------------
mkdir -p "$cache/root" "$work"
missing=()
for line in "${pairs[@]}"; do
  read -r _ package _ <<<"$line"
  compgen -G "$cache/${package}_*.deb" >/dev/null || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "build-samples: downloading ${missing[*]}"
  if ! (cd "$cache" && apt-get download -q "${missing[@]}" 2>/dev/null); then
    as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    if ! "${as_root[@]}" apt-get update -q >/dev/null ||
       ! (cd "$cache" && apt-get download -q "${missing[@]}"); then
      echo "build-samples: the FreeDict packages cannot be fetched (no package source)" >&2
      exit 3  # the demo falls back to the small lists on this status
    fi
  fi
fi
for deb in "$cache"/*.deb; do
  stamp="$cache/root/.${deb##*/}.unpacked"
  [ -f "$stamp" ] && continue
  dpkg-deb -x "$deb" "$cache/root"
  touch "$stamp"
done
step "packages"

# --- Word tables (kept while the converter and the data stay the same) -------
converter=$root/tools/samples/freedict_to_tsv.py
for line in "${pairs[@]}"; do
  read -r name _ dictd charset _ _ reverse _ <<<"$line"
  base=$cache/root/usr/share/dictd/freedict-$dictd
  table=$work/$name.tsv
  if [ ! -s "$table" ] || [ "$converter" -nt "$table" ] || [ "$base.dict.dz" -nt "$table" ]; then
    args=(--charset "$charset"); [ "$reverse" = 1 ] && args+=(--reverse)
    python3 "$converter" "$base" "$table" "${args[@]}"
  fi
done
step "word tables"

# --- The distribution folder ------------------------------------------------
rm -rf "$dist"
mkdir -p "$dist/language" "$dist/list/Starter" "$dist/sound"
"${layout[@]}" texts "$dist" "$work"   # also picks the starter list's words
for line in "${pairs[@]}"; do
  read -r name package _ charset _ <<<"$line"
  "$wbtool" import "$work/$name.tsv" "$dist/language/${name}_English.wb" --charset "$charset"
  "$wbtool" import "$work/starter/$name.tsv" "$dist/list/Starter/${name}_English.ls" --charset "$charset"
  cp "$cache/root/usr/share/doc/$package/copyright" "$dist/$package.copyright"
done
step "word lists imported"

# Icons: a badge with the language's three letters.
python3 tools/samples/make_icons.py "$dist" $(for line in "${pairs[@]}"; do echo "${line%% *}"; done) English

# A few pronunciations per language.
if command -v espeak-ng >/dev/null; then
  for line in "${pairs[@]}"; do
    read -r name _ _ _ _ _ _ voice <<<"$line"
    mkdir -p "$dist/sound/$name"
    while IFS= read -r word; do
      [ -n "$word" ] || continue
      espeak-ng -v "$voice" -w "$dist/sound/$name/$word.wav" "$word"
    done < <("${layout[@]}" words "$name" 4)
  done
  "${layout[@]}" texts "$dist" "$work"   # install.inf now names the sound folders
else
  echo "build-samples: espeak-ng is missing: no pronunciations"
fi
step "icons and pronunciations"

cp build/win/bin/english/install.exe "$dist/"  # the english edition of the installer
for f in logo.bmp dict.avi; do
  [ -f "build/win/bin/$f" ] && cp "build/win/bin/$f" "$dist/"
done
cp build/win/bin/norva.exe "$work/norva.exe"
rm -f "$work/norva.exe_"
mscompress "$work/norva.exe"
mv "$work/norva.exe_" "$dist/norva.ex_"
step "program files (norva.exe compressed)"

# --- Sorting with each pair's collation, under Wine --------------------------
(
  source scripts/wine-session.sh
  wine_session_start
  cd "$dist/language"
  for line in "${pairs[@]}"; do
    read -r name _ _ _ kind collation _ <<<"$line"
    file=${name}_English.wb
    if [ "$kind" = table ]; then order=(--table "..\\$collation"); else order=(--locale "$collation"); fi
    timeout 600 wine "$wbtool_exe" sort "$file" "${order[@]}" >/dev/null
    timeout 600 wine "$wbtool_exe" check "$file" "${order[@]}" >/dev/null ||
      { echo "build-samples: $file is not in order after sorting" >&2; exit 1; }
  done
)
step "FROM lists sorted under Wine"

for line in "${pairs[@]}"; do
  name=${line%% *}
  printf 'build-samples: %-10s %7d entries\n' "$name" $(( $(stat -c %s "$dist/language/${name}_English.wb") / 84 ))
done
printf 'build-samples: done in %.0f s: %s\n' "$(awk "BEGIN { print $(date +%s.%N) - $started }")" "$dist"

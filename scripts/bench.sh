#!/usr/bin/env bash
# The benchmarks, each figure beside the same figure of the baseline: commit
# fdd09ed (or NORVA_BASELINE), unpacked into build/baseline/src with this
# tree's benchmark programs (bench/) laid over it, built with the same flags,
# and run alternately with this tree's in one session. Prints one table.
#
#   scripts/bench.sh [native] [wine] [samples]      (all three when none is named)
#
#   native   findWord and `wbtool sort` beside `LC_ALL=C sort -f` (Linux, release
#            build without sanitizers in build/bench; word files in build/bench/data)
#   wine     the re-sort behind the sorting window (100 000 and 1 000 000 unsorted
#            records, French locale) and without any drawing, the reverse word
#            list (100 000 pieces, Russian locale), the search window's keystroke
#   samples  the sample distribution (scripts/build-samples.sh builds it when it is
#            missing): the German dictionary re-sorted after 5 words were appended,
#            the whole distribution installed by install.exe /quiet, and every sample
#            dictionary sorted by both builds and compared byte for byte, with the
#            locale's sort keys set against its comparison
#
# NORVA_BENCH_RUNS (default 3): runs of each figure under Wine; the table shows
# medians. The two builds take turns, so a busy machine slows both alike.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
baseline=${NORVA_BASELINE:-fdd09ed}
runs=${NORVA_BENCH_RUNS:-3}
sections=("$@")
[ ${#sections[@]} -gt 0 ] || sections=(native wine samples)
wants() { [[ " ${sections[*]} " == *" $1 "* ]]; }

base_src=build/baseline/src
declare -A tree=([base,native]=build/baseline/native [now,native]=build/bench
                 [base,win]=build/baseline/win [now,win]=build/win)
declare -A values=()   # "side|figure" -> the values of every run
note() { printf 'bench: %s\n' "$*" >&2; }

# --- Builds -------------------------------------------------------------------
prepare_baseline() {
  local commit; commit=$(git rev-parse "$baseline^{commit}")
  if [ "$(cat build/baseline/commit 2>/dev/null)" != "$commit" ]; then
    note "unpacking $baseline into $base_src"
    rm -rf "$base_src" build/baseline/native build/baseline/win
    mkdir -p "$base_src"
    git archive "$commit" | tar -x -C "$base_src"
    echo "$commit" >build/baseline/commit
  fi
  rm -rf "$base_src/bench"
  cp -r bench "$base_src/bench"  # the same benchmark programs for both builds
}

configure() {  # side kind source
  local dir=${tree[$1,$2]}
  [ -f "$dir/build.ninja" ] && return 0
  if [ "$2" = native ]; then
    cmake -S "$3" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNORVA_SANITIZE=OFF >/dev/null
  else
    cmake -S "$3" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/$3/cmake/mingw-w64-x86_64.cmake" \
          >/dev/null
  fi
}

build() {  # kind targets...
  local kind=$1; shift
  configure base "$kind" "$base_src"
  configure now "$kind" .
  for side in base now; do
    ninja -C "${tree[$side,$kind]}" -j2 "$@" | grep -v '^\[' || true
  done
}

# --- Figures --------------------------------------------------------------------
collect() {  # side prefix < "name<TAB>value" lines (not at the end of a pipe: a subshell)
  local name value
  while IFS=$'\t' read -r name value; do
    value=${value%$'\r'}
    [ -n "$value" ] && values["$1|$2$name"]+="$value "
  done
}

median() { tr ' ' '\n' | { grep -v '^$' || true; } | sort -g | awk '{a[NR]=$1} END {if (NR) print a[int((NR+1)/2)]}'; }

figure() { echo "${values[$1|$2]:-}" | median; }

rounded() { [ -z "$1" ] || awk -v v="$1" 'BEGIN { printf (v >= 100 || v == int(v)) ? "%.0f" : "%.3g", v }'; }

rows=()
row() {  # figure label goal [no: no ratio]
  local b n ratio=""
  b=$(figure base "$1"); n=$(figure now "$1")
  [ -n "$b$n" ] || return 0
  if [ "${4:-}" != no ] && [ -n "$b" ] && [ -n "$n" ]; then
    ratio=$(awk -v b="$b" -v n="$n" 'BEGIN { if (b > 0) printf "%.2f", n / b }')
  fi
  rows+=("| $2 | $(rounded "$b") | $(rounded "$n") | $ratio | $3 |")
}

seconds_of() {  # command... : prints "seconds<TAB>s" when it succeeds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  printf 'seconds\t%s\n' "$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')"
}

# --- native -----------------------------------------------------------------------
run_native() {
  build native wbbench wbtool reverse_bench
  for side in base now; do
    note "native ($side)"
    mkdir -p "${tree[$side,native]}/data"
    collect "$side" "" < <("${tree[$side,native]}/bin/wbbench" "${tree[$side,native]}/data")
  done
  row findword_us_1m '`findWord`, 1 000 000 records, median per look-up (µs)' 'unchanged'
  row probes_median_1m '`findWord` probes, 1 000 000 records, median' 'unchanged'
  row probes_max_1m '`findWord` probes, 1 000 000 records, most' 'unchanged'
  row wbtool_sort_s_1m '`wbtool sort`, 1 000 000 records, wall (s)' 'below `sort -f`'
  row gnu_sort_s_1m '`LC_ALL=C sort -f`, the same words as text (s)' '' no
  row wbtool_sort_s_100k '`wbtool sort`, 100 000 records, wall (s)' ''
  row wbtool_sort_mb_1m '`wbtool sort`, 1 000 000 records, peak memory (MB)' ''
}

# --- wine -------------------------------------------------------------------------
in_wine() {  # side program args... (from a scratch folder)
  local side=$1 program=$2; shift 2
  local dir; dir=$(mktemp -d /tmp/norva-bench.XXXXXX)
  (cd "$dir" && timeout 3000 wine "$root/${tree[$side,win]}/bin/$program" "$@" | tr -d '\r')
  rm -rf "$dir"
}

run_wine() {
  build win resort_bench reverse_bench search_bench
  for ((r = 1; r <= runs; r++)); do
    for side in base now; do
      note "wine run $r of $runs ($side)"
      collect "$side" resort100k_ < <(in_wine "$side" resort_bench.exe unsorted 100000 french 1)
      collect "$side" reverse_ < <(in_wine "$side" reverse_bench.exe 3)
      collect "$side" search_ < <(in_wine "$side" search_bench.exe 1000000 1000)
    done
  done
  for side in base now; do
    note "wine, 1 000 000 records ($side)"
    collect "$side" resort1m_ < <(in_wine "$side" resort_bench.exe unsorted 1000000 french 1)
  done
  row resort100k_resort_window 'Re-sort, 100 000 unsorted records, French locale, sorting window (s)' '≤ 0.25'
  row resort100k_resort_core '… the same without any drawing (s)' ''
  row resort100k_draws '… counter lines drawn' '' no
  row resort1m_resort_window 'Re-sort, 1 000 000 unsorted records, French locale, sorting window (s)' 'report'
  row resort1m_resort_core '… the same without any drawing (s)' ''
  row resort1m_draws '… counter lines drawn' '' no
  row reverse_reverse_seconds 'Reverse word list, 100 000 pieces, Russian locale (s)' '≤ 0.33'
  row search_keystroke_median 'Search window, 1 000 000 records: keystroke to ten rows, median (ms)' '≤ 0.5'
  row search_keystroke_p99 '… 99th percentile (ms)' '≤ 0.5'
  row search_findword_median '… `findWord` alone, median (ms)' 'unchanged'
}

# --- samples ----------------------------------------------------------------------
dist=build/samples/dist
sample_pairs() { python3 tools/samples/layout.py pairs; }

# A copy of a word file with its records shuffled (the same way every time)
# and, when asked, `appended` made-up records at the end.
shuffled_copy() {  # from to [appended]
  python3 - "$1" "$2" "${3:-0}" <<'EOF'
import random, sys
data = open(sys.argv[1], "rb").read()
records = [data[i:i + 84] for i in range(0, len(data) - len(data) % 84, 84)]
random.Random(1).shuffle(records)
for k in range(int(sys.argv[3])):
    word = ("Zusatz%d" % k).encode().ljust(31, b"\0")
    records.append(word + b"added".ljust(51, b"\0") + b"\0\0")
open(sys.argv[2], "wb").write(b"".join(records))
EOF
}

check_orders() {
  local work; work=$(mktemp -d /tmp/norva-orders.XXXXXX)
  local name kind collation order file side
  while read -r name _ _ _ kind collation _; do
    file=${name}_English.wb
    if [ "$kind" = table ]; then
      order=(--table "tables\\$collation"); mkdir -p "$work/tables"
      cp "$dist/tables/$collation" "$work/tables/" 2>/dev/null || cp "$dist"/tables/* "$work/tables/"
    else
      order=(--locale "$collation")
    fi
    for variant in shuffled appended; do
      for side in base now; do
        shuffled_copy "$dist/language/$file" "$work/$side-$variant.wb" $([ $variant = appended ] && echo 5)
        (cd "$work" && timeout 900 wine "$root/${tree[$side,win]}/bin/wbtool.exe" sort \
           "$side-$variant.wb" "${order[@]}" >/dev/null)
      done
      if cmp -s "$work/base-$variant.wb" "$work/now-$variant.wb"; then
        echo "| $name ($variant) | $(($(stat -c %s "$work/now-$variant.wb") / 84)) | the same bytes |"
      else
        echo "| $name ($variant) | | **DIFFERENT** |"
      fi
    done
    if [ "$kind" != table ]; then
      (cd "$work" && timeout 900 wine "$root/build/win/bin/keycheck.exe" "$collation" \
         "$root/$dist/language/$file" | tr -d '\r') | awk -F'\t' '{print "| " $1 " | " $2 " | " $3 "; " $4 " |"}' |
        sed "s|$root/$dist/language/||"
    fi
  done < <(sample_pairs)
  rm -rf "$work"
}

run_samples() {
  [ -f "$dist/language/German_English.wb" ] || scripts/build-samples.sh
  build win resort_bench wbtool installer_english
  ninja -C build/win -j2 keycheck | grep -v '^\[' || true
  local german=$root/$dist/language/German_English.wb target
  for ((r = 1; r <= runs; r++)); do
    for side in base now; do
      note "samples run $r of $runs ($side)"
      collect "$side" german_ < <(in_wine "$side" resort_bench.exe appended "$german" german 5 1)
      target=$(mktemp -d /tmp/norva-install.XXXXXX)
      rm -rf "$target.dist" && cp -r "$dist" "$target.dist"
      cp "${tree[$side,win]}/bin/english/install.exe" "$target.dist/install.exe"
      collect "$side" install_ < <(cd "$target.dist" &&
        seconds_of timeout 900 wine install.exe /quiet "/dir=$(winepath -w "$target/dict")")
      rm -rf "$target" "$target.dist"
    done
  done
  row german_resort_window 'German sample dictionary + 5 appended, German locale, sorting window (s)' '≤ 0.10'
  row german_resort_core '… the same without any drawing (s)' ''
  row german_draws '… counter lines drawn' '' no
  row install_seconds 'The sample distribution installed by `install.exe /quiet` (s)' 'report'
  order_rows=$(check_orders)
}

# --- Run --------------------------------------------------------------------------
prepare_baseline
if wants native; then run_native; fi
if wants wine || wants samples; then
  source scripts/wine-session.sh
  wine_session_start
fi
if wants wine; then run_wine; fi
if wants samples; then run_samples; fi

echo
echo "Baseline: $baseline ($(git log -1 --format=%cd --date=short "$baseline")); now: $(git rev-parse --short HEAD)$(git diff --quiet || echo ' with changes'); $runs runs, medians; $(nproc) cores."
echo
echo "| Figure | Baseline | Now | Now ÷ baseline | Goal (ratio) |"
echo "|---|---:|---:|---:|---|"
printf '%s\n' "${rows[@]}"
if wants samples; then
  echo
  echo "| Sample dictionary sorted by both builds | Records | Result |"
  echo "|---|---:|---|"
  echo "$order_rows"
  if [[ $order_rows == *DIFFERENT* ]]; then exit 1; fi
fi

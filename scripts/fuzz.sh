#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with Debian's clang under AddressSanitizer
# and UBSan, and runs each in turn for the given number of seconds (600 by
# default) from its seed corpus in fuzz/corpus/<target>.
#   scripts/fuzz.sh [seconds] [target...]
# New inputs are gathered in build/fuzz/corpus; afterwards those that reach
# code the seeds did not are merged into fuzz/corpus (small inputs only), unless
# NORVA_FUZZ_MERGE=0 (CI). Prints one line a target: executions and findings;
# an input that breaks a target is left as build/fuzz/findings/<target>/crash-*.
# Exit status 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
max_len=4096  # the corpus stays small; long inputs are the hostile-input tests' part

packages=(clang libclang-rt-14-dev cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "fuzz: installing ${missing[*]}"
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DNORVA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build/fuzz --target fuzzers -j 2 | grep -v -e '^\[' || true
test -x build/fuzz/bin/settings_fuzz || { echo "fuzz: the build failed" >&2; exit 1; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
found=0
printf '%-14s %12s %9s\n' target executions findings
for t in "${targets[@]}"; do
  # Absolute paths: the targets work in a scratch folder of their own.
  work=$PWD/build/fuzz/corpus/$t findings=$PWD/build/fuzz/findings/$t log=$PWD/build/fuzz/$t.log
  mkdir -p "$work" "$findings"
  status=0
  build/fuzz/bin/${t}_fuzz "$work" "$PWD/fuzz/corpus/$t" -max_total_time="$seconds" \
    -max_len=$max_len -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(find "$findings" -type f | wc -l)
  if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi
  printf '%-14s %12s %9s\n' "$t" "${runs:-?}" "$crashes"
  if [ "$crashes" -ne 0 ]; then
    found=1
    grep -m 3 -e 'ERROR:' -e 'finding:' -e 'runtime error' "$log" | sed 's/^/    /' || true
  elif [ "${NORVA_FUZZ_MERGE:-1}" != 0 ]; then
    build/fuzz/bin/${t}_fuzz -merge=1 -max_len=$max_len "$PWD/fuzz/corpus/$t" "$work" >/dev/null 2>&1 || true
  fi
done
exit $found

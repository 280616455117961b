#!/usr/bin/env bash
# Sets everything up and runs every test: the native unit tests under the
# sanitizers, then the Windows tests under Wine, one at a time, on a virtual
# display started for the run and ended with it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

results=$(mktemp)
run_ctest() {  # build folder, extra ctest arguments...
  local dir=$1; shift
  local out rc=0
  out=$(mktemp)
  (cd "$dir" && timeout 1500 ctest --output-on-failure "$@") 2>&1 | tee "$out" || rc=$?
  # "NN% tests passed, F tests failed out of T"
  sed -n 's/.* \([0-9]\+\) tests\? failed out of \([0-9]\+\).*/\1 \2/p' "$out" >>"$results"
  grep -q 'tests failed out of' "$out" || echo "1 1" >>"$results"  # ctest itself broke
  rm -f "$out"
  return 0
}

echo "== format (.clang-format)"
if scripts/check-format.sh; then echo "0 1" >>"$results"; else echo "1 1" >>"$results"; fi

echo "== native tests (AddressSanitizer, UBSan)"
run_ctest build/native -j "$(nproc)"

if [ -n "${NORVA_RELEASE_CHECK:-}" ]; then  # CI: the release zip made and installed
  echo "== release zip (scripts/release.sh, scripts/check-release.sh)"
  if scripts/release.sh && scripts/check-release.sh; then echo "0 1" >>"$results"; else echo "1 1" >>"$results"; fi
fi

# CI runs every fuzz target from its seed corpus for a while (seconds).
if [ -n "${NORVA_FUZZ_SECONDS:-}" ]; then
  echo "== fuzz targets, ${NORVA_FUZZ_SECONDS} s each"
  if NORVA_FUZZ_MERGE=0 scripts/fuzz.sh "$NORVA_FUZZ_SECONDS"; then echo "0 1" >>"$results"; else echo "1 1" >>"$results"; fi
fi

echo "== Windows tests under Wine"
# The shell hands HTML pages to xdg-open: a stand-in records what was opened.
mkdir -p build/fakebin
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"$NORVA_XDG_LOG"\n' >build/fakebin/xdg-open
chmod +x build/fakebin/xdg-open
export PATH="$PWD/build/fakebin:$PATH" NORVA_XDG_LOG="$PWD/build/xdg-open.log"
# Every fixture is made here: a test that finds one missing fails.
export NORVA_FIXTURES_REQUIRED=1
source scripts/wine-session.sh
wine_session_start
# A CUPS server of the run's own with a PDF printer, for the printing tests.
source scripts/print-session.sh
print_session_start || echo "== no PDF printer: the printing tests will fail"
run_ctest build/win -j 1

failed=0 total=0
while read -r f t; do failed=$((failed + f)); total=$((total + t)); done <"$results"
rm -f "$results"
echo "$((total - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]

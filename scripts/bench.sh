#!/usr/bin/env bash
# Builds the benchmark natively (release, no sanitizers) and prints its
# table: findWord beside std::lower_bound, wbtool sort beside LC_ALL=C sort -f.
# The word files (about 300 MB) are made in build/bench/data.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/bench/build.ninja ]; then
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DNORVA_SANITIZE=OFF >/dev/null
fi
ninja -C build/bench wbbench wbtool | grep -v '^\[' || true
mkdir -p build/bench/data
build/bench/bin/wbbench build/bench/data

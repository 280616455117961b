#!/usr/bin/env bash
# The installer's reverse list of a 100 000-piece FROM list under Wine, beside
# a plain `sort` of the same pieces as text, and natively for comparison.
#   installer/bench/run.sh NATIVE_BIN_DIR WIN_BIN_DIR
set -euo pipefail
native=$(cd "$1" && pwd); win=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/norva-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

echo "== native (A-Z folding: no Windows collation on Linux)"
mkdir -p "$work/native" && (cd "$work/native" && "$native/install_bench" 5)

echo "== under Wine"
source "$root/scripts/wine-session.sh"
wine_session_start
mkdir -p "$work/wine" && (cd "$work/wine" && timeout 600 wine "$win/install_bench.exe" 5 | tr -d '\r')
echo "-- the same without the collation locale (A-Z folding), for the cost of CompareStringA"
mkdir -p "$work/fold" && (cd "$work/fold" && timeout 600 wine "$win/install_bench.exe" 5 fold | tr -d '\r')

echo "== plain sort of the same 100 000 pieces as text (LC_ALL=C)"
for flags in "" "-f"; do
  times=$(for _ in 1 2 3 4 5; do
    s=$(date +%s.%N); LC_ALL=C sort $flags "$work/wine/pieces.txt" >/dev/null; e=$(date +%s.%N)
    awk "BEGIN {print $e - $s}"
  done | median)
  echo "sort $flags median of 5 runs: ${times} s"
done

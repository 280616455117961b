#!/usr/bin/env bash
# wbtool_parity.sh NATIVE_WBTOOL WBTOOL_EXE [EMULATOR...] — runs the same
# wbtool cases through the native binary and through wbtool.exe (under the
# emulator, wine by default) and requires the same stdout, stderr, exit
# statuses and word files, byte for byte.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
native=$(realpath "$1") exe=$(realpath "$2")
shift 2
emulator=("$@")
[ ${#emulator[@]} -gt 0 ] || emulator=(wine)

if [ ! -x "$native" ]; then
  echo "wbtool_parity: no native wbtool at $native (build the native tree first)" >&2
  exit 1
fi
base=$(mktemp -d "${TMPDIR:-/tmp}/wbtool-parity.XXXXXX")
trap 'rm -rf "$base"' EXIT

bash "$here/wbtool_cases.sh" "$base/native" "$native"
timeout 600 bash "$here/wbtool_cases.sh" "$base/win" "${emulator[@]}" "$exe"

for build in native win; do  # a tool that did not start at all fails here, not in the diff
  if [ "$(cat "$base/$build/help.rc")" != 0 ]; then
    echo "wbtool_parity: the $build build did not run:" >&2
    cat "$base/$build/help.err" >&2
    exit 1
  fi
done
cases=$(ls "$base/native"/*.rc | wc -l)
if diff -r "$base/native" "$base/win" >"$base/diff.txt" 2>&1; then
  echo "wbtool_parity: $cases cases, native and Windows builds agree"
  exit 0
fi
echo "wbtool_parity: the builds differ:" >&2
head -c 4000 "$base/diff.txt" >&2
exit 1

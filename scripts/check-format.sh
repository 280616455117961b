#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted with the
# repository's own .clang-format; prints the files that are not.
#   scripts/check-format.sh        check
#   scripts/check-format.sh --fix  format them in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  printf 'not formatted (scripts/check-format.sh --fix): %s\n' "${bad[@]}"
  exit 1
fi
echo "format: ${#files[@]} files formatted"

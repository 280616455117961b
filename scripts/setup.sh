#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages (only
# when something is missing), then configures and builds both trees:
#   build/native  Linux: the portable core, wbtool and the unit tests, under
#                 AddressSanitizer and UBSan
#   build/win     Windows (MinGW): norva.exe, install.exe, wbtool.exe and the
#                 test programs that run under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(wine wine64 g++-mingw-w64-x86-64-posix cmake ninja-build g++ xvfb x11-utils
          xdotool xclip imagemagick fonts-liberation fonts-wine googletest python3
          mscompress espeak-ng clang-format)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The Windows tree's generator and build type (CI: Unix Makefiles, Release).
win_generator=${NORVA_WIN_GENERATOR:-Ninja}
win_build_type=${NORVA_WIN_BUILD_TYPE:-}

jobs=$(nproc)
if [ ! -f build/native/CMakeCache.txt ]; then
  cmake -S . -B build/native -G Ninja -DNORVA_SANITIZE=ON >/dev/null
fi
if [ ! -f build/win/CMakeCache.txt ]; then
  cmake -S . -B build/win -G "$win_generator" ${win_build_type:+-DCMAKE_BUILD_TYPE=$win_build_type} \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DNATIVE_BIN_DIR="$PWD/build/native/bin" >/dev/null
fi
# Only what goes wrong is shown (compiler messages); progress lines are left out.
quiet() { grep -v -e '^\[' -e '^Scanning' -e '^Consolidate' -e '^Built target' -e 'Entering directory' \
               -e 'Leaving directory' || true; }
# A failed build stops here: tests must never run on programs left from an
# earlier build.
failed=0
cmake --build build/native -j "$jobs" 2>&1 | quiet || failed=1
cmake --build build/win -j "$jobs" 2>&1 | quiet || failed=1
[ "$failed" -eq 0 ] || { echo "setup: the build failed (see the compiler messages above)" >&2; exit 1; }
test -x build/native/bin/core_tests && test -f build/win/bin/norva.exe

#!/usr/bin/env bash
# Builds everything and runs every test: the POSIX program's, and, where the
# mingw-w64 cross compilers and Wine are installed, the Windows builds'
# (64-bit run under Wine; 32-bit compiled and checked, as this machine's
# kernel may not run 32-bit programs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
jobs=$(nproc 2>/dev/null || echo 2)
wine=/usr/lib/wine/wine64
configure=(-DSKEINFOLD_WERROR="${SKEINFOLD_WERROR:-OFF}")

windows=no
if command -v x86_64-w64-mingw32-g++-posix >/dev/null &&
  command -v i686-w64-mingw32-g++-posix >/dev/null && [ -x "$wine" ]; then
  windows=yes
elif [ "${CI:-}" = true ]; then
  echo "CI needs the mingw-w64 cross compilers and Wine" >&2
  exit 1
else
  echo "Windows builds skipped: install g++-mingw-w64-x86-64," \
    "g++-mingw-w64-i686 and wine64 to test them too."
fi

if [ $windows = yes ]; then
  cmake -S . -B build-win64 "${configure[@]}" \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
    -DSKEINFOLD_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine"
  cmake --build build-win64 -j"$jobs"
  cmake -S . -B build-win32 "${configure[@]}" -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
  cmake --build build-win32 -j"$jobs"
  sh tests/check-windows-exe.sh PE32 build-win32/skeinfold.exe \
    build-win32/quarnel.exe
  sh tests/check-windows-exe.sh PE32+ build-win64/skeinfold.exe \
    build-win64/quarnel.exe
  ctest --test-dir build-win64 --output-on-failure
  configure+=(-DSKEINFOLD_WINDOWS_BUILD_DIR="$top/build-win64")
else
  configure+=(-USKEINFOLD_WINDOWS_BUILD_DIR)
fi

cmake -S . -B build "${configure[@]}"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure

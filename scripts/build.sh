#!/usr/bin/env bash
# Builds one configuration: native (default), asan, fuzz, windows (32-bit) or windows64
# (the same sources for 64-bit Windows, for machines that run no 32-bit programs).
#   scripts/build.sh [native|asan|fuzz|windows|windows64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-native}
jobs=${JOBS:-$(nproc)}
common=(-G Ninja -DPLYK_WERROR=ON)
case "$kind" in
  native)
    cmake -S "$root" -B "$root/build/native" "${common[@]}" >/dev/null ;;
  asan)
    cmake -S "$root" -B "$root/build/asan" "${common[@]}" -DPLYK_SANITIZE=ON -DPLYK_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
  fuzz)
    CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" "${common[@]}" -DPLYK_FUZZ=ON \
      -DPLYK_TESTS=OFF -DPLYK_BENCH=OFF >/dev/null ;;
  windows | windows64)
    # Resource generators run on the build machine: they come from the native build.
    "$0" native
    cmake --build "$root/build/native" -j "$jobs" --target host_tools
    toolchain=mingw-i686
    [ "$kind" = windows ] || toolchain=mingw-x86_64
    cmake -S "$root" -B "$root/build/$kind" "${common[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
      -DPLYK_HOST_TOOLS_DIR="$root/build/native/tools" -DPLYK_WINE_TESTS=ON >/dev/null ;;
  *) echo "usage: $0 [native|asan|fuzz|windows|windows64]" >&2; exit 2 ;;
esac
cmake --build "$root/build/$kind" -j "$jobs"

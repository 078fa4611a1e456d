#!/usr/bin/env bash
# Builds the Windows configuration (mingw-w64 i686) and tests it under 32-bit Wine:
# the unit tests of every library, then the end-to-end tests of both programs.
#
#   scripts/test-windows.sh NATIVE_BUILD_DIR WINDOWS_BUILD_DIR
#
# On a machine whose kernel runs no 32-bit programs the same sources are also built
# for 64-bit Windows (WINDOWS_BUILD_DIR with "64" added), and that build runs the
# tests under 64-bit Wine; the 32-bit programs are still built and checked.
#
# The native build supplies the host tools that generate resources. Every Wine run
# gets its own Xvfb display and a fresh Wine prefix, removed afterwards; every step
# has a time limit.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 NATIVE_BUILD_DIR WINDOWS_BUILD_DIR" >&2
  exit 2
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
native=$(mkdir -p "$1" && cd "$1" && pwd)
windows=$(mkdir -p "$2" && cd "$2" && pwd)
jobs=${PLYK_JOBS:-2}

source "$repo/e2e/lib/session.sh"

echo "== Host tools (native)"
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S "$repo" -B "$native" -G Ninja -DPLYK_WERROR=ON
fi
cmake --build "$native" --target make_palette make_resources -j "$jobs"

echo "== Windows build"
cmake -S "$repo" -B "$windows" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake" \
  -DPLYK_HOST_TOOLS_DIR="$native/tools" -DPLYK_WERROR=ON -DPLYK_WINE_TESTS=ON
cmake --build "$windows" -j "$jobs"

echo "== Imports of the programs"
# Windows takes DLL names in any case: the import libraries write "dsound.dll".
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|ADVAPI32|msvcrt|DSOUND|WINMM|ole32|OLEAUT32)\.(dll|DLL)$'
for exe in "$windows/src/cutter/app/Plyk2.exe" "$windows/src/motion/app/Zorv2.exe"; do
  dlls=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  echo "$(basename "$exe"): $(echo $dlls)"
  others=$(printf '%s\n' "$dlls" | grep -v -i -E "$system_dlls" || true)
  if [ -n "$others" ]; then
    echo "$(basename "$exe") needs DLLs that Windows does not have: $others" >&2
    exit 1
  fi
done

tested=$windows
if ! wine_runs_32bit; then
  tested=${windows}64
  echo "== This machine runs no 32-bit programs: a 64-bit build runs the tests under 64-bit Wine"
  cmake -S "$repo" -B "$tested" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-x86_64.cmake" \
    -DPLYK_HOST_TOOLS_DIR="$native/tools" -DPLYK_WERROR=ON -DPLYK_WINE_TESTS=ON
  cmake --build "$tested" -j "$jobs"
  wine_use_64bit "$tested/wine64-bin"
fi

echo "== Unit tests under Wine"
status=0
(
  trap wine_session_stop EXIT
  wine_session_start
  with_timeout 1800 ctest --test-dir "$tested" --output-on-failure --timeout 300
) || status=1

echo "== End-to-end tests under Wine"
with_timeout 1800 "$repo/e2e/run.sh" "$tested" "$windows/e2e-shots" || status=1

exit $status

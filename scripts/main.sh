#!/usr/bin/env bash
# The main job: install the build tools, build plyktool, and run it on the sample
# files: the figures of the sprite files and of the motion file, and a contact sheet
# of the sprites cut from the sample pictures.
#
# It installs only compilers and build tools (scripts/setup.sh build). When Wine and
# mingw-w64 are already on the machine it also leaves screenshots of both programs
# with the samples open (scripts/screenshots.sh, into build/screenshots), installing
# nothing for them; without them, or when they fail, the job is still done.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh build
# A build of its own without tests or benchmarks: the libraries they need are not
# installed here, and build/native stays as the test build leaves it.
cmake -S . -B build/tool -G Ninja -DPLYK_WERROR=ON -DPLYK_TESTS=OFF -DPLYK_BENCH=OFF >/dev/null
cmake --build build/tool -j "${JOBS:-$(nproc)}" --target plyktool >/dev/null
tool=build/tool/tools/plyktool/plyktool
$tool info examples/walker.zrv
$tool info examples/sheet.plk
$tool sheet examples/walker.plk build/walker-sheet.bmp
echo "contact sheet: build/walker-sheet.bmp"

if command -v wine >/dev/null && command -v Xvfb >/dev/null && command -v import >/dev/null &&
  command -v i686-w64-mingw32-g++ >/dev/null; then
  PLYK_NO_INSTALL=1 bash scripts/screenshots.sh build/screenshots || echo "no screenshots (see above)"
fi

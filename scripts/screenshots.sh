#!/usr/bin/env bash
# Screenshots of both programs for the README: Plyk2 from the end-to-end tests' shots
# (or scripts/run.sh), Zorv2 with the sample motion file, taken by scripts/run.sh on a
# private virtual display.
#
#   scripts/screenshots.sh [DIR]     default docs/screenshots (the README's pictures)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/docs/screenshots}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
cd "$root"
# Plyk2 at work: the end-to-end cutting test's shot of a picture cut with every tool
# (scripts/test.sh leaves it in build/windows/e2e-shots; E2E_SHOTS names another
# folder). Without it, run.sh shows the sample sprites and picture.
cut_shot=${E2E_SHOTS:-$root/build/windows/e2e-shots}/plyk_sprite_windows.png
if [ -f "$cut_shot" ]; then
  convert "$cut_shot" -trim +repage "$dir/plyk2.png"
  echo "screenshot: $dir/plyk2.png (from $cut_shot)"
else
  PLYK_HEADLESS=1 PLYK_SHOT="$dir/plyk2.png" bash scripts/run.sh plyk2 examples/sheet.plk examples/sheet.pcx
fi
PLYK_HEADLESS=1 PLYK_SHOT="$dir/zorv2.png" bash scripts/run.sh zorv2 examples/walker.zrv
# The first bundle of the sample motion file as plyktool's animated GIF.
cmake --build build/native --target plyktool >/dev/null
build/native/tools/plyktool/plyktool gif examples/walker.zrv "$dir/walker.gif" --scale 4 --boxes --points

#!/usr/bin/env bash
# Screenshots of both programs with the samples open, taken by scripts/run.sh on a
# private virtual display: Plyk2 with the cut sprites and the picture sheet, Zorv2
# with the motion file.
#
#   scripts/screenshots.sh [DIR]     default docs/screenshots (the README's pictures)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/docs/screenshots}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
cd "$root"
PLYK_HEADLESS=1 PLYK_SHOT="$dir/plyk2.png" bash scripts/run.sh plyk2 examples/sheet.plk examples/sheet.pcx
PLYK_HEADLESS=1 PLYK_SHOT="$dir/zorv2.png" bash scripts/run.sh zorv2 examples/walker.zrv

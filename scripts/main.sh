#!/usr/bin/env bash
# The main job: set up, build, and run plyktool on the sample files: the figures of a
# sprite file and of a motion file, and a contact sheet of the sprites.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh native >/dev/null
tool=build/native/tools/plyktool/plyktool
$tool info examples/shapes.plk
$tool info examples/sample.zrv
$tool sheet examples/shapes.plk build/shapes.bmp
echo "contact sheet: build/shapes.bmp"

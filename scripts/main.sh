#!/usr/bin/env bash
# The main job: set up, build, and run plyktool on the sample sprite file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh native >/dev/null
build/native/tools/plyktool/plyktool info examples/shapes.plk

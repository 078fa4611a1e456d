#!/usr/bin/env bash
# Cuts the manual's pictures (docs/manual/*.png) out of the end-to-end tests' screenshots,
# so that they show the programs as they are: run the tests first (scripts/test.sh, or
# e2e/run.sh on a Windows build), then this.
#
#   scripts/manual-pictures.sh [SHOTS_DIR]
#
# SHOTS_DIR defaults to build/windows/e2e-shots, or build/windows64/e2e-shots where only
# the 64-bit build ran. The tests place the windows at fixed spots (drv move), so each
# picture is a fixed rectangle of a shot. Pictures are PNG with at most 256 colours.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots=${1:-}
if [ -z "$shots" ]; then
  shots=$root/build/windows/e2e-shots
  [ -f "$shots/plyk_sprite_windows.png" ] || shots=$root/build/windows64/e2e-shots
fi
out=$root/docs/manual

# picture          shot                          rectangle (WxH+X+Y)
pictures="
plyk-picture.png   plyk_grid_cursor.png          680x420+0+170
cursor-outward.png plyk_outward_cursor.png       64x48+CUTX+CUTY
"
missing=0
while read -r picture shot geometry; do
  [ -n "$picture" ] || continue
  if [ ! -f "$shots/$shot" ]; then
    echo "missing $shots/$shot" >&2
    missing=1
    continue
  fi
  convert "$shots/$shot" -crop "$geometry" +repage -colors 256 -strip "PNG8:$out/$picture"
  echo "$out/$picture  ($shot $geometry)"
done <<<"$pictures"
exit $missing

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

# picture          shot                       rectangle (WxH+X+Y)  scale
pictures="
plyk-picture.png   plyk_sprite_windows.png    912x772+0+0          60%
plyk-sprites.png   plyk_sprite_windows.png    912x162+0+0          75%
cursor-outward.png plyk_outward_cursor.png    230x180+335+400      100%
cursor-inward.png  plyk_inward_cursor.png     230x180+335+400      100%
cursor-free.png    plyk_free_drag.png         230x180+335+400      100%
cursor-fixed.png   plyk_fixed_cursor.png      230x180+335+400      100%
cursor-grid.png    plyk_grid_cursor.png       230x180+335+400      100%
cursor-pick.png    plyk_pick_cursor.png       230x180+335+400      100%
plyk-cut-size.png  plyk_cut_size_dialog.png   290x160+495+370      100%
plyk-colours.png   plyk_colour_dialog.png     360x180+460+360      100%
plyk-file-menu.png plyk2_file_menu.png        420x300+0+170        100%
zorv-build.png     zorv_build_file.png        720x520+0+0          80%
zorv-flags.png     zorv_flags_dialog.png      430x270+425+320      100%
zorv-effects.png   zorv_effects_dialog.png    280x200+498+350      100%
zorv-sound.png     zorv_sound_dialog.png      360x165+458+368      100%
zorv-playing.png   zorv_playing.png           720x520+0+0          80%
"
missing=0
while read -r picture shot geometry scale; do
  [ -n "$picture" ] || continue
  if [ ! -f "$shots/$shot" ]; then
    echo "missing $shots/$shot" >&2
    missing=1
    continue
  fi
  convert "$shots/$shot" -crop "$geometry" +repage -resize "$scale" -colors 256 -strip "PNG8:$out/$picture"
  echo "$out/$picture  ($shot $geometry $scale)"
done <<<"$pictures"
exit $missing

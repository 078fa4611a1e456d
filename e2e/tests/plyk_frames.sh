# An animation in Plyk2: importing a five-frame FLC shows frame 1 of 5; Tab steps on
# and wraps; the frame scroll bar's arrow steps too. Then a large picture zoomed to 4.
# (Timings are the GUI benchmark's: scripts/bench-gui.sh.)
source "$(dirname "$0")/../lib/driver.sh"

work="$E2E_SCRATCH/frames"
mkdir -p "$work"
python3 "$(dirname "$0")/../lib/make_pictures.py" animation "$work/anim.flc"
python3 "$(dirname "$0")/../lib/make_pictures.py" large "$work/large.pcx"

start_program Plyk2
check "frame shown" drv wait-title Plyk2 PlykII 60000
drv move Plyk2 0 0 1060 880 >/dev/null
drv key Plyk2 ctrl+v >/dev/null
drv wait-chooser 10000 >/dev/null
ms=$(drv answer-chooser "$(wine_path "$work/anim.flc")" Plyk2 "(1/5)" 20000)
check "animation imported at frame 1 of 5 (${ms} ms)" test -n "$ms"
title="PlykII       [새 파일]   - anim.flc[64x48]"
for frame in 2 3 4 5 1; do
  drv key Plyk2 tab >/dev/null
  check "Tab shows frame $frame" drv wait-title Plyk2 "$title  ($frame/5)" 5000
done
# The frame scroll bar sits at the left of the tool bar, 200 pixels wide: its right
# arrow is the next frame.
drv click-at Plyk2 ScrollBar 192 10 left >/dev/null
check "the frame scroll bar's arrow shows frame 2" drv wait-title Plyk2 "$title  (2/5)" 5000
screenshot plyk_animation.png

drv key Plyk2 ctrl+v >/dev/null
drv wait-chooser 10000 >/dev/null
check "large picture imported" drv answer-chooser "$(wine_path "$work/large.pcx")" Plyk2 "(1/1)" 20000
drv key Plyk2 r >/dev/null
for _ in 1 2 3; do drv key Plyk2 add >/dev/null; done
check "zoom 4 reached" test "$(drv status-text Plyk2 1)" = " x4"
screenshot plyk_large_zoom4.png
drv close Plyk2 >/dev/null
wait_program_exit 30
check "closed with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

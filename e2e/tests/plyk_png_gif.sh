# PNG and GIF in Plyk2: an indexed PNG sheet and a three-frame GIF animation made by
# ImageMagick are imported through the chooser, figures are cut with the mouse from
# the sheet and from the animation's second frame, and the saved file holds them.
source "$(dirname "$0")/../lib/driver.sh"

work="$E2E_SCRATCH/pngif"
mkdir -p "$work"
convert +antialias -size 96x64 xc:navy -fill red -draw 'rectangle 10,10 29,25' -fill yellow -draw 'circle 60,30 60,40' \
  -define png:color-type=3 "$work/sheet.png"
square() { echo "rectangle $1,5 $(($1 + 15)),20"; }
convert +antialias -dispose 1 \
  \( -size 64x48 xc:navy -fill lime -draw "$(square 5)" \) \
  \( -size 64x48 xc:navy -fill lime -draw "$(square 15)" \) \
  \( -size 64x48 xc:navy -fill lime -draw "$(square 25)" \) -loop 0 "$work/anim.gif"

start_program Plyk2
check "frame shown" drv wait-title Plyk2 PlykII 60000
drv move Plyk2 0 170 900 600 >/dev/null
canvas=주작업윈도우

drv key Plyk2 ctrl+v >/dev/null
check "picture chooser opens" drv wait-chooser 10000
check "PNG sheet imported" drv answer-chooser "$(wine_path "$work/sheet.png")" Plyk2 "(1/1)" 20000
check "title names the PNG and its size" drv wait-title Plyk2 "PlykII       [새 파일]   - sheet.png[96x64]  (1/1)" 5000
drv key Plyk2 o >/dev/null
drv click-at Plyk2 "$canvas" 15 15 left >/dev/null
check "the red figure cut" drv wait-title "스프라이트 창" "스프라이트 창      [ 1개, 1번 선택 ]" 10000
drv click-at Plyk2 "$canvas" 60 30 left >/dev/null
check "the yellow figure cut" drv wait-title "스프라이트 창" "스프라이트 창      [ 2개, 2번 선택 ]" 10000
screenshot plyk_png_sheet.png

drv key Plyk2 ctrl+v >/dev/null
check "picture chooser again" drv wait-chooser 10000
check "GIF animation imported at frame 1 of 3" drv answer-chooser "$(wine_path "$work/anim.gif")" Plyk2 "(1/3)" 20000
drv key Plyk2 tab >/dev/null
check "Tab shows frame 2" drv wait-title Plyk2 "PlykII       [새 파일 *]   - anim.gif[64x48]  (2/3)" 5000
drv click-at Plyk2 "$canvas" 20 10 left >/dev/null
check "the square of frame 2 cut" drv wait-title "스프라이트 창" "스프라이트 창      [ 3개, 3번 선택 ]" 10000
screenshot plyk_gif_frame2.png

drv command Plyk2 40005 >/dev/null
check "save-as chooser" drv answer-chooser "$(wine_path "$work/cut.plk")" Plyk2 "[cut.plk]" 20000
info=$(plyktool info "$(wine_path "$work/cut.plk")")
check "saved file holds three sprites" contains_line "$info" "count 3"
check "the red rectangle" grep -q "^ *0  20 x 16" <<<"$info"
check "the yellow circle" grep -q "^ *1  21 x 21" <<<"$info"
check "the square" grep -q "^ *2  16 x 16" <<<"$info"
check "plyktool reads the GIF's frames" contains_line "$(plyktool info "$(wine_path "$work/anim.gif")")" "frames 3 (3 distinct)"
drv close Plyk2 >/dev/null
wait_program_exit 30
check "closed with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

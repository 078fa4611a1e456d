# A user's whole road through Plyk2: set the cut size, import a picture through the
# chooser (from a folder named in Hangul), cut with every tool by mouse, rearrange the
# sprites with the sprite window's keys, save under a new name, export the set and
# one sprite as PCX, then zoom in and find the cut size and zoom again after a restart.
source "$(dirname "$0")/../lib/driver.sh"

work="$E2E_SCRATCH/그림 폴더"
# plyktool takes its arguments in the system code page: its files stay in a plain folder.
plain="$E2E_SCRATCH/plain"
mkdir -p "$work" "$plain"
python3 "$(dirname "$0")/../lib/make_pictures.py" cutting "$work"

start_program Plyk2
check "frame shown" drv wait-title Plyk2 PlykII 60000
drv move Plyk2 0 170 900 600 >/dev/null
drv move "스프라이트 창" 0 0 600 160 >/dev/null
drv move "자세히 보기 창" 610 0 300 160 >/dev/null

# Cut size 24 x 16 through dialog 124 (key S).
drv key Plyk2 s >/dev/null
check "cut-size dialog opens" drv wait-dialog "자를 크기 바꾸기" 10000
check "it shows the default width" test "$(drv item-text "자를 크기 바꾸기" 1000)" = 32
drv set-text "자를 크기 바꾸기" 1000 24 >/dev/null
drv set-text "자를 크기 바꾸기" 1001 16 >/dev/null
screenshot plyk_cut_size_dialog.png
drv click-id "자를 크기 바꾸기" 1 >/dev/null
check "cut-size dialog closes" drv wait-no-dialog "자를 크기 바꾸기" 10000

# Import through Ctrl+V and the chooser.
drv key Plyk2 ctrl+v >/dev/null
check "picture chooser opens" drv wait-chooser 10000
check "picture imported" drv answer-chooser "$(wine_path "$work/picture.pcx")" Plyk2 "(1/1)" 20000
check "title names the picture, its size and frame" \
  drv wait-title Plyk2 "PlykII       [새 파일]   - picture.pcx[200x150]  (1/1)" 5000

canvas=주작업윈도우
cut_and_count() {  # TOOLKEY COUNT ACTION...: choose a tool, cut, see COUNT sprites
  local key=$1 count=$2
  shift 2
  drv key Plyk2 "$key" >/dev/null
  "$@" >/dev/null
  check "cut with key $key gives $count sprites" \
    drv wait-title "스프라이트 창" "스프라이트 창      [ ${count}개, ${count}번 선택 ]" 10000
}
drv key Plyk2 o >/dev/null
drv pointer Plyk2 "$canvas" 15 12 >/dev/null
sleep 0.5
check "status bar names the outward cut" test "$(drv status-text Plyk2 0)" = " 밖으로 자르기(자동 크기 설정)"
check "status bar shows the mouse in picture pixels" test "$(drv status-text Plyk2 2)" = " 마우스 :  15 ,  12"
screenshot plyk_outward_cursor.png
cut_and_count o 1 drv click-at Plyk2 "$canvas" 15 12 left
check "the cut marks the document modified" \
  drv wait-title Plyk2 "PlykII       [새 파일 *]   - picture.pcx[200x150]  (1/1)" 5000
# The pointers of the other tools, for the manual.
tool_shot() {  # KEY X Y SHOT
  drv key Plyk2 "$1" >/dev/null
  drv pointer Plyk2 "$canvas" "$2" "$3" >/dev/null
  sleep 0.5
  screenshot "$4"
}
tool_shot i 44 4 plyk_inward_cursor.png
cut_and_count i 2 drv drag Plyk2 "$canvas" 44 4 70 30
drv key Plyk2 r >/dev/null
drv press Plyk2 "$canvas" 110 70 left >/dev/null
drv pointer Plyk2 "$canvas" 129 79 >/dev/null
sleep 0.5
screenshot plyk_free_drag.png
drv release Plyk2 "$canvas" 129 79 left >/dev/null
check "free drag gives 3 sprites" drv wait-title "스프라이트 창" "스프라이트 창      [ 3개, 3번 선택 ]" 10000
tool_shot f 130 80 plyk_fixed_cursor.png
cut_and_count f 4 drv click-at Plyk2 "$canvas" 130 80 left
drv key Plyk2 g >/dev/null
drv pointer Plyk2 "$canvas" 125 70 >/dev/null
sleep 0.5
check "grid tool snaps the mouse" test "$(drv status-text Plyk2 2)" = " 마우스 : 120 ,  64"
screenshot plyk_grid_cursor.png
cut_and_count g 5 drv click-at Plyk2 "$canvas" 125 70 left
tool_shot t 60 100 plyk_pick_cursor.png

# Sprite window: copy A onto the free cut, move the fixed cut to the end, delete B.
sprites="스프라이트 창"
cell() { drv click-at "$sprites" - $((61 * $1 + 30)) 30 left >/dev/null; }
cell 0
check "detail window shows the selected sprite" drv wait-title "자세히 보기 창" "0 번 [20x16]" 5000
drv key "$sprites" c >/dev/null
cell 2
drv key "$sprites" v >/dev/null
check "paste of a copy" drv wait-title "$sprites" "스프라이트 창      [ 6개, 3번 선택 ]" 10000
cell 4
drv key "$sprites" x >/dev/null
cell 6
screenshot plyk_sprite_window_held.png
drv key "$sprites" v >/dev/null
check "paste of a cut moves it" drv wait-title "$sprites" "스프라이트 창      [ 6개, 4번 선택 ]" 10000
cell 1
drv key "$sprites" delete >/dev/null
check "delete" drv wait-title "$sprites" "스프라이트 창      [ 5개, 1번 선택 ]" 10000
screenshot plyk_sprite_windows.png

# Ctrl+S does nothing for an unnamed file; "새 이름으로 쓰기" asks for the name.
drv key Plyk2 ctrl+s >/dev/null
check "Ctrl+S on an unnamed file opens no chooser" eval '! drv wait-chooser 1500 >/dev/null'
drv command Plyk2 40005 >/dev/null
check "save-as chooser" drv answer-chooser "$(wine_path "$work/잘라낸 것.plk")" Plyk2 "[잘라낸 것.plk]" 20000
check "saved file holds the cut sprites" cmp "$work/잘라낸 것.plk" "$work/expected.plk"
cp "$work/잘라낸 것.plk" "$plain/saved.plk"
check "plyktool reads the saved file" contains_line "$(plyktool info "$(wine_path "$plain/saved.plk")")" "count 5"

# The whole set as one PCX sheet: cutting it back gives what the tool's own sheet gives.
drv command Plyk2 40049 >/dev/null
check "sheet exported" drv answer-chooser "$(wine_path "$work/sheet.pcx")"
sleep 1
cp "$work/sheet.pcx" "$plain/"
plyktool cut "$(wine_path "$plain/sheet.pcx")" "$(wine_path "$plain/back.plk")" >/dev/null
plyktool pcx "$(wine_path "$plain/saved.plk")" "$(wine_path "$plain/ref.pcx")" >/dev/null
plyktool cut "$(wine_path "$plain/ref.pcx")" "$(wine_path "$plain/ref.plk")" >/dev/null
check "the sheet cuts back into the sprites" cmp "$plain/back.plk" "$plain/ref.plk"
# The selected sprite (A, index 1) alone, from the sprite window's pop-up command.
drv command "$sprites" 40020 >/dev/null
check "one sprite exported" drv answer-chooser "$(wine_path "$plain/one.pcx")"
sleep 1
check "the sprite's PCX has its size" contains_line "$(plyktool info "$(wine_path "$plain/one.pcx")")" "size 20 x 16"

# Zoom in, then close (nothing unsaved): the settings go to PlykII.cfg.
drv key Plyk2 add >/dev/null
check "zoom 2 in the status bar" test "$(drv status-text Plyk2 1)" = " x2"
drv close Plyk2 >/dev/null
wait_program_exit 30
check "closed with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
cfg="$PROGRAM_DIR/PlykII.cfg"
check "settings written (1720 bytes)" test "$(stat -c %s "$cfg" 2>/dev/null)" = 1720
check "zoom and cut size in the settings" \
  test "$(od -An -tu4 -j60 -N12 "$cfg" | tr -s ' ')" = " 2 24 16"

restart_program Plyk2
check "second run" drv wait-title Plyk2 PlykII 60000
check "zoom remembered" test "$(drv status-text Plyk2 1)" = " x2"
drv key Plyk2 s >/dev/null
check "cut-size dialog again" drv wait-dialog "자를 크기 바꾸기" 10000
check "width remembered" test "$(drv item-text "자를 크기 바꾸기" 1000)" = 24
check "height remembered" test "$(drv item-text "자를 크기 바꾸기" 1001)" = 16
drv click-id "자를 크기 바꾸기" 2 >/dev/null
drv wait-no-dialog "자를 크기 바꾸기" 10000 >/dev/null
# The colour dialog (Ctrl+C) with its three swatches; cancelled.
drv key Plyk2 ctrl+c >/dev/null
texts=$(drv wait-dialog "색 설정하기" 10000)
check "colour dialog shows the system colour button" contains_line "$texts" "$(printf 'Button\t7\t시스템')"
screenshot plyk_colour_dialog.png
drv click-id "색 설정하기" 2 >/dev/null
check "colour dialog closes" drv wait-no-dialog "색 설정하기" 10000
drv close Plyk2 >/dev/null
wait_program_exit 30
check "second run closed with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

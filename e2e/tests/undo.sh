# Undo and redo in both programs as a user meets them: edits, Ctrl+Z back to the file
# as it was opened (the title loses its mark), Ctrl+Y forward again, Ctrl+Shift+Z as a
# second redo key, then Ctrl+S, and the saved file read back with plyktool.
source "$(dirname "$0")/../lib/driver.sh"

# plyktool takes its arguments in the system code page: a plain folder name.
work="$E2E_SCRATCH/undo"
mkdir -p "$work"
cp "$(dirname "$0")/../../examples/sample.zrv" "$work/motions.zrv"
cp "$(dirname "$0")/../../examples/shapes.plk" "$work/sprites.plk"

# ---- Zorv2: two delays set on motion 1, both undone, one redone.
delay_of_motion_1() {
  plyktool info --motions "$(wine_path "$work/motions.zrv")" | sed -n 's/^       1  sprite .* delay \([0-9]*\) .*/\1/p' | head -n 1
}
start_program Zorv2 "$(wine_path "$work/motions.zrv")"
saved="ZorvII       [motions.zrv]   - 3 개 동작 묶음"
edited="ZorvII       [motions.zrv *]   - 3 개 동작 묶음"
check "Zorv2 opened the file" drv wait-title Zorv2 "$saved" 60000
drv key Zorv2 right >/dev/null
check "motion 1 selected" drv wait-title "동작 창" "'걷기' 동작 창      [ 3개, 1번 선택 ]" 10000
zorv_set_delay 9
zorv_set_delay 12
check "the edits mark the title" drv wait-title Zorv2 "$edited" 10000
drv key Zorv2 ctrl+z >/dev/null
drv key Zorv2 ctrl+z >/dev/null
check "undoing both edits is the file as opened" drv wait-title Zorv2 "$saved" 10000
drv key Zorv2 ctrl+y >/dev/null
check "Ctrl+Y redoes the first edit" drv wait-title Zorv2 "$edited" 10000
drv key Zorv2 ctrl+s >/dev/null
check "Ctrl+S saves" drv wait-title Zorv2 "$saved" 10000
check "the saved motion 1 has the redone delay 9 (got $(delay_of_motion_1))" test "$(delay_of_motion_1)" = 9
drv key Zorv2 ctrl+x >/dev/null
wait_program_exit 30
check "Zorv2 ends with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
kill_program

# ---- Plyk2: sprites 0 and 1 deleted, the second delete undone, redone with
# Ctrl+Shift+Z, undone again, saved.
start_program Plyk2 "$(wine_path "$work/sprites.plk")"
check "Plyk2 opened the file" drv wait-title "스프라이트 창" "스프라이트 창      [ 5개, 0번 선택 ]" 60000
drv click-at "스프라이트 창" - 30 30 left >/dev/null
drv key "스프라이트 창" delete >/dev/null
drv key "스프라이트 창" delete >/dev/null
check "two sprites deleted" drv wait-title "스프라이트 창" "스프라이트 창      [ 3개, 0번 선택 ]" 10000
drv key Plyk2 ctrl+z >/dev/null
check "Ctrl+Z brings one back" drv wait-title "스프라이트 창" "스프라이트 창      [ 4개, 0번 선택 ]" 10000
drv key Plyk2 ctrl+shift+z >/dev/null
check "Ctrl+Shift+Z deletes it again" drv wait-title "스프라이트 창" "스프라이트 창      [ 3개, 0번 선택 ]" 10000
drv key Plyk2 ctrl+z >/dev/null
check "and Ctrl+Z brings it back" drv wait-title "스프라이트 창" "스프라이트 창      [ 4개, 0번 선택 ]" 10000
screenshot undo_plyk.png
drv key Plyk2 ctrl+s >/dev/null
check "Ctrl+S saves" drv wait-title Plyk2 "PlykII       [sprites.plk]" 10000
info=$(plyktool info "$(wine_path "$work/sprites.plk")")
check "the saved file holds sprites 1 to 4" test "$(printf '%s\n' "$info" | sed -n 's/^    [0-9]  //p' | tr '\n' ' ')" = \
  "13 x 13 25 x 25 16 x 10 5 x 20 "
drv key Plyk2 ctrl+x >/dev/null
wait_program_exit 30
check "Plyk2 ends with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

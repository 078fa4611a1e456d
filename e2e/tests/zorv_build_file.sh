# A motion file built as a user builds one: a sprite file added through the sprite
# window's chooser from a folder named in Hangul, a new bundle, two motions stamped
# with the mouse, one dragged, a box drawn and a point set on it, its delay set in the
# dialog (61 refused, 7 taken), its flags (one typed in binary), effects and sound
# set in theirs, saved with Ctrl+S and read back with plyktool.
source "$(dirname "$0")/../lib/driver.sh"


folder="$E2E_SCRATCH/동작 파일"
mkdir -p "$folder"
cp "$(dirname "$0")/../../examples/shapes.plk" "$folder/모양.plk"
canvas=주작업윈도우

start_program Zorv2
check "frame" drv wait-title Zorv2 ZorvII 60000
# Below the sprite and motion windows, so the screenshot shows them too.
drv move Zorv2 0 160 1100 740 >/dev/null

# "스프라이트 추가" of the sprite window's pop-up menu, then sprite 0 chosen with a click.
drv command "스프라이트 창" 40051 >/dev/null
check "sprite chooser shown" drv wait-chooser 20000
drv answer-chooser "$(wine_path "$folder/모양.plk")" >/dev/null
check "five sprites added" drv wait-title "스프라이트 창" "스프라이트 창      [ 5개, 5번 선택 ]" 20000
drv click-at "스프라이트 창" - 30 30 left >/dev/null
check "sprite 0 chosen" drv wait-title "스프라이트 창" "스프라이트 창      [ 5개, 0번 선택 ]" 10000

drv key Zorv2 n >/dev/null
check "new bundle dialog" drv wait-dialog "새 동작 묶음" 20000
drv set-text "새 동작 묶음" 1002 walk >/dev/null
drv click-id "새 동작 묶음" 1 >/dev/null
check "bundle made" drv wait-title Zorv2 "ZorvII       [새 파일 *]   - 1 개 동작 묶음" 20000

# Stamp at canvas (200, 200) and (260, 200): the base point is (200, 200).
drv key Zorv2 p >/dev/null
drv click-at Zorv2 $canvas 200 200 left >/dev/null
drv click-at Zorv2 $canvas 260 200 left >/dev/null
check "two motions stamped" drv wait-title "동작 창" "'walk' 동작 창      [ 2개, 2번 선택 ]" 10000
drv key Zorv2 left >/dev/null
check "motion 1 selected with Left" drv wait-title "동작 창" "'walk' 동작 창      [ 2개, 1번 선택 ]" 10000

drv key Zorv2 d >/dev/null
drv drag Zorv2 $canvas 260 200 270 205 >/dev/null
drv key Zorv2 b >/dev/null
drv drag Zorv2 $canvas 180 170 230 240 >/dev/null
drv key Zorv2 t >/dev/null
drv click-at Zorv2 $canvas 210 190 left >/dev/null

drv key Zorv2 e >/dev/null
check "delay dialog" drv wait-dialog "동작 지연 시간 설정" 20000
drv set-text "동작 지연 시간 설정" 1002 61 >/dev/null
drv click-id "동작 지연 시간 설정" 1 >/dev/null
warning=$(drv wait-dialog ZorvII 10000)
check "61 refused with the warning" contains_line "$(printf '%s\n' "$warning" | cut -f3)" \
  "동작 지연 시간은 1 ~ 60 사이만 설정 가능합니다."
drv click-id ZorvII 1 >/dev/null
drv wait-no-dialog ZorvII 10000 >/dev/null
drv set-text "동작 지연 시간 설정" 1002 7 >/dev/null
drv click-id "동작 지연 시간 설정" 1 >/dev/null
check "7 taken" drv wait-no-dialog "동작 지연 시간 설정" 10000

# Flags, flag 0 typed in decimal and seen again in binary, flag 9 typed in binary;
# then the effects and the sound of the same motion.
drv key Zorv2 f >/dev/null
drv wait-dialog "플래그 설정" 20000 >/dev/null
drv set-text "플래그 설정" 1012 5 >/dev/null
drv click-id "플래그 설정" 1007 >/dev/null
shown=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
  shown=$(drv item-text "플래그 설정" 1012)
  [ "$shown" = 101 ] && break
done
check "the binary box shows flag 0 as 101 (got $shown)" test "$shown" = 101
drv set-text "플래그 설정" 1021 1100 >/dev/null
screenshot zorv_flags_dialog.png
drv click-id "플래그 설정" 1 >/dev/null
check "flags taken" drv wait-no-dialog "플래그 설정" 10000
drv command Zorv2 40091 >/dev/null
drv wait-dialog "효과 설정" 20000 >/dev/null
drv click-id "효과 설정" 1023 >/dev/null
drv click-id "효과 설정" 1025 >/dev/null
screenshot zorv_effects_dialog.png
drv click-id "효과 설정" 1 >/dev/null
check "effects taken" drv wait-no-dialog "효과 설정" 10000
drv key Zorv2 s >/dev/null
drv wait-dialog "동작 소리 설정" 20000 >/dev/null
drv set-text "동작 소리 설정" 1002 step.wav >/dev/null
screenshot zorv_sound_dialog.png
drv click-id "동작 소리 설정" 1 >/dev/null
check "sound taken" drv wait-no-dialog "동작 소리 설정" 10000
drv pointer Zorv2 $canvas 300 150 >/dev/null
screenshot zorv_build_file.png

drv key Zorv2 ctrl+s >/dev/null
check "Ctrl+S on a new file asks for a name" drv wait-chooser 20000
drv answer-chooser "$(wine_path "$folder/걷기.zrv")" >/dev/null
check "saved under its name" drv wait-title Zorv2 "ZorvII       [걷기.zrv]   - 1 개 동작 묶음" 20000

# Ctrl+P plays the bundle until a click on the canvas stops it; the point tool is back.
drv key Zorv2 ctrl+p >/dev/null
sleep 1
check "Ctrl+P plays" test "$(drv child-text Zorv2 msctls_statusbar32)" = " 연결 동작 플레이"
screenshot zorv_playing.png
drv click-at Zorv2 $canvas 400 400 left >/dev/null
check "a click stops the play" test "$(drv child-text Zorv2 msctls_statusbar32)" = " 1번 포인트 넣기"

# plyktool takes its arguments in the system code page: it reads a copy with a plain name.
cp "$folder/걷기.zrv" "$E2E_SCRATCH/built.zrv"
info=$(plyktool info --motions "$(wine_path "$E2E_SCRATCH/built.zrv")")
motions=$(printf '%s\n' "$info" | sed -n 's/^ *\([0-9]*\)  sprite/\1 sprite/p' | sed 's/  reserved [0-9a-f]*//')
none="- - - - -"
check "one bundle, two motions, five sprites" test "$(printf '%s\n' "$info" | grep -E '^(bundles|sprites|    0  )')" = \
  "$(printf 'bundles 1\n    0  "walk"  2 motions\nsprites 5')"
check "motion 0 as stamped" contains_line "$motions" \
  "0 sprite 0  rel -9,-9  delay 2  effects 0  boxes - $none  points - $none  flags 0 0 0 0 0 0 0 0 0 0  sound \"\""
check "motion 1 dragged, with its box, point, delay, effects, flags and sound" contains_line "$motions" \
  "1 sprite 0  rel 61,-4  delay 7  effects 5  boxes -20,-30,30,40 $none  points 10,-10 $none  flags 5 0 0 0 0 0 0 0 0 12  sound \"step.wav\""
[ "$E2E_FAILURES" -eq 0 ] || printf '%s\n' "$info"

drv key Zorv2 ctrl+x >/dev/null
wait_program_exit 30
check "ends with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

# A motion file named on the command line (a Hangul folder, a blank in the name)
# opens with its titles; after an edit, a dropped file asks about the unsaved work
# first: Cancel keeps the document, No opens the dropped file. Closing an edited
# document asks again and Yes writes it back before the program ends. Deleting a
# bundle asks too.
source "$(dirname "$0")/../lib/driver.sh"


folder="$E2E_SCRATCH/열기 시험"
mkdir -p "$folder/빈 폴더"
cp "$(dirname "$0")/../../examples/sample.zrv" "$folder/샘플 파일.zrv"
cp "$(dirname "$0")/../../examples/sample.zrv" "$folder/second.zrv"


start_program Zorv2 "$(wine_path "$folder/샘플 파일.zrv")"
check "opened from the command line" drv wait-title Zorv2 "ZorvII       [샘플 파일.zrv]   - 3 개 동작 묶음" 60000
check "motion window shows the first bundle" \
  drv wait-title "동작 창" "'걷기' 동작 창      [ 3개, 0번 선택 ]" 10000
check "sprite window shows the sprites" drv wait-title "스프라이트 창" "스프라이트 창      [ 3개, 0번 선택 ]" 10000
drv key Zorv2 right >/dev/null
check "Right selects the next motion" drv wait-title "동작 창" "'걷기' 동작 창      [ 3개, 1번 선택 ]" 10000
screenshot zorv_opened.png

zorv_set_delay 9
check "an edit marks the title" drv wait-title Zorv2 "ZorvII       [샘플 파일.zrv *]   - 3 개 동작 묶음" 10000

drv drop Zorv2 "$(wine_path "$folder/빈 폴더")" "$(wine_path "$folder/second.zrv")" >/dev/null
prompt=$(drv wait-dialog ZorvII 10000)
check "dropping on an edited document asks first" contains_line "$(printf '%s\n' "$prompt" | cut -f3)" \
  "Zorv 파일이 저장되지 않았습니다."
screenshot zorv_drop_prompt.png
drv click-id ZorvII 2 >/dev/null
drv wait-no-dialog ZorvII 10000 >/dev/null
check "Cancel keeps the edited document" \
  drv wait-title Zorv2 "ZorvII       [샘플 파일.zrv *]   - 3 개 동작 묶음" 5000

drv drop Zorv2 "$(wine_path "$folder/빈 폴더")" "$(wine_path "$folder/second.zrv")" >/dev/null
drv wait-dialog ZorvII 10000 >/dev/null
drv click-id ZorvII 7 >/dev/null
check "No opens the dropped file, the folder passed over" \
  drv wait-title Zorv2 "ZorvII       [second.zrv]   - 3 개 동작 묶음" 10000

# Deleting a bundle asks first: No keeps it, Yes deletes it and the next one shows.
drv command Zorv2 40024 >/dev/null
question=$(drv wait-dialog ZorvII 10000)
check "deleting a bundle asks first" grep -qF "이 동작 묶음을 지우겠습니까?" <<<"$question"
drv click-id ZorvII 7 >/dev/null
drv wait-no-dialog ZorvII 10000 >/dev/null
check "No keeps the bundle" drv wait-title Zorv2 "ZorvII       [second.zrv]   - 3 개 동작 묶음" 5000
drv command Zorv2 40024 >/dev/null
drv wait-dialog ZorvII 10000 >/dev/null
drv click-id ZorvII 6 >/dev/null
check "Yes deletes it" drv wait-title Zorv2 "ZorvII       [second.zrv *]   - 2 개 동작 묶음" 10000
check "the next bundle shows" drv wait-title "동작 창" "'run' 동작 창      [ 1개, 0번 선택 ]" 10000

zorv_set_delay 11
drv close Zorv2 >/dev/null
drv wait-dialog ZorvII 10000 >/dev/null
drv click-id ZorvII 6 >/dev/null
wait_program_exit 30
check "Yes saves and the program ends with 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0

# plyktool takes its arguments in the system code page: it reads a copy with a plain name.
delay_of_first() {
  cp "$1" "$E2E_SCRATCH/check.zrv"
  plyktool info --motions "$(wine_path "$E2E_SCRATCH/check.zrv")" |
    sed -n 's/^ *0  sprite -\{0,1\}[0-9]*  rel [-0-9,]*  delay \([0-9]*\) .*/\1/p' | head -1
}
check "the closed file was written with its edits" test "$(delay_of_first "$folder/second.zrv")" = 11
check "the closed file has two bundles left" \
  test "$(plyktool info --motions "$(wine_path "$E2E_SCRATCH/check.zrv")" | grep '^bundles')" = "bundles 2"
check "the first file, never saved, is as it was" test "$(delay_of_first "$folder/샘플 파일.zrv")" = 2
finish_test

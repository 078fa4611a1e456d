# Plyk2 with a document on its command line: a text file gives the invalid-file
# message and ends the program without writing its settings; a sprite file opens and
# names the three windows; the idle program uses no processor time; a change then
# brings the unsaved-work question on closing, where Cancel keeps the program and No
# ends it; a sprite file dropped on it asks about unsaved work before it opens.
source "$(dirname "$0")/../lib/driver.sh"

work="$E2E_SCRATCH/명령줄"
mkdir -p "$work"
python3 "$(dirname "$0")/../lib/make_pictures.py" cutting "$work"
python3 "$(dirname "$0")/../lib/make_pictures.py" text "$work/글.plk"

start_program Plyk2 "$(wine_path "$work/글.plk")"
texts=$(drv wait-dialog PlykII 60000)
check "invalid-file message names the file" grep -qF "'글.plk'" <<<"$texts"
check "invalid-file message says why" grep -qF "올바른 Plyk 파일이 아닙니다." <<<"$texts"
screenshot plyk_invalid_file.png
drv click-id PlykII 1 >/dev/null
wait_program_exit 30
check "program ended at once (exit code $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 1
check "no settings written" test ! -e "$PROGRAM_DIR/PlykII.cfg"

start_program Plyk2 "$(wine_path "$work/expected.plk")"
check "frame names the sprite file" drv wait-title Plyk2 "PlykII       [expected.plk]" 60000
# The file holds sprite A twice: reading drops the second.
check "sprite window counts the sprites" drv wait-title "스프라이트 창" "스프라이트 창      [ 4개, 0번 선택 ]" 10000
check "detail window shows the first" drv wait-title "자세히 보기 창" "0 번 [20x16]" 10000
# Idle, the program sleeps in its message loop: under a tenth of a second of
# processor time in three seconds.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$PROGRAM_PID/stat"; }
check "the started process is the program" grep -q 'Plyk2.exe' "/proc/$PROGRAM_PID/cmdline"
before=$(cpu_ticks)
sleep 3
used=$(($(cpu_ticks) - before))
check "idle program uses almost no processor time ($used ticks in 3 s)" test "$used" -lt 10
drv move "스프라이트 창" 0 0 600 160 >/dev/null
drv click-at "스프라이트 창" - 30 30 left >/dev/null
drv key "스프라이트 창" delete >/dev/null
check "a delete marks the document modified" drv wait-title Plyk2 "PlykII       [expected.plk *]" 10000

drv close Plyk2 >/dev/null
texts=$(drv wait-dialog PlykII 10000)
check "closing asks about the unsaved work" grep -qF "Plyk 파일이 저장되지 않았습니다." <<<"$texts"
screenshot plyk_unsaved_question.png
drv click-id PlykII 2 >/dev/null
check "Cancel keeps the program and the document" \
  drv wait-title Plyk2 "PlykII       [expected.plk *]" 10000

# A dropped sprite file replaces the document: the unsaved work is asked about first,
# and a folder in the drop is passed over.
cp "$work/expected.plk" "$work/다른 파일.plk"
mkdir -p "$work/빈 폴더"
drv drop Plyk2 "$(wine_path "$work/빈 폴더")" "$(wine_path "$work/다른 파일.plk")" >/dev/null
texts=$(drv wait-dialog PlykII 10000)
check "a drop asks about the unsaved work first" grep -qF "Plyk 파일이 저장되지 않았습니다." <<<"$texts"
drv click-id PlykII 7 >/dev/null
check "No opens the dropped file, the folder passed over" \
  drv wait-title Plyk2 "PlykII       [다른 파일.plk]" 10000
check "the dropped file's sprites are listed" \
  drv wait-title "스프라이트 창" "스프라이트 창      [ 4개, 0번 선택 ]" 10000
drv click-at "스프라이트 창" - 30 30 left >/dev/null
drv key "스프라이트 창" delete >/dev/null
drv wait-title Plyk2 "PlykII       [다른 파일.plk *]" 10000 >/dev/null
drv close Plyk2 >/dev/null
drv wait-dialog PlykII 10000 >/dev/null
drv click-id PlykII 7 >/dev/null
wait_program_exit 30
check "No ends the program (exit code $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
check "the sprite files are unchanged" test "$(stat -c %s "$work/expected.plk" "$work/다른 파일.plk")" = $'1724\n1724'
check "settings written" test -e "$PROGRAM_DIR/PlykII.cfg"
finish_test

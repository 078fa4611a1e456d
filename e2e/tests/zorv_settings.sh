# The first run registers ".zrv" for the user and writes "ZorvII.cfg" (2056 bytes)
# beside the program at exit; the next run starts where the first one ended (window
# rectangle, zoom, base point) and writes the same values back. A text file named on
# the command line is refused with the message and ends the program before its loop,
# leaving the settings file as it was.
source "$(dirname "$0")/../lib/driver.sh"

# A 32-bit little-endian field of the settings file.
field() { od -An -t d4 -j "$1" -N 4 "$PROGRAM_DIR/ZorvII.cfg" | tr -d ' '; }
run_again() {
  (cd "$PROGRAM_DIR" && exec wine "$PROGRAM_DIR/Zorv2.exe" "$@" >/dev/null 2>&1) &
  PROGRAM_PID=$!
}

start_program Zorv2
check "first run" drv wait-title Zorv2 ZorvII 60000
drv move Zorv2 40 30 900 700 >/dev/null
drv key Zorv2 add >/dev/null
# The canvas shows with a bundle; one click of the base-line tool puts the base point there.
drv key Zorv2 n >/dev/null
drv wait-dialog "새 동작 묶음" 20000 >/dev/null
drv set-text "새 동작 묶음" 1002 idle >/dev/null
drv click-id "새 동작 묶음" 1 >/dev/null
drv key Zorv2 r >/dev/null
drv click-at Zorv2 주작업윈도우 300 240 left >/dev/null
drv key Zorv2 ctrl+n >/dev/null
drv wait-dialog ZorvII 10000 >/dev/null
drv click-id ZorvII 7 >/dev/null
check "back to an empty document" drv wait-title Zorv2 ZorvII 10000
drv close Zorv2 >/dev/null
wait_program_exit 30
check "first run ends with 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
check "settings file of 2056 bytes" test "$(stat -c %s "$PROGRAM_DIR/ZorvII.cfg" 2>/dev/null)" = 2056
check "association written for the user" \
  sh -c "wine reg query 'HKCU\\Software\\Classes\\.zrv' 2>/dev/null | tr -d '\\r' | grep -q 'zorv_key'"
written="rect $(field 4) $(field 8) $(field 12) $(field 16) zoom $(field 92) base $(field 52) $(field 56)"
check "first run's end stored ($written)" test "$written" = "rect 40 30 940 730 zoom 2 base 150 120"

run_again
check "second run" drv wait-title Zorv2 ZorvII 60000
check "second run starts at the stored rectangle" test "$(drv rect Zorv2)" = "40 30 940 730"
screenshot zorv_second_run.png
drv close Zorv2 >/dev/null
wait_program_exit 30
again="rect $(field 4) $(field 8) $(field 12) $(field 16) zoom $(field 92) base $(field 52) $(field 56)"
check "second run kept them ($again)" test "$again" = "$written"

cp "$PROGRAM_DIR/ZorvII.cfg" "$PROGRAM_DIR/before.cfg"
printf 'not a motion file\n' >"$PROGRAM_DIR/notes.txt"
run_again "$(wine_path "$PROGRAM_DIR/notes.txt")"
message=$(drv wait-dialog ZorvII 60000)
check "a text file is refused by name" contains_line "$(printf '%s\n' "$message" | cut -f3)" "'notes.txt'"
drv click-id ZorvII 1 >/dev/null
wait_program_exit 30
check "the program ends at once (exit $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 1
check "the settings file stays as it was" cmp -s "$PROGRAM_DIR/ZorvII.cfg" "$PROGRAM_DIR/before.cfg"
finish_test

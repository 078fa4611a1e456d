# The sample's first bundle saved as an animated GIF through "애니메이션 GIF로 저장..."
# (a scale of 9 refused, 2 with boxes taken and kept for the next opening) and the
# whole file through "JSON으로 내보내기...", into a folder named in Hangul. ffprobe
# reads eight frames of the bundle's delays; plyktool builds the very same motion
# file back from the JSON and its atlas.
source "$(dirname "$0")/../lib/driver.sh"

folder="$E2E_SCRATCH/내보내기 시험"
mkdir -p "$folder"
sample="$(dirname "$0")/../../examples/walker.zrv"
cp "$sample" "$folder/걷는 사람.zrv"

start_program Zorv2 "$(wine_path "$folder/걷는 사람.zrv")"
check "opened" drv wait-title Zorv2 "ZorvII       [걷는 사람.zrv]   - 5 개 동작 묶음" 60000

gif_dialog="애니메이션 GIF로 저장"
drv command Zorv2 40130 >/dev/null
check "GIF dialog" drv wait-dialog "$gif_dialog" 20000
drv set-text "$gif_dialog" 1100 9 >/dev/null
drv click-id "$gif_dialog" 1 >/dev/null
warning=$(drv wait-dialog ZorvII 10000)
check "scale 9 refused" contains_line "$(printf '%s\n' "$warning" | cut -f3)" "배율은 1에서 4 사이의 수여야 합니다."
drv click-id ZorvII 1 >/dev/null
drv wait-no-dialog ZorvII 10000 >/dev/null
drv set-text "$gif_dialog" 1100 2 >/dev/null
drv click-id "$gif_dialog" 1102 >/dev/null
drv click-id "$gif_dialog" 1 >/dev/null
check "GIF chooser" drv wait-chooser 20000
drv answer-chooser "$(wine_path "$folder/걷기.gif")" >/dev/null
for _ in $(seq 1 50); do [ -s "$folder/걷기.gif" ] && break; sleep 0.2; done
check "GIF written" test -s "$folder/걷기.gif"
if command -v ffprobe >/dev/null; then
  durations=$(ffprobe -v error -show_frames "$folder/걷기.gif" | sed -n 's/^\(pkt_\)\{0,1\}duration_time=//p' | tr '\n' ' ')
  check "eight frames of 68 ms, the rounding carried (got $durations)" \
    test "$durations" = "0.070000 0.070000 0.060000 0.070000 0.070000 0.070000 0.070000 0.060000 "
fi

drv command Zorv2 40130 >/dev/null
drv wait-dialog "$gif_dialog" 20000 >/dev/null
check "the scale is kept" test "$(drv item-text "$gif_dialog" 1100)" = 2
drv click-id "$gif_dialog" 2 >/dev/null
drv wait-no-dialog "$gif_dialog" 10000 >/dev/null

drv command Zorv2 40131 >/dev/null
check "JSON chooser" drv wait-chooser 20000
drv answer-chooser "$(wine_path "$folder/걷기.json")" >/dev/null
for _ in $(seq 1 50); do [ -s "$folder/걷기.json" ] && break; sleep 0.2; done
check "JSON and atlas written" test -s "$folder/걷기.json" -a -s "$folder/걷기.png"
screenshot zorv_export_data.png

# plyktool takes plain names: the JSON names its atlas, which keeps its Hangul name.
cp "$folder/걷기.json" "$E2E_SCRATCH/walker.json"
cp "$folder/걷기.png" "$E2E_SCRATCH/걷기.png"
plyktool zrv "$(wine_path "$E2E_SCRATCH/walker.json")" "$(wine_path "$E2E_SCRATCH/back.zrv")" >/dev/null
check "the JSON builds the same motion file back" cmp -s "$sample" "$E2E_SCRATCH/back.zrv"

drv key Zorv2 ctrl+x >/dev/null
wait_program_exit 30
check "ends with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

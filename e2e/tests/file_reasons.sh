# A broken file named on the command line: each program shows its usual message
# with the reason on the line below, then ends without entering its loop.
source "$(dirname "$0")/../lib/driver.sh"

work="$E2E_SCRATCH/깨진 파일"
mkdir -p "$work"
examples="$(dirname "$0")/../../examples"
# The sprite file cut off inside its first sprite; the motion file of version 101.
head -c 200 "$examples/shapes.plk" >"$work/잘린.plk"
cp "$examples/sample.zrv" "$work/version.zrv"
printf '\x65' | dd of="$work/version.zrv" bs=1 seek=4 conv=notrunc 2>/dev/null

start_program Plyk2 "$(wine_path "$work/잘린.plk")"
texts=$(drv wait-dialog PlykII 60000)
check "Plyk2 keeps its message" grep -qF "올바른 Plyk 파일이 아닙니다." <<<"$texts"
check "Plyk2 tells where the file ends" grep -qF "파일이 200 바이트에서 끊겼습니다 (스프라이트 1/5)." <<<"$texts"
screenshot plyk_file_reason.png
drv click-id PlykII 1 >/dev/null
wait_program_exit 30
check "Plyk2 ended (exit code $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 1

start_program Zorv2 "$(wine_path "$work/version.zrv")"
texts=$(drv wait-dialog ZorvII 60000)
check "Zorv2 keeps its message" grep -qF "올바른 Zorv 파일이 아닙니다." <<<"$texts"
check "Zorv2 names the version" grep -qF "지원하지 않는 버전(101)입니다." <<<"$texts"
screenshot zorv_file_reason.png
drv click-id ZorvII 1 >/dev/null
wait_program_exit 30
finish_test

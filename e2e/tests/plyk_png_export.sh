# The PNG commands of Plyk2 through the save chooser: the sheet and the tight atlas
# of the file menu and the selected sprite from the sprite window's pop-up. ImageMagick
# sees 8-bit palette pictures with index 0 transparent, the same pixels as
# "plyktool png" gives, and an atlas JSON beside the atlas picture.
source "$(dirname "$0")/../lib/driver.sh"

work="$E2E_SCRATCH/PNG 내보내기"
# plyktool takes its arguments in the system code page: its files stay in a plain folder.
plain="$E2E_SCRATCH/plain_png"
mkdir -p "$work" "$plain"
python3 "$(dirname "$0")/../lib/make_pictures.py" cutting "$work"

start_program Plyk2 "$(wine_path "$work/expected.plk")"
check "frame names the sprite file" drv wait-title Plyk2 "PlykII       [expected.plk]" 60000
# Opening dropped the file's second copy of a sprite: the saved set is plyktool's input.
drv command Plyk2 40005 >/dev/null
check "set saved" drv answer-chooser "$(wine_path "$plain/sprites.plk")" Plyk2 "[sprites.plk]" 20000

# "PNG 그림으로 저장...": the sheet, pixel for pixel the one plyktool writes.
drv command Plyk2 40130 >/dev/null
check "sheet saved" drv answer-chooser "$(wine_path "$work/시트.png")"
sleep 1
plyktool png "$(wine_path "$plain/sprites.plk")" "$(wine_path "$plain/ref.png")" >/dev/null
check "the sheet is a palette picture" test "$(identify -format '%[type]' "$work/시트.png")" = PaletteAlpha
check "its top-left pixel (index 0) is transparent" \
  grep -qE ',0\)$' <<<"$(convert "$work/시트.png" -format '%[pixel:p{0,0}]' info:)"
check "the sheet's pixels are plyktool's" \
  test "$(convert "$work/시트.png" rgba:- | md5sum)" = "$(convert "$plain/ref.png" rgba:- | md5sum)"

# "PNG 아틀라스로 저장...": the picture and its JSON beside it.
drv command Plyk2 40131 >/dev/null
check "atlas saved" drv answer-chooser "$(wine_path "$work/아틀라스.png")"
sleep 1
check "the atlas JSON lists the four sprites on 아틀라스.png" test \
  "$(python3 -c 'import json,sys; a=json.load(open(sys.argv[1])); print(len(a["frames"]), a["meta"]["image"])' \
    "$work/아틀라스.json")" = "4 아틀라스.png"
check "the atlas picture has the JSON's size" test "$(identify -format '%w %h' "$work/아틀라스.png")" = \
  "$(python3 -c 'import json,sys; s=json.load(open(sys.argv[1]))["meta"]["size"]; print(s["w"], s["h"])' \
    "$work/아틀라스.json")"

# The selected sprite (0, 20 x 16) alone from the sprite window.
drv command "스프라이트 창" 40132 >/dev/null
check "one sprite saved" drv answer-chooser "$(wine_path "$work/하나.png")"
sleep 1
check "the sprite's PNG has its size" test "$(identify -format '%w x %h %[type]' "$work/하나.png")" = \
  "20 x 16 PaletteAlpha"

drv close Plyk2 >/dev/null
wait_program_exit 30
check "closed without a question (exit code $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
finish_test

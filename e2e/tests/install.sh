# The release installer, made from the programs under test: a silent install into a
# scratch folder, both programs started from there, the file association, F1 handing
# the manual to the shell, and a silent uninstall that leaves nothing of ours behind
# but keeps the user's own document. The zip holds the same files.
source "$(dirname "$0")/../lib/driver.sh"

repo=$(cd "$(dirname "$0")/../.." && pwd)
dist="$E2E_SCRATCH/dist"
# An NSIS installer is a 32-bit program unless made for amd64: a 64-bit session gets
# the amd64 one.
arch_option=()
[ "${WINE_SESSION_ARCH:-win32}" = win64 ] && arch_option=(--amd64)
if ! bash "$repo/scripts/package.sh" "${arch_option[@]}" --programs "$E2E_BUILD" --out "$dist" >/dev/null; then
  echo "  FAILED: packages made"
  exit 1
fi
setup=$(ls "$dist"/*setup.exe)
zip=$(ls "$dist"/*.zip)
dir="$E2E_SCRATCH/installed"
windir=$(wine_path "$dir")

check "silent install ends with exit code 0" with_timeout 120 wine "$setup" /S "/D=$windir"
installed=$(cd "$dir" && find . -type f ! -name uninstall.exe | sed 's|^\./||' | sort)
in_zip=$(python3 -c 'import sys, zipfile
for n in zipfile.ZipFile(sys.argv[1]).namelist():
    if not n.endswith("/"): print(n.split("/", 1)[1])' "$zip" | sort)
check "installed files are the zip's files ($(echo "$installed" | wc -l))" test "$installed" = "$in_zip"
check "the manual is installed" test -f "$dir/manual/index.html"
menu=$(find "$WINEPREFIX/drive_c/users" -type d -name 'Plyk2 Zorv2' -path '*Start Menu*' | head -n 1)
check "Start-menu shortcuts for both programs and the manual" \
  test "$(cd "$menu" 2>/dev/null && ls | sort | tr '\n' ' ')" = "Plyk2.lnk Zorv2.lnk 사용 설명서.lnk "

# The keys as the installer wrote them, and again after each program's first run, which
# writes its own: both must be the same.
classes() {
  local key out=""
  for key in .plk plyk_key 'plyk_key\Shell\Open\Command' 'plyk_key\DefaultIcon' .pal pal_key \
    'pal_key\DefaultIcon' .zrv zorv_key 'zorv_key\Shell\Open\Command' 'zorv_key\DefaultIcon'; do
    out+="$key=$(wine reg query "HKCU\\Software\\Classes\\$key" /ve 2>/dev/null | tr -d '\r' |
      sed -n 's/^.*REG_SZ *//p')"$'\n'
  done
  printf '%s' "$out"
}
keys=$(classes)
check "open command of .plk files" contains_line "$keys" "plyk_key\\Shell\\Open\\Command=\"$windir\\Plyk2.exe\" \"%1\""
check "open command of .zrv files" contains_line "$keys" "zorv_key\\Shell\\Open\\Command=\"$windir\\Zorv2.exe\" \"%1\""
check "icon of palette files" contains_line "$keys" "pal_key\\DefaultIcon=\"$windir\\Plyk2.exe\",3"
check "listed among the installed programs, with a silent uninstall" contains_line \
  "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\PlykZorv' /v QuietUninstallString |
    tr -d '\r' | sed -n 's/^.*REG_SZ *//p')" "\"$windir\\uninstall.exe\" /S"

# A stand-in browser: the shell's open command of HTML pages writes the page's name
# to a file (this Wine reads associations from the machine's classes).
opened="$WINEPREFIX/drive_c/manual-opened.txt"
wine reg add 'HKLM\Software\Classes\.html' /ve /d plyk_test_page /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Classes\plyk_test_page\shell\open\command' /ve \
  /d 'C:\windows\system32\cmd.exe /c echo %1> C:\manual-opened.txt' /f >/dev/null 2>&1

for pair in "Plyk2 PlykII" "Zorv2 ZorvII"; do
  set -- $pair
  program=$1 title=$2
  rm -f "$opened"
  (cd "$dir" && exec wine "$windir\\$program.exe" >/dev/null 2>&1) &
  PROGRAM_PID=$!
  check "$program starts from the installed folder" drv wait-title "$program" "$title" 60000
  drv key "$program" f1 >/dev/null
  for _ in $(seq 40); do [ -s "$opened" ] && break; sleep 0.5; done
  check "$program F1 hands the installed manual to the shell" \
    grep -qiF "$windir\\manual\\index.html" "$opened"
  check "$program Ctrl+X typed" drv key "$program" ctrl+x
  wait_program_exit 30
  check "$program ended with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
  kill_program
done
check "the programs' own first-run keys equal the installer's" test "$(classes)" = "$keys"
check "settings files written beside the programs" test -f "$dir/PlykII.cfg" -a -f "$dir/ZorvII.cfg"

# The user's own document in the folder stays; everything of ours goes.
echo mine >"$dir/내 스프라이트.plk"
check "silent uninstall started" with_timeout 60 wine "$dir/uninstall.exe" /S
# The uninstaller runs from a copy in the temporary folder: wait for it.
for _ in $(seq 60); do [ -e "$dir/Plyk2.exe" ] || [ -e "$dir/uninstall.exe" ] || break; sleep 0.5; done
with_timeout 30 wineserver -w >/dev/null 2>&1 || true
check "only the user's document is left" test "$(cd "$dir" && find . | sort | tr '\n' ' ')" = ". ./내 스프라이트.plk "
check "Start-menu folder removed" test ! -e "$menu"
check "association keys removed" test "$(classes)" = "$(printf '%s=\n' .plk plyk_key 'plyk_key\Shell\Open\Command' \
  'plyk_key\DefaultIcon' .pal pal_key 'pal_key\DefaultIcon' .zrv zorv_key 'zorv_key\Shell\Open\Command' \
  'zorv_key\DefaultIcon')"
check "no longer listed among the installed programs" eval \
  "! wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\PlykZorv' >/dev/null 2>&1"
finish_test

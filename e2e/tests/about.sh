# The About command shows the About dialog with its texts; "확인" closes it and the
# program goes on.
source "$(dirname "$0")/../lib/driver.sh"

about_test() {
  local program=$1 title=$2 dialog=$3 line1=$4 line2=$5 command=40001
  start_program "$program"
  check "$program frame" drv wait-title "$program" "$title" 60000
  drv command "$program" $command >/dev/null
  local texts shown=yes
  texts=$(drv wait-dialog "$dialog" 20000) || shown=no
  check "$program About dialog \"$dialog\" shown" test "$shown" = yes
  check "$program About shows \"$line1\"" contains_line "$(printf '%s\n' "$texts" | cut -f3)" "$line1"
  check "$program About shows \"$line2\"" contains_line "$(printf '%s\n' "$texts" | cut -f3)" "$line2"
  check "$program About shows the version line \"버전 $version\"" \
    contains_line "$(printf '%s\n' "$texts" | cut -f3)" "버전 $version"
  check "$program About has the button 확인" contains_line "$texts" "$(printf 'Button\t1\t확인')"
  check "$program 확인 clicked" drv click "$dialog" "확인"
  check "$program About closed" drv wait-no-dialog "$dialog" 20000
  check "$program still running" drv wait-title "$program" "$title" 5000
  drv close "$program" >/dev/null
  wait_program_exit 30
  check "$program exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
  kill_program
}

# The release version, as plyktool of the same build reports it.
version=$(plyktool --version | sed -n 's/^plyktool //p')
check "plyktool --version gives a version ($version)" test -n "$version"
about_test Zorv2 ZorvII "'Zorv' 란?" "ZorvII   (ver 1.00)" "2D 스프라이트용 동작 제작기"
about_test Plyk2 PlykII "'Plyk' 란?" "PlykII   (ver 1.00)" "2D 스프라이트 제작기"
finish_test

# Both programs start, show their main window with its class and title, their owned
# list windows and the status bar, and end with exit code 0 when the window is closed.
# Zorv2's motion window comes and goes with its canvas: hidden until there is a bundle.
source "$(dirname "$0")/../lib/driver.sh"

for entry in "Zorv2 ZorvII 스프라이트_창" "Plyk2 PlykII 스프라이트_창 자세히_보기_창"; do
  set -- $entry
  program=$1 title=$2
  start_program "$program"
  check "$program shows its frame" drv wait-window "$program" 60000
  check "$program title is $title" drv wait-title "$program" "$title" 20000
  for owned in "$3" ${4:-}; do
    owned=${owned//_/ }
    check "$program shows \"$owned\"" drv wait-title "$owned" "$owned" 10000
  done
  if [ "$program" = Zorv2 ]; then
    check "Zorv2 has no motion window without a bundle" test "$(drv wait-window "동작 창" 1000)" = "FAIL no window of class 동작 창"
  fi
  status=$(drv child-text "$program" msctls_statusbar32)
  check "$program status bar says \" 준비\" (got \"$status\")" test "$status" = " 준비"
  drv close "$program" >/dev/null
  wait_program_exit 30
  check "$program closed with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
  kill_program
done
finish_test

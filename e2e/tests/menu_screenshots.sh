# A screenshot of each main window with its file menu open, saved as PNG.
source "$(dirname "$0")/../lib/driver.sh"

for pair in "Zorv2 ZorvII" "Plyk2 PlykII"; do
  set -- $pair
  program=$1 title=$2
  start_program "$program"
  check "$program frame" drv wait-title "$program" "$title" 60000
  # Below the owned list windows, which start at the top of the screen.
  check "$program frame moved" drv move "$program" 0 170 1000 620
  sleep 1
  check "$program file menu opened" drv open-menu "$program" f
  sleep 2
  shot="${program,,}_file_menu.png"
  check "$program screenshot saved" screenshot "$shot"
  colours=$(image_colours "$E2E_SHOTS/$shot")
  check "$program screenshot is not blank ($colours colours)" test "$colours" -gt 8
  drv close "$program" >/dev/null
  wait_program_exit 30
  check "$program exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
  kill_program
done
finish_test

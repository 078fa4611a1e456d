# The tool bar buttons show their tips from the string table, in Korean.
source "$(dirname "$0")/../lib/driver.sh"

# Client points of buttons on the tool bar: after the 26 separators that leave room
# for the selector, buttons are 23 pixels apart.
tip_test() {
  local program=$1 title=$2
  shift 2
  start_program "$program"
  check "$program frame" drv wait-title "$program" "$title" 60000
  check "$program frame moved" drv move "$program" 0 170 1000 620
  sleep 1
  while [ $# -ge 2 ]; do
    local x=$1 tip=$2
    shift 2
    drv hover "$program" "$x" 12 >/dev/null
    check "$program tip \"$tip\"" drv wait-tooltip "$tip" 10000
  done
  check "$program screenshot saved" screenshot "${program,,}_tool_tip.png"
  drv close "$program" >/dev/null
  wait_program_exit 30
  check "$program exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
  kill_program
}

tip_test Zorv2 ZorvII 218 "새 동작 묶음(N)" 526 "Zorv란?"
tip_test Plyk2 PlykII 218 "그림 파일 열기(Ctrl+V)" 418 "Plyk란?"
finish_test

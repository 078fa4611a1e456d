# Ctrl+X, an accelerator of the main frame, ends the program with exit code 0.
source "$(dirname "$0")/../lib/driver.sh"

for pair in "Zorv2 ZorvII" "Plyk2 PlykII"; do
  set -- $pair
  program=$1 title=$2
  start_program "$program"
  check "$program frame" drv wait-title "$program" "$title" 60000
  check "$program Ctrl+X typed" drv key "$program" ctrl+x
  wait_program_exit 30
  check "$program ended by Ctrl+X with exit code 0 (got $PROGRAM_EXIT)" test "$PROGRAM_EXIT" = 0
  kill_program
done
finish_test

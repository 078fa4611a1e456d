# scratch: a first look at the program
source "$(dirname "$0")/../lib/driver.sh"
python3 "$(dirname "$0")/../lib/make_pictures.py" cutting "$E2E_SCRATCH"
start_program Plyk2
check "frame" drv wait-title Plyk2 PlykII 60000
drv move Plyk2 0 170 900 600
drv key Plyk2 ctrl+v
drv wait-chooser 10000
win="Z:${E2E_SCRATCH//\//\\}\\picture.pcx"
drv answer-chooser "$win" Plyk2 "(1/1)" 10000
sleep 1
drv title Plyk2
drv status-text Plyk2 0; drv status-text Plyk2 1; drv status-text Plyk2 2
drv key Plyk2 o
drv pointer Plyk2 주작업윈도우 15 12
sleep 1
drv status-text Plyk2 2
screenshot try1.png
drv click-at Plyk2 주작업윈도우 15 12 left
sleep 1
drv title Plyk2; drv title "스프라이트 창"; drv title "자세히 보기 창"
screenshot try2.png
drv close Plyk2
sleep 2
drv dialog-texts PlykII
finish_test

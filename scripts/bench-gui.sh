#!/usr/bin/env bash
# The GUI benchmark: Plyk2 and Zorv2 under Wine in a private Xvfb display and Wine
# prefix, measured by a Windows-side driver (bench/gui/gui_bench.cpp), every figure
# printed with its goal. A benchmark, not a test: it fails only when it cannot measure.
#
#   bash scripts/bench-gui.sh
#
# BENCH_REPEAT (default 3) runs of each pointer, open and start measurement; the
# median is printed. BENCH_MOVES (default 200) mouse moves per pointer run.
# BENCH_PROGRAMS=DIR measures the Plyk2.exe and Zorv2.exe in DIR instead (another
# build of the same sources, to compare).
# Builds what it needs in build/native and build/windows (build/windows64 under
# 64-bit Wine on a machine whose kernel runs no 32-bit programs).
set -uo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
repeat=${BENCH_REPEAT:-3}
moves=${BENCH_MOVES:-200}
jobs=${PLYK_JOBS:-2}

bash "$repo/scripts/setup.sh" all || exit 1
source "$repo/e2e/lib/session.sh"

native=$repo/build/native
windows=$repo/build/windows
toolchain=$repo/cmake/mingw-i686.cmake
if ! wine_runs_32bit; then
  windows=$repo/build/windows64
  toolchain=$repo/cmake/mingw-x86_64.cmake
  wine_use_64bit "$windows/wine64-bin"
  arch="64-bit build under 64-bit Wine (this machine runs no 32-bit programs)"
else
  arch="32-bit build under 32-bit Wine"
fi

echo "== Building (native host tools and documents, Windows programs and driver)"
{
  [ -f "$native/CMakeCache.txt" ] || cmake -S "$repo" -B "$native" -G Ninja -DPLYK_WERROR=ON
  cmake --build "$native" --target make_palette make_resources bench_gui_files -j "$jobs"
  [ -f "$windows/CMakeCache.txt" ] || cmake -S "$repo" -B "$windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DPLYK_HOST_TOOLS_DIR="$native/tools" -DPLYK_WERROR=ON -DPLYK_WINE_TESTS=ON
  cmake --build "$windows" --target Plyk2 Zorv2 e2e_driver gui_bench -j "$jobs"
} >"$repo/build/bench-gui-build.log" 2>&1 || {
  tail -n 30 "$repo/build/bench-gui-build.log"
  echo "build failed (build/bench-gui-build.log)"
  exit 1
}

export E2E_BUILD=$windows E2E_SHOTS=$windows/bench-shots
# Before the session starts: it sources the session functions again.
source "$repo/e2e/lib/driver.sh"
set +u
if [ -n "${BENCH_PROGRAMS:-}" ]; then
  program_exe() { echo "$BENCH_PROGRAMS/$1.exe"; }
fi
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start || { echo "could not start the Wine session"; exit 1; }
export E2E_SCRATCH="$WINE_SESSION_DIR/programs"
mkdir -p "$E2E_SCRATCH"

files="$WINE_SESSION_DIR/files"
mkdir -p "$files"
"$native/bench/bench_gui_files" "$files" || exit 1
python3 "$repo/e2e/lib/make_pictures.py" large "$files/large.pcx" || exit 1
BENCH="$windows/bench/gui/gui_bench.exe"
canvas=주작업윈도우

# One driver measurement; its figures on stdout, nothing when it failed.
# Through a file, not a pipe: a program the driver starts keeps its output open.
bench() {
  local args=() arg out
  for arg in "$@"; do args+=("$(driver_arg "$arg")"); done
  with_timeout 300 wine "$BENCH" "${args[@]}" >"$files/bench.out" 2>/dev/null
  out=$(tr -d '\r' <"$files/bench.out")
  case $out in FAIL* | usage*) echo "  ($* : $out)" >&2; return 1 ;; esac
  printf '%s\n' "$out"
}
median() { sort -g | awk '{v[NR]=$1} END {if (NR) print v[int((NR+1)/2)]}'; }
field() { awk -v k="$1" '{for (i = 1; i < NF; i++) if ($i == k) print $(i+1)}'; }
# "VALUE GOAL": ok when VALUE <= GOAL (or >= with "min").
verdict() { awk -v v="$1" -v g="$2" -v m="${3:-max}" 'BEGIN {print ((m == "min" ? v >= g : v <= g) ? "ok" : "MISSED")}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
wait_gone() {
  local i
  for i in $(seq 50); do drv rect "$1" >/dev/null 2>&1 || return 0; sleep 0.2; done
}
close_program() {
  drv close "$1" >/dev/null
  wait_program_exit 30 || kill_program
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Percent of one core the started program uses over 10 seconds.
idle_percent() {
  local before after hz
  hz=$(getconf CLK_TCK)
  before=$(cpu_ticks "$PROGRAM_PID")
  sleep 10
  after=$(cpu_ticks "$PROGRAM_PID")
  awk -v t=$((after - before)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * t / hz / 10}'
}

declare -A result
# Pointer runs over the program's canvas and over the stand-in of the same size, at
# the zoom the program has now: medians into result[PROGRAM,ZOOM,*].
measure_pointer() {
  local program=$1 zoom=$2 run line size program_ms=() bare_ms=() stand_ms=() drawn=drawn stand_pid
  for run in $(seq "$repeat"); do
    line=$(bench pointer "$program" "$canvas" "$moves") || drawn=missing
    program_ms+=("$(field moves <<<"$line")")
    bare_ms+=("$(field bare <<<"$line")")
    size=$(field client <<<"$line")
  done
  (exec wine "$BENCH" standin "${size%x*}" "${size#*x}" "$zoom" >/dev/null 2>&1) &
  stand_pid=$!
  drv wait-window "bench stand-in" 30000 >/dev/null
  for run in $(seq "$repeat"); do
    line=$(bench pointer "bench stand-in" - "$moves") || drawn="$drawn (stand-in: missing)"
    stand_ms+=("$(field moves <<<"$line")")
  done
  drv close "bench stand-in" >/dev/null
  wait "$stand_pid" 2>/dev/null
  result[$program,$zoom,move]=$(printf '%s\n' "${program_ms[@]}" | median)
  result[$program,$zoom,bare]=$(printf '%s\n' "${bare_ms[@]}" | median)
  result[$program,$zoom,stand]=$(printf '%s\n' "${stand_ms[@]}" | median)
  result[$program,$zoom,pointer]=$drawn
  result[$program,size]=$size
}

report_pointer() {
  local program=$1 zoom move bare stand
  for zoom in 1 4; do
    move=${result[$program,$zoom,move]} bare=${result[$program,$zoom,bare]} stand=${result[$program,$zoom,stand]}
    local to_bare to_stand stand_bare
    to_bare=$(ratio "$move" "$bare") to_stand=$(ratio "$move" "$stand") stand_bare=$(ratio "$stand" "$bare")
    printf '  %s zoom %d (%s): move %s ms, bare present %s ms, stand-in %s ms; pointer %s\n' "$program" "$zoom" \
      "${result[$program,size]}" "$move" "$bare" "$stand" "${result[$program,$zoom,pointer]}"
    if [ "$zoom" = 1 ]; then
      printf '    move / bare present %sx (goal <= 2.5x: %s); stand-in / bare present %sx\n' "$to_bare" \
        "$(verdict "$to_bare" 2.5)" "$stand_bare"
    else
      printf '    move / stand-in %sx (goal <= 1.3x: %s); move / bare present %sx, stand-in / bare present %sx\n' \
        "$to_stand" "$(verdict "$to_stand" 1.3)" "$to_bare" "$stand_bare"
    fi
  done
}

echo "== GUI benchmark: $arch; display $DISPLAY"
echo "   load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

# BENCH_ONLY="pointer idle playback large start" (any of them) runs only those parts.
only=" ${BENCH_ONLY:-pointer idle playback large start} "
wanted() { [[ $only == *" $1 "* ]]; }

report_idle() {
  printf '  %-32s %s %% of a core (goal < 0.5: %s)\n' "$1" "$2" "$(verdict "$2" 0.5)"
}

report_play() {
  local delay=$1 line=$2 tick shortest
  if [ -z "$line" ]; then
    echo "  delay $delay: not measured"
    return
  fi
  tick=$(awk -v m="$(field mean <<<"$line")" -v d="$delay" 'BEGIN {printf "%.2f", m / (d + 1)}')
  shortest=$(awk -v m="$(field min <<<"$line")" 'BEGIN {printf "%.2f", m / 17}')
  printf '  delay %s: %s\n' "$delay" "$line"
  printf '    mean tick %s ms (goal 16 to 18: %s); shortest motion %s ticks (goal >= %s: %s)\n' "$tick" \
    "$(awk -v t="$tick" 'BEGIN {print (t >= 16 && t <= 18) ? "ok" : "MISSED"}')" "$shortest" "$((delay + 1))" \
    "$(verdict "$shortest" "$delay.5" min)"
}

# ---- Zorv2 ---------------------------------------------------------------------------
if wanted pointer || wanted idle; then
  start_program Zorv2 "$(wine_path "$files/sprite.zrv")"
  drv wait-title Zorv2 "ZorvII       [sprite.zrv]   - 1 개 동작 묶음" 60000 >/dev/null ||
    echo "  Zorv2 did not open sprite.zrv"
  drv move Zorv2 0 0 1100 860 >/dev/null
  sleep 1
  if wanted idle; then
    echo "Idle: Zorv2, CPU time over 10 s"
    report_idle "Zorv2 document open" "$(idle_percent)"
    drv pointer Zorv2 "$canvas" 500 380 >/dev/null
    report_idle "Zorv2 pointer over the canvas" "$(idle_percent)"
  fi
  if wanted pointer; then
    echo "Pointer: Zorv2, a mouse move with the repaint of canvas and frame (median of $repeat x $moves moves)"
    measure_pointer Zorv2 1
    for _ in 1 2 3; do drv command Zorv2 40092 >/dev/null; done
    measure_pointer Zorv2 4
    report_pointer Zorv2
  fi
  close_program Zorv2
fi

if wanted playback || wanted large; then
  start_program Zorv2 "$(wine_path "$files/play.zrv")"
  drv wait-title Zorv2 "ZorvII       [play.zrv]   - 2 개 동작 묶음" 60000 >/dev/null ||
    echo "  Zorv2 did not open play.zrv"
  drv move Zorv2 0 0 1100 860 >/dev/null
  if wanted playback; then
    echo "Playback: Zorv2's tick as the screen shows it (goal: mean within 1 ms of 17 ms, no motion shorter than delay + 1 ticks)"
    drv pointer Zorv2 "$canvas" 700 500 >/dev/null
    # Each motion is a 40 x 40 block of its own colour at the base point (200, 200).
    drv command Zorv2 40016 >/dev/null
    report_play 0 "$(bench watch Zorv2 "$canvas" 220 220 4000)"
    drv click-at Zorv2 "$canvas" 700 500 left >/dev/null
    drv command Zorv2 40044 >/dev/null
    sleep 0.5
    drv command Zorv2 40016 >/dev/null
    report_play 5 "$(bench watch Zorv2 "$canvas" 220 220 5000)"
    drv click-at Zorv2 "$canvas" 700 500 left >/dev/null
  fi
  if wanted large; then
    echo "Large documents"
    open_ms=()
    for run in $(seq "$repeat"); do
      cp "$files/large.zrv" "$files/large$run.zrv"
      open_ms+=("$(bench time-drop Zorv2 "large$run.zrv" 60000 "$(wine_path "$files/large$run.zrv")")")
    done
    open=$(printf '%s\n' "${open_ms[@]}" | median)
    printf '  Zorv2 opens 200 bundles x 200 motions, 5,000 sprites: %s ms to painted (median of %s: %s; goal < 1000: %s)\n' \
      "$open" "$repeat" "${open_ms[*]}" "$(verdict "${open:-99999}" 1000)"
  fi
  close_program Zorv2
fi

# ---- Plyk2 ---------------------------------------------------------------------------
if wanted pointer || wanted idle; then
  start_program Plyk2
  drv wait-title Plyk2 PlykII 60000 >/dev/null
  drv move Plyk2 0 0 1060 880 >/dev/null
  drv key Plyk2 ctrl+v >/dev/null
  drv wait-chooser 10000 >/dev/null
  drv answer-chooser "$(wine_path "$files/large.pcx")" Plyk2 "(1/1)" 30000 >/dev/null ||
    echo "  Plyk2 did not import large.pcx"
  sleep 1
  if wanted idle; then
    echo "Idle: Plyk2, CPU time over 10 s"
    report_idle "Plyk2 picture open" "$(idle_percent)"
    drv pointer Plyk2 "$canvas" 500 380 >/dev/null
    report_idle "Plyk2 pointer over the canvas" "$(idle_percent)"
  fi
  if wanted pointer; then
    echo "Pointer: Plyk2 on a 1600 x 1200 picture (median of $repeat x $moves moves)"
    measure_pointer Plyk2 1
    for _ in 1 2 3; do drv key Plyk2 add >/dev/null; done
    measure_pointer Plyk2 4
    report_pointer Plyk2
  fi
  close_program Plyk2
fi

if wanted large; then
  start_program Plyk2
  drv wait-title Plyk2 PlykII 60000 >/dev/null
  drv move Plyk2 0 0 1060 880 >/dev/null
  drv key Plyk2 ctrl+v >/dev/null
  drv wait-chooser 10000 >/dev/null
  import_ms=$(drv answer-chooser "$(wine_path "$files/frames.flc")" Plyk2 "(1/500)" 60000)
  printf '  Plyk2 imports a 500-frame 640 x 480 FLC: %s ms to frame 1 (goal < 1000: %s)\n' "$import_ms" \
    "$(verdict "${import_ms:-99999}" 1000)"
  tab_ms=$(bench time-keys Plyk2 "$canvas" tab 500)
  fps=$(awk -v t="$tab_ms" 'BEGIN {printf "%.1f", (t > 0 ? 1000 / t : 0)}')
  printf '  Plyk2 Tab through 500 frames: %s ms a frame, %s frames a second (goal >= 60: %s)\n' "$tab_ms" "$fps" \
    "$(verdict "$fps" 60 min)"
  close_program Plyk2
fi

# ---- Start-up ------------------------------------------------------------------------
if wanted start; then
  echo "Start-up: process start to the first painted frame, no document (median of $repeat; goal < 500 ms)"
  start_dir="$E2E_SCRATCH/start"
  mkdir -p "$start_dir"
  cp "$(program_exe Zorv2)" "$(program_exe Plyk2)" "$start_dir/"
  for program in Zorv2 Plyk2; do
    times=()
    # The first run registers the file types and writes the settings: not counted.
    for run in $(seq 0 "$repeat"); do
      ms=$(bench time-start "$(wine_path "$start_dir")" "$(wine_path "$start_dir/$program.exe")" "$program")
      [ "$run" = 0 ] || times+=("$ms")
      drv close "$program" >/dev/null
      wait_gone "$program"
      sleep 1
    done
    start=$(printf '%s\n' "${times[@]}" | median)
    printf '  %s: %s ms (runs: %s; %s)\n' "$program" "$start" "${times[*]}" "$(verdict "${start:-99999}" 500)"
  done
  # What starting any program with a window costs here, for scale.
  times=()
  for run in $(seq "$repeat"); do
    times+=("$(bench time-start "$(wine_path "$(dirname "$BENCH")")" "$(wine_path "$BENCH")" "bench stand-in" \
      "standin 640 480 1")")
    drv close "bench stand-in" >/dev/null
    wait_gone "bench stand-in"
  done
  printf '  for scale, the stand-in window of the driver: %s ms (runs: %s)\n' \
    "$(printf '%s\n' "${times[@]}" | median)" "${times[*]}"
fi
echo "   load after: $(cut -d' ' -f1-3 /proc/loadavg)"

#!/usr/bin/env bash
# Runs Plyk2 or Zorv2 under Wine on this machine.
#
#   scripts/run.sh zorv2 [MOTIONS.zrv]
#   scripts/run.sh plyk2 [SPRITES.plk] [PICTURE]    PICTURE: .pcx .bmp .anm .flc .fli
#
# Installs what is missing (as root, through scripts/setup.sh), builds the Windows
# programs when they are missing or out of date (build/programs, with the host tools
# from build/tool), and starts the program with the files open, in a Wine prefix of
# its own where Hangul falls back to a Korean system font and the caption buttons
# have their Marlett symbols (${XDG_CACHE_HOME:-~/.cache}/plyk-zorv/wine, or
# PLYK_WINEPREFIX). Plyk2 opens the sprite file from its command line and imports
# the picture through its own "그림 파일 열기" command.
#
# With a display (DISPLAY set) the program opens there and the script waits for it
# to end; the program keeps its settings in the prefix (C:\PlykZorv). Without one
# (or with PLYK_HEADLESS=1) it starts a private virtual display, waits for the
# window, saves a screenshot (PLYK_SHOT, default build/screenshots/PROGRAM.png),
# prints where, closes the program and removes the display again, leaving nothing
# in /tmp.
#
# The programs are 32-bit. On a machine whose kernel runs no 32-bit code (some
# virtual machines start Linux with ia32_emulation=off) the same sources are built
# for 64-bit Windows instead (build/programs64) and run under 64-bit Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  echo "usage: $0 zorv2 [MOTIONS.zrv] | $0 plyk2 [SPRITES.plk] [PICTURE]" >&2
  exit 2
}
[ $# -ge 1 ] || usage
case "$1" in
  plyk2 | Plyk2) program=Plyk2 target=src/cutter/app/Plyk2.exe most=2 ;;
  zorv2 | Zorv2) program=Zorv2 target=src/motion/app/Zorv2.exe most=1 ;;
  *) usage ;;
esac
shift
[ $# -le $most ] || usage
file="" picture=""
for arg in "$@"; do
  [ -f "$arg" ] || { echo "run.sh: no such file: $arg" >&2; exit 1; }
  full=$(cd "$(dirname "$arg")" && pwd)/$(basename "$arg")
  case "$program:$(echo "${arg##*.}" | tr 'A-Z' 'a-z')" in
    Plyk2:pcx | Plyk2:bmp | Plyk2:anm | Plyk2:flc | Plyk2:fli) picture=$full ;;
    *) [ -z "$file" ] || usage; file=$full ;;
  esac
done
shot=${PLYK_SHOT:-$root/build/screenshots/$(echo "$program" | tr 'A-Z' 'a-z').png}
case "$shot" in /*) ;; *) shot=$PWD/$shot ;; esac

# Wine names Hangul file names through the locale's character set.
if ! locale 2>/dev/null | grep -qi 'LC_CTYPE=.*utf-\?8'; then
  export LC_ALL=C.UTF-8
fi

# Packages: compilers, mingw-w64, 32-bit Wine, a virtual display and a Korean font.
need=()
command -v cmake >/dev/null && command -v ninja >/dev/null && command -v g++ >/dev/null || need+=(build)
command -v i686-w64-mingw32-g++ >/dev/null || need+=(windows)
if ! command -v Xvfb >/dev/null || ! command -v import >/dev/null ||
  ! dpkg-query -W -f='${Status}\n' wine wine32:i386 fonts-nanum fonts-wine 2>/dev/null |
  grep -c 'install ok installed' | grep -qx 4; then
  need+=(wine)
fi
# PLYK_NO_INSTALL=1 (scripts/main.sh) installs nothing and gives up instead.
install_packages() {
  if [ -n "${PLYK_NO_INSTALL:-}" ]; then
    echo "run.sh: not installed: scripts/setup.sh $*" >&2
    exit 1
  fi
  bash "$root/scripts/setup.sh" "$@"
}
[ ${#need[@]} -eq 0 ] || install_packages "${need[@]}"

source "$root/e2e/lib/session.sh"
arch=i686
if ! wine_runs_32bit; then
  echo "run.sh: this machine runs no 32-bit programs; building them for 64-bit Windows instead"
  arch=x86_64
  dpkg-query -W -f='${Status}' wine64 2>/dev/null | grep -q 'install ok installed' || install_packages wine64
  wine_use_64bit "$root/build/programs64/wine64-bin"
fi

# The programs and the e2e driver (it tells when a window is up), without the tests:
# host tools from a native build without tests, like scripts/main.sh's.
jobs=${JOBS:-2}
build=$root/build/programs
[ $arch = i686 ] || build=$root/build/programs64
echo "run.sh: building the Windows programs (${build#$root/})"
cmake -S "$root" -B "$root/build/tool" -G Ninja -DPLYK_WERROR=ON -DPLYK_TESTS=OFF -DPLYK_BENCH=OFF >/dev/null
cmake --build "$root/build/tool" -j "$jobs" --target host_tools >/dev/null
cmake -S "$root" -B "$build" -G Ninja -DPLYK_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DPLYK_HOST_TOOLS_DIR="$root/build/tool/tools" >/dev/null
cmake --build "$build" -j "$jobs" --target Plyk2 Zorv2 e2e_driver >/dev/null
exe=$build/$target
driver=$build/e2e/e2e_driver.exe

export WINE_SESSION_PREFIX=${PLYK_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/plyk-zorv/wine}
[ $arch = i686 ] || WINE_SESSION_PREFIX+=64

# A path as the driver takes it: anything but plain ASCII as "utf8hex:" and the hex
# digits of its UTF-8 bytes, which no code page conversion or quoting can change.
driver_arg() {
  if (LC_ALL=C && [[ $1 =~ ^[A-Za-z0-9_.,+=:/\\-]+$ ]]); then
    printf '%s' "$1"
  else
    printf 'utf8hex:%s' "$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n')"
  fi
}

# Starts the program in the background (PROGRAM_PID) with the sprite or motion file
# on its command line; Plyk2 then imports the picture through its menu command.
start() {
  local dir=$1 args=()
  [ -z "$file" ] || args=("$(winepath -w "$file" 2>/dev/null)")
  (cd "$workdir" && exec wine "$dir/$program.exe" "${args[@]}" >/dev/null 2>&1) &
  PROGRAM_PID=$!
  if ! with_timeout 120 wine "$driver" wait-window "$program" 90000 >/dev/null 2>&1; then
    echo "run.sh: $program did not show its window" >&2
    return 1
  fi
  if [ -n "$picture" ]; then
    with_timeout 30 wine "$driver" command "$program" 40006 >/dev/null 2>&1 &&
      with_timeout 60 wine "$driver" wait-chooser 30000 >/dev/null 2>&1 &&
      with_timeout 30 wine "$driver" answer-chooser "$(driver_arg "$(winepath -w "$picture" 2>/dev/null)")" \
        >/dev/null 2>&1 ||
      echo "run.sh: could not import $picture" >&2
  fi
  return 0
}

# Sound names in a motion file are found beside it, so the program runs there.
workdir=${file:+$(dirname "$file")}
workdir=${workdir:-$PWD}

if [ -n "${DISPLAY:-}" ] && [ -z "${PLYK_HEADLESS:-}" ]; then
  wine_prefix_ready || exit 1
  # The program writes its settings file beside itself: a copy in the prefix keeps
  # them from one run to the next.
  install_dir="$WINEPREFIX/drive_c/PlykZorv"
  mkdir -p "$install_dir"
  cp -u "$exe" "$install_dir/"
  start "$install_dir" || exit 1
  status=0
  wait "$PROGRAM_PID" || status=$?
  exit $status
fi

# Headless: a private display and temporary folders, all removed at the end.
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start || { echo "run.sh: could not start Wine on a virtual display" >&2; exit 1; }
scratch="$WINE_SESSION_DIR/program"
mkdir -p "$scratch"
cp "$exe" "$scratch/"
start "$scratch" || exit 1
# Let the windows paint.
sleep "${PLYK_SHOT_DELAY:-3}"
mkdir -p "$(dirname "$shot")"
# The root window is larger than the programs' windows: keep the part they cover.
import -window root "$WINE_SESSION_DIR/shot.png"
convert "$WINE_SESSION_DIR/shot.png" -trim +repage "$shot"
with_timeout 30 wine "$driver" close "$program" >/dev/null 2>&1 || true
for _ in $(seq 1 40); do
  kill -0 "$PROGRAM_PID" 2>/dev/null || break
  sleep 0.5
done
echo "screenshot: $shot"

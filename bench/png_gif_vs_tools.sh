#!/usr/bin/env bash
# Decoding a 4096 x 4096 indexed PNG with "plyktool info" against ImageMagick
# ("convert X.png null:"), and a 500-frame 320 x 200 GIF against ffmpeg's decoder
# ("ffmpeg -i X -f null -"), run alternately several times. Prints the median times
# in milliseconds and the ratios (the aims: at most 1.0 and 0.5). Not part of the tests.
#   bench/png_gif_vs_tools.sh [REPETITIONS]     (default 7; needs build/native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/native}
reps=${1:-7}
for tool in ffmpeg convert; do
  command -v $tool >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
cmake --build "$build" -j2 --target plyktool >/dev/null
plyktool=$build/tools/plyktool/plyktool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
png=$work/big.png
gif=$work/frames500.gif
ffmpeg -v error -f lavfi -i mandelbrot=s=4096x4096 -frames:v 1 -pix_fmt pal8 "$png"
ffmpeg -v error -f lavfi -i testsrc=size=320x200:rate=25 -frames:v 500 "$gif"
"$plyktool" info "$png" | grep -q "size 4096 x 4096" || { echo "plyktool did not read the PNG" >&2; exit 1; }
"$plyktool" info "$gif" | grep -q "frames 500 " || { echo "plyktool did not read 500 frames" >&2; exit 1; }

millis() {  # microseconds one run of the command takes
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f\n", v[int((NR + 1) / 2)] / 1000 }'; }

compare() {  # label file aim command...
  local label=$1 file=$2 aim=$3
  shift 3
  local ours=() theirs=()
  for ((i = 0; i < reps; i++)); do
    ours+=("$(millis "$plyktool" info "$file")")
    theirs+=("$(millis "$@")")
  done
  local a b
  a=$(printf '%s\n' "${ours[@]}" | median)
  b=$(printf '%s\n' "${theirs[@]}" | median)
  awk -v l="$label" -v a="$a" -v b="$b" -v aim="$aim" -v s="$(stat -c %s "$file")" \
    'BEGIN { printf "%-40s %8d bytes  plyktool %8.1f ms  other %8.1f ms  ratio %.2f (aim <= %s)\n", l, s, a, b, a / b, aim }'
}
echo "median of $reps runs each"
compare "4096 x 4096 indexed PNG vs convert" "$png" 1.0 convert "$png" null:
compare "500 x 320 x 200 GIF vs ffmpeg" "$gif" 0.5 ffmpeg -v error -i "$gif" -f null -

#!/usr/bin/env bash
# Decoding a 500-frame 320 x 200 FLC: "plyktool info" (which decodes every frame)
# against ffmpeg's FLIC decoder, run side by side several times. Prints the best and
# the median time of each in milliseconds and their ratio. Not part of the tests.
#   bench/picture_vs_ffmpeg.sh [REPETITIONS]     (default 15; needs build/native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/native}
reps=${1:-15}
command -v ffmpeg >/dev/null || { echo "ffmpeg is not installed (apt-get install ffmpeg)" >&2; exit 1; }
cmake --build "$build" -j2 --target plyktool write_bench_flc >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
flc=$work/frames500.flc
"$build/bench/write_bench_flc" "$flc"
plyktool=$build/tools/plyktool/plyktool
"$plyktool" info "$flc" | grep -q "frames 500 " || { echo "plyktool did not read 500 frames" >&2; exit 1; }
frames=$(ffmpeg -v error -i "$flc" -f null - -progress pipe:1 | sed -n 's/^frame=//p' | tail -1)
[ "$frames" -ge 500 ] || { echo "ffmpeg decoded $frames frames" >&2; exit 1; }

# Milliseconds one run of the command takes.
millis() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

ours=()
theirs=()
for ((i = 0; i < reps; i++)); do  # alternated, so both see the same machine load
  ours+=("$(millis "$plyktool" info "$flc")")
  theirs+=("$(millis ffmpeg -v error -i "$flc" -f null -)")
done

# best and median of microsecond figures, printed in milliseconds
summary() {
  sort -n | awk '{ v[NR] = $1 } END { printf "%.1f %.1f\n", v[1] / 1000, v[int((NR + 1) / 2)] / 1000 }'
}
read -r ourBest ourMedian < <(printf '%s\n' "${ours[@]}" | summary)
read -r theirBest theirMedian < <(printf '%s\n' "${theirs[@]}" | summary)
echo "500 frames of 320 x 200, $(stat -c %s "$flc") bytes, $reps runs each"
printf '%-32s %8s %8s\n' "" "best ms" "median ms"
printf '%-32s %8s %8s\n' "plyktool info" "$ourBest" "$ourMedian"
printf '%-32s %8s %8s\n' "ffmpeg -i FLC -f null -" "$theirBest" "$theirMedian"
awk -v a="$ourMedian" -v b="$theirMedian" 'BEGIN { printf "plyktool takes %.0f%% of ffmpeg'"'"'s median time\n", 100 * a / b }'

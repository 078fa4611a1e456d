#!/usr/bin/env bash
# Writing the sheet of a 4096-sprite file as an 8-bit PNG: "plyktool png" (reading
# the sprite file, laying out the sheet, encoding) against ImageMagick writing the
# same picture, read from its PCX, as an 8-bit PNG. Run side by side several times;
# prints the best and median milliseconds and their ratio. Not part of the tests.
#   bench/png_vs_convert.sh [REPETITIONS]     (default 15; needs build/native)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/native}
reps=${1:-15}
command -v convert >/dev/null || { echo "ImageMagick is not installed (apt-get install imagemagick)" >&2; exit 1; }
cmake --build "$build" -j2 --target plyktool >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# 4096 sprites of 8 to 47 pixels a side: an outline with a patterned inside, a few
# colours each, as cut figures look.
python3 - "$work/sprites.plk" <<'PY'
import struct, sys
seed = 12345
records = []
for i in range(4096):
    seed = (seed * 1664525 + 1013904223) & 0xFFFFFFFF
    w, h, c = 8 + (seed >> 8) % 40, 8 + (seed >> 16) % 40, 1 + (seed >> 24) % 240
    px = bytearray(w * h)
    for y in range(h):
        for x in range(w):
            edge = x in (0, w - 1) or y in (0, h - 1)
            if edge or (x * x + y * 3 + i) % 5:
                px[y * w + x] = c + (x // 4 + y // 4) % 12
    records.append(struct.pack("<3i", w * h, w, h) + bytes(px))
body = b"".join(records)
head = b"PLYK" + struct.pack("<8i", 100, 0, 0, 0, 0, 0, 4096, 36 + 4 * 4096 + len(body))
open(sys.argv[1], "wb").write(head + bytes(4 * 4096) + body)
PY
plyktool=$build/tools/plyktool/plyktool
"$plyktool" pcx "$work/sprites.plk" "$work/sheet.pcx" >/dev/null
size=$("$plyktool" png "$work/sprites.plk" "$work/ours.png" | sed 's/.*sprites, //')
convert "$work/sheet.pcx" PNG8:"$work/theirs.png"

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
  ours+=("$(millis "$plyktool" png "$work/sprites.plk" "$work/ours.png")")
  theirs+=("$(millis convert "$work/sheet.pcx" PNG8:"$work/theirs.png")")
done

# best and median of microsecond figures, printed in milliseconds
summary() {
  sort -n | awk '{ v[NR] = $1 } END { printf "%.1f %.1f\n", v[1] / 1000, v[int((NR + 1) / 2)] / 1000 }'
}
read -r ourBest ourMedian < <(printf '%s\n' "${ours[@]}" | summary)
read -r theirBest theirMedian < <(printf '%s\n' "${theirs[@]}" | summary)
echo "4096 sprites on a sheet of $size, $reps runs each"
printf '%-40s %8s %8s %10s\n' "" "best ms" "median ms" "bytes"
printf '%-40s %8s %8s %10s\n' "plyktool png" "$ourBest" "$ourMedian" "$(stat -c %s "$work/ours.png")"
printf '%-40s %8s %8s %10s\n' "convert sheet.pcx PNG8:out.png" "$theirBest" "$theirMedian" \
  "$(stat -c %s "$work/theirs.png")"
awk -v a="$ourMedian" -v b="$theirMedian" 'BEGIN { printf "plyktool takes %.2fx convert'"'"'s median time\n", a / b }'

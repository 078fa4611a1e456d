#!/usr/bin/env bash
# Makes the sample files in examples/ again: a picture sheet with something for every
# cut tool, a walking figure as an FLC animation, two short wave sounds, the sprite
# files plyktool cuts from the pictures and a motion file built on those sprites.
# The same sources give the same bytes, so the committed files can be checked:
#
#   scripts/make-samples.sh           write examples/ and describe every file
#   scripts/make-samples.sh --check   make them in build/samples-check and compare
#                                     (scripts/test.sh does, so they stay what the code makes)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
check=no
case "${1:-}" in
  "") ;;
  --check) check=yes ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

# The build without tests that scripts/main.sh makes: it needs only the build tools.
# SAMPLES_BUILD names another configured build to take them from (scripts/test.sh).
build=${SAMPLES_BUILD:-build/tool}
[ -n "${SAMPLES_BUILD:-}" ] ||
  cmake -S . -B "$build" -G Ninja -DPLYK_WERROR=ON -DPLYK_TESTS=OFF -DPLYK_BENCH=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target plyktool make_samples >/dev/null
tool=$root/$build/tools/plyktool/plyktool
make_samples=$root/$build/tools/make_samples/make_samples

out=examples
if [ $check = yes ]; then
  out=build/samples-check
  rm -rf "$out"
  mkdir -p "$out"
fi
files=(sheet.pcx walker.flc step.wav bounce.wav walker.plk sheet.plk walker.zrv)

"$make_samples" pictures "$out"
# The sprites come out of the pictures as a user would cut them: every frame of the
# animation, every figure of the sheet (the tiles of the grid block make one figure).
"$tool" cut "$out/walker.flc" "$out/walker.plk" --all-frames >/dev/null
"$tool" cut "$out/sheet.pcx" "$out/sheet.plk" >/dev/null
"$make_samples" motion "$out/walker.zrv" "$out/walker.plk" "$out/sheet.plk"

if [ $check = yes ]; then
  status=0
  for f in "${files[@]}"; do
    if cmp -s "$out/$f" "examples/$f"; then
      echo "same: examples/$f"
    else
      echo "DIFFERS: examples/$f" >&2
      status=1
    fi
  done
  rm -rf "$out"
  exit $status
fi

# Every file must read back whole.
for f in "${files[@]}"; do
  case "$f" in *.wav) continue ;; esac
  echo "== $out/$f"
  "$tool" info "$out/$f"
done

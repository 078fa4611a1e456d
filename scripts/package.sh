#!/usr/bin/env bash
# Makes the Windows release under dist/ (VERSION is the CMake project version):
#
#   plyk-zorv-VERSION-win32.zip     Plyk2.exe, Zorv2.exe, plyktool.exe, the manual
#                                   (manual/index.html), the samples (examples/), the
#                                   licence and the notices of what the programs link
#   plyk-zorv-VERSION-setup.exe     the same files in an installer (NSIS) for the
#                                   current user, with an uninstaller
#
#   scripts/package.sh [--amd64] [--programs BUILD_DIR] [--out DIR]
#
# The programs are built in release mode for 32-bit Windows (build/release-win32).
# --amd64 makes the same pair for 64-bit Windows (plyk-zorv-VERSION-win64.zip and
# plyk-zorv-VERSION-win64-setup.exe): on machines whose kernel runs no 32-bit programs
# the installer test checks that one. --programs packs the programs of an existing
# Windows build instead of building them (the test does that); --out puts the files
# elsewhere. The 32-bit pair of a plain run is the release.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
arch=win32
programs=""
dist=$root/dist
usage() { echo "usage: $0 [--amd64] [--programs BUILD_DIR] [--out DIR]" >&2; exit 2; }
while [ $# -gt 0 ]; do
  case "$1" in
    --amd64) arch=win64 ;;
    --programs) [ $# -ge 2 ] || usage; programs=$(cd "$2" && pwd); shift ;;
    --out) [ $# -ge 2 ] || usage; mkdir -p "$2"; dist=$(cd "$2" && pwd); shift ;;
    *) usage ;;
  esac
  shift
done
if [ $arch = win32 ]; then
  toolchain=mingw-i686 triplet=i686-w64-mingw32 target=x86-unicode suffix=setup
else
  toolchain=mingw-x86_64 triplet=x86_64-w64-mingw32 target=amd64-unicode suffix=win64-setup
fi

if [ -n "$programs" ]; then
  build=$programs
else
  bash "$root/scripts/setup.sh" build windows package
  # Resource generators run on the build machine: they come from the native build.
  native=$root/build/native
  [ -f "$native/CMakeCache.txt" ] || cmake -S "$root" -B "$native" -G Ninja -DPLYK_WERROR=ON >/dev/null
  cmake --build "$native" -j "$jobs" --target make_palette make_resources
  build=$root/build/release-$arch
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLYK_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" -DPLYK_HOST_TOOLS_DIR="$native/tools" \
    -DPLYK_TESTS=OFF -DPLYK_BENCH=OFF >/dev/null
  cmake --build "$build" -j "$jobs" --target Plyk2 Zorv2 plyktool
fi

version=$(sed -n 's/^#define PLYK_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/plyk_version.h")
[ -n "$version" ] || { echo "no version in $build/generated/plyk_version.h" >&2; exit 1; }
name=plyk-zorv-$version

# The files of the release, as the zip holds them and the installer installs them.
work=$build/package
stage=$work/$name
rm -rf "$work"
mkdir -p "$stage/examples" "$stage/manual"
for exe in src/cutter/app/Plyk2.exe src/motion/app/Zorv2.exe tools/plyktool/plyktool.exe; do
  $triplet-strip -o "$stage/$(basename "$exe")" "$build/$exe"
done
cp "$root"/examples/*.pcx "$root"/examples/*.flc "$root"/examples/*.plk "$root"/examples/*.zrv \
  "$root"/examples/*.wav "$stage/examples/"
cp "$root"/docs/manual/index.html "$root"/docs/manual/*.png "$stage/manual/"
cp "$root/LICENSE" "$stage/LICENSE.txt"
cp "$root/packaging/NOTICES.txt" "$stage/NOTICES.txt"

mkdir -p "$dist"
zip_file=$dist/$name-$arch.zip
setup_file=$dist/$name-$suffix.exe
rm -f "$zip_file" "$setup_file"
(cd "$work" && zip -q -r -X "$zip_file" "$name")

# File and Delete lines for the installer, made from the same folder.
files=$work/files.nsh
remove=$work/remove.nsh
: >"$files"
: >"$remove"
while IFS= read -r dir; do
  rel=${dir#"$stage"}
  win=${rel//\//\\}
  echo "SetOutPath \"\$INSTDIR$win\"" >>"$files"
  for f in "$dir"/*; do
    [ -f "$f" ] || continue
    echo "File \"$f\"" >>"$files"
    echo "Delete \"\$INSTDIR$win\\$(basename "$f")\"" >>"$remove"
  done
  # Sub-folders go after their files, deepest first, and only when empty.
  [ -z "$rel" ] || echo "RMDir \"\$INSTDIR$win\"" >>"$remove"
done < <(find "$stage" -type d | sort -r)
makensis -INPUTCHARSET UTF8 -V2 -DVERSION="$version" -DTARGET=$target -DFILES="$files" \
  -DREMOVE="$remove" -DOUTFILE="$setup_file" "$root/packaging/plyk-zorv.nsi"

ls -l "$zip_file" "$setup_file" | awk '{print "package: " $5 " bytes  " $9}'

#!/usr/bin/env bash
# Installs what a job needs on a Debian 12 machine (as root). Quick when everything
# is already there.
#
#   scripts/setup.sh [GROUP]...     default: all
#
#   build     compilers and build tools for the native libraries and plyktool
#   tests     test and benchmark libraries, clang (sanitizers, fuzzing), ffmpeg and
#             ImageMagick to check the picture decoders against
#   windows   mingw-w64 for the Windows programs
#   wine      32-bit Wine, a virtual display, screenshots and a Korean font, to run
#             the Windows programs (scripts/run.sh, the tests under Wine)
#   wine64    64-bit Wine with the same, for machines that run no 32-bit code
#             (scripts/run.sh then builds the programs for 64-bit Windows)
#   package   NSIS and zip for the release packages (scripts/package.sh)
#   all       every group: what scripts/test.sh needs (it falls back on 64-bit Wine
#             where 32-bit programs cannot run)
#
# The build group alone comes without recommended packages: scripts/main.sh needs
# nothing more, and it is a fraction of the size of the whole set.
set -euo pipefail

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(all)
packages=()
lean=yes
for group in "${groups[@]}"; do
  case "$group" in
    build) packages+=(g++ make cmake ninja-build zlib1g-dev nlohmann-json3-dev) ;;
    tests) packages+=(build-essential clang libclang-rt-14-dev clang-format libgtest-dev libgmock-dev googletest
      libbenchmark-dev imagemagick ffmpeg file) ;;
    windows) packages+=(mingw-w64 libz-mingw-w64-dev) ;;
    wine) packages+=(wine wine32:i386 fonts-wine xvfb imagemagick fonts-nanum) ;;
    wine64) packages+=(wine wine64 fonts-wine xvfb imagemagick fonts-nanum) ;;
    package) packages+=(nsis zip) ;;
    all) exec bash "$0" build tests windows wine wine64 package ;;
    *) echo "usage: $0 [build|tests|windows|wine|wine64|package|all]..." >&2; exit 2 ;;
  esac
  [ "$group" = build ] || lean=no
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
options=(-y -qq)
[ $lean = no ] || options+=(--no-install-recommends)
echo "setup: installing ${missing[*]}"
case " ${missing[*]} " in
  # 32-bit Wine runs the Windows programs and their tests.
  *:i386*) $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install "${options[@]}" "${missing[@]}" >/dev/null

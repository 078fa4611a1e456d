#!/usr/bin/env bash
# Everything: set-up, the native build with its unit tests, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build with its
# tests under Wine and the end-to-end tests of the programs.
#
# The run does not depend on the caller's locale, and leaves nothing in the temporary
# folder: the tests' scratch files go to a private one, removed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

export LC_ALL=C.UTF-8
unset LANGUAGE
scratch=$(mktemp -d "${TMPDIR:-/tmp}/plyk-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM
export TMPDIR="$scratch"

run_ctest() {
  echo "== tests: $1"
  ctest --test-dir "build/$1" --output-on-failure -j "$(nproc)" --timeout 600
}

echo "== include cycles among the files of src/"
python3 scripts/include-cycles.py
bash scripts/build.sh native
run_ctest native
echo "== samples: examples/ is what the code makes"
SAMPLES_BUILD=build/native bash scripts/make-samples.sh --check
bash scripts/build.sh asan
run_ctest asan
bash scripts/test-windows.sh "$root/build/native" "$root/build/windows"
echo "== all tests passed"

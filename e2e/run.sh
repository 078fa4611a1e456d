#!/usr/bin/env bash
# Runs the end-to-end tests of Plyk2 and Zorv2 under Wine in a private Xvfb display
# with a fresh Wine prefix, both removed at the end with everything the run made.
#
#   e2e/run.sh WINDOWS_BUILD_DIR [SCREENSHOT_DIR]
#
# Each test script in e2e/tests/ runs with a time limit. Screenshots go to
# SCREENSHOT_DIR (default WINDOWS_BUILD_DIR/e2e-shots), which is printed.
set -u

here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 WINDOWS_BUILD_DIR [SCREENSHOT_DIR]" >&2; exit 2; }
export E2E_BUILD=$(cd "$1" && pwd)
export E2E_SHOTS=${2:-$E2E_BUILD/e2e-shots}
mkdir -p "$E2E_SHOTS"
E2E_SHOTS=$(cd "$E2E_SHOTS" && pwd)

for file in "$E2E_BUILD/e2e/e2e_driver.exe" "$E2E_BUILD/src/cutter/app/Plyk2.exe" "$E2E_BUILD/src/motion/app/Zorv2.exe"; do
  [ -f "$file" ] || { echo "missing $file: build the Windows configuration first" >&2; exit 2; }
done

source "$here/lib/session.sh"
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start || { echo "could not start the Wine session"; exit 1; }
# The programs run in scratch folders inside the session, removed with it.
export E2E_SCRATCH="$WINE_SESSION_DIR/programs"
mkdir -p "$E2E_SCRATCH"
echo "e2e: display $DISPLAY, screenshots in $E2E_SHOTS"

passed=0
failed=0
for test in "$here"/tests/*.sh; do
  name=$(basename "$test" .sh)
  # E2E_ONLY="name ..." runs only those tests.
  [ -n "${E2E_ONLY:-}" ] && [[ " $E2E_ONLY " != *" $name "* ]] && continue
  echo "[ RUN  ] $name"
  if with_timeout 300 bash "$test"; then
    echo "[  OK  ] $name"
    passed=$((passed + 1))
  else
    echo "[FAILED] $name"
    failed=$((failed + 1))
  fi
  # Nothing of one test may linger into the next.
  with_timeout 30 wineserver -k >/dev/null 2>&1 || true
done

echo "e2e screenshots: $E2E_SHOTS"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

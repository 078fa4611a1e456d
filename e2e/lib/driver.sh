# Helpers for the end-to-end test scripts. Source this file from a test; run.sh sets
# the Wine session's variables (DISPLAY, WINEPREFIX, ...), E2E_BUILD (the Windows
# build folder), E2E_SHOTS (where screenshots go) and E2E_SCRATCH (where programs
# run) before it starts the test.

set -u

E2E_DRIVER="$E2E_BUILD/e2e/e2e_driver.exe"
E2E_FAILURES=0
PROGRAM_PID=""
PROGRAM_DIR=""

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

# The path of a program in the build: Plyk2 or Zorv2.
program_exe() {
  case "$1" in
    Plyk2) echo "$E2E_BUILD/src/cutter/app/Plyk2.exe" ;;
    Zorv2) echo "$E2E_BUILD/src/motion/app/Zorv2.exe" ;;
    *) return 1 ;;
  esac
}

# An argument as the driver gets it: a plain ASCII word as it is; anything else
# (Hangul, spaces, quotes) as "utf8hex:" and the hex digits of its UTF-8 bytes, which
# neither Wine's code page conversion nor command-line quoting can change.
driver_arg() {
  if (LC_ALL=C && [[ $1 =~ ^[A-Za-z0-9_.,+=/-]+$ ]]); then
    printf '%s' "$1"
  else
    printf 'utf8hex:%s' "$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n')"
  fi
}

# Runs one driver step; its output goes to stdout. Returns the driver's exit code.
# The driver answers 0, 2 or 3; any other code means it never came to an answer
# (Wine could not start it, it crashed or hung). Then what Wine said goes to stderr
# and the step runs once more: a test fails on the program, not on the tooling.
drv() {
  local args=() arg attempt rc=0 errors
  for arg in "$@"; do args+=("$(driver_arg "$arg")"); done
  errors=$(mktemp "${TMPDIR:-/tmp}/e2e-driver.XXXXXX")
  for attempt in 1 2; do
    with_timeout 60 wine "$E2E_DRIVER" "${args[@]}" 2>"$errors" | tr -d '\r'
    rc=${PIPESTATUS[0]}
    case $rc in 0 | 2 | 3) break ;; esac
    echo "  driver step '$*' ended with exit code $rc (try $attempt): $(tail -n 5 "$errors" | tr '\n' ' ')" >&2
  done
  rm -f "$errors"
  return "$rc"
}

check() {
  local what=$1
  shift
  if "$@"; then
    echo "  ok: $what"
  else
    echo "  FAILED: $what"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

contains_line() {  # TEXT LINE: TEXT has a line equal to LINE (tab-separated fields allowed)
  printf '%s\n' "$1" | grep -qxF -- "$2"
}

# Copies the program into a fresh scratch folder (its settings are written beside it)
# and starts it there in the background. The folders are made in E2E_SCRATCH, which
# run.sh sets inside its Wine session, so that they go with the session.
start_program() {
  local name=$1
  shift
  if [ -z "${E2E_SCRATCH:-}" ] || ! PROGRAM_DIR=$(mktemp -d "$E2E_SCRATCH/run.XXXXXX"); then
    echo "  no scratch folder: run the tests through e2e/run.sh" >&2
    return 1
  fi
  cp "$(program_exe "$name")" "$PROGRAM_DIR/"
  (cd "$PROGRAM_DIR" && exec wine "$PROGRAM_DIR/$name.exe" "$@" >/dev/null 2>&1) &
  PROGRAM_PID=$!
}

# Starts the program again in the folder of the last start_program, where its
# settings file is: a second run of the same installation.
restart_program() {
  local name=$1
  shift
  [ -n "$PROGRAM_DIR" ] || { echo "  restart_program needs start_program first" >&2; return 1; }
  (cd "$PROGRAM_DIR" && exec wine "$PROGRAM_DIR/$name.exe" "$@" >/dev/null 2>&1) &
  PROGRAM_PID=$!
}

# A Unix path as the programs and the file choosers see it under Wine.
wine_path() {
  printf 'Z:%s' "${1//\//\\}"
}

# plyktool of the Windows build. It takes its arguments in the system code page: give
# it paths without Hangul.
plyktool() {
  with_timeout 60 wine "$E2E_BUILD/tools/plyktool/plyktool.exe" "$@" 2>/dev/null | tr -d '\r'
}

# Zorv2's delay dialog on the current motion, set to $1 and ended with OK.
zorv_set_delay() {
  drv key Zorv2 e >/dev/null
  drv wait-dialog "동작 지연 시간 설정" 20000 >/dev/null
  drv set-text "동작 지연 시간 설정" 1002 "$1" >/dev/null
  drv click-id "동작 지연 시간 설정" 1 >/dev/null
  drv wait-no-dialog "동작 지연 시간 설정" 10000 >/dev/null
}

# Waits up to SECONDS for the started program to end and sets PROGRAM_EXIT to its
# exit code ("timeout" when it is still running). Not for a command substitution:
# only this shell can wait for its child.
PROGRAM_EXIT=""
wait_program_exit() {
  local seconds=$1 waited=0
  PROGRAM_EXIT="timeout"
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    sleep 0.5
    waited=$((waited + 1))
    [ $waited -gt $((seconds * 2)) ] && return 1
  done
  local code=0
  wait "$PROGRAM_PID" || code=$?
  PROGRAM_PID=""
  PROGRAM_EXIT=$code
}

# Ends whatever is left of the program (used when a test has failed half-way).
kill_program() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    with_timeout 30 wineserver -k >/dev/null 2>&1 || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  PROGRAM_PID=""
}

# Saves the whole display as PNG under E2E_SHOTS.
screenshot() {
  mkdir -p "$E2E_SHOTS"
  import -window root "$E2E_SHOTS/$1" && echo "  screenshot: $E2E_SHOTS/$1"
}

# The number of distinct colours in a PNG: a blank or failed capture has one or two.
image_colours() {
  identify -format '%k' "$1" 2>/dev/null || echo 0
}

finish_test() {
  kill_program
  [ "$E2E_FAILURES" -eq 0 ]
}

# A private Wine session: its own Xvfb display and its own Wine prefix, both removed
# again by wine_session_stop. Source this file; it defines functions only.
#
#   wine_session_start     sets DISPLAY, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and
#                          HOME (a private one that gives ALSA a silent sound
#                          device, so DirectSound starts; E2E_SOUND=none leaves the
#                          machine without one, to test the programs' warning)
#   wine_session_stop      ends the Wine server and the display, removes the prefix
#   with_timeout SECONDS CMD...   runs CMD, killed after SECONDS

WINE_SESSION_DIR=""
WINE_SESSION_XVFB_PID=""

with_timeout() {
  local seconds=$1
  shift
  timeout --kill-after=10 "$seconds" "$@"
}

wine_session_start() {
  WINE_SESSION_DIR=$(mktemp -d /tmp/plyk-wine.XXXXXX)
  local fd_file="$WINE_SESSION_DIR/display"
  # Xvfb picks a free display number itself and writes it to the given descriptor.
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  WINE_SESSION_XVFB_PID=$!
  local waited=0
  while [ ! -s "$fd_file" ]; do
    sleep 0.2
    waited=$((waited + 1))
    if [ $waited -gt 100 ] || ! kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start" >&2
      return 1
    fi
  done
  export DISPLAY=":$(head -n 1 "$fd_file" | tr -d '[:space:]')"
  export WINEPREFIX="$WINE_SESSION_DIR/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win32
  if [ "${E2E_SOUND:-null}" != none ]; then
    # Font caches stay where they were; only ALSA's user configuration changes.
    export XDG_CACHE_HOME="${XDG_CACHE_HOME:-${HOME:-/root}/.cache}"
    mkdir -p "$WINE_SESSION_DIR/home"
    echo 'pcm.!default { type null }' >"$WINE_SESSION_DIR/home/.asoundrc"
    export HOME="$WINE_SESSION_DIR/home"
  fi
  if ! with_timeout 180 wineboot -i >/dev/null 2>&1; then
    echo "wineboot failed" >&2
    return 1
  fi
  with_timeout 60 wineserver -w 2>/dev/null || true
  # Hangul in menus and dialogs: let the Windows UI fonts fall back to a Korean font.
  # There is no window manager: Wine draws the captions and borders itself.
  local reg="$WINE_SESSION_DIR/fonts.reg"
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"Tahoma"=hex(7):4e,61,6e,75,6d,47,6f,74,68,69,63,2e,74,74,66,2c,4e,61,6e,75,6d,47,6f,74,68,69,63,00,00
"MS Shell Dlg"=hex(7):4e,61,6e,75,6d,47,6f,74,68,69,63,2e,74,74,66,2c,4e,61,6e,75,6d,47,6f,74,68,69,63,00,00
"MS Shell Dlg 2"=hex(7):4e,61,6e,75,6d,47,6f,74,68,69,63,2e,74,74,66,2c,4e,61,6e,75,6d,47,6f,74,68,69,63,00,00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"Gulim"="NanumGothic"
"굴림"="NanumGothic"
REG
  with_timeout 60 wine regedit /S "$reg" >/dev/null 2>&1 || true
  with_timeout 60 wineserver -w 2>/dev/null || true
  return 0
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    with_timeout 30 wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$WINE_SESSION_XVFB_PID" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=""
  fi
  if [ -n "$WINE_SESSION_DIR" ] && [ -d "$WINE_SESSION_DIR" ]; then
    rm -rf "$WINE_SESSION_DIR"
  fi
  WINE_SESSION_DIR=""
}

# A private Wine session: its own Xvfb display, Wine prefix, home, temporary and
# runtime folders, all in one session folder that wine_session_stop removes again.
# Source this file; it defines functions only.
#
#   wine_session_start     makes the session folder (under TMPDIR, default /tmp) and
#                          sets DISPLAY, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES,
#                          LC_ALL, HOME, TMPDIR and XDG_RUNTIME_DIR (the private home
#                          gives ALSA a silent sound device, so DirectSound starts;
#                          E2E_SOUND=none leaves the machine without one, to test the
#                          programs' warning)
#   wine_session_stop      ends the Wine server and the display, removes the folder
#                          and gives those variables their values from before
#   with_timeout SECONDS CMD...   runs CMD, killed after SECONDS

WINE_SESSION_DIR=""
WINE_SESSION_XVFB_PID=""
WINE_SESSION_X11_DIR_MADE=""
WINE_SESSION_SERVER_DIR=""
WINE_SESSION_SERVER_ROOT_MADE=""
WINE_SESSION_SAVED_ENV=""
WINE_SESSION_VARS=(DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEARCH LC_ALL LANGUAGE HOME TMPDIR
  XDG_RUNTIME_DIR XDG_CACHE_HOME)

with_timeout() {
  local seconds=$1
  shift
  timeout --kill-after=10 "$seconds" "$@"
}

wine_session_start() {
  local name
  WINE_SESSION_SAVED_ENV=""
  for name in "${WINE_SESSION_VARS[@]}"; do
    if [ -n "${!name+set}" ]; then
      WINE_SESSION_SAVED_ENV+="export $name=$(printf '%q' "${!name}");"
    else
      WINE_SESSION_SAVED_ENV+="unset $name;"
    fi
  done
  WINE_SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/plyk-wine.XXXXXX")
  # Wine turns Windows file names and command lines into Unix bytes through the
  # locale's character set: without a locale that is ASCII, and Hangul names cannot
  # be made. C.UTF-8 is on every Debian machine.
  export LC_ALL=C.UTF-8
  unset LANGUAGE
  # Whatever Wine, the sound libraries and ImageMagick put in a temporary or runtime
  # folder (Debian's Wine keeps its server socket there) stays in the session.
  mkdir -p "$WINE_SESSION_DIR/tmp" "$WINE_SESSION_DIR/run" "$WINE_SESSION_DIR/home"
  chmod 700 "$WINE_SESSION_DIR/run"
  export TMPDIR="$WINE_SESSION_DIR/tmp"
  export XDG_RUNTIME_DIR="$WINE_SESSION_DIR/run"
  # Xvfb puts its socket in /tmp/.X11-unix whatever TMPDIR says; the folder goes
  # again at the end when this session made it.
  [ -d /tmp/.X11-unix ] || WINE_SESSION_X11_DIR_MADE=yes
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
  mkdir -p "$WINEPREFIX"
  # Wine from winehq.org keeps its server socket in /tmp/.wine-UID/server-DEV-INODE
  # (of the prefix) whatever TMPDIR says; Debian's Wine keeps it under TMPDIR.
  local server_root
  server_root="/tmp/.wine-$(id -u)"
  [ -d "$server_root" ] || WINE_SESSION_SERVER_ROOT_MADE=$server_root
  WINE_SESSION_SERVER_DIR="$server_root/$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))"
  export WINEDEBUG=-all
  # No Mono or Gecko offers, and no menu entries written for the programs.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # E2E_WINEARCH=win64 runs a 64-bit build on a machine that cannot run 32-bit code.
  export WINEARCH=${E2E_WINEARCH:-win32}
  # Font caches stay where they were; Wine's and ALSA's user files go to the session.
  export XDG_CACHE_HOME="${XDG_CACHE_HOME:-${HOME:-/root}/.cache}"
  export HOME="$WINE_SESSION_DIR/home"
  if [ "${E2E_SOUND:-null}" != none ]; then
    echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
  fi
  if ! with_timeout 180 wineboot -i >/dev/null 2>&1; then
    echo "wineboot failed" >&2
    return 1
  fi
  with_timeout 60 wineserver -w 2>/dev/null || true
  # Hangul in menus and dialogs: let the Windows UI fonts fall back to a Korean font.
  # There is no window manager: Wine draws the captions and borders itself.
  # UTF-16 with the version 5 header: a REGEDIT4 file is read in the ANSI code page,
  # which would garble the Hangul name of Gulim.
  local reg="$WINE_SESSION_DIR/fonts.reg"
  {
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"Tahoma"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"MS Shell Dlg"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"MS Shell Dlg 2"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"Gulim"="NanumGothic"
"굴림"="NanumGothic"
REG
  } >"$reg"
  with_timeout 60 wine regedit /S "$reg" >/dev/null 2>&1 || true
  with_timeout 60 wineserver -w 2>/dev/null || true
  return 0
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    with_timeout 30 wineserver -k >/dev/null 2>&1 || true
    # The server removes its socket as it ends; wait for that before the folder goes.
    with_timeout 30 wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$WINE_SESSION_XVFB_PID" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=""
  fi
  if [ -n "$WINE_SESSION_SERVER_DIR" ]; then
    rm -rf "$WINE_SESSION_SERVER_DIR"
    WINE_SESSION_SERVER_DIR=""
  fi
  if [ -n "$WINE_SESSION_SERVER_ROOT_MADE" ]; then
    rmdir "$WINE_SESSION_SERVER_ROOT_MADE" 2>/dev/null || true
    WINE_SESSION_SERVER_ROOT_MADE=""
  fi
  if [ -n "$WINE_SESSION_X11_DIR_MADE" ]; then
    # Only when empty: another display may have started meanwhile.
    rmdir /tmp/.X11-unix 2>/dev/null || true
    WINE_SESSION_X11_DIR_MADE=""
WINE_SESSION_SERVER_DIR=""
WINE_SESSION_SERVER_ROOT_MADE=""
WINE_SESSION_SAVED_ENV=""
WINE_SESSION_VARS=(DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEARCH LC_ALL LANGUAGE HOME TMPDIR
  XDG_RUNTIME_DIR XDG_CACHE_HOME)
  fi
  if [ -n "$WINE_SESSION_DIR" ] && [ -d "$WINE_SESSION_DIR" ]; then
    rm -rf "$WINE_SESSION_DIR"
  fi
  WINE_SESSION_DIR=""
  eval "$WINE_SESSION_SAVED_ENV"
  WINE_SESSION_SAVED_ENV=""
}

# A private Wine session: its own Xvfb display, Wine prefix, home, temporary and
# runtime folders, all in one session folder that wine_session_stop removes again.
# Source this file; it defines functions only.
#
#   wine_session_start     makes the session folder (under TMPDIR, default /tmp) and
#                          sets DISPLAY, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES,
#                          (a fresh prefix in the session folder, or the lasting one
#                          WINE_SESSION_PREFIX names, made when missing and kept),
#                          LC_ALL, HOME, TMPDIR and XDG_RUNTIME_DIR (the private home
#                          gives ALSA a silent sound device, so DirectSound starts;
#                          E2E_SOUND=none leaves the machine without one, to test the
#                          programs' warning)
#   wine_session_stop      ends the Wine server and the display, removes the folder
#                          and gives those variables their values from before
#   wine_prefix_ready      sets WINEPREFIX to WINE_SESSION_PREFIX and Wine's variables
#                          for the caller's own display, and makes the prefix when
#                          missing (scripts/run.sh)
#   wine_runs_32bit        whether this machine runs 32-bit programs at all
#   wine_use_64bit DIR     makes `wine` start the 64-bit loader (commands in DIR put
#                          first on PATH) and sessions make 64-bit prefixes
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
  export WINEPREFIX="${WINE_SESSION_PREFIX:-$WINE_SESSION_DIR/prefix}"
  mkdir -p "$WINEPREFIX"
  # Wine from winehq.org keeps its server socket in /tmp/.wine-UID/server-DEV-INODE
  # (of the prefix) whatever TMPDIR says; Debian's Wine keeps it under TMPDIR.
  local server_root
  server_root="/tmp/.wine-$(id -u)"
  [ -d "$server_root" ] || WINE_SESSION_SERVER_ROOT_MADE=$server_root
  WINE_SESSION_SERVER_DIR="$server_root/$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))"
  wine_variables
  # Font caches stay where they were; Wine's and ALSA's user files go to the session.
  export XDG_CACHE_HOME="${XDG_CACHE_HOME:-${HOME:-/root}/.cache}"
  export HOME="$WINE_SESSION_DIR/home"
  if [ "${E2E_SOUND:-null}" != none ]; then
    echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
  fi
  wine_prefix_setup
}

# Some kernels run no 32-bit programs (32-bit emulation switched off): the 32-bit Wine
# loader then fails with "Exec format error", and a 64-bit build of the same sources
# runs under 64-bit Wine instead.
wine_runs_32bit() {
  with_timeout 60 /usr/lib/wine/wine --version >/dev/null 2>&1
}

wine_use_64bit() {
  local shims=$1
  mkdir -p "$shims"
  # Debian's wine commands pick the 32-bit loader whenever it is installed.
  printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/wine"
  cp "$shims/wine" "$shims/wine-stable"
  chmod +x "$shims/wine" "$shims/wine-stable"
  export PATH="$shims:$PATH"
  export WINE_SESSION_ARCH=win64
}

# Wine's variables for the programs: quiet, no Mono or Gecko offers, no menu entries
# written for the programs, 32-bit (WINE_SESSION_ARCH=win64 for a 64-bit build).
wine_variables() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=${WINE_SESSION_ARCH:-win32}
}

wine_prefix_ready() {
  export WINEPREFIX="$WINE_SESSION_PREFIX"
  mkdir -p "$WINEPREFIX"
  wine_variables
  wine_prefix_setup
}

# Makes the prefix when it is new and gives it the font set-up once.
wine_prefix_setup() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    if ! with_timeout 180 wineboot -i >/dev/null 2>&1; then
      echo "wineboot failed" >&2
      return 1
    fi
    with_timeout 60 wineserver -w 2>/dev/null || true
  fi
  # Wine links the user's Desktop, Documents and the like into HOME. A lasting prefix
  # made in a session points them into the session's home, gone once it ends; the
  # dangling Desktop leaves the file choosers unable to open any folder. Real,
  # empty folders take their place.
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ] && [ ! -e "$link" ]; then
      rm -f "$link" && mkdir -p "$link"
    fi
  done
  local done_mark="$WINEPREFIX/.plyk-fonts-2"
  [ -f "$done_mark" ] && return 0
  wine_fonts_setup || return 1
  touch "$done_mark"
}

# Where the installed Wine keeps its own fonts (Debian: fonts-wine).
wine_font_dir() {
  local dir
  for dir in /usr/share/wine/fonts /opt/wine-*/share/wine/fonts; do
    [ -f "$dir/marlett.ttf" ] && { echo "$dir"; return 0; }
  done
  return 1
}

# Hangul in menus and dialogs: let the Windows UI fonts fall back to a Korean font.
# There is no window manager: Wine draws the captions and borders itself, and their
# buttons are the letters "0", "1", "2" and "r" of the Marlett font. Debian's Wine
# finds its own fonts only in C:\windows\Fonts, never in /usr/share/wine/fonts where
# they are installed (nor does fontconfig list that folder), so without a copy there
# the buttons show those letters in another font.
wine_fonts_setup() {
  local fonts
  if fonts=$(wine_font_dir); then
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp "$fonts/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
  else
    echo "Wine's Marlett font was not found: caption buttons show letters" >&2
  fi
  # UTF-16 with the version 5 header: a REGEDIT4 file is read in the ANSI code page,
  # which would garble the Hangul name of Gulim.
  local reg="$WINEPREFIX/plyk-fonts.reg"
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
  rm -f "$reg"
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
  fi
  if [ -n "$WINE_SESSION_DIR" ] && [ -d "$WINE_SESSION_DIR" ]; then
    rm -rf "$WINE_SESSION_DIR"
  fi
  WINE_SESSION_DIR=""
  eval "$WINE_SESSION_SAVED_ENV"
  WINE_SESSION_SAVED_ENV=""
}

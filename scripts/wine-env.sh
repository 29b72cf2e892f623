# Sourced by the scripts: the Wine environment Vespin is built, run and tested in.
# Sets VESPIN_WINE_ARCH (win32 where the kernel runs 32-bit code, else win64),
# VESPIN_PRESET (the matching CMake preset) and VESPIN_WINE (the loader to use).

VESPIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${VESPIN_WINE_ARCH:-}" ]; then
  # Some kernels are booted with 32-bit emulation off; Wine then runs only 64-bit code.
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine ]; then
    VESPIN_WINE_ARCH=win32
  else
    VESPIN_WINE_ARCH=win64
  fi
fi
export VESPIN_WINE_ARCH
if [ "$VESPIN_WINE_ARCH" = win32 ]; then
  VESPIN_PRESET=win32
  VESPIN_WINE=/usr/lib/wine/wine
else
  VESPIN_PRESET=win64
  VESPIN_WINE=/usr/lib/wine/wine64
fi
export VESPIN_PRESET VESPIN_WINE
export WINEARCH=$VESPIN_WINE_ARCH
export WINEPREFIX=${WINEPREFIX:-$VESPIN_ROOT/build/$VESPIN_PRESET/wineprefix}
# Code page 932 for the A functions, registry and GDI, as on a Japanese Windows; VESPIN_LANG
# sets another (C.UTF-8 gives code page 1252, as on an English Windows).
export LANG=${VESPIN_LANG:-ja_JP.UTF-8} LC_ALL=${VESPIN_LANG:-ja_JP.UTF-8}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts, no audio drivers.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vespin-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

vespin_wineserver() { "$(dirname "$VESPIN_WINE")/wineserver" "$@"; }

# Debian's Wine 8 looks for fonts in the prefix and through fontconfig, not in fonts-wine's
# folder: Marlett, the glyphs of the title bars' buttons, goes into the prefix (else "r" shows).
vespin_prefix_fonts() {
  local font=$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf
  [ -e "$font" ] || cp /usr/share/wine/fonts/marlett.ttf "$font" 2>/dev/null || true
}

# Makes the prefix once: unmanaged X windows (no 2 s stall without a window
# manager) and the Japanese faces mapped to the installed IPA fonts.
vespin_prefix_init() {
  if [ -f "$WINEPREFIX/.vespin-ready" ]; then
    vespin_prefix_fonts
    return 0
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  rm -rf "$WINEPREFIX"
  local display_saved=${DISPLAY-}
  unset DISPLAY
  "$VESPIN_WINE" wineboot -i >/dev/null 2>&1
  "$VESPIN_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$VESPIN_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic /f >/dev/null 2>&1
  "$VESPIN_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
  vespin_wineserver -w
  [ -n "$display_saved" ] && export DISPLAY=$display_saved
  vespin_prefix_fonts
  touch "$WINEPREFIX/.vespin-ready"
}

# Makes $2 afresh as a prefix of a kind of its own (two monitors, a display scale) from the
# ready prefix $1, for one session; remove it when done. The folders and the registry files, which
# Wine rewrites, are copied; every other file is a hard link to $1's, since nothing run here writes
# one in place. So a copy takes a second and almost no disk, where a full one took 590 MB.
vespin_prefix_copy() {
  local copy
  rm -rf "$2" && mkdir -p "$2" && copy=$(cd "$2" && pwd) || return 1
  cp -al "$1/drive_c" "$copy/" 2>/dev/null || cp -a "$1/drive_c" "$copy/" || return 1
  (cd "$1" && find . -mindepth 1 -maxdepth 1 ! -name drive_c -exec cp -a {} "$copy/" \;)
}

# Starts a private Xvfb; sets VESPIN_XVFB_PID and DISPLAY. $1: depth (24 or 8), $2: size (1024x768).
vespin_xvfb_start() {
  local depth=${1:-24} size=${2:-1024x768} fifo
  fifo=$(mktemp -u /tmp/vespin-xvfb.XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${size}x$depth" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  VESPIN_XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$number"
}

vespin_xvfb_stop() {
  if [ -n "${VESPIN_XVFB_PID:-}" ]; then kill "$VESPIN_XVFB_PID" 2>/dev/null; wait "$VESPIN_XVFB_PID" 2>/dev/null || true; fi
  VESPIN_XVFB_PID=
}

# A Wine session on its own Xvfb: the first process brings up the desktop and
# services, then the server is kept alive so each test starts warm. $1: depth, $2: screen size.
vespin_session_start() {
  vespin_prefix_init
  vespin_wineserver -k 2>/dev/null || true
  vespin_xvfb_start "${1:-24}" "${2:-}" || return 1
  vespin_wineserver -p || return 1
  timeout 120 "$VESPIN_WINE" cmd /c exit >/dev/null 2>&1
  return 0
}

vespin_session_stop() {
  vespin_wineserver -k 2>/dev/null || true
  vespin_wineserver -w 2>/dev/null || true
  vespin_xvfb_stop
}

# Two monitors on one wide Xvfb screen: Wine asks Xinerama instead of XRandR (in a copy of the
# prefix) and finds the test's stand-in library, which reports the heads of VESPIN_HEADS (by
# default 1024x768 at 0,0 and 800x600 beside it). vespin_two_monitor_session_stop ends it, removes
# the copy and puts the prefix and the library path back.
vespin_two_monitor_session_start() {
  local lib=$VESPIN_ROOT/build/xinerama src=$VESPIN_ROOT/tests/monitors/xinerama_standin.c arch
  VESPIN_SAVED_PREFIX=$WINEPREFIX VESPIN_SAVED_LIBRARY_PATH=${LD_LIBRARY_PATH-}
  for arch in i386 x86_64; do
    mkdir -p "$lib/$arch"
    if [ ! "$lib/$arch/libXinerama.so.1" -nt "$src" ]; then
      gcc "$([ $arch = i386 ] && echo -m32 || echo -m64)" -shared -fPIC -O2 -Wall -Wextra -Werror \
        -o "$lib/$arch/libXinerama.so.1" "$src" || return 1
    fi
  done
  export LD_LIBRARY_PATH=$lib/i386:$lib/x86_64${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
  vespin_prefix_init
  export WINEPREFIX=$VESPIN_SAVED_PREFIX-monitors
  vespin_prefix_copy "$VESPIN_SAVED_PREFIX" "$WINEPREFIX" || return 1
  env -u DISPLAY "$VESPIN_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
  vespin_wineserver -w
  vespin_session_start 24 1824x768
}

vespin_two_monitor_session_stop() {
  vespin_session_stop
  if [ -n "${VESPIN_SAVED_PREFIX:-}" ]; then
    [ "$WINEPREFIX" = "$VESPIN_SAVED_PREFIX" ] || rm -rf "$WINEPREFIX"
    export WINEPREFIX=$VESPIN_SAVED_PREFIX
  fi
  if [ -n "${VESPIN_SAVED_LIBRARY_PATH:-}" ]; then export LD_LIBRARY_PATH=$VESPIN_SAVED_LIBRARY_PATH; else unset LD_LIBRARY_PATH; fi
}

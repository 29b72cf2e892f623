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
# Code page 932 for the A functions, registry and GDI, as on a Japanese Windows.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts, no audio drivers.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vespin-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

vespin_wineserver() { "$(dirname "$VESPIN_WINE")/wineserver" "$@"; }

# Makes the prefix once: unmanaged X windows (no 2 s stall without a window
# manager) and the Japanese faces mapped to the installed IPA fonts.
vespin_prefix_init() {
  [ -f "$WINEPREFIX/.vespin-ready" ] && return 0
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
  touch "$WINEPREFIX/.vespin-ready"
}

# Starts a private Xvfb; sets VESPIN_XVFB_PID and DISPLAY. $1: depth (24 or 8).
vespin_xvfb_start() {
  local depth=${1:-24} fifo
  fifo=$(mktemp -u /tmp/vespin-xvfb.XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "1024x768x$depth" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
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
# services, then the server is kept alive so each test starts warm. $1: depth.
vespin_session_start() {
  vespin_prefix_init
  vespin_wineserver -k 2>/dev/null || true
  vespin_xvfb_start "${1:-24}" || return 1
  vespin_wineserver -p || return 1
  timeout 120 "$VESPIN_WINE" cmd /c exit >/dev/null 2>&1
  return 0
}

vespin_session_stop() {
  vespin_wineserver -k 2>/dev/null || true
  vespin_wineserver -w 2>/dev/null || true
  vespin_xvfb_stop
}

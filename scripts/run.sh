#!/usr/bin/env bash
# Installs what is missing, builds Vespin and starts it under Wine on $DISPLAY, with sound,
# detached from the terminal (--foreground keeps it attached). Its settings live in a Wine prefix
# in ${XDG_DATA_HOME:-~/.local/share}/vespin, outside the checkout.
# Without a display it runs Vespin on a private Xvfb for a few seconds, saves a
# screenshot to the build folder and ends Vespin through its own exit command.
# --install adds Vespin to the desktop's autostart and application menu; --uninstall removes both.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 [--foreground | --install | --uninstall]" >&2
  echo "  (none)        build Vespin and start it under Wine, detached from this terminal" >&2
  echo "  --foreground  the same, but Vespin stays attached to this terminal" >&2
  echo "  --install     start Vespin at login and list it in the application menu" >&2
  echo "  --uninstall   remove those two entries again (the settings stay)" >&2
}
mode=${1:-run}
case "$mode" in
  run | --foreground | --install | --uninstall) [ $# -le 1 ] || { usage; exit 2; } ;;
  -h | --help) usage; exit 0 ;;
  *) usage; exit 2 ;;
esac

root=$(pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}/vespin
autostart_entry=${XDG_CONFIG_HOME:-$HOME/.config}/autostart/vespin.desktop
menu_entry=${XDG_DATA_HOME:-$HOME/.local/share}/applications/vespin.desktop

# Only entries this script wrote carry this key; anything else of the same name is left alone.
entry_mark=X-Vespin-Checkout

if [ "$mode" = --uninstall ]; then
  for entry in "$autostart_entry" "$menu_entry"; do
    if [ ! -e "$entry" ]; then
      echo "run: $entry was not there"
    elif grep -q "^$entry_mark=" "$entry"; then
      rm -f "$entry" && echo "run: removed $entry"
    else
      echo "run: left $entry alone: Vespin's run script did not write it"
    fi
  done
  echo "run: Vespin's settings stay in $data (delete that folder to remove them as well)"
  exit 0
fi

./scripts/setup.sh
source scripts/wine-env.sh
# The user's own prefix: settings survive from one run to the next, as on Windows, and outlive build/.
export WINEPREFIX=$data/wineprefix

# Before a build of minutes, and before Wine, which would end silently on a display it cannot open.
if [ "$mode" != --install ] && [ -n "${DISPLAY:-}" ] && ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  user=$(id -un)
  echo "run: cannot open the display $DISPLAY as $user; Vespin was not started. Either:" >&2
  echo "  - run this as the user of that desktop (not through su or sudo), or let $user in" >&2
  echo "    from a terminal of the desktop: xhost +si:localuser:$user" >&2
  echo "  - or set DISPLAY to the desktop's own display, for example: export DISPLAY=:0" >&2
  echo "  - or unset DISPLAY: Vespin then runs a few seconds on a private screen" >&2
  exit 1
fi

bin=build/$VESPIN_PRESET/bin
echo "run: building Vespin in build/$VESPIN_PRESET (under a minute the first time)"
if ! configure_log=$(cmake --preset "$VESPIN_PRESET" 2>&1); then
  echo "$configure_log" >&2
  echo "run: CMake could not set up build/$VESPIN_PRESET; Vespin was not started" >&2
  exit 1
fi
# make's progress lines and the compiler's messages, without the lines of targets already built.
if ! cmake --build --preset "$VESPIN_PRESET" --target vespin vespinctl 2>&1 |
     sed -u -E '/^(\[ *[0-9]+%\] Built target |Consolidate compiler generated dependencies)/d'; then
  echo "run: the build failed (the errors are above); Vespin was not started" >&2
  exit 1
fi
[ "$VESPIN_PRESET" = win32 ] || echo "run: this kernel runs no 32-bit code; starting the 64-bit build of Vespin"

# A wineserver whose folder is named after this prefix's device and inode runs in it.
prefix_in_use() {
  local dir p
  dir=server-$(stat -c %D "$1")-$(printf %x "$(stat -c %i "$1")")
  for p in /proc/[0-9]*; do
    case $(cat "$p/comm" 2>/dev/null) in wineserver*) ;; *) continue ;; esac
    [ "$(basename "$(readlink "$p/cwd" 2>/dev/null)")" != "$dir" ] || return 0
  done
  return 1
}

# The prefix of earlier versions of this script lived in build/; its settings move out once.
moved_prefix=
old_prefix=$root/build/$VESPIN_PRESET/wineprefix-run
if [ ! -e "$WINEPREFIX" ] && [ -d "$old_prefix" ]; then
  if prefix_in_use "$old_prefix"; then
    echo "run: Vespin still runs from $old_prefix; end it (its menu 終了) and run this again" >&2
    exit 1
  fi
  mkdir -p "$data"
  mv "$old_prefix" "$WINEPREFIX"
  moved_prefix=1
  echo "run: moved Vespin's settings from $old_prefix to $WINEPREFIX, where deleting build/ cannot lose them"
fi

# The tests' prefix, then what a desktop needs: the window manager places and stacks the
# gadget's windows (Managed), and Wine's own tray window stays away where the desktop has no
# tray of its own (ShowSystray); the gadget's menu is on its right click either way.
desktop_prefix_init() {
  [ -f "$WINEPREFIX/.vespin-ready" ] || echo "run: making Vespin's Wine prefix in $WINEPREFIX (about 20 s)"
  vespin_prefix_init
  [ ! -f "$WINEPREFIX/.vespin-desktop" ] || return 0
  env -u DISPLAY "$VESPIN_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d Y /f >/dev/null 2>&1
  env -u DISPLAY "$VESPIN_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v ShowSystray /t REG_SZ /d N /f >/dev/null 2>&1
  # Ended here, so no process of this terminal's session serves the gadget.
  vespin_wineserver -w
  touch "$WINEPREFIX/.vespin-desktop"
}

# One argument of a desktop entry's Exec line: quoted, then escaped once more as a string value.
desktop_arg() {
  local s=$1
  s=${s//\\/\\\\}; s=${s//\"/\\\"}; s=${s//\`/\\\`}; s=${s//\$/\\\$}
  s=${s//\\/\\\\}; s=${s//%/%%}
  printf '"%s"' "$s"
}

# Writes one entry through a temporary file, so a failed write leaves no half entry. $1: path,
# $2: what it is for, then extra lines.
write_entry() {
  local path=$1 purpose=$2; shift 2
  local previous=
  if [ -e "$path" ]; then
    previous=$(sed -n "s/^$entry_mark=//p" "$path")
    if [ -z "$previous" ]; then
      echo "run: left $path alone: it is not one this script wrote" >&2
      return 0
    fi
  fi
  mkdir -p "$(dirname "$path")"
  {
    echo "[Desktop Entry]"
    echo "Type=Application"
    echo "Name=Vespin"
    echo "GenericName=Desktop clock and calendar"
    echo "GenericName[ja]=デスクトップ時計＆日めくりカレンダー"
    echo "Comment=A character with a clock and a tear-off calendar, under Wine"
    echo "Comment[ja]=時計と日めくりカレンダーを表示するキャラクター（Wine で動作）"
    echo "Exec=$exec_line"
    echo "Icon=$icon"
    echo "Terminal=false"
    echo "Categories=Utility;Clock;"
    printf '%s\n' "$@"
    echo "$entry_mark=$root"
  } >"$path.tmp"
  mv -f "$path.tmp" "$path"
  if [ -n "$previous" ] && [ "$previous" != "$root" ]; then
    echo "run: wrote $path ($purpose), replacing the entry of $previous"
  else
    echo "run: wrote $path ($purpose)"
  fi
}

# The entries start a copy of the exe in the data folder, so nothing they need is in the checkout.
# $1 "renew": rewrite only the entries that are there.
install_entries() {
  mkdir -p "$data"
  cp "$bin/vespin.exe" "$data/vespin.exe.tmp" && mv -f "$data/vespin.exe.tmp" "$data/vespin.exe"
  icon=$data/vespin.png
  convert 'res/vespin.ico[0]' "$icon"
  # The environment of a run with a display: code page 932, the private prefix, sound on.
  exec_line="env $(desktop_arg "WINEPREFIX=$WINEPREFIX") WINEARCH=$WINEARCH LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8"
  exec_line+=" WINEDEBUG=-all $(desktop_arg "WINEDLLOVERRIDES=mscoree,mshtml=")"
  exec_line+=" $(desktop_arg "$VESPIN_WINE") $(desktop_arg "$data/vespin.exe")"
  if [ "${1:-}" != renew ] || [ -e "$autostart_entry" ]; then
    write_entry "$autostart_entry" "starts Vespin at login" "X-GNOME-Autostart-enabled=true"
  fi
  if [ "${1:-}" != renew ] || [ -e "$menu_entry" ]; then
    write_entry "$menu_entry" "Vespin in the application menu, under Utility" "StartupNotify=false"
  fi
  echo "run: both start $data/vespin.exe, a copy of this build, under Wine in $WINEPREFIX;"
  echo "run: ./scripts/run.sh --install renews the copy, ./scripts/run.sh --uninstall removes the entries"
}

if [ "$mode" = --install ]; then
  desktop_prefix_init
  install_entries
  exit 0
fi
# Entries written before the move still name the old prefix and the exe in the checkout.
if [ -n "$moved_prefix" ] && grep -qs "^$entry_mark=" "$autostart_entry" "$menu_entry"; then
  echo "run: renewing the desktop entries, which named the old place"
  desktop_prefix_init
  install_entries renew
fi

stop_hint() {
  echo "run: its settings live in $WINEPREFIX (the registry key HKCU\\Software\\Brimholt\\Vespin)"
  echo "run: to stop it, right-click her and choose 終了, or run:"
  printf '  WINEPREFIX=%q WINEDEBUG=-all %q %q exit\n' "$WINEPREFIX" "$VESPIN_WINE" "$root/$bin/vespinctl.exe"
}

if [ -n "${DISPLAY:-}" ]; then
  desktop_prefix_init
  # The tests and the headless run keep Wine's audio drivers off; here the time signal is heard.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$mode" = --foreground ]; then
    echo "run: starting Vespin on $DISPLAY, attached to this terminal"
    stop_hint
    exec "$VESPIN_WINE" "$bin/vespin.exe"
  fi
  # A session of its own: closing the terminal does not end it.
  log=$data/vespin.log
  setsid "$VESPIN_WINE" "$root/$bin/vespin.exe" >"$log" 2>&1 </dev/null &
  pid=$!
  # Its window (or that of a copy already running), or its end, whichever comes first.
  shown=
  for _ in $(seq 300); do
    if xdotool search --onlyvisible --classname '^vespin\.exe$' >/dev/null 2>&1; then shown=1; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ -n "$shown" ]; then
    echo "run: Vespin is running on $DISPLAY, detached from this terminal (its output goes to $log)"
  elif ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    echo "run: Vespin ended (status $status) without showing its window; its output, from $log:" >&2
    tail -n 20 "$log" >&2
    exit 1
  else
    echo "run: Vespin has started but not shown its window within a minute; its output goes to $log"
  fi
  stop_hint
  exit 0
fi

trap 'vespin_session_stop' EXIT
vespin_session_start 24
"$VESPIN_WINE" "$bin/vespin.exe" &
vespin_pid=$!
sleep "${VESPIN_RUN_SECONDS:-5}"
shot=$VESPIN_ROOT/build/screenshot.png
import -window root "$shot"
"$VESPIN_WINE" "$bin/vespinctl.exe" exit
wait "$vespin_pid" || true
echo "run: Vespin ran on a private screen; screenshot saved to $shot"

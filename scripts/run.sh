#!/usr/bin/env bash
# Installs what is missing, builds Vespin and starts it under Wine on $DISPLAY, with sound.
# Without a display it runs Vespin on a private Xvfb for a few seconds, saves a
# screenshot to the build folder and ends Vespin through its own exit command.
# --install adds Vespin to the desktop's autostart and application menu; --uninstall removes both.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 [--install | --uninstall]" >&2
  echo "  (none)       build Vespin and start it under Wine" >&2
  echo "  --install    start Vespin at login and list it in the application menu" >&2
  echo "  --uninstall  remove those two entries again (settings and prefix stay)" >&2
}
mode=${1:-run}
case "$mode" in
  run | --install | --uninstall) [ $# -le 1 ] || { usage; exit 2; } ;;
  -h | --help) usage; exit 0 ;;
  *) usage; exit 2 ;;
esac

root=$(pwd)
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
  exit 0
fi

./scripts/setup.sh
source scripts/wine-env.sh
# The user's own prefix: settings survive from one run to the next, as on Windows.
export WINEPREFIX=$VESPIN_ROOT/build/$VESPIN_PRESET/wineprefix-run

cmake --preset "$VESPIN_PRESET" >/dev/null
cmake --build --preset "$VESPIN_PRESET" --target vespin vespinctl 2>&1 | grep -E 'error|warning' || true
bin=build/$VESPIN_PRESET/bin
[ "$VESPIN_PRESET" = win32 ] || echo "run: this kernel runs no 32-bit code; starting the 64-bit build of Vespin"

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

if [ "$mode" = --install ]; then
  vespin_prefix_init
  icon=$root/build/$VESPIN_PRESET/vespin.png
  convert 'res/vespin.ico[0]' "$icon"
  # The environment of a run with a display: code page 932, the private prefix, sound on.
  exec_line="env $(desktop_arg "WINEPREFIX=$WINEPREFIX") WINEARCH=$WINEARCH LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8"
  exec_line+=" WINEDEBUG=-all $(desktop_arg "WINEDLLOVERRIDES=mscoree,mshtml=")"
  exec_line+=" $(desktop_arg "$VESPIN_WINE") $(desktop_arg "$root/$bin/vespin.exe")"
  write_entry "$autostart_entry" "starts Vespin at login" "X-GNOME-Autostart-enabled=true"
  write_entry "$menu_entry" "Vespin in the application menu, under Utility" "StartupNotify=false"
  echo "run: both start $bin/vespin.exe under Wine in $WINEPREFIX; ./scripts/run.sh --uninstall removes them"
  exit 0
fi

if [ -n "${DISPLAY:-}" ]; then
  vespin_prefix_init
  # The tests and the headless run keep Wine's audio drivers off; here the time signal is heard.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  exec "$VESPIN_WINE" "$bin/vespin.exe"
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

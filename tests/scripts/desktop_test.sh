#!/usr/bin/env bash
# The gadget on a desktop with a window manager (openbox on a private Xvfb), started by run.sh as
# a user starts it: managed, with no frame, off the task list, on one workspace, above other
# windows only with 常に手前に表示 (bTopMost) on, and no window of Wine's own tray.
set -uo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
fail() { echo "test: $*" >&2; exit 1; }
# Under build/, so that the copy of the tests' prefix can share its files.
tmp=$(mktemp -d "$VESPIN_ROOT/build/desktop-test.XXXXXX")
prefix=$tmp/vespin/wineprefix
trap '[ -z "${wm:-}" ] || kill "$wm"; WINEPREFIX=$prefix vespin_wineserver -k 2>/dev/null; vespin_xvfb_stop; rm -rf "$tmp"' EXIT
vespin_prefix_init
vespin_prefix_copy "$WINEPREFIX" "$prefix" || fail "could not copy the prefix"
export WINEPREFIX=$prefix XDG_DATA_HOME=$tmp HOME=$tmp
vespin_xvfb_start 24 || fail "Xvfb did not start"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!

wait_for() { for _ in $(seq 150); do eval "$1" && return 0; sleep 0.2; done; return 1; }
gadget() {
  for w in $(xprop -root _NET_CLIENT_LIST | sed 's/.*#//; s/,/ /g'); do
    xprop -id "$w" WM_CLASS | grep -q '"vespin.exe"' && echo "$w"
  done
}
wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

for top in 0 1; do
  if [ "$top" = 1 ]; then
    env -u DISPLAY "$VESPIN_WINE" reg add 'HKCU\Software\Brimholt\Vespin\Option' /v bTopMost /t REG_DWORD /d 1 /f >/dev/null 2>&1
    vespin_wineserver -w
  fi
  out=$(timeout 120 "$VESPIN_ROOT/scripts/run.sh" 2>&1) || fail "run.sh failed: $out"
  grep -q "settings live in $prefix" <<<"$out" || fail "run.sh did not say where the settings live: $out"
  wait_for '[ -n "$(gadget)" ]' || fail "the window manager does not manage the gadget's window"
  state=$(xprop -id "$(gadget)" _NET_WM_STATE _NET_FRAME_EXTENTS _NET_WM_DESKTOP)
  grep -q ' = 0, 0, 0, 0$' <<<"$state" || fail "the gadget has a frame: $state"
  grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" || fail "the gadget is in the task list: $state"
  ! grep -qE 'STICKY|_NET_WM_DESKTOP.* = 4294967295' <<<"$state" || fail "the gadget is on every workspace: $state"
  [ "$(grep -c _NET_WM_STATE_ABOVE <<<"$state")" = "$top" ] || fail "bTopMost $top, yet: $state"
  ! xdotool search --onlyvisible --name '^Wine System Tray$' >/dev/null || fail "Wine's own tray window shows"
  "$VESPIN_WINE" "$VESPIN_ROOT/build/$VESPIN_PRESET/bin/vespinctl.exe" exit
  wait_for '[ -z "$(gadget)" ]' || fail "the gadget did not end on vespinctl's exit"
done
echo "test: on a desktop the gadget is managed, frameless, off the task list, on one workspace, on top only when asked"

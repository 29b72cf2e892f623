#!/usr/bin/env bash
# Installs what is missing, builds Vespin and starts it under Wine on $DISPLAY.
# Without a display it runs Vespin on a private Xvfb for a few seconds, saves a
# screenshot to the build folder and ends Vespin through its own exit command.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
source scripts/wine-env.sh
# The user's own prefix: settings survive from one run to the next, as on Windows.
export WINEPREFIX=$VESPIN_ROOT/build/$VESPIN_PRESET/wineprefix-run

cmake --preset "$VESPIN_PRESET" >/dev/null
cmake --build --preset "$VESPIN_PRESET" --target vespin vespinctl 2>&1 | grep -E 'error|warning' || true
bin=build/$VESPIN_PRESET/bin
[ "$VESPIN_PRESET" = win32 ] || echo "run: this kernel runs no 32-bit code; starting the 64-bit build of Vespin"

if [ -n "${DISPLAY:-}" ]; then
  vespin_prefix_init
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

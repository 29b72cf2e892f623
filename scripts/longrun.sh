#!/usr/bin/env bash
# The long run (not a test): 100,000 timer ticks through the real window procedure under Wine,
# the property sheet and the About box opened every 500, with GDI and USER capacity and resident
# memory before and after. $1: ticks (default 100000).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
cmake --preset "$VESPIN_PRESET" >/dev/null
cmake --build --preset "$VESPIN_PRESET" --target longrun >/dev/null
trap vespin_session_stop EXIT
vespin_session_start 24
"$VESPIN_WINE" "build/$VESPIN_PRESET/bin/longrun.exe" "${1:-100000}"

#!/usr/bin/env bash
# Runs a Windows program as wine-run.sh does, but in a copy of the prefix whose display scale
# is $1 DPI. The copy is made for the run and removed after it, with its own wineserver.
source "$(dirname "$0")/wine-env.sh"
dpi=$1
shift
vespin_prefix_init
copy="$WINEPREFIX-dpi$dpi"
vespin_prefix_copy "$WINEPREFIX" "$copy" || exit 1
export WINEPREFIX=$copy
trap 'vespin_wineserver -k 2>/dev/null; vespin_wineserver -w 2>/dev/null; rm -rf "$copy"' EXIT
"$VESPIN_WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# The scale is read when the wineserver starts.
vespin_wineserver -k 2>/dev/null
vespin_wineserver -w 2>/dev/null
"$VESPIN_WINE" "$@"

#!/usr/bin/env bash
# Runs a Windows program as wine-run.sh does, but in a copy of the prefix whose display scale
# is $1 DPI. The copy is made once; its own wineserver is ended when the program has run.
source "$(dirname "$0")/wine-env.sh"
dpi=$1
shift
vespin_prefix_init
copy="$WINEPREFIX-dpi$dpi"
if [ ! -f "$copy/.vespin-dpi" ]; then
  rm -rf "$copy"
  cp -a "$WINEPREFIX" "$copy"
  WINEPREFIX=$copy "$VESPIN_WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # The scale is read when the wineserver starts.
  WINEPREFIX=$copy vespin_wineserver -k 2>/dev/null
  WINEPREFIX=$copy vespin_wineserver -w 2>/dev/null
  touch "$copy/.vespin-dpi"
fi
export WINEPREFIX=$copy
"$VESPIN_WINE" "$@"
status=$?
vespin_wineserver -k 2>/dev/null
vespin_wineserver -w 2>/dev/null
exit $status

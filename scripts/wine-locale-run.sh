#!/usr/bin/env bash
# Runs a Windows program as wine-run.sh does, but with the Unix locale $1 (C.UTF-8 gives Wine's
# English code page 1252), in a copy of the prefix made once; its own wineserver is ended after.
source "$(dirname "$0")/wine-env.sh"
locale=$1
shift
vespin_prefix_init
copy="$WINEPREFIX-${locale%%.*}"
export VESPIN_LANG=$locale LANG=$locale LC_ALL=$locale
if [ ! -f "$copy/.vespin-locale" ]; then
  rm -rf "$copy"
  cp -a "$WINEPREFIX" "$copy"
  touch "$copy/.vespin-locale"
fi
export WINEPREFIX=$copy
"$VESPIN_WINE" "$@"
status=$?
vespin_wineserver -k 2>/dev/null
vespin_wineserver -w 2>/dev/null
exit $status

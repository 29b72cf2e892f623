#!/usr/bin/env bash
# Runs a Windows program as wine-run.sh does, but with the Unix locale $1 (C.UTF-8 gives Wine's
# English code page 1252), in a copy of the prefix made for the run and removed after it, with
# its own wineserver.
source "$(dirname "$0")/wine-env.sh"
locale=$1
shift
vespin_prefix_init
export VESPIN_LANG=$locale LANG=$locale LC_ALL=$locale
copy="$WINEPREFIX-locale-${locale%%.*}"
vespin_prefix_copy "$WINEPREFIX" "$copy" || exit 1
export WINEPREFIX=$copy
trap 'vespin_wineserver -k 2>/dev/null; vespin_wineserver -w 2>/dev/null; rm -rf "$copy"' EXIT
"$VESPIN_WINE" "$@"

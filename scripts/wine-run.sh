#!/usr/bin/env bash
# Runs a Windows program under Vespin's Wine environment; ctest uses it as the emulator.
source "$(dirname "$0")/wine-env.sh"
vespin_prefix_init
exec "$VESPIN_WINE" "$@"

#!/usr/bin/env bash
# Runs a Windows program as wine-run.sh does, with its wall clock, and that of every process it
# starts, reading $1 (local time, for example "2024-06-05 14:59:57") as each starts. The preloaded
# shim (tests/clock/clock_shim.c) is built here for both architectures; Wine's trace of the sounds
# played goes to the file VESPIN_SOUND_LOG names as well as to the error output.
source "$(dirname "$0")/wine-env.sh"
at=$(date -d "$1" +%s) || exit 1
shift
lib=$VESPIN_ROOT/build/clockshim src=$VESPIN_ROOT/tests/clock/clock_shim.c
for arch in i386 x86_64; do
  mkdir -p "$lib/lib/$arch-linux-gnu"
  if [ ! "$lib/lib/$arch-linux-gnu/clock_shim.so" -nt "$src" ]; then
    gcc "$([ $arch = i386 ] && echo -m32 || echo -m64)" -shared -fPIC -O2 -Wall -Wextra -Werror \
      -o "$lib/lib/$arch-linux-gnu/clock_shim.so" "$src" -ldl || exit 1
  fi
done
vespin_prefix_init
export VESPIN_CLOCK_AT=$at
export WINEDEBUG=${WINEDEBUG:--all},trace+winmm
log=${VESPIN_SOUND_LOG:-/dev/null}
: >"$log"
# ld.so puts each process's own library folder in for $LIB, so both loaders find their build.
LD_PRELOAD="$lib/\$LIB/clock_shim.so" exec "$VESPIN_WINE" "$@" 2> >(tee "$log" >&2)

#!/usr/bin/env bash
# Prints every performance figure of docs/performance.md in one run: the blend core against memcpy,
# PaintWindow with the page shown and hidden, the save, the running gadget's CPU time over 60 s
# (the aside options off, then on) and its resident memory, launch to first paint, the month
# calendar's opening, and the size of the shipped
# exe. Measures; asserts nothing.
#   scripts/bench.sh [--tree DIR]   DIR: another checkout to measure (its builds), default this one
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tree=$here
if [ "${1:-}" = --tree ]; then tree=$(cd "$2" && pwd); fi
cd "$tree"
# The figures are those of the 64-bit build under 64-bit Wine, wherever 32-bit code runs or not.
export VESPIN_WINE_ARCH=win64
source "$here/scripts/wine-env.sh"
export WINEPREFIX=$here/build/win64/wineprefix-bench
# The Win32 tests' own build runs the program's code with checks; the timings want it as shipped.
bin=$tree/build/win64-bench/bin

echo "== build"
for preset in host win32; do
  cmake --preset "$preset" >/dev/null
done
cmake --preset win64 -B build/win64-bench -DVESPIN_TEST_CHECKS=OFF >/dev/null
cmake --build --preset host --target vespin_bench 2>&1 | grep -E 'error|warning' || true
cmake --build build/win64-bench --target vespin vespin_wintests launchtime monthtime 2>&1 | grep -E 'error|warning' || true
cmake --build --preset win32 --target vespin 2>&1 | grep -E 'error|warning' || true
# The paint count and the exit go through this checkout's own vespinctl, whatever tree is measured.
(cd "$here" && cmake --preset win64 >/dev/null && cmake --build --preset win64 --target vespinctl 2>&1 |
   grep -E 'error|warning' || true)
ctl=$here/build/win64/bin/vespinctl.exe

echo "== machine"
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) cores;" \
     "$(. /etc/os-release && echo "$PRETTY_NAME"); $("$VESPIN_WINE" --version 2>/dev/null || echo wine)"

echo "== BlendDib core (host, -O2; medians of 9 repetitions, CPU time)"
build/host/vespin_bench --benchmark_color=false 2>/dev/null | grep -E 'BM_Blend[A-Za-z]+: '

echo "== exe size"
echo "vespin.exe (i686, static, stripped): $(stat -c %s build/win32/bin/vespin.exe) bytes"

trap 'vespin_session_stop' EXIT
vespin_session_start 24

echo "== the paint (64-bit build under Wine, into a 24-bit DIB)"
"$VESPIN_WINE" "$bin/vespin_wintests.exe" --gtest_also_run_disabled_tests \
  --gtest_filter='*PaintTiming*' 2>/dev/null | grep '^Paint' || true

echo "== the save of the settings (64-bit build under Wine, the real registry)"
"$VESPIN_WINE" "$bin/vespin_wintests.exe" --gtest_also_run_disabled_tests \
  --gtest_filter='*SaveTiming*' 2>/dev/null | grep '^Save' || true

# CPU time of a process in nanoseconds, summed over its threads (the scheduler's own count,
# not the 10 ms ticks, which a process that wakes in step with the tick escapes).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%.0f", n}'; }
rss() { awk '/^VmRSS/ {print $2 " kB"}' "/proc/$1/status"; }
# The wineserver of this prefix: its working directory is named after the prefix's device and inode.
server_dir=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
server_pid=
for p in $(pgrep wineserver || true); do
  [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$server_dir" ] && server_pid=$p
done

# Wine's server wakes every 16 ms whatever runs; what it spends with nothing of ours running is
# its floor, and the gadget is charged only for what it adds above it.
measure_floor() {
  sleep 20  # the session's own start-up settles
  local s0 t0 s1 t1
  s0=$(cpu_ns "${server_pid:-0}"); t0=$(date +%s.%N)
  sleep 60
  s1=$(cpu_ns "${server_pid:-0}"); t1=$(date +%s.%N)
  floor=$(awk -v s="$((s1 - s0))" -v t0="$t0" -v t1="$t1" 'BEGIN { printf "%.3f", 100 * s / 1e9 / (t1 - t0) }')
  echo "wineserver with nothing of Vespin running, over 60 s: $floor % of one core"
}

# Runs Vespin for 60 s and prints the CPU time of it and of its wineserver. $1: what is measured.
idle_cpu() {
  "$VESPIN_WINE" "$bin/vespin.exe" &
  vespin_pid=$!
  sleep 5
  [ "$1" = "default settings" ] && echo "resident memory after start: $(rss $vespin_pid)"
  local v0 s0 t0 v1 s1 t1
  v0=$(cpu_ns $vespin_pid); s0=$(cpu_ns "${server_pid:-0}"); t0=$(date +%s.%N)
  sleep 60
  v1=$(cpu_ns $vespin_pid); s1=$(cpu_ns "${server_pid:-0}"); t1=$(date +%s.%N)
  awk -v v="$((v1 - v0))" -v s="$((s1 - s0))" -v t0="$t0" -v t1="$t1" -v what="$1" -v floor="$floor" 'BEGIN {
    wall = t1 - t0; pv = 100 * v / 1e9 / wall; ps = 100 * s / 1e9 / wall
    printf "CPU time over %.0f s, %s: %.3f %% of one core for the process + %.3f %% in wineserver" \
           " = %.3f %%; above the floor, the gadget costs %.3f %%\n", wall, what, pv, ps, pv + ps, pv + ps - floor }'
}

key='HKCU\Software\Brimholt\Vespin\Option'
echo "== the running gadget (page shown, blinking)"
"$VESPIN_WINE" reg delete 'HKCU\Software\Brimholt\Vespin' /f >/dev/null 2>&1 || true
measure_floor
idle_cpu "default settings"
p0=$(date +%s.%N)
"$VESPIN_WINE" "$ctl" paint 10000
echo "10,000 timer ticks sent to it, each drawing what changed, in $(awk -v a="$p0" -v b="$(date +%s.%N)" 'BEGIN {printf "%.1f", b - a}') s"
echo "resident memory after 10,000 more paints: $(rss $vespin_pid)"
"$VESPIN_WINE" "$ctl" exit
wait "$vespin_pid" || true
# Character 2, the one whose blinks show, and no rotation away from it.
"$VESPIN_WINE" reg add "$key" /v nDrawChara /t REG_DWORD /d 2 /f >/dev/null 2>&1
"$VESPIN_WINE" reg add "$key" /v nChangeTiming /t REG_DWORD /d 13 /f >/dev/null 2>&1
idle_cpu "character 2 (visible blinks), no rotation"
"$VESPIN_WINE" "$ctl" exit
wait "$vespin_pid" || true
# Default settings but the three aside options on (click-through, the fade at 50 %, stepping aside),
# the pointer away from the gadget: the tick's look at the pointer and at the window in front is
# all they add. Beside the first figure, it is their cost.
"$VESPIN_WINE" reg delete 'HKCU\Software\Brimholt\Vespin' /f >/dev/null 2>&1 || true
for option in bClickThrough=1 nFadeOnHover=50 bHideFullScreen=1; do
  "$VESPIN_WINE" reg add "$key" /v "${option%=*}" /t REG_DWORD /d "${option#*=}" /f >/dev/null 2>&1
done
xdotool mousemove 1000 700
idle_cpu "default settings with the three aside options on, the pointer elsewhere"
"$VESPIN_WINE" "$ctl" exit
wait "$vespin_pid" || true

# The same at twice the scale: Wine takes the DPI from LogPixels when its server starts.
echo "== at 192 DPI (the gadget at 2x)"
vespin_session_stop
"$VESPIN_WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
vespin_wineserver -k 2>/dev/null || true
vespin_session_start 24
for p in $(pgrep wineserver || true); do
  [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$server_dir" ] && server_pid=$p
done
"$VESPIN_WINE" "$bin/vespin_wintests.exe" --gtest_also_run_disabled_tests \
  --gtest_filter='*PaintTiming*' 2>/dev/null | grep '^Paint' || true
"$VESPIN_WINE" reg delete 'HKCU\Software\Brimholt\Vespin' /f >/dev/null 2>&1 || true
measure_floor
idle_cpu "default settings at 2x"
"$VESPIN_WINE" "$ctl" exit
wait "$vespin_pid" || true
"$VESPIN_WINE" reg delete 'HKCC\Software\Fonts' /v LogPixels /f >/dev/null 2>&1 || true
vespin_session_stop
vespin_session_start 24

echo "== launch to the first painted panel"
"$VESPIN_WINE" "$bin/launchtime.exe" 15
echo "== the month calendar, from its menu command to its painted window"
"$VESPIN_WINE" "$bin/monthtime.exe" 25

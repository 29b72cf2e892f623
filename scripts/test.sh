#!/usr/bin/env bash
# Installs what is missing, builds Vespin and runs every test: the host unit tests,
# then the Win32 and end-to-end tests under Wine on a private Xvfb, then the tests of the scripts.
# Prints the output of every failing test; the whole log stays in build/test.log.
# Ends with one line: "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh || exit 1
source scripts/wine-env.sh

passed=0
failed=0
mkdir -p build
log=build/test.log
: >"$log"
part=$(mktemp /tmp/vespin-test.XXXXXX)
trap 'vespin_session_stop; vespin_two_monitor_session_stop; rm -f "$part"' EXIT

# Adds the counts of one ctest run to the totals; a run that never reported counts as a failure.
count_ctest() {
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$part" | tail -n 1)
  if [ -z "$line" ]; then
    if grep -q 'No tests were found' "$part"; then return; fi
    failed=$((failed + 1)); echo "test: $1 reported no result" >&2; return
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

# Each failing test of a ctest run, its result line and its output, up to the next test's start.
print_failures() {
  awk '/^ *Start +[0-9]+:/ || / Test +#[0-9]+: / || /tests passed, [0-9]+ tests? failed/ { shown = 0 }
       / Test +#[0-9]+: .*(\*\*\*|Not Run)/ && !/\(Disabled\)/ { shown = 1; n = 0 }
       shown && n++ < 300' "$part"
  sed -n '/The following tests FAILED/,$p' "$part"
}

run_ctest() {
  local name=$1; shift
  echo "== $name" | tee -a "$log"
  ctest "$@" --output-on-failure >"$part" 2>&1
  cat "$part" >>"$log"
  print_failures
  count_ctest "$name"
  grep -E 'tests passed, [0-9]+ tests? failed|No tests were found' "$part" | tail -n 1
}

build() {
  cmake --preset "$1" >"$part" 2>&1 && cmake --build --preset "$1" >>"$part" 2>&1
  local status=$?
  cat "$part" >>"$log"
  grep -E 'error|warning|Error' "$part" | head -40
  return $status
}

# One check that is a command of its own: counted as one test, its output shown when it fails.
run_check() {
  local name=$1; shift
  echo "-- $name" >>"$log"
  if "$@" >"$part" 2>&1; then
    passed=$((passed + 1))
    tail -n 1 "$part"
  else
    failed=$((failed + 1))
    echo "test: $name failed:"
    cat "$part"
  fi
  cat "$part" >>"$log"
}

echo "== build host"
if build host; then
  run_ctest "host unit tests" --test-dir build/host -j2
else
  failed=$((failed + 1)); echo "test: host build failed" >&2
fi

# The shipped program is the 32-bit build; check it is a static PE32 GUI program and that its
# version resource and manifest carry the project version.
echo "== build win32"
if build win32; then
  run_check "check-exe" scripts/check-exe.sh build/win32/bin/vespin.exe
  run_check "check-version" scripts/check-version.py build/win32
else
  failed=$((failed + 1)); echo "test: win32 build failed" >&2
fi

# The same commit gives the same release zip, byte for byte: release.sh in two fresh clones
# of HEAD (35 to 60 s on the 2-core development VM).
echo "== release twice"
run_check "release-check" scripts/release-check.sh

if [ "$VESPIN_PRESET" != win32 ]; then
  echo "== build $VESPIN_PRESET (this kernel runs no 32-bit code; Wine runs the 64-bit build of the same sources)"
  build "$VESPIN_PRESET" || { failed=$((failed + 1)); echo "test: $VESPIN_PRESET build failed" >&2; }
fi

if [ -f "build/$VESPIN_PRESET/bin/vespin.exe" ]; then
  vespin_session_start 24 || exit 1
  run_ctest "Wine tests (24-bit screen)" --test-dir "build/$VESPIN_PRESET" -E 'LowColour|TwoMonitors' --timeout 120
  vespin_session_stop
  if vespin_two_monitor_session_start; then
    run_ctest "Wine tests (two monitors)" --test-dir "build/$VESPIN_PRESET" -R 'TwoMonitors' --timeout 120
  else
    failed=$((failed + 1)); echo "test: the two-monitor session did not start" >&2
  fi
  vespin_two_monitor_session_stop
  vespin_session_start 8 || exit 1
  run_ctest "Wine tests (8-bit screen)" --test-dir "build/$VESPIN_PRESET" -R 'LowColour' --timeout 120
  vespin_session_stop
fi

# The set-up and run scripts as a user meets them: no root, a display that cannot be opened, a
# build that fails, a desktop with a window manager.
echo "== script tests"
for t in tests/scripts/*_test.sh; do
  run_check "$t" "$t"
done
echo "test: the whole log is in $log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

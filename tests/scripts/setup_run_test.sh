#!/usr/bin/env bash
# setup.sh as a user without root or sudo, and run.sh with a display it cannot open and with a
# build that fails. Nothing is installed or changed: dpkg, id and the rest are stand-ins on PATH,
# and the failing build is made in a copy of the tree.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d /tmp/vespin-script-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "test: $*" >&2; exit 1; }

# A Debian with everything but $MISSING, a user who is not root and no sudo; apt-get only notes
# that it was asked.
mkdir "$tmp/bin"
ln -s "$(command -v grep)" "$tmp/bin/grep"
stub() { printf '#!/bin/sh\n%s\n' "$2" >"$tmp/bin/$1" && chmod +x "$tmp/bin/$1"; }
stub id 'echo 1000'
stub dpkg 'echo i386'
stub dpkg-query '[ "$3" = "$MISSING" ] && exit 1; printf "install ok installed"'
stub locale 'echo ja_JP.utf8'
stub apt-get ": >$tmp/asked; exit 1"
setup() { (cd "$root" && MISSING=$1 PATH=$tmp/bin "$BASH" scripts/setup.sh 2>&1); }

out=$(setup fonts-wine) && fail "setup.sh exited 0 with fonts-wine missing and no way to install it: $out"
grep -qx '  apt-get update && apt-get install -y --no-install-recommends fonts-wine' <<<"$out" ||
  fail "setup.sh did not print the line to run as root: $out"
out=$(setup none) || fail "setup.sh asked for root with nothing missing: $out"
[ ! -e "$tmp/asked" ] || fail "setup.sh ran apt-get"

export HOME=$tmp XDG_DATA_HOME=$tmp/data
n=99
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n - 1)); done
out=$(DISPLAY=:$n "$root/scripts/run.sh" 2>&1) && fail "run.sh exited 0 on display :$n, which does not exist: $out"
grep -q "cannot open the display :$n" <<<"$out" || fail "run.sh did not name the display :$n: $out"

# A copy of the tree whose program does not compile, beside the exe of an earlier build.
tree=$tmp/tree
mkdir "$tree"
tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$tree" -xf - ||
  fail "could not copy the tree"
source "$root/scripts/wine-env.sh"
mkdir -p "$tree/build/$VESPIN_PRESET/bin"
cp "$root/build/$VESPIN_PRESET/bin/"vespin*.exe "$tree/build/$VESPIN_PRESET/bin/" 2>/dev/null
for f in "$tree"/base/*.cpp; do echo 'static_assert(false, "broken on purpose");' >>"$f"; done
out=$(env -u DISPLAY "$tree/scripts/run.sh" 2>&1) && fail "run.sh exited 0 after a failed build: $out"
grep -q 'broken on purpose' <<<"$out" || fail "run.sh did not show the compiler's error: $out"
echo "test: setup.sh needs no root when nothing is missing and says what to run; run.sh stops on a bad display and a failed build"

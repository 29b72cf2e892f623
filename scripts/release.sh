#!/usr/bin/env bash
# Builds the shipped 32-bit vespin.exe afresh and writes dist/vespin-<version>-win32.zip (the exe,
# the read-mes, the licence and the changes) and dist/SHA256SUMS, which names the commit.
# The same commit gives the same zip, byte for byte: the exe has no link time stamp and no
# build paths, and every entry in the zip has the commit's time, in a fixed order.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "release: $*" >&2; exit 1; }

./scripts/setup.sh >/dev/null || fail "could not install what the build needs (see above)"

commit=$(git rev-parse --verify -q HEAD) || fail "no commit to name: run it in a git checkout with at least one commit"
epoch=$(git log -1 --format=%ct "$commit")
branch=$(git symbolic-ref -q --short HEAD || echo "detached head")
dirty=$(git status --porcelain --untracked-files=no)

# A fresh build folder each time: nothing from an earlier build reaches the zip.
build=build/release
log=$(mktemp /tmp/vespin-release.XXXXXX)
trap 'rm -f "$log" "$build/pack.zip" "$build/SHA256SUMS"' EXIT
rm -rf "$build"
echo "release: building vespin.exe (i686) in $build"
if ! { cmake --preset release && cmake --build --preset release; } >"$log" 2>&1; then
  grep -E 'error|Error|CMake Error' "$log" | head -20 >&2 || tail -20 "$log" >&2
  fail "the build failed; nothing was written to dist/"
fi
exe=$build/bin/vespin.exe
scripts/check-exe.sh "$exe" || fail "$exe is not fit to ship; nothing was written to dist/"
scripts/check-version.py "$build" || fail "$exe does not carry the project version; nothing was written to dist/"

version=$(sed -n 's/^#define VESPIN_VERSION_SHOWN *"\(.*\)"$/\1/p' "$build/generated/vespin_version.h")
[ -n "$version" ] || fail "no version in $build/generated/vespin_version.h"
name=vespin-$version-win32.zip

# Packed beside the build and moved into dist/ only when whole.
scripts/pack-zip.py "$build/pack.zip" "$epoch" \
  vespin.exe="$exe" LICENSE.txt=LICENSE \
  README-ja.txt=release/README-ja.txt README-en.txt=release/README-en.txt \
  CHANGELOG.txt=CHANGELOG.md || fail "could not write the zip; nothing was written to dist/"
{
  echo "# Vespin $version for 32-bit Windows, built from commit $commit ($branch)"
  [ -z "$dirty" ] || echo "# The tree had uncommitted changes: this zip is not that commit's own."
  echo "$(sha256sum "$build/pack.zip" | cut -d' ' -f1)  $name"
} >"$build/SHA256SUMS"

mkdir -p dist
rm -f dist/SHA256SUMS
mv -f "$build/pack.zip" "dist/$name"
mv -f "$build/SHA256SUMS" dist/SHA256SUMS
[ -z "$dirty" ] || echo "release: warning: the tree has uncommitted changes; they are in the zip" >&2
echo "release: dist/$name ($(stat -c %s "dist/$name") bytes) from commit ${commit:0:12} ($branch)"
sed -n '$p' dist/SHA256SUMS

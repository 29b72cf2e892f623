#!/usr/bin/env bash
# Checks that a commit gives the same release zip byte for byte: runs release.sh in two fresh
# clones at different paths, each on a detached head, and compares what they wrote.
# Usage: release-check.sh [commit] (default HEAD). scripts/test.sh runs it on HEAD.
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d /tmp/vespin-release-check.XXXXXX)
trap 'rm -rf "$work"' EXIT

for clone in one "second clone"; do
  git clone -q --no-checkout . "$work/$clone"
  git -C "$work/$clone" checkout -q --detach "$commit"
  "$work/$clone/scripts/release.sh" >"$work/$clone.log" 2>&1 || { cat "$work/$clone.log" >&2; exit 1; }
done

zip=$(cd "$work/one/dist" && ls vespin-*-win32.zip)
for clone in one "second clone"; do
  sha256sum "$work/$clone/dist/$zip" | sed "s|  $work/|  |"
  grep -q "commit $commit (detached head)" "$work/$clone/dist/SHA256SUMS" ||
    { echo "release-check: SHA256SUMS of $clone does not name commit $commit" >&2; exit 1; }
done
if cmp -s "$work/one/dist/$zip" "$work/second clone/dist/$zip" &&
   cmp -s "$work/one/dist/SHA256SUMS" "$work/second clone/dist/SHA256SUMS"; then
  echo "release-check: $zip from commit ${commit:0:12} is the same, byte for byte, in both clones"
else
  echo "release-check: the two clones gave different zips of commit ${commit:0:12}" >&2
  exit 1
fi

#!/usr/bin/env bash
# The generator makes the same bytes on every run: two runs into fresh folders
# must give the same files with the same hashes, in every asset folder.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/assetgen" "$work/a"
"$build/assetgen" "$work/b"
(cd "$work/a" && find . -type f | sort | xargs sha256sum) > "$work/a.sums"
(cd "$work/b" && find . -type f | sort | xargs sha256sum) > "$work/b.sums"
count=$(wc -l < "$work/a.sums")
if [ "$count" -eq 0 ]; then
  echo "FAIL: the generator wrote nothing"
  exit 1
fi
for dir in gfx fnt mdl snd mus; do
  if ! grep -q "^[0-9a-f]*  \./$dir/" "$work/a.sums"; then
    echo "FAIL: nothing generated in $dir"
    exit 1
  fi
done
if ! diff "$work/a.sums" "$work/b.sums"; then
  echo "FAIL: two runs differ"
  exit 1
fi
echo "$count files identical over two runs"

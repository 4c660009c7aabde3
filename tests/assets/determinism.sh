#!/usr/bin/env bash
# Two generator runs into fresh folders give the same bytes in every asset folder.
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for run in a b; do
  "$1/assetgen" "$work/$run"
  (cd "$work/$run" && find . -type f | sort | xargs sha256sum) > "$work/$run.sums"
done
for dir in gfx fnt mdl snd mus; do
  grep -q "  \./$dir/" "$work/a.sums" || { echo "FAIL: nothing generated in $dir"; exit 1; }
done
diff "$work/a.sums" "$work/b.sums" || { echo "FAIL: two runs differ"; exit 1; }
echo "$(wc -l < "$work/a.sums") files identical over two runs"

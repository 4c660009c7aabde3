#!/usr/bin/env bash
# Instructions per frame of the floor scene and of the worst scene in each
# view, and of one sky build, counted by callgrind inside the measured
# functions only. llvmpipe draws in the main thread (LP_NUM_THREADS=0), so
# that its work is counted with the game's. The worst scene's warm-up is
# simulated without drawing, then a few frames in the view are drawn uncounted
# so that the driver's shader compiling stays out of the count.
# Usage: callgrind-frame.sh BUILD_DIR [FRAMES]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [FRAMES]}
frames=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

count() {
  local name=$1 toggle=$2
  shift 2
  LP_NUM_THREADS=0 "$here/../../tests/support/with-xvfb.sh" \
    valgrind --tool=callgrind --smc-check=all-non-file --callgrind-out-file="$out/$name" \
    --toggle-collect="$toggle" "$build/drift-hauler-bench-frame" "$@" >/dev/null 2>&1
  awk '/^totals:/ { print $2 }' "$out/$name"
}

total=$(count floor '*measuredFrame*' --scene floor --lead-in 5 --frames "$frames")
echo "floor $((total / frames)) Ir per frame"
for view in 0 1 2 3 4 5 6 7; do
  total=$(count "worst$view" '*measuredFrame*' --scene worst --view "$view" --warmup-drawn 0 --lead-in 5 \
    --frames "$frames")
  echo "worst view $view $((total / frames)) Ir per frame"
done
echo "sky $(count sky '*measuredSkyBuild*' --sky-only) Ir"

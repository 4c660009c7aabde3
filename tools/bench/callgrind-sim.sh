#!/usr/bin/env bash
# Instructions per step of each drift-hauler-bench-sim case, counted by
# callgrind inside the measured step only (a fixed number of steps, set-up
# left out), so two builds compare exactly.
# Usage: callgrind-sim.sh BUILD_DIR [STEPS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [STEPS]}
steps=${2:-20}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for name in 512movers 17shipsNearStation worst; do
  valgrind --tool=callgrind --callgrind-out-file="$out/$name" --toggle-collect='*measured*' \
    "$build/drift-hauler-bench-sim" --count "$name" "$steps" >/dev/null 2>&1
  total=$(awk '/^totals:/ { print $2 }' "$out/$name")
  echo "$name $((total / steps)) Ir per step"
done

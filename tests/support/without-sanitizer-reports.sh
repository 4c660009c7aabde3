#!/usr/bin/env bash
# Runs a command with every sanitizer report of every process it starts (the
# game, whatever its standard error is sent to by the script, and the game's
# children) written into a private folder, and fails when any report was
# written; the reports are then copied to standard error. The end-to-end
# scripts wait three times longer for the slower game to show something.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}log_path=$dir/report"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}log_path=$dir/report"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}log_path=$dir/report"
export DH_E2E_PATIENCE=3
"$@"
rc=$?
reports=("$dir"/report*)
if [ -e "${reports[0]}" ]; then
  for report in "${reports[@]}"; do
    echo "== sanitizer report $(basename "$report"):" >&2
    cat "$report" >&2
  done
  exit 1
fi
exit $rc

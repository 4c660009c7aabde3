#!/usr/bin/env bash
# The start-up as a player sees it, measured on the real game under a private
# Xvfb: from the process's start to the full-screen question's window, and from
# the answer (Escape: No) to the first screenshot that shows the main menu,
# with the time of the screenshot before it (the menu appeared in between). It
# prints them for every run and their medians; a measurement, never a test.
# Usage: tools/bench/startup-e2e.bash BUILD_DIR/drift-hauler [RUNS]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DH_STARTUP_E2E_DISPLAY:-}" ]; then
  DH_STARTUP_E2E_DISPLAY=1 exec "$here/../../tests/support/with-xvfb.sh" "$0" "$@"
fi
runs="${2:-5}"
. "$here/../../tests/e2e/lib.bash"
. "$here/../../tests/e2e/startup_helpers.bash"

now() { date +%s.%N; }
seconds_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { printf "%.3f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The question's window id, once it exists.
question_window() {
    xwininfo -root -tree 2>/dev/null | awk '/"Drift Hauler: Fullscreen mode":/ { print $1; exit }'
}

# lib.bash made a data folder of its own; the runs use fresh ones.
rm -rf "$XDG_DATA_HOME"
to_question=()
to_menu=()
before_menu=()
for run in $(seq "$runs"); do
    # Every run has a fresh data folder holding only the settings file.
    XDG_DATA_HOME=$(mktemp -d)
    HOME="$XDG_DATA_HOME"
    export XDG_DATA_HOME HOME
    write_settings_file
    started=$(now)
    start_game
    question=""
    while [ -z "$question" ]; do
        game_running || fail "run $run: the game ended before its question"
        question=$(question_window)
        [ -n "$question" ] || sleep 0.02
    done
    asked=$(now)
    xdotool windowfocus "$question"
    sleep 0.2
    xdotool key Escape
    answered=$(now)
    without_menu=$answered
    until screenshot startup-e2e && menu_shown startup-e2e; do
        game_running || fail "run $run: the game ended before its main menu"
        without_menu=$(now)
    done
    menu=$(now)
    to_question+=("$(seconds_between "$started" "$asked")")
    to_menu+=("$(seconds_between "$answered" "$menu")")
    before_menu+=("$(seconds_between "$answered" "$without_menu")")
    echo "run $run: question ${to_question[-1]} s, answer to menu ${to_menu[-1]} s" \
         "(the screenshot before it, without the menu, ${before_menu[-1]} s)"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null
    rm -rf "$XDG_DATA_HOME"
done
echo "median: question $(median "${to_question[@]}") s, answer to menu $(median "${to_menu[@]}") s" \
     "(screenshot before it $(median "${before_menu[@]}") s; load $(cut -d' ' -f1-3 /proc/loadavg))"

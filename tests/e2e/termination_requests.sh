#!/usr/bin/env bash
# A termination request (SIGTERM, or SIGINT as Ctrl+C in the terminal sends
# it) ends the game within a second with exit code 0 and no save written:
# while the full-screen question waits for an answer, and at the start menu.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

save_folder="$XDG_DATA_HOME/Quillon Marsh/Drift Hauler"

start_game
wait_for_window "Drift Hauler: Version 1.04" >/dev/null || fail "no game window appeared"
wait_for_question 15 >/dev/null || fail "the full-screen question did not appear"
kill -TERM "$game_pid"
wait_for_exit 1 || fail "the game did not end within a second of SIGTERM during the question"
[ "$exit_code" = 0 ] || fail "exit code $exit_code after SIGTERM during the question"
sleep 0.5
xwininfo -root -tree | grep -q '"Drift Hauler: Fullscreen mode"' && fail "the question stayed on the screen"
echo "SIGTERM during the question: exit code 0"

# A program started in the background by a script has SIGINT ignored; a
# terminal's foreground program has it at its default, as here.
python3 -c 'import os, signal, sys; signal.signal(signal.SIGINT, signal.SIG_DFL); os.execv(sys.argv[1], sys.argv[1:])' "$game" &
game_pid=$!
wait_for_question 15 >/dev/null || fail "the full-screen question did not appear the second time"
kill -INT "$game_pid"
wait_for_exit 1 || fail "the game did not end within a second of SIGINT during the question"
[ "$exit_code" = 0 ] || fail "exit code $exit_code after SIGINT during the question"
echo "SIGINT during the question: exit code 0"

start_game
wait_for_window "Drift Hauler: Version 1.04" >/dev/null || fail "no game window appeared the third time"
question=$(wait_for_question 15) || fail "the full-screen question did not appear the third time"
answer_question "$question" Escape
sleep 2
game_running || fail "the game ended after the question was answered"
kill -TERM "$game_pid"
wait_for_exit 1 || fail "the game did not end within a second of SIGTERM at the start menu"
[ "$exit_code" = 0 ] || fail "exit code $exit_code after SIGTERM at the start menu"
echo "SIGTERM at the start menu: exit code 0"

if [ -d "$save_folder" ] && [ -n "$(ls -A "$save_folder")" ]; then
    fail "the save folder holds files: $(ls "$save_folder")"
fi
echo "no save written"

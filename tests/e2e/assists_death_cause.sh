#!/usr/bin/env bash
# With the flight assists on, "You have been killed" names the cause of death
# on a line of its own under its usual text. A saved Fighter Mark II with one
# unit of shield and an empty hold jumps from Viovio to Mocom (danger 1: at
# most a few computer ships, 16 km off and heading away), arrives 32 km out
# facing the station and flies into it at full throttle. The combat log on
# standard error tells which damage came last; the dialog's third line must
# be that cause's text, centred in the box and as wide as its glyphs.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"
. "$(dirname "$0")/close_helpers.bash"
. "$(dirname "$0")/assists_helpers.bash"

write_start_save "Mira Quell" 1 0,0,0,0,0,0,0,0
write_assists_settings
export DRIFT_HAULER_LOG=combat

# The box's body spans client (100, 225) to (700, 375); its 8-pixel lines are
# centred on client x 400, the text's from row 272 and the cause's from 288.
text_row=272
cause_row=288
flight_shown() { ! is_lit "$1" 0.2 && is_lit "$1" 0.02; }

# Columns of client rows $2..$2+7 with dark text in picture $1, within the
# box's bevelled edges, as "first last", or nothing when there is none.
ink_columns() {
    convert "$out_dir/$1.png" -crop "592x8+$((X + 104))+$((Y + $2))" +repage -colorspace Gray -depth 8 txt:- |
        awk -F'[,:() ]+' 'NR > 1 && $4 < 128 { if (first == "" || $1 < first) first = $1; if ($1 > last) last = $1 }
                           END { if (first != "") print first + 104, last + 104 }'
}

# Whether picture $1's row $2 holds a line of $3 glyphs, 8 pixels each and
# centred on x 400: its ink lies within the glyphs' cells and spans all but
# the cells' margins.
line_of_glyphs() {
    local first last
    read -r first last <<<"$(ink_columns "$1" "$2")"
    [ -n "$first" ] || return 1
    echo "row $2: ink from $first to $last, expected $3 glyphs from $((400 - 4 * $3)) to $((399 + 4 * $3))"
    awk -v f="$first" -v l="$last" -v n="$3" 'BEGIN { left = 400 - 4 * n; right = 399 + 4 * n
        exit !(f >= left && f <= left + 3 && l <= right && l >= right - 3) }'
}

# The line the dialog owes the player's last damage in the combat log: the
# last line for the player's ship whose shield fell to zero or below.
expected_cause() {
    awk '/^combat / && /victim="Fighter Mark II"/ && /shield=(-|0\.000 )/ { last = $0 } END { print last }' "$game_log" |
        awk '{
            for (i = 1; i <= NF; ++i) { split($i, kv, "="); field[kv[1]] = substr($i, length(kv[1]) + 2) }
            closing = field["closing"] < 0 ? -field["closing"] : field["closing"]
            kmh = sprintf("%d", closing * 3.6 + 0.5)
            if (match($0, /cause=laser attacker="[^"]*"/)) {
                name = substr($0, RSTART + 23, RLENGTH - 24)
                print "Laser fire from " (name ~ /^[AEIOU]/ ? "an " : "a ") name
            } else if ($0 ~ /cause=missile/) {
                print "Hit by a missile"
            } else if (match($0, /with="Spacestation"/)) {
                print "Crashed into the Spacestation at " kmh " km/h"
            } else if (match($0, /with="[^"]+"/)) {
                name = substr($0, RSTART + 6, RLENGTH - 7)
                print "Rammed by " (name ~ /^[AEIOU]/ ? "an " : "a ") name " at " kmh " km/h"
            }
        }'
}

start_and_load assists_death
fly_loaded_game
eval "$(xdotool getwindowgeometry --shell "$window")"

# Escape opens the galaxy map centred on Viovio at client (504, 253); Mocom is
# five cells left and two down, at client (299, 367). "Yes" answers the jump
# question, its middle at client (305, 342).
xdotool key Escape
wait_for_picture assists_death_map menu_shown || fail "no galaxy map"
sleep 1
click_at "$window" 299 367
wait_for_picture assists_death_question dialog_shown || fail "no question before the jump"
click_at "$window" 305 342
wait_for_picture assists_death_arrival flight_shown 15 || fail "no flight after the jump"

# Enter raises the target speed by 1500 per second up to the Fighter Mark
# II's 4000; the 32 km take about ten seconds, the fade three more.
hold_key Return 3
started=$SECONDS
wait_for_picture assists_death_message dialog_shown 40 || fail "no message within 40 s of full throttle"
echo "message $((SECONDS - started)) s after full throttle"
sleep 1
screenshot assists_death_message

cause=$(expected_cause)
echo "last damage in the combat log: $(grep '^combat .*victim="Fighter Mark II"' "$game_log" | tail -n1)"
[ -n "$cause" ] || fail "no fatal damage to the player's ship in the combat log"
echo "expected cause line: \"$cause\""
line_of_glyphs assists_death_message "$text_row" 61 || fail "the message's text is not where it belongs"
line_of_glyphs assists_death_message "$cause_row" "${#cause}" || fail "no line of ${#cause} glyphs for \"$cause\""

# "Ok" returns to the main menu.
xdotool windowfocus "$window"
press_key Return
wait_for_picture assists_death_menu menu_shown || fail "no main menu after the message"
close_window "$window"
wait_for_exit 5 || fail "the game did not end after its window closed"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "death message with its cause shown"

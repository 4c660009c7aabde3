#!/usr/bin/env bash
# A machine without sound: once with no sound device (ALSA pointed at a device
# that does not exist) and once with no General MIDI sound font. Each time the
# game starts, New Game reaches the flight, the in-game menu quits back to the
# main menu, and Quit Program ends the game with exit code 0.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

flight_shown() { is_lit "$1" 0.05; }

play_to_the_menu() {
    local name="$1"
    start_to_menu "${name}_menu"

    click_at "$window" 133 122
    wait_for_picture "${name}_name_entry" dialog_shown || fail "$name: no name entry dialog"
    xdotool windowfocus "$window"
    xdotool type --delay 120 "Quiet Ann"
    press_key Return
    skip_intro "${name}_intro"
    wait_for_picture "${name}_flight" flight_shown 15 || fail "$name: the flight did not start"
    sleep 1

    # Escape, then "Quit game" and "Yes" back to the main menu.
    xdotool key Escape
    wait_for_picture "${name}_in_game_menu" menu_shown || fail "$name: no in-game menu"
    sleep 1
    click_at "$window" 133 537
    wait_for_picture "${name}_confirm_quit" dialog_shown || fail "$name: no confirmation"
    click_at "$window" 305 342
    sleep 2
    game_running || fail "$name: the game ended instead of returning to the main menu"

    click_at "$window" 133 537
    wait_for_exit 5 || fail "$name: the game did not end within 5 seconds of Quit Program"
    [ "$exit_code" = 0 ] || fail "$name: exit code $exit_code"
    echo "$name: quit with exit code 0"
}

SDL_AUDIODRIVER=alsa AUDIODEV=nonexistent play_to_the_menu no_device

SDL_SOUNDFONTS=/nonexistent/General-MIDI.sf2 play_to_the_menu no_sound_font

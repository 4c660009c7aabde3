# Helpers for the scripts that fly with the flight assists switched on.
# Sourced after lib.bash and startup_helpers.bash.

# These scripts read small features off the flight view, and a second game
# beside them (or a busy machine) slows its frames: the game's steps are
# capped, so its clock then runs behind the real one, and whatever the game
# is awaited for may take three times as long to show.
patience=$((patience * 3))

# Takes screenshot $1 until the check $2 fails, for up to $3 seconds (default
# 10): for what shows for a while and then goes.
wait_until_gone() {
    local name="$1" check="$2" limit="${3:-10}"
    for _ in $(seq $((limit * patience * 2))); do
        screenshot "$name"
        $check "$name" || return 0
        game_running || return 1
        sleep 0.5
    done
    return 1
}

# The settings file of a player who has switched the assists on.
write_assists_settings() {
    write_settings_file
    printf 'flight_assists=on\n' >> "$XDG_DATA_HOME/Quillon Marsh/Drift Hauler/settings.ini"
}

# Mean brightness (0..255) of region WxH+X+Y of picture $1.
region_brightness() {
    convert "$out_dir/$1.png" -crop "$2" +repage -colorspace Gray -resize 1x1\! -format '%[fx:int(255*r)]' info:
}

# Whether a line of dark text crosses region $2 of picture $1, inside a light
# dialog box: the white box alone is above 235.
text_line_in_box() {
    local v
    v=$(region_brightness "$1" "$2")
    [ "$v" -gt 120 ] && [ "$v" -lt 235 ]
}

# The console along the bottom of the view: its grey buttons, where the intro
# is black.
console_shown() { [ "$(region_brightness "$1" 200x20+540+785)" -gt 40 ]; }
# The intro's title card or its yellow story crawl.
intro_shown() {
    local r g b
    intro_title_shown "$1" && return 0
    read -r r g b <<<"$(region_colour "$1" 600x400+340+200)"
    [ "$r" -gt $((b + 5)) ] && [ "$g" -gt $((b + 5)) ]
}

# Starts a new game for "Ada Vance" with the assists on and returns once the
# flight shows its console (pictures named after $1).
start_new_game_with_assists() {
    write_assists_settings
    start_to_menu "$1_menu"
    click_at "$window" 133 122
    wait_for_picture "$1_name_entry" dialog_shown || fail "no name entry dialog"
    xdotool windowfocus "$window"
    xdotool type --delay 60 "Ada Vance"
    press_key Return
    # A key skips the intro; on a slow machine it may be over before a picture
    # shows it.
    for _ in $(seq 80); do
        screenshot "$1_intro"
        console_shown "$1_intro" && break
        intro_shown "$1_intro" && xdotool key space
        game_running || fail "the game ended during the intro"
        sleep 0.5
    done
    wait_for_picture "$1_flight" console_shown 15 || fail "the flight did not start"
}

# Helpers for driving the start-up: the full-screen question (a message box
# window of its own) and clicks at client coordinates of the game window.
# Sourced after lib.bash.

# Waits up to $1 seconds for the full-screen question; prints its window id.
# The box has no name that xdotool's search reads, so the window tree is asked.
wait_for_question() {
    local limit="${1:-10}" id=""
    for _ in $(seq $((limit * patience * 10))); do
        id=$(xwininfo -root -tree 2>/dev/null | awk '/"Drift Hauler: Fullscreen mode":/ { print $1; exit }')
        [ -n "$id" ] && { echo "$id"; return 0; }
        game_running || return 1
        sleep 0.1
    done
    return 1
}

# Whether picture $1 shows the main menu: its panels light a fifth of it.
menu_shown() { is_lit "$1" 0.2; }

# Starts the game, with its standard error into the file $game_stderr when that
# is set, answers the full-screen question with key $2 (default Escape: No) and
# waits for the main menu, taking screenshots named $1. The game window's id
# goes into $window.
start_to_menu() {
    if [ -n "${game_stderr:-}" ]; then start_game 2> "$game_stderr"; else start_game; fi
    window=$(wait_for_window "Drift Hauler: Version 1.04" 30) || fail "$1: no game window appeared"
    local question
    question=$(wait_for_question 15) || fail "$1: the full-screen question did not appear"
    answer_question "$question" "${2:-Escape}"
    wait_for_picture "$1" menu_shown 15 || fail "$1: no main menu"
}

# Starts openbox as the window manager, its log in $out_dir/$1.log; its pid
# goes into $wm_pid. The caller sets the trap that ends it.
start_openbox() {
    openbox > "$out_dir/$1.log" 2>&1 &
    wm_pid=$!
    sleep 1
    kill -0 "$wm_pid" 2>/dev/null || fail "openbox did not start"
}

# Answers the question in window $1 with key $2 (Return = Yes, Escape = No).
answer_question() {
    xdotool windowfocus "$1"
    sleep 0.2
    xdotool key "$2"
}

# Left click at client pixel ($2, $3) of window $1.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
    sleep 0.3
}

# Holds a key long enough for a dialog that polls the keyboard to see it.
press_key() {
    xdotool keydown "$1"
    sleep 0.3
    xdotool keyup "$1"
    sleep 0.3
}

# Holds key $1 for $2 seconds, for the keys the flight polls every frame.
hold_key() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

# Fails unless the picture $1 has more than $2 of its pixels lit.
expect_lit() {
    local lit
    lit=$(lit_fraction "$1")
    echo "$1: lit fraction $lit"
    awk -v f="$lit" -v m="$2" 'BEGIN { exit !(f > m) }' || fail "$1 shows too little (lit fraction $lit)"
}

# Mean colour of a region WxH+X+Y of picture $1, as "r g b" in 0..255.
region_colour() {
    convert "$out_dir/$1.png" -crop "$2" +repage -resize 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# Takes screenshot $1 until the check $2 (a command) passes, for up to $3
# seconds (default 10), so that a slow machine only makes the test slower.
wait_for_picture() {
    local name="$1" check="$2" limit="${3:-10}"
    for _ in $(seq $((limit * patience * 2))); do
        screenshot "$name"
        $check "$name" && return 0
        game_running || return 1
        sleep 0.5
    done
    return 1
}

# Whether more than $2 of picture $1's pixels are lit.
is_lit() {
    awk -v f="$(lit_fraction "$1")" -v m="$2" 'BEGIN { exit !(f > m) }'
}

# Whether picture $1 shows a light dialog box (the name entry, a question)
# across the middle of the 1280 x 1024 screen.
dialog_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" 150x10+380+530)"
    [ "$r" -gt 170 ] && [ "$g" -gt 170 ] && [ "$b" -gt 170 ]
}

# Whether picture $1 shows the intro's grey title card in the middle.
intro_title_shown() {
    local r g b
    read -r r g b <<<"$(region_colour "$1" 300x40+490+492)"
    [ "$r" -gt 20 ] && [ "$r" = "$b" ]
}

# Whether picture $1 shows the intro: the title card, or the story's yellow
# crawl anywhere in the window (the stars are grey, the flight's sky blue). A
# slow machine may take its first look after the title's five seconds.
intro_shown() {
    intro_title_shown "$1" && return 0
    local r g b
    read -r r g b <<<"$(region_colour "$1" 800x600+240+212)"
    [ "$r" -gt $((b + 1)) ] && [ "$g" -gt $((b + 1)) ]
}

# Waits for the intro to begin (screenshots named $1), then skips it with a key.
skip_intro() {
    wait_for_picture "$1" intro_shown 15 || fail "the intro did not begin"
    xdotool key space
}

# Writes slot 1 of the save folder $saves: a Fighter Mark II commander (named
# $1 if given) in the galaxy's start system, whose cell goes into $cell_x and
# $cell_y.
write_start_save() {
    saves="$XDG_DATA_HOME/Quillon Marsh/Drift Hauler"
    mkdir -p "$saves"
    read -r _ cell_x cell_y _ <<<"$("$bin_dir/drift-hauler-galaxy" start | head -n1 | tr -d ':')"
    "$(dirname "${BASH_SOURCE[0]}")/save_file.py" write "$saves/save1.sav" "$cell_x" "$cell_y" "$@"
}

#!/usr/bin/env bash
# The installed game finds its assets from wherever it is started: from the
# root folder, through a symbolic link, and after its prefix has moved. Each
# time the title picture is drawn, the window carries the class and icon the
# desktop entry names, and closing it ends the game with exit code 0; the
# first time New Game also reaches the flight. A copy without its assets runs
# on without them.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$bin_dir" --prefix "$work/prefix" > /dev/null || fail "cmake --install failed"
write_settings_file

flight_shown() { is_lit "$1" 0.05; }

# The title picture is in colour; a missing one is the grey checkerboard, in
# which red and blue are equal everywhere.
title_colour() {
    convert "$out_dir/$1.png" -crop 400x400+500+300 +repage -format '%[fx:abs(mean.r - mean.b)]' info:
}
title_picture_shown() {
    local colour
    colour=$(title_colour "$1")
    echo "$1: title panel red-blue difference $colour"
    awk -v c="$colour" 'BEGIN { exit !(c > 0.02) }'
}

run_installed() {
    local name="$1" new_game="$2"
    game="$3"
    game_stderr="$work/stderr" start_to_menu "installed_$name"
    title_picture_shown "installed_$name" || { cat "$work/stderr" >&2; fail "$name: the title picture is missing"; }
    [ ! -s "$work/stderr" ] || { cat "$work/stderr" >&2; fail "$name: the game complained"; }

    xprop -id "$window" WM_CLASS | tee "$work/class"
    grep -q '"drift-hauler", "drift-hauler"' "$work/class" || fail "$name: the window class is not drift-hauler"
    xprop -id "$window" _NET_WM_ICON > "$work/icon"
    head -n 2 "$work/icon"
    grep -q 'Icon (64 x 64)' "$work/icon" || fail "$name: the window has no 64 x 64 icon"

    if [ "$new_game" = yes ]; then
        click_at "$window" 133 122
        wait_for_picture "installed_${name}_name" dialog_shown || fail "$name: no name entry dialog"
        xdotool windowfocus "$window"
        xdotool type --delay 120 "Ada Vance"
        press_key Return
        skip_intro "installed_${name}_intro"
        wait_for_picture "installed_${name}_flight" flight_shown 15 || fail "$name: the flight did not start"
    fi

    close_window "$window"
    wait_for_exit 5 || fail "$name: the game did not end within 5 seconds of closing its window"
    [ "$exit_code" = 0 ] || fail "$name: exit code $exit_code"
    echo "$name: closed with exit code 0"
}

cd /
run_installed from_root yes "$work/prefix/bin/drift-hauler"

mkdir "$work/links"
ln -s "$work/prefix/bin/drift-hauler" "$work/links/drift-hauler"
run_installed through_link no "$work/links/drift-hauler"

mv "$work/prefix" "$work/moved"
run_installed moved_prefix no "$work/moved/bin/drift-hauler"

# A copy of the game on its own says once where it looked and runs on with
# checkerboards in place of its pictures.
mkdir -p "$work/alone/bin"
cp "$work/moved/bin/drift-hauler" "$work/alone/bin/"
game="$work/alone/bin/drift-hauler"
game_stderr="$work/stderr" start_to_menu installed_alone
! title_picture_shown installed_alone || fail "alone: a title picture was drawn without assets"
cat "$work/stderr"
[ "$(wc -l < "$work/stderr")" = 1 ] || fail "alone: not one line on standard error"
grep -qF "$work/alone/bin or in $work/alone/share/drift-hauler" "$work/stderr" \
    || fail "alone: the line does not name both places"
close_window "$window"
wait_for_exit 5 || fail "alone: the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "alone: exit code $exit_code"
echo "alone: closed with exit code 0"

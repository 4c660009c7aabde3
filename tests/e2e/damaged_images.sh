#!/usr/bin/env bash
# A copy of the asset folders in which a texture and a model skin are files
# whose headers declare giant images: the game starts, shows the start menu,
# writes one line on standard error for each of them, and its peak resident
# memory stays far below what decoding them would take.
set -u
. "$(dirname "$0")/lib.bash"
. "$(dirname "$0")/startup_helpers.bash"

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$game" "$copy/"
cp -r "$bin_dir/gfx" "$bin_dir/fnt" "$bin_dir/mdl" "$bin_dir/snd" "$bin_dir/mus" "$copy/"
# 34 bytes: a true-colour TGA header declaring 6400 x 61240, then 16 bytes.
printf '\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x19\x38\xef\x20\x28' > "$copy/gfx/star.tga"
head -c 16 /dev/zero >> "$copy/gfx/star.tga"
# 63 bytes: a GIF whose screen and only image declare 14443 x 24887.
{
    printf 'GIF89a\x6b\x38\x37\x61\x80\x00\x00\x00\x00\x00\xff\xff\xff'
    printf '\x2c\x00\x00\x00\x00\x6b\x38\x37\x61\x00\x02\x02\x44\x01\x00'
    head -c 28 /dev/zero
    printf '\x3b'
} > "$copy/mdl/gfx/Cargo.gif"
[ "$(stat -c %s "$copy/gfx/star.tga")" = 34 ] || fail "the crafted TGA is not 34 bytes"
[ "$(stat -c %s "$copy/mdl/gfx/Cargo.gif")" = 63 ] || fail "the crafted GIF is not 63 bytes"

errors="$out_dir/damaged_images.stderr"
write_settings_file
"$copy/drift-hauler" 2>"$errors" &
game_pid=$!
window=$(wait_for_window "Drift Hauler: Version 1.04") || fail "no game window appeared"
question=$(wait_for_question 15) || fail "the full-screen question did not appear"
answer_question "$question" Escape
wait_for_picture damaged_images_menu "is_lit damaged_images_menu 0.2" 30 || fail "the start menu did not appear"
peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status")
echo "peak resident memory: $((peak_kb / 1024)) MiB"
[ "$peak_kb" -lt $((300 * 1024)) ] || fail "peak resident memory ${peak_kb} kB is not under 300 MB"

close_window "$window"
wait_for_exit 5 || fail "the game did not end within 5 seconds of closing its window"
[ "$exit_code" = 0 ] || fail "exit code $exit_code"

echo "standard error:"
cat "$errors"
[ "$(grep -c 'gfx/star.tga' "$errors")" = 1 ] || fail "not exactly one line about the texture"
[ "$(grep -c 'mdl/gfx/Cargo.gif' "$errors")" = 1 ] || fail "not exactly one line about the skin"
[ "$(wc -l < "$errors")" = 2 ] || fail "other lines on standard error"
echo "both refused with one line each"

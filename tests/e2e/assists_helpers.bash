# Helpers for the scripts that fly with the flight assists switched on.
# Sourced after lib.bash and startup_helpers.bash.

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

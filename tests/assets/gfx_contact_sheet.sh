#!/usr/bin/env bash
# Contact sheets to look at (left in the build tree): every texture in the
# game's load order with the extra pictures and both glyph sheets, and the
# flight console put together as the HUD draws it (two texels per unit, bars,
# counts and the speed text in place; normal above, hovered below).
set -euo pipefail
build="$1"
g="$build/gfx"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
mono=/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf
stems="gradientCircle star planet1 planet2 planet3 planet4 planet5 planet6 planet7 planet8 hyperspace1 hyperspace2
particle lens1 lens2 $(printf 'explosion%d ' $(seq 1 18)) beam crosshair target menuTitlePanel menuButtonPanel
money repair cargo missile emp guageSpeeds guageHeatHull buttonHighlight buttonMenu buttonMenuH buttonHome
buttonHomeH buttonMissile buttonMissileH buttonEmp buttonEmpH titlescreen stars1 stars2 stars3 stars4"
files=()
for s in $stems; do files+=("$g/$s.tga"); done
montage -background '#303030' -fill white -font "$font" -label '%t' "${files[@]}" \
  "$build/fnt/main.tga" "$build/fnt/big.tga" -geometry 128x128+4+4 -tile 10x "$build/contact-sheet-gfx.png"

# Console: x from c-192 to c+192 and y from H-64 to H, at 2 px a unit. Heat
# 30 (h), shield 40 (k), full throttle at half speed, 3 missiles, 12 bombs.
console() {
  local hover="$1" out="$2" h=30 k=40
  convert -size 768x128 gradient:'#101830-#304050' \
    "$g/guageSpeeds.tga" -geometry +128+0 -composite \
    -fill '#00ff00' -draw "rectangle 256,48 511,55" -draw "rectangle 256,40 383,47" \
    -fill '#ffff99' -font "$mono" -pointsize 16 -annotate +288+26 '1234.56 kmph' \
    "$g/guageHeatHull.tga" -geometry +64+0 -composite \
    -fill red -draw "polygon $(((48 + h) * 2)),$(((56 - h) * 2)) $(((64 + h) * 2)),$(((56 - h) * 2)) 128,112 96,112" \
    \( "$g/guageHeatHull.tga" -flop \) -geometry +448+0 -composite \
    -fill blue -draw "polygon $(((336 - k) * 2)),$(((56 - k) * 2)) $(((320 - k) * 2)),$(((56 - k) * 2)) 640,112 672,112" \
    "$g/buttonMenu$hover.tga" -geometry +128+64 -composite \
    "$g/buttonMissile$hover.tga" -geometry +0+64 -composite \
    "$g/buttonEmp$hover.tga" -geometry +640+64 -composite \
    -fill black -annotate +40+120 '3' -annotate +704+120 '12' "$out"
}
console "" "$build/console-normal.png"
console H "$build/console-hovered.png"
convert "$build/console-normal.png" "$build/console-hovered.png" -append "$build/contact-sheet-hud.png"
rm "$build/console-normal.png" "$build/console-hovered.png"
identify "$build/contact-sheet-gfx.png" "$build/contact-sheet-hud.png"

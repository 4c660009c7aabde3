#!/usr/bin/env bash
# A picture to look at, not a check: every texture and both glyph sheets on one
# sheet in the build tree (contact-sheet-gfx.png); montage must read them all.
set -euo pipefail
montage -background '#303030' -fill white -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -label '%t' \
  "$1"/gfx/*.tga "$1"/fnt/main.tga "$1"/fnt/big.tga -geometry 128x128+4+4 -tile 10x "$1/contact-sheet-gfx.png"
identify "$1/contact-sheet-gfx.png"

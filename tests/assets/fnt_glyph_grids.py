#!/usr/bin/env python3
"""The two glyph sheets, read back with ImageMagick: 16 x 16 square cells (byte
value = cell, row 0 at the top), white glyphs on transparent, a glyph in every
printable cell 33..126 and nothing elsewhere, each glyph inside its own cell
and centred on it, with one baseline for the whole sheet."""
import struct
import subprocess
import sys
from pathlib import Path

FNT = Path(sys.argv[1]) / "fnt"
failures = []


def check(ok, message):
    if not ok:
        failures.append(message)


def load(path):
    w, h = map(int, subprocess.run(["identify", "-format", "%w %h", str(path)],
                                   check=True, capture_output=True, text=True).stdout.split())
    data = subprocess.run(["convert", str(path), "-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
    return w, h, data


def ink_box(data, width, cell, code):
    """Bounds (left, top, right, bottom) of the non-clear texels of a cell, in
    cell coordinates, or None when the cell is empty."""
    cx, cy = (code % 16) * cell, (code // 16) * cell
    xs, ys, white = [], [], True
    for y in range(cell):
        for x in range(cell):
            i = ((cy + y) * width + cx + x) * 4
            if data[i + 3] > 0:
                xs.append(x)
                ys.append(y)
                white = white and data[i] == data[i + 1] == data[i + 2] == 255
    check(white, f"cell {code}: glyph texels are white")
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def check_sheet(name, min_cell):
    path = FNT / name
    if not path.is_file():
        failures.append(f"{path} missing")
        return
    raw = path.read_bytes()
    (_, map_type, image_type, _, _, _, _, _, tw, th, bits, descriptor) = struct.unpack("<BBBHHBHHHHBB", raw[:18])
    check(map_type == 0 and image_type == 2 and bits == 32 and descriptor & 0x0F == 8,
          f"{name}: an uncompressed 32-bit TGA with alpha")
    w, h, data = load(path)
    check((w, h) == (tw, th) and w == h and w % 16 == 0 and w & (w - 1) == 0, f"{name}: square power-of-two grid")
    cell = w // 16
    check(cell >= min_cell, f"{name}: cells of {cell} texels are too coarse to stay crisp")
    boxes = {code: ink_box(data, w, cell, code) for code in range(256)}
    for code in range(256):
        printable = 33 <= code <= 126
        check((boxes[code] is not None) == printable,
              f"{name}: cell {code} should be {'drawn' if printable else 'empty'}")
    drawn = {c: b for c, b in boxes.items() if b}
    # Each glyph keeps clear of its neighbours left and right.
    check(all(b[0] >= 1 and b[2] <= cell - 2 for b in drawn.values()), f"{name}: glyphs leave a clear column each side")
    # Centred on the cell, and sitting on one baseline.
    for ch in "HIMOW08":
        left, _, right, _ = drawn[ord(ch)]
        check(abs(left - (cell - 1 - right)) <= 1, f"{name}: '{ch}' centred in its cell")
    bottoms = {drawn[ord(ch)][3] for ch in "AHMZaemx0"}
    check(len(bottoms) == 1, f"{name}: one baseline (bottoms {bottoms})")
    tops = {drawn[ord(ch)][1] for ch in "HEZ"}
    check(len(tops) == 1, f"{name}: one cap height")
    cap = drawn[ord("H")][3] - drawn[ord("H")][1] + 1
    check(cap >= cell * 0.55, f"{name}: capitals {cap} of {cell} texels tall read at the drawn size")
    # Descenders go below the baseline, and "g" is not clipped.
    check(drawn[ord("g")][3] > drawn[ord("a")][3], f"{name}: 'g' descends")
    # A glyph is monospaced: "!" is narrow ink in the same-width cell as "m".
    check(drawn[ord("m")][2] - drawn[ord("m")][0] > drawn[ord("!")][2] - drawn[ord("!")][0], f"{name}: glyph shapes differ")


check_sheet("main.tga", 16)
check_sheet("big.tga", 32)
for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""Textures and glyph sheets, read back with ImageMagick and a TGA header parser
of our own: every stem the game loads, in the depth its drawing needs, and each
picture fitting the way the game draws it."""
import struct
from itertools import combinations
import subprocess
import sys
from pathlib import Path

BUILD = Path(sys.argv[1])
GFX = BUILD / "gfx"
failures = []


def check(ok, message):
    if not ok:
        failures.append(message)


def numbered(stem, n):
    return [f"{stem}{i}" for i in range(1, n + 1)]


# The game's 54 textures in load order, then the extra pictures.
TEXTURES = (["gradientCircle", "star"] + numbered("planet", 8) + ["hyperspace1", "hyperspace2", "particle", "lens1",
            "lens2"] + numbered("explosion", 18) + ["beam", "crosshair", "target", "menuTitlePanel", "menuButtonPanel",
            "money", "repair", "cargo", "missile", "emp", "guageSpeeds", "guageHeatHull", "buttonHighlight",
            "buttonMenu", "buttonMenuH", "buttonHome", "buttonHomeH", "buttonMissile", "buttonMissileH", "buttonEmp",
            "buttonEmpH"])
EXTRA = ["titlescreen", "scanner"] + numbered("stars", 4)
# Alpha-blended pictures need their alpha; additive and opaque ones are 24-bit.
RGBA = set(["star", "lens1", "lens2", "beam", "target", "guageSpeeds", "guageHeatHull", "buttonMenu", "buttonMenuH",
            "buttonMissile", "buttonMissileH", "buttonEmp", "buttonEmpH", "menuTitlePanel", "menuButtonPanel",
            "money", "repair", "cargo", "missile", "emp", "scanner"] + numbered("planet", 8))
PALETTED = "crosshair"
HEADER = ["id_len", "map_type", "image_type", "map_first", "map_len", "map_bits", "x", "y", "width", "height", "bits",
          "descriptor"]


def header(path):
    return dict(zip(HEADER, struct.unpack("<BBBHHBHHHHBB", path.read_bytes()[:18])))


class Picture:
    """RGBA bytes as ImageMagick decodes them, row 0 at the top."""

    def __init__(self, path):
        path = path if isinstance(path, Path) else GFX / f"{path}.tga"
        self.width, self.height = map(int, subprocess.run(
            ["identify", "-format", "%w %h", str(path)], check=True, capture_output=True, text=True).stdout.split())
        self.data = subprocess.run(["convert", str(path), "-depth", "8", "rgba:-"], check=True,
                                   capture_output=True).stdout

    def px(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.data[i:i + 4])

    def at(self, ux, uy, unit_w, unit_h):
        """The texel under a point in the units of the quad it is drawn on."""
        return self.px(min(self.width - 1, int(ux * self.width / unit_w)),
                       min(self.height - 1, int(uy * self.height / unit_h)))

    def region(self, x0, y0, x1, y1, unit_w=1, unit_h=1):
        sx, sy = self.width / unit_w, self.height / unit_h
        return [self.px(x, y) for y in range(int(y0 * sy), int(y1 * sy)) for x in range(int(x0 * sx), int(x1 * sx))]

    def border(self):
        return [self.px(x, y) for x in range(self.width) for y in (0, self.height - 1)]

    def centre(self):
        return self.px(self.width // 2, self.height // 2)


def lum(p):
    return (p[0] + p[1] + p[2]) / 3.0


def whole(pic):
    return mean(map(lum, pic.region(0, 0, 1, 1)))


def mean(values):
    values = list(values)
    return sum(values) / len(values)


def solid_and_dark(pixels, dark=True):
    return min(p[3] for p in pixels) >= 200 and (mean(map(lum, pixels)) < 40 if dark else True)


def check_files():
    check(len(set(TEXTURES)) == 54, "the texture list has 54 distinct stems")
    for stem in TEXTURES + EXTRA:
        path = GFX / f"{stem}.tga"
        if not path.is_file():
            failures.append(f"{path} missing")
            continue
        h = header(path)
        w, ht = h["width"], h["height"]
        bits = 32 if stem in RGBA else 8 if stem == PALETTED else 24
        check(w & (w - 1) == 0 and ht & (ht - 1) == 0, f"{stem}: {w}x{ht} is not a power of two")
        expected = (bits, 1 if bits == 8 else 2, 8 if bits == 32 else 0)
        check((h["bits"], h["image_type"], h["descriptor"] & 0x0F) == expected, f"{stem}: not uncompressed {bits}-bit")
        size = 18 + h["id_len"] + h["map_len"] * ((h["map_bits"] + 7) // 8) + w * ht * bits // 8
        check(path.stat().st_size >= size, f"{stem}: truncated")
        info = subprocess.run(["identify", "-format", "%w %h %A %r", str(path)], capture_output=True, text=True)
        f = info.stdout.split()
        check(info.returncode == 0 and len(f) >= 4 and f[:2] == [str(w), str(ht)] and (f[2] != "False") == (bits != 24)
              and (f[3] == "PseudoClass") == (bits == 8), f"{stem}: ImageMagick reads {info.stdout}{info.stderr}")
    check(sorted(p.stem for p in GFX.glob("*.tga")) == sorted(TEXTURES + EXTRA), "no stray files in gfx")


def check_paletted():
    path = GFX / "crosshair.tga"
    h = header(path)
    check(h["map_type"] == 1 and h["map_bits"] == 32 and 2 <= h["map_len"] <= 256, "crosshair colour map")
    raw = path.read_bytes()
    at = 18 + h["id_len"]
    keys = [i for i in range(h["map_len"]) if raw[at + 4 * i + 3] < 128]
    check(len(keys) == 1, f"crosshair has one colour key, found {keys}")
    indices = raw[at + 4 * h["map_len"]: at + 4 * h["map_len"] + h["width"] * h["height"]]
    check(all(i < h["map_len"] for i in indices), "crosshair indices inside the palette")
    check(bool(keys) and 0 < indices.count(keys[0]) < len(indices), "crosshair keys its see-through part only")
    p = Picture("crosshair")
    check(p.px(0, 0)[3] == 0 and all(p.px(x, y)[3] == 255 for x, y in ((15, 15), (15, 5), (5, 15))),
          "crosshair: clear corner, solid centre, arms on the axes")


def check_space():
    g = Picture("gradientCircle")
    c = g.width // 2
    ring = [lum(g.px(c + d, c)) for d in range(c)]
    check(ring[0] >= 240 and lum(g.px(0, 0)) == 0 and lum(g.px(c, 0)) <= 2 and
          all(a >= b for a, b in zip(ring, ring[1:])), "gradientCircle: white centre falling off to a black rim")
    for stem in ["star", "lens1", "lens2"]:
        p = Picture(stem)
        check(p.px(0, 0)[3] == 0 and p.px(p.width // 2, 0)[3] <= 3, f"{stem}: transparent at its edge")
    core = Picture("star").centre()
    check(core[3] == 255 and min(core[:3]) >= 230, "star: a near-white opaque core")
    lens = Picture("lens1")
    row = [lens.px(x, lens.height // 2)[3] for x in range(lens.width)]
    check(lens.centre()[3] < max(row) <= 160, "lens1: a faint ring, brighter at its rim than its middle")
    part = Picture("particle")
    check(lum(part.centre()) > 200 and lum(part.px(0, 0)) == 0, "particle: bright middle, black edge")
    beam = Picture("beam")
    column = [beam.px(0, y)[3] for y in range(beam.height)]
    check(all(beam.px(x, y) == beam.px(0, y) for x in range(beam.width) for y in range(beam.height)) and
          column[0] <= 3 and column[-1] <= 3 and max(column) == 255, "beam: constant along s, bright core, clear edges")
    for stem in ["hyperspace1", "hyperspace2"]:
        p = Picture(stem)
        w, h = p.width, p.height
        rows = [mean(abs(lum(p.px(x, y)) - lum(p.px(x, (y + 1) % h))) for x in range(w)) for y in range(h)]
        cols = [mean(abs(lum(p.px(x, y)) - lum(p.px((x + 1) % w, y))) for y in range(h)) for x in range(w)]
        along_t, along_s = mean(rows[:-1:7]), mean(cols[:-1:7])
        check(rows[-1] <= along_t * 2 and cols[-1] <= along_s * 2 + 1, f"{stem}: tiles seamlessly")
        check(along_s < along_t / 2, f"{stem}: streaks run along s")
    for stem in numbered("stars", 4):
        p = Picture(stem)
        check(max(map(lum, p.border())) <= 2 and whole(p) > 1, f"{stem}: a sprite fading to black at its edges")
    frames = [Picture(s) for s in numbered("explosion", 18)]
    check(all(max(map(lum, f.border())) <= 2 for f in frames), "explosion: black around the fireball")
    energy = list(map(whole, frames))
    peak = energy.index(max(energy))
    check(energy[0] > 3 and 2 <= peak <= 9 and energy[17] < energy[peak] / 10 and
          all(a > b for a, b in zip(energy[peak:], energy[peak + 1:])),
          f"explosion: ignites, billows and fades steadily ({[round(e, 1) for e in energy]})")
    check(min(frames[0].centre()[:3]) > 200, "explosion1: a white-hot flash")
    discs = [Picture(s) for s in numbered("planet", 8)]
    check(all(d.px(0, 0)[3] == 0 and d.centre()[3] == 255 for d in discs), "planets: discs on clear")
    colours = [[mean(px[k] for px in d.region(0.3, 0.3, 0.7, 0.7)) for k in range(3)] for d in discs]
    check(all(sum(abs(x - y) for x, y in zip(a, b)) > 12 for a, b in combinations(colours, 2)), "8 distinct planets")


def check_hud():
    # The speed bars fill x 64..192, y 20..28 of 256 x 32, the speed text y 6..14.
    sp = Picture("guageSpeeds")
    check(solid_and_dark(sp.region(64, 20, 192, 28, 256, 32)) and solid_and_dark(sp.region(84, 6, 172, 14, 256, 32)),
          "guageSpeeds: dark solid ground under the bars and the speed")
    # Drawn 128 x 64: the heat bar climbs from (16..32, 56) to (64..80, 8).
    hh = Picture("guageHeatHull")
    check(all(solid_and_dark([hh.at(24 + h, 55 - h, 128, 64)]) for h in (0, 24, 47)), "guageHeatHull: dark channel")
    check(max(p[3] for p in hh.region(96, 4, 128, 31, 128, 64)) == 0, "guageHeatHull: clear over the speed bars")

    def brightness(pic, w, h):
        return mean(lum(p) for p in pic.region(0, 0, w, h, w, h) if p[3] > 200)

    # Menu trapezoid (0,32) (32,0) (224,0) (256,32); missile (0,32) (32,0) (64,0) (32,32) with its count at
    # x 20..28, y 20..28; EMP (0,0) (32,0) (64,32) (32,32) with its count at x 36..44.
    for stem, w, solid, clear, window, gain in (
            ("buttonMenu", 256, [(128, 16), (4, 30)], [(4, 2), (252, 2)], None, 10),
            ("buttonMissile", 64, [], [(4, 4), (60, 28)], 20, 5),
            ("buttonEmp", 64, [], [(60, 4), (4, 28)], 36, 5), ("buttonHome", 64, [], [], None, 0)):
        normal, hovered = Picture(stem), Picture(stem + "H")
        for pic in (normal, hovered):
            check(all(pic.at(x, y, w, 32)[3] >= 200 for x, y in solid) and
                  all(pic.at(x, y, w, 32)[3] == 0 for x, y in clear), f"{stem}: solid inside, clear outside its shape")
            if window:
                light = pic.region(window, 20, window + 8, 28, 64, 32)
                check(solid_and_dark(light, False) and mean(map(lum, light)) > 170, f"{stem}: light count window")
        check(brightness(hovered, w, 32) > brightness(normal, w, 32) + gain, f"{stem}H is brighter")
    t = Picture("target")
    check(t.at(32, 32, 64, 64)[3] == 0 and t.at(5, 5, 64, 64)[3] >= 200, "target: corner brackets, clear middle")
    # The assists' scanner, drawn 160 x 160: a round bezel of radius 79 around dark glass of radius 73.
    sc = Picture("scanner")
    check(all(sc.at(x, y, 160, 160)[3] == 0 for x, y in ((2, 2), (158, 2), (2, 158), (158, 158))),
          "scanner: clear outside its disc")
    check(sc.at(80, 4, 160, 160)[3] >= 200 and sc.at(4, 80, 160, 160)[3] >= 200, "scanner: solid bezel")
    glass = sc.at(105, 30, 160, 160)
    check(glass[3] >= 180 and lum(glass) < 40, "scanner: dark glass")


def check_menus():
    # Black titles are printed at y 12..28 on the plate and on the title picture's captions (drawn 526 x 534).
    ground = Picture("menuTitlePanel").region(16, 12, 168, 28, 256, 64)
    check(solid_and_dark(ground, False) and mean(map(lum, ground)) > 150, "menuTitlePanel: light under the title")
    check(solid_and_dark(Picture("menuButtonPanel").region(10, 20, 190, 480, 256, 512), False),
          "menuButtonPanel: solid behind the buttons")
    title = Picture("titlescreen")
    for y0 in (15, 60, 505):
        check(mean(map(lum, title.region(20, y0, 300, y0 + 16, 526, 534))) > 150, f"titlescreen: light caption at {y0}")
    check(mean(map(lum, title.region(0, 120, 526, 440, 526, 534))) < 120, "titlescreen: a dark space scene")
    for stem in ["money", "repair", "cargo", "missile", "emp"]:
        p = Picture(stem)
        check(p.px(0, 0)[3] == 0 and max(px[3] for px in p.region(0, 0, 1, 1)) == 255, f"{stem}: an icon on clear")
    high = Picture("buttonHighlight")
    check(lum(high.px(high.width // 2, high.height // 4)) > lum(high.px(2, high.height - 2)),
          "buttonHighlight: brightest in the middle and at the top")


def check_glyphs(name, min_cell):
    """16 x 16 square cells (byte = cell, row 0 at the top), white on clear, a glyph
    in every cell 33..126 and nothing elsewhere, centred, on one baseline."""
    path = BUILD / "fnt" / name
    if not path.is_file():
        return failures.append(f"{path} missing")
    h = header(path)
    check((h["map_type"], h["image_type"], h["bits"], h["descriptor"] & 0x0F) == (0, 2, 32, 8),
          f"{name}: an uncompressed 32-bit TGA with alpha")
    pic = Picture(path)
    w = pic.width
    check((w, pic.height) == (h["width"], h["height"]) and w == pic.height and w & (w - 1) == 0 and w >= 16,
          f"{name}: square power-of-two grid")
    cell = w // 16
    check(cell >= min_cell, f"{name}: cells of {cell} texels are too coarse to stay crisp")
    ink = {}
    for code in range(256):
        left, top = (code % 16) * cell, (code // 16) * cell
        texels = [(x, y, pic.px(left + x, top + y)) for y in range(cell) for x in range(cell)]
        texels = [(x, y, p) for x, y, p in texels if p[3] > 0]
        check(all(p[:3] == (255, 255, 255) for _, _, p in texels), f"{name}: cell {code} glyph is white")
        check(bool(texels) == (33 <= code <= 126), f"{name}: cell {code} drawn only if printable")
        if texels:
            xs, ys = [t[0] for t in texels], [t[1] for t in texels]
            ink[chr(code)] = (min(xs), min(ys), max(xs), max(ys))
    if len(ink) != 94:
        return
    check(all(b[0] >= 1 and b[2] <= cell - 2 for b in ink.values()), f"{name}: glyphs leave a clear column each side")
    check(all(abs(ink[c][0] - (cell - 1 - ink[c][2])) <= 1 for c in "HIMOW08"), f"{name}: glyphs centred in cells")
    check(len({ink[c][3] for c in "AHMZaemx0"}) == 1 and len({ink[c][1] for c in "HEZ"}) == 1,
          f"{name}: one baseline and one cap height")
    check(ink["H"][3] - ink["H"][1] + 1 >= cell * 0.55, f"{name}: capitals tall enough to read at the drawn size")
    check(ink["g"][3] > ink["a"][3], f"{name}: 'g' descends below the baseline")


check_files()
if not failures:
    check_paletted()
    check_space()
    check_hud()
    check_menus()
check_glyphs("main.tga", 16)
check_glyphs("big.tga", 32)
for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)

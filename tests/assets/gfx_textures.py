#!/usr/bin/env python3
"""The generated textures, read back with ImageMagick and a TGA header parser
of our own: every file the game loads exists with its exact stem, in the depth
its drawing needs, at a power-of-two size, and each picture fits the way the
game draws it (HUD art against the console coordinates, sprites that fade to
black, tiling tunnel textures, an explosion that dies out)."""
import struct
import subprocess
import sys
from pathlib import Path

GFX = Path(sys.argv[1]) / "gfx"
failures = []


def check(ok, message):
    if not ok:
        failures.append(message)


# Alpha-blended pictures need their alpha; additive and opaque ones do not.
RGBA = (["star", "lens1", "lens2", "beam", "target", "guageSpeeds", "guageHeatHull",
         "buttonMenu", "buttonMenuH", "buttonMissile", "buttonMissileH", "buttonEmp", "buttonEmpH",
         "menuTitlePanel", "menuButtonPanel", "money", "repair", "cargo", "missile", "emp"]
        + [f"planet{i}" for i in range(1, 9)])
PALETTED = ["crosshair"]
RGB = (["gradientCircle", "hyperspace1", "hyperspace2", "particle", "buttonHighlight",
        "buttonHome", "buttonHomeH", "titlescreen"]
       + [f"explosion{i}" for i in range(1, 19)] + [f"stars{i}" for i in range(1, 5)])

# The 54 textures of the game's list, in load order, then the extra pictures.
TEXTURE_LIST = (["gradientCircle", "star"] + [f"planet{i}" for i in range(1, 9)]
                + ["hyperspace1", "hyperspace2", "particle", "lens1", "lens2"]
                + [f"explosion{i}" for i in range(1, 19)]
                + ["beam", "crosshair", "target", "menuTitlePanel", "menuButtonPanel", "money", "repair",
                   "cargo", "missile", "emp", "guageSpeeds", "guageHeatHull", "buttonHighlight",
                   "buttonMenu", "buttonMenuH", "buttonHome", "buttonHomeH", "buttonMissile",
                   "buttonMissileH", "buttonEmp", "buttonEmpH"])
EXTRA = ["titlescreen", "stars1", "stars2", "stars3", "stars4"]


class Picture:
    """RGBA bytes as ImageMagick decodes them, row 0 at the top."""

    def __init__(self, path):
        self.width, self.height = map(int, subprocess.run(
            ["identify", "-format", "%w %h", str(path)], check=True, capture_output=True, text=True).stdout.split())
        self.data = subprocess.run(["convert", str(path), "-depth", "8", "rgba:-"],
                                   check=True, capture_output=True).stdout
        assert len(self.data) == self.width * self.height * 4

    def px(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.data[i:i + 4])

    def at_units(self, ux, uy, unit_w, unit_h):
        """The texel under a point given in the units of the quad it is drawn on."""
        return self.px(min(self.width - 1, int(ux * self.width / unit_w)),
                       min(self.height - 1, int(uy * self.height / unit_h)))

    def region(self, x0, y0, x1, y1, unit_w, unit_h):
        sx, sy = self.width / unit_w, self.height / unit_h
        return [self.px(x, y) for y in range(int(y0 * sy), int(y1 * sy)) for x in range(int(x0 * sx), int(x1 * sx))]


def luminance(p):
    return (p[0] + p[1] + p[2]) / 3.0


def mean(values):
    values = list(values)
    return sum(values) / len(values)


def tga_header(path):
    head = path.read_bytes()[:18]
    (id_len, map_type, image_type, map_first, map_len, map_bits,
     _, _, width, height, bits, descriptor) = struct.unpack("<BBBHHBHHHHBB", head)
    return dict(id_len=id_len, map_type=map_type, image_type=image_type, map_first=map_first,
                map_len=map_len, map_bits=map_bits, width=width, height=height, bits=bits,
                descriptor=descriptor)


def check_files():
    check(len(TEXTURE_LIST) == 54 and len(set(TEXTURE_LIST)) == 54, "the texture list has 54 distinct stems")
    check(sorted(TEXTURE_LIST + EXTRA) == sorted(RGBA + PALETTED + RGB), "every stem has an expected depth")
    for stem in TEXTURE_LIST + EXTRA:
        path = GFX / f"{stem}.tga"
        if not path.is_file():
            failures.append(f"{path} missing")
            continue
        h = tga_header(path)
        w, ht = h["width"], h["height"]
        check(w & (w - 1) == 0 and ht & (ht - 1) == 0, f"{stem}: {w}x{ht} is not a power of two")
        expected = 32 if stem in RGBA else 8 if stem in PALETTED else 24
        check(h["bits"] == expected, f"{stem}: {h['bits']} bits, expected {expected}")
        check(h["image_type"] == (1 if stem in PALETTED else 2), f"{stem}: not an uncompressed TGA")
        check(h["descriptor"] & 0x0F == (8 if expected == 32 else 0), f"{stem}: alpha bits in the descriptor")
        size = 18 + h["id_len"] + h["map_len"] * ((h["map_bits"] + 7) // 8) + w * ht * expected // 8
        check(path.stat().st_size >= size, f"{stem}: truncated")
        info = subprocess.run(["identify", "-format", "%w %h %A %r", str(path)], capture_output=True, text=True)
        check(info.returncode == 0, f"{stem}: ImageMagick refuses it: {info.stderr}")
        if info.returncode == 0:
            iw, ih, alpha, cls = info.stdout.split()[:4]
            check((int(iw), int(ih)) == (w, ht), f"{stem}: ImageMagick reads another size")
            check((alpha != "False") == (expected != 24), f"{stem}: ImageMagick reports alpha {alpha}")
            check((cls == "PseudoClass") == (stem in PALETTED), f"{stem}: ImageMagick class {cls}")
    check(sorted(p.stem for p in GFX.glob("*.tga")) == sorted(TEXTURE_LIST + EXTRA), "no stray files in gfx")


def check_paletted():
    path = GFX / "crosshair.tga"
    h = tga_header(path)
    check(h["map_type"] == 1 and h["map_bits"] == 32 and 2 <= h["map_len"] <= 256, "crosshair colour map")
    raw = path.read_bytes()
    palette_at = 18 + h["id_len"]
    entries = [raw[palette_at + 4 * i: palette_at + 4 * i + 4] for i in range(h["map_len"])]
    keys = [i for i, e in enumerate(entries) if e[3] < 128]
    check(len(keys) == 1, f"crosshair has one colour key, found {keys}")
    indices = raw[palette_at + 4 * h["map_len"]: palette_at + 4 * h["map_len"] + h["width"] * h["height"]]
    check(all(i < h["map_len"] for i in indices), "crosshair indices inside the palette")
    if keys:
        used = sum(1 for i in indices if i == keys[0])
        check(0 < used < len(indices), "crosshair uses the key for its see-through part only")
    pic = Picture(path)
    check(pic.px(0, 0)[3] == 0 and pic.px(15, 15)[3] == 255, "crosshair: clear corner, solid centre")
    check(pic.px(15, 5)[3] == 255 and pic.px(5, 15)[3] == 255, "crosshair: arms on the axes")


def check_space():
    g = Picture(GFX / "gradientCircle.tga")
    c = g.width // 2
    ring = [luminance(g.px(c + d, c)) for d in range(0, c)]
    check(ring[0] >= 240 and luminance(g.px(0, 0)) == 0 and luminance(g.px(c, 0)) <= 2,
          "gradientCircle: white centre, black rim")
    check(all(a >= b for a, b in zip(ring, ring[1:])), "gradientCircle falls off monotonically")

    for stem in ["star", "lens1", "lens2"]:
        p = Picture(GFX / f"{stem}.tga")
        check(p.px(0, 0)[3] == 0 and p.px(p.width // 2, 0)[3] <= 3, f"{stem}: transparent at its edge")
    s = Picture(GFX / "star.tga")
    core = s.px(s.width // 2, s.height // 2)
    check(core[3] == 255 and min(core[:3]) >= 230, "star: a near-white opaque core")
    lens = Picture(GFX / "lens1.tga")
    check(lens.px(lens.width // 2, lens.height // 2)[3] < max(lens.px(x, lens.height // 2)[3] for x in range(lens.width)),
          "lens1: a ring, brighter at its rim than its middle")
    check(max(lens.px(x, lens.height // 2)[3] for x in range(lens.width)) <= 160, "lens1: faint")

    part = Picture(GFX / "particle.tga")
    check(luminance(part.px(part.width // 2, part.height // 2)) > 200 and luminance(part.px(0, 0)) == 0,
          "particle: bright middle, black edge")

    beam = Picture(GFX / "beam.tga")
    column = [beam.px(0, y)[3] for y in range(beam.height)]
    check(all(beam.px(x, y) == beam.px(0, y) for x in range(beam.width) for y in range(beam.height)),
          "beam: constant along s")
    check(column[0] <= 3 and column[-1] <= 3 and max(column) == 255, "beam: bright core, clear edges")

    for stem in ["hyperspace1", "hyperspace2"]:
        p = Picture(GFX / f"{stem}.tga")

        def row_step(y0, y1):
            return mean(abs(luminance(p.px(x, y0)) - luminance(p.px(x, y1))) for x in range(p.width))

        def column_step(x0, x1):
            return mean(abs(luminance(p.px(x0, y)) - luminance(p.px(x1, y))) for y in range(p.height))

        rows = mean(row_step(y, y + 1) for y in range(0, p.height - 1, 7))
        columns = mean(column_step(x, x + 1) for x in range(0, p.width - 1, 7))
        check(row_step(p.height - 1, 0) <= rows * 2 and column_step(p.width - 1, 0) <= columns * 2 + 1,
              f"{stem}: tiles without a seam")
        check(columns < rows / 2, f"{stem}: streaks run along s")

    for i in range(1, 5):
        p = Picture(GFX / f"stars{i}.tga")
        border = [p.px(x, y) for x in range(p.width) for y in (0, p.height - 1)]
        check(max(map(luminance, border)) <= 2, f"stars{i}: fades to black at its edges")
        check(mean(map(luminance, p.region(0, 0, 1, 1, 1, 1))) > 1, f"stars{i}: not empty")

    frames = [Picture(GFX / f"explosion{i}.tga") for i in range(1, 19)]
    energy = [mean(map(luminance, f.region(0, 0, 1, 1, 1, 1))) for f in frames]
    for i, f in enumerate(frames, 1):
        border = [f.px(x, y) for x in range(f.width) for y in (0, f.height - 1)]
        check(max(map(luminance, border)) <= 2, f"explosion{i}: black around the fireball")
    peak = energy.index(max(energy))
    check(energy[0] > 3 and 2 <= peak <= 9 and energy[17] < energy[peak] / 10,
          f"explosion: ignites, billows and dies ({[round(e, 1) for e in energy]})")
    check(all(a > b for a, b in zip(energy[peak:], energy[peak + 1:])), "explosion: fades steadily after its peak")
    hot = frames[0].px(frames[0].width // 2, frames[0].height // 2)
    check(min(hot[:3]) > 200, "explosion1: a white-hot flash")

    for i in range(1, 9):
        p = Picture(GFX / f"planet{i}.tga")
        check(p.px(0, 0)[3] == 0 and p.px(p.width // 2, p.height // 2)[3] == 255, f"planet{i}: a disc on clear")
    discs = [Picture(GFX / f"planet{i}.tga") for i in range(1, 9)]
    colours = [tuple(mean(px[k] for px in d.region(0.3, 0.3, 0.7, 0.7, 1, 1)) for k in range(3)) for d in discs]
    for a in range(8):
        for b in range(a + 1, 8):
            check(sum(abs(x - y) for x, y in zip(colours[a], colours[b])) > 12, f"planet{a + 1} and planet{b + 1} differ")


def check_hud():
    # Speed console, drawn 256 x 32: the bars fill x 64..192, y 20..28 and the
    # speed text sits at y 6..14 in (1, 1, 0.6): both on a dark, solid ground.
    sp = Picture(GFX / "guageSpeeds.tga")
    slot = sp.region(64, 20, 192, 28, 256, 32)
    check(min(p[3] for p in slot) >= 200 and mean(map(luminance, slot)) < 40, "guageSpeeds: dark slot under the bars")
    text = sp.region(84, 6, 172, 14, 256, 32)
    check(min(p[3] for p in text) >= 200 and mean(map(luminance, text)) < 40, "guageSpeeds: dark ground for the speed")

    # Heat gauge, drawn 128 x 64 from c-160: its bar climbs from (16..32, 56)
    # to (64..80, 8); its right part (over the speed bars and text) is clear.
    hh = Picture(GFX / "guageHeatHull.tga")
    for h in (0, 24, 47):
        p = hh.at_units(24 + h, 55 - h, 128, 64)
        check(p[3] >= 200 and luminance(p) < 40, f"guageHeatHull: dark channel under the bar at h {h}")
    clear = hh.region(96, 4, 128, 31, 128, 64)
    check(max(p[3] for p in clear) == 0, "guageHeatHull: clear over the speed bars")

    def pair(stem):
        return Picture(GFX / f"{stem}.tga"), Picture(GFX / f"{stem}H.tga")

    def brightness(pic, w, h):
        return mean(luminance(p) for p in pic.region(0, 0, w, h, w, h) if p[3] > 200)

    # Menu button: the trapezoid (0,32) (32,0) (224,0) (256,32).
    for pic in pair("buttonMenu"):
        check(pic.at_units(4, 2, 256, 32)[3] == 0 and pic.at_units(252, 2, 256, 32)[3] == 0,
              "buttonMenu: clear outside the trapezoid")
        check(pic.at_units(128, 16, 256, 32)[3] >= 200 and pic.at_units(4, 30, 256, 32)[3] >= 200,
              "buttonMenu: solid inside the trapezoid")
    normal, hovered = pair("buttonMenu")
    check(brightness(hovered, 256, 32) > brightness(normal, 256, 32) + 10, "buttonMenuH is brighter")

    # Missile (0,32) (32,0) (64,0) (32,32) with its count at x 20..28, y 20..28;
    # EMP (0,0) (32,0) (64,32) (32,32) with its count at x 36..44.
    for stem, count_x, outside in (("buttonMissile", 20, [(4, 4), (60, 28)]), ("buttonEmp", 36, [(60, 4), (4, 28)])):
        normal, hovered = pair(stem)
        for pic in (normal, hovered):
            window = pic.region(count_x, 20, count_x + 8, 28, 64, 32)
            check(min(p[3] for p in window) >= 200 and mean(map(luminance, window)) > 170,
                  f"{stem}: a light window where the count is printed in black")
            check(all(pic.at_units(x, y, 64, 32)[3] == 0 for x, y in outside), f"{stem}: clear outside its shape")
        check(brightness(hovered, 64, 32) > brightness(normal, 64, 32) + 5, f"{stem}H is brighter")

    t = Picture(GFX / "target.tga")
    check(t.at_units(32, 32, 64, 64)[3] == 0 and t.at_units(5, 5, 64, 64)[3] >= 200,
          "target: brackets in the corners, clear in the middle")


def check_menus():
    # Black titles are printed at y 12..28 over the title plate and over the
    # caption bands of the title picture (drawn 526 x 534).
    plate = Picture(GFX / "menuTitlePanel.tga")
    ground = plate.region(16, 12, 168, 28, 256, 64)
    check(min(p[3] for p in ground) >= 200 and mean(map(luminance, ground)) > 150, "menuTitlePanel: light under the title")
    panel = Picture(GFX / "menuButtonPanel.tga")
    check(min(p[3] for p in panel.region(10, 20, 190, 480, 256, 512)) >= 200, "menuButtonPanel: solid behind the buttons")
    title = Picture(GFX / "titlescreen.tga")
    for y0, y1 in ((15, 31), (60, 76), (505, 521)):
        band = title.region(20, y0, 300, y1, 526, 534)
        check(mean(map(luminance, band)) > 150, f"titlescreen: light under the caption at y {y0}")
    scene = title.region(0, 120, 526, 440, 526, 534)
    check(mean(map(luminance, scene)) < 120, "titlescreen: a dark space scene between the captions")
    for stem in ["money", "repair", "cargo", "missile", "emp"]:
        p = Picture(GFX / f"{stem}.tga")
        check(p.px(0, 0)[3] == 0 and max(px[3] for px in p.region(0, 0, 1, 1, 1, 1)) == 255, f"{stem}: an icon on clear")
    normal = Picture(GFX / "buttonHome.tga")
    hovered = Picture(GFX / "buttonHomeH.tga")
    check(mean(map(luminance, hovered.region(0, 0, 1, 1, 1, 1))) > mean(map(luminance, normal.region(0, 0, 1, 1, 1, 1))),
          "buttonHomeH is brighter")
    high = Picture(GFX / "buttonHighlight.tga")
    check(luminance(high.px(high.width // 2, high.height // 4)) > luminance(high.px(2, high.height - 2)),
          "buttonHighlight: brightest in the middle and at the top")


check_files()
if not failures:
    check_paletted()
    check_space()
    check_hud()
    check_menus()
for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""Draws every model from four sides with its skin, for people to look at.

A small software renderer (orthographic, z-buffered, textured, Lambert
lit, back faces culled as the game culls them) writes
<build>/mdl-preview/<Model>.png: three-quarter front from above, side from
+x, top with the nose up, three-quarter rear from below. It fails when a
view comes out nearly empty.
"""
import math
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import mdl_md2  # noqa: E402

SIZES = {"Spacestation": 640}  # the rest are drawn 300 pixels square
VIEWS = [("front", -35, 25), ("side", -90, 0), ("top", 180, 90), ("rear", 145, -20)]
LIGHT = (0.35, 0.55, 0.76)


def rotation(yaw_deg, pitch_deg):
    y, p = math.radians(yaw_deg), math.radians(pitch_deg)
    ry = ((math.cos(y), 0, math.sin(y)), (0, 1, 0), (-math.sin(y), 0, math.cos(y)))
    rx = ((1, 0, 0), (0, math.cos(p), -math.sin(p)), (0, math.sin(p), math.cos(p)))
    return tuple(tuple(sum(rx[i][k] * ry[k][j] for k in range(3)) for j in range(3)) for i in range(3))


def apply(m, v):
    return tuple(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2] for i in range(3))


def read_skin(path):
    out = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    size = subprocess.run(["identify", "-format", "%w %h", str(path)], check=True,
                          capture_output=True, text=True).stdout.split()
    return int(size[0]), int(size[1]), out


def render(model, skin, yaw, pitch, size):
    w, h, texels = skin
    rot = rotation(yaw, pitch)
    _, _, centre, radius = mdl_md2.bounds(model)
    scale = size * 0.47 / radius
    pixels = bytearray(b"\x18\x18\x20" * size * size)
    depth = [-1e30] * (size * size)
    for tri, uv in zip(model.triangles, model.uvs):
        eye = [apply(rot, mdl_md2.sub(p, centre)) for p in tri]
        n = mdl_md2.normal(eye)
        if n[2] <= 0:
            continue
        length = math.sqrt(mdl_md2.dot(n, n))
        light = 0.3 + 0.7 * max(0.0, mdl_md2.dot(n, LIGHT) / length)
        sx = [size / 2 + e[0] * scale for e in eye]
        sy = [size / 2 - e[1] * scale for e in eye]
        area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0])
        if area == 0:
            continue
        x0, x1 = max(0, int(min(sx))), min(size - 1, int(max(sx)) + 1)
        y0, y1 = max(0, int(min(sy))), min(size - 1, int(max(sy)) + 1)
        for py in range(y0, y1 + 1):
            for px in range(x0, x1 + 1):
                cx, cy = px + 0.5, py + 0.5
                b0 = ((sx[1] - cx) * (sy[2] - cy) - (sx[2] - cx) * (sy[1] - cy)) / area
                b1 = ((sx[2] - cx) * (sy[0] - cy) - (sx[0] - cx) * (sy[2] - cy)) / area
                b2 = 1 - b0 - b1
                if b0 < 0 or b1 < 0 or b2 < 0:
                    continue
                z = b0 * eye[0][2] + b1 * eye[1][2] + b2 * eye[2][2]
                i = py * size + px
                if z <= depth[i]:
                    continue
                depth[i] = z
                s = b0 * uv[0][0] + b1 * uv[1][0] + b2 * uv[2][0]
                t = b0 * uv[0][1] + b1 * uv[1][1] + b2 * uv[2][1]
                tx = min(w - 1, max(0, int(s * w)))
                ty = min(h - 1, max(0, int(t * h)))
                k = 3 * (ty * w + tx)
                pixels[3 * i:3 * i + 3] = bytes(min(255, int(c * light)) for c in texels[k:k + 3])
    covered = sum(1 for d in depth if d > -1e30)
    return pixels, covered


def main(build_dir):
    build = Path(build_dir)
    out_dir = build / "mdl-preview"
    out_dir.mkdir(exist_ok=True)
    failures = 0
    for name in mdl_md2.MODELS:
        model = mdl_md2.read(build / "mdl" / f"{name}.md2")
        skin = read_skin(build / "mdl" / "gfx" / f"{name}.gif")
        parts = []
        size = SIZES.get(name, 300)
        for label, yaw, pitch in VIEWS:
            pixels, covered = render(model, skin, yaw, pitch, size)
            ppm = out_dir / f"{name}-{label}.ppm"
            ppm.write_bytes(b"P6 %d %d 255\n" % (size, size) + bytes(pixels))
            parts.append(str(ppm))
            if covered < size * size // 100:
                print(f"{name} {label}: nearly empty ({covered} pixels)")
                failures += 1
        subprocess.run(["convert", *parts, "+append", str(out_dir / f"{name}.png")], check=True)
        for part in parts:
            Path(part).unlink()
        print(f"{name}: {out_dir / (name + '.png')}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

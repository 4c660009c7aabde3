#!/usr/bin/env python3
"""The models, read with an MD2 reader of our own and their skins with ImageMagick:
sound one-frame files within the loader's limits, closed outward-facing surfaces,
painted skins, and game-space shapes that fit the figures the game uses."""
import math
import struct
import subprocess
import sys
from collections import Counter
from pathlib import Path

MDL = Path(sys.argv[1]) / "mdl"
MODELS = ["Commander", "Cargo", "Missile", "Emp", "Spacestation", "Ship_Explorer", "Ship_Fighter"]
FIELDS = ["ident", "version", "skin_width", "skin_height", "frame_size", "num_skins", "num_vertices", "num_st",
          "num_tris", "num_glcmds", "num_frames", "ofs_skins", "ofs_st", "ofs_tris", "ofs_frames", "ofs_glcmds",
          "ofs_end"]
LIMITS = {"num_skins": 32, "num_frames": 512, "num_tris": 4096, "num_vertices": 2048, "num_st": 2048}
EXHAUST, MUZZLE, EYE = (0, 0, -50), (0, -1, 55), (0, 4, 55)
LIGHTS = [(250, 650, 200), (650, 650, 150), (950, 650, 150), (1300, 650, 200)]
failures = []


class Md2Error(Exception):
    pass


def check(ok, message):
    print(("ok    " if ok else "FAIL  ") + message)
    if not ok:
        failures.append(message)


def require(ok, message):
    if not ok:
        raise Md2Error(message)


def read(path):
    """Header dict, game-space triangles of frame 0 (file y and z swapped) and their (s, t) in 0..1."""
    data = path.read_bytes()
    require(len(data) >= 68, "shorter than the 68-byte header")
    h = dict(zip(FIELDS, struct.unpack_from("<17i", data)))
    require(h["ident"] == 0x32504449 and h["version"] == 8, "not IDP2 version 8")
    require(all(0 < h[k] <= n for k, n in LIMITS.items()), "a count out of range")
    require(h["skin_width"] > 0 and h["skin_height"] > 0, "skin size not positive")
    require(h["frame_size"] == 40 + 4 * h["num_vertices"], "frame size does not match vertex count")
    require(h["ofs_end"] == len(data), "end offset is not the file size")
    end = 68
    for offset, size in sorted([(h["ofs_skins"], 64 * h["num_skins"]), (h["ofs_st"], 4 * h["num_st"]),
                                (h["ofs_tris"], 12 * h["num_tris"]), (h["ofs_glcmds"], 4 * h["num_glcmds"]),
                                (h["ofs_frames"], h["frame_size"] * h["num_frames"])]):
        require(end <= offset < h["ofs_end"] and offset + size <= h["ofs_end"], "blocks overlap or run past the end")
        end = offset + size
    require(all(b"\0" in data[h["ofs_skins"] + 64 * i:][:64] for i in range(h["num_skins"])), "skin name unterminated")
    st = [struct.unpack_from("<2h", data, h["ofs_st"] + 4 * i) for i in range(h["num_st"])]
    require(all(0 <= s <= h["skin_width"] and 0 <= t <= h["skin_height"] for s, t in st), "(s, t) off the skin")
    tris = [struct.unpack_from("<6h", data, h["ofs_tris"] + 12 * i) for i in range(h["num_tris"])]
    require(all(0 <= v < h["num_vertices"] for t in tris for v in t[:3]), "vertex index out of range")
    require(all(0 <= c < h["num_st"] for t in tris for c in t[3:]), "(s, t) index out of range")
    scale = struct.unpack_from("<3f", data, h["ofs_frames"])
    move = struct.unpack_from("<3f", data, h["ofs_frames"] + 12)
    require(all(map(math.isfinite, scale + move)), "frame scale or translate not finite")
    packed = [struct.unpack_from("<3B", data, h["ofs_frames"] + 40 + 4 * i) for i in range(h["num_vertices"])]
    vertices = [(x * scale[0] + move[0], z * scale[2] + move[2], y * scale[1] + move[1]) for x, y, z in packed]
    pos, glend = h["ofs_glcmds"], h["ofs_glcmds"] + 4 * h["num_glcmds"]
    while pos + 4 <= glend and (count := struct.unpack_from("<i", data, pos)[0]):
        require(pos + 4 + 12 * abs(count) <= glend, "GL commands run past their block")
        require(all(0 <= struct.unpack_from("<i", data, pos + 12 * k + 12)[0] < h["num_vertices"]
                    for k in range(abs(count))), "GL command vertex out of range")
        pos += 4 + 12 * abs(count)
    require(pos + 4 == glend, "GL commands do not end with their terminator at the block's end")
    triangles = [tuple(vertices[v] for v in t[:3]) for t in tris]
    uvs = [tuple((st[c][0] / h["skin_width"], st[c][1] / h["skin_height"]) for c in t[3:]) for t in tris]
    return h, triangles, uvs


def sub(a, b):
    return tuple(a[i] - b[i] for i in range(3))


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def normal(t):
    return cross(sub(t[1], t[0]), sub(t[2], t[0]))


def area(t):
    return math.sqrt(dot(normal(t), normal(t))) / 2


def bounds(triangles):
    """The loader's bounding sphere: box middle and the farthest vertex."""
    points = [p for t in triangles for p in t]
    lo = [min(p[i] for p in points) for i in range(3)]
    hi = [max(p[i] for p in points) for i in range(3)]
    centre = [(lo[i] + hi[i]) / 2 for i in range(3)]
    return lo, hi, max(math.dist(centre, p) for p in points)


def surface_faults(triangles):
    """Every directed edge matched by its reverse (closed, consistently wound) and
    every connected part enclosing a positive volume (facing outward)."""
    faults = [f"triangle {i} is degenerate" for i, t in enumerate(triangles) if area(t) == 0][:3]
    edges = Counter((t[k], t[(k + 1) % 3]) for t in triangles for k in range(3))
    unmatched = sum(1 for (a, b), n in edges.items() if edges[(b, a)] != n)
    if unmatched:
        faults.append(f"{unmatched} edges without a matching reverse edge")
    parent = {}

    def find(p):
        while parent.setdefault(p, p) != p:
            parent[p] = parent[parent[p]]
            p = parent[p]
        return p

    for t in triangles:
        parent[find(t[1])] = parent[find(t[2])] = find(t[0])
    volume = Counter()
    for t in triangles:
        volume[find(t[0])] += dot(t[0], cross(t[1], t[2])) / 6
    inward = [v for v in volume.values() if v <= 0]
    if inward:
        faults.append(f"{len(inward)} of {len(volume)} parts enclose no positive volume")
    return faults


def segment_distance(p, a, b):
    ab = sub(b, a)
    t = max(0.0, min(1.0, dot(sub(p, a), ab) / dot(ab, ab)))
    return math.dist(p, [a[i] + t * ab[i] for i in range(3)])


def triangle_distance(p, t):
    """Straight down to the plane when that lands inside the triangle, else to the nearest edge."""
    n = normal(t)
    nn = dot(n, n)
    if nn > 0:
        d = dot(sub(p, t[0]), n) / nn
        q = [p[i] - d * n[i] for i in range(3)]
        if all(dot(cross(sub(t[(k + 1) % 3], t[k]), sub(q, t[k])), n) >= 0 for k in range(3)):
            return abs(d) * math.sqrt(nn)
    return min(segment_distance(p, t[k], t[(k + 1) % 3]) for k in range(3))


def distance(triangles, p):
    return min(triangle_distance(p, t) for t in triangles)


def enters_box(tri, lo, hi):
    """Sutherland-Hodgman clipping of the triangle against the box's six planes."""
    polygon = list(tri)
    for axis in range(3):
        for limit, below in ((lo[axis], False), (hi[axis], True)):
            inside = (lambda q: q[axis] <= limit) if below else (lambda q: q[axis] >= limit)
            out = []
            for i, cur in enumerate(polygon):
                prev = polygon[i - 1]
                if inside(cur) != inside(prev):
                    t = (limit - prev[axis]) / (cur[axis] - prev[axis])
                    out.append(tuple(prev[k] + t * (cur[k] - prev[k]) for k in range(3)))
                if inside(cur):
                    out.append(cur)
            polygon = out
            if not polygon:
                return False
    return True


def check_skin(name, h, uvs):
    skin = MDL / "gfx" / f"{name}.gif"
    info = subprocess.run(["identify", "-format", "%m %w %h %z %r\n", str(skin)], capture_output=True, text=True)
    f = info.stdout.split()
    check(info.returncode == 0 and f[:5] == ["GIF", str(h["skin_width"]), str(h["skin_height"]), "8", "PseudoClass"],
          f"{name}.gif: an 8-bit paletted GIF of the model's skin size ({info.stdout.strip()})")
    if info.returncode:
        return
    w, ht = h["skin_width"], h["skin_height"]
    rgb = subprocess.run(["convert", str(skin), "-depth", "8", "rgb:-"], capture_output=True).stdout
    centroids = [(min(w - 1, int(sum(c[0] for c in uv) / 3 * w)), min(ht - 1, int(sum(c[1] for c in uv) / 3 * ht)))
                 for uv in uvs]
    sampled = {rgb[3 * (t * w + s):3 * (t * w + s) + 3] for s, t in centroids}
    check(len(sampled) >= 6, f"{name}.gif: painted, triangles sample {len(sampled)} colours")


def check_ship(name, tris):
    lo, hi, radius = bounds(tris)
    check(radius < 100 and max(-lo[0], hi[0], -lo[1], hi[1]) < 100,
          f"{name}: radius {radius:.1f} under 100, cross-section fits the 200 x 200 bay")
    check(55 <= hi[2] <= 65 and -60 <= lo[2] <= -50, f"{name}: nose at z {hi[2]:.1f}, tail at {lo[2]:.1f}")
    for label, point, limit in (("exhaust", EXHAUST, 5), ("muzzle", MUZZLE, 8), ("eye", EYE, 8)):
        d = distance(tris, point)
        check(d <= limit, f"{name}: {label} {point} is {d:.1f} from the hull")


def check_station(tris):
    blocking = [t for t in tris if enters_box(t, (-99.5, -99.5, -149.5), (99.5, 99.5, 1e5))]
    check(not blocking, f"Spacestation: bay 200 x 200 clear back to z = -150 ({len(blocking)} in the way)")
    walls = back = 0.0
    wrong = 0
    for t in tris:
        n = normal(t)
        for axis in (0, 1):
            if all(abs(abs(p[axis]) - 100) < 0.01 and p[axis] * t[0][axis] > 0 and abs(p[1 - axis]) <= 100.01
                   and -150.01 <= p[2] <= 200.01 for p in t):
                walls += area(t) if n[axis] * t[0][axis] < 0 else 0
                wrong += n[axis] * t[0][axis] >= 0
        if all(abs(p[2] + 150) < 0.01 and abs(p[0]) <= 100.01 and abs(p[1]) <= 100.01 for p in t) and n[2] > 0:
            back += area(t)
    check(wrong == 0 and abs(walls - 4 * 200 * 350) < 1, f"Spacestation: tunnel walls face inward, area {walls:.0f}")
    check(abs(back - 200 * 200) < 1, f"Spacestation: tunnel end at z = -150 faces the bay, area {back:.0f}")
    rim = [(x, y, 200) for x in (-150, -120, 0, 120, 150) for y in (-150, -120, 120, 150)]
    rim += [(x, 0, 200) for x in (-150, -120, 120, 150)]
    check(all(any(normal(t)[2] > 0 and triangle_distance(p, t) < 0.01 for t in tris) for p in rim),
          "Spacestation: the +z face at z = 200 surrounds the bay opening")
    worst = max(distance(tris, (sx * x, sy * y, sz * z)) for x, y, z in LIGHTS
                for sx in (-1, 1) for sy in (-1, 1) for sz in (-1, 1))
    check(worst <= 2, f"Spacestation: all 32 running lights on the structure (worst {worst:.2f} away)")


models = {}
for name in MODELS:
    try:
        h, tris, uvs = read(MDL / f"{name}.md2")
    except (OSError, Md2Error, struct.error) as e:
        check(False, f"{name}.md2: {e}")
        continue
    models[name] = tris
    faults = surface_faults(tris)
    check(not faults, f"{name}.md2: {h['num_tris']} triangles, radius {bounds(tris)[2]:.1f}" + "".join("; " + f for f in faults))
    check_skin(name, h, uvs)
if len(models) == len(MODELS):
    for name in ("Ship_Explorer", "Ship_Fighter"):
        check_ship(name, models[name])
    explorer, fighter = (sum(dot(t[0], cross(t[1], t[2])) / 6 for t in models[n]) for n in ("Ship_Explorer",
                                                                                         "Ship_Fighter"))
    check(explorer > 2 * fighter, f"Explorer hull ({explorer:.0f}) at least twice the fighter's ({fighter:.0f})")
    check(10 <= bounds(models["Missile"])[2] <= 15, "Missile: bounding radius within 10..15")
    check(all(5 < bounds(models[n])[2] < 200 for n in ("Commander", "Cargo", "Emp")), "Commander, Cargo, Emp: small")
    check_station(models["Spacestation"])
sys.exit(1 if failures else 0)

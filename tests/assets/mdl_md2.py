#!/usr/bin/env python3
"""Independent reader of the game's MD2 models, and their structural check.

Run with the build directory: every model the game loads must be a sound
one-frame MD2 within the loader's limits whose triangles form closed,
consistently wound, outward-facing surfaces in game space. The other mdl_
scripts import this module for the decoding.
"""
import math
import struct
import sys
from collections import Counter
from pathlib import Path

MODELS = ["Commander", "Cargo", "Missile", "Emp", "Spacestation", "Ship_Explorer", "Ship_Fighter"]

MAX_SKINS, MAX_FRAMES, MAX_TRIANGLES, MAX_VERTICES, MAX_TEXCOORDS = 32, 512, 4096, 2048, 2048
HEADER_FIELDS = ["ident", "version", "skin_width", "skin_height", "frame_size", "num_skins",
                 "num_vertices", "num_st", "num_tris", "num_glcmds", "num_frames", "ofs_skins",
                 "ofs_st", "ofs_tris", "ofs_frames", "ofs_glcmds", "ofs_end"]


class Md2Error(Exception):
    pass


class Md2:
    """header: dict; st: [(s, t)]; tris: [(v0, v1, v2, st0, st1, st2)];
    vertices: game-space positions of frame 0 (file y and z swapped);
    triangles: [(p0, p1, p2)] in file order; uvs: [((s, t) x 3)] normalised."""


def _require(condition, message):
    if not condition:
        raise Md2Error(message)


def read(path):
    data = Path(path).read_bytes()
    _require(len(data) >= 68, "shorter than the 68-byte header")
    h = dict(zip(HEADER_FIELDS, struct.unpack_from("<17i", data, 0)))
    _require(h["ident"] == 0x32504449, "ident is not IDP2")
    _require(h["version"] == 8, "version is not 8")
    _require(0 < h["num_skins"] <= MAX_SKINS, "skin count out of range")
    _require(0 < h["num_frames"] <= MAX_FRAMES, "frame count out of range")
    _require(0 < h["num_tris"] <= MAX_TRIANGLES, "triangle count out of range")
    _require(0 < h["num_vertices"] <= MAX_VERTICES, "vertex count out of range")
    _require(0 < h["num_st"] <= MAX_TEXCOORDS, "texture coordinate count out of range")
    _require(h["skin_width"] > 0 and h["skin_height"] > 0, "skin size not positive")
    _require(h["frame_size"] == 40 + 4 * h["num_vertices"], "frame size does not match vertex count")
    _require(h["ofs_end"] == len(data), "end offset is not the file size")
    blocks = [("skins", h["ofs_skins"], 64 * h["num_skins"]),
              ("st", h["ofs_st"], 4 * h["num_st"]),
              ("tris", h["ofs_tris"], 12 * h["num_tris"]),
              ("frames", h["ofs_frames"], h["frame_size"] * h["num_frames"]),
              ("glcmds", h["ofs_glcmds"], 4 * h["num_glcmds"])]
    end = 68
    for name, offset, size in sorted(blocks, key=lambda b: b[1]):
        _require(offset >= end, f"{name} block overlaps the one before it")
        _require(offset < h["ofs_end"] and offset + size <= h["ofs_end"], f"{name} block beyond the end")
        end = offset + size

    m = Md2()
    m.header = h
    for i in range(h["num_skins"]):
        raw = data[h["ofs_skins"] + 64 * i: h["ofs_skins"] + 64 * (i + 1)]
        _require(b"\0" in raw, "skin name not terminated")
    m.st = [struct.unpack_from("<2h", data, h["ofs_st"] + 4 * i) for i in range(h["num_st"])]
    for s, t in m.st:
        _require(0 <= s <= h["skin_width"] and 0 <= t <= h["skin_height"], "texture coordinate off the skin")
    m.tris = [struct.unpack_from("<6h", data, h["ofs_tris"] + 12 * i) for i in range(h["num_tris"])]
    for tri in m.tris:
        _require(all(0 <= v < h["num_vertices"] for v in tri[:3]), "vertex index out of range")
        _require(all(0 <= c < h["num_st"] for c in tri[3:]), "texture coordinate index out of range")
    m.vertices = _decode_frame(data, h, 0)
    _check_glcmds(data, h)
    m.triangles = [tuple(m.vertices[v] for v in tri[:3]) for tri in m.tris]
    m.uvs = [tuple((m.st[c][0] / h["skin_width"], m.st[c][1] / h["skin_height"]) for c in tri[3:])
             for tri in m.tris]
    return m


def _decode_frame(data, h, frame):
    base = h["ofs_frames"] + frame * h["frame_size"]
    scale = struct.unpack_from("<3f", data, base)
    translate = struct.unpack_from("<3f", data, base + 12)
    _require(all(math.isfinite(v) for v in scale + translate), "frame scale or translate not finite")
    out = []
    for i in range(h["num_vertices"]):
        bx, by, bz, _ = struct.unpack_from("<4B", data, base + 40 + 4 * i)
        # The game keeps z up in the file as its y axis: swap y and z, no sign change.
        out.append((bx * scale[0] + translate[0], bz * scale[2] + translate[2], by * scale[1] + translate[1]))
    return out


def _check_glcmds(data, h):
    pos, end = h["ofs_glcmds"], h["ofs_glcmds"] + 4 * h["num_glcmds"]
    while True:
        _require(pos + 4 <= end, "GL commands run past their block")
        (count,) = struct.unpack_from("<i", data, pos)
        pos += 4
        if count == 0:
            break
        for _ in range(abs(count)):
            _require(pos + 12 <= end, "GL commands run past their block")
            s, t, index = struct.unpack_from("<2fi", data, pos)
            _require(0 <= index < h["num_vertices"], "GL command vertex out of range")
            pos += 12
    _require(pos == end, "GL command count does not match the terminator")


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def normal(tri):
    """The loader's face normal direction: (p1 - p0) x (p2 - p0)."""
    return cross(sub(tri[1], tri[0]), sub(tri[2], tri[0]))


def bounds(m):
    """The loader's bounding sphere: box middle and the farthest vertex of any triangle."""
    points = [p for tri in m.triangles for p in tri]
    lo = [min(p[i] for p in points) for i in range(3)]
    hi = [max(p[i] for p in points) for i in range(3)]
    centre = tuple((lo[i] + hi[i]) / 2 for i in range(3))
    radius = max(math.dist(centre, p) for p in points)
    return lo, hi, centre, radius


def winding_faults(m):
    """Every directed edge must be matched by its reverse (closed surfaces,
    consistent winding) and every connected part must enclose a positive
    volume (outward faces)."""
    faults = []
    edges = Counter()
    for tri in m.triangles:
        for k in range(3):
            edges[(tri[k], tri[(k + 1) % 3])] += 1
    unmatched = sum(1 for (a, b), n in edges.items() if edges[(b, a)] != n)
    if unmatched:
        faults.append(f"{unmatched} edges without a matching reverse edge")
    parent = {}

    def find(p):
        while parent.setdefault(p, p) != p:
            parent[p] = parent[parent[p]]
            p = parent[p]
        return p

    for tri in m.triangles:
        for k in (1, 2):
            parent[find(tri[k])] = find(tri[0])
    volume = Counter()
    for tri in m.triangles:
        volume[find(tri[0])] += dot(tri[0], cross(tri[1], tri[2])) / 6
    inward = [v for v in volume.values() if v <= 0]
    if inward:
        faults.append(f"{len(inward)} of {len(volume)} parts enclose no positive volume")
    return faults


def load_all(build_dir):
    folder = Path(build_dir) / "mdl"
    return {name: read(folder / f"{name}.md2") for name in MODELS}


def reader_rejects_damage(path):
    """The checks above are only worth something if damaged copies fail them."""
    import tempfile
    good = Path(path).read_bytes()
    h = dict(zip(HEADER_FIELDS, struct.unpack_from("<17i", good, 0)))
    bad_index = bytearray(good)
    struct.pack_into("<h", bad_index, h["ofs_tris"], h["num_vertices"])
    damaged = {"ident": b"IDP3" + good[4:], "truncated": good[:-4], "vertex index": bytes(bad_index),
               "too many triangles": good[:32] + struct.pack("<i", MAX_TRIANGLES + 1) + good[36:]}
    accepted = []
    with tempfile.TemporaryDirectory() as scratch:
        for label, data in damaged.items():
            copy = Path(scratch) / "damaged.md2"
            copy.write_bytes(data)
            try:
                read(copy)
                accepted.append(label)
            except Md2Error:
                pass
    return accepted


def main(build_dir):
    failures = 0
    accepted = reader_rejects_damage(Path(build_dir) / "mdl" / "Missile.md2")
    if accepted:
        print("reader accepts damaged files: " + ", ".join(accepted))
        failures += 1
    for name in MODELS:
        try:
            m = read(Path(build_dir) / "mdl" / f"{name}.md2")
        except (OSError, Md2Error) as e:
            print(f"{name}: {e}")
            failures += 1
            continue
        faults = [f"triangle {i} is degenerate" for i, tri in enumerate(m.triangles)
                  if dot(normal(tri), normal(tri)) == 0]
        faults += winding_faults(m)
        if faults:
            print(f"{name}: " + "; ".join(faults[:5]))
            failures += 1
        else:
            print(f"{name}: ok ({m.header['num_tris']} triangles, {m.header['num_vertices']} vertices, "
                  f"radius {bounds(m)[3]:.1f})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

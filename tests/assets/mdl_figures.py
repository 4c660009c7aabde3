#!/usr/bin/env python3
"""Checks the models' game-space shapes against the figures the game uses.

Ships face +z with the exhaust at (0, 0, -50), the muzzle at (0, -1, 55)
and the cockpit eye at (0, 4, 55), and must fit the 200 x 200 docking bay;
the missile's radius sets its fuse (8 radii) and blast (32 radii); the
station has a clear bay in its +z face, a tunnel back to z = -150 whose
walls face inward, and structure under all 32 running lights.
"""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from mdl_md2 import bounds, cross, dot, load_all, normal, sub  # noqa: E402

EXHAUST, MUZZLE, EYE = (0, 0, -50), (0, -1, 55), (0, 4, 55)
LIGHT_PATTERNS = [(250, 650, 200), (650, 650, 150), (950, 650, 150), (1300, 650, 200)]

failures = []


def check(condition, message):
    print(("ok    " if condition else "FAIL  ") + message)
    if not condition:
        failures.append(message)


def closest_on_triangle(p, a, b, c):
    """Closest point to p on triangle abc (Voronoi regions of the corners and edges)."""
    ab, ac, ap = sub(b, a), sub(c, a), sub(p, a)
    d1, d2 = dot(ab, ap), dot(ac, ap)
    if d1 <= 0 and d2 <= 0:
        return a
    bp = sub(p, b)
    d3, d4 = dot(ab, bp), dot(ac, bp)
    if d3 >= 0 and d4 <= d3:
        return b
    vc = d1 * d4 - d3 * d2
    if vc <= 0 and d1 >= 0 and d3 <= 0:
        v = d1 / (d1 - d3)
        return tuple(a[i] + v * ab[i] for i in range(3))
    cp = sub(p, c)
    d5, d6 = dot(ab, cp), dot(ac, cp)
    if d6 >= 0 and d5 <= d6:
        return c
    vb = d5 * d2 - d1 * d6
    if vb <= 0 and d2 >= 0 and d6 <= 0:
        w = d2 / (d2 - d6)
        return tuple(a[i] + w * ac[i] for i in range(3))
    va = d3 * d6 - d5 * d4
    if va <= 0 and d4 - d3 >= 0 and d5 - d6 >= 0:
        w = (d4 - d3) / ((d4 - d3) + (d5 - d6))
        return tuple(b[i] + w * (c[i] - b[i]) for i in range(3))
    denom = 1 / (va + vb + vc)
    v, w = vb * denom, vc * denom
    return tuple(a[i] + ab[i] * v + ac[i] * w for i in range(3))


def distance_to_mesh(model, p):
    return min(math.dist(p, closest_on_triangle(p, *tri)) for tri in model.triangles)


def clip(polygon, axis, limit, keep_below):
    """Sutherland-Hodgman against one axis-aligned plane."""
    inside = (lambda q: q[axis] <= limit) if keep_below else (lambda q: q[axis] >= limit)
    out = []
    for i, cur in enumerate(polygon):
        prev = polygon[i - 1]
        if inside(cur) != inside(prev):
            t = (limit - prev[axis]) / (cur[axis] - prev[axis])
            out.append(tuple(prev[k] + t * (cur[k] - prev[k]) for k in range(3)))
        if inside(cur):
            out.append(cur)
    return out


def enters_box(tri, lo, hi):
    polygon = list(tri)
    for axis in range(3):
        polygon = clip(polygon, axis, lo[axis], False)
        polygon = clip(polygon, axis, hi[axis], True)
        if not polygon:
            return False
    return True


def area(tri):
    n = normal(tri)
    return math.sqrt(dot(n, n)) / 2


def volume(model):
    return sum(dot(t[0], cross(t[1], t[2])) for t in model.triangles) / 6


def check_ship(name, model):
    lo, hi, _, radius = bounds(model)
    check(radius < 100, f"{name}: bounding radius {radius:.1f} under 100")
    check(max(abs(lo[0]), hi[0], abs(lo[1]), hi[1]) < 100, f"{name}: cross-section fits the 200 x 200 bay")
    check(55 <= hi[2] <= 65, f"{name}: nose at z {hi[2]:.1f}, just ahead of muzzle and eye at 55")
    check(-60 <= lo[2] <= -50, f"{name}: tail at z {lo[2]:.1f}, just behind the exhaust at -50")
    for label, point, limit in (("exhaust", EXHAUST, 5), ("muzzle", MUZZLE, 8), ("eye", EYE, 8)):
        d = distance_to_mesh(model, point)
        check(d <= limit, f"{name}: {label} {point} is {d:.1f} from the hull")


def check_station(model):
    # Nothing may enter the bay window and tunnel (a little inside its walls).
    blocking = [i for i, t in enumerate(model.triangles)
                if enters_box(t, (-99.5, -99.5, -149.5), (99.5, 99.5, 100000))]
    check(not blocking, f"Spacestation: bay 200 x 200 clear in front and back to z = -150 ({len(blocking)} in the way)")
    walls = back = 0.0
    wrong = 0
    for t in model.triangles:
        n = normal(t)
        for axis in (0, 1):
            if all(abs(abs(p[axis]) - 100) < 0.01 and p[axis] * t[0][axis] > 0 for p in t) and \
                    all(abs(p[1 - axis]) <= 100.01 and -150.01 <= p[2] <= 200.01 for p in t):
                if n[axis] * t[0][axis] < 0:
                    walls += area(t)
                else:
                    wrong += 1
        if all(abs(p[2] + 150) < 0.01 and abs(p[0]) <= 100.01 and abs(p[1]) <= 100.01 for p in t):
            back += area(t) if n[2] > 0 else 0
    check(wrong == 0 and abs(walls - 4 * 200 * 350) < 1,
          f"Spacestation: tunnel walls face inward, area {walls:.0f} of {4 * 200 * 350}")
    check(abs(back - 200 * 200) < 1, f"Spacestation: tunnel end wall at z = -150 faces the bay, area {back:.0f}")
    rim = [(x, y, 200) for x in (-150, -120, 0, 120, 150) for y in (-150, -120, 120, 150)]
    rim += [(x, y, 200) for x in (-150, -120, 120, 150) for y in (0,)]
    faced = all(any(normal(t)[2] > 0 and distance_to_triangle(p, t) < 0.01 for t in model.triangles)
                for p in rim)
    check(faced, "Spacestation: the +z face at z = 200 surrounds the bay opening")
    worst = 0.0
    for x, y, z in LIGHT_PATTERNS:
        for sx in (-1, 1):
            for sy in (-1, 1):
                for sz in (-1, 1):
                    worst = max(worst, distance_to_mesh(model, (sx * x, sy * y, sz * z)))
    check(worst <= 2, f"Spacestation: all 32 running lights on the structure (worst {worst:.2f} away)")


def distance_to_triangle(p, t):
    return math.dist(p, closest_on_triangle(p, *t))


def main(build_dir):
    models = load_all(build_dir)
    for name in ("Ship_Explorer", "Ship_Fighter"):
        check_ship(name, models[name])
    explorer, fighter = volume(models["Ship_Explorer"]), volume(models["Ship_Fighter"])
    check(explorer > 2 * fighter, f"Explorer hull ({explorer:.0f}) at least twice the fighter's ({fighter:.0f})")
    _, _, _, radius = bounds(models["Missile"])
    check(10 <= radius <= 15, f"Missile: bounding radius {radius:.1f} within 10..15")
    check_station(models["Spacestation"])
    for name in ("Commander", "Cargo", "Emp"):
        _, _, _, radius = bounds(models[name])
        check(5 < radius < 200, f"{name}: bounding radius {radius:.1f} of a small object")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

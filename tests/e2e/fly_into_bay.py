#!/usr/bin/env python3
"""Flies the player's ship into the station's docking bay as a player would,
with mouse steering: each screenshot finds the target marker by its yellow
label, and the pointer turns the nose onto it. The ship starts at rest on the
bay's axis, facing away from the station.

  fly_into_bay.py WINDOW LEFT TOP FOLDER   (the 800 x 600 client area's corner)

A pointer offset turns the ship 0.003 rad per pixel, spread over the next
seconds; the view is 90 degrees high. Exits 0 once the dock menu shows."""
import math
import subprocess
import sys
import time

window, left, top, folder = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
RADIANS_PER_PIXEL = 0.003
FOCAL = 300  # half the client height, for the 90-degree view


def run(*args):
    subprocess.run(args, check=True)


def look(name):
    """The client area as RGB bytes, row by row."""
    path = f"{folder}/{name}.png"
    run("import", "-window", "root", path)
    ppm = subprocess.run(["convert", path, "-crop", f"800x600+{left}+{top}", "+repage", "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    return ppm[ppm.index(b"255\n") + 4:]


def marker(px):
    """The target's centre: between its yellow (1, 1, 0.6) name and distance
    labels, above the console. None when too few of them show."""
    xs, ys = [], []
    for y in range(520):
        row = px[y * 2400:(y + 1) * 2400]
        for x in range(800):
            if row[3 * x] > 235 and row[3 * x + 1] > 235 and 130 < row[3 * x + 2] < 175:
                xs.append(x)
                ys.append(y)
    return (sum(xs) / len(xs), sum(ys) / len(ys) + 4) if len(xs) >= 20 else None


def docked(px):
    """The dock menu: its light title panel over the dark button column."""
    def mean(x0, y0, x1, y1):
        values = [px[(y * 800 + x) * 3 + c] for y in range(y0, y1) for x in range(x0, x1) for c in range(3)]
        return sum(values) / len(values)
    return mean(40, 35, 200, 60) > 150 and mean(40, 300, 200, 320) < 140


def turn(dx, dy, settle=2.5):
    run("xdotool", "mousemove_relative", "--", str(round(dx)), str(round(dy)))
    time.sleep(settle)


run("xdotool", "mousemove", "--window", window, "400", "300")
time.sleep(0.3)
run("xdotool", "mousedown", "3")
time.sleep(0.5)
# About half a turn to face the station.
for _ in range(10):
    turn(105, 0, 0.1)
time.sleep(2.5)
moving = False
for step in range(60):
    px = look(f"bay_{step:02d}")
    if docked(px):
        print(f"docked after {step} looks")
        run("xdotool", "mouseup", "3")
        sys.exit(0)
    found = marker(px)
    if found is None:
        # Too close for the labels once under way; otherwise keep looking round.
        if moving:
            time.sleep(0.3)
        else:
            turn(60, 0)
        continue
    ex, ey = found[0] - 400, found[1] - 300
    print(f"look {step}: marker {ex:+.1f}, {ey:+.1f} pixels off centre")
    if abs(ex) < 1.5 and abs(ey) < 1.5:
        if not moving:
            run("xdotool", "keydown", "Return")
            time.sleep(0.5)
            run("xdotool", "keyup", "Return")
            moving = True
        time.sleep(0.3)
        continue
    # The pointer to the right turns right; down raises the nose, as a stick does.
    turn(0.7 * math.atan(ex / FOCAL) / RADIANS_PER_PIXEL, -0.7 * math.atan(ey / FOCAL) / RADIANS_PER_PIXEL)
run("xdotool", "mouseup", "3")
print("no dock menu after 60 looks")
sys.exit(1)

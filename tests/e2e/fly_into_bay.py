#!/usr/bin/env python3
"""Flies the player's ship into the station's docking bay as a player would,
with mouse steering: each screenshot finds the target marker by its bracket,
and the pointer turns the nose onto it. The ship starts at rest on the
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
    """The target's centre: the middle of the square bracket (255, 209, 89)
    drawn round it, 64 pixels wide, and whether all of it shows above the
    console. None when too little of it shows."""
    points = [(i // 3 % 800, i // 3 // 800) for i in range(0, 800 * 520 * 3, 3)
              if px[i] > 245 and 185 < px[i + 1] < 230 and 55 < px[i + 2] < 120]
    if len(points) < 40:
        return None
    # Pixel centres lie half a pixel inside the bracket's edges.
    return (sum(x for x, _ in points) / len(points) + 0.5, sum(y for _, y in points) / len(points) + 0.5,
            len(points) >= 250)


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
# About half a turn to face the station; the game may miss part of it.
for _ in range(5):
    turn(210, 0, 0.3)
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
        # Too close for the bracket once under way; otherwise look round by
        # most of a view's width.
        if moving:
            time.sleep(0.3)
        else:
            turn(250, 0)
        continue
    ex, ey = found[0] - 400, found[1] - 300
    print(f"look {step}: marker {ex:+.1f}, {ey:+.1f} pixels off centre")
    # Under way, the line to the station only drifts; small errors are left.
    if found[2] and max(abs(ex), abs(ey)) < (3.0 if moving else 1.1):
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

#!/usr/bin/env python3
"""Every sound effect read back with sox and Python's wave module: mono 22050 Hz
PCM, audible without clipping, looping ones without a click at the joint."""
import math
import struct
import subprocess
import sys
import wave
from pathlib import Path

# The 23 samples the game loads, in its loading order.
SAMPLES = ["buttonOver", "buttonClick", "dialogPopup", "tradeItemOver", "tradeBuySell", "systemOver", "repair", "dock",
           "launch", "hyperspace", "missileIncoming", "explosion", "rocketFire", "rocketEngine", "empFire",
           "empAmbient", "laser", "laserHit", "shipEngine", "stationLights", "collision1", "collision2",
           "collisionWarning"]
LOOPING = {"rocketEngine", "empAmbient", "laser", "shipEngine"}
EIGHT_BIT = {"tradeItemOver"}
# Replayed on a timer, so over before the next: missile warning 0.7 s, station light 0.6 s,
# collision warning 0.5 s.
MAX_SECONDS = {"missileIncoming": 0.7, "stationLights": 0.6, "collisionWarning": 0.5}
LOUD = {"explosion", "dock", "launch", "hyperspace", "collision1", "collision2"}


def problems(path, name):
    if not path.is_file():
        return ["missing"]
    info = subprocess.run(["sox", "--info", str(path)], capture_output=True, text=True)
    found = [] if info.returncode == 0 else ["sox --info rejects it: " + info.stderr.strip()]
    with wave.open(str(path), "rb") as w:
        p = w.getparams()
        frames = w.readframes(p.nframes)
    form = (p.nchannels, p.framerate, 8 * p.sampwidth, p.comptype)
    if form != (1, 22050, 8 if name in EIGHT_BIT else 16, "NONE"):
        return found + [f"{form}: not mono 22050 Hz PCM of the expected depth"]
    v = ([x / 32768.0 for x in struct.unpack(f"<{p.nframes}h", frames)] if p.sampwidth == 2
         else [(x - 128) / 128.0 for x in frames])
    if len(v) < 200:
        return found + [f"only {len(v)} samples"]
    peak = max(map(abs, v))
    rms = math.sqrt(sum(x * x for x in v) / len(v))
    if rms < 0.005 or peak >= 0.99 or (name in LOUD and peak < 0.5):
        found.append(f"rms {rms:.4f}, peak {peak:.4f}: silent, clipped or too quiet")
    if len(v) / 22050 > MAX_SECONDS.get(name, 5.0):
        found.append(f"{len(v) / 22050:.3f} s long")
    if name in LOOPING:
        steps = sorted(abs(b - a) for a, b in zip(v, v[1:]))
        typical = steps[len(steps) // 2]
        if abs(v[0] - v[-1]) > typical:
            found.append(f"loop joint jumps {abs(v[0] - v[-1]):.4f}, typical step {typical:.4f}")
    elif abs(v[0]) > 0.01 or abs(v[-1]) > 0.01:
        found.append(f"starts at {v[0]:.4f} / ends at {v[-1]:.4f}, not at rest")
    return found


snd = Path(sys.argv[1]) / "snd"
failures = [f"{n}: {m}" for n in SAMPLES for m in problems(snd / f"{n}.wav", n)]
extra = {f.name for f in snd.glob("*")} - {n + ".wav" for n in SAMPLES}
failures += [f"unexpected files in snd/: {sorted(extra)}"] if extra else []
for line in failures:
    print("FAIL", line)
print(f"{len(SAMPLES)} samples checked, {len(failures)} problems")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""Reads every generated sound effect back with Python's wave module and sox.

Usage: snd_wav_files.py <build dir>
"""
import math
import os
import struct
import subprocess
import sys
import wave

# The 22 samples the game loads, in its loading order.
SAMPLES = [
    "buttonOver", "buttonClick", "dialogPopup", "tradeItemOver", "tradeBuySell",
    "systemOver", "repair", "dock", "launch", "hyperspace", "missileIncoming",
    "explosion", "rocketFire", "rocketEngine", "empFire", "empAmbient", "laser",
    "laserHit", "shipEngine", "stationLights", "collision1", "collision2",
]
LOOPING = {"rocketEngine", "empAmbient", "laser", "shipEngine"}
EIGHT_BIT = {"tradeItemOver"}
# Sounds replayed on a timer must end before the next one starts: the
# missile warning every 0.7 s, the station's light flash every 0.6 s.
MAX_SECONDS = {"missileIncoming": 0.7, "stationLights": 0.6}
LOUD = {"explosion", "dock", "launch", "hyperspace", "collision1", "collision2"}

failures = []


def fail(name, message):
    failures.append(f"{name}: {message}")


def read_samples(path):
    with wave.open(path, "rb") as w:
        params = w.getparams()
        frames = w.readframes(params.nframes)
    if params.sampwidth == 2:
        values = [v / 32768.0 for v in struct.unpack(f"<{params.nframes}h", frames)]
    elif params.sampwidth == 1:
        values = [(v - 128) / 128.0 for v in frames]
    else:
        values = []
    return params, values


def check_loop_joint(name, values):
    steps = sorted(abs(b - a) for a, b in zip(values, values[1:]))
    typical = steps[len(steps) // 2]
    jump = abs(values[0] - values[-1])
    if jump > typical:
        fail(name, f"loop joint jumps {jump:.4f}, typical step {typical:.4f}")


def check_edges(name, values):
    # A one-shot starts and ends at rest, or it clicks.
    if abs(values[0]) > 0.01 or abs(values[-1]) > 0.01:
        fail(name, f"starts at {values[0]:.4f} / ends at {values[-1]:.4f}, not at rest")


def check_file(snd_dir, name):
    path = os.path.join(snd_dir, name + ".wav")
    if not os.path.isfile(path):
        fail(name, "missing")
        return
    info = subprocess.run(["sox", "--info", path], capture_output=True, text=True)
    if info.returncode != 0:
        fail(name, "sox --info rejects it: " + info.stderr.strip())
    params, values = read_samples(path)
    want_width = 1 if name in EIGHT_BIT else 2
    if params.nchannels != 1:
        fail(name, f"{params.nchannels} channels, want mono")
    if params.framerate != 22050:
        fail(name, f"{params.framerate} Hz, want 22050")
    if params.sampwidth != want_width:
        fail(name, f"{8 * params.sampwidth}-bit, want {8 * want_width}-bit")
    if params.comptype != "NONE":
        fail(name, "not plain PCM")
    if len(values) < 200:
        fail(name, f"only {len(values)} samples")
        return
    peak = max(abs(v) for v in values)
    rms = math.sqrt(sum(v * v for v in values) / len(values))
    if rms < 0.005:
        fail(name, f"practically silent (rms {rms:.5f})")
    if peak >= 0.99:
        fail(name, f"peak {peak:.4f} at full scale")
    if name in LOUD and peak < 0.5:
        fail(name, f"peak {peak:.3f}: too quiet for a loud effect")
    seconds = len(values) / params.framerate
    if seconds > MAX_SECONDS.get(name, 5.0):
        fail(name, f"{seconds:.3f} s long")
    if name in LOOPING:
        check_loop_joint(name, values)
    else:
        check_edges(name, values)


def main():
    snd_dir = os.path.join(sys.argv[1], "snd")
    for name in SAMPLES:
        check_file(snd_dir, name)
    extra = set(os.listdir(snd_dir)) - {n + ".wav" for n in SAMPLES} if os.path.isdir(snd_dir) else set()
    if extra:
        failures.append(f"unexpected files in snd/: {sorted(extra)}")
    for line in failures:
        print("FAIL", line)
    print(f"{len(SAMPLES)} samples checked, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

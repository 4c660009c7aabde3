#!/usr/bin/env python3
"""Runs the asset generator again into a scratch folder and requires the
sounds and music it writes there to be byte-for-byte those of the build.

Usage: snd_mus_reproducible.py <build dir>
"""
import filecmp
import os
import subprocess
import sys
import tempfile


def listing(root):
    files = []
    for folder in ("snd", "mus"):
        for here, _, names in os.walk(os.path.join(root, folder)):
            files += [os.path.relpath(os.path.join(here, n), root) for n in names]
    return sorted(files)


def main():
    build = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        run = subprocess.run([os.path.join(build, "assetgen"), scratch], capture_output=True, text=True)
        if run.returncode != 0:
            print("FAIL assetgen:", run.stderr.strip())
            return 1
        first, second = listing(build), listing(scratch)
        if first != second or not first:
            print("FAIL the two runs wrote different files:", sorted(set(first) ^ set(second)))
            return 1
        differing = [f for f in first
                     if not filecmp.cmp(os.path.join(build, f), os.path.join(scratch, f), shallow=False)]
        for f in differing:
            print("FAIL differs between runs:", f)
        print(f"{len(first)} files compared, {len(differing)} differ")
        return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())

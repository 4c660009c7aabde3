#!/usr/bin/env python3
"""Checks the model skins with ImageMagick and against their models.

Each skin must be a GIF that identify accepts, 8-bit paletted, of the size
its MD2 header gives, and painted: the texels the triangles sample (at
their centroids) must show many colours, not a flat fill.
"""
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from mdl_md2 import MODELS, read  # noqa: E402


def main(build_dir):
    failures = 0
    for name in MODELS:
        model = read(Path(build_dir) / "mdl" / f"{name}.md2")
        skin = Path(build_dir) / "mdl" / "gfx" / f"{name}.gif"
        info = subprocess.run(["identify", "-format", "%m %w %h %z %r %k\n", str(skin)],
                              capture_output=True, text=True)
        fields = info.stdout.split()
        problems = []
        if info.returncode != 0 or len(fields) < 6:
            problems.append("identify rejects it: " + info.stderr.strip())
        else:
            kind, width, height, depth, colour_class = fields[0], int(fields[1]), int(fields[2]), fields[3], fields[4]
            if kind != "GIF" or depth != "8" or colour_class != "PseudoClass":
                problems.append(f"not an 8-bit paletted GIF ({kind} {depth}-bit {colour_class})")
            if (width, height) != (model.header["skin_width"], model.header["skin_height"]):
                problems.append(f"{width} x {height} but the model says "
                                f"{model.header['skin_width']} x {model.header['skin_height']}")
            rgb = subprocess.run(["convert", str(skin), "-depth", "8", "rgb:-"], capture_output=True).stdout
            sampled = set()
            for uv in model.uvs:
                s = min(width - 1, int(sum(c[0] for c in uv) / 3 * width))
                t = min(height - 1, int(sum(c[1] for c in uv) / 3 * height))
                k = 3 * (t * width + s)
                sampled.add(rgb[k:k + 3])
            if len(sampled) < 6:
                problems.append(f"triangles sample only {len(sampled)} colours")
        print(f"{name}.gif: " + ("ok" if not problems else "; ".join(problems)))
        failures += bool(problems)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

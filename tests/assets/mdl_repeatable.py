#!/usr/bin/env python3
"""Runs the asset generator again into a scratch folder: every model and
skin must come out byte for byte as the build made them."""
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from mdl_md2 import MODELS  # noqa: E402


def main(build_dir):
    build = Path(build_dir)
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run([str(build / "assetgen"), scratch], check=True)
        files = [Path("mdl") / f"{n}.md2" for n in MODELS] + [Path("mdl/gfx") / f"{n}.gif" for n in MODELS]
        differ = [str(f) for f in files if (build / f).read_bytes() != (Path(scratch) / f).read_bytes()]
    print("differ: " + ", ".join(differ) if differ else f"{len(files)} files identical")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

#!/usr/bin/env python3
"""The README as a player reads it: the commands to play, install and test, the
save folder, the game's version (as CMake sets it), every control of the
flight, the settings file, and four screenshots that are PNG pictures of
640 x 480 of at most 200 KB. No tracked file names the design document.

  check_readme.py SOURCE_FOLDER"""
import re
import struct
import subprocess
import sys
from pathlib import Path

root = Path(sys.argv[1])
readme = (root / 'README.md').read_text(encoding='utf-8')
failures = []


def expect(text, why):
    if text not in readme:
        failures.append(f'README lacks {text!r} ({why})')


for command in ['./scripts/play', 'drift-hauler\n', 'cmake --install build-release --prefix ~/.local',
                './scripts/package', 'sudo apt install ./build-package/drift-hauler_', './scripts/test',
                './scripts/screenshots']:
    expect(command, 'a command')
for place in ['~/.local/share/Quillon Marsh/Drift Hauler/', 'XDG_DATA_HOME', 'save1.sav', 'save5.sav',
              'settings.ini']:
    expect(place, 'saves and settings')
for key in ['display', 'brightness', 'sound', 'music']:
    expect(f'`{key}`', 'a key of settings.ini')

version = re.search(r'project\(DriftHauler VERSION ([0-9.]+)', (root / 'CMakeLists.txt').read_text())
if not version:
    failures.append('CMakeLists.txt sets no project version')
else:
    expect(f'drift-hauler_{version.group(1)}-1_amd64.deb', 'the version, in the package name')

controls = re.search(r'^## Controls in flight\n(.*?)^#', readme, re.S | re.M)
table = controls.group(1) if controls else ''
for key in ['Enter', 'Shift', 'W', 'S', 'A', 'D', 'Space', 'Backspace', 'Delete', 'F1', 'F8', 'Escape',
            'right mouse button', 'middle button', 'left button']:
    if not re.search(r'(^|[^A-Za-z0-9])' + re.escape(key) + r'($|[^A-Za-z0-9])', table):
        failures.append(f'the controls table lacks {key}')

pictures = re.findall(r'!\[[^\]]+\]\((docs/screenshots/[^)]+)\)', readme)
if sorted(pictures) != sorted(f'docs/screenshots/{n}.png' for n in ['cockpit', 'fight', 'trade', 'galaxy-map']):
    failures.append(f'the README shows {pictures}, not the four screenshots')
for picture in pictures:
    path = root / picture
    if not path.is_file():
        failures.append(f'{picture} is missing')
        continue
    data = path.read_bytes()
    if data[:8] != b'\x89PNG\r\n\x1a\n' or data[12:16] != b'IHDR':
        failures.append(f'{picture} is not a PNG')
        continue
    width, height = struct.unpack('>II', data[16:24])
    if (width, height) != (640, 480):
        failures.append(f'{picture} is {width} x {height}, not 640 x 480')
    if len(data) > 200 * 1024:
        failures.append(f'{picture} has {len(data)} bytes, more than 200 KB')

if (root / '.git').exists():
    word = 'sp' + 'ec'
    found = subprocess.run(['git', '-C', str(root), 'grep', '-i', '-w', '-E', f'{word}|{word}ification'],
                           capture_output=True, text=True).stdout
    if found:
        failures.append('tracked files name the design document:\n' + found)

for failure in failures:
    print('FAIL:', failure)
print(f'README checked: {len(failures)} failures')
sys.exit(1 if failures else 0)

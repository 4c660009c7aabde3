#!/usr/bin/env python3
"""Save files for the end-to-end scripts, written and read straight from the
5746-byte layout (little-endian): signature, system name, commander name,
credits, kills, class code, shield, missiles, EMP bombs, cargo, 128 recent
systems and the current system with its stock.

  save_file.py write PATH X Y [NAME [SHIELD [CARGO]]]
                                  a Fighter Mark II commander at cell (X, Y),
                                  named NAME or "Mira Quell", with SHIELD units
                                  of shield left or 50, and the eight cargo
                                  counts CARGO ("4,0,0,3,0,0,0,1" if not given)
  save_file.py show PATH          the fields, one "name value" line each
"""
import struct
import sys

SIGNATURE = (0x24F01212, 0x21474412, 0xFC12A566, 0xDD134512)
# Credits, kills, class code, shield, missiles, EMP bombs, eight cargo counts.
FIELDS = "<dIifII8I"


def write(path, x, y, commander="Mira Quell", shield=50.0, missiles=2, emp_bombs=1, cargo=(4, 0, 0, 3, 0, 0, 0, 1)):
    data = struct.pack("<4I", *SIGNATURE)
    data += b"Viovio".ljust(255, b"\0") + commander.encode().ljust(255, b"\0")
    data += struct.pack(FIELDS, 98765.5, 3, 3, shield, missiles, emp_bombs, *cargo)
    data += bytes(128 * 40)
    data += struct.pack("<10I", x, y, *range(20, 28))
    assert len(data) == 5746
    with open(path, "wb") as out:
        out.write(data)


def show(path):
    data = open(path, "rb").read()
    print("size", len(data))
    print("signature", struct.unpack_from("<4I", data) == SIGNATURE)
    print("system", data[16:271].rstrip(b"\0").decode())
    print("commander", data[271:526].rstrip(b"\0").decode())
    credits, kills, code, shield, missiles, emp, *cargo = struct.unpack_from(FIELDS, data, 526)
    print("credits", f"{credits:.2f}")
    print("kills", kills)
    print("class", code)
    print("shield", f"{shield:.2f}")
    print("missiles", missiles)
    print("emp", emp)
    print("cargo", *cargo)
    x, y, *stock = struct.unpack_from("<10I", data, 5706)
    print("cell", x, y)
    print("stock", *stock)


if __name__ == "__main__":
    if sys.argv[1] == "write":
        cargo = {"cargo": tuple(map(int, sys.argv[7].split(",")))} if len(sys.argv) > 7 else {}
        write(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), *sys.argv[5:6], *map(float, sys.argv[6:7]), **cargo)
    else:
        show(sys.argv[2])

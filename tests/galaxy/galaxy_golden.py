#!/usr/bin/env python3
"""Golden star systems for GalaxyGoldenTest.cpp, computed without the game's code.

A second, independent implementation of the galaxy generator in plain Python:
double-precision steps with the state rounded to single precision through
struct packing. It prints the start system and the 7 x 7 block of cells around
it as C++ initialisers, the block's empty cells left out; paste them into
GalaxyGoldenTest.cpp when the golden values must be regenerated (they never
should: saved games depend on them).
"""
import struct

A = 32452844.0
B = 275604544.0
GALAXY_SEED = 34433

TWO_LETTER = "asabitinunenmirecoerulatowdohapajolaanoksufiedhatoorkaopmononeceeyisel"
THREE_LETTER = ("onetwohadforwasbigtheandcascopreatersovcannotsupkaylanrusimpminbughanfew"
                "leterscomyouresvodhenshetendedtooasshudmadviostaminmaxsaybadsadactlodideagekeyredroscro")


def step(state):
    """One generator step: double arithmetic, result stored as a float's bits."""
    y = float(state) * A + B
    t = int(y) & 0xFFFFFFFF          # int() truncates towards zero
    z = float(t) * A + B
    return struct.unpack("<I", struct.pack("<f", z))[0]


class Generator:
    def __init__(self, seed):
        self.state = seed

    def draw(self):
        self.state = step(self.state)
        return self.state


def market_stock(seed):
    state = seed
    stock = []
    for _ in range(8):
        state = step(state)
        stock.append(state % 201)
    return stock


def star_name(gen):
    count = (gen.draw() & 1) + 2
    name = ""
    for _ in range(count):
        length = (gen.draw() & 1) + 2
        d2 = gen.draw()
        table, entries = (TWO_LETTER, 35) if length == 2 else (THREE_LETTER, 53)
        k = d2 % entries
        name += table[k * length:k * length + length]
    return name[0].upper() + name[1:].lower()


def system_at(x, y):
    """The star of cell (x, y) as a dict, or None for an empty cell."""
    seed = ((x & 0xFFFF) + ((y << 16) & 0xFFFFFFFF) + GALAXY_SEED) & 0xFFFFFFFF
    if step(seed) & 3:
        return None
    stock = market_stock(seed)
    gen = Generator(seed)
    name = star_name(gen)
    offset_x = ((gen.draw() >> 1) & 31) + 16
    offset_y = ((gen.draw() >> 1) & 31) + 16
    planet_type = gen.draw()
    star_type = gen.draw()
    scene_seed = gen.draw()
    danger = gen.draw() % 5 + 1
    return dict(x=x, y=y, name=name, sceneSeed=scene_seed, starType=star_type,
                planetType=planet_type, offsetX=offset_x, offsetY=offset_y,
                danger=danger, stock=stock)


def start_system():
    """The search of a new game; an empty cell's existence draw seeds the next try."""
    state = GALAXY_SEED
    while True:
        s1 = step(state)
        s2 = step(s1)
        x, y = s2 >> 6, s1 >> 6
        system = system_at(x, y)
        if system is not None:
            return system
        seed = ((x & 0xFFFF) + ((y << 16) & 0xFFFFFFFF) + GALAXY_SEED) & 0xFFFFFFFF
        state = step(seed)


def self_check():
    assert len(TWO_LETTER) == 35 * 2 and len(THREE_LETTER) == 53 * 3
    seq = []
    state = 643463
    for _ in range(4):
        state = step(state)
        seq.append(state)
    assert seq == [0x5A20F062, 0x5A810C18, 0x5A1B4323, 0x59E5642F], [hex(v) for v in seq]
    state, seq = 0, []
    for _ in range(3):
        state = step(state)
        seq.append(state)
    assert seq == [0x59FE3544, 0x5BA97E64, 0x5BB592D5], [hex(v) for v in seq]


def cpp(x, y, system):
    stock = ", ".join(f"{s}u" for s in system["stock"])
    return (f"    {{{x}u, {y}u, \"{system['name']}\", 0x{system['sceneSeed']:08X}u, "
            f"0x{system['starType']:08X}u, 0x{system['planetType']:08X}u, "
            f"{system['offsetX']}u, {system['offsetY']}u, {system['danger']}u, {{{stock}}}}},")


def main():
    self_check()
    start = start_system()
    print("// start system")
    print(cpp(start["x"], start["y"], start))
    print("// the stars of the 7 x 7 block of cells around it, row by row")
    for dy in range(-3, 4):
        for dx in range(-3, 4):
            x = (start["x"] + dx) & 0xFFFFFFFF
            y = (start["y"] + dy) & 0xFFFFFFFF
            system = system_at(x, y)
            if system is not None:
                print(cpp(x, y, system))
    assert system_at(0, 0) is None


if __name__ == "__main__":
    main()

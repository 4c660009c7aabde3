#!/usr/bin/env python3
"""Every music track read with a MIDI chunk reader of our own: header and chunk
lengths, every event (running status included), an end-of-track closing each
track, every note released, and the length from the tempo map."""
import sys
from pathlib import Path

DATA_LENGTHS = {0x80: 2, 0x90: 2, 0xA0: 2, 0xB0: 2, 0xC0: 1, 0xD0: 1, 0xE0: 2}


class MidiError(Exception):
    pass


def require(ok, message):
    if not ok:
        raise MidiError(message)


def varlen(data, pos, end):
    value = 0
    for _ in range(4):
        require(pos < end, "variable-length number runs past the chunk")
        value = (value << 7) | (data[pos] & 0x7F)
        pos += 1
        if not data[pos - 1] & 0x80:
            return value, pos
    raise MidiError("variable-length number longer than 4 bytes")


def parse_track(data, pos, end):
    """[(tick, status, payload)] of one MTrk body; meta events have status 0xFF."""
    events, tick, running = [], 0, None
    while pos < end:
        require(not events or events[-1][1:] != (0xFF, (0x2F, b"")), "events after end-of-track")
        delta, pos = varlen(data, pos, end)
        tick += delta
        require(pos < end, "event missing after delta time")
        status = data[pos]
        if status == 0xFF:
            require(pos + 2 <= end, "truncated meta event")
            kind = data[pos + 1]
            length, pos = varlen(data, pos + 2, end)
            require(pos + length <= end, "meta event runs past the chunk")
            require(kind != 0x2F or length == 0, "end-of-track with data")
            events.append((tick, 0xFF, (kind, bytes(data[pos:pos + length]))))
            pos, running = pos + length, None
        elif status in (0xF0, 0xF7):
            length, pos = varlen(data, pos + 1, end)
            pos, running = pos + length, None
        else:
            if status & 0x80:
                pos, running = pos + 1, status
            require(running is not None, "data byte with no running status")
            count = DATA_LENGTHS.get(running & 0xF0)
            require(count is not None, f"unknown status {running:#x}")
            require(pos + count <= end, "channel event runs past the chunk")
            values = tuple(data[pos:pos + count])
            require(all(v < 0x80 for v in values), "data byte with the high bit set")
            events.append((tick, running & 0xF0, (running & 0x0F,) + values))
            pos += count
    require(events and events[-1][1:] == (0xFF, (0x2F, b"")), "track does not end with FF 2F 00")
    return events


def parse_file(path):
    data = path.read_bytes()
    require(data[:4] == b"MThd" and int.from_bytes(data[4:8], "big") == 6, "no MThd header of length 6")
    fmt, ntracks, division = (int.from_bytes(data[i:i + 2], "big") for i in (8, 10, 12))
    require(fmt in (0, 1) and ntracks >= 1 and (fmt == 1 or ntracks == 1), f"format {fmt} with {ntracks} tracks")
    require(0 < division < 0x8000, "division is not in ticks per quarter note")
    pos, tracks = 14, []
    for _ in range(ntracks):
        require(data[pos:pos + 4] == b"MTrk", f"chunk {len(tracks)} is not MTrk")
        end = pos + 8 + int.from_bytes(data[pos + 4:pos + 8], "big")
        require(end <= len(data), "MTrk length runs past the file")
        tracks.append(parse_track(data, pos + 8, end))
        pos = end
    require(pos == len(data), "bytes after the last chunk")
    return division, tracks


def seconds_of(division, tracks):
    tempos = sorted((t, int.from_bytes(p[1], "big")) for tr in tracks for t, s, p in tr if s == 0xFF and p[0] == 0x51)
    require(tempos, "no tempo event")
    end = max(tr[-1][0] for tr in tracks)
    seconds, tick, tempo = 0.0, 0, 500000
    for at, value in tempos:
        seconds += (min(at, end) - tick) * tempo / division / 1e6
        tick, tempo = min(at, end), value
    return seconds + (end - tick) * tempo / division / 1e6


def note_problems(tracks):
    """Every note released, every melodic channel given a program."""
    problems, programmed, playing, channels, notes = [], set(), {}, set(), 0
    for tick, status, payload in (e for tr in tracks for e in tr):
        if status == 0xC0:
            programmed.add(payload[0])
        elif status in (0x80, 0x90):
            key = payload[:2]
            if status == 0x90 and payload[2] > 0:
                if key in playing:
                    problems.append(f"key {key} struck again while sounding at {tick}")
                playing[key] = tick
                channels.add(payload[0])
                notes += 1
            else:
                playing.pop(key, None)
    if playing:
        problems.append(f"{len(playing)} notes never released")
    missing = sorted(c for c in channels if c != 9 and c not in programmed)
    if missing:
        problems.append(f"channels {missing} play with no program change")
    if len(channels) < 3 or notes < 100:
        problems.append(f"only {notes} notes on {len(channels)} channels")
    return problems


def check(path, low, high):
    try:
        division, tracks = parse_file(path)
        seconds = seconds_of(division, tracks)
    except (OSError, MidiError, IndexError) as e:
        return [f"{path}: {e}"]
    print(f"{path.name}: {len(tracks)} tracks, {seconds:.1f} s")
    length = [] if low <= seconds <= high else [f"{seconds:.1f} s long, want {low}..{high}"]
    return [f"{path}: {p}" for p in length + note_problems(tracks)]


mus = Path(sys.argv[1]) / "mus"
playlist = sorted(mus.glob("*.mid"))
failures = [] if len(playlist) >= 4 else [f"{len(playlist)} playlist tracks, want at least 4"]
for track in playlist:
    failures += check(track, 120.0, 240.0)
failures += check(mus / "intro" / "intro.mid", 60.0, 70.0)  # a 5 s title card and a 60 s text crawl
for line in failures:
    print("FAIL", line)
sys.exit(1 if failures else 0)

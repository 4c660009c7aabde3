#!/usr/bin/env python3
"""Reads every generated music track with an independent MIDI chunk reader.

Usage: mus_midi_files.py <build dir>
Checks the header and chunk lengths, parses every event (running status
included), requires each track to end with its end-of-track event, and
measures each track's length from its tempo map.
"""
import glob
import os
import sys

DATA_LENGTHS = {0x80: 2, 0x90: 2, 0xA0: 2, 0xB0: 2, 0xC0: 1, 0xD0: 1, 0xE0: 2}


class MidiError(Exception):
    pass


def read_varlen(data, pos, end):
    value = 0
    for _ in range(4):
        if pos >= end:
            raise MidiError("variable-length number runs past the chunk")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos
    raise MidiError("variable-length number longer than 4 bytes")


def parse_track(data, pos, end):
    """Returns a list of (tick, kind, payload) for one MTrk body."""
    events = []
    tick = 0
    running = None
    ended = False
    while pos < end:
        if ended:
            raise MidiError("events after end-of-track")
        delta, pos = read_varlen(data, pos, end)
        tick += delta
        if pos >= end:
            raise MidiError("event missing after delta time")
        status = data[pos]
        if status == 0xFF:
            if pos + 2 > end:
                raise MidiError("truncated meta event")
            kind = data[pos + 1]
            length, pos = read_varlen(data, pos + 2, end)
            if pos + length > end:
                raise MidiError("meta event runs past the chunk")
            payload = bytes(data[pos:pos + length])
            pos += length
            running = None
            events.append((tick, "meta", (kind, payload)))
            if kind == 0x2F:
                if payload:
                    raise MidiError("end-of-track with data")
                ended = True
        elif status in (0xF0, 0xF7):
            length, pos = read_varlen(data, pos + 1, end)
            pos += length
            running = None
        else:
            if status & 0x80:
                pos += 1
                running = status
            elif running is None:
                raise MidiError("data byte with no running status")
            count = DATA_LENGTHS.get(running & 0xF0)
            if count is None:
                raise MidiError(f"unknown status {running:#x}")
            if pos + count > end:
                raise MidiError("channel event runs past the chunk")
            values = tuple(data[pos:pos + count])
            if any(v & 0x80 for v in values):
                raise MidiError("data byte with the high bit set")
            pos += count
            events.append((tick, "channel", (running & 0xF0, running & 0x0F) + values))
    if not ended:
        raise MidiError("track does not end with FF 2F 00")
    return events


def parse_file(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"MThd" or int.from_bytes(data[4:8], "big") != 6:
        raise MidiError("no MThd header of length 6")
    fmt, ntracks, division = (int.from_bytes(data[i:i + 2], "big") for i in (8, 10, 12))
    if fmt not in (0, 1) or ntracks < 1 or (fmt == 0 and ntracks != 1):
        raise MidiError(f"format {fmt} with {ntracks} tracks")
    if division & 0x8000 or division == 0:
        raise MidiError("division is not in ticks per quarter note")
    pos = 14
    tracks = []
    for _ in range(ntracks):
        if data[pos:pos + 4] != b"MTrk":
            raise MidiError(f"chunk {len(tracks)} is not MTrk")
        length = int.from_bytes(data[pos + 4:pos + 8], "big")
        body_end = pos + 8 + length
        if body_end > len(data):
            raise MidiError("MTrk length runs past the file")
        tracks.append(parse_track(data, pos + 8, body_end))
        pos = body_end
    if pos != len(data):
        raise MidiError("bytes after the last chunk")
    return division, tracks


def seconds_of(division, tracks):
    tempos = sorted((t, int.from_bytes(p[1], "big")) for tr in tracks for t, k, p in tr
                    if k == "meta" and p[0] == 0x51)
    if not tempos:
        raise MidiError("no tempo event")
    end = max(tr[-1][0] for tr in tracks)
    seconds, tick, tempo = 0.0, 0, 500000
    for at, value in tempos:
        seconds += (min(at, end) - tick) * tempo / division / 1e6
        tick, tempo = min(at, end), value
    return seconds + (end - tick) * tempo / division / 1e6


def check_notes(tracks):
    """Every note released, every melodic channel given a program."""
    problems = []
    programmed = set()
    playing = {}
    channels = set()
    notes = 0
    for tr in tracks:
        for tick, kind, payload in tr:
            if kind != "channel":
                continue
            command, channel = payload[0], payload[1]
            if command == 0xC0:
                programmed.add(channel)
            elif command in (0x80, 0x90):
                key = (channel, payload[2])
                if command == 0x90 and payload[3] > 0:
                    if key in playing:
                        problems.append(f"key {key} struck again while sounding at {tick}")
                    playing[key] = tick
                    channels.add(channel)
                    notes += 1
                elif key in playing:
                    del playing[key]
    if playing:
        problems.append(f"{len(playing)} notes never released")
    missing = sorted(c for c in channels if c != 9 and c not in programmed)
    if missing:
        problems.append(f"channels {missing} play with no program change")
    if len(channels) < 3 or notes < 100:
        problems.append(f"only {notes} notes on {len(channels)} channels")
    return problems


def check(path, low, high, failures):
    try:
        division, tracks = parse_file(path)
        seconds = seconds_of(division, tracks)
    except (MidiError, IndexError) as e:
        failures.append(f"{path}: {e}")
        return
    if not low <= seconds <= high:
        failures.append(f"{path}: {seconds:.1f} s long, want {low}..{high}")
    for problem in check_notes(tracks):
        failures.append(f"{path}: {problem}")
    print(f"{os.path.basename(path)}: {len(tracks)} tracks, {seconds:.1f} s")


def main():
    mus = os.path.join(sys.argv[1], "mus")
    failures = []
    playlist = sorted(glob.glob(os.path.join(mus, "*.mid")))
    if len(playlist) < 4:
        failures.append(f"{len(playlist)} playlist tracks, want at least 4")
    for path in playlist:
        check(path, 120.0, 240.0, failures)
    intro = os.path.join(mus, "intro", "intro.mid")
    if os.path.isfile(intro):
        # A 5 s title card and a 60 s text crawl.
        check(intro, 60.0, 70.0, failures)
    else:
        failures.append("mus/intro/intro.mid missing")
    for line in failures:
        print("FAIL", line)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

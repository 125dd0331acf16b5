#!/usr/bin/env python3
"""Writes a small 4-channel ProTracker module ("M.K." .mod) made from scratch: synthesised
8-bit samples (square lead, saw bass, kick, noise snare and hat) and a four-chord loop.

Each pattern is 64 rows at speed 6 and 125 BPM, 7.68 seconds; the song plays its patterns
once and ends. Output is deterministic, so tests can rely on the length.

    tools/make_module.py out.mod [--patterns N] [--title TEXT]
"""
import argparse
import math
import struct

ROWS = 64
CHANNELS = 4
# ProTracker periods, octaves 1 to 3, C to B.
PERIODS = [
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113,
]
NOTES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
# Am, F, C, G: root names and chord tones as semitones above the root.
CHORDS = [("A", (0, 3, 7)), ("F", (0, 4, 7)), ("C", (0, 4, 7)), ("G", (0, 4, 7))]
PLAYBACK_RATE = 8287  # Hz of a sample played at C-2 (period 428) on a PAL machine


def period(name, octave, offset=0):
    index = (octave - 1) * 12 + NOTES[name] + offset
    return PERIODS[max(0, min(index, len(PERIODS) - 1))]


def clamp_byte(value):
    return max(-128, min(127, int(round(value))))


def noise(count, seed, decay):
    state = seed
    out = []
    for i in range(count):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        out.append(clamp_byte(((state >> 16) % 256 - 128) * math.exp(-i / decay)))
    return out


def samples():
    """(name, signed bytes, looped) for samples 1 to 5."""
    square = [100 if i < 16 else -100 for i in range(32)]
    saw = [clamp_byte(-120 + i * 240 / 31) for i in range(32)]
    kick = []
    phase = 0.0
    for i in range(2400):
        frequency = 40 + 110 * math.exp(-i / 300)
        phase += 2 * math.pi * frequency / PLAYBACK_RATE
        kick.append(clamp_byte(120 * math.sin(phase) * math.exp(-i / 900)))
    return [
        ("square lead", square, True),
        ("saw bass", saw, True),
        ("kick", kick, False),
        ("snare", noise(2000, 7, 400), False),
        ("hat", noise(400, 11, 60), False),
    ]


def cell(sample=0, note_period=0, effect=0, parameter=0):
    return bytes([
        (sample & 0xF0) | ((note_period >> 8) & 0x0F),
        note_period & 0xFF,
        ((sample & 0x0F) << 4) | (effect & 0x0F),
        parameter & 0xFF,
    ])


def pattern(number):
    rows = []
    for row in range(ROWS):
        root, tones = CHORDS[row // 16]
        bass = cell(2, period(root, 1)) if row % 4 == 0 else cell()
        step = (row // 2 + number) % len(tones)
        lead = cell(1, period(root, 2, tones[step]), 0xC, 40) if row % 2 == 0 else cell()
        drum = cell()
        if row % 8 == 0:
            drum = cell(3, period("C", 2))
        elif row % 8 == 4:
            drum = cell(4, period("C", 3))
        hat = cell(5, period("C", 3), 0xC, 24) if row % 2 == 1 else cell()
        rows.append(bass + lead + drum + hat)
    return b"".join(rows)


def module(pattern_count, title):
    sample_list = samples()
    header = title.encode("ascii", "replace")[:20].ljust(20, b"\0")
    for index in range(31):
        if index < len(sample_list):
            name, data, looped = sample_list[index]
            words = len(data) // 2
            loop_start, loop_words = (0, words) if looped else (0, 1)
            header += name.encode("ascii")[:22].ljust(22, b"\0")
            header += struct.pack(">HBBHH", words, 0, 64, loop_start, loop_words)
        else:
            header += b"\0" * 22 + struct.pack(">HBBHH", 0, 0, 0, 0, 1)
    header += bytes([pattern_count, 127])
    header += bytes(range(pattern_count)).ljust(128, b"\0")
    header += b"M.K."
    body = b"".join(pattern(number) for number in range(pattern_count))
    sample_bytes = b"".join(bytes(value & 0xFF for value in data) for _, data, _ in sample_list)
    return header + body + sample_bytes


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("--patterns", type=int, default=4, help="1 to 64, 7.68 s each")
    parser.add_argument("--title", default="vornex")
    arguments = parser.parse_args()
    if not 1 <= arguments.patterns <= 64:
        parser.error("--patterns must be between 1 and 64")
    with open(arguments.output, "wb") as out:
        out.write(module(arguments.patterns, arguments.title))


if __name__ == "__main__":
    main()

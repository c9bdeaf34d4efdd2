#!/usr/bin/env python3
"""Synthesises the game's sound effects into sounds/ as 16-bit mono WAV files.

The effects are those named in sounds/Sounds.h, the one list of their names; each has its
recipe here. Each effect is a few notes, each a swept tone (sine, square or noise) under an
attack-decay envelope that starts and ends at zero, so no effect clicks.
Run from anywhere: python3 tools/sound/effects.py
"""
import math
import os
import random
import re
import struct
import wave

RATE = 22050
SOUNDS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "sounds")

# name: notes of (start s, length s, start Hz, end Hz, wave, loudness, attack s)
EFFECTS = {
    # A short falling chirp: the bullet leaving the gun.
    "shot": [(0.0, 0.09, 1500, 520, "square", 0.22, 0.003)],
    # A burst of noise over a low thump: a target destroyed.
    "hit": [(0.0, 0.22, 0, 0, "noise", 0.35, 0.002),
            (0.0, 0.20, 180, 60, "sine", 0.55, 0.004)],
    # A slow sliding fall: a life lost.
    "life": [(0.0, 0.42, 520, 150, "square", 0.2, 0.01)],
    # Three rising notes: a level risen.
    "level": [(0.00, 0.12, 523, 523, "sine", 0.45, 0.005),
              (0.11, 0.12, 659, 659, "sine", 0.45, 0.005),
              (0.22, 0.22, 784, 784, "sine", 0.5, 0.005)],
    # Three falling notes, the last one long: the game over.
    "gameover": [(0.00, 0.14, 392, 392, "square", 0.18, 0.006),
                 (0.14, 0.14, 311, 311, "square", 0.18, 0.006),
                 (0.28, 0.20, 262, 196, "square", 0.2, 0.006)],
    # A soft tick: a menu button.
    "click": [(0.0, 0.03, 1800, 1200, "sine", 0.3, 0.002)],
}


def sample(kind, phase, noise):
    if kind == "sine":
        return math.sin(2 * math.pi * phase)
    if kind == "square":
        # A square with its edges rounded off, softer than a hard one.
        return math.tanh(4 * math.sin(2 * math.pi * phase)) * 0.8
    return noise.uniform(-1, 1)


def render(notes):
    length = max(start + dur for start, dur, *_ in notes)
    out = [0.0] * int(length * RATE)
    noise = random.Random(1)  # the same file every run
    for start, dur, f0, f1, kind, loud, attack in notes:
        first, count = int(start * RATE), int(dur * RATE)
        phase = 0.0
        for i in range(count):
            t = i / RATE
            freq = f0 * (f1 / f0) ** (t / dur) if f0 else 0
            phase += freq / RATE
            rise = min(1.0, t / attack)
            fall = (1 - t / dur) ** 2  # to zero at the note's end
            if first + i < len(out):
                out[first + i] += loud * rise * fall * sample(kind, phase, noise)
    return out


def write(path, values):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(
            struct.pack("<h", int(max(-1.0, min(1.0, v)) * 32767)) for v in values))


def names():
    """The effects' names as sounds/Sounds.h lists them."""
    with open(os.path.join(SOUNDS, "Sounds.h")) as header:
        listed = re.search(r"names\[\] = \{([^}]*)\}", header.read()).group(1)
    return re.findall(r'"([a-z]+)"', listed)


def main():
    wanted = names()
    if sorted(wanted) != sorted(EFFECTS):
        raise SystemExit("Sounds.h names %s, but recipes here are for %s"
                         % (", ".join(wanted), ", ".join(EFFECTS)))
    for name in wanted:
        write(os.path.join(SOUNDS, name + ".wav"), render(EFFECTS[name]))


if __name__ == "__main__":
    main()

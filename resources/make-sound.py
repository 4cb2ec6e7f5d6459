#!/usr/bin/env python3
"""Writes um.wav: a soft two-note chime, three seconds, 16-bit PCM mono.

Usage: make-sound.py [output.wav]
"""
import math
import struct
import sys
import wave

RATE = 44100
LENGTH = 3.0
PEAK = 0.45  # well below full scale: a reminder, not an alarm

# Each note: start time, fundamental, and how long it rings.
NOTES = [(0.0, 783.99, 0.9), (0.55, 659.25, 1.1)]
# Partials of a soft bell: ratio to the fundamental and strength.
PARTIALS = [(1.0, 1.0), (2.0, 0.28), (3.0, 0.08), (4.2, 0.04)]


def sample(t):
    value = 0.0
    for start, freq, ring in NOTES:
        u = t - start
        if u < 0:
            continue
        attack = min(1.0, u / 0.008)  # no click at the onset
        for ratio, strength in PARTIALS:
            # Higher partials die away sooner, as they do on a struck bar.
            decay = math.exp(-u * ratio / ring)
            value += attack * strength * decay * math.sin(2 * math.pi * freq * ratio * u)
    fade = min(1.0, (LENGTH - t) / 0.3)  # the tail reaches silence before the end
    return value * fade


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "um.wav"
    count = int(RATE * LENGTH)
    raw = [sample(i / RATE) for i in range(count)]
    scale = PEAK / max(abs(v) for v in raw)
    frames = b"".join(struct.pack("<h", int(round(v * scale * 32767))) for v in raw)
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


if __name__ == "__main__":
    main()

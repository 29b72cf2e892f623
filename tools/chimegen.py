#!/usr/bin/env python3
"""Writes res/chime.wav, Vespin's own time signal: two bell strokes, high then low, as 16-bit
mono PCM at 16 kHz, under 40 KB. Synthesised here from sine partials; run it again to remake
the file byte for byte."""
import math
import os
import struct

RATE = 16000
SECONDS = 1.2
# A struck bell: the strike and its inharmonic partials, each decaying at its own pace.
PARTIALS = [(1.0, 1.0, 0.9), (2.0, 0.45, 0.5), (2.76, 0.3, 0.35), (5.4, 0.12, 0.15)]
STROKES = [(0.0, 1318.5), (0.42, 1046.5)]  # E6 then C6


def sample(t):
    value = 0.0
    for start, freq in STROKES:
        dt = t - start
        if dt < 0:
            continue
        attack = min(1.0, dt / 0.004)
        for ratio, amp, tau in PARTIALS:
            value += attack * amp * math.exp(-dt / tau) * math.sin(2 * math.pi * freq * ratio * dt)
    fade = min(1.0, (SECONDS - t) / 0.15)
    return 0.32 * value * fade


def main():
    count = int(RATE * SECONDS)
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, round(32767 * sample(i / RATE))))) for i in range(count))
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(frames), b"WAVE", b"fmt ", 16, 1, 1, RATE,
                         RATE * 2, 2, 16, b"data", len(frames))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "chime.wav")
    with open(path, "wb") as out:
        out.write(header + frames)
    print(f"wrote res/chime.wav ({len(header) + len(frames)} bytes)")


if __name__ == "__main__":
    main()

"""Hearing the game: OpenAL's file backend writes what the game plays into a stereo WAV file, in
real time, instead of playing it on a sound card."""

import array
import math
import os
import time

RATE = 44100  # frames a second
WINDOW = RATE // 100  # 10 ms


def recorded(session, name):
    """The environment (for start_game) that has the game's sound written to work/name.wav, and
    that file's path."""
    path, conf = (os.path.join(session.work, name + ending) for ending in (".wav", ".conf"))
    with open(conf, "w") as out:
        out.write(f"[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\n"
                  f"dither=false\nfrequency={RATE}\n[wave]\nfile={path}\n")
    return {"ALSOFT_CONF": conf, "ALSOFT_DRIVERS": None}, path


class Recording:
    """The frames written so far, each side's samples as fractions of full scale. The file's
    header is complete only once the game has closed the device; the samples follow its "data"
    mark all along."""

    def __init__(self, path):
        with open(path, "rb") as wav:
            data = wav.read()
        start = data.find(b"data") + 8
        samples = array.array("h", data[start : len(data) - (len(data) - start) % 4])
        self.sides = {"left": samples[0::2], "right": samples[1::2]}
        self.frames = len(self.sides["left"])

    def part(self, first, count, side):
        return self.sides[side][max(0, first) : max(0, first + count)]

    def rms(self, first, count, sides=("left", "right")):
        parts = [self.part(first, count, side) for side in sides]
        total = sum(len(part) for part in parts)
        return (sum(v * v for part in parts for v in part) / max(1, total)) ** 0.5 / 32768

    def peak(self):
        return max((max(map(abs, side), default=0) for side in self.sides.values())) / 32768

    def loudest(self, first, count):
        """The loudest 10 ms from the frame first on, as (its RMS, its first frame)."""
        return max((self.rms(at, WINDOW), at) for at in range(first, first + count, WINDOW))

    def sounds(self, first, quiet=RATE // 5):
        """Where each sound from the frame first on begins: 10 ms above a whisper after at least
        quiet frames below it (so not one still sounding at first)."""
        starts, still = [], 0
        for at in range(first, self.frames - WINDOW, WINDOW):
            heard = self.rms(at, WINDOW) > 0.003
            if heard and still >= quiet:
                starts.append(at)
            still = 0 if heard else still + WINDOW
        return starts

    def balance(self, first, count):
        """How much louder the left side is than the right, in dB."""
        left, right = (max(self.rms(first, count, (side,)), 1e-9) for side in ("left", "right"))
        return 20 * math.log10(left / right)

    def bright(self, first, count):
        """The share of the energy above 5 kHz: through two high-pass sections, both sides."""
        w = 2 * math.pi * 5000 / RATE
        cos, alpha = math.cos(w), math.sin(w) / (2 * 0.707)
        b0, b1, a1, a2 = ((1 + cos) / 2, -(1 + cos), -2 * cos, 1 - alpha)
        high = every = 0.0
        for side in self.sides:
            signal = [v / 32768 for v in self.part(first, count, side)]
            every += sum(v * v for v in signal)
            for _ in range(2):
                x1 = x2 = y1 = y2 = 0.0
                for i, x in enumerate(signal):
                    y = (b0 * x + b1 * x1 + b0 * x2 - a1 * y1 - a2 * y2) / (1 + alpha)
                    x2, x1, y2, y1, signal[i] = x1, x, y1, y, y
            high += sum(v * v for v in signal)
        return high / max(every, 1e-12)


def now(path):
    """The frame the recording has reached."""
    return Recording(path).frames


def reach(path, frame, seconds=20):
    """Waits until the recording has reached the frame: its writer keeps real time only on an idle
    machine, and on a loaded one what the game played reaches the file late."""
    deadline = time.monotonic() + seconds
    while now(path) < frame and time.monotonic() < deadline:
        time.sleep(0.05)

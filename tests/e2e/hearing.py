"""Hearing the game: OpenAL's file backend writes what the game plays into a WAV file, in real
time, instead of playing it on a sound card."""

import array
import os

RATE = 22050  # samples a second
WINDOW = RATE // 100  # 10 ms


def recorded(session, name):
    """The environment (for start_game) that has the game's sound written to work/name.wav, and
    that file's path."""
    path, conf = (os.path.join(session.work, name + ending) for ending in (".wav", ".conf"))
    with open(conf, "w") as out:
        out.write(f"[general]\ndrivers=wave\nchannels=mono\nsample-type=int16\n"
                  f"dither=false\nfrequency={RATE}\n[wave]\nfile={path}\n")
    return {"ALSOFT_CONF": conf, "ALSOFT_DRIVERS": None}, path


class Recording:
    """The samples written so far, as fractions of full scale. The file's header is complete
    only once the game has closed the device; the samples follow its "data" mark all along."""

    def __init__(self, path):
        with open(path, "rb") as wav:
            data = wav.read()
        self.start = data.find(b"data") + 8
        self.samples = array.array("h", data[self.start : len(data) - (len(data) - self.start) % 2])

    def rms(self, first, count):
        part = self.samples[max(0, first) : max(0, first + count)]
        return (sum(v * v for v in part) / max(1, len(part))) ** 0.5 / 32768

    def peak(self):
        return max(map(abs, self.samples), default=0) / 32768

    def loudest(self, first, count):
        """The loudest 10 ms from the sample first on, as (its RMS, its first sample)."""
        return max((self.rms(at, WINDOW), at) for at in range(first, first + count, WINDOW))


def now(path):
    """The sample the recording has reached."""
    return Recording(path).samples.buffer_info()[1]

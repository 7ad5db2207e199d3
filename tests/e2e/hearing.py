"""Hearing the game: OpenAL's file backend writes what the game plays into a WAV file, in real
time, instead of sending it to a sound card."""

import array
import os
import sys

RATE = 22050
WINDOW = RATE // 100  # 10 ms


def recording_env(env, work, name):
    """The environment that makes OpenAL record into work/name.wav; returns (env, path)."""
    path = os.path.join(work, f"{name}.wav")
    conf = os.path.join(work, f"{name}.conf")
    with open(conf, "w") as out:
        out.write(f"[general]\ndrivers=wave\nchannels=mono\nsample-type=int16\n"
                  f"frequency={RATE}\n[wave]\nfile={path}\n")
    env = dict(env, ALSOFT_CONF=conf)
    env.pop("ALSOFT_DRIVERS", None)
    return env, path


class Recording:
    """The samples recorded so far, as fractions of full scale."""

    def __init__(self, path):
        with open(path, "rb") as wav:
            data = wav.read()
        at = data.find(b"data") + 8  # the size field stays unset until the device closes
        self.header = at
        body = data[at : at + (len(data) - at) // 2 * 2]
        self.samples = array.array("h", body)
        if sys.byteorder == "big":
            self.samples.byteswap()

    @staticmethod
    def written(path):
        """How many samples the file holds now: where the recording has got to."""
        return max(0, (os.path.getsize(path) - 68) // 2)

    def rms(self, start, count):
        part = self.samples[max(0, start) : max(0, start + count)]
        if not part:
            return 0.0
        return (sum(v * v for v in part) / len(part)) ** 0.5 / 32768

    def peak(self, start=0, count=None):
        part = self.samples[start : None if count is None else start + count]
        return max((abs(v) for v in part), default=0) / 32768

    def loudest(self, start, count):
        """The loudest 10 ms window from start on: (its RMS, its first sample)."""
        return max((self.rms(at, WINDOW), at) for at in range(start, start + count, WINDOW))

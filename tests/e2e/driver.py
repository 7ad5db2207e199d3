"""Drives the real game as a player would: an X server of its own, a copy of the run folder,
real key events sent to the game's window, screenshots read back, config.cfg read after exit.

The game's window is 1024 x 768 by default and shows the logical 2000 x 2000 view stretched
over it; regions below are in window pixels.
"""

import ctypes
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

DEFAULT_CONFIG = {
    "Fullscreen": "0",
    "GraphicsLevel": "0",
    "ResolutionX": "1024",
    "ResolutionY": "768",
    "VSync": "0",
    "bpp": "32",
    "key0": "71",
    "key1": "72",
    "key2": "73",
    "key3": "74",
    "key_launch4": "57",
    "key_pause5": "36",
}

RED = (255, 0, 0)
BLUE = (0, 0, 255)
WHITE = (255, 255, 255)


def die_with_parent():
    """Run in the child before exec: the X server and the game end with the driver, also when
    a test runner's timeout kills the driver outright."""
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Failure(Exception):
    """A check of a scenario that did not hold."""


def check(condition, message):
    if not condition:
        raise Failure(message)


class Region:
    """A rectangle of window pixels: left, top, width, height."""

    def __init__(self, left, top, width, height):
        self.left, self.top, self.width, self.height = left, top, width, height

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.left}+{self.top}"


def menu_line(index):
    """The capitals of main menu line index (0 "Play token mode" to 3 "Exit")."""
    return Region(333, 278 + 35 * index, 358, 22)


GAME_OVER_AREA = Region(330, 320, 360, 200)
PAUSE_AREA = Region(380, 350, 264, 68)
# The white number right of "Tokens: " or "Time: " in the top right corner.
COUNTER_AREA = Region(800, 25, 200, 70)


def near(pixel, colour, tolerance=40):
    return all(abs(a - b) <= tolerance for a, b in zip(pixel, colour))


class Shot:
    """One screenshot of the window, kept as RGB bytes."""

    def __init__(self, name, ppm):
        self.name = name
        header = []
        at = 0
        while len(header) < 4:
            while ppm[at : at + 1].isspace():
                at += 1
            start = at
            while not ppm[at : at + 1].isspace():
                at += 1
            header.append(ppm[start:at])
        check(header[0] == b"P6" and header[3] == b"255", f"{name}: not a PPM screenshot")
        self.width, self.height = int(header[1]), int(header[2])
        self.rgb = ppm[at + 1 : at + 1 + self.width * self.height * 3]
        check(len(self.rgb) == self.width * self.height * 3, f"{name}: truncated screenshot")

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at : at + 3])

    def share(self, region, colour, tolerance=40):
        """Share of the pixels of the region that are near the colour."""
        hits = 0
        for y in range(region.top, region.top + region.height):
            for x in range(region.left, region.left + region.width):
                if near(self.pixel(x, y), colour, tolerance):
                    hits += 1
        return hits / (region.width * region.height)

    def crop(self, region):
        rows = []
        for y in range(region.top, region.top + region.height):
            at = (y * self.width + region.left) * 3
            rows.append(self.rgb[at : at + region.width * 3])
        return b"".join(rows)

    def centroid(self, region, colour, tolerance=40):
        """Mean x and y of the region's pixels near the colour, or None when there are none."""
        xs = ys = count = 0
        for y in range(region.top, region.top + region.height):
            for x in range(region.left, region.left + region.width):
                if near(self.pixel(x, y), colour, tolerance):
                    xs, ys, count = xs + x, ys + y, count + 1
        return None if count == 0 else (xs / count, ys / count)

    def save_png(self, path):
        raw = b"".join(
            b"\x00" + self.rgb[y * self.width * 3 : (y + 1) * self.width * 3]
            for y in range(self.height)
        )

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(raw, 6)))
            out.write(chunk(b"IEND", b""))


class XServer:
    """An Xvfb of the test's own, on a display number that no other server holds; extra
    arguments change its screen or extensions."""

    def __init__(self, *extra):
        self.extra = extra
        self.process = None
        self.display = None

    def start(self):
        numbers = list(range(300, 700))
        random.shuffle(numbers)
        for number in numbers[:40]:
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(
                f"/tmp/.X11-unix/X{number}"
            ):
                continue
            process = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                 "-noreset", *self.extra],
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                preexec_fn=die_with_parent,
            )
            # Xvfb takes the lock file atomically: a server that lost the race exits at once.
            if self._answers(number, process):
                self.process, self.display = process, f":{number}"
                return self.display
            process.kill()
            process.wait()
        raise Failure("could not start an X server (Xvfb)")

    @staticmethod
    def _answers(number, process):
        env = dict(os.environ, DISPLAY=f":{number}")
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if process.poll() is not None:
                return False
            probe = subprocess.run(["xdpyinfo"], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                try:
                    with open(f"/tmp/.X{number}-lock") as lock:
                        return int(lock.read().strip()) == process.pid
                except (OSError, ValueError):
                    return False
            time.sleep(0.1)
        return False

    def stop(self):
        if self.process is not None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            self.process = None


class Session:
    """One scenario: an X server, a work folder holding a copy of the run folder, the shots.

    Use as a context manager; on a failure the shots and the game's output are copied to the
    keep folder.
    """

    def __init__(self, name, run_dir, keep_dir, xtool):
        self.name = name
        self.run_dir = run_dir
        self.keep_dir = keep_dir
        self.xtool = xtool
        self.server = XServer()
        self.work = None
        self.shots = []
        self.games = []

    def __enter__(self):
        for tool in ("Xvfb", "xdpyinfo", "xdotool"):
            check(shutil.which(tool), f"{tool} is missing (scripts/install-deps test)")
        check(os.access(os.path.join(self.run_dir, "bexil"), os.X_OK),
              f"no game in {self.run_dir}")
        self.work = tempfile.mkdtemp(prefix="bexil-e2e-")
        self.server.start()
        return self

    def __exit__(self, kind, error, trace):
        for game in self.games:
            game.kill()
        self.server.stop()
        if error is not None:
            shutil.rmtree(self.keep_dir, ignore_errors=True)
            os.makedirs(self.keep_dir, exist_ok=True)
            for number, shot in enumerate(self.shots, 1):
                shot.save_png(os.path.join(self.keep_dir, f"{number:02d}-{shot.name}.png"))
            for number, game in enumerate(self.games, 1):
                if os.path.exists(game.log):
                    shutil.copy(game.log, os.path.join(self.keep_dir, f"game{number}.log"))
            print(f"e2e: screenshots and the game's output kept in {self.keep_dir}",
                  file=sys.stderr)
        shutil.rmtree(self.work, ignore_errors=True)
        return False

    @property
    def env(self):
        env = dict(os.environ, DISPLAY=self.server.display, LIBGL_ALWAYS_SOFTWARE="1")
        return env

    def folder(self, name="game"):
        """A fresh copy of the run folder, without a config.cfg."""
        path = os.path.join(self.work, name)
        shutil.copytree(self.run_dir, path)
        config = os.path.join(path, "config.cfg")
        if os.path.isfile(config):
            os.remove(config)
        return path

    def start_game(self, folder, env=None):
        game = Game(self, folder, env if env is not None else self.env)
        self.games.append(game)
        return game


class Game:
    """The game process and its window."""

    def __init__(self, session, folder, env):
        self.session = session
        self.folder = folder
        self.env = env
        # Beside the folder, not in it: the folder may be read-only.
        self.log = os.path.join(session.work, f"game-{len(session.games) + 1}.log")
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen(["./bexil"], cwd=folder, env=env, stdout=log,
                                            stderr=subprocess.STDOUT,
                                            stdin=subprocess.DEVNULL,
                                            preexec_fn=die_with_parent)
        self.window = None
        self.first_title = None

    def xdotool(self, *args, check_status=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=20)
        if check_status:
            check(result.returncode == 0, f"xdotool {' '.join(args)} failed: {result.stderr}")
        return result.stdout.strip()

    def output(self):
        with open(self.log, errors="replace") as log:
            return log.read()

    def find_window(self, seconds=20):
        """Waits for the game's window; keeps the first title seen."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--pid", str(self.process.pid), "--name", "^Bexil",
                                 check_status=False)
            if found:
                self.window = found.split()[0]
                self.first_title = self.title()
                return self.window
            if self.process.poll() is not None:
                raise Failure(f"the game ended with status {self.process.returncode} before "
                              f"its window appeared: {self.output().strip()}")
            time.sleep(0.05)
        raise Failure(f"the game's window did not appear within {seconds} s")

    def title(self):
        return self.xdotool("getwindowname", self.window)

    def geometry(self):
        text = self.xdotool("getwindowgeometry", self.window)
        for line in text.splitlines():
            if "Geometry:" in line:
                width, height = line.split()[-1].split("x")
                return int(width), int(height)
        raise Failure(f"no geometry in {text!r}")

    def wait_running(self, seconds=30):
        """Waits until frames run: the title shows its frame count, which it does first
        after one second of frames. Keys sent before the first frame would be dropped."""
        if self.window is None:
            self.find_window()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.title().startswith("Bexil FPS:"):
                return
            check(self.process.poll() is None,
                  f"the game ended with status {self.process.returncode}: {self.output()}")
            time.sleep(0.1)
        raise Failure(f"no frames counted in the title within {seconds} s")

    def keys(self, *names, may_close=False):
        """Taps the keys (X keysym names) in the window, by events sent to it: never through
        the server's keyboard, whose keys a closing window could leave held down. With
        may_close the window may be gone before the last key's release."""
        result = subprocess.run([self.session.xtool, "key", self.window, *names], env=self.env,
                                capture_output=True, text=True, timeout=30)
        check(may_close or result.returncode == 0,
              f"keys {' '.join(names)} failed: {result.stderr}")

    def shot(self, name):
        result = subprocess.run([self.session.xtool, "shot", self.window], env=self.env,
                                capture_output=True, timeout=20)
        check(result.returncode == 0,
              f"{name}: the screenshot failed: {result.stderr.decode(errors='replace')}")
        taken = Shot(name, result.stdout)
        self.session.shots.append(taken)
        return taken

    def wait_for(self, name, test, seconds, interval=0.2):
        """Takes shots until test(shot) holds; returns that shot."""
        deadline = time.monotonic() + seconds
        while True:
            taken = self.shot(name)
            if test(taken):
                return taken
            check(self.process.poll() is None,
                  f"{name}: the game ended with status {self.process.returncode}")
            if time.monotonic() > deadline:
                raise Failure(f"{name}: not seen within {seconds} s")
            time.sleep(interval)

    def wait_main_menu(self, line=0, seconds=20):
        return self.wait_for(f"main-menu-line-{line}",
                             lambda s: s.share(menu_line(line), RED) > 0.1, seconds)

    def close_request(self):
        result = subprocess.run([self.session.xtool, "close", self.window], env=self.env,
                                capture_output=True, text=True, timeout=20)
        check(result.returncode == 0, f"the close request failed: {result.stderr}")

    def signal(self, number):
        self.process.send_signal(number)

    def exit_from_main_menu(self):
        """Up (from "Play token mode") then Return on "Exit"."""
        self.keys("Up", "Return", may_close=True)

    def wait_exit(self, seconds=15):
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game did not end within {seconds} s") from None

    def kill(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()


def read_config(folder):
    """config.cfg as (list of lines, dict)."""
    with open(os.path.join(folder, "config.cfg"), "rb") as config:
        lines = config.read().decode("utf-8", errors="surrogateescape").split("\n")
    check(lines[-1] == "", "config.cfg does not end with a line end")
    lines = lines[:-1]
    table = {}
    for line in lines:
        key, _, value = line.partition("=")
        table[key] = value
    return lines, table


def run_test(label, body):
    """Runs body(), prints how it went under the label and returns the process's exit status:
    body's own status when it returns one (a skip), 0 when it returns nothing, 1 on a Failure."""
    started = time.monotonic()
    try:
        status = body()
    except Failure as failure:
        print(f"{label}: FAILED: {failure}", file=sys.stderr)
        return 1
    if status is not None:
        return status
    print(f"{label}: passed in {time.monotonic() - started:.1f} s")
    return 0


def check_sorted_config(folder, expected):
    """config.cfg holds exactly the expected table, one key=value a line, sorted by key."""
    lines, table = read_config(folder)
    wanted = [f"{key}={value}" for key, value in sorted(expected.items(),
                                                       key=lambda item: item[0].encode())]
    check(lines == wanted, "config.cfg after exit:\n  " + "\n  ".join(lines) +
          "\nexpected:\n  " + "\n  ".join(wanted))

"""Drives the real game as a player would: an X server of the test's own, copies of the run
folder, real key events sent to the game's window, screenshots read back, config.cfg after exit.
README.md beside this file shows how a scenario uses it."""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(HERE, "first-start.cfg"), "rb") as first_start:
    DEFAULTS = dict(line.split(b"=", 1) for line in first_start.read().splitlines())
RED, BLUE, WHITE = (255, 0, 0), (0, 0, 255), (255, 255, 255)
GAME_OVER_AREA, PAUSE_AREA = (330, 320, 360, 200), (380, 248, 264, 60)
COUNTER_AREA = (800, 25, 200, 70)  # the number right of "Tokens: " or "Time: "
SCORE_LABEL = (25, 35, 160, 55)  # the blue "Score:" of a classic game
# The modern looks' label "Score" in their panel above the board, and their colour.
MODERN_SCORE_LABEL, MODERN_BLUE = (280, 35, 75, 28), (130, 150, 255)
# The menu pages' lines, top to bottom; the page that choosing a line shows; lines' values.
PAGES = {"main": ("Play token mode", "Play time mode", "High scores", "How to play", "Options",
                  "Exit"),
         "options": ("Antialiasing", "Resolution", "Fullscreen", "VSync", "Look", "Sound volume",
                     "Music volume", "Language", "Redefine keyboard", "Redefine controller",
                     "Cancel", "Accept"),
         "level": ("Start level: ", "Back"), "scores": ("Back",)}
LEADS_TO = {"Play token mode": "level", "Play time mode": "level", "Options": "options",
            "High scores": "scores", "How to play": "howto", "Redefine keyboard": "keys",
            "Redefine controller": "pads",
            "Start level: ": "game"}
VALUES = {"Antialiasing": ("Worst", "Bad", "Normal", "Good", "Best"), "Fullscreen": ("No", "Yes"),
          "VSync": ("No", "Yes"), "Look": ("Modern", "Classic", "Colour-blind"),
          "Start level: ": [str(level) for level in range(1, 21)],
          "Sound volume": [str(level) for level in range(11)]}
VALUES["Music volume"] = VALUES["Sound volume"]
# The classic board: 18 x 12 cells of 1024 / 18 x 64 pixels; tokens come into the four lanes on
# each side of the centre square (columns 7 to 10, rows 4 to 7). The modern board's square cells
# are 48.8 pixels, from (73, 91).
CENTRE_SQUARE = (int(7 * 1024 / 18), 4 * 64, int(4 * 1024 / 18), 4 * 64)
MODERN_CENTRE_SQUARE = (415, 286, 195, 195)
LANE_CELLS = [(x, y) for x in range(18) for y in range(12) if (7 <= x <= 10) != (4 <= y <= 7)]


def menu_line(index):
    """The capitals of main menu line index (0 "Play token mode" to 5 "Exit"): the menu's square
    units are 768 / 2000 pixels across too."""
    return 378, 278 + 35 * index, 268, 22


class Failure(Exception):
    """A check of a test that did not hold."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def until(what, test, seconds, interval=0.1, game=None):
    """Calls test until it returns something true, and returns that; fails when the game ends."""
    deadline = time.monotonic() + seconds
    while not (result := test()):
        check(not game or game.process.poll() is None,
              f"{what}: the game ended with status {game and game.process.returncode}: "
              f"{game and game.said()}")
        check(time.monotonic() < deadline, f"{what}: not within {seconds} s")
        time.sleep(interval)
    return result


def short_way(offset, count, forward, back):  # the keys for offset places along a ring
    offset %= count
    return [forward] * offset if offset <= count // 2 else [back] * (count - offset)


def read_file(path):  # None when it cannot be read
    try:
        with open(path, "rb") as file:
            return file.read()
    except OSError:
        return None


def first_start_with(changes):
    """config.cfg as a first start leaves it, with the changes (bytes for bytes) made: the game
    writes one key=value line per key, sorted byte by byte."""
    return b"".join(key + b"=" + value + b"\n" for key, value in
                    sorted({**DEFAULTS, **changes}.items()))


def check_settings(folder, **changes):
    wanted = first_start_with({key.encode(): value.encode() for key, value in changes.items()})
    text = read_file(os.path.join(folder, "config.cfg"))
    check(text == wanted, f"config.cfg after exit:\n{text!r}\nexpected:\n{wanted!r}")


class Shot:
    """A screenshot of the window: its PPM file, and RGB bytes."""

    def __init__(self, name, ppm):
        magic, size, _, self.rgb = ppm.split(b"\n", 3)
        self.name, self.ppm, (self.width, self.height) = name, ppm, map(int, size.split())
        check(magic == b"P6" and len(self.rgb) == self.width * self.height * 3,
              f"{name}: no whole screenshot")

    def pixel(self, x, y):
        return tuple(self.rgb[(y * self.width + x) * 3:(y * self.width + x) * 3 + 3])

    def box(self, region):
        """The region, given in pixels of a 1024 x 768 window, in the shot's pixels."""
        return [round(value * factor) for value, factor in
                zip(region, (self.width / 1024, self.height / 768) * 2)]

    def points(self, region, colour, tolerance=40):
        left, top, width, height = self.box(region)
        return [(x, y) for y in range(top, top + height) for x in range(left, left + width)
                if all(abs(a - b) <= tolerance for a, b in zip(self.pixel(x, y), colour))]

    def share(self, region, colour, tolerance=40):
        _, _, width, height = self.box(region)
        return len(self.points(region, colour, tolerance)) / (width * height)

    def centroid(self, region, colour, tolerance=40):
        found = self.points(region, colour, tolerance)
        return tuple(sum(axis) / len(found) for axis in zip(*found)) if found else None

    def crop(self, region):
        left, top, width, height = self.box(region)
        return b"".join(self.rgb[(y * self.width + left) * 3:(y * self.width + left + width) * 3]
                        for y in range(top, top + height))


def token_cells(shot):
    """The lane cells that hold a token: a strongly coloured disc around the cell's centre. Eight
    points around the centre (not the centre: the background's dot is there) keep this fast
    enough to run between two frames' worth of shots."""
    return {(column, row) for column, row in LANE_CELLS if sum(
        max(pixel) - min(pixel) > 150 for pixel in
        (shot.pixel(int((column + 0.5) * 1024 / 18) + dx, row * 64 + 32 + dy)
         for dx in (-12, 0, 12) for dy in (-12, 0, 12) if dx or dy)) >= 6}


def player_cell(shot):
    """The cell of the centre of the red player piece."""
    centre = shot.centroid(CENTRE_SQUARE, RED, tolerance=30)
    check(centre is not None, f"{shot.name}: no red player in the centre square")
    return int(centre[0] // (1024 / 18)), int(centre[1] // 64)


def die_with_parent():  # in a child: it ends with the driver, even when a timeout kills that
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Session:
    """One test: its X server, a work folder, the games and their shots."""

    def __init__(self, run_dir, xtool):
        self.run_dir, self.xtool, self.x, self.games, self.shots = run_dir, xtool, None, [], []
        self.work = tempfile.mkdtemp(prefix="bexil-e2e-")

    def close(self, keep_dir=None):
        """Ends the games and the X server; keeps the shots and the games' output in keep_dir."""
        for game in self.games:
            game.process.kill()
        self.stop_x()
        if keep_dir:
            shutil.rmtree(keep_dir, ignore_errors=True)
            os.makedirs(keep_dir)
            for number, shot in enumerate(self.shots, 1):
                subprocess.run(["convert", "ppm:-", f"{keep_dir}/{number:02d}-{shot.name}.png"],
                               input=shot.ppm)
            for game in self.games:
                shutil.copy(game.log, keep_dir)
            print(f"the screenshots and the game's output are kept in {keep_dir}")
        shutil.rmtree(self.work, ignore_errors=True)

    def start_x(self, screen="1280x1024x24", *options):
        """Xvfb with the screen and options, on a display number that no other server holds."""
        read, write = os.pipe()
        self.x = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", screen,
                                   "-nolisten", "tcp", "-noreset", *options], pass_fds=[write],
                                  stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
        os.close(write)
        with os.fdopen(read) as numbers:  # written once the server takes connections
            self.display = ":" + numbers.readline().strip()
        check(self.display != ":", "the X server (Xvfb) did not start")

    def stop_x(self):
        if self.x:
            self.x.terminate()
            self.x.wait()
            self.x = None

    def folder(self, name="game", settings=None):
        """A fresh copy of the run folder; config.cfg holds the settings' text, if given."""
        path = os.path.join(self.work, name)
        shutil.copytree(self.run_dir, path, ignore=shutil.ignore_patterns("config.cfg"))
        if settings is not None:
            with open(os.path.join(path, "config.cfg"), "w") as config:
                config.write(settings)
        return path

    def start_game(self, folder, menu=True, command="./bexil", **env):
        """The game, started in the folder; env changes its environment (None removes). Its sound
        goes to OpenAL's device that plays nothing, and its texts are English, unless env says
        otherwise."""
        if not self.x:
            self.start_x()
        env = {**os.environ, "DISPLAY": self.display, "LIBGL_ALWAYS_SOFTWARE": "1",
               "ALSOFT_DRIVERS": "null", "LANGUAGE": "en", **env}
        self.games.append(Game(self, folder, command, {key: value for key, value in env.items()
                                                       if value is not None}))
        if menu:
            self.games[-1].wait_running()
            self.games[-1].wait_for("main-menu", lambda shot: shot.share(menu_line(0), RED) > 0.1)
        return self.games[-1]


class Game:
    """The game's process and window, and where its menus stand."""

    def __init__(self, session, folder, command, env):
        self.session, self.folder, self.env = session, folder, env
        # Beside the folder, not in it: the folder may be read-only.
        self.log = os.path.join(session.work, f"game{len(session.games) + 1}.log")
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([command], cwd=folder, env=env, stdout=log,
                                            stderr=log, stdin=subprocess.DEVNULL,
                                            preexec_fn=die_with_parent)
        self.window = self.first_title = None
        self.page, self.line = "main", dict.fromkeys(PAGES, 0)  # as this driver led the menus

    def said(self):  # all the game's output
        return read_file(self.log).decode(errors="replace")

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=20).stdout.strip()

    def find_window(self, seconds=20, other_than=None):
        if self.window is None or other_than:
            search = ("search", "--pid", str(self.process.pid), "--name", "^Bexil")
            found = lambda: [w for w in self.xdotool(*search).split() if w != other_than]
            self.window = until("the game's window", found, seconds, 0.05, self)[0]
            self.first_title = self.first_title or self.xdotool("getwindowname", self.window)
        return self.window

    def new_window(self):
        """After settings that only a new native window has: that window."""
        return self.find_window(10, other_than=self.find_window())

    def wait_running(self, seconds=30):
        """Waits until the title counts frames: keys sent before the first frame would be lost."""
        until("frames counted in the title", lambda: re.fullmatch(
            r"Bexil FPS:[1-9]\d*", self.xdotool("getwindowname", self.find_window())), seconds,
              game=self)

    def xtool(self, command, *args, may_close=False):
        result = subprocess.run([self.session.xtool, command, self.find_window(), *args],
                                env=self.env, capture_output=True, timeout=30)
        check(may_close or result.returncode == 0,
              f"bexil_xtool {command} {' '.join(args)}: {result.stderr.decode(errors='replace')}")
        return result.stdout

    def keys(self, *names, may_close=False):
        """Taps the keys (X keysym names); with may_close the window may go before a release."""
        self.xtool("key", *names, may_close=may_close)

    def hold(self, *names):
        self.xtool("press", *names)

    def release(self, *names):
        self.xtool("release", *names)

    def point(self, x, y, *buttons):
        """Moves the pointer to (x, y) of a 1024 x 768 window and clicks the buttons there (1 the
        left, 3 the right, 4 the wheel up), as the server's own pointer."""
        self.xdotool("mousemove", "--window", self.find_window(), str(x), str(y))
        for button in buttons:
            self.xdotool("click", str(button))
        time.sleep(0.3)  # a page shown takes events from its next frame on

    def close_request(self):  # the title bar's close button
        self.xtool("close")

    def shot(self, name):
        self.session.shots.append(Shot(name, self.xtool("shot")))
        return self.session.shots[-1]

    def wait_for(self, name, test, seconds=20, interval=0.2):
        """Takes shots until test(shot) holds, and returns that shot."""
        return until(name, lambda: (lambda shot: test(shot) and shot)(self.shot(name)), seconds,
                     interval, self)

    def wait_pause(self):
        return self.wait_for("pause", lambda shot: shot.share(PAUSE_AREA, WHITE) > 0.1, 5)

    def move_to(self, label):
        lines = PAGES[self.page]
        self.keys(*short_way(lines.index(label) - self.line[self.page], len(lines), "Down", "Up"))
        self.line[self.page] = lines.index(label)

    def choose(self, label):
        """Moves to the line and chooses it; returns the time.monotonic() of the choice."""
        self.move_to(label)
        # Exit closes the window, and Accept may replace it, before the key's release.
        self.keys("Return", may_close=label in ("Exit", "Accept"))
        chosen, self.page = time.monotonic(), LEADS_TO.get(label, "main")
        time.sleep(0.3)  # a page shown takes keys from its next frame on
        return chosen

    def set_option(self, label, value, shown=None):
        """Turns the line's value from the one shown (the first, unless given) to the one named."""
        self.move_to(label)
        values = VALUES[label]
        offset = values.index(value) - values.index(shown or values[0])
        if label.endswith("volume"):  # the volumes stop at 0 and 10
            self.keys(*(["Right"] * offset if offset > 0 else ["Left"] * -offset))
        else:
            self.keys(*short_way(offset, len(values), "Right", "Left"))

    def redefine_keys(self, *names):
        """Options, Redefine keyboard, then the keys for Left, Right, Up, Down, Launch, Pause."""
        self.choose("Options")
        self.choose("Redefine keyboard")
        self.keys(*names)
        self.page = "options"
        time.sleep(0.3)

    def play(self, mode="token", level=1):
        """A game from the main menu; returns the time.monotonic() of its start."""
        self.choose(f"Play {mode} mode")
        self.set_option("Start level: ", str(level))
        started = self.choose("Start level: ")
        labels = lambda shot: max(shot.share(SCORE_LABEL, BLUE),
                                  shot.share(MODERN_SCORE_LABEL, MODERN_BLUE))
        self.wait_for("game-board", lambda shot: labels(shot) > 0.1, 10)
        return started

    def leave_game_over(self):
        time.sleep(1.1)  # keys in the first second of GAME OVER are ignored
        self.keys("a")  # then any key
        self.page = "main"

    def wait_exit(self, seconds=15):
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game did not end within {seconds} s") from None

    def ends(self, status=0, seconds=15, **settings):
        """The game ends with the status; config.cfg holds the first start's settings, changed."""
        check(self.wait_exit(seconds) == status,
              f"the game ended with status {self.process.returncode}: {self.said()}")
        check_settings(self.folder, **settings)


def main(run):
    """run(session, NAME) for the command line NAME RUN_DIR XTOOL KEEP_DIR; 77 is a skip."""
    name, run_dir, xtool, keep_dir = sys.argv[1:5]
    session, started, status = Session(run_dir, xtool), time.monotonic(), 1
    try:
        status = run(session, name) or 0
        print(f"{name}: {'skipped' if status else 'passed'} in {time.monotonic() - started:.1f} s")
    except Failure as failure:
        print(f"{name}: FAILED: {failure}")
    finally:
        session.close(keep_dir if status == 1 or os.environ.get("BEXIL_E2E_KEEP") else None)
    sys.exit(status)

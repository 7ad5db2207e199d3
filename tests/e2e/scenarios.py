"""End-to-end scenarios of the real game, one per CTest test.

Usage: scenarios.py SCENARIO RUN_DIR XTOOL KEEP_DIR
"""

import os
import signal
import subprocess
import sys
import time

from driver import (BLUE, COUNTER_AREA, DEFAULT_CONFIG, GAME_OVER_AREA, PAUSE_AREA, RED, WHITE,
                    Failure, Region, Session, XServer, check, check_sorted_config, menu_line,
                    run_test)

CENTRE_COLOUR = (255, 70, 200)
# Every cell that tokens can reach: four lanes on each side of the centre square.
LANE_CELLS = ([(x, y) for x in range(0, 7) for y in range(4, 8)] +
              [(x, y) for x in range(7, 11) for y in range(0, 4)] +
              [(x, y) for x in range(11, 18) for y in range(4, 8)] +
              [(x, y) for x in range(7, 11) for y in range(8, 12)])
# SFML key codes of the letters used for redefined keys.
KEY_A, KEY_D, KEY_J, KEY_P, KEY_S, KEY_W = 0, 3, 9, 15, 18, 22


# The blue "Score:" of a game, in the top left corner.
SCORE_LABEL = Region(25, 35, 160, 55)


def cursor_band(line):
    """Left of main menu line's label, where its red triangle stands."""
    label_left = (300, 316, 413, 466)[line]
    return Region(150, 276 + 35 * line, label_left - 150, 26)


def token_cells(shot):
    """The lane cells that hold a token: a strongly coloured disc around the cell's centre.
    Eight points around the centre (not the centre: the background's dot is there) keep this
    fast enough to run between two frames' worth of shots."""
    held = set()
    for column, row in LANE_CELLS:
        centre_x, centre_y = int((column + 0.5) * 1024 / 18), row * 64 + 32
        coloured = 0
        for dx in (-12, 0, 12):
            for dy in (-12, 0, 12):
                if dx or dy:
                    pixel = shot.pixel(centre_x + dx, centre_y + dy)
                    coloured += max(pixel) - min(pixel) > 150
        if coloured >= 6:
            held.add((column, row))
    return held


def player_centre(shot):
    """Centre of the red player piece inside the centre square, in window pixels."""
    square = Region(int(7 * 1024 / 18), 4 * 64, int(4 * 1024 / 18), 4 * 64)
    centre = shot.centroid(square, RED, tolerance=30)
    check(centre is not None, f"{shot.name}: no red player in the centre square")
    return centre


def cell_of(point):
    return int(point[0] // (1024 / 18)), int(point[1] // 64)


def start_game(game, mode_line, level_keys=()):
    """From the main menu with "Play token mode" highlighted: choose the mode's line, then the
    start level (Left/Right on the start level page), and wait for the board."""
    game.keys(*(["Down"] * mode_line), "Return")
    time.sleep(0.3)
    game.keys(*level_keys, "Return")
    started = time.monotonic()
    game.wait_for("game-board", lambda s: s.share(SCORE_LABEL, BLUE) > 0.1, 10)
    return started


def centre_point(column, row):
    """A point of a cell away from its centre dot and its edges."""
    return int(column * 1024 / 18) + 8, row * 64 + 8


def check_menu_at(shot, line):
    check(shot.share(menu_line(line), RED) > 0.1, f"{shot.name}: line {line} is not red")
    check(shot.centroid(cursor_band(line), RED) is not None,
          f"{shot.name}: no red cursor beside line {line}")
    for other in range(4):
        if other != line:
            check(shot.share(menu_line(other), BLUE) > 0.05,
                  f"{shot.name}: line {other} is not blue")
            check(shot.share(menu_line(other), RED) < 0.01,
                  f"{shot.name}: line {other} is red too")
            check(shot.centroid(cursor_band(other), RED) is None,
                  f"{shot.name}: a cursor beside line {other} too")


def wait_menu(game, line, name, seconds=5):
    """Waits until the main menu shows line highlighted and the cursor has slid beside it."""
    def shown(shot):
        try:
            check_menu_at(shot, line)
            return True
        except Failure:
            return False

    try:
        return game.wait_for(name, shown, seconds)
    except Failure:
        check_menu_at(game.session.shots[-1], line)
        raise


def first_start(session):
    """No config.cfg: a 1024 x 768 window titled "Bexil", then "Bexil FPS:N"; the main menu's
    highlight and cursor follow Down; Exit writes the twelve defaults, sorted."""
    game = session.start_game(session.folder())
    game.find_window()
    check(game.first_title == "Bexil", f"first title {game.first_title!r}, not 'Bexil'")
    check(game.geometry() == (1024, 768), f"window geometry {game.geometry()}, not 1024 x 768")
    game.wait_running()
    title = game.title()
    count = title[len("Bexil FPS:"):]
    check(count.isdigit() and int(count) > 0, f"title {title!r} holds no frame count")

    wait_menu(game, 0, "main-menu")
    game.keys("Down")
    wait_menu(game, 1, "highlight-moved")
    game.keys("Down", "Down")
    wait_menu(game, 3, "highlight-on-exit")
    game.keys("Down")
    wait_menu(game, 0, "highlight-wrapped")

    game.exit_from_main_menu()
    status = game.wait_exit()
    check(status == 0, f"Exit ended the game with status {status}")
    check_sorted_config(game.folder, DEFAULT_CONFIG)


def token_game(session):
    """A token-mode game at level 1: colours, the player at (7, 4), the first token on the left
    after 2.6 s, a counter that stands still; pause and resume; SIGTERM then ends the game
    normally and writes config.cfg."""
    game = session.start_game(session.folder())
    game.wait_running()
    game.wait_main_menu()
    started = start_game(game, 0)
    board = game.session.shots[-1]

    # Until 2.6 s after the game started no token may arrive; a shot finished 2.3 s after the
    # key that started the game certainly shows an earlier moment. The board's first shot is
    # one; the checks of the board come after these shots, which must be quick.
    early = [board] if time.monotonic() - started < 2.3 else []
    while time.monotonic() - started < 2.0:
        taken = game.shot("before-first-token")
        if time.monotonic() - started < 2.3:
            early.append(taken)
        time.sleep(0.1)
    check(early, "no shot could be taken in the first 2.3 s of the game")
    for taken in early:
        check(not token_cells(taken), f"{taken.name}: a token arrived before 2.6 s: "
              f"{sorted(token_cells(taken))}")
    first = game.wait_for("first-token", lambda s: token_cells(s), 6, interval=0.05)
    tokens = token_cells(first)
    check(len(tokens) == 1 and all(column == 0 and 4 <= row <= 7 for column, row in tokens),
          f"the first token is not one token in column 0, rows 4 to 7: {sorted(tokens)}")

    for column, row in [(8, 4), (10, 4), (7, 7), (9, 6), (10, 7)]:
        pixel = board.pixel(*centre_point(column, row))
        check(pixel == CENTRE_COLOUR,
              f"level 1: centre cell ({column}, {row}) is {pixel}, not {CENTRE_COLOUR}")
    for column, row in [(1, 3), (5, 9), (14, 9), (17, 11), (2, 10), (16, 3)]:
        pixel = board.pixel(*centre_point(column, row))
        check(pixel == (0, 0, 0), f"level 1: outer cell ({column}, {row}) is {pixel}, not black")
    check(cell_of(player_centre(board)) == (7, 4),
          f"the player is in cell {cell_of(player_centre(board))}, not (7, 4)")
    counter, counted = first.crop(COUNTER_AREA), time.monotonic()

    time.sleep(max(0.0, counted + 2.2 - time.monotonic()))
    later = game.shot("counter-two-seconds-later")
    check(later.crop(COUNTER_AREA) == counter, "token mode: the counter changed without launches")

    game.keys("Escape")
    paused = game.wait_for("pause", lambda s: s.share(PAUSE_AREA, WHITE) > 0.1, 5)
    time.sleep(1.2)  # the fade of "PAUSE" has ended
    held = token_cells(game.shot("paused"))
    time.sleep(3.0)  # longer than the level's time between arrivals
    still = game.shot("paused-3s-later")
    check(token_cells(still) == held, "tokens arrived while the game was paused")
    check(still.share(PAUSE_AREA, WHITE) >= paused.share(PAUSE_AREA, WHITE) - 0.01,
          "PAUSE faded away while paused")

    game.keys("Escape")
    game.wait_for("resumed", lambda s: s.share(PAUSE_AREA, WHITE) < 0.02, 2)
    game.wait_for("arrivals-go-on", lambda s: token_cells(s) != held, 6)

    game.signal(signal.SIGTERM)
    status = game.wait_exit(10)
    check(status == 0, f"SIGTERM during a game ended it with status {status}")
    check_sorted_config(game.folder, DEFAULT_CONFIG)


def time_game(session):
    """A time-mode game at level 1: the level's colours, and a counter that moves."""
    game = session.start_game(session.folder())
    game.wait_running()
    game.wait_main_menu()
    start_game(game, 1)
    board = game.shot("time-mode")
    check(board.pixel(*centre_point(9, 6)) == CENTRE_COLOUR, "time mode: not the level 1 centre")
    check(cell_of(player_centre(board)) == (7, 4), "time mode: the player is not at (7, 4)")
    time.sleep(2.2)
    later = game.shot("time-two-seconds-later")
    check(later.crop(COUNTER_AREA) != board.crop(COUNTER_AREA),
          "time mode: the time counter did not move in two seconds")
    game.close_request()
    check(game.wait_exit(10) == 0, "the close button ended a time game with an error")


def game_over(session):
    """Level 20 runs to GAME OVER; any key returns to the main menu; Exit ends with status 0
    and the default settings."""
    game = session.start_game(session.folder())
    game.wait_running()
    game.wait_main_menu()
    start_game(game, 0, level_keys=("Left",))
    game.wait_for("game-over", lambda s: s.share(GAME_OVER_AREA, WHITE) > 0.3, 90, interval=1.0)
    game.keys("a")
    wait_menu(game, 0, "back-in-main-menu", 10)
    game.exit_from_main_menu()
    status = game.wait_exit()
    check(status == 0, f"Exit after a game ended with status {status}")
    check_sorted_config(game.folder, DEFAULT_CONFIG)


def wait_file(path, test, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if os.path.exists(path) and test(open(path, "rb").read()):
            return
        time.sleep(0.1)
    contents = open(path, "rb").read() if os.path.exists(path) else b"(no file)"
    raise Failure(f"{what}; config.cfg holds {contents!r}")


def options_accept_cancel(session):
    """Antialiasing Right twice + Accept writes GraphicsLevel=2 at once; a change + Cancel
    leaves the file as it was."""
    folder = session.folder()
    path = os.path.join(folder, "config.cfg")
    game = session.start_game(folder)
    game.wait_running()
    game.wait_main_menu()
    game.keys("Down", "Down", "Return")  # Options
    time.sleep(0.3)
    game.keys("Right", "Right", *(["Down"] * 6), "Return")  # "Normal", then Accept
    wait_file(path, lambda text: b"GraphicsLevel=2\n" in text, 5,
              "Accept did not write GraphicsLevel=2")
    accepted = open(path, "rb").read()
    wait_menu(game, 2, "main-menu-after-options")

    game.keys("Return")  # Options again; "Accept" is still highlighted
    time.sleep(0.3)
    game.keys(*(["Up"] * 4), "Right", "Down", "Down", "Down", "Return")  # Fullscreen Yes, Cancel
    wait_menu(game, 2, "main-menu-after-options")
    time.sleep(0.5)
    check(open(path, "rb").read() == accepted, "Cancel changed config.cfg")

    game.keys("Down")
    game.keys("Return", may_close=True)
    check(game.wait_exit() == 0, "Exit after the options ended with an error")
    # 1024 x 768 is no full-screen mode of the test's 1280 x 1024 screen: the options offer it
    # all the same, and Accept keeps it.
    check_sorted_config(folder, dict(DEFAULT_CONFIG, GraphicsLevel="2"))


def open_key_page(game):
    """From the main menu through "Options" to "Redefine keyboard"."""
    game.keys("Down", "Down", "Return")
    time.sleep(0.3)
    game.keys("Down", "Down", "Down", "Down", "Return")
    time.sleep(0.3)


def redefine_keys(session):
    """Left, Right, Up, Down, Launch and Pause redefined as a d w s j p and accepted: the next
    game plays with them; the close button then ends it at once with the keys saved."""
    folder = session.folder()
    game = session.start_game(folder)
    game.wait_running()
    game.wait_main_menu()
    open_key_page(game)
    game.keys("a", "d", "w", "s", "j", "p")
    time.sleep(0.3)
    game.keys("Down", "Down", "Return")  # back on the options page: Accept
    wait_menu(game, 2, "main-menu-after-redefinition")
    game.keys("Down", "Down")
    start_game(game, 0)
    before = player_centre(game.shot("player-before"))
    game.keys("Right")
    time.sleep(0.8)
    check(abs(player_centre(game.shot("arrow-ignored"))[0] - before[0]) < 2,
          "the Right arrow still moves the player after it was unbound")
    game.keys("d")
    moved = game.wait_for("moved-with-d", lambda s: player_centre(s)[0] - before[0] > 40, 5)
    check(cell_of(player_centre(moved)) == (8, 4),
          f"d moved the player to {cell_of(player_centre(moved))}, not (8, 4)")
    game.keys("p")
    game.wait_for("paused-with-p", lambda s: s.share(PAUSE_AREA, WHITE) > 0.1, 5)

    game.close_request()
    check(game.wait_exit(5) == 0, "the close button ended the game with an error")
    check_sorted_config(folder, dict(DEFAULT_CONFIG, key0=str(KEY_A), key1=str(KEY_D),
                                     key2=str(KEY_W), key3=str(KEY_S), key_launch4=str(KEY_J),
                                     key_pause5=str(KEY_P)))


def close_button(session):
    """The window's close button (WM_DELETE_WINDOW) in the menu ends the program at once with
    the settings saved, keys of other programs and redefined keys kept."""
    folder = session.folder()
    with open(os.path.join(folder, "config.cfg"), "w") as config:
        config.write("key0=0\nVolume=7\n")
    game = session.start_game(folder)
    game.wait_running()
    game.wait_main_menu()
    asked = time.monotonic()
    game.close_request()
    status = game.wait_exit(10)
    check(status == 0, f"the close button ended the game with status {status}")
    check(time.monotonic() - asked < 5, "the close button did not end the game at once")
    check_sorted_config(folder, dict(DEFAULT_CONFIG, key0="0", Volume="7"))


def signals(session):
    """SIGHUP as soon as the window exists, SIGINT in the menu and SIGTERM during a pause end
    the game normally: status 0 and config.cfg written."""
    for number, moment in ((signal.SIGHUP, "start"), (signal.SIGINT, "menu"),
                           (signal.SIGTERM, "pause")):
        folder = session.folder(f"game-{moment}")
        with open(os.path.join(folder, "config.cfg"), "w") as config:
            config.write("GraphicsLevel=1\nVolume=7\n")
        game = session.start_game(folder)
        game.find_window()
        if moment != "start":
            game.wait_running()
            game.wait_main_menu()
        if moment == "pause":
            start_game(game, 0)
            game.keys("Escape")
            game.wait_for("paused", lambda s: s.share(PAUSE_AREA, WHITE) > 0.1, 5)
        game.signal(number)
        status = game.wait_exit(10)
        check(status == 0, f"signal {number} at {moment} ended the game with status {status}")
        check_sorted_config(folder, dict(DEFAULT_CONFIG, GraphicsLevel="1", Volume="7"))


def display_lost(session):
    """The X server goes away under the game (the desktop session ends): the game ends with
    status 1 and one clear line, and the keys redefined in this run are in config.cfg."""
    folder = session.folder()
    with open(os.path.join(folder, "config.cfg"), "w") as config:
        config.write("Volume=7\n")
    game = session.start_game(folder)
    game.wait_running()
    game.wait_main_menu()
    open_key_page(game)
    game.keys("a", "d", "w", "s", "j", "p")  # stored in the table, not yet in the file
    time.sleep(0.5)
    session.server.stop()
    status = game.wait_exit(10)
    check(status == 1, f"losing the display ended the game with status {status}")
    lines = [line for line in game.output().splitlines() if line.startswith("bexil:")]
    check(lines == ["bexil: the connection to the display was lost; ending"],
          f"losing the display, the game said {game.output()!r}")
    check_sorted_config(folder, dict(DEFAULT_CONFIG, key0=str(KEY_A), key1=str(KEY_D),
                                     key2=str(KEY_W), key3=str(KEY_S), key_launch4=str(KEY_J),
                                     key_pause5=str(KEY_P), Volume="7"))


def unusable_displays(session):
    """Without a display, on an X server without OpenGL (GLX) and on a 16-bit screen the game
    exits with status 1 and one line naming what is missing, and leaves config.cfg alone."""
    folder = session.folder()
    config = os.path.join(folder, "config.cfg")
    with open(config, "w") as out:
        out.write("GraphicsLevel=1\n")
    for server_args, missing in ((None, "no display"), (["-extension", "GLX"], "no OpenGL"),
                                 (["-screen", "0", "1024x768x16"], "24-bit colour")):
        env = {key: value for key, value in session.env.items() if key != "DISPLAY"}
        server = XServer(*server_args) if server_args else None
        try:
            if server:
                env["DISPLAY"] = server.start()
            result = subprocess.run(["./bexil"], cwd=folder, env=env, capture_output=True,
                                    text=True, timeout=20)
        finally:
            if server:
                server.stop()
        check(result.returncode == 1 and result.stderr.count("\n") == 1 and
              missing in result.stderr and not result.stdout,
              f"{missing}: status {result.returncode}, said {result.stdout + result.stderr!r}")
        check(open(config).read() == "GraphicsLevel=1\n", f"{missing}: config.cfg was written")


def small_screen(session):
    """A stored size larger than the 1280 x 1024 screen: this run's window has the default size,
    and config.cfg keeps the stored size for a bigger screen."""
    folder = session.folder()
    with open(os.path.join(folder, "config.cfg"), "w") as config:
        config.write("ResolutionX=1600\nResolutionY=1200\n")
    game = session.start_game(folder)
    game.wait_running()
    check(game.geometry() == (1024, 768), f"the window is {game.geometry()}, not 1024 x 768")
    game.close_request()
    check(game.wait_exit(10) == 0, "the close button ended the game with an error")
    check_sorted_config(folder, dict(DEFAULT_CONFIG, ResolutionX="1600", ResolutionY="1200"))


SCENARIOS = {
    "FirstStart": first_start,
    "TokenGame": token_game,
    "TimeGame": time_game,
    "GameOver": game_over,
    "OptionsAcceptCancel": options_accept_cancel,
    "RedefineKeys": redefine_keys,
    "CloseButton": close_button,
    "Signals": signals,
    "DisplayLost": display_lost,
    "UnusableDisplays": unusable_displays,
    "SmallScreen": small_screen,
}


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in SCENARIOS:
        print(f"usage: {sys.argv[0]} {'|'.join(SCENARIOS)} RUN_DIR XTOOL KEEP_DIR",
              file=sys.stderr)
        return 2
    name, run_dir, xtool, keep_dir = sys.argv[1:]

    def scenario():
        with Session(name, run_dir, os.path.join(keep_dir, name), xtool) as session:
            SCENARIOS[name](session)

    return run_test(f"e2e {name}", scenario)

if __name__ == "__main__":
    sys.exit(main())

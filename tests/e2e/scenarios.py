"""End-to-end scenarios of the real game: scenarios.py NAME RUN_DIR XTOOL KEEP_DIR runs one, the
function of the NAME in lower case with underscores (FirstStart runs first_start)."""

import os
import random
import re
import signal
import time

from hearing import RATE, Recording, now, reach, recorded
from driver import (BLUE, CENTRE_SQUARE, COUNTER_AREA, GAME_OVER_AREA, MODERN_CENTRE_SQUARE,
                    PAUSE_AREA, RED, VALUES, WHITE, Session, check, main, menu_line, player_cell,
                    read_file, token_cells, until)

# The scenarios that read the board's pixels play in the classic look.
CLASSIC = "Look=1\n"
GOLD = (255, 215, 0)  # "NEW HIGH SCORE"
SCORE_DIGITS = (215, 35, 145, 55)  # the white number right of "Score:"
# How many times slower the game answers than a normal build's (the sanitizer build's is slower).
SLOWDOWN = float(os.environ.get("BEXIL_E2E_SLOWDOWN", "1"))
# a d w s j p for Left, Right, Up, Down, Launch and Pause, as config.cfg stores them.
REDEFINED = dict(key0="0", key1="3", key2="22", key3="18", key_launch4="9", key_pause5="15")


def wait_menu(game, line, seconds=5):
    """Waits until the main menu shows the line red with the red triangle of the cursor left of
    it, and the other lines blue with none."""
    cursor = lambda index: (240, 276 + 35 * index, (353, 365, 401, 400, 437, 478)[index] - 240, 26)
    game.wait_for(f"main-menu-{line}", lambda shot: all(
        shot.share(menu_line(index), RED) > 0.1 and shot.centroid(cursor(index), RED)
        if index == line else shot.share(menu_line(index), BLUE) > 0.05 and
        shot.share(menu_line(index), RED) < 0.01 and not shot.centroid(cursor(index), RED)
        for index in range(6)), seconds)


def check_level_one(board):
    """The level's centre colour, black outside (at points away from the cells' centre dots and
    edges), the player at (7, 4)."""
    for cells, colour in (([(8, 4), (10, 4), (7, 7), (9, 6), (10, 7)], (255, 70, 200)),
                          ([(1, 3), (5, 9), (14, 9), (17, 11), (2, 10), (16, 3)], (0, 0, 0))):
        for column, row in cells:
            pixel = board.pixel(int(column * 1024 / 18) + 8, row * 64 + 8)
            check(pixel == colour, f"level 1: the cell {column, row} is {pixel}, not {colour}")
    check(player_cell(board) == (7, 4), f"the player is in {player_cell(board)}, not (7, 4)")


def first_start(session):
    """No config.cfg: a 1024 x 768 window titled "Bexil", then "Bexil FPS:N" (starting the game
    waits for it); the main menu's highlight and cursor follow Down and wrap; Exit writes the
    fifteen settings of a first start."""
    game = session.start_game(session.folder())
    check(game.first_title == "Bexil", f"the first title is {game.first_title!r}")
    shot = game.shot("first-menu")
    check((shot.width, shot.height) == (1024, 768), f"the window is {shot.width} x {shot.height}")
    wait_menu(game, 0)
    for label, line in (("Play time mode", 1), ("Exit", 5), ("Play token mode", 0)):
        game.move_to(label)  # Down, Up Up, Down: round to the first line again
        wait_menu(game, line)
    game.choose("Exit")
    game.ends()


def token_game(session):
    """A token game at level 1: its colours and the player's place, the first token on the left,
    a counter that stands still while more tokens come; a pause shows "PAUSE", and play goes on
    after it; SIGTERM in a second pause ends the game normally."""
    game = session.start_game(session.folder(settings=CLASSIC))
    game.play("token")
    board = session.shots[-1]
    check_level_one(board)
    first = game.wait_for("first-token", token_cells, 6, interval=0.05)
    check(len(token_cells(first)) == 1 and all(x == 0 and 4 <= y <= 7 for x, y in
                                                 token_cells(first)),
          f"the first tokens are not one in column 0, rows 4 to 7: {token_cells(first)}")
    # The game has played on when the next token comes: only then is a still counter evidence.
    later = game.wait_for("second-token", lambda shot: len(token_cells(shot)) > 1, 6)
    check(later.crop(COUNTER_AREA) == first.crop(COUNTER_AREA),
          "token mode: the counter changed without launches")

    game.keys("Escape")
    held = token_cells(game.wait_pause())
    game.keys("Escape")
    game.wait_for("resumed", lambda shot: shot.share(PAUSE_AREA, WHITE) < 0.02, 2)
    game.wait_for("arrivals-go-on", lambda shot: token_cells(shot) != held, 6)
    game.keys("Escape")
    game.wait_pause()
    game.process.send_signal(signal.SIGTERM)
    game.ends(0, 10, Look="1")


def pause_menu(session):
    """In the modern look a pause hides the board, and its lines take the real keys: Down twice
    and Return quit to the main menu at once, where a score of nothing asks for no name."""
    below = (0, 560, 1024, 110)  # under the pause menu's panel, above the lower panel: cells
    game = session.start_game(session.folder())
    game.play("token")
    game.wait_for("cells", lambda shot: shot.share(below, (0, 0, 0), 12) < 0.9, 3)
    game.keys("Escape")
    check(game.wait_pause().share(below, (0, 0, 0), 12) > 0.98, "the board shows in the pause")
    game.keys("Down", "Down", "Return")
    game.page = "main"
    wait_menu(game, 0)
    game.choose("Exit")
    game.ends()


def time_game(session):
    """A time game at level 1: its colours, a counter that moves; the close button ends it at
    once, with the settings saved."""
    game = session.start_game(session.folder(settings=CLASSIC))
    game.play("time")
    board = session.shots[-1]
    check_level_one(board)
    game.wait_for("time-counted", lambda shot: shot.crop(COUNTER_AREA) != board.crop(COUNTER_AREA),
                  5)
    game.close_request()
    game.ends(0, 5, Look="1")


def game_over(session):
    """A token game at level 20, in the default modern look, runs to GAME OVER; a key shows the
    main menu again; Exit ends the game with status 0 and the first start's settings."""
    game = session.start_game(session.folder())
    game.play("token", level=20)
    game.wait_for("game-over", lambda shot: shot.share(GAME_OVER_AREA, WHITE) > 0.3, 90, 1.0)
    game.leave_game_over()
    wait_menu(game, 0, 10)
    game.choose("Exit")
    game.ends()


def new_high_scores(*games):
    """Token games at level 20, fired around until each scores, run to "NEW HIGH SCORE"."""
    for game in games:
        game.play("token", level=20)
    zeros = {game: game.shot("no-score").crop(SCORE_DIGITS) for game in games}
    turns = ["Left", "Up", "Right", "Down"]
    # Fired around in one order, the piece and the four lines' first tokens would only pass
    # their colours round: a new order each time makes it meet its own colour.
    until("a point scored", lambda: [random.shuffle(turns) or game.keys(
        *(key for turn in turns for key in (turn, "space"))) or game.shot("firing").crop(
            SCORE_DIGITS) != zeros[game] and zeros.pop(game) for game in list(zeros)] and
          not zeros, 60, 0, games[0])
    # The gold title over the darkened board: at level 20 yellow tokens alone can pass for gold.
    for game in games:
        game.wait_for("new-high-score", lambda shot: shot.share((150, 118, 730, 62), GOLD) >
                      0.1 and shot.share((0, 740, 1024, 28), (0, 0, 0)) > 0.9, 90)


def high_score(session):
    """A token game at level 20 scores and runs to GAME OVER; then "NEW HIGH SCORE" asks for the
    name, pre-filled with the login name: Backspace, "m" and Return save "adm" in highscores.cfg
    at once, and any key shows the main menu; Exit keeps the name."""
    game = session.start_game(session.folder(settings=CLASSIC), LOGNAME="ada")
    new_high_scores(game)
    game.keys("BackSpace", "m", "Return")
    path = f"{game.folder}/highscores.cfg"
    until("the entry saved", lambda: re.fullmatch(
        rb"token1=[1-9]\d* 20 \d{4}-\d\d-\d\d adm\n", read_file(path) or b""), 5, game=game)
    game.leave_game_over()  # the table, then any key
    wait_menu(game, 0)
    game.choose("Exit")
    game.ends(Look="1", PlayerName="adm")


def two_high_scores(session):
    """Two games in one folder (an X server each: a covered window's shots are black) enter a
    high score each: one by Return, one by a logout (SIGHUP) as it shows "box". Both are kept."""
    folder, other = session.folder(settings=CLASSIC), Session(session.run_dir, session.xtool)
    try:
        two_high_scores_in(folder, [session.start_game(folder, LOGNAME="ada"),
                                    other.start_game(folder, LOGNAME="bob")])
    finally:
        other.close()


def two_high_scores_in(folder, games):
    new_high_scores(*games)
    games[0].keys("Return")
    games[1].keys("BackSpace", "x")
    time.sleep(0.5)
    games[1].process.send_signal(signal.SIGHUP)
    check(games[1].wait_exit() == 0, f"the logout ended the game with {games[1].said()}")
    games[0].close_request()
    games[0].ends(Look="1", PlayerName="ada")
    table = re.findall(rb"^token\d+=(\d+) 20 \S+ (\w+)$", read_file(f"{folder}/highscores.cfg"), re.M)
    scores = [int(score) for score, _ in table]
    check(sorted(name for _, name in table) == [b"ada", b"box"] and scores == sorted(
        scores, reverse=True), f"the table is {table}")


def two_games(session):
    """Two games in one folder: in 20 trials one accepts a look, the other a sound volume, and
    the file holds both; the other's keys, redefined, are kept as it exits last."""
    folder, other = session.folder(), Session(session.run_dir, session.xtool)
    try:
        two_games_in(session.start_game(folder), other.start_game(folder), folder)
    finally:
        other.close()


def two_games_in(first, second, folder):
    look, volume = "Modern", "8"
    for trial in range(20):
        for game, label, old, new in ((first, "Look", look, VALUES["Look"][trial % 3]),
                                      (second, "Sound volume", volume, str(trial % 11))):
            game.choose("Options")
            game.set_option(label, new, shown=old)
            game.choose("Accept")
        look, volume = VALUES["Look"][trial % 3], str(trial % 11)
        wanted = [f"Look={trial % 3}\n".encode(), f"SoundVolume={volume}\n".encode()]
        until(f"trial {trial}: both saved", lambda: all(
            line in (read_file(f"{folder}/config.cfg") or b"") for line in wanted), 5)
    second.redefine_keys("a", "d", "w", "s", "j", "p")
    first.choose("Exit")
    first.wait_exit()
    second.close_request()
    second.ends(Look=str(VALUES["Look"].index(look)), SoundVolume=volume, **REDEFINED)


def options_accept_cancel(session):
    """Antialiasing set to "Normal" and Accept write GraphicsLevel=2 at once; Fullscreen set to
    "Yes" and Cancel leave the file as it was."""
    game = session.start_game(session.folder())
    game.choose("Options")
    game.set_option("Antialiasing", "Normal")
    game.choose("Accept")
    game.new_window()  # antialiasing at once
    config = f"{game.folder}/config.cfg"
    until("Accept writing GraphicsLevel=2",
          lambda: b"GraphicsLevel=2\n" in (read_file(config) or b""), 5)
    accepted = read_file(config)
    wait_menu(game, 4)
    game.choose("Options")
    game.set_option("Fullscreen", "Yes")
    game.choose("Cancel")
    wait_menu(game, 4)  # Cancel is done: it shows the main menu where it writes, if it does
    check(read_file(config) == accepted, "Cancel changed config.cfg")
    game.choose("Exit")
    # 1024 x 768 is no full-screen mode of the test's 1280 x 1024 screen: the options offer it
    # all the same, and Accept keeps it.
    game.ends(GraphicsLevel="2")


def redefine_keys(session):
    """The six keys redefined as a d w s j p and accepted: the next game plays with them, not the
    arrows; the close button in a pause ends the game at once with the keys saved."""
    game = session.start_game(session.folder(settings=CLASSIC))
    game.redefine_keys("a", "d", "w", "s", "j", "p")
    game.choose("Accept")
    wait_menu(game, 4)
    game.play("token")
    # Keys are taken in order: once "d" has moved the piece, the Down arrow before it has been
    # seen, and a Down that still moved would show in the row.
    game.keys("Down", "d")
    moved = game.wait_for("moved-with-d", lambda shot: player_cell(shot) != (7, 4), 5)
    check(player_cell(moved) == (8, 4), f"the Down arrow still moves: {player_cell(moved)}")
    game.keys("p")
    game.wait_pause()
    game.close_request()
    game.ends(0, 5, Look="1", **REDEFINED)


def menus_by_pointer_and_back(session):
    """Escape and Backspace leave the main menu as it is; they and a right click go one page back
    from the options, the high scores and How to play. The pointer highlights the line it is
    over and a click chooses it; on "Sound volume" a click on the right half and the wheel step
    it to 10, and a click on "Accept" stores that."""
    game = session.start_game(session.folder())
    game.keys("Escape", "BackSpace")
    time.sleep(0.3)
    wait_menu(game, 0)
    for label, line, back in (("Options", 4, "Escape"), ("High scores", 2, "BackSpace")):
        game.choose(label)
        game.keys(back)
        game.page = "main"
        wait_menu(game, line)
    game.point(512, 289 + 35 * 3)  # over "How to play"
    wait_menu(game, 3)
    game.point(512, 289 + 35 * 3, 1)
    game.wait_for("how-to-play", lambda shot: shot.share((712, 485, 60, 20), RED) > 0.1)  # "Back"
    game.point(900, 700, 3)
    wait_menu(game, 3)
    game.point(512, 289 + 35 * 4, 1)  # "Options"
    # The options' lines, 57 of the view's 2000 units apart from 590 on: "Sound volume" is the
    # sixth, "Accept" the twelfth.
    game.point(800, round((590 + 5.5 * 57) * 768 / 2000), 1, 4)
    game.point(200, round((590 + 11.5 * 57) * 768 / 2000), 1)
    wait_menu(game, 4)
    game.line["main"] = 4
    game.choose("Exit")
    game.ends(SoundVolume="10")


def signals(session):
    """SIGHUP as soon as the window exists, SIGINT in the menu and SIGTERM while a thousand
    pictures load end the game normally and at once: status 0 and config.cfg written, with the
    keys it does not know."""
    for number, menu in ((signal.SIGHUP, False), (signal.SIGINT, True), (signal.SIGTERM, False)):
        folder = session.folder(f"{number}", "GraphicsLevel=1\nVolume=7\n")
        if number == signal.SIGTERM:
            with open(f"{folder}/res.cfg", "a") as slow:
                slow.writelines(f"texture@slow{n}=images/background.png\n" for n in range(1000))
        game = session.start_game(folder, menu)
        game.find_window()
        game.process.send_signal(number)
        game.ends(0, 10, GraphicsLevel="1", Volume="7")


def display_lost(session):
    """The X server goes away under the game (the desktop session ends): the game ends with
    status 1 and one clear line, and the keys redefined in this run are in config.cfg."""
    game = session.start_game(session.folder(settings="Volume=7\n"))
    game.redefine_keys("a", "d", "w", "s", "j", "p")  # in the table, not yet in the file
    time.sleep(0.5)
    session.stop_x()
    game.ends(1, 10, Volume="7", **REDEFINED)
    check([line for line in game.said().splitlines() if line.startswith("bexil:")] ==
          ["bexil: the connection to the display was lost; ending"],
          f"losing the display, the game said {game.said()!r}")


def unusable_displays(session):
    """Without a display, on an X server without OpenGL (GLX) and on a 16-bit screen the game
    exits with status 1 and one line naming what is missing, and leaves config.cfg alone."""
    folder = session.folder(settings="GraphicsLevel=1\n")
    for server, missing in ((None, "no display"), (("1280x1024x24", "-extension", "GLX"),
                                                   "no OpenGL"), (("1024x768x16",), "24-bit")):
        if server:
            session.stop_x()
            session.start_x(*server)
        game = session.start_game(folder, menu=False, **({} if server else {"DISPLAY": None}))
        check(game.wait_exit(20) == 1, f"{missing}: the status is not 1: {game.said()!r}")
        check(re.fullmatch(f".*{missing}.*\n", game.said()), f"{missing}: {game.said()!r}")
        check(read_file(f"{folder}/config.cfg") == b"GraphicsLevel=1\n",
              f"{missing}: config.cfg was written")


def small_screen(session):
    """A stored size larger than the 1280 x 1024 screen: this run's window is as large as the
    screen holds, and config.cfg keeps the stored size for a bigger screen."""
    game = session.start_game(session.folder(settings="ResolutionX=1600\nResolutionY=1200\n"))
    shot = game.shot("screen-size")
    check((shot.width, shot.height) == (1280, 1024), f"the window is {shot.width} x {shot.height}")
    game.close_request()
    game.ends(0, 10, ResolutionX="1600", ResolutionY="1200")


# The centre square's colour at the start of levels 1, 6, 11, 16 and 20 (odd columns).
CENTRES = {1: (255, 70, 200), 6: (10, 200, 50), 11: (225, 255, 255), 16: (100, 200, 200),
           20: (100, 200, 200)}


def toned(colour):
    """A centre cell's face in the modern looks: a soft tint of the level's colour on a night
    blue, at 65 % in the centre, on the tile's 80 %."""
    grey = 0.299 * colour[0] + 0.587 * colour[1] + 0.114 * colour[2]
    return tuple(int(0.8 * 0.65 * (night + 0.1 * grey + 0.15 * (value - grey)))
                 for value, night in zip(colour, (18, 16, 34)))


def looks(session):
    """Levels 1, 6, 11, 16 and 20 in each look (BEXIL_E2E_KEEP=1 keeps the shots to look at):
    the classic look shows the centre square's colour flat, the modern ones toned down."""
    for look, name in enumerate(("modern", "classic", "colour-blind")):
        for level, centre in CENTRES.items():
            game = session.start_game(session.folder(f"{name}-{level}", f"Look={look}\n"))
            game.play("token", level)
            time.sleep(1.5)  # the banner gone, tokens coming in
            shot = game.shot(f"{name}-level-{level}")
            square = CENTRE_SQUARE if look == 1 else MODERN_CENTRE_SQUARE
            flat = shot.share(square, centre)
            soft = shot.share(square, toned(centre), 12)
            check(flat > 0.2 if look == 1 else flat < 0.01 and soft > 0.2,
                  f"{shot.name}: {flat:.2f} of the centre flat, {soft:.2f} toned")
            game.close_request()
            game.ends(0, 10, Look=str(look))


def hearing(session):
    """What the player hears, recorded in stereo: the menu's music; "Music volume" set to 0
    silences it at once and is kept; then, in a game, the first token, from the left, heard on the
    left; a launch loud, clear and bright; the second token, from the top, in the middle, the
    third, from the right, on the right; and never a clipped sample."""
    env, wav = recorded(session, "hearing")
    game = session.start_game(session.folder(settings=CLASSIC), **env)
    time.sleep(1.5)
    check(Recording(wav).rms(now(wav) - RATE, RATE) > 0.01, "no music on the menu")
    game.choose("Options")
    game.set_option("Music volume", "0", shown="6")
    time.sleep(1)
    check(Recording(wav).rms(now(wav) - RATE // 5, RATE // 5) == 0, "the music is still heard")
    game.choose("Accept")
    game.play("token")
    mark = now(wav)
    # The sides take turns, left, top, right: the sounds after the choice's chime are the
    # arrivals, and a launch fired between the first two.
    for count, sides in ((1, ("left",)), (3, ("top", "right"))):
        game.wait_for(f"tokens-{count}", lambda shot: len(token_cells(shot)) >= count, 8, 0.05)
        reach(wav, now(wav) + int(0.3 * SLOWDOWN * RATE))  # the mixer's buffers reach the file
        heard = Recording(wav)
        arrivals = heard.sounds(mark)
        check(len(arrivals) >= len(sides), f"{len(arrivals)} sounds for {len(sides)} arrivals")
        for side, at in zip(sides, arrivals):
            balance = heard.balance(at, RATE // 10)
            check({"left": balance > 6, "top": abs(balance) < 6, "right": balance < -6}[side],
                  f"a token from the {side}: left {balance:+.1f} dB over right")
        mark = launch_heard(game, wav) if count == 1 else None
    check(heard.peak() < 32767 / 32768, "a sample clipped")
    game.close_request()
    game.ends(Look="1", MusicVolume="0")


def launch_heard(game, wav):
    """A launch along the player's empty column, between two arrivals 2.6 s apart: loud, clear
    and bright within 0.4 s of its key (times the slowdown of the build). The frame after it."""
    key, limit = now(wav), int(0.4 * SLOWDOWN * RATE)
    game.keys("space")
    reach(wav, key + limit + RATE // 2)  # the mixer's buffers reach the file
    heard = Recording(wav)
    before = heard.rms(key - RATE // 4, RATE // 4)
    loudness, at = heard.loudest(key, limit)
    check(loudness > 0.1 and loudness > 10 * before,
          f"launch {loudness:.3f} {(at - key) / RATE:.2f} s after the key, {before:.3f} before")
    bright = heard.bright(at - RATE // 20, RATE // 4)
    check(bright > 0.02, f"the launch has {100 * bright:.1f} % of its energy above 5 kHz")
    return at + RATE // 2


def silence(session):
    """With both volumes at 0 a game in play writes nothing but silence; without any sound device
    the game plays on, says so in one line, and ends as usual."""
    env, wav = recorded(session, "silence")
    settings = CLASSIC + "SoundVolume=0\nMusicVolume=0\n"
    for name, game_env in (("recorded", env), ("deviceless", {"ALSOFT_DRIVERS": "none"})):
        game = session.start_game(session.folder(name, settings), **game_env)
        game.play("token")
        game.keys("Left", "space", "Up", "space", "Escape")
        game.wait_pause()
        game.close_request()
        game.ends(Look="1", MusicVolume="0", SoundVolume="0")
    heard = Recording(wav)
    check(heard.frames > 2 * RATE and heard.peak() == 0, f"heard {heard.peak():.4f}")
    said = [line for line in game.said().splitlines() if line.startswith("bexil:")]
    check(said == ["bexil: no audio device; the game plays without sound"], f"said {said!r}")


main(lambda session, name: globals()[re.sub("(?<!^)([A-Z])", r"_\1", name).lower()](session))

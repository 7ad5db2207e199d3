"""The installed game as a player's desktop uses it, on an X server of the test's own:
install_test.py CASE BUILD_DIR XTOOL KEEP_DIR CMAKE CPACK. The cases are the functions below."""

import gzip
import os
import re
import shutil
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from driver import check, main, read_file  # noqa: E402

CMAKE, CPACK = sys.argv[5:7]
SYSTEM_FONTS, APP = "/usr/share/fonts/truetype/dejavu", "io.github.bexil.bexil"


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    check(result.returncode == 0, f"{' '.join(command)}: {result.stdout}{result.stderr}")
    return result.stdout


def install(session, name="prefix"):
    for component in ("bexil", "fonts"):
        run(CMAKE, "--install", session.run_dir, "--component", component, "--prefix",
            f"{session.work}/{name}")
    return f"{session.work}/{name}"


def setting(path, key):
    found = re.search(f"^{key}=(.*)$", (read_file(path) or b"").decode(), re.M)
    return found and found[1]


def play(session, command, data, settings, size=(1024, 768), **env):
    """Starts the command from an unrelated folder with HOME the work folder (XDG_CONFIG_HOME
    and XDG_DATA_HOME only if given) and leaves its menu by "Exit". The game must have used the
    system's fonts (mapped) and the data folder's pictures (thousands of colours on screen; flat
    fills and text alone give a few hundred), kept complete settings in the settings folder, had
    a window of the size, and written nothing where it was started."""
    os.makedirs(f"{session.work}/elsewhere", exist_ok=True)
    game = session.start_game(f"{session.work}/elsewhere", command=command, **{
        "HOME": session.work, "XDG_CONFIG_HOME": None, "XDG_DATA_HOME": None, **env})
    maps, shot = read_file(f"/proc/{game.process.pid}/maps").decode(), game.shot("menu")
    game.choose("Exit")
    check(game.wait_exit() == 0, f"{command} ended with an error: {game.said()}")
    check(f"{SYSTEM_FONTS}/DejaVuSans-Bold.ttf" in maps, "the menu font is not the system's")
    check(os.path.isfile(f"{data}/images/logo.png"), f"no pictures in {data}")
    colours = len({shot.rgb[at:at + 3] for at in range(0, len(shot.rgb), 3)})
    check(colours > 5000, f"the menu shows {colours} colours: pictures missing?")
    check(all(setting(f"{settings}/config.cfg", key) for key in ("GraphicsLevel", "ResolutionX",
          "ResolutionY", "VSync", "bpp", "Fullscreen")), f"no whole config.cfg in {settings}")
    check((shot.width, shot.height) == size, f"the window is {shot.width} x {shot.height}")
    check(not os.listdir(f"{session.work}/elsewhere"), "the game wrote where it was started")


def check_files(prefix):
    """The installed files: a resource list naming the game's fonts (installed or the system's),
    pictures, sounds and music, all installed, a valid desktop entry that starts the game, its
    icons, its manual page, AppStream metadata that appstreamcli accepts and the catalogues."""
    data = f"{prefix}/share/bexil"
    listed = dict(line.split("=", 1) for line in read_file(f"{data}/res.cfg").decode().split())
    kinds = {kind: {key.split("@")[1] for key in listed if key.startswith(kind)}
             for kind in ("font", "texture", "sound", "music")}
    check(kinds["font"] | kinds["texture"] == {"game_menu.mainFont", "game_scene.scoreFont",
          "game_menu.background", "game_menu.logo", "game_scene.look"} and
          len(kinds["sound"]) == 17 and kinds["music"] == {"game_menu.music", "game_scene.music"},
          f"res.cfg lists {listed}")
    check(all(os.path.isfile(f"{data}/{file}") or key.startswith("font") and
              os.path.isfile(f"{SYSTEM_FONTS}/{os.path.basename(file)}")
              for key, file in listed.items() if "@" in key), "res.cfg names missing files")
    desktop = f"{prefix}/share/applications/{APP}.desktop"
    run("desktop-file-validate", desktop)
    for line in ("Exec=bexil", "Icon=bexil", "Categories=(.*;)?Game;.*"):
        check(re.search(f"^{line}$", read_file(desktop).decode(), re.M), f"no {line} entry")
    for size in (64, 256):
        icon = read_file(f"{prefix}/share/icons/hicolor/{size}x{size}/apps/bexil.png") or b""
        check(icon[16:24] == struct.pack(">II", size, size), f"no {size} x {size} icon")
    validated = run("appstreamcli", "validate", "--no-net",
                    f"{prefix}/share/metainfo/{APP}.metainfo.xml")
    check("✔ Validation was successful." in validated.splitlines(), f"AppStream: {validated}")
    check(b".SH OPTIONS" in gzip.decompress(read_file(f"{prefix}/share/man/man6/bexil.6.gz")),
          "no manual page")
    check(all(os.path.isfile(f"{prefix}/share/locale/{language}/LC_MESSAGES/bexil.mo")
              for language in ("de", "fr")), "the texts' catalogues are not installed")


def files(session):
    """Installed under a prefix with a blank in its name; --version answers, --help that cannot
    write fails."""
    prefix = install(session, "any prefix")
    check_files(prefix)
    check(os.path.isfile(f"{prefix}/share/bexil/fonts/LICENSE-DejaVu.txt"), "no fonts' licence")
    check(run(f"{prefix}/games/bexil", "--version").startswith("bexil "), "no version")
    for redirect in (">/dev/full", ">&-"):  # standard output full, closed: an error
        failed = subprocess.run(["sh", "-c", f'"$0" --help {redirect}', f"{prefix}/games/bexil"],
                                capture_output=True, text=True)
        check(failed.returncode == 1 and failed.stderr.count("\n") == 1, f"--help: {failed}")


def player(session):
    """From any folder, each player (each HOME) with settings of their own, in a private folder
    (the high scores move there from the settings folder); the first one picks a smaller window,
    the second keeps the default."""
    prefix, work, entry = install(session), session.work, b"token1=9 1 2026-01-01 Ada\n"
    os.makedirs(f"{work}/.config/bexil")  # high scores where an older game kept them
    with open(f"{work}/.config/bexil/highscores.cfg", "wb") as old:
        old.write(entry)
    play(session, f"{prefix}/games/bexil", f"{prefix}/share/bexil", f"{work}/.config/bexil")
    check(os.stat(f"{work}/.local/share/bexil").st_mode & 0o777 == 0o700, "the scores are public")
    check(read_file(f"{work}/.local/share/bexil/highscores.cfg") == entry and not
          os.path.exists(f"{work}/.config/bexil/highscores.cfg"), "the high scores did not move")
    config = read_file(f"{work}/.config/bexil/config.cfg").decode()
    with open(f"{work}/.config/bexil/config.cfg", "w") as out:
        out.write(re.sub("ResolutionY=.*", "ResolutionY=600",
                         re.sub("ResolutionX=.*", "ResolutionX=800", config)))
    play(session, f"{prefix}/games/bexil", f"{prefix}/share/bexil", f"{work}/2/.config/bexil",
         HOME=f"{work}/2")
    check(setting(f"{work}/2/.config/bexil/config.cfg", "ResolutionX") == "1024", "one setting")
    play(session, f"{prefix}/games/bexil", f"{prefix}/share/bexil", f"{work}/.config/bexil",
         (800, 600))
    check(setting(f"{work}/.config/bexil/config.cfg", "ResolutionX") == "800", "lost settings")


def read_only(session):
    """An installation nobody may write: root writes through permission bits, so the proof is
    that nothing in it changed."""
    prefix = install(session)
    run("chmod", "-R", "a-w", prefix)
    listing = run("find", prefix, "-printf", r"%p %s %T@ %m\n")
    play(session, f"{prefix}/games/bexil", f"{prefix}/share/bexil", f"{session.work}/.config/bexil")
    check(run("find", prefix, "-printf", r"%p %s %T@ %m\n") == listing, "the game wrote there")
    run("chmod", "-R", "u+w", prefix)


def moved(session):
    """A moved installation, started through a link elsewhere, and with XDG_CONFIG_HOME."""
    first, work = install(session, "first"), session.work
    play(session, f"{first}/games/bexil", f"{first}/share/bexil", f"{work}/.config/bexil")
    second = shutil.move(first, f"{work}/second")
    os.symlink(f"{second}/games/bexil", f"{work}/bexil")
    play(session, f"{work}/bexil", f"{second}/share/bexil", f"{work}/.config/bexil")
    play(session, f"{work}/bexil", f"{second}/share/bexil", f"{work}/xdg/bexil",
         XDG_CONFIG_HOME=f"{work}/xdg")


def no_display(session):
    game = session.start_game(session.work, menu=False, command=f"{install(session)}/games/bexil",
                              HOME=session.work, DISPLAY=None)
    status = game.wait_exit()
    check(status == 1 and re.fullmatch(".*display.*\n", game.said()),
          f"without a display the status is {status} and the game said {game.said()!r}")


def package(session):
    """The Debian package: its fields, lintian without a word, its files, the game it holds run
    as it is, and (as root, where no bexil is installed) installed with apt-get and removed."""
    if not (shutil.which("dpkg-deb") and shutil.which("dpkg-shlibdeps")):
        print("dpkg-deb or dpkg-shlibdeps is missing (package dpkg-dev): no package to check")
        return 77
    run(CPACK, "-G", "DEB", "--config", f"{session.run_dir}/CPackConfig.cmake", "-B",
        f"{session.work}/package")
    deb = next(entry.path for entry in os.scandir(f"{session.work}/package")
               if entry.name.endswith(".deb"))
    fields = run("dpkg-deb", "-f", deb)
    for field in ("Package: bexil", "Section: games", "Maintainer: .", "Description: .",
                  "Depends: .*libsfml-graphics", "Depends: .*libsfml-window",
                  "Depends: .*libsfml-system", "Depends: .*libsfml-audio", "Depends: .*libopenal",
                  "Depends: .*fonts-dejavu-core"):
        check(re.search(f"^{field}", fields, re.M), f"the package lacks {field}: {fields}")
    # Clean at lintian's own level (no error, no warning), and hardened (info tags).
    lintian = subprocess.run(["lintian", "--display-info", deb], capture_output=True, text=True)
    said = [line for line in (lintian.stdout + lintian.stderr).splitlines()
            if re.match("[EW]: |I: .*hardening|(?![EWIPNX]: |running with root)", line)]
    check(lintian.returncode == 0 and not said, f"lintian: {said}")
    run("dpkg-deb", "-x", deb, f"{session.work}/root")
    check_files(f"{session.work}/root/usr")
    play(session, f"{session.work}/root/usr/games/bexil", f"{session.work}/root/usr/share/bexil",
         f"{session.work}/.config/bexil")
    if os.getuid() == 0 and subprocess.run(["dpkg", "-s", "bexil"], capture_output=True).returncode:
        run("apt-get", "install", "-y", "-qq", "--no-install-recommends", deb)  # as a player would
        try:
            play(session, "/usr/games/bexil", "/usr/share/bexil", f"{session.work}/.config/bexil")
        finally:
            run("apt-get", "remove", "-y", "-qq", "bexil")
        check(not os.path.exists("/usr/games/bexil"), "apt-get remove left the game")


main(lambda session, name: globals()[re.sub("(?<!^)([A-Z])", r"_\1", name).lower()](session))

"""The installed game as a player's desktop uses it, on an X server of the test's own:
install_test.py CASE BUILD_DIR XTOOL KEEP_DIR CMAKE CPACK. The cases are the functions below."""

import os
import re
import shutil
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from driver import check, main, read_file  # noqa: E402

CMAKE, CPACK = sys.argv[5:7]
SETTINGS = ("GraphicsLevel", "ResolutionX", "ResolutionY", "VSync", "bpp", "Fullscreen")


def run(*command, cwd=None):
    result = subprocess.run(command, cwd=cwd, capture_output=True, text=True)
    check(result.returncode == 0, f"{' '.join(command)}: {result.stdout}{result.stderr}")
    return result.stdout


def install(session, name="prefix"):
    prefix = os.path.join(session.work, name)
    run(CMAKE, "--install", session.run_dir, "--component", "bexil", "--prefix", prefix)
    return prefix


def setting(folder, name, key):
    found = re.search(f"^{key}=(.*)$", (read_file(f"{folder}/{name}") or b"").decode(), re.M)
    return found and found[1]


def play(session, command, home, **env):
    """Starts the command from an unrelated folder with HOME (XDG_CONFIG_HOME only if given),
    waits for its menu and leaves it by "Exit". Returns the menu's shot and the files the game
    mapped."""
    os.makedirs(f"{session.work}/elsewhere", exist_ok=True)
    game = session.start_game(f"{session.work}/elsewhere", command=command,
                              **{"HOME": home, "XDG_CONFIG_HOME": None, **env})
    maps, shot = read_file(f"/proc/{game.process.pid}/maps").decode(), game.shot("menu")
    game.choose("Exit")
    check(game.wait_exit() == 0, f"{command} ended with an error: {game.said()}")
    check(not os.listdir(f"{session.work}/elsewhere"), "the game wrote where it was started")
    return shot, maps


def check_played(shot, maps, data, settings, size=(1024, 768)):
    """The game used the data folder's fonts (mapped) and pictures (thousands of colours on
    screen; flat fills and text alone give a few hundred), kept its settings in the folder,
    with a resource list naming the data, and had a window of the size."""
    check(f"{data}/fonts/DejaVuSans-Bold.ttf" in maps, f"the menu font is not from {data}")
    colours = len({shot.rgb[at:at + 3] for at in range(0, len(shot.rgb), 3)})
    check(colours > 5000, f"the menu shows {colours} colours: pictures missing?")
    check(all(setting(settings, "config.cfg", key) for key in SETTINGS),
          f"no complete config.cfg in {settings}")
    check(setting(settings, "res.cfg", "resources_directory") == data + "/",
          f"{settings}/res.cfg does not name {data}/")
    check((shot.width, shot.height) == size, f"the window is {shot.width} x {shot.height}")


def files(session):
    """The files and the desktop entry, installed under a prefix with a blank in its name."""
    prefix = install(session, "any prefix")
    data = f"{prefix}/share/bexil"
    run("sh", "-n", f"{prefix}/bin/bexil")
    check(os.access(f"{prefix}/bin/bexil", os.X_OK) and os.access(
        f"{prefix}/libexec/bexil/bexil", os.X_OK), "the launcher or the game cannot be run")
    check(os.path.isfile(f"{data}/fonts/LICENSE-DejaVu.txt"), "the fonts' licence is missing")
    listed = dict(line.split("=", 1) for line in read_file(f"{data}/res.cfg").decode().split())
    check({key.split("@")[1] for key in listed} == {"game_menu.mainFont", "game_scene.scoreFont",
          "game_menu.background", "game_menu.logo"}, f"res.cfg lists {listed}")
    check(all(os.path.isfile(f"{data}/{file}") for file in listed.values()),
          "res.cfg names files that are not installed")
    desktop = f"{prefix}/share/applications/bexil.desktop"
    run("desktop-file-validate", desktop)
    for line in ("Exec=bexil", "Icon=bexil", "Categories=(.*;)?Game;.*"):
        check(re.search(f"^{line}$", read_file(desktop).decode(), re.M), f"no {line} entry")
    for size in (64, 256):
        icon = read_file(f"{prefix}/share/icons/hicolor/{size}x{size}/apps/bexil.png") or b""
        check(icon[16:24] == struct.pack(">II", size, size), f"no {size} x {size} icon")


def player(session):
    """From any folder, each player with settings of their own, in a private folder."""
    prefix, home1, home2 = install(session), f"{session.work}/home1", f"{session.work}/home2"
    settings1, settings2 = f"{home1}/.config/bexil", f"{home2}/.config/bexil"
    check_played(*play(session, f"{prefix}/bin/bexil", home1), f"{prefix}/share/bexil", settings1)
    check(os.stat(settings1).st_mode & 0o777 == 0o700, "the settings folder is not private")
    # The first player picks a smaller window; the second keeps the default.
    config = read_file(f"{settings1}/config.cfg").decode()
    with open(f"{settings1}/config.cfg", "w") as out:
        out.write(re.sub("ResolutionY=.*", "ResolutionY=600", re.sub(
            "ResolutionX=.*", "ResolutionX=800", config)))
    check_played(*play(session, f"{prefix}/bin/bexil", home2), f"{prefix}/share/bexil", settings2)
    check(setting(settings2, "config.cfg", "ResolutionX") == "1024", "shared settings")
    check_played(*play(session, f"{prefix}/bin/bexil", home1), f"{prefix}/share/bexil", settings1,
                 (800, 600))
    check(setting(settings1, "config.cfg", "ResolutionX") == "800", "the settings were lost")


def read_only(session):
    """An installation nobody may write: root writes through permission bits, so the proof is
    that nothing in it changed."""
    prefix = install(session)
    run("chmod", "-R", "a-w", prefix)
    listing = run("find", prefix, "-printf", r"%p %s %T@ %m\n")
    check_played(*play(session, f"{prefix}/bin/bexil", session.work), f"{prefix}/share/bexil",
                 f"{session.work}/.config/bexil")
    check(run("find", prefix, "-printf", r"%p %s %T@ %m\n") == listing, "the game wrote there")
    run("chmod", "-R", "u+w", prefix)


def moved(session):
    """A moved installation, started through a link elsewhere (as /usr/games links would), and
    with XDG_CONFIG_HOME."""
    first, home = install(session, "first"), session.work
    check_played(*play(session, f"{first}/bin/bexil", home), f"{first}/share/bexil",
                 f"{home}/.config/bexil")
    second = shutil.move(first, f"{session.work}/second")
    os.symlink(f"{second}/bin/bexil", f"{session.work}/bexil")
    check_played(*play(session, f"{session.work}/bexil", home), f"{second}/share/bexil",
                 f"{home}/.config/bexil")
    check_played(*play(session, f"{session.work}/bexil", home, XDG_CONFIG_HOME=f"{home}/xdg"),
                 f"{second}/share/bexil", f"{home}/xdg/bexil")


def no_display(session):
    game = session.start_game(session.work, menu=False, command=f"{install(session)}/bin/bexil",
                              HOME=session.work, DISPLAY=None)
    status = game.wait_exit()
    check(status == 1 and re.fullmatch(".*display.*\n", game.said()),
          f"without a display the status is {status} and the game said {game.said()!r}")


def package(session):
    """The Debian package: its fields and files, and the game it holds, run as it is."""
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
                  "Depends: .*libsfml-system"):
        check(re.search(f"^{field}", fields, re.M), f"the package lacks {field}: {fields}")
    contents = run("dpkg-deb", "-c", deb)
    for path in ("bin/bexil", "libexec/bexil/bexil", "share/bexil/res.cfg",
                 "share/bexil/fonts/LICENSE-DejaVu.txt", "share/bexil/images/logo.png",
                 "share/applications/bexil.desktop", "share/icons/hicolor/64x64/apps/bexil.png",
                 "share/icons/hicolor/256x256/apps/bexil.png"):
        check(f" ./usr/{path}\n" in contents, f"the package lacks /usr/{path}")
    run("dpkg-deb", "-x", deb, f"{session.work}/root")
    check_played(*play(session, f"{session.work}/root/usr/bin/bexil", session.work),
                 f"{session.work}/root/usr/share/bexil", f"{session.work}/.config/bexil")


main(lambda session, name: globals()[re.sub("(?<!^)([A-Z])", r"_\1", name).lower()](session))

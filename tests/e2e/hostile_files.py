"""The real game on damaged settings files and resource lists.

Every case starts the game from a copy of its run folder with one damaged input, waits until it
runs frames, leaves by the main menu's "Exit" (Up, then Return) and expects status 0; then it
compares config.cfg with what the game could keep:
- settings it understands stay as the file said, when they are usable;
- damaged numbers (text, out of range, unusable window sizes or depths) are repaired to their
  defaults;
- keys it does not know, whatever bytes they hold, come back unchanged;
- a file it cannot write stays exactly as it was.

Usage: hostile_files.py GROUP RUN_DIR XTOOL KEEP_DIR   (GROUP: a group below, or "list")
"""

import os
import shutil
import stat
import subprocess
import sys
import time

from driver import DEFAULT_CONFIG, Failure, Session, check, read_config, run_test

SKIPPED = 77


def config(text):
    """A setup that writes config.cfg with these bytes."""
    data = text if isinstance(text, bytes) else text.encode()

    def setup(folder):
        with open(os.path.join(folder, "config.cfg"), "wb") as out:
            out.write(data)

    return setup


def res(text, files=None):
    """A setup that replaces res.cfg (None removes it) and writes extra files of the folder."""
    def setup(folder):
        path = os.path.join(folder, "res.cfg")
        os.remove(path)
        if text is not None:
            with open(path, "w") as out:
                out.write(text)
        for name, data in (files or {}).items():
            target = os.path.join(folder, name)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(target, "wb") as out:
                out.write(data)

    return setup


def defaults(**changes):
    """The default table with changes; a value of None removes the key."""
    table = dict(DEFAULT_CONFIG)
    for key, value in changes.items():
        if value is None:
            table.pop(key, None)
        else:
            table[key] = value
    return table


def with_keys(extra, **changes):
    """defaults(**changes) plus keys whose names are no Python identifiers."""
    table = defaults(**changes)
    table.update(extra)
    return table


def check_table(folder, expected):
    """config.cfg holds exactly the expected table, sorted by the bytes of its keys."""
    lines, table = read_config(folder)
    encode = lambda text: text.encode("utf-8", errors="surrogateescape")
    wanted = sorted(expected.items(), key=lambda item: encode(item[0]))
    got = [line.partition("=")[::2] for line in lines]
    if got != [(key, value) for key, value in wanted]:
        shorten = lambda text: text if len(text) < 60 else f"{text[:40]}... ({len(text)} chars)"
        raise Failure("config.cfg after exit:\n  " +
                      "\n  ".join(shorten(repr(line)) for line in lines) + "\nexpected:\n  " +
                      "\n  ".join(shorten(repr(f"{k}={v}")) for k, v in wanted))


def unchanged(path):
    """A check that the file at path (relative to the game folder) kept its bytes."""
    def make(folder):
        full = os.path.join(folder, path)
        before = open(full, "rb").read() if os.path.isfile(full) else None

        def verify(after_folder):
            if before is None:
                check(os.path.isdir(full), f"{path} is no longer a folder")
            else:
                check(open(full, "rb").read() == before, f"{path} was changed")
            leftovers = [name for name in os.listdir(after_folder) if name.endswith(".tmp")]
            check(not leftovers or os.path.isdir(os.path.join(after_folder, leftovers[0])),
                  f"a temporary file was left behind: {leftovers}")

        return verify

    return make


def known_keys_repaired(folder):
    """A check for inputs of arbitrary bytes: the twelve settings are there, as numbers."""
    def verify(after_folder):
        _, table = read_config(after_folder)
        for key in DEFAULT_CONFIG:
            value = table.get(key, "")
            check(value.lstrip("-").isdigit(), f"{key} is {value!r} after exit, not a number")

    return verify


def linked_config(folder):
    os.mkdir(os.path.join(folder, "settings"))
    config("GraphicsLevel=2\nVolume=7\n")(os.path.join(folder, "settings"))
    os.symlink("settings/config.cfg", os.path.join(folder, "config.cfg"))


def link_kept(folder):
    """A check that config.cfg is still the link, and its target holds the settings."""
    def verify(after_folder):
        link = os.path.join(after_folder, "config.cfg")
        check(os.path.islink(link), "config.cfg, a link, was replaced by a file")
        check_table(os.path.join(after_folder, "settings"),
                    defaults(GraphicsLevel="2", Volume="7"))

    return verify


def special_config(kind):
    """config.cfg as a named pipe ("pipe") or a link to /dev/zero ("zero")."""
    def setup(folder):
        path = os.path.join(folder, "config.cfg")
        if kind == "pipe":
            os.mkfifo(path)
        else:
            os.symlink("/dev/zero", path)

    return setup


def special_kept(kind):
    """A check that the pipe or the link is still there, not replaced by a file."""
    def make(folder):
        def verify(after_folder):
            path = os.path.join(after_folder, "config.cfg")
            if kind == "pipe":
                check(stat.S_ISFIFO(os.lstat(path).st_mode), "the pipe config.cfg was replaced")
            else:
                check(os.readlink(path) == "/dev/zero", "the link config.cfg was replaced")

        return verify

    return make


TEN_MB = 10 * 1024 * 1024
FONT = "data/fonts/DejaVuSans-Bold.ttf"
MONO = "data/fonts/DejaVuSansMono-Bold.ttf"
LOGO = "data/images/logo.png"
RES_LINES = {
    "font@game_menu.mainFont": "fonts/DejaVuSans-Bold.ttf",
    "font@game_scene.scoreFont": "fonts/DejaVuSansMono-Bold.ttf",
    "texture@game_menu.background": "images/background.png",
    "texture@game_menu.logo": "images/logo.png",
}


def res_list(directory="data/", **replaced):
    """The game's own res.cfg with some entries replaced (a value of None drops the entry)."""
    lines = [f"resources_directory={directory}"] if directory is not None else []
    entries = dict(RES_LINES)
    for key, value in replaced.items():
        key = key.replace("__", "@")
        if value is None:
            entries.pop(key, None)
        else:
            entries[key] = value
    lines += [f"{key}={value}" for key, value in entries.items()]
    return "\n".join(lines) + "\n"


# A PNG whose header claims 60000 x 60000 pixels, with no pixel data behind it.
HUGE_PNG = (b"\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\xea\x60\x00\x00\xea\x60\x08\x06"
            b"\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00IEND\xaeB`\x82")

# name: (setup, expected table or None for the default table, extra check maker or None)
CASES = {
    "values": {
        "text-for-numbers": (config("ResolutionX=wide\nResolutionY=tall\nbpp=deep\n"
                                    "GraphicsLevel=best\nVSync=yes\nFullscreen=no\n"),
                             defaults(), None),
        "numbers-then-text": (config("ResolutionX=800px\nResolutionY=600px\n"),
                              defaults(ResolutionX="800px", ResolutionY="600px"), None),
        "huge-numbers": (config("ResolutionX=99999999999999999999\nGraphicsLevel=2147483648\n"
                                "key0=99999999999\n"), defaults(), None),
        "int-limits": (config("ResolutionX=2147483647\nResolutionY=-2147483648\n"
                              "bpp=2147483647\n"), defaults(), None),
        "negative-numbers": (config("ResolutionX=-1024\nResolutionY=-768\nbpp=-32\n"
                                    "VSync=-1\nFullscreen=-0\n"),
                             defaults(VSync="-1", Fullscreen="-0"), None),
        "resolution-zero": (config("ResolutionX=0\nResolutionY=0\n"), defaults(), None),
        "resolution-x-zero": (config("ResolutionX=0\nResolutionY=600\n"), defaults(), None),
        "resolution-100000": (config("ResolutionX=100000\nResolutionY=100000\n"),
                              defaults(ResolutionX="100000", ResolutionY="100000"), None),
        "resolution-y-100000": (config("ResolutionX=800\nResolutionY=100000\n"),
                                defaults(ResolutionX="800", ResolutionY="100000"), None),
        "resolution-small": (config("ResolutionX=1\nResolutionY=1\n"),
                             defaults(ResolutionX="1", ResolutionY="1"), None),
        "bpp-zero": (config("bpp=0\n"), defaults(), None),
        "bpp-odd": (config("bpp=7\n"), defaults(), None),
        "bpp-288": (config("bpp=288\n"), defaults(bpp="288"), None),
        "antialiasing-huge": (config("GraphicsLevel=1000000\n"),
                              defaults(GraphicsLevel="1000000"), None),
        "antialiasing-negative": (config("GraphicsLevel=-3\n"), defaults(GraphicsLevel="-3"),
                                  None),
        "fullscreen-on": (config("Fullscreen=2\nVSync=3\n"), defaults(Fullscreen="2", VSync="3"),
                          None),
        "empty-values": (config("ResolutionX=\nkey0=\nkey_pause5=\nGraphicsLevel=\n"),
                         defaults(), None),
        "key-codes-out-of-range": (config("key0=-5\nkey1=100000\nkey2=-1\nkey_launch4=101\n"),
                                   defaults(key0="-5", key1="100000", key2="-1",
                                            key_launch4="101"), None),
        "same-key-everywhere": (config("key0=57\nkey1=57\nkey2=57\nkey3=57\nkey_launch4=57\n"
                                       "key_pause5=57\n"),
                                defaults(key0="57", key1="57", key2="57", key3="57",
                                         key_pause5="57"), None),
    },
    "lines": {
        "empty-file": (config(""), defaults(), None),
        "only-line-ends": (config("\n\r\n\n\r\n"), defaults(), None),
        "lines-without-equals": (config("ResolutionX 800\nhello\nGraphicsLevel=3\n"),
                                 with_keys({"": ""}, GraphicsLevel="3"), None),
        "equals-only-and-empty-keys": (config("=\n=5\n==\nVSync=1\n"),
                                       with_keys({"": ""}, VSync="1"), None),
        "several-equals": (config("GraphicsLevel=2=3\nName=a=b=c\n"),
                           defaults(GraphicsLevel="2", Name="a"), None),
        "spaces-around-equals": (config("ResolutionX = 800\n GraphicsLevel=2\n"),
                                 with_keys({"ResolutionX ": " 800", " GraphicsLevel": "2"}),
                                 None),
        "crlf-endings": (config("GraphicsLevel=3\r\nResolutionX=800\r\nResolutionY=600\r\n"
                                "Volume=7\r\n"),
                         defaults(GraphicsLevel="3", ResolutionX="800", ResolutionY="600",
                                  Volume="7"), None),
        "cr-only-endings": (config("GraphicsLevel=3\rResolutionX=800\r"),
                            defaults(GraphicsLevel="3\rResolutionX"), None),
        "no-final-line-end": (config("Volume=7\nGraphicsLevel=1"),
                              defaults(GraphicsLevel="1", Volume="7"), None),
        "duplicate-keys": (config("GraphicsLevel=1\nGraphicsLevel=4\nkey0=0\nkey0=3\n"),
                           defaults(GraphicsLevel="4", key0="3"), None),
        "unknown-keys-kept": (config("Volume=7\nPlayerName=Ann Lee\nzz=last\nAA=first\n"),
                              defaults(Volume="7", PlayerName="Ann Lee", zz="last", AA="first"),
                              None),
        "many-lines": (config("".join(f"Extra{n}={n}\n" for n in range(100000))),
                       with_keys({f"Extra{n}": str(n) for n in range(100000)}), None),
        "ten-megabyte-value": (config("Notes=" + "x" * TEN_MB + "\nVSync=1\n"),
                               defaults(Notes="x" * TEN_MB, VSync="1"), None),
        "ten-megabyte-number": (config("ResolutionX=" + "9" * TEN_MB + "\n"), defaults(), None),
        "ten-megabyte-line-without-equals": (config("y" * TEN_MB + "\nGraphicsLevel=1\n"),
                                             with_keys({"": ""}, GraphicsLevel="1"), None),
    },
    "bytes": {
        "nul-bytes": (config(b"key0=\x00\nVol\x00ume=7\x008\nGraphicsLevel=1\n"),
                      with_keys({"Vol\x00ume": "7\x008"}, GraphicsLevel="1"), None),
        "byte-ff": (config(b"\xff\xff=\xff\nResolutionX=\xff800\nbpp=16\xff\n"),
                    with_keys({"\udcff\udcff": "\udcff"}, bpp="16\udcff"), None),
        "invalid-utf8": (config(b"Name=\xc3\x28\xa0\xa1\nGraphicsLevel=\xe2\x82\n"),
                         defaults(Name="\udcc3(\udca0\udca1"), None),
        "byte-order-mark": (config(b"\xef\xbb\xbfGraphicsLevel=2\nVSync=1\n"),
                            with_keys({"\ufeffGraphicsLevel": "2"}, VSync="1"), None),
        "random-binary": (config(bytes((n * 7919 + 13) % 256 for n in range(65536))), None,
                          known_keys_repaired),
    },
    "storage": {
        "config-is-a-folder": (lambda folder: os.mkdir(os.path.join(folder, "config.cfg")),
                               None, unchanged("config.cfg")),
        "config-is-a-broken-link": (
            lambda folder: os.symlink("missing/settings.cfg", os.path.join(folder, "config.cfg")),
            defaults(), None),
        "config-is-a-link": (linked_config, None, link_kept),
        "config-is-a-pipe": (special_config("pipe"), None, special_kept("pipe")),
        "config-links-to-dev-zero": (special_config("zero"), None, special_kept("zero")),
    },
    "resources": {
        "res-missing": (res(None), defaults(), None),
        "res-empty": (res(""), defaults(), None),
        "res-is-a-folder": (lambda folder: (os.remove(os.path.join(folder, "res.cfg")),
                                            os.mkdir(os.path.join(folder, "res.cfg"))),
                            defaults(), None),
        "missing-files": (res(res_list(font__game_menu_mainFont="fonts/none.ttf",
                                       texture__game_menu_logo="images/none.png")),
                          defaults(), None),
        "missing-directory": (res(res_list(directory="nowhere/")), defaults(), None),
        "no-directory-key": (res(res_list(directory=None)), defaults(), None),
        "corrupt-font-and-image": (res(res_list(font__game_menu_mainFont="bad/font.ttf",
                                                texture__game_menu_logo="bad/logo.png"),
                                       {"data/bad/font.ttf": b"\x00\x01\x00\x00" + b"junk" * 999,
                                        "data/bad/logo.png": b"\x89PNG\r\n\x1a\nnot really"}),
                                   defaults(), None),
        "image-claims-60000-pixels": (res(res_list(texture__game_menu_background="bad/huge.png"),
                                          {"data/bad/huge.png": HUGE_PNG}), defaults(), None),
        "kinds-swapped": (res(res_list(font__game_menu_mainFont="images/logo.png",
                                       texture__game_menu_logo="fonts/DejaVuSans-Bold.ttf")),
                          defaults(), None),
        "paths-are-folders": (res(res_list(font__game_menu_mainFont="fonts/",
                                           texture__game_menu_background="images")),
                              defaults(), None),
        "keys-ending-in-at": (res("resources_directory=data/\nfont@=fonts/DejaVuSans-Bold.ttf\n"
                                  "texture@=images/logo.png\n@=x\n"), defaults(), None),
        "keys-without-at": (res("resources_directory=data/\n"
                                "fontgame_menu.mainFont=fonts/DejaVuSans-Bold.ttf\n"
                                "texture=images/logo.png\n"), defaults(), None),
        "same-name-twice": (res(res_list() +
                                "texture@game_menu.mainFont=images/logo.png\n"
                                "font@game_menu.logo=fonts/DejaVuSans-Bold.ttf\n"
                                "font@game_menu.mainFont=fonts/DejaVuSansMono-Bold.ttf\n"),
                            defaults(), None),
        "res-is-a-pipe": (lambda folder: (os.remove(os.path.join(folder, "res.cfg")),
                                          os.mkfifo(os.path.join(folder, "res.cfg"))),
                          defaults(), None),
        "font-is-a-pipe": (lambda folder: (res(res_list(font__game_menu_mainFont="pipe"))(folder),
                                           os.mkfifo(os.path.join(folder, "data", "pipe"))),
                           defaults(), None),
        "image-is-dev-zero": (res(res_list(directory="",
                                           texture__game_menu_background="/dev/zero")),
                              defaults(), None),
        "res-binary": (res("resources_directory=\x01\x02\nfont@\xff=\x00\n"), defaults(), None),
    },
}


def unwritable_cases():
    """config.cfg that even root cannot write: an immutable file, and a read-only folder."""
    def immutable(folder):
        config("GraphicsLevel=2\nVolume=7\n")(folder)
        path = os.path.join(folder, "config.cfg")
        if subprocess.run(["chattr", "+i", path], capture_output=True).returncode != 0:
            return None
        return lambda: subprocess.run(["chattr", "-i", path], capture_output=True)

    def read_only_folder(folder):
        config("GraphicsLevel=2\nVolume=7\n")(folder)
        if subprocess.run(["mount", "--bind", folder, folder], capture_output=True).returncode:
            return None
        if subprocess.run(["mount", "-o", "remount,bind,ro", folder],
                          capture_output=True).returncode:
            subprocess.run(["umount", folder], capture_output=True)
            return None
        return lambda: subprocess.run(["umount", folder], capture_output=True)

    def full_disk(folder):
        # The folder becomes a small file system of its own, filled up to the last byte.
        saved = folder + ".copy"
        shutil.copytree(folder, saved, symlinks=True)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64m", "tmpfs", folder],
                          capture_output=True).returncode:
            shutil.rmtree(saved)
            return None
        shutil.copytree(saved, folder, symlinks=True, dirs_exist_ok=True)
        shutil.rmtree(saved)
        config("GraphicsLevel=2\nVolume=7\nNotes=" + "n" * 65536 + "\n")(folder)
        filler = os.open(os.path.join(folder, "filler"), os.O_WRONLY | os.O_CREAT, 0o600)
        try:
            while os.write(filler, b"\0" * 4096) > 0:
                pass
        except OSError:
            pass
        finally:
            os.close(filler)
        return lambda: subprocess.run(["umount", "-l", folder], capture_output=True)

    return {"immutable-config": immutable, "read-only-folder": read_only_folder,
            "full-disk": full_disk}


def run_case(session, name, prepare, expected, extra):
    folder = session.folder(name)
    undo = prepare(folder)
    try:
        verify = extra(folder) if extra else None
        game = session.start_game(folder)
        game.wait_running(60)
        game.exit_from_main_menu()
        status = game.wait_exit(20)
        check(status == 0, f"Exit ended the game with status {status}; it said:\n"
              f"{game.output()[-2000:]}")
        if verify:
            verify(folder)
        else:
            check_table(folder, expected if expected is not None else defaults())
    finally:
        if callable(undo):
            undo()
    shutil.rmtree(folder, ignore_errors=True)


def run_group(session, group):
    failures = []
    for name, (prepare, expected, extra) in CASES[group].items():
        started = time.monotonic()
        try:
            run_case(session, name, prepare, expected, extra)
            print(f"  {name}: passed in {time.monotonic() - started:.1f} s")
        except Failure as failure:
            print(f"  {name}: FAILED: {failure}")
            failures.append(name)
    return failures


def run_unwritable(session):
    failures = []
    for name, make_unwritable in unwritable_cases().items():
        folder = session.folder(name)
        before = None
        undo = make_unwritable(folder)
        if undo is None:
            print(f"  {name}: cannot be made unwritable here (no chattr or bind mount)")
            failures.append(None)
            continue
        try:
            before = open(os.path.join(folder, "config.cfg"), "rb").read()
            game = session.start_game(folder)
            game.wait_running(60)
            # Accept on the options page tries to write at once, then Exit tries again.
            game.keys("Down", "Down", "Return")
            time.sleep(0.3)
            game.keys("Up", "Return")
            game.wait_main_menu(2, 10)
            game.keys("Down")
            game.keys("Return", may_close=True)
            status = game.wait_exit(20)
            check(status == 0, f"Exit ended the game with status {status}")
            check(open(os.path.join(folder, "config.cfg"), "rb").read() == before,
                  "the unwritable config.cfg changed")
            check(not [name for name in os.listdir(folder) if name.endswith(".tmp")],
                  "a half-written temporary file was left behind")
            check(game.output().count("could not write config.cfg") == 2,
                  f"Accept and Exit did not both say so: {game.output()!r}")
            print(f"  {name}: passed")
        except Failure as failure:
            print(f"  {name}: FAILED: {failure}")
            failures.append(name)
        finally:
            undo()
    return failures


GROUPS = list(CASES) + ["unwritable"]


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "list":
        print(" ".join(GROUPS))
        print(sum(len(cases) for cases in CASES.values()) + 2, "cases")
        return 0
    if len(sys.argv) != 5 or sys.argv[1] not in GROUPS:
        print(f"usage: {sys.argv[0]} {'|'.join(GROUPS)}|list RUN_DIR XTOOL KEEP_DIR",
              file=sys.stderr)
        return 2
    group, run_dir, xtool, keep_dir = sys.argv[1:]

    def cases():
        with Session(group, run_dir, os.path.join(keep_dir, f"hostile-{group}"),
                     xtool) as session:
            failures = run_unwritable(session) if group == "unwritable" else run_group(
                session, group)
            if failures.count(None) == len(unwritable_cases()) and group == "unwritable":
                print(f"hostile files {group}: skipped, nothing can be made unwritable here")
                return SKIPPED
            failures = [name for name in failures if name is not None]
            check(not failures, f"{len(failures)} case(s) failed: {', '.join(failures)}")
            return None

    return run_test(f"hostile files {group}", cases)

if __name__ == "__main__":
    sys.exit(main())

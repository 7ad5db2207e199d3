"""The real game on damaged settings files and resource lists: hostile_files.py GROUP RUN_DIR
XTOOL KEEP_DIR runs every case of hostile/GROUP, as README.md beside this file describes."""

import itertools
import lzma
import os
import resource
import shutil
import subprocess

from driver import HERE, Failure, check, first_start_with, main, read_file


def run(*command):
    return subprocess.run(command, capture_output=True).returncode == 0


def full_disk(folder):
    saved = shutil.copytree(folder, folder + ".copy", symlinks=True)
    if not run("mount", "-t", "tmpfs", "-o", "size=64m", "tmpfs", folder):
        return False
    shutil.copytree(saved, folder, symlinks=True, dirs_exist_ok=True)
    with open(os.path.join(folder, "filler"), "wb", buffering=0) as filler:
        try:
            while filler.write(bytes(65536)):
                pass
        except OSError:
            return True


def take_steps(folder, steps, undo):
    """Takes the case's steps in the folder, adding to undo the commands that undo them; False
    when a step cannot be taken here."""
    for verb, _, argument in (step.partition(" ") for step in steps):
        path = os.path.join(folder, argument)
        if verb in ("fifo", "folder", "remove") and os.path.isfile(path):
            os.remove(path)
        if verb == "fifo":
            os.mkfifo(path)
        elif verb == "folder":
            os.mkdir(path)
        elif verb == "immutable" and run("chattr", "+i", path):
            undo.append(["chattr", "-i", path])
        elif verb == "read-only" and run("mount", "--bind", folder, folder):
            undo.append(["umount", folder])
            if not run("mount", "-o", "remount,bind,ro", folder):
                return False
        elif verb == "full-disk" and full_disk(folder):
            undo.append(["umount", "-l", folder])
        elif verb in ("immutable", "read-only", "full-disk"):
            return False
    return True


def what_is(path):
    """A file's bytes, or what else is there; None for nothing or a broken link."""
    if os.path.islink(path) and os.path.exists(path):
        return "a link to " + os.readlink(path)
    if os.path.isfile(path) or not os.path.exists(path):
        return read_file(path)
    return "a folder" if os.path.isdir(path) else "a pipe"


def contents(path):
    """The file's bytes, unpacked from PATH.xz where there is one; None when there is none."""
    return lzma.open(path + ".xz").read() if os.path.exists(path + ".xz") else read_file(path)


def run_case(session, case):
    folder = session.folder(os.path.basename(case))
    for root, _, files in os.walk(case):
        for name in set(files) - {"steps", "changes.cfg", "changes.cfg.xz"}:
            source = os.path.join(root, name).removesuffix(".xz")
            target = os.path.join(folder, os.path.relpath(source, case))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if os.path.islink(source):
                os.symlink(os.readlink(source), target)
            else:
                with open(target, "wb") as out:
                    out.write(contents(source))
    steps = (read_file(os.path.join(case, "steps")) or b"").decode().splitlines()
    changes = contents(os.path.join(case, "changes.cfg"))
    expected = changes is not None and first_start_with(
        dict(line.split(b"=", 1) for line in changes.split(b"\n") if line))
    config, undo = os.path.join(folder, "config.cfg"), []
    try:
        if not take_steps(folder, steps, undo):
            return "skipped: its steps cannot be taken here"
        before, names = what_is(config), set(os.listdir(folder))
        limit = resource.getrlimit(resource.RLIMIT_NOFILE)  # "files N": the game's open files
        files = [int(step[6:]) for step in steps if step.startswith("files ")] + [limit[0]]
        resource.setrlimit(resource.RLIMIT_NOFILE, (files[0], limit[1]))
        game = session.start_game(folder, menu=False)
        resource.setrlimit(resource.RLIMIT_NOFILE, limit)
        game.wait_running(60)
        if "accept" in steps:
            game.choose("Options")
            game.choose("Accept")
        game.choose("Exit")
        check(game.wait_exit(20) == 0, f"Exit ended the game with an error: {game.said()[-2000:]}")
        for step in steps:  # a line said twice is in the steps twice
            check(not step.startswith("says ") or game.said().count(step[5:]) >= steps.count(step),
                  f"the game did not say {step[5:]!r} as often: {game.said()!r}")
        for step in steps:
            check(not step.startswith("gone ") or not os.path.lexists(f"{folder}/{step[5:]}"),
                  f"{step[5:]} is still there")
        left = {name for name in os.listdir(folder) if not name.endswith(".cfg.lock")}
        check(left <= names | {"config.cfg"}, f"left behind: {left - names}")
        after = what_is(config)
        check(after == before or expected and not isinstance(before, str),
              f"config.cfg was {before!r:.200}, it is {after!r:.200}")
        text = (expected and read_file(config)) or b""
        check(not expected or text == expected, "config.cfg is not the first start's with "
              "changes.cfg; it differs at " + next((
                  f"{got!r:.99} for {wanted!r:.99}" for got, wanted in itertools.zip_longest(
                      text.split(b"\n"), (expected or b"").split(b"\n")) if got != wanted),
                  "its end"))
    finally:
        for command in reversed(undo):
            run(*command)
        shutil.rmtree(folder, ignore_errors=True)
    return "passed"


def run_group(session, group):
    outcomes = {}
    for case in sorted(os.listdir(os.path.join(HERE, "hostile", group))):
        try:
            outcomes[case] = run_case(session, os.path.join(HERE, "hostile", group, case))
        except Failure as failure:
            outcomes[case] = f"FAILED: {failure}"
        print(f"  {case}: {outcomes[case]}")
    failed = [case for case, outcome in outcomes.items() if outcome.startswith("FAILED")]
    check(not failed, f"{len(failed)} case(s) failed: {', '.join(failed)}")
    return 77 if all(outcome.startswith("skipped") for outcome in outcomes.values()) else None


main(lambda session, name: run_group(session, name.split(".")[-1]))

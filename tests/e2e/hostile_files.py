"""The real game on damaged settings files and resource lists: hostile_files.py GROUP RUN_DIR
XTOOL KEEP_DIR runs every case of hostile/GROUP.

A case is a folder whose files go into a copy of the run folder, over the game's own (links as
links, NAME.xz unpacked as NAME), except two:
- steps, one a line: "remove PATH", "fifo PATH" or "folder PATH" (in place of what is there),
  "immutable PATH", "read-only" (the folder), "full-disk" (the folder on a small file system,
  filled up), "accept" (Options, then Accept, before Exit), "says TEXT" (the game's error
  output holds the text);
- expected.cfg: config.cfg after the run; without it, config.cfg must not change.
The game must show its menu, end by "Exit" with status 0 and leave no file behind. What config.cfg
was (a link to a file, a pipe, a folder) it must still be. A case whose steps cannot be taken
here (no chattr, no mounts) is skipped; a group of skipped cases exits with 77.
"""

import difflib
import lzma
import os
import shutil
import subprocess
import time

from driver import HERE, Failure, check, main, read_file


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


def run_case(session, case):
    folder = session.folder(os.path.basename(case))
    for root, _, files in os.walk(case):
        for name in set(files) - {"steps", "expected.cfg", "expected.cfg.xz"}:
            target = os.path.join(folder, os.path.relpath(root, case), name.removesuffix(".xz"))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if name.endswith(".xz"):
                with lzma.open(os.path.join(root, name)) as packed, open(target, "wb") as out:
                    shutil.copyfileobj(packed, out)
            else:
                shutil.copy(os.path.join(root, name), target, follow_symlinks=False)
    steps = (read_file(os.path.join(case, "steps")) or b"").decode().splitlines()
    expected = read_file(os.path.join(case, "expected.cfg"))
    if os.path.exists(os.path.join(case, "expected.cfg.xz")):
        expected = lzma.open(os.path.join(case, "expected.cfg.xz")).read()
    config, undo = os.path.join(folder, "config.cfg"), []
    try:
        if not take_steps(folder, steps, undo):
            return "skipped: its steps cannot be taken here"
        before, names = what_is(config), set(os.listdir(folder))
        game = session.start_game(folder, menu=False)
        game.wait_running(60)
        if "accept" in steps:
            game.choose("Options")
            game.choose("Accept")
        game.choose("Exit")
        check(game.wait_exit(20) == 0, f"Exit ended the game with an error: {game.said()[-2000:]}")
        for step in steps:
            check(not step.startswith("says ") or step[5:] in game.said(),
                  f"the game did not say {step[5:]!r}: {game.said()!r}")
        check(set(os.listdir(folder)) <= names | {"config.cfg"},
              f"left behind: {set(os.listdir(folder)) - names}")
        after, text = what_is(config), read_file(config) if expected else None
        if expected is None:
            check(after == before, f"config.cfg was {before!r:.200}, it is {after!r:.200}")
        else:
            check(not isinstance(before, str) or after == before, f"config.cfg, {before}, was replaced")
            check(text == expected, "config.cfg is not expected.cfg:\n" + "\n".join(
                difflib.unified_diff(expected.decode(errors="replace").splitlines()[:2000],
                                     (text or b"").decode(errors="replace").splitlines()[:2000],
                                     lineterm="", n=0)))
    finally:
        for command in reversed(undo):
            run(*command)
        shutil.rmtree(folder, ignore_errors=True)
    return "passed"


def run_group(session, group):
    cases = sorted(os.listdir(os.path.join(HERE, "hostile", group)))
    outcomes = []
    for case in cases:
        started = time.monotonic()
        try:
            outcomes.append(run_case(session, os.path.join(HERE, "hostile", group, case)))
        except Failure as failure:
            outcomes.append(f"FAILED: {failure}")
        print(f"  {case}: {outcomes[-1]} ({time.monotonic() - started:.1f} s)")
    failed = [case for case, outcome in zip(cases, outcomes) if outcome.startswith("FAILED")]
    check(not failed, f"{len(failed)} case(s) failed: {', '.join(failed)}")
    return 77 if all(outcome.startswith("skipped") for outcome in outcomes) else None


main(lambda session, name: run_group(session, name.split(".")[-1]))

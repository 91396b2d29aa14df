#!/usr/bin/env python3
"""Plays the whole game on hints alone, with the shipped vocabulary, through a pipe: "hint",
"hint" again, then the command the second one names after "Type: ". The first hint must be a
nudge (no "Type: "), no line may get the sorry line, and the banner must come within 60
commands, with status 0: so the hints are right, understood, and each one moves play on.

    hint_play.py GAME
"""
import os, sys

from game_harness import SHIPPED, WAIT, Failure, game_folder, report, require, start

# The game waits for a line after a room's prompt and after the title block.
WAITING = (b"     What would you like to do?\n", b"hope you enjoy!)\n\n")
BANNER = b"You've reached the end. Thank you for playing!\n"


def named(hint):
    return [line[len("Type: "):] for line in hint.split("\n") if line.startswith("Type: ")]


def play(game, work):
    proc, out = start(game, work)
    commands = []

    def type_line(line):
        start = len(out.seen)
        proc.stdin.write(line.encode() + b"\n")
        proc.stdin.flush()
        out.wait(lambda: out.ended or out.seen[start:].endswith(WAITING), "a prompt")
        if b"Sorry, not sure what you mean." in out.seen[start:]:
            raise Failure(f"{line!r} was not understood, after {commands}")
        return out.seen[start:].decode()

    def hint():  # also at the yard's one-time screen, where it comes below the yard
        return type_line("hint")
    out.wait(lambda: out.seen.endswith(WAITING), "the title")
    while not out.ended and len(commands) < 60:
        nudge, plain = hint(), hint()
        require([(not named(nudge), f"not a nudge: {nudge}"),
                  (named(plain), f"no command to type: {plain}")], f"after {commands}")
        commands.append(named(plain)[-1])
        type_line(commands[-1])
    require([(out.seen.endswith(BANNER), "no banner")], f"after {commands}")
    require([(proc.wait(WAIT) == 0 and not proc.stderr.read(), "status or standard error")],
            f"at the end, status {proc.returncode}")
    print(f"banner reached with {len(commands)} commands: {commands}")


def main():
    with game_folder(SHIPPED) as work:
        return report(play, os.path.abspath(sys.argv[1]), work)


if __name__ == "__main__":
    sys.exit(main())

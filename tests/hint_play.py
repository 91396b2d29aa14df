#!/usr/bin/env python3
"""Plays the whole game on hints alone: from the title to the closing banner, types "hint",
"hint" again, then exactly the command the second hint names after "Type: ".

    hint_play.py --game BUILD/prismora --shipped data/PlayerResponse.txt

The game runs with the shipped response file, through a pipe, one line at a time. The first
hint seen after every command must be a nudge (no "Type: "), the second must name a command, no line
may get the sorry line, and the game must reach its closing banner with status 0 within a bound
on commands: so the hints are right, their words are understood, and each one moves play on.
"""
import argparse
import os
import select
import shutil
import subprocess
import sys
import tempfile

# The game waits for a line after a room's prompt and after the title block.
WAITING = ("     What would you like to do?\n", "hope you enjoy!)\n\n")
BANNER = "You've reached the end. Thank you for playing!\n"
SORRY = "Sorry, not sure what you mean."
MAX_COMMANDS = 60
TIMEOUT = 20


class Game:
    def __init__(self, path, work):
        self.proc = subprocess.Popen([path], cwd=work, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.log = []

    def read_turn(self):
        """Output up to the next point where the game waits for a line, or to its end."""
        out = b""
        fd = self.proc.stdout.fileno()
        while not out.decode("utf-8", "replace").endswith(WAITING):
            ready, _, _ = select.select([fd], [], [], TIMEOUT)
            if not ready:
                raise AssertionError(f"the game said nothing for {TIMEOUT} s")
            chunk = os.read(fd, 65536)
            if not chunk:
                return out.decode("utf-8"), True
            out += chunk
        return out.decode("utf-8"), False

    def type(self, line):
        self.log.append(line)
        self.proc.stdin.write((line + "\n").encode())
        self.proc.stdin.flush()
        out, ended = self.read_turn()
        if SORRY in out:
            raise AssertionError(f"{line!r} was not understood")
        return out, ended


def typed_command(hint):
    commands = [line[len("Type: "):] for line in hint.split("\n") if line.startswith("Type: ")]
    return commands[-1] if commands else None


def ask(game):
    """Types "hint" until one stays on screen: on the head-outside screen the room clears
    whatever the turn printed (a form feed in a pipe), and a hint never seen does not count."""
    out, _ = game.type("hint")
    if "\f" in out:
        out, _ = game.type("hint")
    return out


def play(game):
    game.read_turn()
    for _ in range(MAX_COMMANDS):
        nudge = ask(game)
        if typed_command(nudge) is not None:
            raise AssertionError("the first hint after a command was not a nudge:\n" + nudge)
        plain = ask(game)
        command = typed_command(plain)
        if command is None:
            raise AssertionError("the second hint named nothing to type:\n" + plain)
        out, ended = game.type(command)
        if ended:
            if not out.endswith(BANNER):
                raise AssertionError("the game ended without its banner:\n" + out[-500:])
            return
    raise AssertionError(f"no banner after {MAX_COMMANDS} commands")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--shipped", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(args.shipped, os.path.join(work, "PlayerResponse.txt"))
        game = Game(os.path.abspath(args.game), work)
        try:
            play(game)
            status = game.proc.wait(timeout=TIMEOUT)
            errors = game.proc.stderr.read()
        except AssertionError as failure:
            game.proc.kill()
            game.proc.wait()
            print(f"{failure}\nlines typed: {game.log}")
            return 1
    commands = [line for line in game.log if line != "hint"]
    print(f"banner reached with {len(commands)} commands: {commands}")
    if status != 0 or errors:
        print(f"exit status {status}, standard error {errors!r}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

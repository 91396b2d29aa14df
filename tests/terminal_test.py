#!/usr/bin/env python3
"""Plays the game in a pseudo-terminal, the way a player at a real terminal meets it.

Checks that the title screen does not clear; that entering a room clears the terminal with a
line feed per row (pushing the screen into the scrollback) then ESC[H ESC[2J, without erasing
the scrollback and never with a form feed, and that the room's heading follows the clear; that a
game built with line editing lets the left arrow edit a line and the up arrow recall the last
one; that a plain line looks on the terminal as it does without line editing; that Ctrl-D on an
empty line ends the game with status 0 and leaves nothing behind (no '^D'); and that the
terminal is left in the mode it was found in.

Then plays the whole walkthrough with its output on terminals 40, 80 and 120 columns wide: no
line is wider than the window, and the words are exactly those the game writes to a pipe (a word
split by the wrap would show as two). The stones and headings are coloured at a colour terminal,
and nothing is coloured with NO_COLOR set or TERM=dumb. Every wait has a deadline, so it cannot
hang.
"""
import argparse
import fcntl
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import termios
import time

ROWS = 24
COLUMNS = 120  # wide enough for the look line below to show unwrapped
CLEAR = b"\r\n" * ROWS + b"\x1b[H\x1b[2J"  # the terminal sends each line feed as CR LF
ERASE_SCROLLBACK = b"\x1b[3J"
ESCAPE = re.compile(rb"\x1b\[[0-?]*[ -/]*[@-~]")
SGR = re.compile(rb"\x1b\[[0-9;]*m")
# The player's own colour settings would change what the game writes.
PLAIN_ENV = {k: v for k, v in os.environ.items() if k not in ("NO_COLOR", "COLORTERM")}
PROMPT = b"What would you like to do?"
TITLE_END = b"hope you enjoy!)"
LOOK = b"You're back on the path you came from"
LOOK_TURN = (b"\r\n     You're back on the path you came from, but there's no reason to go here. "
             b"Your goal is to the north.\r\n\r\n     What would you like to do?\r\n")
LEFT = b"\x1b[D"
UP = b"\x1b[A"
ENTER = b"\r"
CTRL_D = b"\x04"
WAIT = 10.0


class Failure(Exception):
    pass


class Terminal:
    def __init__(self, game, cwd):
        self.master, self.slave = os.openpty()
        fcntl.ioctl(self.slave, termios.TIOCSWINSZ, struct.pack("HHHH", ROWS, COLUMNS, 0, 0))
        self.mode_before = termios.tcgetattr(self.slave)
        env = dict(PLAIN_ENV, TERM="xterm-256color")
        # A session of its own with the pty as its controlling terminal, as under a shell.
        self.proc = subprocess.Popen(
            [game], cwd=cwd, env=env, stdin=self.slave, stdout=self.slave,
            stderr=subprocess.PIPE, start_new_session=True,
            preexec_fn=lambda: fcntl.ioctl(0, termios.TIOCSCTTY, 0))
        self.seen = b""

    def read_some(self, deadline):
        ready, _, _ = select.select([self.master], [], [], max(0.0, deadline - time.monotonic()))
        if not ready:
            return False
        try:
            chunk = os.read(self.master, 4096)
        except OSError:  # the game closed its side
            return False
        self.seen += chunk
        return bool(chunk)

    def expect(self, text, start):
        """Waits for `text` at or after offset `start`; returns the offset just past it."""
        deadline = time.monotonic() + WAIT
        while True:
            found = self.seen.find(text, start)
            if found >= 0:
                return found + len(text)
            if not self.read_some(deadline):
                raise Failure(f"did not see {text!r} after offset {start}")

    def type(self, keys):
        os.write(self.master, keys)

    def wait_for_editor(self):
        """Waits until libedit has the terminal (canonical mode off) and so reads each key itself.

        Keys typed before that are echoed once by the terminal and again by libedit, as with any
        line editor; a player who types after the prompt never sees that."""
        deadline = time.monotonic() + WAIT
        while termios.tcgetattr(self.slave)[3] & termios.ICANON:
            if time.monotonic() >= deadline:
                raise Failure("the line editor never took the terminal")
            time.sleep(0.005)

    def wait_for_exit(self):
        deadline = time.monotonic() + WAIT
        while self.proc.poll() is None and time.monotonic() < deadline:
            self.read_some(min(deadline, time.monotonic() + 0.1))
        if self.proc.poll() is None:
            raise Failure("the game did not end after Ctrl-D")
        while self.read_some(time.monotonic() + 0.2):
            pass
        return self.proc.returncode

    def close(self):
        if self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        errors = self.proc.stderr.read()
        self.proc.stderr.close()
        os.close(self.master)
        os.close(self.slave)
        return errors


def play(term, line_editing):
    def type_line(keys):
        if line_editing:
            term.wait_for_editor()
        term.type(keys)

    at = term.expect(TITLE_END, 0)
    if CLEAR in term.seen or b"\f" in term.seen:
        raise Failure("the title screen cleared the screen")

    type_line(b"c2" + ENTER)  # start
    cleared = term.expect(CLEAR, at)
    at = term.expect(b"\n\x1b[1mMountain Path", cleared)
    at = term.expect(PROMPT, at)

    # A plain line shows on the terminal exactly as a terminal without line editing shows it.
    type_line(b"c38" + ENTER)
    end = term.expect(PROMPT + b"\r\n", at)
    if term.seen[at:end] != b"\r\nc38\r\n" + LOOK_TURN:
        raise Failure(f"a plain look line showed as {term.seen[at:end]!r}")
    at = end - 2

    if line_editing:
        # 'c8', left arrow, '3' makes 'c38'; then up arrow and Enter send it again.
        type_line(b"c8" + LEFT + b"3" + ENTER)
        at = term.expect(LOOK, at)
        at = term.expect(PROMPT, at)
        type_line(UP + ENTER)
        at = term.expect(LOOK, at)
        at = term.expect(PROMPT, at)

    type_line(b"c10" + ENTER)  # north, into the yard: the screen clears again
    cleared = term.expect(CLEAR, at)
    at = term.expect(b"\n\x1b[1mSnowy Yard", cleared)
    at = term.expect(PROMPT, at)

    type_line(CTRL_D)
    status = term.wait_for_exit()
    if status != 0:
        raise Failure(f"exit status {status} after Ctrl-D, expected 0")
    if term.seen[at:] != b"\r\n":
        raise Failure(f"after the last prompt came {term.seen[at:]!r}, not just its line end")
    if b"\f" in term.seen:
        raise Failure("a form feed reached the terminal")
    if term.seen.count(CLEAR) != 2:
        raise Failure(f"{term.seen.count(CLEAR)} clears, expected 2 (two rooms entered)")
    if ERASE_SCROLLBACK in term.seen:
        raise Failure("a clear erased the scrollback")

    mode_after = termios.tcgetattr(term.slave)
    flags = termios.ICANON | termios.ECHO | termios.ISIG
    if (mode_after[3] & flags) != (term.mode_before[3] & flags):
        raise Failure("the terminal was not given back in its normal mode")


def shown_on_terminal(game, cwd, walkthrough, columns, env):
    """The game's output, on a terminal `columns` wide, for the walkthrough piped in."""
    master, slave = os.openpty()
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", ROWS, columns, 0, 0))
    with open(walkthrough, "rb") as moves:
        proc = subprocess.Popen([game], cwd=cwd, env=env, stdin=moves, stdout=slave,
                                stderr=subprocess.DEVNULL)
    os.close(slave)
    seen = b""
    deadline = time.monotonic() + WAIT
    while select.select([master], [], [], max(0.0, deadline - time.monotonic()))[0]:
        try:
            chunk = os.read(master, 65536)
        except OSError:  # the game has closed its side
            break
        if not chunk:
            break
        seen += chunk
    os.close(master)
    try:
        proc.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        raise Failure(f"the walkthrough at {columns} columns did not end")
    return seen.replace(b"\r\n", b"\n")


def check_walkthrough(game, cwd, walkthrough):
    with open(walkthrough, "rb") as moves:
        piped = subprocess.run([game], cwd=cwd, stdin=moves, capture_output=True,
                               timeout=WAIT).stdout
    words = piped.split()
    runs = [(40, {"TERM": "xterm-256color"}), (80, {"TERM": "xterm-256color"}),
            (120, {"TERM": "xterm-256color"}), (80, {"TERM": "xterm-256color", "NO_COLOR": "1"}),
            (80, {"TERM": "dumb"})]
    for columns, settings in runs:
        where = f"at {columns} columns with {settings}"
        shown = shown_on_terminal(game, cwd, walkthrough, columns, dict(PLAIN_ENV, **settings))
        plain = ESCAPE.sub(b"", shown)
        for number, line in enumerate(plain.decode("utf-8").split("\n"), 1):
            if len(line) > columns:
                raise Failure(f"{where}: line {number} is {len(line)} wide: {line!r}")
        seen = plain.split()
        if seen != words:
            at = next((i for i, (a, b) in enumerate(zip(seen, words)) if a != b),
                      min(len(seen), len(words)))
            raise Failure(f"{where}: the words differ from the piped output at word {at}: "
                          f"{seen[at - 3:at + 3]!r}, piped {words[at - 3:at + 3]!r}")
        if "NO_COLOR" not in settings and settings["TERM"] != "dumb":
            if not re.search(rb"\x1b\[(3[0-7]|38;5;\d+)mRed\s+Stone\x1b\[39m", shown):
                raise Failure(f"{where}: the Red Stone is not coloured")
            if b"\x1b[1mSnowy Yard\x1b[22m" not in shown:
                raise Failure(f"{where}: the yard's heading is not bold")
        elif SGR.search(shown):
            raise Failure(f"{where}: coloured: {SGR.search(shown).group()!r}")
        if settings["TERM"] == "dumb" and b"\x1b" in shown:
            raise Failure(f"{where}: an escape sequence reached a dumb terminal")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--tokens", required=True)
    parser.add_argument("--walkthrough", required=True, help="a whole game on the token file")
    parser.add_argument("--line-editing", required=True,
                        help="whether the game was built with libedit (ON/OFF, as CMake says)")
    args = parser.parse_args()
    line_editing = args.line_editing.upper() in ("ON", "1", "TRUE", "YES")
    if not line_editing:
        print("built without libedit: the arrow-key and history checks are skipped")

    with tempfile.TemporaryDirectory() as work:
        shutil.copy(args.tokens, os.path.join(work, "PlayerResponse.txt"))
        term = Terminal(os.path.abspath(args.game), work)
        try:
            play(term, line_editing)
        except Failure as failure:
            print(f"FAILED: {failure}")
            # Escaped, so the log shows the escape sequences instead of obeying them.
            print("terminal received:")
            print(term.seen.decode("utf-8", "backslashreplace").replace("\x1b", "\\x1b"))
            term.close()
            return 1
        errors = term.close()
        try:
            check_walkthrough(os.path.abspath(args.game), work, args.walkthrough)
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
    if errors:
        print(f"FAILED: standard error was not empty: {errors!r}")
        return 1
    print("ok: clears, room after the clear, "
          + ("line editing and history, " if line_editing else "")
          + "Ctrl-D ends with status 0; the walkthrough wrapped at 40, 80 and 120 columns, "
          "coloured only where colour is wanted")
    return 0


if __name__ == "__main__":
    sys.exit(main())

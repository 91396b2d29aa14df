#!/usr/bin/env python3
"""The game at a terminal, as a player meets it.

    terminal_test.py GAME ON|OFF   keys typed, then the walkthrough, in pseudo-terminals, for a
                                   game built with line editing (ON) or without it (OFF)
    terminal_test.py GAME tmux     in tmux (skipped without it): a room change leaves the room
                                   before in the scrollback
"""
import os, re, subprocess, sys, termios, time

from game_harness import (ESCAPE, HERE, TOKENS, WAIT, Failure, environment, game_folder,
                          report, require, skip_without, start)

# A line feed per row pushes the screen into the scrollback; ESC[3J would erase it.
CLEAR = b"\r\n" * 24 + b"\x1b[H\x1b[2J"
PROMPT = b"     What would you like to do?\r\n"
LOOK = (b"\r\n     You're back on the path you came from, but there's no reason to go here. "
        b"Your goal is to the north.\r\n\r\n" + PROMPT)
# Keys typed at 120 columns, all the terminal must show from there to the next prompt, and
# whether libedit is needed. The title has not cleared; a plain line shows as without libedit.
KEYS = [
    (b"c2\r", re.escape(b"c2\r\n" + CLEAR + b"\r\n\x1b[1mMountain Path\x1b[22m\r\n") + b".*", 0),
    (b"c38\r", re.escape(b"c38\r\n" + LOOK), 0),
    (b"c8\x1b[D3\r", b"c8.*" + re.escape(LOOK), 1),  # the left arrow makes it c38
    (b"\x1b[A\r", b".*c38\r\n" + re.escape(LOOK), 1),  # the up arrow brings c38 back
    (b"c10\r", re.escape(b"c10\r\n" + CLEAR + b"\r\n\x1b[1mSnowy Yard\x1b[22m\r\n") + b".*", 0),
    (b"\x04", b"", 0),  # Ctrl-D on an empty line ends the game, and no ^D shows
]
# The walkthrough's output: columns, and what takes colour away.
RUNS = [(40, {}), (80, {}), (120, {}), (80, {"NO_COLOR": "1"}), (80, {"TERM": "dumb"})]
YARD = "You come out into a large, snowy yard in front of the orphanage"


def wait_until(done, what):
    deadline = time.monotonic() + WAIT
    while not done():
        if time.monotonic() > deadline:
            raise Failure(f"waited in vain for {what}")
        time.sleep(0.01)


def typed_keys(game, work, line_editing):
    proc, out = start(game, work, 120, environment(TERM="xterm-256color"))
    at = out.expect(b"hope you enjoy!)\r\n\r\n")
    for keys, shown, needs_editor in KEYS:
        if needs_editor and not line_editing:
            continue
        if line_editing:  # keys typed before libedit has the terminal would be echoed twice
            wait_until(lambda: not termios.tcgetattr(out.fd)[3] & termios.ICANON, "libedit")
        os.write(out.fd, keys)
        last = keys == b"\x04"
        out.wait(lambda: out.ended if last else PROMPT in out.seen[at:], "a prompt or the end")
        end = len(out.seen) if last else out.seen.index(PROMPT, at) + len(PROMPT)
        if not re.fullmatch(shown, out.seen[at:end], re.S):
            raise Failure(f"after {keys!r} the terminal showed {out.seen[at:end]!r}")
        at = end
    status, errors = proc.wait(WAIT), proc.stderr.read()
    normal = termios.ICANON | termios.ECHO | termios.ISIG
    require([(status == 0 and not errors, f"status {status}, standard error {errors}"),
             (b"\f" not in out.seen, "a form feed"), (b"\x1b[3J" not in out.seen, "ESC[3J"),
             (out.seen.count(b"\x1b[2J") == 2, "other clears than the two rooms'"),
             (termios.tcgetattr(out.fd)[3] & normal == normal, "the terminal's mode")],
            "at the terminal")


def walkthrough(game, work):
    """No line wider than the window, the words of the piped output (a word split by the wrap
    would be two), a Red Stone in a 256-colour shade and bold headings, unless colour is off."""
    moves = os.path.join(HERE, "data", "walkthrough_tokens.txt")
    with open(moves, "rb") as typed:
        words = subprocess.run([game], cwd=work, stdin=typed, capture_output=True).stdout
    words = words.decode().split()
    for columns, settings in RUNS:
        with open(moves, "rb") as typed:
            env = environment(**dict({"TERM": "xterm-256color"}, **settings))
            proc, out = start(game, work, columns, env, stdin=typed)
            out.wait(lambda: out.ended, "the end of the walkthrough")
        shown = out.seen.replace(b"\r\n", b"\n")
        plain = ESCAPE.sub(b"", shown).decode()
        wide = [line for line in plain.split("\n") if len(line) > columns]
        seen = plain.split()
        checks = [(not wide, f"lines wider than the window: {wide[:2]}"),
                  (seen == words, "not the piped words: " + str(next(
                      ((a, b) for a, b in zip(seen, words) if a != b), "a different count"))),
                  (proc.wait(WAIT) == 0 and not proc.stderr.read(), "status or standard error")]
        if settings:
            checks += [(not re.search(rb"\x1b\[[0-9;]*m", shown), "coloured"),
                       ("TERM" not in settings or b"\x1b" not in shown, "an escape sequence")]
        else:
            checks += [(re.search(rb"\x1b\[38;5;\d+mRed\s+Stone\x1b\[39m", shown), "Red Stone"),
                       (b"\x1b[1mSnowy Yard\x1b[22m" in shown, "no bold heading")]
        require(checks, f"walkthrough at {columns} columns {settings}")


def in_tmux(game, work):
    skip_without("tmux", "tmux")
    # A server of its own, so the player's tmux is never touched.
    tmux = ["tmux", "-S", os.path.join(work, "socket"), "-f", "/dev/null"]

    def pane(*extra):  # words only, wherever the lines were wrapped
        return " ".join(subprocess.run(tmux + ["capture-pane", "-p", "-t", "play", *extra],
                                       capture_output=True, text=True).stdout.split())
    # tmux's own scroll-on-clear is off: only what the game scrolls up is kept.
    subprocess.run(tmux + ["new-session", "-d", "-s", "play", "-x", "80", "-y", "24", "-c", work,
                           game, ";", "set", "-g", "scroll-on-clear", "off"], check=True)
    try:
        for keys, room in (("", "hope you enjoy!)"), ("c2", "Mountain Path"),
                           ("c10", "Snowy Yard"), ("c17", "Cabin Living Room")):
            if keys:
                subprocess.run(tmux + ["send-keys", "-t", "play", keys, "Enter"])
            wait_until(lambda: room in pane(), f"{room!r} in tmux")
        screen, everything = pane(), pane("-S", "-")
    finally:
        subprocess.run(tmux + ["kill-server"])
    require([(screen.startswith("Cabin Living Room") and YARD not in screen, f"screen: {screen}"),
             (YARD in everything, f"no yard in the scrollback: {everything}")], "in tmux")


def main():
    game, mode = os.path.abspath(sys.argv[1]), sys.argv[2]
    with game_folder(TOKENS) as work:
        if mode == "tmux":
            return report(in_tmux, game, work)
        print("built without libedit: no arrow keys" if mode == "OFF" else "with libedit")
        return report(typed_keys, game, work, mode == "ON") or report(walkthrough, game, work)


if __name__ == "__main__":
    sys.exit(main())

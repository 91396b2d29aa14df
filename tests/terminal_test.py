#!/usr/bin/env python3
"""The game at a terminal, as a player meets it.

    terminal_test.py GAME ON|OFF   keys typed, then the walkthrough, in pseudo-terminals, for a
                                   game built with line editing (ON) or without it (OFF)
    terminal_test.py GAME tmux     in tmux (skipped without it): a room change leaves the room
                                   before in the scrollback
"""
import os, re, shlex, shutil, subprocess, sys, termios, time, unicodedata

from game_harness import (ESCAPE, HERE, TOKENS, WAIT, Failure, environment, game_folder,
                          report, require, skip_without, start)

# A line feed per row pushes the screen into the scrollback; ESC[3J would erase it. The keys are
# typed in a window of 40 rows, enough for the title without a [more] stop.
ROWS = 40
CLEAR = b"\r\n" * ROWS + b"\x1b[H\x1b[2J"
PROMPT = b"     What would you like to do?\r\n> "
LOOK = (b"\r\n     You're back on the path you came from, but there's no reason to go here. "
        b"Your goal is to the north.\r\n\r\n" + PROMPT)
# Keys typed at 120 columns, all the terminal must show from there to the next prompt, and
# whether libedit is needed. The title has not cleared; a plain line shows as without libedit.
# A heading stands at the top of a new screen, with a blank line under it.
KEYS = [
    (b"c2\r", re.escape(b"c2\r\n" + CLEAR + b"\x1b[1mMountain Path\x1b[22m\r\n\r\n") + b".*", 0),
    (b"c38\r", re.escape(b"c38\r\n" + LOOK), 0),
    (b"c8\x1b[D3\r", b"c8.*" + re.escape(LOOK), 1),  # the left arrow makes it c38
    (b"\x1b[A\r", b".*c38\r\n" + re.escape(LOOK), 1),  # the up arrow brings c38 back
    (b"c10\r", re.escape(b"c10\r\n" + CLEAR + b"\x1b[1mSnowy Yard\x1b[22m\r\n\r\n") + b".*", 0),
    # Ctrl-D on an empty line ends the game, and its line, and no ^D shows
    (b"\x04", re.escape(b"\r\n"), 0),
]
# The walkthrough's output: columns, and what takes colour away.
# A window that reports no width is taken as 80 columns wide.
RUNS = [(40, {}), (80, {}), (120, {}), (0, {}), (80, {"NO_COLOR": "1"}), (80, {"TERM": "dumb"})]
YARD = "You come out into a large, snowy yard in front of the orphanage"
MORE, ERASE = b"\x1b[2m[more]\x1b[22m", b"\r\x1b[K"
GATE, FINAL = b"You walk up to the gate", b"Wide Field"


def width(text):
    """Columns as a terminal shows them, whatever the locale: wide characters and emoji two,
    combining marks none."""
    return sum(0 if unicodedata.category(c) in ("Mn", "Me") else
               2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


# Short lines meant as they are: headings right above the text of their room, and the last star
# of the closing banner's rule where the window is narrower than the rule.
SHORT_LINES = {"Snowy Yard", "Rosen and Sunnie's Bedroom", "*"}


def stubs(lines, columns):
    """Lines shorter than a third of the window that break a paragraph off: neither ending a
    sentence nor followed by an empty line, an indented line or nothing."""
    return [line for line, after in zip(lines, lines[1:] + [""])
            if line.strip() and line.strip() not in SHORT_LINES and width(line) < columns / 3 and not re.search(r"[.!?:\"”)]\s*$", line)
            and after.strip() and not after.startswith(" ")]


def wait_until(done, what):
    deadline = time.monotonic() + WAIT
    while not done():
        if time.monotonic() > deadline:
            raise Failure(f"waited in vain for {what}")
        time.sleep(0.01)


def typed_keys(game, work, line_editing):
    proc, out = start(game, work, 120, environment(TERM="xterm-256color"), rows=ROWS)
    at = out.expect(b"hope you enjoy!)\r\n\r\n> ")
    for keys, shown, needs_editor in KEYS:
        if needs_editor and not line_editing:
            continue
        # With libedit the keys come one by one as soon as the prompt mark shows: a Ctrl-D typed
        # then is a Ctrl-D (not a NUL that leaves the game waiting), and nothing echoes twice.
        if line_editing and termios.tcgetattr(out.fd)[3] & termios.ICANON:
            raise Failure(f"the terminal in its line mode at the prompt, before {keys!r}")
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
        wide = [line for line in plain.split("\n") if width(line) > (columns or 80)]
        seen = plain.split()
        short = stubs(plain.split("\n"), columns or 80)
        checks = [(not wide, f"lines wider than the window: {wide[:2]}"),
                  (not short, f"stubs: {short[:3]}"),
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


def play(out, moves, marks=(b"\r\n> ",)):
    """Types each move when the game waits for a line (one of `marks` stands last), and a key at
    each [more] stop; returns what the terminal showed up to each stop."""
    stops = []
    for move in [b""] + moves:
        if move:
            os.write(out.fd, move + b"\r")
        at = len(out.seen)
        while True:
            out.wait(lambda: out.ended or any(m in out.seen[at:] for m in (MORE,) + tuple(marks)),
                     "a [more] stop or the prompt")
            if MORE not in out.seen[at:]:
                break
            stops.append(out.seen[:out.seen.index(MORE, at)])
            at = out.seen.index(MORE, at) + len(MORE)
            os.write(out.fd, b" ")
    return stops


def paged(game, work):
    """Typed at the terminal, the walkthrough with a look at the gate: a [more] stop while the
    gate scene's first line and the final scene's heading are still on screen, a key at each stop
    until the banner, and the marker gone after each key. With TERM=dumb no stop and no prompt
    mark."""
    with open(os.path.join(HERE, "data", "walkthrough_tokens.txt"), "rb") as f:
        moves = f.read().split()
    moves.insert(1, b"c10")  # north in the yard before the cabin: the gate scene
    for term in ("xterm-256color", "dumb"):
        proc, out = start(game, work, 40, environment(TERM=term))
        stops = play(out, moves, [b"\r\n> "] if term != "dumb" else [b"do?\r\n", b"enjoy!)\r\n\r\n"])
        out.wait(lambda: out.ended, "the end")
        # Still on screen at a stop: no more line feeds after it than the window has rows.
        first = [next((stop[stop.rfind(text):] for stop in stops
                       if text in stop[stop.rfind(b"> "):]), b"\n" * 24) for text in (GATE, FINAL)]
        on_screen = [shown.count(b"\n") < 24 for shown in first]
        markers = [m.end() for m in re.finditer(re.escape(MORE), out.seen)]
        # A stop in the course of a scene comes with the window full: 23 lines since the player's
        # line, a clear or the stop before; one before a clear may come sooner.
        starts = [max(stop.rfind(b"> "), stop.rfind(ERASE), stop.rfind(b"\x1b[2J"), 0) for stop in stops]
        full = {stop[at:].count(b"\n") - (stop[at:at + 2] == b"> ") for stop, at in zip(stops, starts)
                if not out.seen.startswith(ERASE + b"\r\n" * 24, len(stop) + len(MORE))}
        require([(proc.wait(WAIT) == 0, "status"),
                 (out.seen.endswith(b"playing!\r\n"),
                  f"the banner's line end: {out.seen[-60:]!r}"),
                 (term != "dumb" or (MORE not in out.seen and b"> " not in out.seen),
                  "a marker or a prompt mark with TERM=dumb"),
                 (term == "dumb" or on_screen == [True, True],
                  f"gate and final heading on screen at a stop: {on_screen}"),
                 (all(out.seen.startswith(ERASE, end) for end in markers), "a marker left"),
                 (term == "dumb" or full == {23}, f"lines at a stop: {full}")],
                f"paged at 40 columns, TERM={term}")


def read_before_clear(game, work):
    """After the yard's one-time screen, north plays the gate scene, and the yard comes back with
    a clear: the scene's last line is on screen at a [more] stop before the clear."""
    proc, out = start(game, work, 80, environment(TERM="xterm-256color"))
    # Start, north to the yard, east into the cabin, west to the one-time screen, north: the gate.
    last = play(out, [b"c2", b"c10", b"c17", b"c31", b"c10"])[-1]
    after = out.seen[len(last) + len(MORE):]
    os.write(out.fd, b"\x04")
    require([(proc.wait(WAIT) == 0, "status"),
             (GATE in last and b"\x1b[2J" not in last[last.rfind(GATE):], "the scene's stops"),
             (last.endswith(b"Good to know.\r\n"), f"last stop after {last[-60:]!r}"),
             (re.match(re.escape(ERASE + b"\r\n" * 24 + b"\x1b[H\x1b[2J\x1b[1mSnowy Yard"), after),
              f"not the clear after the stop: {after[:40]!r}")], "read before a clear")


def keys_at_a_stop(game, work):
    """A key at a [more] stop is one key: an arrow's whole sequence is taken by the stop, and
    nothing of it reaches the title's prompt, where start is then typed. Ctrl-D at a stop ends the
    game there, as at a prompt: nothing more is written."""
    proc, out = start(game, work, 40, environment(TERM="xterm-256color"))
    at = 0
    while b"\r\n> " not in out.seen[at:]:
        out.wait(lambda: MORE in out.seen[at:] or b"\r\n> " in out.seen[at:], "the title's prompt")
        if MORE in out.seen[at:]:
            at = out.seen.index(MORE, at) + len(MORE)
            os.write(out.fd, b"\x1b[B")
    os.write(out.fd, b"c2\r")
    stop = out.expect(MORE, at)
    os.write(out.fd, b"\x04")
    out.wait(lambda: out.ended, "the end")
    require([(proc.wait(WAIT) == 0, "status"), (b"Sorry" not in out.seen, "a line not understood"),
             (not re.search(rb"\w", ESCAPE.sub(b"", out.seen[stop:])),
              f"the game went on after Ctrl-D at a stop: {out.seen[stop:][:60]!r}")],
            "keys at a [more] stop")


def ctrl_d_as_the_mark_shows(game, work):
    """Ctrl-D typed as soon as the prompt mark shows ends the game, however late libedit takes the
    keys one by one: strace slows every terminal request of the game down (skipped without it)."""
    if not shutil.which("strace") or subprocess.run(["strace", "-o", "/dev/null", "true"]).returncode:
        return print("SKIP: Ctrl-D as the mark shows needs strace (Debian package strace)")
    slowed = os.path.join(work, "slowed")
    with open(slowed, "w") as script:
        script.write("#!/bin/sh\nexec strace -o /dev/null -e trace=ioctl "
                     f"-e inject=ioctl:delay_enter=50000 {shlex.quote(game)}\n")
    os.chmod(slowed, 0o755)
    # LeakSanitizer cannot run under ptrace; the rest of AddressSanitizer can.
    leaks = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "detect_leaks=0"]))
    env = environment(TERM="xterm-256color", ASAN_OPTIONS=leaks)
    proc, out = start(slowed, work, 120, env, rows=ROWS)
    out.expect(b"hope you enjoy!)\r\n\r\n> ")
    os.write(out.fd, b"\x04")
    out.wait(lambda: out.ended, "the end")
    require([(proc.wait(WAIT) == 0, "status")], "Ctrl-D as the mark shows")


def in_tmux(game, work):
    skip_without("tmux", "tmux")
    # A server of its own, so the player's tmux is never touched.
    tmux = ["tmux", "-S", os.path.join(work, "socket"), "-f", "/dev/null"]

    def pane(*extra):  # words only, wherever the lines were wrapped
        return " ".join(subprocess.run(tmux + ["capture-pane", "-p", "-t", "play", *extra],
                                       capture_output=True, text=True).stdout.split())
    # tmux's own scroll-on-clear is off: only what the game scrolls up is kept. Rows enough
    # for the title and the rooms without a [more] stop.
    subprocess.run(tmux + ["new-session", "-d", "-s", "play", "-x", "80", "-y", "40", "-c", work,
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
        return (report(typed_keys, game, work, mode == "ON") or report(walkthrough, game, work)
                or report(paged, game, work) or report(read_before_clear, game, work)
                or report(keys_at_a_stop, game, work)
                or (mode == "ON" and report(ctrl_d_as_the_mark_shows, game, work)))


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""What a pipe can carry that a typed line cannot. Each input must give exactly the output, status
and (empty) standard error of a plain one, and no carriage return: on Windows a pipe in text mode
would turn each line feed into CR LF and stop reading at a byte 0x1A.

    pipe_edges_test.py GAME
"""
import os, subprocess, sys

from game_harness import SHIPPED, TOKENS, Failure, game_folder, report, require

LONGEST = 256  # bytes of a line the game still hands to its patterns

# What the input is, the response file, the input, and the plain input it must equal.
CASES = [
    ("CR LF line ends", TOKENS, b"c3\r\nc40\r\n", b"c3\nc40\n"),
    ("no line feed after the last line", TOKENS, b"c3\nc40", b"c3\nc40\n"),
    ("CR LF, and the last line ends in a lone CR", TOKENS, b"c3\r\nc40\r", b"c3\nc40\n"),
    ("a byte 0x1A is a byte, and the lines after it are read",
     TOKENS, b"c3\nc\x1a40\n\x1a\nc40\n", b"c3\nzz\nzz\nc40\n"),
    # The deepest pattern shipped on the longest line: the trailing spaces of line 10 (north)
    # take the regex engine about 240 KiB of stack on Windows, 190 KiB on Debian.
    ("the longest line, on the deepest pattern", SHIPPED,
     b"start\ngo n" + b" " * (LONGEST - 4) + b"\nlook\n", b"start\ngo n\nlook\n"),
    ("a 300-byte line is not understood, though its first 256 bytes would be", SHIPPED,
     b"start\ngo n" + b" " * 296 + b"\nlook\n", b"start\nzz\nlook\n"),
]


def run(game, responses, typed):
    with game_folder(responses) as work:
        done = subprocess.run([game], input=typed, cwd=work, capture_output=True, timeout=60)
    return done.stdout, done.returncode, done.stderr


def check(game):
    failed = []
    for what, responses, typed, plain in CASES:
        got, expected = run(game, responses, typed), run(game, responses, plain)
        try:
            require([(got == expected, f"output, status or standard error differ: {got[1:]} "
                                       f"{got[0][-300:]!r}"),
                     (b"\r" not in got[0], "a carriage return in the output"),
                     (got[1:] == (0, b""), f"status {got[1]}, standard error {got[2]!r}")], what)
        except Failure as failure:
            failed.append(str(failure))
    require([(not failed, "\n".join(failed))], "pipe edges")


if __name__ == "__main__":
    sys.exit(report(check, os.path.abspath(sys.argv[1])))

#!/usr/bin/env python3
"""A line that does not end: "c2", a line of NUL bytes, then "c38" (look). Whether the line is
1 KiB or 72 MiB long, the game must write the same (a sorry line for it, then the look), end
with status 0, and peak at the same memory: it reads on without keeping the line.

    endless_line_test.py GAME
"""
import os, sys, threading

from game_harness import TOKENS, game_folder, report, require, start


def play(game, work, size):
    """Output, status, standard error and peak memory (kB) for a line of `size` NUL bytes."""
    proc, out = start(game, work)
    typed = b"c2\n" + bytes(size) + b"\nc38\n"
    writer = threading.Thread(target=lambda: proc.stdin.write(typed) and proc.stdin.flush(),
                              daemon=True)
    writer.start()
    out.expect(b"You're back on the path")  # the game now waits for another line
    with open(f"/proc/{proc.pid}/status") as status:
        peak = next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))
    writer.join()
    proc.stdin.close()
    out.wait(lambda: out.ended, "the end")
    return out.seen, proc.wait(), proc.stderr.read(), peak


def compare(game, work):
    short, long = [play(game, work, size) for size in (1 << 10, 72 << 20)]
    print(f"peak memory {short[3]} kB with a 1 KiB line, {long[3]} kB with a 72 MiB one")
    require([(short[1:3] == (0, b""), f"status {short[1]}, standard error {short[2]}"),
             (long[:3] == short[:3], f"other output for the longer line: {long[0][-300:]}"),
             (long[3] - short[3] < 1024, "more memory for the longer line")], "the long line")


def main():
    with game_folder(TOKENS) as work:
        return report(compare, os.path.abspath(sys.argv[1]), work)


if __name__ == "__main__":
    sys.exit(main())

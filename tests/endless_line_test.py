#!/usr/bin/env python3
"""A line that never ends: NUL bytes from /dev/zero after starting the game. The game must keep
reading it, print nothing more than the first room and its prompt, and keep its memory flat.

    endless_line_test.py --game BUILD/prismora --tokens TOKENS
"""
import argparse
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

PROMPT = b"\n     What would you like to do?\n"


def peak_rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--tokens", required=True)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="prismora-endless-")
    shutil.copy(args.tokens, f"{work}/PlayerResponse.txt")
    game = subprocess.Popen([args.game], cwd=work, stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    fed = [0]

    def feed():
        try:
            game.stdin.write(b"c2\n")
            chunk = bytes(1 << 16)
            while True:
                game.stdin.write(chunk)
                fed[0] += len(chunk)
        except (BrokenPipeError, OSError, ValueError):
            pass

    threading.Thread(target=feed, daemon=True).start()
    problems = []
    try:
        time.sleep(1.5)
        early, fed_early = peak_rss_kb(game.pid), fed[0]
        time.sleep(3.0)
        late, fed_late = peak_rss_kb(game.pid), fed[0]
        if game.poll() is not None:
            problems.append(f"the game ended (status {game.returncode}) during the line")
    finally:
        game.send_signal(signal.SIGKILL)
        stdout, stderr = game.communicate()
        shutil.rmtree(work, ignore_errors=True)
    print(f"fed {fed_late >> 20} MiB; peak RSS {early} kB after 1.5 s, {late} kB after 4.5 s")
    if fed_late - fed_early < 8 << 20:
        problems.append("the game stopped reading the endless line")
    if late - early >= 1024:
        problems.append(f"memory grew by {late - early} kB while reading one line")
    if stderr:
        problems.append(f"standard error {stderr[:300]!r}")
    if not stdout.endswith(PROMPT) or stdout.count(PROMPT) != 1:
        problems.append("expected the first room and one prompt, then nothing during the line")
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Plays in tmux: after walking from the yard into the cabin, the cabin starts on a clean screen
and the yard's text is still in the pane's scrollback (capture-pane -S -).

tmux's own scroll-on-clear is turned off, so the scrollback holds only what the game pushed
there itself, as in a terminal that clears without saving. Exits 77 (skipped) without tmux.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
WAIT = 10.0
YARD = "You come out into a large, snowy yard in front of the orphanage"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--tokens", required=True)
    args = parser.parse_args()
    if shutil.which("tmux") is None:
        print("SKIPPED: tmux is not installed (Debian: apt-get install tmux)")
        return SKIPPED

    with tempfile.TemporaryDirectory() as work:
        shutil.copy(args.tokens, os.path.join(work, "PlayerResponse.txt"))
        config = os.path.join(work, "tmux.conf")
        with open(config, "w") as out:
            out.write("set -g scroll-on-clear off\n")
        # A server of its own, so the player's tmux is never touched.
        tmux = ["tmux", "-S", os.path.join(work, "socket"), "-f", config]

        def run(*command):
            return subprocess.run(tmux + list(command), capture_output=True, text=True,
                                  check=True, timeout=WAIT).stdout

        def pane(*extra):
            # Lines joined, so a check does not depend on where the text was wrapped.
            return " ".join(run("capture-pane", "-p", "-t", "play", *extra).split())

        def wait_for(text):
            deadline = time.monotonic() + WAIT
            while text not in pane():
                if time.monotonic() > deadline:
                    raise RuntimeError(f"never saw {text!r}; the pane shows:\n{pane()}")
                time.sleep(0.05)

        run("new-session", "-d", "-s", "play", "-x", "80", "-y", "24", "-c", work,
            os.path.abspath(args.game))
        try:
            wait_for("hope you enjoy!)")
            for keys, room in (("c2", "Mountain Path"), ("c10", "Snowy Yard"),
                               ("c17", "Cabin Living Room")):
                run("send-keys", "-t", "play", keys, "Enter")
                wait_for(room)
            screen, everything = pane(), pane("-S", "-")
        except (RuntimeError, subprocess.SubprocessError) as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            subprocess.run(tmux + ["kill-server"], capture_output=True, timeout=WAIT)

    if not screen.startswith("Cabin Living Room") or YARD in screen:
        print(f"FAILED: the cabin did not start on a clean screen:\n{screen}")
        return 1
    if YARD not in everything:
        print(f"FAILED: the yard is not in the scrollback:\n{everything}")
        return 1
    print("ok: the cabin starts on a clean screen, the yard is in the scrollback")
    return 0


if __name__ == "__main__":
    sys.exit(main())

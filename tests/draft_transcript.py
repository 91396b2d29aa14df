#!/usr/bin/env python3
"""Drafts a golden transcript: plays the typed lines and interleaves the game's replies.

    tests/draft_transcript.py --game build/default/prismora [--shipped] c2 c10 c38 > draft.txt

The draft shows what the game does today, nothing more: read every line against how the game
must behave before saving it under tests/transcripts/. Replies are found by replaying the first
k lines for each k, so each typed line sits right before the reply it caused.
"""
import argparse
import os
import shutil
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def play(game, work, lines):
    typed = "".join(line + "\n" for line in lines).encode()
    run = subprocess.run([game], input=typed, cwd=work, capture_output=True, timeout=20)
    return run.stdout.decode("utf-8"), run.returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--shipped", action="store_true", help="use data/PlayerResponse.txt")
    parser.add_argument("typed", nargs="*")
    args = parser.parse_args()
    responses = (os.path.join(HERE, "..", "data", "PlayerResponse.txt") if args.shipped
                 else os.path.join(HERE, "data", "TokenResponses.txt"))
    game = os.path.abspath(args.game)
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(responses, os.path.join(work, "PlayerResponse.txt"))
        body, status = play(game, work, [])
        out = body
        for k in range(1, len(args.typed) + 1):
            now, status = play(game, work, args.typed[:k])
            if not now.startswith(body):
                raise SystemExit("the game's output is not deterministic")
            out += "> " + args.typed[k - 1] + "\n" + now[len(body):]
            body = now
    print("# TODO: say what this transcript shows")
    print("responses: " + ("shipped" if args.shipped else "tokens"))
    print(f"status: {status}")
    print("---")
    print(out.replace("\f", "{clear}"), end="")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Plays a golden transcript against the game and compares standard output byte for byte.

A transcript file has a header, a line '---', then the body. Header lines:
    # free text              what the transcript is about
    responses: tokens        play with the tests' own response file, where line N is 'cN'
    responses: shipped       play with the game's real response file
    status: N                the expected exit status (default 0)
Body lines starting with '> ' (or a lone '>') are typed by the player; every other line is
expected output, each ending with one line feed. '{clear}' stands for the form feed that a
screen clear writes to a pipe, and a line '{include NAME}' stands for the body of
fixtures/NAME.txt. Standard error must stay empty.
"""
import argparse
import difflib
import os
import shutil
import subprocess
import sys
import tempfile

FIXTURES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "transcripts", "fixtures")


def expand(lines, seen=()):
    for line in lines:
        if line.startswith("{include ") and line.rstrip("\n").endswith("}"):
            name = line.rstrip("\n")[len("{include "):-1]
            if name in seen:
                sys.exit(f"include loop at {name}")
            with open(os.path.join(FIXTURES, name + ".txt"), encoding="utf-8", newline="") as f:
                yield from expand(f.readlines(), seen + (name,))
        else:
            yield line


def parse(path):
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.readlines()
    header = {"responses": "tokens", "status": "0"}
    try:
        split = lines.index("---\n")
    except ValueError:
        sys.exit(f"{path}: no '---' line between header and body")
    for line in lines[:split]:
        if line.startswith("#") or not line.strip():
            continue
        key, _, value = line.partition(":")
        header[key.strip()] = value.strip()
    typed, expected = [], []
    for line in expand(lines[split + 1:]):
        if line.startswith("> ") or line.rstrip("\n") == ">":
            typed.append(line[2:] if line.startswith("> ") else "\n")
        else:
            expected.append(line.replace("{clear}", "\f"))
    return header, "".join(typed).encode(), "".join(expected).encode()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--tokens", required=True)
    parser.add_argument("--shipped", required=True)
    parser.add_argument("transcript")
    args = parser.parse_args()

    header, typed, expected = parse(args.transcript)
    responses = {"tokens": args.tokens, "shipped": args.shipped}[header["responses"]]
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(responses, os.path.join(work, "PlayerResponse.txt"))
        try:
            run = subprocess.run([os.path.abspath(args.game)], input=typed, cwd=work,
                                 capture_output=True, timeout=20)
        except subprocess.TimeoutExpired:
            print("the game did not finish within 20 seconds")
            return 1

    failed = False
    if run.stdout != expected:
        failed = True
        print("standard output differs from the transcript (- expected, + actual):")
        diff = difflib.unified_diff(
            expected.decode("utf-8", "replace").replace("\f", "{clear}").splitlines(True),
            run.stdout.decode("utf-8", "replace").replace("\f", "{clear}").splitlines(True),
            n=2)
        sys.stdout.writelines(line if line.endswith("\n") else line + "\n" for line in diff)
    if run.returncode != int(header["status"]):
        failed = True
        print(f"exit status {run.returncode}, expected {header['status']}")
    if run.stderr:
        failed = True
        print("unexpected standard error:\n" + run.stderr.decode("utf-8", "replace"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

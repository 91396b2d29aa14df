#!/usr/bin/env python3
"""Plays golden transcripts against the game, or drafts a new one from what it does today.

    transcript.py GAME FILE...                          play each; any difference fails
    transcript.py GAME --draft tokens|shipped LINE...   print a draft for the lines typed

A transcript: header lines ('# free text', 'responses: tokens' or 'shipped', 'status: N',
default 0), a line '---', then the body: lines typed ('> ' or a lone '>') and the exact
standard output. '{clear}' stands for the form feed a clear writes to a pipe, '{include NAME}'
for the body of transcripts/fixtures/NAME.txt. Standard error must stay empty. A draft shows
what the game does, nothing more: check every line before saving it in tests/transcripts/.
"""
import argparse, difflib, os, re, shutil, subprocess, sys

from game_harness import HERE, SHIPPED, TOKENS, game_folder

RESPONSES = {"tokens": TOKENS, "shipped": SHIPPED}


def body(lines):
    for line in lines:
        include = re.fullmatch(r"\{include (.+)\}\n?", line)
        if include:
            yield from body(read(os.path.join(HERE, "transcripts", "fixtures",
                                              include[1] + ".txt")))
        else:
            yield line


def read(path):
    with open(path, encoding="utf-8", newline="") as f:
        return f.readlines()


def parse(path):
    """The header as a dict, the bytes typed and the bytes expected on standard output."""
    lines = read(path)
    split = lines.index("---\n")
    header = {"responses": "tokens", "status": "0"}
    for line in lines[:split]:
        if line.strip() and not line.startswith("#"):
            key, _, value = line.partition(":")
            header[key.strip()] = value.strip()
    typed, expected = [], []
    for line in body(lines[split + 1:]):
        if line.startswith("> ") or line.rstrip("\n") == ">":
            typed.append(line[2:] or "\n")
        else:
            expected.append(line.replace("{clear}", "\f"))
    return header, "".join(typed).encode(), "".join(expected).encode()


def play(command, cwd, typed, env=None):
    return subprocess.run(command, input=typed, cwd=cwd, env=env, capture_output=True, timeout=20)


def compare(header, expected, run):
    """What differs between a finished run and the transcript, as lines to print."""
    problems = []
    if run.stdout != expected:
        shown = [b.decode("utf-8", "replace").replace("\f", "{clear}").splitlines(True)
                 for b in (expected, run.stdout)]
        problems = ["standard output differs (- expected, + actual):"]
        problems += [line.rstrip("\n") for line in difflib.unified_diff(*shown, n=2)]
    if run.returncode != int(header["status"]):
        problems.append(f"exit status {run.returncode}, expected {header['status']}")
    if run.stderr:
        problems.append("unexpected standard error:\n" + run.stderr.decode("utf-8", "replace"))
    return problems


def draft(game, responses, lines):
    with game_folder(RESPONSES[responses]) as work:
        # Replaying the first k lines for each k puts each line right before its reply.
        body = before = ""
        for k in range(len(lines) + 1):
            shutil.rmtree(os.environ["XDG_STATE_HOME"], ignore_errors=True)  # no game saved yet
            run = play([game], work, "".join(line + "\n" for line in lines[:k]).encode())
            now = run.stdout.decode("utf-8")
            if not now.startswith(before):
                sys.exit("the game's output is not deterministic")
            body += (f"> {lines[k - 1]}\n" if k else "") + now[len(before):]
            before = now
    print(f"# TODO: say what this transcript shows\nresponses: {responses}\n"
          f"status: {run.returncode}\n---")
    print(body.replace("\f", "{clear}"), end="")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("game")
    parser.add_argument("--draft", choices=RESPONSES)
    parser.add_argument("items", nargs="*", help="transcripts, or with --draft the lines typed")
    args = parser.parse_intermixed_args()
    game = os.path.abspath(args.game)
    if args.draft:
        return draft(game, args.draft, args.items)
    problems = []
    for path in args.items:
        header, typed, expected = parse(path)
        with game_folder(RESPONSES[header["responses"]]) as work:
            problems += compare(header, expected, play([game], work, typed))
    print("\n".join(problems) or "ok")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

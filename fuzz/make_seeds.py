#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora and dictionaries from the transcripts and walkthroughs.

game/          one input per transcript (its typed lines) and per walkthrough file
match_response/  one input per distinct typed line
game.dict      every token of the tests' vocabulary, c1 to cN, each with its line feed
match_response.dict  every word of the shipped response file
"""
import argparse
import glob
import hashlib
import os
import re


def typed_lines(transcript):
    with open(transcript, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    try:
        body = lines[lines.index("---") + 1:]
    except ValueError:
        return []
    return [l[2:] if l.startswith("> ") else "" for l in body if l.startswith("> ") or l == ">"]


def write(directory, data):
    os.makedirs(directory, exist_ok=True)
    name = hashlib.sha1(data).hexdigest()
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--transcripts", required=True)
    parser.add_argument("--walkthrough", action="append", default=[])
    parser.add_argument("--tokens", required=True)
    parser.add_argument("--shipped", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    games = [typed_lines(t) for t in sorted(glob.glob(os.path.join(args.transcripts, "*.txt")))]
    for path in args.walkthrough:
        with open(path, encoding="utf-8", newline="") as f:
            games.append(f.read().splitlines())
    lines = set()
    for game in games:
        if game:
            write(os.path.join(args.out, "game"), ("\n".join(game) + "\n").encode())
        lines.update(game)
    for line in lines:
        write(os.path.join(args.out, "match_response"), line.encode())

    with open(args.tokens, encoding="utf-8") as f:
        count = len(f.read().splitlines())
    with open(os.path.join(args.out, "game.dict"), "w", encoding="utf-8") as f:
        for n in range(1, count + 1):
            f.write(f'"c{n}\\x0A"\n')
    with open(args.shipped, encoding="utf-8") as f:
        words = sorted(set(re.findall(r"[a-z]+", f.read())))
    with open(os.path.join(args.out, "match_response.dict"), "w", encoding="utf-8") as f:
        for word in words:
            f.write(f'"{word}"\n')


if __name__ == "__main__":
    main()

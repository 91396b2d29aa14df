#!/usr/bin/env python3
"""Installs the game into a fresh prefix and plays it through the installed launcher.

The prefix has a space in its name, and the game is started from a directory that holds no
response file: by `prismora` on the PATH, and by a symbolic link to the launcher elsewhere.
Each run plays a golden transcript of the shipped vocabulary and must match it byte for byte,
with status 0 and nothing on standard error. The directory the player was in stays empty.
"""
import argparse
import filecmp
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import transcript  # noqa: E402  (the transcript format and its parser)


def check_run(label, command, cwd, env, typed, expected):
    try:
        run = subprocess.run(command, input=typed, cwd=cwd, env=env, capture_output=True,
                             timeout=20)
    except subprocess.TimeoutExpired:
        return [f"{label}: the game did not finish within 20 seconds"]
    problems = []
    if run.stdout != expected:
        problems.append(f"{label}: output differs from the transcript; it began "
                        f"{run.stdout[:200]!r}")
    if run.returncode != 0:
        problems.append(f"{label}: exit status {run.returncode}, expected 0")
    if run.stderr:
        problems.append(f"{label}: standard error: {run.stderr[:500]!r}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--shipped", required=True)
    parser.add_argument("transcript")
    args = parser.parse_args()

    header, typed, expected = transcript.parse(args.transcript)
    if header["responses"] != "shipped":
        sys.exit("the install test plays a transcript of the shipped vocabulary")

    problems = []
    with tempfile.TemporaryDirectory() as work:
        prefix = os.path.join(work, "game prefix")
        install = subprocess.run([args.cmake, "--install", args.build, "--prefix", prefix],
                                 capture_output=True, timeout=60)
        if install.returncode != 0:
            print("cmake --install failed:\n" + install.stdout.decode() + install.stderr.decode())
            return 1

        launcher = os.path.join(prefix, "bin", "prismora")
        installed = os.path.join(prefix, "libexec", "prismora", "PlayerResponse.txt")
        if not os.access(launcher, os.X_OK):
            problems.append(f"no executable launcher at {launcher}")
        if not os.path.isfile(installed) or not filecmp.cmp(installed, args.shipped, False):
            problems.append("the installed response file is missing or not the shipped one")

        elsewhere = os.path.join(work, "somewhere else")
        os.mkdir(elsewhere)
        env = dict(os.environ, PATH=os.path.join(prefix, "bin") + os.pathsep + os.environ["PATH"])
        if not problems:
            problems += check_run("prismora on the PATH", ["prismora"], elsewhere, env, typed,
                                  expected)
            links = os.path.join(work, "links")
            os.mkdir(links)
            os.symlink(launcher, os.path.join(links, "prismora"))
            problems += check_run("a link to the launcher", [os.path.join(links, "prismora")],
                                  elsewhere, dict(os.environ), typed, expected)
            if os.listdir(elsewhere):
                problems.append(f"files appeared where the player was: {os.listdir(elsewhere)}")

    for problem in problems:
        print("FAILED: " + problem)
    if not problems:
        print("ok: installed, and played through the launcher from another directory")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

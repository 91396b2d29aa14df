#!/usr/bin/env python3
"""Hostile input: plays the real executable against input and response files no player would
give it, and checks that each case ends the way it should, with nothing printed that the game
does not print.

    hostile_input.py --game BUILD/prismora --tokens TOKENS --sources SRC --sources GENERATED
                     [--case NAME]...

Every case runs the game in a fresh directory holding its own PlayerResponse.txt (by default
the tests' token file, where line N matches 'cN'). Apart from what a case expects, each checks:
the game exits with status 0 (no crash, no sanitizer report), it does not hang, standard error
stays empty, and every line of standard output is a line of one of the game's own texts: the
string literals of the sources, including the texts the build generates from data/story.txt.
"""
import argparse
import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

TIMEOUT = 60


class CaseFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailed(message)


def game_lines(source_dirs):
    """Every line the game can print: the lines of its string literals (adjacent literals
    joined, escapes decoded), and the item messages that are put together around an item name."""
    lines = set()
    items = []
    literal = re.compile(r'"((?:[^"\\\n]|\\.)*)"((?:\s*"(?:[^"\\\n]|\\.)*")*)')
    paths = []
    for sources in source_dirs:
        paths += glob.glob(os.path.join(sources, "**", "*.cc"), recursive=True)
        paths += glob.glob(os.path.join(sources, "**", "*.h"), recursive=True)
    for path in paths:
        with open(path, encoding="utf-8") as f:
            code = f.read()
        for match in literal.finditer(code):
            parts = re.findall(r'"((?:[^"\\\n]|\\.)*)"', match.group(0))
            raw = "".join(parts).encode("latin-1", "backslashreplace")
            text = raw.decode("unicode_escape").encode("latin-1").decode("utf-8", "replace")
            lines.update(text.split("\n"))
            if path.endswith("item_names.h"):
                items.append(text)
    check(len(items) == 8, f"expected the eight item names, found {items}")
    for item in items:
        lines.update({
            item,
            f"     The {item} was added to your inventory.",
            f"The {item} was added to your inventory.",
            f"There isn't a {item} in here.",
            f"There isn't a {item} in your inventory.",
            f"You dropped the {item}.",
        })
    return lines


class Harness:
    def __init__(self, args):
        self.game = os.path.abspath(args.game)
        self.tokens = os.path.abspath(args.tokens)
        self.allowed = game_lines(args.sources)

    def workdir(self, responses=None):
        work = tempfile.mkdtemp(prefix="prismora-hostile-")
        target = os.path.join(work, "PlayerResponse.txt")
        if responses is None:
            shutil.copy(self.tokens, target)
        elif isinstance(responses, bytes):
            with open(target, "wb") as f:
                f.write(responses)
        else:
            responses(target)
        return work

    def check_output(self, stdout):
        try:
            text = stdout.decode("utf-8")
        except UnicodeDecodeError as error:
            raise CaseFailed(f"standard output is not UTF-8: {error}")
        for line in text.split("\n"):
            line = line.lstrip("\f")  # a screen clear written to a pipe
            check(line in self.allowed, f"printed a line that is none of the game's: {line!r}")

    def play(self, typed, responses=None, expect_stderr=b""):
        """Plays `typed` to the end; checks status 0, the stderr expected and every line."""
        work = self.workdir(responses)
        try:
            run = subprocess.run([self.game], input=typed, cwd=work, capture_output=True,
                                 timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise CaseFailed(f"the game did not end within {TIMEOUT} s")
        finally:
            shutil.rmtree(work, ignore_errors=True)
        check(run.returncode == 0,
              f"exit status {run.returncode}; stderr: {run.stderr[-2000:]!r}")
        check(run.stderr == expect_stderr,
              f"standard error {run.stderr[:500]!r}, expected {expect_stderr[:200]!r}")
        self.check_output(run.stdout)
        return run.stdout.decode("utf-8")

    def reference(self, typed):
        return self.play(typed)


def peak_rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def count(text, needle):
    return text.count(needle)


SORRY = "\nSorry, not sure what you mean. Please enter a different response.\n"
PROMPT = "\n     What would you like to do?\n"
TITLE_END = "I apologize for this, and hope you enjoy!)\n\n"


def case_endless_zero_line(h):
    """A line that never ends (NUL bytes from /dev/zero, after starting the game): the game keeps
    reading it and waits for its end, printing nothing more, while its memory stays flat."""
    work = h.workdir()
    proc = subprocess.Popen([h.game], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    fed = [0]

    def feed():
        try:
            proc.stdin.write(b"c2\n")
            with open("/dev/zero", "rb") as zero:
                chunk = zero.read(1 << 16)
                while True:
                    proc.stdin.write(chunk)
                    fed[0] += len(chunk)
        except (BrokenPipeError, OSError, ValueError):
            pass

    writer = threading.Thread(target=feed, daemon=True)
    writer.start()
    try:
        time.sleep(1.5)
        check(proc.poll() is None, f"the game ended (status {proc.returncode}) during the line")
        early, fed_early = peak_rss_kb(proc.pid), fed[0]
        time.sleep(3.0)
        check(proc.poll() is None, f"the game ended (status {proc.returncode}) during the line")
        late, fed_late = peak_rss_kb(proc.pid), fed[0]
    finally:
        proc.send_signal(signal.SIGKILL)
        stdout, stderr = proc.communicate()
        shutil.rmtree(work, ignore_errors=True)
    print(f"fed {fed_late >> 20} MiB of NULs; peak RSS {early} kB after 1.5 s, {late} kB after"
          f" 4.5 s")
    check(fed_late - fed_early > 8 << 20, "the game stopped reading the endless line")
    check(late - early < 1024, f"memory grew by {late - early} kB while reading one line")
    check(stderr == b"", f"standard error {stderr[:300]!r}")
    h.check_output(stdout)
    text = stdout.decode()
    check(text.endswith(PROMPT) and count(text, PROMPT) == 1,
          "expected the first room and one prompt, then nothing while the line goes on")


def case_urandom(h):
    """Random bytes from /dev/urandom (256 KiB), before and after starting: the game answers
    each line (mostly with the sorry line) and ends with the input, status 0."""
    for start in (b"", b"c2\n"):
        with open("/dev/urandom", "rb") as f:
            noise = f.read(256 << 10)
        try:
            h.play(start + noise)
        except CaseFailed:
            keep = os.path.join(tempfile.gettempdir(), "prismora-hostile-urandom.bin")
            with open(keep, "wb") as f:
                f.write(start + noise)
            print(f"the failing input is kept in {keep}")
            raise


def case_one_megabyte_line(h):
    """A 1 MB line is not understood (the sorry line once), and the game goes on normally."""
    work = h.workdir()
    proc = subprocess.Popen([h.game], cwd=work, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    stdout, stderr = proc.communicate(b"c2\n" + b"c10" * 350000 + b"\nc10\n", timeout=TIMEOUT)
    shutil.rmtree(work, ignore_errors=True)
    check(proc.returncode == 0, f"exit status {proc.returncode}; {stderr[-500:]!r}")
    check(stderr == b"", f"standard error {stderr[:300]!r}")
    h.check_output(stdout)
    text = stdout.decode()
    check(count(text, SORRY) == 1, "the long line should get exactly one sorry line")
    check("\nSnowy Yard\n" in text.split(SORRY, 1)[1], "the next line should still move north")


def case_nul_inside_line(h):
    """A NUL byte inside a line is part of the line: 'c1\\0' + '0' is not 'c10'."""
    text = h.play(b"c2\nc1\x000\nc1\x00\nc10\n")
    check(count(text, SORRY) == 2, "each line with a NUL should get the sorry line")
    check(text.rstrip("\n").endswith("What would you like to do?") and "\nSnowy Yard\n" in text,
          "the clean line after them should still move north")


def case_invalid_utf8(h):
    """Invalid UTF-8 is just bytes: it passes lowercasing untouched, matches nothing, and is
    never echoed; capitals around it are still folded."""
    text = h.play(b"c2\n\xff\xfe\xc3\x28 north\n\xc0\xaf\xed\xa0\x80\nC10\n")
    check(count(text, SORRY) == 2, "each invalid line should get the sorry line")
    check("\nSnowy Yard\n" in text, "'C10' should still move north")


def case_crlf_line_ends(h):
    """CRLF line ends, in the input and in the response file, play exactly like LF."""
    typed = b"c2\nc38\nc10\nc17\nc130\nc240\n"
    expected = h.reference(typed)
    with open(h.tokens, "rb") as f:
        crlf_file = f.read().replace(b"\n", b"\r\n")
    check(h.play(typed.replace(b"\n", b"\r\n")) == expected, "CRLF input played differently")
    check(h.play(typed, responses=crlf_file) == expected, "a CRLF response file played differently")
    check("\nYour Inventory:\n\nBlue Stone\n" in expected, "the reference game went wrong")


def case_empty_response_file(h):
    """An empty response file understands nothing: every line gets the sorry line and code 0,
    so the title screen repeats until the input ends."""
    text = h.play(b"c2\nstart\nquit\n", responses=b"")
    check(count(text, SORRY) == 3, "expected one sorry line per line typed")
    check(count(text, TITLE_END) == 4, "the title should show again after every line")
    check("Mountain Path" not in text, "nothing should start the game")


def case_response_file_is_directory(h):
    """A directory where the response file should be cannot be opened: one error line on
    standard error per line typed (code 1, which nothing reacts to), and the title repeats."""
    error = b"\nError: Unable to open the file.\n"
    text = h.play(b"c2\nstart\n", responses=os.mkdir, expect_stderr=error * 2)
    check(count(text, TITLE_END) == 3 and SORRY not in text,
          "the title should repeat with no sorry line")
    h.play(b"c2\n", responses=lambda path: None, expect_stderr=error)  # missing: the same


def case_invalid_pattern(h):
    """A line of the response file that is not a pattern is reported on standard error, with its
    line number, each time it is reached, and counts as a line that does not match: the codes of
    the lines after it do not shift."""
    with open(h.tokens, "rb") as f:
        lines = f.read().split(b"\n")
    lines[9] = b"(c10"  # line 10, north
    broken = b"\n".join(lines)
    work = h.workdir(broken)
    try:
        run = subprocess.run([h.game], input=b"c2\nc10\nc17\nc24\n", cwd=work,
                             capture_output=True, timeout=TIMEOUT)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    check(run.returncode == 0, f"exit status {run.returncode}")
    reports = run.stderr.decode().splitlines()
    check(len(reports) == 3 and all(r.startswith("PlayerResponse.txt:10: not a valid pattern")
                                    for r in reports),
          f"expected one report of line 10 per line that reached it, got {reports}")
    h.check_output(run.stdout)
    text = run.stdout.decode()
    check(count(text, SORRY) == 1, "c10, now broken, should be the one line not understood")
    check("\nSnowy Yard\n" not in text, "north should no longer be understood")
    check(count(text, "There's nothing in that direction but more snow.") == 2,
          "c17 and c24 should still be east and south: codes must not shift")


def case_ends_mid_line(h):
    """Input that ends in the middle of a line: that last line still counts, then the game ends
    quietly with status 0."""
    text = h.play(b"c2\nc10")
    check("\nSnowy Yard\n" in text and text.endswith(PROMPT),
          "the unfinished last line should still move north, then the game ends at the prompt")
    text = h.play(b"c")
    check(count(text, SORRY) == 1, "a lone unfinished title line is answered once")


CASES = {name[len("case_"):]: fn for name, fn in globals().items() if name.startswith("case_")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--tokens", required=True)
    parser.add_argument("--sources", required=True, action="append")
    parser.add_argument("--case", action="append", choices=sorted(CASES))
    args = parser.parse_args()
    harness = Harness(args)
    failed = 0
    for name in args.case or sorted(CASES):
        try:
            CASES[name](harness)
            print(f"ok   {name}")
        except CaseFailed as error:
            failed += 1
            print(f"FAIL {name}: {error}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

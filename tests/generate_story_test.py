#!/usr/bin/env python3
"""The story generator refuses a faulty data file or a code that names what the data lacks, with
the file and line of the fault, and writes nothing.

usage: generate_story_test.py SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

generator = os.path.join(sys.argv[1], "tools", "generate_story.py")

GOOD = (b"@ room kHall.place north=kYard\n|the Hall\n"
        b"@ room kHall.name\n|Hall\n@ room kHall.description\n|A hall.\n"
        b"@ room kHall.returnText\n|Back.\n"
        b"@ room kYard.place\n|the Yard\n@ room kYard.name\n|Yard\n"
        b"@ room kYard.description\n|A yard.\n@ room kYard.returnText\n|Back.\n"
        b"@ kHello\n|\n|Hello |\n")
CODE = "Say(Text::kHello); Go(RoomId::kYard, code::kGo, code::kLook);\n"
MEANINGS = b"# name lines where meaning\nkGo 2-3 rooms go somewhere\nkLook 5 everywhere,last look\n"

# What is wrong, the data, the code, and the start of the one error line expected.
CASES = [
    ("a good file", GOOD, CODE, None),
    ("a name written twice", GOOD + b"\n@ kHello\n|Again\n", CODE,
     "story.txt:21: error: kHello is written twice, first on line 17"),
    ("a text the code says but the data lacks", GOOD, CODE + "Say(Text::kBye);\n",
     "src/game.cc:2: error: Text::kBye is not in"),
    ("a text the code never says", GOOD + b"@ kBye\n|Bye\n", CODE,
     "story.txt:20: error: kBye is written here but the game never says it"),
    ("a bad header", GOOD + b"@ kHello there\n|x\n", CODE,
     "story.txt:20: error: '@ kHello there' is not a header"),
    ("a byte-order mark", b"\xef\xbb\xbf" + GOOD, CODE,
     "story.txt:1: error: the file starts with a byte-order mark"),
    ("CRLF line ends", GOOD.replace(b"|A yard.\n", b"|A yard.\r\n"), CODE,
     "story.txt:14: error: a carriage return"),
    ("a space at a line's end", GOOD + b"@ kBye\n|Bye \n", CODE + "Text::kBye\n",
     "story.txt:21: error: the line ends in white space"),
    ("a header without text", GOOD + b"@ kBye\n\n", CODE + "Text::kBye\n",
     "story.txt:20: error: kBye has no text lines"),
    ("a room without a return text", GOOD.replace(b"@ room kYard.returnText\n|Back.\n", b""),
     CODE, "story.txt:9: error: room kYard has no returnText"),
    ("a way to no room", GOOD.replace(b"north=kYard", b"north=kAttic"), CODE,
     "story.txt:1: error: kAttic is not a room"),
    ("a list out of order", GOOD + b"@ kList[1]\n|b\n", CODE + "Text::kList\n",
     "story.txt:20: error: kList[1] comes out of order"),
    ("two item names with one first word",
     GOOD + b"@ item kRedKey kind=key colour=none take=kGo drop=kGo look=kLook description=kHello"
     b"\n|Red Key\n@ item kRedStone kind=stone colour=none take=kGo drop=kGo look=kLook "
     b"description=kHello\n|red stone\n", CODE,
     "story.txt:22: error: kRedStone's name begins with the word of kRedKey's"),
    # The meanings file: (what, meanings, code, expected).
    ("a code the data lacks", MEANINGS, CODE + "code::kTalk\n", "src/game.cc:2: error: code::kTalk is not in"),
    ("a meaning nothing names", MEANINGS + b"kTalk 7 some talk\n", CODE,
     "meanings.txt:4: error: kTalk is declared here but nothing reacts to it"),
    ("a meaning written twice", MEANINGS + b"kGo 7 rooms again\n", CODE,
     "meanings.txt:4: error: kGo is written twice, first on line 2"),
    ("two meanings on one line", MEANINGS + b"kTalk 5-6 some talk\n", CODE + "code::kTalk\n",
     "meanings.txt:4: error: kTalk shares lines with kLook, on line 3"),
    ("a meaning out of order", MEANINGS + b"kTalk 4 some talk\n", CODE + "code::kTalk\n",
     "meanings.txt:4: error: kTalk is out of order"),
    ("a meaning without where", MEANINGS + b"kTalk 7 talk to someone\n", CODE + "code::kTalk\n",
     "meanings.txt:4: error: not 'kName LINES WHERE what it means'"),
    ("line 1 given a meaning", b"kGo 1-3 rooms go\nkLook 5 everywhere look\n", CODE,
     "meanings.txt:1: error: lines 1-3 are not a range"),
]


def run(data, code, meanings=MEANINGS):
    with tempfile.TemporaryDirectory() as tmp:
        os.makedirs(os.path.join(tmp, "src"))
        with open(os.path.join(tmp, "story.txt"), "wb") as f:
            f.write(data)
        with open(os.path.join(tmp, "meanings.txt"), "wb") as f:
            f.write(meanings)
        with open(os.path.join(tmp, "src", "game.cc"), "w") as f:
            f.write(code)
        out = os.path.join(tmp, "out")
        result = subprocess.run([sys.executable, generator, os.path.join(tmp, "story.txt"),
                                 os.path.join(tmp, "meanings.txt"), os.path.join(tmp, "src"),
                                 out], capture_output=True, text=True)
        written = os.path.exists(os.path.join(out, "story_data.h")) or \
            os.path.exists(os.path.join(out, "response_codes.h"))
        return result.returncode, result.stderr.replace(tmp + os.sep, ""), written


failures = 0
for what, data, code, expected in CASES:
    if data.startswith((b"k", b"#")):  # a meanings file
        status, errors, written = run(GOOD, code, data)
    else:
        status, errors, written = run(data, code)
    if expected is None:
        ok = status == 0 and written and errors == ""
    else:
        lines = errors.strip().split("\n")
        ok = status == 1 and not written and len(lines) == 1 and lines[0].startswith(expected)
    if not ok:
        failures += 1
        print(f"FAIL {what}: status {status}, wrote {written}, said:\n{errors}")
print(f"{len(CASES) - failures} passed, {failures} failed")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""The command list is written once, in the help guide of the story's data: the manual page's list
must be the guide's, row for row, and `prismora --help` must print the guide's lines.

usage: command_list_test.py SOURCE_DIR PRISMORA
"""
import os
import re
import subprocess
import sys

source_dir, prismora = sys.argv[1:]
sys.path.insert(0, os.path.join(source_dir, "tools"))
import generate_story  # noqa: E402

data = os.path.join(source_dir, "data", "story.txt")
with open(data, "rb") as f:
    texts = generate_story.parse(data, f.read()).texts
guide = texts["kHelpGuide"] + texts["kHelpEndCtrlD"]

# "  look                 the place you are in, again"; a row of spaces continues the one above.
rows = []
for line in guide:
    m = re.match(r"  (\S.*?)  +(\S.*)$", line)
    if m and not line.startswith("   "):
        rows.append([m.group(1), m.group(2)])
    elif line.startswith("   ") and rows:
        rows[-1][1] += " " + line.strip()

with open(os.path.join(source_dir, "man", "prismora.6"), encoding="utf-8") as f:
    man = f.read()
listed = re.search(r"\.RS\n\.PD 0\n(.*?)\.PD\n\.RE", man, re.S).group(1)
man_rows = [list(m) for m in re.findall(r"\.TP(?: 22)?\n\.B (.*)\n(.*)\n", listed)]

problems = []
if len(rows) < 5:
    problems.append(f"the help guide has only {len(rows)} command rows: {rows}")
if man_rows != rows:
    problems.append("man/prismora.6 lists other commands than the help guide:\n"
                    f"  guide: {rows}\n  man:   {man_rows}")
usage = subprocess.run([prismora, "--help"], capture_output=True, text=True, check=True).stdout
if usage != "\n".join([texts["kUsage"][0]] + guide + [texts["kUsage"][1]]) + "\n":
    problems.append("prismora --help is not its usage around the help guide")
for problem in problems:
    print(problem)
print(f"{len(rows)} command rows checked")
sys.exit(1 if problems else 0)

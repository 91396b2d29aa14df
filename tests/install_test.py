#!/usr/bin/env python3
"""Installs the game and plays it through the installed launcher.

--layout prefix: `cmake --install` into a fresh prefix whose name has a space in it.
--layout deb: `cpack -G DEB` from the build tree, then `dpkg -x` of the package into a
temporary root; the launcher must work under that root as it does under /.

The game is started from a directory that holds no response file: by `prismora` on the PATH,
and by a symbolic link to the launcher elsewhere. Each run plays a golden transcript of the
shipped vocabulary and must match it byte for byte, with status 0 and nothing on standard
error; the directory the player was in stays empty. The launcher must also answer --help,
--version and an unknown argument as command-line tools do. The package is checked by
lintian when lintian is installed.
"""
import argparse
import filecmp
import glob
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import transcript  # noqa: E402  (the transcript format and its parser)

SKIP = 77  # SKIP_RETURN_CODE of the tests that run this script


def run(command, cwd, env=None, typed=b""):
    return subprocess.run(command, input=typed, cwd=cwd, env=env, capture_output=True,
                          timeout=20)


def check_play(label, command, cwd, env, typed, expected):
    try:
        played = run(command, cwd, env, typed)
    except subprocess.TimeoutExpired:
        return [f"{label}: the game did not finish within 20 seconds"]
    problems = []
    if played.stdout != expected:
        problems.append(f"{label}: output differs from the transcript; it began "
                        f"{played.stdout[:200]!r}")
    if played.returncode != 0:
        problems.append(f"{label}: exit status {played.returncode}, expected 0")
    if played.stderr:
        problems.append(f"{label}: standard error: {played.stderr[:500]!r}")
    return problems


def check_options(launcher, cwd, version):
    """The three kinds of command line: help, version, and one the game does not know. Each
    must answer at once, on the right stream, without reading the title-screen line typed."""
    cases = [
        # arguments, status, standard output, standard error (regular expressions)
        (["--help"], 0, rb"Usage: prismora \[--help \| --version\]\n(.*\n)*"
                        rb".*PlayerResponse\.txt(.*\n)*", rb""),
        (["--version"], 0, rb"prismora \(Prismora: The Prequel\) " + re.escape(version.encode())
                           + rb"\n", rb""),
        (["--no-such-option"], 2, rb"",
         rb"prismora: [^\n]*'--no-such-option'[^\n]*--help[^\n]*\n"),
        (["--help", "x"], 2, rb"", rb"prismora: [^\n]*'x'[^\n]*--help[^\n]*\n"),
    ]
    problems = []
    for arguments, status, out, err in cases:
        label = "prismora " + " ".join(arguments)
        answered = run([launcher] + arguments, cwd, typed=b"start\n")
        if answered.returncode != status:
            problems.append(f"{label}: exit status {answered.returncode}, expected {status}")
        if not re.fullmatch(out, answered.stdout):
            problems.append(f"{label}: standard output {answered.stdout[:300]!r}")
        if not re.fullmatch(err, answered.stderr):
            problems.append(f"{label}: standard error {answered.stderr[:300]!r}")
        if b"To start your adventure" in answered.stdout:
            problems.append(f"{label}: the game started")
    return problems


def check_launcher(work, bin_dir, typed, expected, version):
    launcher = os.path.join(bin_dir, "prismora")
    elsewhere = os.path.join(work, "somewhere else")
    os.mkdir(elsewhere)
    env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ["PATH"])
    problems = check_play("prismora on the PATH", ["prismora"], elsewhere, env, typed, expected)
    links = os.path.join(work, "links")
    os.mkdir(links)
    os.symlink(launcher, os.path.join(links, "prismora"))
    problems += check_play("a link to the launcher", [os.path.join(links, "prismora")],
                           elsewhere, dict(os.environ), typed, expected)
    problems += check_options(launcher, elsewhere, version)
    if os.listdir(elsewhere):
        problems.append(f"files appeared where the player was: {os.listdir(elsewhere)}")
    return problems


def same_file(path, source, label):
    if os.path.isfile(path) and filecmp.cmp(path, source, False):
        return []
    return [f"{label} is missing or not the one in the sources: {path}"]


def install_prefix(args, work):
    """cmake --install; returns the launcher's folder and the problems with the installed tree."""
    prefix = os.path.join(work, "game prefix")
    installed = subprocess.run([args.cmake, "--install", args.build, "--prefix", prefix],
                               capture_output=True, timeout=60)
    if installed.returncode != 0:
        sys.exit("cmake --install failed:\n" + installed.stdout.decode() +
                 installed.stderr.decode())
    problems = same_file(os.path.join(prefix, "libexec", "prismora", "PlayerResponse.txt"),
                         args.shipped, "the installed response file")
    problems += same_file(os.path.join(prefix, "share", "man", "man6", "prismora.6"), args.man,
                          "the installed manual page")
    return os.path.join(prefix, "bin"), problems


def unpack_deb(args, work):
    """cpack -G DEB, then dpkg -x; returns the launcher's folder and the problems found, or
    exits with SKIP when the Debian tools are missing."""
    for tool, package in (("dpkg-deb", "dpkg"), ("dpkg-shlibdeps", "dpkg-dev")):
        if not shutil.which(tool):
            print(f"SKIP: {tool} not found (Debian package {package}); the package is not built")
            sys.exit(SKIP)
    out = os.path.join(work, "package")
    packed = subprocess.run([args.cpack, "-G", "DEB", "--config",
                             os.path.join(args.build, "CPackConfig.cmake"), "-B", out],
                            capture_output=True, timeout=120)
    debs = glob.glob(os.path.join(out, f"prismora_{args.version}_*.deb"))
    if packed.returncode != 0 or len(debs) != 1:
        sys.exit(f"cpack gave {debs}, status {packed.returncode}:\n" + packed.stdout.decode() +
                 packed.stderr.decode())
    deb = debs[0]

    problems = []
    fields = subprocess.run(["dpkg-deb", "--field", deb, "Package", "Version", "Section",
                             "Depends"], capture_output=True, text=True, check=True).stdout
    depends = re.search(r"^Depends: (.*)$", fields, re.M)
    needed = ["libc6", "libstdc++6"] + (["libedit2"] if args.line_editing == "ON" else [])
    if not depends or any(f"{lib} (" not in depends.group(1) for lib in needed):
        problems.append(f"Depends should be computed from the binary and name {needed}:\n"
                        + fields)
    for field in ("Package: prismora", f"Version: {args.version}", "Section: games"):
        if field not in fields.splitlines():
            problems.append(f"no '{field}' in the control fields:\n{fields}")

    root = os.path.join(work, "root")
    subprocess.run(["dpkg", "-x", deb, root], check=True)
    problems += same_file(os.path.join(root, "usr/share/games/prismora/PlayerResponse.txt"),
                          args.shipped, "the packaged response file")
    if not os.access(os.path.join(root, "usr/lib/games/prismora/prismora"), os.X_OK):
        problems.append("no game binary in /usr/lib/games/prismora")
    page = os.path.join(root, "usr/share/man/man6/prismora.6.gz")
    with open(args.man, "rb") as source:
        if not os.path.isfile(page) or gzip.open(page).read() != source.read():
            problems.append("the packaged manual page is missing or not the one in the sources")
    if not os.path.isfile(os.path.join(root, "usr/share/doc/prismora/copyright")):
        problems.append("no /usr/share/doc/prismora/copyright")

    if shutil.which("lintian"):
        linted = subprocess.run(["lintian", "--fail-on", "error,warning", deb],
                                capture_output=True, text=True, timeout=300)
        if linted.returncode != 0:
            problems.append("lintian reports errors or warnings:\n" + linted.stdout)
    else:
        args.skipped = "lintian not found (Debian package lintian); the package is not linted"
    return os.path.join(root, "usr", "games"), problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--layout", choices=["prefix", "deb"], required=True)
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--shipped", required=True)
    parser.add_argument("--man", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--line-editing", choices=["ON", "OFF"], required=True)
    parser.add_argument("transcript")
    args = parser.parse_args()
    args.skipped = None

    header, typed, expected = transcript.parse(args.transcript)
    if header["responses"] != "shipped":
        sys.exit("the install test plays a transcript of the shipped vocabulary")

    with tempfile.TemporaryDirectory() as work:
        install = install_prefix if args.layout == "prefix" else unpack_deb
        bin_dir, problems = install(args, work)
        if not os.access(os.path.join(bin_dir, "prismora"), os.X_OK):
            problems.append(f"no executable launcher in {bin_dir}")
        if not problems:
            problems = check_launcher(work, bin_dir, typed, expected, args.version)

    for problem in problems:
        print("FAILED: " + problem)
    if problems:
        return 1
    print(f"ok: installed ({args.layout}), and played through the launcher from another "
          "directory")
    if args.skipped:
        print("SKIP: " + args.skipped)
        return SKIP
    return 0


if __name__ == "__main__":
    sys.exit(main())

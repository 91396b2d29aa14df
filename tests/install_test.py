#!/usr/bin/env python3
"""Installs the game and plays it through the installed launcher.

    install_test.py prefix|deb BUILD_DIR CMAKE CPACK VERSION LINE_EDITING DPKG_BUILDFLAGS (ON|OFF)

prefix: `cmake --install` into a fresh prefix whose name has a space. deb: `cpack -G DEB`, its
control fields, lintian, `dpkg -x` into a temporary root, hardening-check on the game, and a
second package made a second later that must be the same bytes. Either way the files installed
must be those of the sources, and from a directory without a response file, `prismora` on the
PATH and a link to the launcher must each play a transcript exactly and leave that directory
empty; the launcher must answer --help, --version and wrong arguments at once.
"""
import glob, gzip, os, pathlib, re, shutil, subprocess, sys, tempfile, time

import transcript
from game_harness import HERE, report, require, skip_without

DEB_GAME = "usr/lib/games/prismora/prismora"
# Where the launcher is, and the files installed from the sources (None: an executable).
LAYOUTS = {
    "prefix": ("bin", {"libexec/prismora/PlayerResponse.txt": "data/PlayerResponse.txt",
                       "libexec/prismora/prismora": None,
                       "share/man/man6/prismora.6": "man/prismora.6"}),
    "deb": ("usr/games", {"usr/share/games/prismora/PlayerResponse.txt": "data/PlayerResponse.txt",
                          DEB_GAME: None,
                          "usr/share/man/man6/prismora.6.gz": "man/prismora.6",
                          "usr/share/doc/prismora/copyright": "packaging/copyright"}),
}
# C++ containers copy with the compiler's own memcpy, memmove and memset, never through the C
# library's checked versions, and the terminal's key read is a read of one byte into one byte,
# which the fortified read() proves safe when compiling and so calls unchecked. A fortified game
# that calls nothing else fortifiable shows only these unprotected; any other one is a failure.
FORTIFY_FALSE_ALARMS = {"memcpy", "memmove", "memset", "read"}
unchecked = []  # the checks that could not run here, and why
# Arguments, then the status, standard output and standard error (regular expressions) expected.
OPTIONS = [
    (["--help"], 0,
     rb"Usage: prismora \[--help \| --version\]\n(.*\n)*.*PlayerResponse\.txt(.*\n)*", rb""),
    (["--version"], 0, rb"prismora \(Prismora: The Prequel\) {version}\n", rb""),
    (["--no-such-option"], 2, rb"", rb"prismora: [^\n]*'--no-such-option'[^\n]*--help[^\n]*\n"),
    (["--help", "x"], 2, rb"", rb"prismora: [^\n]*'x'[^\n]*--help[^\n]*\n"),
]


def run(*command):
    done = subprocess.run(command, capture_output=True, text=True, timeout=300)
    require([(done.returncode == 0, done.stdout + done.stderr)], " ".join(command))
    return done.stdout


def read(path):
    data = pathlib.Path(path).read_bytes() if os.path.isfile(path) else None
    return gzip.decompress(data) if data and path.endswith(".gz") else data


def make_package(cpack, build, out, version):
    run(cpack, "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out)
    debs = glob.glob(os.path.join(out, f"prismora_{version}_*.deb"))
    require([(len(debs) == 1, f"cpack made {debs}")], f"one prismora_{version}_*.deb")
    return debs[0]


def hardening(game):
    """hardening-check on the packaged game. Not its control-flow protection: the C library's
    start files on Debian 12 lack its marks, so no binary linked there has it (Debian's own
    neither), and dpkg-buildflags there does not ask for it."""
    done = subprocess.run(["hardening-check", "--nocfprotection", "--verbose", game],
                          capture_output=True, text=True)
    print(done.stdout, end="")
    unprotected = set(re.findall(r"^\s+unprotected: (\S+)$", done.stdout, re.M))
    excused = unprotected and unprotected <= FORTIFY_FALSE_ALARMS
    failed = [line.strip() for line in done.stdout.splitlines()
              if ": no," in line and "(ignored)" not in line
              and not (excused and "Fortify Source" in line)]
    require([(not failed and (done.returncode == 0 or excused), done.stdout + done.stderr)],
            "hardening-check")


def package(work, build, cpack, version, line_editing, dpkg_buildflags):
    """Builds the package, checks its control fields, lintian's verdict and the game's hardening,
    unpacks it; then builds it again and compares."""
    for tool, debian_package in (("dpkg-deb", "dpkg"), ("dpkg-shlibdeps", "dpkg-dev")):
        skip_without(tool, debian_package)
    deb, made = make_package(cpack, build, work, version), time.time()
    fields = run("dpkg-deb", "--field", deb, "Package", "Version", "Section", "Depends")
    # Depends is computed from the binary, so it names each library with a version.
    wanted = ["^Package: prismora$", f"^Version: {re.escape(version)}$", "^Section: games$"]
    wanted += [rf"^Depends: .*\b{re.escape(library)} \(" for library in
               ["libc6", "libstdc++6"] + ["libedit2"] * (line_editing == "ON")]
    require([(re.search(w, fields, re.M), w) for w in wanted], f"control fields\n{fields}")
    if shutil.which("lintian"):
        linted = subprocess.run(["lintian", "--fail-on", "error,warning", deb],
                                capture_output=True, text=True)
        require([(linted.returncode == 0, linted.stdout)], "lintian")
    else:
        unchecked.append("lintian not found (Debian package lintian); the package was not linted")
    run("dpkg", "-x", deb, os.path.join(work, "root"))
    if not shutil.which("hardening-check"):
        unchecked.append("hardening-check not found (Debian package devscripts); the game's "
                         "hardening was not checked")
    elif dpkg_buildflags != "ON":
        unchecked.append("the game's hardening was not checked: this build lacks the flags of "
                         "dpkg-buildflags (a sanitizer build, or PRISMORA_DPKG_BUILDFLAGS=OFF)")
    else:
        hardening(os.path.join(work, "root", DEB_GAME))
    # Made in a later second, and with a changelog written again, a second package must still
    # be the same bytes: nothing in it may carry the time it was made.
    while time.time() < int(made) + 1:
        time.sleep(0.1)
    run("cmp", deb, make_package(cpack, build, os.path.join(work, "again"), version))


def through_launcher(bin_dir, work, version):
    elsewhere, links = os.path.join(work, "somewhere else"), os.path.join(work, "links")
    os.mkdir(elsewhere)
    os.mkdir(links)
    os.symlink(os.path.join(bin_dir, "prismora"), os.path.join(links, "prismora"))
    header, typed, expected = transcript.parse(
        os.path.join(HERE, "transcripts", "shipped_start_look_end.txt"))
    on_path = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ["PATH"])
    for label, command, env in (("prismora on the PATH", "prismora", on_path),
                                ("a link to the launcher", os.path.join(links, "prismora"), None)):
        problems = transcript.compare(header, expected,
                                      transcript.play([command], elsewhere, typed, env))
        require([(not problems, "\n".join(problems))], label)
    for arguments, status, out, err in OPTIONS:
        # The line typed for the title screen must stay unread.
        answered = transcript.play([os.path.join(bin_dir, "prismora")] + arguments, elsewhere,
                                   b"start\n")
        out = out.replace(b"{version}", re.escape(version.encode()))
        require([(answered.returncode == status, f"status {answered.returncode}"),
                 (re.fullmatch(out, answered.stdout), f"output {answered.stdout[:300]}"),
                 (re.fullmatch(err, answered.stderr), f"error {answered.stderr[:300]}"),
                 (b"Prismora: The Prequel\n" not in answered.stdout, "the game started")],
                "prismora " + " ".join(arguments))
    require([(not os.listdir(elsewhere), str(os.listdir(elsewhere)))], "files left by the game")


def install(layout, build, cmake, cpack, version, line_editing, dpkg_buildflags):
    launcher_dir, files = LAYOUTS[layout]
    with tempfile.TemporaryDirectory() as work:
        if layout == "deb":
            root = os.path.join(work, "root")
            package(work, build, cpack, version, line_editing, dpkg_buildflags)
        else:
            root = os.path.join(work, "game prefix")
            run(cmake, "--install", build, "--prefix", root)
        require([(os.access(os.path.join(root, path), os.X_OK) if source is None else
                  read(os.path.join(root, path)) == read(os.path.join(HERE, "..", source)), path)
                 for path, source in files.items()], "installed files missing or not the sources'")
        through_launcher(os.path.join(root, launcher_dir), work, version)


if __name__ == "__main__":
    status = report(install, *sys.argv[1:])
    for what in unchecked:
        print(f"SKIP: {what}")
    sys.exit(77 if status == 0 and unchecked else status)

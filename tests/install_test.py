#!/usr/bin/env python3
"""Installs the game and plays it through the installed launcher.

    install_test.py prefix|deb BUILD_DIR CMAKE CPACK VERSION LINE_EDITING(ON|OFF)

prefix: `cmake --install` into a fresh prefix whose name has a space. deb: `cpack -G DEB`, its
control fields, lintian, then `dpkg -x` into a temporary root. Either way the files installed
must be those of the sources, and from a directory without a response file, `prismora` on the
PATH and a link to the launcher must each play a transcript exactly and leave that directory
empty; the launcher must answer --help, --version and wrong arguments at once.
"""
import glob, gzip, os, pathlib, re, shutil, subprocess, sys, tempfile

import transcript
from game_harness import HERE, report, require, skip_without

# Where the launcher is, and the files installed from the sources (None: an executable).
LAYOUTS = {
    "prefix": ("bin", {"libexec/prismora/PlayerResponse.txt": "data/PlayerResponse.txt",
                       "libexec/prismora/prismora": None,
                       "share/man/man6/prismora.6": "man/prismora.6"}),
    "deb": ("usr/games", {"usr/share/games/prismora/PlayerResponse.txt": "data/PlayerResponse.txt",
                          "usr/lib/games/prismora/prismora": None,
                          "usr/share/man/man6/prismora.6.gz": "man/prismora.6",
                          "usr/share/doc/prismora/copyright": "packaging/copyright"}),
}
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


def package(work, build, cpack, version, line_editing):
    """Builds the package, checks its control fields and lintian's verdict, unpacks it."""
    for tool, debian_package in (("dpkg-deb", "dpkg"), ("dpkg-shlibdeps", "dpkg-dev")):
        skip_without(tool, debian_package)
    run(cpack, "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", work)
    debs = glob.glob(os.path.join(work, f"prismora_{version}_*.deb"))
    require([(len(debs) == 1, f"cpack made {debs}")], f"one prismora_{version}_*.deb")
    deb = debs[0]
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
    run("dpkg", "-x", deb, os.path.join(work, "root"))


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


def install(layout, build, cmake, cpack, version, line_editing):
    launcher_dir, files = LAYOUTS[layout]
    with tempfile.TemporaryDirectory() as work:
        if layout == "deb":
            root = os.path.join(work, "root")
            package(work, build, cpack, version, line_editing)
        else:
            root = os.path.join(work, "game prefix")
            run(cmake, "--install", build, "--prefix", root)
        require([(os.access(os.path.join(root, path), os.X_OK) if source is None else
                  read(os.path.join(root, path)) == read(os.path.join(HERE, "..", source)), path)
                 for path, source in files.items()], "installed files missing or not the sources'")
        through_launcher(os.path.join(root, launcher_dir), work, version)


if __name__ == "__main__":
    status = report(install, *sys.argv[1:])
    if status == 0 and sys.argv[1] == "deb" and not shutil.which("lintian"):
        print("SKIP: lintian not found (Debian package lintian); the package was not linted")
        status = 77
    sys.exit(status)

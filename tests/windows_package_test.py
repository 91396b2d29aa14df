#!/usr/bin/env python3
"""The Windows game and its zip.

    windows_package_test.py EXE OBJDUMP CPACK BUILD_DIR VERSION EMULATOR...

The .exe imports only DLLs every Windows has (no MinGW runtime, which a player would lack).
`cpack -G ZIP` makes prismora-VERSION-windows-x86_64.zip: one folder with the game, the response
file as shipped, the licence and README.txt with Windows line ends. Unzipped, the game plays
from its folder under the emulator as the built one does, and names its version.
"""
import os, re, subprocess, sys, tempfile, zipfile

from game_harness import SHIPPED, game_folder, report, require

SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "user32.dll", "advapi32.dll"}
TYPED = b"start\nlook\n"


def imports(objdump, exe):
    dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}


def play(command, cwd, args=(), typed=b""):
    done = subprocess.run(command + list(args), input=typed, cwd=cwd, capture_output=True,
                          timeout=60)
    return done.returncode, done.stdout, done.stderr


def check(exe, objdump, cpack, build, version, emulator):
    dlls = imports(objdump, exe)
    require([("kernel32.dll" in dlls, f"no imports read: {dlls}"),
             (dlls <= SYSTEM_DLLS, f"imports beyond Windows' own: {dlls - SYSTEM_DLLS}")],
            "the .exe's DLLs")
    folder = f"prismora-{version}-windows-x86_64"
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([cpack, "-G", "ZIP", "--config", os.path.join(build, "CPackConfig.cmake"),
                        "-B", out], capture_output=True, check=True, timeout=300)
        with zipfile.ZipFile(os.path.join(out, folder + ".zip")) as archive:
            names = {name for name in archive.namelist() if not name.endswith("/")}
            expected = {f"{folder}/{name}" for name in
                        ("prismora.exe", "PlayerResponse.txt", "LICENSE.txt", "README.txt")}
            require([(names == expected, f"the zip holds {sorted(names)}")], "the zip")
            archive.extractall(out)
        unzipped = os.path.join(out, folder)
        with open(SHIPPED, "rb") as shipped, open(os.path.join(unzipped, "README.txt"), "rb") as f:
            readme = f.read()
            require([(open(os.path.join(unzipped, "PlayerResponse.txt"), "rb").read() ==
                      shipped.read(), "PlayerResponse.txt is not the one shipped"),
                     (readme.count(b"\n") == readme.count(b"\r\n") > 10,
                      "README.txt has not CR LF line ends"),
                     (version.encode() in readme, "README.txt names no version")], "the texts")
        game = emulator + [os.path.join(unzipped, "prismora.exe")]
        with game_folder(SHIPPED) as work:
            built = play(emulator + [exe], work, typed=TYPED)
        require([(play(game, unzipped, typed=TYPED) == built, "plays otherwise than the build's"),
                 (built[0] == 0 and b"Mountain Path" in built[1], f"the build's game: {built}"),
                 (play(game, unzipped, ["--version"])[1].endswith(f" {version}\n".encode()),
                  "--version")], "the unzipped game")


if __name__ == "__main__":
    sys.exit(report(check, *sys.argv[1:6], sys.argv[6:]))

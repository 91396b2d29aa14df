"""What the test scripts share: the game run in a folder of its own, its output read as it comes
from a pipe or a pseudo-terminal, every wait with a deadline."""
import contextlib, fcntl, os, re, select, shutil, struct, subprocess, sys, tempfile, termios, time

HERE = os.path.dirname(os.path.abspath(__file__))
TOKENS = os.path.join(HERE, "data", "TokenResponses.txt")
SHIPPED = os.path.join(HERE, "..", "data", "PlayerResponse.txt")
ESCAPE = re.compile(rb"\x1b\[[0-?]*[ -/]*[@-~]")
WAIT = 10.0


class Failure(Exception):
    pass


def require(checks, where):
    """Raises a Failure naming each `what` of the (ok, what) pairs that is not ok."""
    failed = [what for ok, what in checks if not ok]
    if failed:
        raise Failure(f"{where}: " + "; ".join(failed))


def report(test, *args):
    """Runs `test`; returns the exit status for CTest, 0 or 1 after printing the failure."""
    try:
        test(*args)
    except Failure as failure:
        print(f"FAILED: {failure}")
        return 1
    print("ok")
    return 0


def skip_without(tool, package):
    if not shutil.which(tool):
        print(f"SKIP: {tool} not found (Debian package {package})")
        sys.exit(77)


def environment(**settings):
    """The caller's environment without its colour wishes, plus `settings`."""
    env = {k: v for k, v in os.environ.items() if k not in ("NO_COLOR", "COLORTERM")}
    return dict(env, **settings)


@contextlib.contextmanager
def game_folder(responses):
    """A temporary working directory whose PlayerResponse.txt is a copy of `responses`; the games
    run meanwhile keep their saved games in it too, never in the tester's own folder."""
    before = os.environ.get("XDG_STATE_HOME")
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(responses, os.path.join(work, "PlayerResponse.txt"))
        os.environ["XDG_STATE_HOME"] = os.path.join(work, "state")
        try:
            yield work
        finally:
            if before is None:
                del os.environ["XDG_STATE_HOME"]
            else:
                os.environ["XDG_STATE_HOME"] = before


def start(game, cwd, columns=None, env=None, stdin=subprocess.PIPE, rows=24):
    """Starts the game; returns it and an Output on its standard output: a pipe, or with
    `columns` a new pseudo-terminal that wide and `rows` high, its controlling terminal as under
    a shell, which is its standard input too unless `stdin` is given."""
    if columns is None:
        proc = subprocess.Popen([game], cwd=cwd, env=env, stdin=stdin, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        return proc, Output(proc.stdout.fileno())
    master, slave = os.openpty()
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", rows, columns, 0, 0))
    proc = subprocess.Popen([game], cwd=cwd, env=env, stdout=slave, stderr=subprocess.PIPE,
                            stdin=slave if stdin == subprocess.PIPE else stdin,
                            start_new_session=True,
                            preexec_fn=lambda: fcntl.ioctl(1, termios.TIOCSCTTY, 0))
    os.close(slave)
    return proc, Output(master)


class Output:
    """All a game has written to `fd` so far (`seen`), and whether it has closed it (`ended`)."""

    def __init__(self, fd):
        self.fd, self.seen, self.ended = fd, b"", False

    def wait(self, done, what):
        deadline = time.monotonic() + WAIT
        while not done():
            ready = select.select([self.fd], [], [], max(0.0, deadline - time.monotonic()))[0]
            try:
                chunk = os.read(self.fd, 65536) if ready else None
            except OSError:  # a pseudo-terminal whose last user has gone
                chunk = b""
            self.seen += chunk or b""
            self.ended = chunk == b""
            if chunk is None or (self.ended and not done()):
                raise Failure(f"waiting for {what}, the game {'ended' if self.ended else 'hung'}")

    def expect(self, text, start=0):
        """Waits for `text` at or after offset `start`; returns the offset just past it."""
        self.wait(lambda: text in self.seen[start:], repr(text))
        return self.seen.index(text, start) + len(text)

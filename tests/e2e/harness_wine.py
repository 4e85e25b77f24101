"""The X display and the Wine prefix the end-to-end tests run in."""

from __future__ import annotations

import os
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
E2E_BUILD = REPO / "build" / "e2e"
SCREENSHOTS = E2E_BUILD / "screenshots"


# Every wait of the tests follows one rule: a condition, polled until it holds, and a limit in
# seconds that passes through limit(). A wait that is met returns at once, so the slack costs
# nothing on a pass and keeps a machine busy with other work from failing a check that is only
# slow. Polls sleep between looks, so the watching never takes the CPU from the program watched.
WAIT_SLACK = float(os.environ.get("TIKORA_WAIT_SLACK", "3"))
POLL = 0.1


def limit(seconds: float) -> float:
    """The time a wait of `seconds` may take on any machine."""
    return seconds * WAIT_SLACK


def wait_until(predicate, timeout: float, what: str = "condition", interval: float = POLL):
    """Polls `predicate` until it returns a true value, which is returned; fails once
    limit(timeout) has passed."""
    deadline = time.monotonic() + limit(timeout)
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError(f"{what} not reached within {limit(timeout):.1f} s")
        time.sleep(interval)


# ---- X display ----------------------------------------------------------------------------------

class XDisplay:
    """The X display the tests run on: an existing one, or a private Xvfb owned by this object."""

    def __init__(self, name: str, process: subprocess.Popen | None = None):
        self.name = name
        self._process = process

    @classmethod
    def existing(cls, name: str) -> "XDisplay":
        return cls(name)

    @classmethod
    def start(cls, width: int = 1280, height: int = 1024, first: int = 150, last: int = 250) -> "XDisplay":
        """Starts `Xvfb :N` on the first free display number in [first, last]."""
        for number in range(first, last + 1):
            if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
                continue
            process = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
            socket = Path(f"/tmp/.X11-unix/X{number}")
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline and process.poll() is None and not socket.exists():
                time.sleep(0.05)
            if socket.exists() and process.poll() is None:
                return cls(f":{number}", process)
            process.kill()
            process.wait()
        raise RuntimeError("no free X display number for Xvfb")

    def stop(self) -> None:
        if self._process and self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._process = None

    def screenshot(self, path: Path) -> Path | None:
        """Saves the whole display as PNG (ImageMagick's import); None when that fails."""
        path.parent.mkdir(parents=True, exist_ok=True)
        try:
            result = subprocess.run(["import", "-display", self.name, "-window", "root", str(path)],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        except (OSError, subprocess.TimeoutExpired):
            return None
        return path if result.returncode == 0 and path.exists() else None


# ---- Wine prefix --------------------------------------------------------------------------------

class WinePrefix:
    """A Wine prefix made fresh from the project's template, and the environment to run in it."""

    def __init__(self, path: Path, display: str):
        self.path = Path(path)
        self.env = dict(os.environ)
        self.env.update({
            "WINEPREFIX": str(self.path),
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "WINEARCH": "win64",
            "DISPLAY": display,
        })
        self._pristine_user_reg = self.path / "user.reg.pristine"

    @classmethod
    def create(cls, path: Path, display: str) -> "WinePrefix":
        if (Path(path) / "drive_c").exists():
            cls(path, display).stop_wineserver()  # a server left behind by an aborted run
        subprocess.run([str(REPO / "tools" / "wine-prefix"), str(path)], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
        prefix = cls(path, display)
        shutil.copyfile(prefix.path / "user.reg", prefix._pristine_user_reg)
        return prefix

    def run(self, args: list[str], timeout: float = 60, check: bool = False,
            input_bytes: bytes | None = None) -> subprocess.CompletedProcess:
        """Runs `wine ARGS...` to completion and returns its (bytes) output.

        The output goes through temporary files, not pipes: the first Wine process of a
        session starts wineserver and Wine's own services, which inherit its standard handles
        and live on, so reading a pipe to its end would wait for them."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.Popen(["wine", *args], env=self.env, stdout=out, stderr=err,
                                       stdin=subprocess.PIPE if input_bytes else subprocess.DEVNULL)
            try:
                if input_bytes:
                    process.stdin.write(input_bytes)
                    process.stdin.close()
                returncode = process.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                raise
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(["wine", *args], returncode, out.read(), err.read())
        if check:
            result.check_returncode()
        return result

    def start(self, args: list[str], log: Path | None = None) -> subprocess.Popen:
        """Starts `wine ARGS...` in the background; its Popen gives the Windows exit code."""
        stderr = open(log, "wb") if log else subprocess.DEVNULL
        try:
            return subprocess.Popen(["wine", *args], env=self.env, stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=stderr)
        finally:
            if log:
                stderr.close()

    def stop_wineserver(self) -> None:
        """Ends every Windows process of the prefix and waits until the server has gone."""
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30)
        subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30)

    def reset_user_registry(self) -> None:
        """Puts HKEY_CURRENT_USER back to the state the prefix was made with (server stopped)."""
        shutil.copyfile(self._pristine_user_reg, self.path / "user.reg")

    def unix_path(self, windows_path: str) -> Path:
        result = self.run(["winepath", "-u", windows_path], timeout=30, check=True)
        return Path(result.stdout.decode().strip())

    def windows_path(self, unix_path: Path) -> str:
        """The Windows path of a Unix file: through drive Z:, which the prefix maps to "/"
        (asking winepath only if it does not)."""
        z_drive = self.path / "dosdevices" / "z:"
        absolute = Path(unix_path).resolve()
        if z_drive.is_symlink() and os.readlink(z_drive) == "/":
            return "Z:" + str(absolute).replace("/", "\\")
        result = self.run(["winepath", "-w", str(absolute)], timeout=30, check=True)
        return result.stdout.decode().strip()

"""tikodrv.exe from Python: one long-running driver process per test ("tikodrv serve"), its
answers parsed from JSON, failures raised as DriverError."""

from __future__ import annotations

import json
import os
import select
import subprocess
import time
from pathlib import Path
from typing import Any, Iterable

from harness_wine import REPO, WinePrefix, limit, wait_until


def driver_exe() -> Path:
    return Path(os.environ.get("TIKODRV", REPO / "build" / "windows" / "tikodrv.exe"))


# ---- The driver ---------------------------------------------------------------------------------

class DriverError(RuntimeError):
    """tikodrv.exe ended with an error; `result` holds its JSON ({"error", "kind", "command"})."""

    def __init__(self, command: str, returncode: int, result: Any, stderr: str):
        self.command = command
        self.returncode = returncode
        self.result = result
        self.stderr = stderr
        message = result.get("error") if isinstance(result, dict) else None
        super().__init__(f"tikodrv {command} failed ({returncode}): {message or stderr.strip()}")

    @property
    def kind(self) -> str | None:
        return self.result.get("kind") if isinstance(self.result, dict) else None


def _option_args(options: dict[str, Any]) -> list[str]:
    """{"caption": "Tikora", "cls": "TForm1", "at": [(1, 2)], "visible": True} -> options."""
    args: list[str] = []
    for name, value in options.items():
        if value is None or value is False:
            continue
        # "cls" stands for --class, which Python does not allow as a keyword argument.
        flag = "--class" if name == "cls" else "--" + name.replace("_", "-")
        if value is True:
            args.append(flag)
        elif isinstance(value, list):
            for item in value:
                args += [flag, _option_value(item)]
        else:
            args += [flag, _option_value(value)]
    return args


def _option_value(value: Any) -> str:
    if isinstance(value, tuple):
        return ",".join(str(v) for v in value)
    if isinstance(value, Path):
        return str(value)
    return str(value)


class Driver:
    """Runs tikodrv.exe commands in a prefix and returns their parsed JSON.

    By default one driver process serves every command ("tikodrv serve"), which saves the
    second or so Wine needs to start a program; close() ends it. persistent=False runs one
    process per command instead.

    Keyword options map to the driver's options: caption="Tikora" is --caption Tikora,
    cls="TForm1" is --class TForm1, control_class="Button" is --control-class Button,
    at=[(1, 2)] is --at 1,2, visible=True is --visible. The methods take their limits in seconds.
    """

    def __init__(self, wine: WinePrefix, exe: Path | None = None, persistent: bool = True):
        self.wine = wine
        self.exe = Path(exe or driver_exe())
        self.persistent = persistent
        self._server: subprocess.Popen | None = None
        self._pending = b""

    def run(self, command: str, **options: Any) -> Any:
        """Runs one driver command and returns its JSON; raises DriverError when it fails."""
        args = [command, *_option_args(options)]
        timeout_ms = max(int(options.get("timeout") or 0), int(options.get("wait") or 0))
        timeout = 60 + timeout_ms / 1000
        if self.persistent:
            returncode, parsed, stderr = *self._ask(args, timeout), ""
        else:
            result = self.wine.run([str(self.exe), *args], timeout=timeout)
            stdout = result.stdout.decode("utf-8", errors="replace")
            returncode, parsed = result.returncode, _parse_json_output(stdout)
            stderr = result.stderr.decode("utf-8", errors="replace") + stdout
        if returncode != 0 or parsed is None:
            raise DriverError(command, returncode, parsed, stderr)
        return parsed

    def close(self) -> None:
        """Ends the driver's server process (it ends by itself at the end of its input)."""
        server, self._server = self._server, None
        if not server:
            return
        try:
            server.stdin.close()
            server.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            server.kill()
            server.wait()
        finally:
            server.stdout.close()

    def _ask(self, args: list[str], timeout: float) -> tuple[int, Any]:
        """One request to the server ("tikodrv serve"): a JSON array of arguments a line in,
        {"exit_code", "result"} a line out. The server is (re)started when needed."""
        if not self._server or self._server.poll() is not None:
            self.close()
            if not self.exe.exists():
                raise FileNotFoundError(f"{self.exe} does not exist: build the target tikodrv")
            self._server = subprocess.Popen(["wine", str(self.exe), "serve"], env=self.wine.env,
                                            stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                            stderr=subprocess.DEVNULL)
            self._pending = b""
        server = self._server
        server.stdin.write((json.dumps(args) + "\n").encode("utf-8"))
        server.stdin.flush()
        deadline = time.monotonic() + timeout
        while b"\n" not in self._pending:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                self.close()
                raise TimeoutError(f"tikodrv {args[0]} did not answer within {timeout:.0f} s")
            ready, _, _ = select.select([server.stdout], [], [], min(remaining, 0.5))
            if ready:
                chunk = os.read(server.stdout.fileno(), 65536)
                if not chunk:
                    self.close()
                    raise RuntimeError(f"tikodrv ended while running {args[0]}")
                self._pending += chunk
            elif server.poll() is not None:
                self.close()
                raise RuntimeError(f"tikodrv ended while running {args[0]}")
        line, _, self._pending = self._pending.partition(b"\n")
        answer = json.loads(line.decode("utf-8"))
        return answer["exit_code"], answer["result"]

    # Windows. Every limit is in seconds and passes through limit(); the driver takes milliseconds.
    def windows(self, **filters) -> list[dict]:
        return self.run("windows", **filters)

    def wait_window(self, caption: str | None = None, timeout: float = 20, **filters) -> dict:
        return self.run("wait-window", caption=caption, timeout=_ms(timeout), **filters)

    def wait_gone(self, timeout: float = 20, **filters) -> dict:
        return self.run("wait-gone", timeout=_ms(timeout), **filters)

    def wait_shown(self, cls: str, pid: int, timeout: float = 10) -> dict:
        """The window of class `cls` of the process, once it is visible."""
        return self.wait_window(cls=cls, pid=pid, visible=True, timeout=timeout)

    # Controls
    def controls(self, **window) -> list[dict]:
        return self.run("controls", **window)["controls"]

    def control(self, **window_and_control) -> dict:
        return self.run("control", **window_and_control)

    def click(self, mode: str = "post", **window_and_control) -> dict:
        return self.run("click", mode=mode, **window_and_control)

    def check(self, state: int = 1, timeout: float = 5, **window_and_control) -> dict:
        return self.run("check", state=state, timeout=_ms(timeout), **window_and_control)

    def select(self, **window_control_and_item) -> dict:
        return self.run("select", **window_control_and_item)

    def scroll(self, position: int, **window_and_control) -> dict:
        return self.run("scroll", position=position, **window_and_control)

    def tab(self, **window_control_and_item) -> dict:
        return self.run("tab", **window_control_and_item)

    def set_text(self, value: str, **window_and_control) -> dict:
        return self.run("set-text", value=value, **window_and_control)

    # Messages
    def post(self, msg: int, wparam: int = 0, lparam: int = 0, **target) -> dict:
        return self.run("post", msg=msg, wparam=wparam, lparam=lparam, **target)

    def send(self, msg: int, wparam: int = 0, lparam: int = 0, **target) -> dict:
        return self.run("send", msg=msg, wparam=wparam, lparam=lparam, **target)

    # Message boxes
    def message_boxes(self, **filters) -> list[dict]:
        return self.run("message-boxes", **filters)

    def wait_message_box(self, timeout: float = 20, **filters) -> dict:
        return self.run("wait-message-box", timeout=_ms(timeout), **filters)

    def dismiss_message_box(self, button: str, timeout: float = 20, **filters) -> dict:
        return self.run("dismiss-message-box", button=button, timeout=_ms(timeout), **filters)

    # Popup menus
    def menu(self, timeout: float = 20, **filters) -> dict:
        return self.run("menu", timeout=_ms(timeout), **filters)

    def menu_select(self, item: str, timeout: float = 20, **filters) -> dict:
        return self.run("menu-select", item=item, timeout=_ms(timeout), **filters)

    def menu_dismiss(self, timeout: float = 20, **filters) -> dict:
        return self.run("menu-dismiss", timeout=_ms(timeout), **filters)

    # Pixels
    def capture(self, out: Path, **area) -> dict:
        Path(out).parent.mkdir(parents=True, exist_ok=True)
        return self.run("capture", out=Path(out), **area)

    def capture_image(self, out: Path, **area):
        """Captures into `out` (BMP) and returns it as an RGB PIL image."""
        from PIL import Image  # Debian's python3-pil
        self.capture(out, **area)
        with Image.open(out) as image:
            return image.convert("RGB")

    def capture_until(self, out: Path, predicate, timeout: float = 20, **area):
        """Captures again and again until `predicate(image)` holds (a window appears on screen
        a little after it exists); returns that image, or fails with the last one saved."""
        def looked():
            image = self.capture_image(out, **area)
            return image if predicate(image) else None
        return wait_until(looked, timeout, what=f"the pixels of {Path(out).name}")

    def capture_still(self, out: Path, timeout: float = 20, **area):
        """Captures until two looks half a second apart agree: a window full of controls is
        painted a little at a time."""
        previous = [None]

        def still():
            image = self.capture_image(out, **area)
            same = previous[0] is not None and list(image.getdata()) == list(previous[0].getdata())
            previous[0] = image
            return image if same else None
        return wait_until(still, timeout, what=f"{Path(out).name} holding still", interval=0.5)

    def settle(self, hwnd: int) -> None:
        """Waits until the window's thread has handled what was queued before now: two round
        trips of WM_NULL, so a pending paint gets its turn in between."""
        for _ in range(2):
            self.send(0, hwnd=hwnd, send_timeout=_ms(10))

    def pixels(self, points: Iterable[tuple[int, int]], **area) -> list[dict]:
        return self.run("pixel", at=list(points), **area)

    # Input
    def mouse(self, at: tuple[int, int], **options) -> dict:
        return self.run("mouse", at=at, **options)

    def key(self, vk: int, action: str = "press") -> dict:
        return self.run("key", vk=vk, action=action)

    def park_pointer(self) -> None:
        """The pointer belongs to the display and outlives a test: in a corner, away from every
        window, what one look did with it cannot show (a hover effect) in the next."""
        self.mouse((0, self.run("screen")["height"] - 1), action="move")

    def backdrop(self, rgb: tuple[int, int, int] | None = (0x2F, 0x5F, 0x8F)) -> dict:
        """Puts a window of colour `rgb` under every other window (None removes it), so
        see-through pixels show a known colour. Lives as long as this driver's server; create
        it before the program's windows, since Wine stacks a newly shown window on top."""
        if rgb is None:
            return self.run("backdrop", off=True)
        r, g, b = rgb
        return self.run("backdrop", color=f"0x{r:02X}{g:02X}{b:02X}")

    # Processes
    def process(self, pid: int, wait: float | None = None) -> dict:
        return self.run("process", pid=pid, wait=None if wait is None else _ms(wait))

    def processes(self, name: str | None = None) -> list[dict]:
        return self.run("processes", name=name)

    def kill(self, name: str) -> list[int]:
        """Ends every process of that image name at once; returns their ids."""
        return self.run("kill", name=name, wait=_ms(10))["ended"]


def _ms(seconds: float) -> int:
    return int(limit(seconds) * 1000)


def _parse_json_output(stdout: str) -> Any:
    text = stdout.strip()
    if not text:
        return None
    try:
        return json.loads(text)
    except json.JSONDecodeError:
        # Wine may print a stray line of its own; the driver's value is the last JSON line.
        for line in reversed(text.splitlines()):
            line = line.strip()
            if line.startswith(("{", "[")):
                try:
                    return json.loads(line)
                except json.JSONDecodeError:
                    continue
        return None

"""End-to-end harness: a private X display, a fresh Wine prefix, the running program, the
window driver (tikodrv.exe), the registry and screenshots.

Everything here is plain Python with no pytest dependency, so a developer can drive the
program by hand from an interpreter:

    >>> from tikora_harness import *
    >>> display = XDisplay.start()                 # or XDisplay.existing(":0")
    >>> wine = WinePrefix.create(REPO / "build/e2e/manual-prefix", display.name)
    >>> app = TikoraProgram(wine).start()
    >>> Driver(wine).windows(caption="Tikora")
"""

from __future__ import annotations

import os
import signal
import subprocess
import time
from dataclasses import dataclass
from pathlib import Path

from harness_driver import Driver, DriverError, driver_exe
from harness_registry import Registry, signed32
from harness_wine import E2E_BUILD, REPO, SCREENSHOTS, WinePrefix, XDisplay, limit, wait_until

__all__ = [
    "Driver", "DriverError", "driver_exe", "Registry", "signed32", "CAPTURES",
    "E2E_BUILD", "REPO", "SCREENSHOTS", "WinePrefix", "XDisplay", "limit", "wait_until", "tikora_exe",
    "TikoraProgram", "ProgramWindow", "CLOCK_CAPTION", "CLOCK_CLASS", "TRAY_CALLBACK",
    "WM_CLOSE", "WM_COMMAND", "WM_LBUTTONDOWN", "WM_RBUTTONDOWN", "WS_EX_LAYERED",
    "WS_EX_TOOLWINDOW", "WS_EX_TOPMOST", "WS_POPUP",
]

WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
WM_RBUTTONDOWN = 0x0204
WM_LBUTTONDOWN = 0x0201
TRAY_CALLBACK = 0x0401
WS_EX_TOOLWINDOW = 0x00000080
WS_EX_TOPMOST = 0x00000008
WS_EX_LAYERED = 0x00080000
WS_POPUP = 0x80000000
CLOCK_CAPTION = "Tikora"
CLOCK_CLASS = "TForm1"
CAPTURES = E2E_BUILD / "captures"


def tikora_exe() -> Path:
    return Path(os.environ.get("TIKORA_EXE", REPO / "build" / "windows" / "tikora.exe"))


# ---- The program --------------------------------------------------------------------------------

@dataclass
class ProgramWindow:
    hwnd: int
    pid: int
    record: dict


class TikoraProgram:
    """One run of tikora.exe under Wine."""

    def __init__(self, wine: WinePrefix, driver: Driver | None = None, exe: Path | None = None,
                 log: Path | None = None):
        self.wine = wine
        self.driver = driver or Driver(wine)
        self.exe = Path(exe or tikora_exe())
        self.log = log
        self.process: subprocess.Popen | None = None
        self.clock: ProgramWindow | None = None

    def start(self, wait_for_clock: bool = True, timeout: float = 30) -> "TikoraProgram":
        if not self.exe.exists():
            raise FileNotFoundError(f"{self.exe} does not exist: build it first")
        if self.log:
            self.log.parent.mkdir(parents=True, exist_ok=True)
        self.process = self.wine.start([str(self.exe)], log=self.log)
        if wait_for_clock:
            self.wait_for_clock(timeout)
        return self

    def wait_for_clock(self, timeout: float = 30) -> ProgramWindow:
        """Waits until the clock window is shown and has handled its first messages; fails at
        once if the program ends first."""
        def shown():
            try:
                return self.driver.wait_window(CLOCK_CAPTION, cls=CLOCK_CLASS, visible=True, timeout=0.5)
            except DriverError as error:
                if error.kind != "timeout":
                    raise
                if self.process and self.process.poll() is not None:
                    raise RuntimeError(f"{self.exe.name} ended with exit code "
                                       f"{self.process.returncode} before showing its clock")
                return None
        record = wait_until(shown, timeout, what="the clock window shown")
        self.clock = ProgramWindow(record["hwnd"], record["pid"], record)
        self.driver.settle(self.clock.hwnd)
        return self.clock

    def restart(self, values: dict | None = None, registry: Registry | None = None) -> "TikoraProgram":
        """Ends the run through the tray menu's "Exit" (which writes nothing), stores `values`
        under HKCU\\Tikora, and starts again."""
        self.choose_from_tray_menu("Exit")
        assert self.wait_exit() == 0
        if values:
            registry.import_values(r"HKCU\Tikora", values)
        return self.start()

    def window(self, cls: str) -> dict:
        """The program's window of that class, as the driver sees it now."""
        return self.driver.windows(cls=cls, pid=self.pid)[0]

    def open_from_tray_menu(self, item: str, cls: str) -> dict:
        """Picks `item` from the tray menu and returns window `cls` once it shows and has
        handled what was queued."""
        self.choose_from_tray_menu(item)
        window = self.driver.wait_shown(cls, self.pid)
        self.driver.settle(window["hwnd"])
        return window

    @property
    def pid(self) -> int:
        """The Windows process id (as the driver reports it), known once the clock is up."""
        if not self.clock:
            raise RuntimeError("the clock window has not been seen yet")
        return self.clock.pid

    def tray_event(self, mouse_message: int) -> None:
        """Posts the tray icon's callback message (0x0401) with a mouse event, as the shell does."""
        self.driver.post(TRAY_CALLBACK, lparam=mouse_message, hwnd=self.clock.hwnd)

    def open_tray_menu(self) -> dict:
        """Right-clicks the tray icon and returns the popup menu the driver reads. Under Wine a
        window that is still being activated may close a menu the moment it opens: then the
        click is given again."""
        def opened():
            self.tray_event(WM_RBUTTONDOWN)
            try:
                return self.driver.menu(pid=self.pid, timeout=1)
            except DriverError as error:
                if error.kind != "timeout":
                    raise
                return None
        return wait_until(opened, 10, what="the tray menu open")

    def choose_from_tray_menu(self, item: str) -> dict:
        """Picks `item` from the tray menu; a menu that closed again under Wine's activation
        before the item could be picked is opened again."""
        def chosen():
            self.open_tray_menu()
            try:
                return self.driver.menu_select(item, pid=self.pid, timeout=1)
            except DriverError as error:
                if error.kind == "usage":
                    raise
                return None
        return wait_until(chosen, 10, what=f'"{item}" chosen from the tray menu')

    def running(self) -> bool:
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout: float = 20) -> int:
        """Waits for the program to end and returns its Windows exit code."""
        if not self.process:
            raise RuntimeError("not started")
        return self.process.wait(timeout=limit(timeout))

    def kill(self) -> None:
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass

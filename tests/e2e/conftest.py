"""pytest fixtures for the end-to-end tests: one X display and one fresh Wine prefix per session;
after every test a screenshot of the display, every Windows process ended and the user's
registry put back as the prefix was made, so each test starts on a clean profile."""

from __future__ import annotations

import os
import re

import pytest

from tikora_harness import (E2E_BUILD, SCREENSHOTS, Driver, Registry, TikoraProgram, WinePrefix,
                            XDisplay, driver_exe)


@pytest.fixture(scope="session")
def display():
    """The display named by DISPLAY (scripts/test starts one), or a private Xvfb."""
    name = os.environ.get("DISPLAY")
    if name:
        yield XDisplay.existing(name)
        return
    own = XDisplay.start()
    try:
        yield own
    finally:
        own.stop()


@pytest.fixture(scope="session")
def wine_session(display):
    prefix = WinePrefix.create(E2E_BUILD / "prefix", display.name)
    try:
        yield prefix
    finally:
        prefix.stop_wineserver()


def _test_file_name(node_name: str) -> str:
    return re.sub(r"[^A-Za-z0-9_.-]+", "_", node_name).strip("_") or "test"


@pytest.fixture
def screenshot(display, request):
    """Saves the display to build/e2e/screenshots/<test>.png, once per test; the fixtures call
    it before they end anything, and a test may call it earlier to keep a particular moment."""
    taken = []

    def take(force: bool = False):
        if taken and not force:
            return taken[0]
        path = display.screenshot(SCREENSHOTS / f"{_test_file_name(request.node.name)}.png")
        taken[:] = [path]
        return path

    return take


@pytest.fixture
def wine(wine_session, screenshot):
    """The session's prefix for one test; cleaned up after it (screenshot first)."""
    yield wine_session
    screenshot()
    wine_session.stop_wineserver()
    wine_session.reset_user_registry()


@pytest.fixture
def driver(wine):
    exe = driver_exe()
    if not exe.exists():
        pytest.fail(f"{exe} does not exist: build the target tikodrv first")
    driver = Driver(wine, exe)
    # The pointer belongs to the display and outlives a test: park it in a corner, away from
    # every window, so what one test did with it cannot show (a hover effect) in the next.
    screen = driver.run("screen")
    driver.mouse((0, screen["height"] - 1), action="move")
    yield driver
    driver.close()


@pytest.fixture
def backdrop(driver):
    """A known desktop colour under every window for the test; request it before starting the
    program. Returns the colour as an (r, g, b) tuple."""
    colour = (0x2F, 0x5F, 0x8F)
    driver.backdrop(colour)
    return colour


@pytest.fixture
def registry(wine):
    return Registry(wine, E2E_BUILD / "registry")


@pytest.fixture
def tikora(wine, driver, screenshot, request):
    """A not yet started run of tikora.exe; call .start(). Killed after the test if still running."""
    log = E2E_BUILD / "logs" / f"{_test_file_name(request.node.name)}.log"
    program = TikoraProgram(wine, driver, log=log)
    yield program
    if program.running():
        screenshot()
    program.kill()

"""pytest fixtures for the end-to-end tests: one X display and one Wine prefix for the session,
one Wine (server and driver) for each test module. Between the tests of a module the programs a
test left running are ended and the user's registry keys the program touches are put back, so
every test starts on a clean profile without paying for a new Wine. A test marked
`ends_wine_session` (a log-off ends every process of the session) gets a new Wine after it.

Every test has a deadline (`@pytest.mark.deadline(seconds)`, 60 s of work by default, stretched
by the wait slack), so a hang fails in minutes. Tests marked `harness` check the harness and
Wine rather than the program: they run only when the harness has changed since they last passed
(tests/e2e/harness.sha256 holds the harness's fingerprint then; commit it with the change)."""

from __future__ import annotations

import hashlib
import os
import re
import shutil
import signal

import pytest

from tikora_harness import (CAPTURES, E2E_BUILD, REPO, SCREENSHOTS, Driver, Registry, TikoraProgram, WinePrefix,
                            XDisplay, driver_exe, limit)

# What the program writes in the user's registry, put back after every test: its settings and
# records, the start-with-Windows value, and the screen's DPI that the scaling tests set.
WATCHED_KEYS = [r"HKCU\Tikora", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run",
                r"HKCU\Control Panel\Desktop"]
DEFAULT_DEADLINE = 60
HARNESS_STAMP = REPO / "tests" / "e2e" / "harness.sha256"
HARNESS_FILES = ["tests/e2e/conftest.py", "tests/e2e/harness_*.py", "tests/e2e/tikora_harness.py",
                 "tests/e2e/test_harness.py",
                 "tools/driver/*.cpp", "tools/driver/*.h"]


def pytest_configure(config):
    config.addinivalue_line("markers", "deadline(seconds): the test's own deadline, before the wait slack")
    config.addinivalue_line("markers", "ends_wine_session: the test ends every Windows process of the session")
    config.addinivalue_line("markers", "harness: checks the harness and Wine; runs only when the harness changed")


# ---- Harness tests: only when the harness changed -------------------------------------------------

def harness_fingerprint() -> str:
    digest = hashlib.sha256()
    for pattern in HARNESS_FILES:
        for path in sorted(REPO.glob(pattern)):
            digest.update(path.relative_to(REPO).as_posix().encode() + b"\0" + path.read_bytes())
    return digest.hexdigest()


def pytest_collection_modifyitems(config, items):
    stamped = HARNESS_STAMP.read_text().strip() if HARNESS_STAMP.exists() else ""
    config.harness_changed = stamped != harness_fingerprint() or bool(os.environ.get("TIKORA_HARNESS_TESTS"))
    config.harness_failed = False
    if config.harness_changed:
        return
    skip = pytest.mark.skip(reason="the harness has not changed since its tests last passed")
    for item in items:
        if item.get_closest_marker("harness"):
            item.add_marker(skip)


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    if item.get_closest_marker("harness") and outcome.get_result().failed:
        item.config.harness_failed = True


def pytest_sessionfinish(session, exitstatus):
    config = session.config
    ran = any(item.get_closest_marker("harness") for item in session.items)
    if getattr(config, "harness_changed", False) and ran and not config.harness_failed:
        HARNESS_STAMP.write_text(harness_fingerprint() + "\n")


# ---- Display and Wine ---------------------------------------------------------------------------

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
    # What an earlier run left to look at would mislead: start with none of it.
    for folder in (SCREENSHOTS, CAPTURES):
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
    prefix = WinePrefix.create(E2E_BUILD / "prefix", display.name)
    try:
        yield prefix
    finally:
        prefix.stop_wineserver()


@pytest.fixture(scope="module")
def wine(wine_session):
    """One Wine for the module; at its end the server stops and HKCU is as the prefix was made."""
    yield wine_session
    wine_session.stop_wineserver()
    wine_session.reset_user_registry()


@pytest.fixture(scope="module")
def driver(wine):
    exe = driver_exe()
    if not exe.exists():
        pytest.fail(f"{exe} does not exist: build the target tikodrv first")
    driver = Driver(wine, exe)
    yield driver
    driver.close()


@pytest.fixture(scope="module")
def registry(driver):
    return Registry(driver)


@pytest.fixture(scope="module")
def pristine(registry):
    """The watched keys as the module found them."""
    return registry.snapshot(WATCHED_KEYS)


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


class DeadlinePassed(Exception):
    pass


@pytest.fixture(autouse=True)
def deadline(request):
    marker = request.node.get_closest_marker("deadline")
    seconds = limit(marker.args[0] if marker else DEFAULT_DEADLINE)

    def passed(signum, frame):
        raise DeadlinePassed(f"{request.node.name} passed its deadline of {seconds:.0f} s")

    previous = signal.signal(signal.SIGALRM, passed)
    signal.setitimer(signal.ITIMER_REAL, seconds)
    yield
    signal.setitimer(signal.ITIMER_REAL, 0)
    signal.signal(signal.SIGALRM, previous)


@pytest.fixture(autouse=True)
def clean_slate(request, wine, driver, registry, pristine, screenshot):
    """Runs a test on a clean profile and leaves one: after it, a screenshot, every program of
    the tests ended, the watched registry keys as the module found them, the pointer parked."""
    driver.park_pointer()
    yield
    screenshot()
    if request.node.get_closest_marker("ends_wine_session"):
        driver.close()
        wine.stop_wineserver()
        wine.reset_user_registry()
        return
    for image in ("tikora.exe", "notepad.exe"):
        driver.kill(image)
    registry.restore(pristine)


@pytest.fixture
def backdrop(driver):
    """A known desktop colour under every window for the test; request it before starting the
    program. Returns the colour as an (r, g, b) tuple."""
    colour = (0x2F, 0x5F, 0x8F)
    driver.backdrop(colour)
    yield colour
    driver.backdrop(None)


@pytest.fixture
def tikora(wine, driver, screenshot, request):
    """A not yet started run of tikora.exe; call .start(). Ended after the test."""
    log = E2E_BUILD / "logs" / f"{_test_file_name(request.node.name)}.log"
    program = TikoraProgram(wine, driver, log=log)
    yield program
    if program.running():
        screenshot()
    program.kill()

"""The program on screens scaled to 100, 150 and 200 % (200 % where the screen is large enough for
it): the control panel, the planner and today's date grow with the scaling, while the clock
keeps its 240 x 240 pixels and shows exactly the same face. Every window is captured at every
scaling into build/e2e/screenshots (scaling_<percent>_<window>.png) to be looked at."""

import time

from tikora_harness import CLOCK_CLASS, SCREENSHOTS, wait_until
from test_clock_window import CAPTURES, capture_clock

SCALINGS = (96, 144, 192)
PAGES = ("Main Settings", "Clock Color Settings", "RSS Reader")


def scaled(value, dpi):
    """A 96-DPI size at `dpi`, halves away from zero as the program rounds."""
    return (value * dpi + 48) // 96


def set_screen_dpi(registry, dpi):
    # Wine reads the screen's DPI when a program starts.
    registry.import_values(r"HKCU\Control Panel\Desktop", {"LogPixels": ("REG_DWORD", dpi)})


def client_size(window):
    return (window["client"]["width"], window["client"]["height"])


def keep_picture(driver, window, name, screen):
    """Saves the window's client area as screenshots/scaling_<name>.png when it is all on the
    screen (at 200 % the panel needs a screen wider than 1280 pixels)."""
    client = window["client"]
    if client["left"] < 0 or client["top"] < 0 or client["left"] + client["width"] > screen["width"] or \
            client["top"] + client["height"] > screen["height"]:
        return
    # Painting a window full of controls takes Wine a while: the picture counts once it holds still.
    path = CAPTURES / f"scaling_{name}.bmp"
    image, before = driver.capture_image(path, hwnd=window["hwnd"]), None
    deadline = time.monotonic() + 20
    while before is None or list(image.getdata()) != list(before.getdata()):
        assert time.monotonic() < deadline, f"{name} never held still"
        time.sleep(0.5)
        image, before = driver.capture_image(path, hwnd=window["hwnd"]), image
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    image.save(SCREENSHOTS / f"scaling_{name}.png")


def test_windows_grow_with_the_scaling_and_the_face_keeps_its_pixels(tikora, driver, registry):
    tikora.start()
    tikora.choose_from_tray_menu("Exit")
    assert tikora.wait_exit(timeout=20) == 0
    # All hands off: nothing on the face moves from one start to the next.
    registry.import_values(r"HKCU\Tikora", {"cal_of": ("REG_DWORD", 1)})
    screen = driver.run("screen")
    # The scalings whose control panel (with its frame) fits the screen: 200 % needs one wider
    # than 1500 pixels, as screens set to 200 % are.
    scalings = [dpi for dpi in SCALINGS
                if scaled(760, dpi) <= screen["width"] and scaled(540, dpi) <= screen["height"]]
    faces = {}
    for dpi in scalings:
        percent = dpi * 100 // 96
        set_screen_dpi(registry, dpi)
        tikora.start()

        def window(cls):
            return driver.windows(cls=cls, pid=tikora.pid)[0]

        clock = window(CLOCK_CLASS)
        assert (clock["rect"]["width"], clock["rect"]["height"]) == (240, 240), dpi
        faces[dpi] = capture_clock(driver, tikora, f"scaling_face_{percent}.bmp")

        tikora.choose_from_tray_menu("Control Panel")
        wait_until(lambda: window("TForm2")["visible"], 10, what="control panel shown")
        panel = window("TForm2")
        assert client_size(panel) == (scaled(731, dpi), scaled(499, dpi)), dpi
        for number, page in enumerate(PAGES, 1):
            driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", item=page)
            driver.settle(panel["hwnd"])
            keep_picture(driver, window("TForm2"), f"{percent}_panel_{number}", screen)

        tikora.choose_from_tray_menu("Daily Planner")
        wait_until(lambda: window("TForm3")["visible"], 10, what="planner shown")
        driver.settle(window("TForm3")["hwnd"])
        keep_picture(driver, window("TForm3"), f"{percent}_planner", screen)

        tikora.choose_from_tray_menu("Today's Date")
        wait_until(lambda: window("TForm7")["visible"], 10, what="today's date shown")
        page = window("TForm7")
        assert client_size(page)[0] == scaled(330, dpi), dpi
        driver.settle(page["hwnd"])
        keep_picture(driver, page, f"{percent}_date", screen)

        tikora.choose_from_tray_menu("Exit")
        assert tikora.wait_exit(timeout=20) == 0

    assert len(scalings) >= 2
    for dpi in scalings[1:]:
        assert list(faces[dpi].getdata()) == list(faces[96].getdata()), f"the face at {dpi} DPI differs"

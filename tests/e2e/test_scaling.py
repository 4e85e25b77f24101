"""The program on screens scaled to 100, 150 and 200 % (200 % where the screen is large enough for
it): the control panel, the planner and today's date grow with the scaling, while the clock
keeps its 240 x 240 pixels and shows exactly the same face. Every window is captured at every
scaling into build/e2e/screenshots (scaling_<percent>_<window>.png) to be looked at."""

import pytest

from tikora_harness import CAPTURES, CLOCK_CLASS, SCREENSHOTS
from test_clock_window import capture_clock

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
    driver.capture_still(CAPTURES / f"scaling_{name}.bmp", hwnd=window["hwnd"]).save(
        SCREENSHOTS / f"scaling_{name}.png")


@pytest.mark.deadline(120)
def test_windows_grow_with_the_scaling_and_the_face_keeps_its_pixels(tikora, driver, registry):
    # All hands off: nothing on the face moves from one start to the next.
    tikora.start()
    tikora.restart(registry=registry, values={"cal_of": ("REG_DWORD", 1)})
    tikora.choose_from_tray_menu("Exit")
    assert tikora.wait_exit() == 0
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

        clock = tikora.window(CLOCK_CLASS)
        assert (clock["rect"]["width"], clock["rect"]["height"]) == (240, 240), dpi
        faces[dpi] = capture_clock(driver, tikora, f"scaling_face_{percent}.bmp")

        panel = tikora.open_from_tray_menu("Control Panel", "TForm2")
        assert client_size(panel) == (scaled(731, dpi), scaled(499, dpi)), dpi
        for number, page in enumerate(PAGES, 1):
            driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", item=page)
            driver.settle(panel["hwnd"])
            keep_picture(driver, tikora.window("TForm2"), f"{percent}_panel_{number}", screen)

        keep_picture(driver, tikora.open_from_tray_menu("Daily Planner", "TForm3"), f"{percent}_planner", screen)
        page = tikora.open_from_tray_menu("Today's Date", "TForm7")
        assert client_size(page)[0] == scaled(330, dpi), dpi
        keep_picture(driver, page, f"{percent}_date", screen)

        tikora.choose_from_tray_menu("Exit")
        assert tikora.wait_exit() == 0

    assert len(scalings) >= 2
    for dpi in scalings[1:]:
        assert list(faces[dpi].getdata()) == list(faces[96].getdata()), f"the face at {dpi} DPI differs"

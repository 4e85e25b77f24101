"""The window driver and the harness, proven on the real program and on a Wine program: the
clock window's attributes and pixels, ending with exit code 0, message boxes, popup menus, the
registry round trip and the driver's own failure reports."""

import math

import pytest

from tikora_harness import (CLOCK_CAPTION, CLOCK_CLASS, E2E_BUILD, WM_CLOSE, WS_EX_LAYERED,
                            WS_EX_TOOLWINDOW, WS_POPUP, DriverError, signed32)

WM_CONTEXTMENU = 0x007B
EM_SETMODIFY = 0x00B9
CAPTURES = E2E_BUILD / "captures"


def radius(x, y):
    return math.hypot(x - 119.5, y - 119.5)


def ring_is_drawn(image, desktop_rgb):
    """Every pixel of the built-in frame's ring (radius 100 to 113 around the centre) is on
    screen: neither the desktop below nor white."""
    return all(image.getpixel((x, y)) not in (desktop_rgb, (255, 255, 255))
               for y in range(240) for x in range(240) if 100 <= radius(x, y) <= 113)


def test_clock_window_is_a_layered_tool_window_at_the_upper_right(tikora, driver):
    tikora.start()
    screen = driver.run("screen")
    windows = driver.windows(caption=CLOCK_CAPTION)
    assert len(windows) == 1
    clock = windows[0]
    assert clock["class"] == CLOCK_CLASS
    assert clock["pid"] == tikora.pid
    assert clock["visible"]
    assert clock["ex_style"] & (WS_EX_LAYERED | WS_EX_TOOLWINDOW) == WS_EX_LAYERED | WS_EX_TOOLWINDOW
    assert clock["style"] & WS_POPUP
    assert clock["layered"]["uses_color_key"]
    assert clock["layered"]["color_key"] == 0xFFFFFF
    assert clock["rect"] == {"left": screen["width"] - 240 - 30, "top": 30,
                             "right": screen["width"] - 30, "bottom": 270,
                             "width": 240, "height": 240}
    # Borderless: the client area is the whole window.
    assert clock["client"] == {"left": clock["rect"]["left"], "top": 30, "width": 240, "height": 240}


def test_white_is_see_through_and_the_frame_shows_on_the_desktop(backdrop, tikora, driver):
    tikora.start()
    desktop_rgb = backdrop

    image = driver.capture_until(CAPTURES / "clock.bmp", lambda im: ring_is_drawn(im, desktop_rgb),
                                 hwnd=tikora.clock.hwnd)
    assert image.size == (240, 240)
    # Every pure white pixel of the window is keyed out, so none reaches the screen, and all
    # around the round frame the desktop shows through.
    pixels = [(x, y, image.getpixel((x, y))) for y in range(240) for x in range(240)]
    assert [p for p in pixels if p[2] == (255, 255, 255)] == []
    assert [p for p in pixels if radius(p[0], p[1]) >= 121 and p[2] != desktop_rgb] == []

    # The driver's single-pixel reads agree with its capture.
    points = [(0, 0), (120, 4), (4, 120)]
    for read, point in zip(driver.pixels(points, hwnd=tikora.clock.hwnd), points):
        assert (read["r"], read["g"], read["b"]) == image.getpixel(point)


def test_closing_the_clock_window_ends_the_program_with_exit_code_zero(tikora, driver, screenshot):
    tikora.start()
    screenshot()
    driver.post(WM_CLOSE, hwnd=tikora.clock.hwnd)
    assert tikora.wait_exit(timeout=20) == 0
    assert driver.windows(caption=CLOCK_CAPTION) == []


def test_message_box_and_popup_menu_of_another_process(wine, driver, screenshot):
    notepad = wine.start(["notepad"])
    window = driver.wait_window(cls="Notepad", timeout=30000)
    pid = window["pid"]
    edit = driver.control(hwnd=window["hwnd"], control_class="Edit")
    driver.set_text("Tikora", hwnd=window["hwnd"], control=edit["hwnd"])
    assert driver.control(hwnd=window["hwnd"], control=edit["hwnd"])["text"] == "Tikora"

    # The edit control's own popup menu, read from inside its process.
    driver.post(WM_CONTEXTMENU, wparam=edit["hwnd"], lparam=0xFFFFFFFF, hwnd=edit["hwnd"])
    menu = driver.menu(pid=pid)
    items = [(i["text"], i["separator"], i["disabled"]) for i in menu["items"]]
    assert items[0] == ("&Undo", False, True)
    assert ("", True, True) in items
    assert items[-1] == ("Select &All", False, False)
    driver.menu_dismiss(pid=pid)
    assert driver.windows(cls="#32768", visible=True) == []

    # A changed document asks before closing; answering No ends notepad with exit code 0.
    driver.send(EM_SETMODIFY, wparam=1, hwnd=edit["hwnd"])
    driver.post(WM_CLOSE, hwnd=window["hwnd"])
    box = driver.wait_message_box(pid=pid)
    screenshot()
    assert box["caption"] == "Notepad"
    assert "Untitled" in box["text"]
    assert [b["label"] for b in box["buttons"]] == ["Yes", "No", "Cancel"]
    with pytest.raises(DriverError) as missing:
        driver.dismiss_message_box("Maybe", pid=pid, timeout=2000)
    assert "Cancel" in str(missing.value)
    pressed = driver.dismiss_message_box("No", pid=pid)
    assert pressed["pressed_id"] == 7
    assert notepad.wait(timeout=20) == 0


def test_registry_values_round_trip_through_the_harness(registry):
    assert registry.read_key(r"HKCU\Tikora") is None
    planner_item = bytes(range(256)) + bytes(128)  # long enough to wrap in the .reg file
    values = {
        "nrm_st": ("REG_DWORD", 0xFFFFFFFF),
        "com_fo": ("REG_SZ", 'Arial "Bold" \\ 1'),
        "dtp_da": ("REG_BINARY", bytes.fromhex("0000000000c0e340")),
        "path": ("REG_EXPAND_SZ", r"%TEMP%\ht.htm"),
        "Lista0": ("REG_BINARY", planner_item),
    }
    registry.import_values(r"HKCU\Tikora", values)
    # A value written by Wine's own tool, not by our .reg writer.
    wine = registry.wine
    assert wine.run(["reg", "add", r"HKCU\Tikora\Data", "/v", "lista_n", "/t", "REG_DWORD",
                     "/d", "3", "/f"]).returncode == 0

    stored = registry.read_key(r"HKCU\Tikora")
    assert stored == values
    assert signed32(stored["nrm_st"][1]) == -1
    tree = registry.export_tree(r"HKCU\Tikora")
    assert tree[r"HKEY_CURRENT_USER\Tikora\Data"] == {"lista_n": ("REG_DWORD", 3)}

    assert registry.delete_key(r"HKCU\Tikora")
    assert registry.read_key(r"HKCU\Tikora") is None
    assert not registry.delete_key(r"HKCU\Tikora")


def test_driver_reports_failures_as_json_with_distinct_exit_codes(driver):
    with pytest.raises(DriverError) as unknown:
        driver.run("no-such-command")
    assert unknown.value.returncode == 2 and unknown.value.kind == "usage"

    with pytest.raises(DriverError) as missing:
        driver.wait_window("No Such Window", timeout=300)
    assert missing.value.returncode == 3 and missing.value.kind == "timeout"
    assert "No Such Window" in missing.value.result["error"]

    with pytest.raises(DriverError) as bad_number:
        driver.run("post", hwnd="12x", msg=0)
    assert bad_number.value.returncode == 2

    gone = driver.process(pid=0x7FFFFFF0)
    assert gone == {"pid": 0x7FFFFFF0, "exists": False, "alive": False, "exit_code": None}

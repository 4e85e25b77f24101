"""The driver and the harness themselves, proven on a Wine program and on the real clock: message
boxes and popup menus of another process, single-pixel reads against a capture, the registry
round trip through the driver, and the driver's own failure reports. These check the harness,
not the program: they run only when the harness has changed (see conftest.py)."""

import pytest

from tikora_harness import DriverError, signed32, wait_until
from test_clock_window import CAPTURES, capture_clock

pytestmark = pytest.mark.harness
WM_CLOSE = 0x0010
WM_CONTEXTMENU = 0x007B
EM_SETMODIFY = 0x00B9


def test_message_box_and_popup_menu_of_another_process(wine, driver, screenshot):
    notepad = wine.start(["notepad"])
    window = driver.wait_window(cls="Notepad", timeout=30)
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
        driver.dismiss_message_box("Maybe", pid=pid, timeout=1)
    assert "Cancel" in str(missing.value)
    pressed = driver.dismiss_message_box("No", pid=pid)
    assert pressed["pressed_id"] == 7
    assert notepad.wait(timeout=20) == 0


def test_single_pixel_reads_agree_with_a_capture(backdrop, tikora, driver):
    tikora.start()
    image = capture_clock(driver, tikora, "pixels.bmp")
    points = [(0, 0), (120, 4), (4, 120)]
    for read, point in zip(driver.pixels(points, hwnd=tikora.clock.hwnd), points):
        assert (read["r"], read["g"], read["b"]) == image.getpixel(point)
    assert image.getpixel((0, 0)) == backdrop


def test_registry_values_round_trip_through_the_driver(registry, wine):
    assert registry.read_key(r"HKCU\Tikora") is None
    values = {
        "nrm_st": ("REG_DWORD", 0xFFFFFFFF),
        "com_fo": ("REG_SZ", 'Arial "Bold" \\ 1 = \u00e9'),
        "dtp_da": ("REG_BINARY", bytes.fromhex("0000000000c0e340")),
        "path": ("REG_EXPAND_SZ", r"%TEMP%\ht.htm"),
        "Lista0": ("REG_BINARY", bytes(range(256)) + bytes(128)),
        "names": ("REG_MULTI_SZ", ["one", "two"]),
        "big": ("REG_QWORD", 1 << 40),
    }
    registry.import_values(r"HKCU\Tikora", values)
    # A value written by Wine's own tool, not by the driver.
    assert wine.run(["reg", "add", r"HKCU\Tikora\Data", "/v", "lista_n", "/t", "REG_DWORD",
                     "/d", "3", "/f"]).returncode == 0
    stored = registry.read_key(r"HKCU\Tikora")
    assert stored == values
    assert signed32(stored["nrm_st"][1]) == -1
    assert registry.export_tree(r"HKCU\Tikora")[r"HKEY_CURRENT_USER\Tikora\Data"] == {"lista_n": ("REG_DWORD", 3)}

    # A snapshot put back: what was added since goes, what changed gets its old value.
    snapshot = registry.snapshot([r"HKCU\Tikora"])
    registry.import_values(r"HKCU\Tikora\Data", {"lista_n": ("REG_DWORD", 4), "Lista0": ("REG_BINARY", b"x")})
    registry.import_values(r"HKCU\Tikora\Data_", {"lista_r": ("REG_DWORD", 0)})
    registry.restore(snapshot)
    assert registry.snapshot([r"HKCU\Tikora"]) == snapshot

    assert registry.delete_value(r"HKCU\Tikora", "big") and not registry.delete_value(r"HKCU\Tikora", "big")
    assert registry.delete_key(r"HKCU\Tikora")
    assert registry.read_key(r"HKCU\Tikora") is None
    assert not registry.delete_key(r"HKCU\Tikora")


def test_driver_reports_failures_as_json_with_distinct_exit_codes(driver):
    with pytest.raises(DriverError) as unknown:
        driver.run("no-such-command")
    assert unknown.value.returncode == 2 and unknown.value.kind == "usage"

    with pytest.raises(DriverError) as missing:
        driver.wait_window("No Such Window", timeout=0.1)
    assert missing.value.returncode == 3 and missing.value.kind == "timeout"
    assert "No Such Window" in missing.value.result["error"]

    with pytest.raises(DriverError) as bad_number:
        driver.run("post", hwnd="12x", msg=0)
    assert bad_number.value.returncode == 2

    gone = driver.process(pid=0x7FFFFFF0)
    assert gone == {"pid": 0x7FFFFFF0, "exists": False, "alive": False, "exit_code": None}


def test_a_wait_ends_at_its_limit_and_names_what_it_waited_for():
    """wait_until gives up at its limit with the name of what it waited for."""
    with pytest.raises(TimeoutError, match="the impossible"):
        wait_until(lambda: False, 0.05, what="the impossible")

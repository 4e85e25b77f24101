"""The program without the mouse: from the tray icon by the shell's keyboard path to the control
panel, a power-off time set and cancelled there, then the daily planner, an item added and the
planner closed; every step by keys alone, each checked on the way."""

import pytest

from tikora_harness import CAPTURES, SCREENSHOTS, DriverError, wait_until

VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_UP, VK_RIGHT, VK_DOWN = 0x09, 0x0D, 0x1B, 0x20, 0x26, 0x27, 0x28
NIN_KEYSELECT = 0x0401  # Space or Enter on the icon, as the shell tells it
DATA = r"HKCU\Tikora\Data"
POWER_OFF = "Shutdown PC /Log off from Windows/Hibernation"


def menu_by_keyboard(tikora, driver, item):
    """The tray icon's menu, opened as the shell's keyboard path does, and `item` chosen with the
    arrow keys and Enter; returns the menu as it showed."""
    def opened():
        tikora.tray_event(NIN_KEYSELECT)
        try:
            return driver.menu(pid=tikora.pid, timeout=1)
        except DriverError as error:
            if error.kind != "timeout":
                raise
            return None
    menu = wait_until(opened, 10, what="the tray menu open by the keyboard")
    texts = [i["text"] for i in menu["items"]]
    for _ in range(texts.index(item) + 1):
        driver.key(VK_DOWN)
    wait_until(lambda: [i["text"] for i in driver.menu(pid=tikora.pid)["items"] if i["highlighted"]] == [item], 5,
               what=f"{item} highlighted")
    driver.capture_image(CAPTURES / "keyboard_menu.bmp", area="screen").save(SCREENSHOTS / "keyboard_menu.png")
    driver.key(VK_RETURN)
    return menu


def tab_to(driver, hwnd, control):
    """Tab until `control` has the focus; returns how many presses it took."""
    for presses in range(1, 120):
        driver.key(VK_TAB)
        driver.settle(hwnd)
        if driver.run("screen")["focus"] == control["hwnd"]:
            return presses
    raise AssertionError(f"Tab never reaches {control['text']!r}")


def type_text(driver, text):
    for letter in text:
        driver.key(ord(letter.upper()))


@pytest.mark.deadline(120)
def test_the_tray_menu_power_off_and_the_planner_by_the_keyboard_alone(tikora, driver, registry):
    tikora.start()
    menu_by_keyboard(tikora, driver, "Control Panel")
    panel = driver.wait_shown("TForm2", tikora.pid)
    hwnd = panel["hwnd"]
    driver.settle(hwnd)

    # Five minutes typed into the minutes box, armed with "Set Minutes", then cancelled.
    minutes = driver.controls(hwnd=hwnd, control_class="Edit", text="3")[0]
    tab_to(driver, hwnd, minutes)
    type_text(driver, "5")  # Tab selected the box's text: the digit replaces it
    wait_until(lambda: driver.control(hwnd=hwnd, control=minutes["hwnd"])["text"] == "5", 5, what="5 typed")
    set_minutes = driver.control(hwnd=hwnd, text="Set Minutes")
    tab_to(driver, hwnd, set_minutes)
    driver.key(VK_SPACE)

    def remaining():
        return [c["text"] for c in driver.controls(hwnd=hwnd, shown=True, control_class="Static", group=POWER_OFF)
                if c["text"].startswith("00:04:")]
    wait_until(lambda: driver.control(hwnd=hwnd, control=set_minutes["hwnd"])["checked"] and remaining(), 5,
               what="armed for five minutes")
    driver.capture_still(CAPTURES / "keyboard_panel_armed.bmp", hwnd=hwnd).save(
        SCREENSHOTS / "keyboard_panel_armed.png")
    driver.key(VK_SPACE)
    wait_until(lambda: not driver.control(hwnd=hwnd, control=set_minutes["hwnd"])["checked"] and not remaining(), 5,
               what="cancelled")
    assert driver.control(hwnd=hwnd, control=minutes["hwnd"])["enabled"]

    # The planner from the menu again: a title typed, Enter adds the item, OK closes it.
    menu_by_keyboard(tikora, driver, "Daily Planner")
    planner = driver.wait_shown("TForm3", tikora.pid)
    hwnd = planner["hwnd"]
    driver.settle(hwnd)
    # The time moved well away from now, so that no reminder comes up during the test: Right picks
    # a field of the time picker (the hours under Wine), thirty presses of Up step it.
    picker = driver.controls(hwnd=hwnd, control_class="SysDateTimePick32")[1]
    tab_to(driver, hwnd, picker)
    driver.key(VK_RIGHT)
    for _ in range(30):
        driver.key(VK_UP)
    wait_until(lambda: driver.control(hwnd=hwnd, control=picker["hwnd"])["value"] != picker["value"], 5,
               what="the time stepped")
    title = driver.controls(hwnd=hwnd, control_class="Edit")[0]
    tab_to(driver, hwnd, title)
    type_text(driver, "Keys only")
    driver.key(VK_RETURN)

    def rows():
        return driver.control(hwnd=hwnd, control_class="SysListView32")["items"]
    wait_until(lambda: len(rows()) == 1, 5, what="item added")
    assert rows()[0][3] == "keys only"  # the keys without Shift
    kind, stored = registry.read_key(DATA)["Lista0"]
    assert kind == "REG_BINARY" and stored.startswith(b"\tkeys only\0")
    driver.capture_still(CAPTURES / "keyboard_planner.bmp", hwnd=hwnd).save(SCREENSHOTS / "keyboard_planner.png")
    tab_to(driver, hwnd, driver.control(hwnd=hwnd, text="OK"))
    driver.key(VK_RETURN)
    wait_until(lambda: not tikora.window("TForm3")["visible"], 5, what="planner closed")

    # Enter on the icon comes as two key selects: one menu, and Escape leaves none behind.
    def menu_shown(within):
        try:
            return bool(driver.menu(pid=tikora.pid, timeout=within))
        except DriverError as error:
            if error.kind != "timeout":
                raise
            return False
    tikora.tray_event(NIN_KEYSELECT)
    tikora.tray_event(NIN_KEYSELECT)
    assert menu_shown(5)
    driver.key(VK_ESCAPE)
    wait_until(lambda: not menu_shown(0.2), 5, what="the menu closed")
    assert not menu_shown(2), "the second key select opened the menu again"

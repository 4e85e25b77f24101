"""The daily planner and its reminder in the real program: an item added through the planner
window for a minute the test takes from the program's own pickers, reminded by the popup in that
minute, and gone from the list and the registry once the popup is closed."""

import datetime
import struct
import time

import pytest

from tikora_harness import CAPTURES, SCREENSHOTS, WS_POPUP, wait_until

DATA = r"HKCU\Tikora\Data"
VK_RETURN, VK_RIGHT, VK_UP = 0x0D, 0x27, 0x26
WS_CAPTION = 0x00C00000
GREY, RED, BLUE = (128, 128, 128), (255, 0, 0), (0, 0, 255)


def stored(title: str, description: str, when: datetime.datetime, sound: bool) -> bytes:
    """A planner record as the program stores it: 384 bytes, texts in the ANSI code page."""
    record = bytearray(384)
    for offset, size, text in ((0, 96, title), (97, 255, description)):
        encoded = text.encode("cp1252")[:size]
        record[offset] = len(encoded)
        record[offset + 1:offset + 1 + len(encoded)] = encoded
    struct.pack_into("<dd", record, 360, float((when.date() - datetime.date(1899, 12, 30)).days),
                     (when.hour * 3600 + when.minute * 60) / 86400)
    record[376] = int(sound)
    return bytes(record)


def time_text(when: datetime.datetime) -> str:
    """The user's long time format of the prefix's English locale: "2:45:00 PM"."""
    return f"{when.hour % 12 or 12}:{when.minute:02d}:{when.second:02d} {'AM' if when.hour < 12 else 'PM'}"


def date_text(when: datetime.datetime) -> str:
    return f"{when.month}/{when.day}/{when.year}"


def picker_time(picker: dict) -> datetime.datetime:
    return datetime.datetime.strptime(picker["value"], "%Y-%m-%d %H:%M:%S")


def clear_of_midnight() -> datetime.datetime:
    """An item later today needs a today with minutes left in it: a run that starts in the last
    three minutes of a day waits for the next one (only how long the test takes depends on it)."""
    def fits():
        now = datetime.datetime.now()
        return (now.hour, now.minute) < (23, 57) and now
    return wait_until(fits, 60, interval=1, what="a time of day clear of midnight")


@pytest.mark.deadline(120)
def test_an_item_added_for_this_or_the_next_minute_is_reminded_then_deleted_by_closing(backdrop, tikora,
                                                                                       driver, registry):
    today = clear_of_midnight().replace(second=0, microsecond=0)
    earlier = [stored("Passed", "Yesterday's", today.replace(hour=12, minute=0) - datetime.timedelta(days=1), False),
               stored("Tonight", "Later today", today.replace(hour=23, minute=59), False),
               stored("Tomorrow", "Another day", today.replace(hour=9, minute=0) + datetime.timedelta(days=1), True)]
    registry.import_values(DATA, {"lista_n": ("REG_DWORD", 2),
                                  **{f"Lista{i}": ("REG_BINARY", r) for i, r in enumerate(earlier)}})
    tikora.start()
    planner = tikora.open_from_tray_menu("Daily Planner", "TForm3")
    hwnd = planner["hwnd"]
    assert planner["caption"] == "Daily Planner"
    screen = driver.run("screen")["work_area"]
    assert abs(planner["rect"]["left"] * 2 + planner["rect"]["width"] - screen["width"]) <= 1
    assert not driver.control(hwnd=hwnd, text="Delete Selected Item")["enabled"]
    pickers = driver.controls(hwnd=hwnd, control_class="SysDateTimePick32")
    # Both pickers open at the program's now (the time picker without its seconds); the item is
    # added for that minute when it has half a minute left, else for the next one.
    opened = picker_time(pickers[0])
    assert pickers[0]["value"][:16] == pickers[1]["value"][:16]
    due = opened.replace(second=0)
    if opened.second > 30:
        due += datetime.timedelta(minutes=1)
        time_picker = pickers[1]["client_rect"]  # its minutes field, one up
        driver.mouse((time_picker["left"] + 8, time_picker["top"] + 11), hwnd=hwnd)
        driver.key(VK_RIGHT)
        driver.key(VK_UP)
    driver.check(hwnd=hwnd, text="Notify with Sound", state=1)
    # Typed into the description (a multi-line edit tells no change set by a message).
    memo = driver.control(hwnd=hwnd, control_class="Edit", nth=1)["client_rect"]
    driver.mouse((memo["left"] + 20, memo["top"] + 11), hwnd=hwnd)
    for line, key in (("ask about the invoice", VK_RETURN), ("and the visit", None)):
        for letter in line:
            driver.key(ord(letter.upper()))
        if key:
            driver.key(key)
    title = driver.control(hwnd=hwnd, control_class="Edit", nth=0)
    driver.mouse((title["client_rect"]["left"] + 20, title["client_rect"]["top"] + 11), hwnd=hwnd)
    driver.set_text("Call Mr. Müller", hwnd=hwnd, control=title["hwnd"])
    driver.key(VK_RETURN)  # in the title: "Add to the List"

    def rows():
        return driver.control(hwnd=hwnd, control_class="SysListView32")["items"]

    wait_until(lambda: len(rows()) == 4, 5, what="item added")
    assert rows()[3] == ["4", date_text(due), time_text(due), "Call Mr. Müller",
                         "ask about the invoice and the visit", "Yes"]
    values = registry.read_key(DATA)
    assert values["lista_n"] == ("REG_DWORD", 3)
    kind, added = values["Lista3"]
    expected = stored("Call Mr. Müller", "ask about the invoice\r\nand the visit", due, True)
    # The date is the date picker's value, which keeps the time of day it was opened at.
    assert kind == "REG_BINARY" and added[:360] + added[368:] == expected[:360] + expected[368:]
    assert int(struct.unpack_from("<d", added, 360)[0]) == int(struct.unpack_from("<d", expected, 360)[0])
    # A row for each colour: passed, later today, a later day.
    image = driver.capture_image(CAPTURES / "planner.bmp", hwnd=hwnd)
    image.save(SCREENSHOTS / "planner_rows.png")
    box = driver.control(hwnd=hwnd, control_class="SysListView32")["client_rect"]
    listed = image.crop((box["left"], box["top"], box["right"], box["bottom"])).getdata()
    for colour in (GREY, RED, BLUE):
        assert sum(1 for p in listed if p == colour) > 30, colour
    # A row picked with the mouse in the list view may be deleted.
    driver.mouse((box["left"] + 60, box["top"] + 20 + 17 * 2 + 8), hwnd=hwnd)
    wait_until(lambda: driver.control(hwnd=hwnd, text="Delete Selected Item")["enabled"], 5,
               what="a selected row enables its deletion")

    popup = wait_until(lambda: [w for w in driver.windows(cls="TForm4", pid=tikora.pid) if w["visible"]],
                       70, what="reminder shown")[0]
    assert datetime.datetime.now() >= due
    driver.settle(popup["hwnd"])
    # The popup comes up raised: a moment on top, then back among the others.
    popup = wait_until(lambda: [w for w in driver.windows(cls="TForm4", pid=tikora.pid)
                                if w["visible"] and not w["topmost"]], 5, what="reminder back from its raise")[0]
    texts = {c["text"] for c in driver.controls(hwnd=popup["hwnd"])}
    assert {"Item num. 4", time_text(due), date_text(due), "Call Mr. Müller", "ask about the invoice\r\nand the visit",
            "Close"} <= texts
    assert popup["caption"] == "Call Mr. Müller"
    assert popup["style"] & WS_POPUP and not popup["style"] & WS_CAPTION
    assert (popup["client"]["width"], popup["client"]["height"]) == (492, 261)
    assert abs(popup["rect"]["left"] * 2 + 492 - screen["width"]) <= 1
    assert abs(popup["rect"]["top"] * 2 + 261 - screen["height"]) <= 1
    assert not tikora.window("TForm3")["visible"]
    assert driver.control(hwnd=hwnd, control_class="SysListView32")["selected_items"] == [3]
    shot = driver.capture_still(CAPTURES / "reminder.bmp", hwnd=popup["hwnd"])
    shot.save(SCREENSHOTS / "reminder_popup.png")
    assert shot.getpixel((250, 90)) == (0, 0, 0)  # the clock's background
    assert shot.getpixel((250, 4)) != (0, 0, 0) and shot.getpixel((250, 256)) != (0, 0, 0)  # the stripes

    close = driver.control(hwnd=popup["hwnd"], text="Close")["client_rect"]
    driver.mouse((close["left"] + 5, close["top"] + 5), hwnd=popup["hwnd"])
    wait_until(lambda: not tikora.window("TForm4")["visible"], 5, what="reminder closed")
    # The planner stays hidden; its list shows the deletion when it is opened again.
    assert tikora.open_from_tray_menu("Daily Planner", "TForm3")["hwnd"] == hwnd
    assert [row[3] for row in rows()] == ["Passed", "Tonight", "Tomorrow"]
    assert registry.read_key(DATA) == {"lista_n": ("REG_DWORD", 2),
                                       **{f"Lista{i}": ("REG_BINARY", r) for i, r in enumerate(earlier)}}

"""The clock window of the real program, in three journeys: the clock and its face (the window and
the other six, the face on the screen with its recoloured frame, disk, seconds marks, digits and
moving hands, the button strip, dragging); the tray icon and its menu (Hide / Show Clock, the
icon after a shell restart, the windows the menu and a click open, today's date page); one copy
at a time and the three ways to end, each with exit code 0 and nothing written."""

import math
import datetime
import time

import pytest
from PIL import Image

from tikora_harness import (CAPTURES, CLOCK_CAPTION, CLOCK_CLASS, REPO, SCREENSHOTS, WM_CLOSE, WM_LBUTTONDOWN,
                            WS_EX_LAYERED, WS_EX_TOOLWINDOW, WS_POPUP, wait_until)

MEDIA = REPO / "build" / "media"

WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_THICKFRAME = 0x00040000

BLACK = (0, 0, 0)
FUCHSIA = (255, 0, 255)
RED = (255, 0, 0)
MAROON = (128, 0, 0)
K = 0.017444444444444444445  # the face's degree-to-radian factor: 3.14 / 180

WATCHED_KEYS = [r"HKCU\Tikora", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"]


def ring_position(radius, degrees):
    # Python's round() takes halves to the even neighbour, as the face does.
    return (120 - round(radius * math.cos(degrees * K)), 120 - round(radius * math.sin(degrees * K)))


def radius(x, y):
    return math.hypot(x - 119.5, y - 119.5)


def rule6(rgb):
    """Frame colour rule 6, (c and 0xFF00FF) * 2, on a 0x00BBGGRR colour, low 24 bits."""
    r, g, b = rgb
    c = ((r | (b << 16)) * 2) & 0xFFFFFF
    return (c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)


def frame_outside_disk():
    """Every coloured pixel of the built-in frame that the face disk leaves uncovered."""
    with Image.open(MEDIA / "frame1.bmp") as frame:
        frame = frame.convert("RGB")
        return [((x, y), frame.getpixel((x, y))) for y in range(240) for x in range(240)
                if frame.getpixel((x, y)) != (255, 255, 255) and radius(x, y) > 103]


def face_is_drawn(image):
    return image.getpixel((27, 120)) == FUCHSIA and image.getpixel((120, 27)) == FUCHSIA


def hands_are_drawn(image):
    return any(image.getpixel((x, y)) == MAROON for y in range(40, 200) for x in range(40, 200))


def second_hand_angle(image, other):
    """Clockwise from 12 o'clock, in degrees: where the pixels between radius 77 and 86 that
    differ from `other`, a capture with the second hand elsewhere, are lit. Only the second hand
    reaches there (the minute hand ends at 73, the seconds marks begin at 89), and it is the only
    thing there that moves."""
    points = [(x, y) for y in range(240) for x in range(240)
              if 77 <= radius(x, y) <= 86 and image.getpixel((x, y)) != other.getpixel((x, y))
              and image.getpixel((x, y)) != BLACK]
    assert len(points) >= 5, "no second hand tip on the face"
    sx = sum(math.sin(math.atan2(x - 119.5, 119.5 - y)) for x, y in points)
    cx = sum(math.cos(math.atan2(x - 119.5, 119.5 - y)) for x, y in points)
    return math.degrees(math.atan2(sx, cx)) % 360


def angle_difference(a, b):
    return abs((a - b + 180) % 360 - 180)


def capture_clock(driver, tikora, name, predicate=face_is_drawn):
    return driver.capture_until(CAPTURES / name, predicate, hwnd=tikora.clock.hwnd)


def registry_state(registry):
    return {key: registry.export_tree(key) for key in WATCHED_KEYS}


def tray_picture(driver):
    """Which of the clock's pictures the notification area shows (0: clock shown, 1: hidden), read
    from Wine's stand-alone tray window; None without that window. That window repaints an icon
    only when something happens over it, so the pointer visits it first."""
    trays = driver.windows(cls="__winex11_standalone_tray")
    if not trays:
        return None
    tray = trays[0]["hwnd"]
    driver.mouse((1, 1), hwnd=tray, action="move")
    driver.mouse((10, 10), hwnd=tray, action="move")
    time.sleep(0.5)
    image = driver.capture_image(CAPTURES / "tray.bmp", hwnd=tray)
    driver.mouse((0, driver.run("screen")["height"] - 1), action="move")
    with Image.open(MEDIA / "clock_images.bmp") as strip:
        strip = strip.convert("RGB")
        for index in (0, 1):
            opaque = [(x, y, strip.getpixel((16 * index + x, y))) for y in range(16) for x in range(16)
                      if strip.getpixel((16 * index + x, y)) != FUCHSIA]
            if any(all(image.getpixel((ox + x, oy + y)) == rgb for x, y, rgb in opaque)
                   for oy in range(image.height - 15) for ox in range(image.width - 15)):
                return index
    return "neither"


def strip_pixels():
    """The strip's pixels as the clock shows them at (188, 221): recoloured by rule 6 like the
    frame, its white column left white."""
    with Image.open(MEDIA / "strip.bmp") as strip:
        strip = strip.convert("RGB")
        return {(188 + x, 221 + y): (rgb if rgb == (255, 255, 255) else rule6(rgb))
                for y in range(strip.height) for x in range(strip.width)
                for rgb in [strip.getpixel((x, y))]}


def strip_is_shown(image):
    return all(image.getpixel(xy) == rgb for xy, rgb in strip_pixels().items() if rgb != (255, 255, 255))


def the_windows_at_a_first_start(tikora, driver):
    screen = driver.run("screen")
    clock = driver.windows(caption=CLOCK_CAPTION)
    assert len(clock) == 1
    clock = clock[0]
    assert clock["class"] == CLOCK_CLASS and clock["visible"] and clock["pid"] == tikora.pid
    assert clock["style"] & WS_POPUP and not clock["style"] & WS_CAPTION
    assert clock["ex_style"] & (WS_EX_LAYERED | WS_EX_TOOLWINDOW) == WS_EX_LAYERED | WS_EX_TOOLWINDOW
    assert clock["layered"]["uses_color_key"] and clock["layered"]["color_key"] == 0xFFFFFF
    assert not clock["layered"]["uses_alpha"]
    assert not clock["topmost"]
    # At the upper right, borderless: the client area is the whole window.
    assert clock["rect"] == {"left": screen["width"] - 240 - 30, "top": 30, "right": screen["width"] - 30,
                             "bottom": 270, "width": 240, "height": 240}
    assert clock["client"] == {"left": clock["rect"]["left"], "top": 30, "width": 240, "height": 240}

    windows = {w["class"]: w for w in driver.windows(pid=tikora.pid)}
    captions = {cls: windows[cls]["caption"] for cls in
                ["TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7"]}
    assert captions == {"TForm2": "Control Panel", "TForm3": "Daily Planner", "TForm4": "",
                        "TForm5": "", "TForm6": "", "TForm7": ""}
    assert not any(windows[cls]["visible"] for cls in captions)
    # Only the clock window carries the caption a second copy looks for.
    assert [w["class"] for w in driver.windows(pid=tikora.pid) if w["caption"] == "Tikora"] == ["TForm1"]
    panel = windows["TForm2"]
    assert (panel["client"]["width"], panel["client"]["height"]) == (731, 499)
    assert panel["style"] & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) == WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
    assert not panel["style"] & (WS_THICKFRAME | WS_MAXIMIZEBOX)


def the_face(image, later, backdrop):
    # The frame in the first-run colour rule 6: gold 0x37AFD4 becomes 0x6E01A8, and every frame
    # pixel outside the face disk is its original colour under the rule.
    assert rule6((0xD4, 0xAF, 0x37)) == (0xA8, 0x01, 0x6E)
    frame = frame_outside_disk()
    assert len(frame) > 5000
    wrong = [(xy, image.getpixel(xy), rule6(rgb)) for xy, rgb in frame if image.getpixel(xy) != rule6(rgb)]
    assert wrong == []
    # Every pure white pixel is keyed out: none reaches the screen, and all around the round
    # frame the desktop shows through. Inside the disk nothing is see-through.
    pixels = [(x, y, image.getpixel((x, y))) for y in range(240) for x in range(240)]
    assert [p for p in pixels if p[2] == (255, 255, 255)] == []
    assert [p for p in pixels if radius(p[0], p[1]) >= 121 and p[2] != backdrop] == []
    disk = [rgb for x, y, rgb in pixels if radius(x, y) < 88]
    assert backdrop not in disk
    assert disk.count(BLACK) > 0.6 * len(disk)

    # Seconds style 1: fuchsia marks of radius 4 at the hours, dots of radius 2 between them.
    for i in range(60):
        assert image.getpixel(ring_position(93, 6 * i)) == FUCHSIA, i
    assert ring_position(93, 0) == (27, 120) and ring_position(93, 90) == (120, 27)
    assert image.getpixel((24, 120)) == FUCHSIA and image.getpixel((23, 120)) == BLACK
    assert image.getpixel((120, 24)) == FUCHSIA

    # The twelve digits in red, centred on the digit ring (weekday and date are off at a first
    # run, so 3 and 9 show as well). A hand may lie over a digit in one capture; only the minute
    # hand (maroon) stays over one in both.
    for n in range(1, 13):
        cx, cy = ring_position(74, 30 * n - 1350)
        box = [(x, y) for y in range(cy - 7, cy + 8) for x in range(cx - 9, cx + 10)]
        reds = max(sum(im.getpixel(xy) == RED for xy in box) for im in (image, later))
        under_hand = min(sum(im.getpixel(xy) == MAROON for xy in box) for im in (image, later)) >= 10
        assert reds >= 6 or under_hand, (n, reds)
    assert ring_position(74, 30 * 3 - 1350) == (194, 121)


def the_second_hand_moved(first, second, elapsed, second_taken_at):
    """Six degrees a tick, and it shows the local time's second (Wine keeps the host's time).
    A stall of two seconds on a busy machine is within both tolerances."""
    moved = (second_hand_angle(second, first) - second_hand_angle(first, second)) % 360
    assert abs(moved - 6 * elapsed) <= 20, (moved, elapsed)
    assert angle_difference(second_hand_angle(second, first), 6 * second_taken_at.tm_sec) <= 20


@pytest.mark.deadline(90)
def test_the_clock_and_its_face(backdrop, tikora, driver, screenshot):
    tikora.start()
    the_windows_at_a_first_start(tikora, driver)

    first = capture_clock(driver, tikora, "face.bmp", lambda im: face_is_drawn(im) and hands_are_drawn(im))
    taken = time.monotonic()
    screenshot(force=True)
    time.sleep(3)
    second = capture_clock(driver, tikora, "face_later.bmp", hands_are_drawn)
    elapsed, second_taken_at = time.monotonic() - taken, time.localtime()
    the_face(first, second, backdrop)
    the_second_hand_moved(first, second, elapsed, second_taken_at)

    # The button strip shows under the pointer; its panel button opens the control panel.
    assert second.getpixel((200, 230)) == backdrop  # beyond the frame, nothing while away
    driver.mouse((205, 229), hwnd=tikora.clock.hwnd, action="move")
    shown = capture_clock(driver, tikora, "strip_shown.bmp", strip_is_shown)
    shown.save(SCREENSHOTS / "clock_strip.png")
    # Column 34 of the strip is white, so the desktop shows through it.
    assert shown.getpixel((188 + 34, 229)) == backdrop
    driver.mouse((205, 229), hwnd=tikora.clock.hwnd, action="click")
    driver.wait_shown("TForm2", tikora.pid)
    driver.park_pointer()
    capture_clock(driver, tikora, "strip_gone.bmp", lambda im: im.getpixel((200, 230)) == backdrop)

    # Dragging the face moves the clock.
    start = driver.windows(caption=CLOCK_CAPTION)[0]["rect"]
    driver.mouse((60, 150), hwnd=tikora.clock.hwnd, action="drag", to=(60 - 200, 150 + 100))
    moved = wait_until(lambda: (lambda r: r if r["left"] != start["left"] else None)(
        driver.windows(caption=CLOCK_CAPTION)[0]["rect"]), 10, what="clock moved")
    assert (moved["left"] - start["left"], moved["top"] - start["top"]) == (-200, 100)
    assert (moved["width"], moved["height"]) == (240, 240)


# ---- Tray icon and menu -------------------------------------------------------------------------

def menu_texts(tikora, driver):
    items = [i["text"] for i in tikora.open_tray_menu()["items"]]
    driver.menu_dismiss(pid=tikora.pid)
    return items


def todays_page(tikora, driver):
    """Today's date page, shown by the tray icon's left button: today's month and year, weekday,
    day and the day counts of the year, in the clock's colours."""
    today = datetime.date.today()
    page = driver.wait_shown("TForm7", tikora.pid)
    assert (page["client"]["width"], page["client"]["height"]) == (330, 400)
    texts = [c["text"] for c in driver.controls(hwnd=page["hwnd"]) if c["class"] == "Static"]
    day_of_year = today.timetuple().tm_yday
    days_in_year = 366 if (today.year % 4 == 0 and today.year % 100 != 0) or today.year % 400 == 0 else 365
    assert texts[:5] == [
        today.strftime("%B %Y"), today.strftime("%A"), str(today.day),
        f"{day_of_year} day(s) have elapsed since the beginning of the year",
        f"{days_in_year - day_of_year} day(s) left to the end of the year"]
    driver.settle(page["hwnd"])
    image = driver.capture_until(CAPTURES / "todays_date.bmp", lambda im: im.getpixel((5, 200)) == BLACK,
                                 hwnd=page["hwnd"])
    image.save(SCREENSHOTS / "todays_date.png")
    # The first run's colours: the day in yellow on the black clock background, the month on
    # fuchsia (the seconds colour).
    assert image.getpixel((5, 30)) == FUCHSIA
    day_pixels = sum(1 for x in range(100, 230) for y in range(130, 330) if image.getpixel((x, y)) == (255, 255, 0))
    assert day_pixels > 1000, "the day in large yellow digits"
    return page


@pytest.mark.deadline(90)
def test_the_tray_icon_and_its_menu(tikora, driver, screenshot):
    tikora.start()
    menu = tikora.open_tray_menu()
    screenshot()
    items = [(i["text"], i["separator"], i["default"]) for i in menu["items"]]
    assert items == [("Control Panel", False, False), ("Hide Clock", False, False),
                     ("Daily Planner", False, False), ("Today's Date", False, False),
                     ("", True, False), ("Exit", False, True)]
    # Pictures beside the texts, as bitmaps: the items themselves stay plain text.
    assert [i["bitmap"] for i in menu["items"]] == [True, True, True, True, False, True]
    assert not any(i["owner_draw"] for i in menu["items"])
    assert menu["owner"] == tikora.clock.hwnd
    driver.menu_dismiss(pid=tikora.pid)
    # The tray shows picture 0 of the clock's images (the program icon is replaced at once).
    has_tray = tray_picture(driver) is not None
    if has_tray:
        assert tray_picture(driver) == 0

    tikora.choose_from_tray_menu("Hide Clock")
    wait_until(lambda: not driver.windows(caption=CLOCK_CAPTION)[0]["visible"], 10, what="clock hidden")
    assert menu_texts(tikora, driver)[1] == "Show Clock"
    if has_tray:
        assert tray_picture(driver) == 1

    # A restarting shell forgets every icon, then tells every top-level window it is back: the
    # icon comes back with the hidden clock's picture, and its menu still answers.
    clock = tikora.clock.hwnd
    assert driver.run("tray-icon", hwnd=clock)["exists"]
    lost = driver.run("tray-icon", hwnd=clock, action="delete")
    assert lost["deleted"] and not lost["exists"]
    driver.run("post", hwnd=clock, registered="TaskbarCreated")
    wait_until(lambda: driver.run("tray-icon", hwnd=clock)["exists"], 10, what="tray icon added again")
    if has_tray:
        assert tray_picture(driver) == 1
    assert menu_texts(tikora, driver)[1] == "Show Clock"

    tikora.choose_from_tray_menu("Show Clock")
    wait_until(lambda: driver.windows(caption=CLOCK_CAPTION)[0]["visible"], 10, what="clock shown")
    assert menu_texts(tikora, driver)[1] == "Hide Clock"
    if has_tray:
        assert tray_picture(driver) == 0
    capture_clock(driver, tikora, "shown_again.bmp")

    # The left button shows today's page, brought to the front through a moment on top; its
    # close button, a click in the middle of the top edge, hides it.
    tikora.tray_event(WM_LBUTTONDOWN)
    page = todays_page(tikora, driver)
    wait_until(lambda: not tikora.window("TForm7")["topmost"], 5, what="today's page back from its raise")
    driver.mouse((page["client"]["left"] + 165, page["client"]["top"] + 4), action="click")
    wait_until(lambda: not tikora.window("TForm7")["visible"], 10, what="page hidden")
    # The menu's "Today's Date" shows it on top.
    tikora.choose_from_tray_menu("Today's Date")
    wait_until(lambda: tikora.window("TForm7")["topmost"] and tikora.window("TForm7")["visible"], 10,
               what="today's date on top")
    tikora.open_from_tray_menu("Control Panel", "TForm2")
    tikora.open_from_tray_menu("Daily Planner", "TForm3")
    # The clock stays where it was and keeps running.
    assert driver.windows(caption=CLOCK_CAPTION)[0]["visible"]
    assert tikora.running()


# ---- One copy at a time, and the ways to end -------------------------------------------------

@pytest.mark.deadline(120)
def test_one_copy_at_a_time_and_every_way_to_end_writes_nothing(tikora, driver, registry, wine, screenshot):
    # A second copy says so and ends; the first runs on.
    tikora.start()
    capture_clock(driver, tikora, "first_copy.bmp", hands_are_drawn)
    before = registry_state(registry)
    second = wine.start([str(tikora.exe)])
    box = driver.wait_message_box(caption="Tikora", timeout=30)
    screenshot()
    assert box["pid"] != tikora.pid
    assert box["text"] == "     Tikora already running ...\r" + "_" * 36
    assert [b["label"] for b in box["buttons"]] == ["OK"]
    driver.dismiss_message_box("OK", pid=box["pid"])
    assert second.wait(timeout=30) == 0
    assert len(driver.windows(caption=CLOCK_CAPTION)) == 1
    assert driver.windows(cls=CLOCK_CLASS, pid=box["pid"]) == []

    # Closing the clock window, the menu's "Exit" and the strip's "C" each end the program with
    # exit code 0 and write nothing.
    def ended_without_writing():
        assert tikora.wait_exit() == 0
        assert driver.windows(caption=CLOCK_CAPTION) == []
        assert registry_state(registry) == before

    driver.post(WM_CLOSE, hwnd=tikora.clock.hwnd)
    ended_without_writing()
    tikora.start()
    tikora.choose_from_tray_menu("Exit")
    ended_without_writing()
    tikora.start()
    driver.mouse((230, 229), hwnd=tikora.clock.hwnd, action="move")
    capture_clock(driver, tikora, "strip_close.bmp", strip_is_shown)
    driver.mouse((230, 229), hwnd=tikora.clock.hwnd, action="click")
    ended_without_writing()

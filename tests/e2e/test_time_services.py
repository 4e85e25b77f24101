"""The time services of the real program: the countdown and work-time lines on the clock face and
the work time in the control panel, then the power-off timer armed from the control panel, its
countdown in the panel and on the face, and hibernation after zero minutes; in a test of its own,
a real log-off request, which under Wine ends the Wine session's processes."""

import datetime
import re
import struct
import time

import pytest

from tikora_harness import CAPTURES, SCREENSHOTS, wait_until

YELLOW = (255, 255, 0)
FUCHSIA = (255, 0, 255)
POWER_OFF = "Shutdown PC /Log off from Windows/Hibernation"
WORK_TIME = "System Work Time [days h:m:s]"


def date_value(day: datetime.date) -> bytes:
    """A stored date: days since 30 December 1899 as a little-endian double."""
    return struct.pack("<d", float((day - datetime.date(1899, 12, 30)).days))


def time_value(hour: int, minute: int = 0) -> bytes:
    return struct.pack("<d", (hour * 3600 + minute * 60) / 86400)


def colour_in_rows(image, rgb, top, bottom, left=70, right=170):
    return sum(1 for y in range(top, bottom) for x in range(left, right) if image.getpixel((x, y))[:3] == rgb)


def control(driver, panel, text, group=None):
    found = [c for c in driver.controls(hwnd=panel["hwnd"], text=text, group=group) if c["text"] == text]
    assert found, text
    return found[0]



def minutes_box(driver, panel):
    return driver.controls(hwnd=panel["hwnd"], control_class="Edit", text="3")[0]


def countdown_and_work_time(tikora, driver, panel):
    clock = tikora.clock.hwnd
    # The countdown line at top 138 and the work-time line at top 154, both yellow.
    image = driver.capture_until(
        CAPTURES / "countdown_work_time.bmp",
        lambda im: colour_in_rows(im, YELLOW, 138, 153) > 30 and colour_in_rows(im, YELLOW, 154, 169) > 30,
        hwnd=clock)
    image.save(SCREENSHOTS / "clock_countdown_work_time.png")
    assert colour_in_rows(image, YELLOW, 60, 130) == 0

    # Loading the ticked countdown captured the target and locked both pickers.
    pickers = driver.controls(hwnd=panel["hwnd"], control_class="SysDateTimePick32")
    assert len(pickers) == 2 and not any(p["enabled"] for p in pickers)
    # "Check Time" shows the work time over its display, counting.
    assert not control(driver, panel, "Check Time")["checked"]
    driver.check(hwnd=panel["hwnd"], text="Check Time", state=1)
    work_time = re.compile(r"^(\d+ \d\d:\d\d:\d\d|\d\d:\d\d:\d\d|\d\d:\d\d|\d{1,2})$")

    def shown_work_time():
        labels = [c for c in driver.controls(hwnd=panel["hwnd"], shown=True, control_class="Static", group=WORK_TIME)
                  if work_time.match(c["text"])]
        return labels[0]["text"] if labels else None

    first = wait_until(shown_work_time, 5, what="work time in the panel")
    wait_until(lambda: shown_work_time() != first, 5, what="work time counting")
    image = driver.capture_still(CAPTURES / "panel_work_time.bmp", hwnd=panel["hwnd"])
    image.save(SCREENSHOTS / "control_panel_work_time.png")
    driver.check(hwnd=panel["hwnd"], text="Check Time", state=0)
    wait_until(lambda: shown_work_time() is None, 5, what="work time hidden")


def minutes_count_down_in_the_panel_and_on_the_face(tikora, driver, panel):
    edit = minutes_box(driver, panel)
    assert edit["enabled"]
    assert not control(driver, panel, "Show in Clock")["visible"]
    # Hibernation is harmless under Wine, and three minutes are far more than this takes.
    driver.check(hwnd=panel["hwnd"], text="Hibernation", state=1)
    driver.check(hwnd=panel["hwnd"], text="Set Minutes", state=1)

    def remaining():
        labels = [c for c in driver.controls(hwnd=panel["hwnd"], shown=True, control_class="Static", group=POWER_OFF)
                  if re.match(r"^00:0[0-2]:\d\d$", c["text"])]
        return labels[0]["text"] if labels else None

    assert wait_until(lambda: (remaining() or "").startswith("00:02:"), 5, what="remaining time")
    assert not driver.control(hwnd=panel["hwnd"], control=edit["hwnd"])["enabled"]
    assert not control(driver, panel, "Set Exact Time")["enabled"]
    assert control(driver, panel, "Show in Clock")["visible"]
    assert control(driver, panel, "Play Sound ->")["visible"]
    # The chosen action's caption blinks: red on even seconds, black on odd ones.
    option = control(driver, panel, "Hibernation")["client_rect"]
    area = (option["left"], option["top"], option["right"], option["bottom"])
    seen = set()

    def red_and_black_seen():
        image = driver.capture_image(CAPTURES / "hibernation_caption.bmp", hwnd=panel["hwnd"]).crop(area)
        seen.add(sum(1 for p in image.getdata() if p[0] > 200 and p[1] < 60 and p[2] < 60) > 20)
        return seen == {True, False}

    wait_until(red_and_black_seen, 5, interval=0.3, what="the action's caption blinking")

    # The time left shows on the face too, in the power-off colour, at top 170.
    driver.check(hwnd=panel["hwnd"], text="Show in Clock", state=1)
    driver.capture_until(CAPTURES / "power_off_line.bmp", lambda im: colour_in_rows(im, FUCHSIA, 170, 186) > 30,
                         hwnd=tikora.clock.hwnd).save(SCREENSHOTS / "clock_power_off_line.png")
    driver.capture_still(CAPTURES / "panel_power_off.bmp", hwnd=panel["hwnd"]).save(
        SCREENSHOTS / "control_panel_power_off.png")

    driver.check(hwnd=panel["hwnd"], text="Set Minutes", state=0)
    wait_until(lambda: remaining() is None, 5, what="remaining time hidden")
    assert control(driver, panel, "Set Exact Time")["enabled"]
    assert not control(driver, panel, "Show in Clock")["visible"]
    driver.capture_until(CAPTURES / "power_off_line_gone.bmp",
                         lambda im: colour_in_rows(im, FUCHSIA, 170, 186) == 0, hwnd=tikora.clock.hwnd)


def hibernation_after_zero_minutes_disarms(tikora, driver, panel):
    driver.set_text("0", hwnd=panel["hwnd"], control=minutes_box(driver, panel)["hwnd"])
    driver.check(hwnd=panel["hwnd"], text="Set Minutes", state=1)
    # The next tick unticks "Set Minutes" and then asks for hibernation. Wine's power management
    # says it is allowed and its request does nothing; a system that cannot hibernate would
    # show the warning instead.
    wait_until(lambda: not control(driver, panel, "Set Minutes")["checked"], 5, what="disarmed")
    assert control(driver, panel, "Set Exact Time")["enabled"]
    for box in driver.message_boxes(pid=tikora.pid):
        assert box["text"] == "Your system does not support Hibernation.\n\r" + "_" * 50
        driver.dismiss_message_box("OK", pid=tikora.pid)
    # Asked for once only: the program runs on, disarmed, through the next ticks.
    time.sleep(2)
    assert not driver.message_boxes(pid=tikora.pid) and tikora.running()
    assert not control(driver, panel, "Set Minutes")["checked"]


@pytest.mark.deadline(90)
def test_countdown_work_time_and_the_power_off_timer(tikora, driver, registry):
    target = datetime.date.today() + datetime.timedelta(days=2)
    tikora.start()
    tikora.restart(registry=registry, values={
        "dtp_da": ("REG_BINARY", date_value(target)), "dtp_ti": ("REG_BINARY", time_value(15)),
        "chk_ct": ("REG_DWORD", 1), "chk_st": ("REG_DWORD", 1)})
    panel = tikora.open_from_tray_menu("Control Panel", "TForm2")
    countdown_and_work_time(tikora, driver, panel)
    minutes_count_down_in_the_panel_and_on_the_face(tikora, driver, panel)
    hibernation_after_zero_minutes_disarms(tikora, driver, panel)


@pytest.mark.ends_wine_session
def test_log_off_after_zero_minutes_ends_the_session_at_the_next_tick(tikora, driver):
    tikora.start()
    panel = tikora.open_from_tray_menu("Control Panel", "TForm2")
    driver.check(hwnd=panel["hwnd"], text="Log OFF", state=1)
    driver.set_text("0", hwnd=panel["hwnd"], control=minutes_box(driver, panel)["hwnd"])
    assert tikora.running()
    driver.check(hwnd=panel["hwnd"], text="Set Minutes", state=1)
    # The next second tick asks Windows to log off (flags 4); under Wine that ends the session's
    # processes, the clock among them.
    tikora.wait_exit(timeout=15)
    assert not tikora.running()

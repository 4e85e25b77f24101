"""The RSS reader of the real program: channels added on the control panel's "RSS Reader" page,
one of them pointing at a feed file the test writes; "Read RSS Channel" shows the ticker across
the screen at its position, the headlines scroll, pause under the pointer, and the ticker fades
out at the end of the strip."""

import time

from tikora_harness import E2E_BUILD, wait_until

SCREENSHOTS = E2E_BUILD / "screenshots"
CAPTURES = E2E_BUILD / "captures"

FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Local news</title><link>http://127.0.0.1/</link>
<description>A feed of the test's own</description>
<item><title>First headline of the day</title><link>http://127.0.0.1/1</link><description>One</description></item>
<item><title>Caf\u00e9 prices and the \u0416\u0443\u0440\u043d\u0430\u043b</title><link>http://127.0.0.1/2</link><description>Two</description></item>
<item><title>Third and last</title><link>http://127.0.0.1/3</link><description>Three</description></item>
</channel></rss>
"""

SCREEN_WIDTH = 1280
TICKER_TOP = 600
RED = (255, 0, 0)  # the digit colour of a first run: the headlines' colour
BLACK = (0, 0, 0)  # the clock background of a first run: the ticker's


def is_orange(rgb):
    r, g, b = rgb
    return r > 220 and 90 < g < 170 and b < 60


def headline_columns(image, top, bottom):
    """The x of every column with a headline pixel between rows top and bottom."""
    return [x for x in range(image.width) if any(image.getpixel((x, y)) == RED for y in range(top, bottom))]


def test_a_channel_read_scrolls_its_headlines_across_the_screen_and_fades_out(tikora, driver, registry, wine,
                                                                              screenshot, tmp_path):
    feed = tmp_path / "feed.xml"
    feed.write_text(FEED, encoding="utf-8")
    address = wine.windows_path(feed)
    tikora.start()
    tikora.choose_from_tray_menu("Control Panel")
    wait_until(lambda: driver.windows(cls="TForm2", pid=tikora.pid)[0]["visible"], 10, what="control panel shown")
    panel = driver.windows(cls="TForm2", pid=tikora.pid)[0]["hwnd"]
    driver.tab(hwnd=panel, control_class="SysTabControl32", item="RSS Reader")
    driver.settle(panel)

    # Two channels added: the feed, and one whose file is missing.
    address_field, name_field = [c for c in driver.controls(hwnd=panel, shown=True)
                                 if c["class"] == "Edit" and c["group"] == "ADD, Remove RSS Channels"]
    for where, name in [(address, "Local news"), (address.replace("feed.xml", "gone.xml"), "Gone")]:
        driver.set_text(where, hwnd=panel, control=address_field["hwnd"])
        driver.set_text(name, hwnd=panel, control=name_field["hwnd"])
        driver.click(hwnd=panel, text="Add RSS Address Channel to The List", mode="send")
    rows = driver.control(hwnd=panel, control_class="SysListView32")
    assert rows["columns"] == ["Num", "Your Own Channel Name", "RSS Channel Address"]
    assert rows["items"] == [["1", "Local news", address], ["2", "Gone", address.replace("feed.xml", "gone.xml")]]
    stored = registry.read_key(r"HKCU\Tikora\Data_")
    assert stored["lista_r"] == ("REG_DWORD", 1)
    kind, record = stored["Lista_0"]
    assert kind == "REG_BINARY" and len(record) == 152
    assert record[0] == len(address) and record[1:1 + len(address)] == address.encode("ascii")
    assert record[101] == 10 and record[102:112] == b"Local news"
    selector = driver.control(hwnd=panel, group="RSS Player", control_class="ComboBox")
    assert selector["items"] == ["1. Local news", "2. Gone"] and selector["selected"] == -1

    # The channel chosen; the ticker's place, a quick step and speed.
    driver.select(hwnd=panel, control=selector["hwnd"], index=0)
    bars = [c for c in driver.controls(hwnd=panel) if c["class"] == "ScrollBar"
            and c["group"] == "RSS Player Settings Window"]
    assert [b["max"] for b in bars[1:]] == [60, 1000]
    for bar, position in zip(bars, [TICKER_TOP, 20, 40]):
        driver.scroll(position, hwnd=panel, control=bar["hwnd"])
    driver.settle(panel)
    time.sleep(0.5)
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    page = driver.capture_image(CAPTURES / "rss_page.bmp", hwnd=panel)
    page.save(SCREENSHOTS / "rss_page_with_channels.png")
    # Every row starts with the RSS sign.
    list_area = rows["client_rect"]
    for row in range(2):
        top = list_area["top"] + 20 + 17 * row
        sign = [page.getpixel((x, y)) for y in range(top, top + 16) for x in range(list_area["left"], list_area["left"] + 24)]
        assert sum(is_orange(p) for p in sign) > 40, row

    # Read: the ticker fades in across the screen at its position.
    driver.click(hwnd=panel, text="Read RSS Channel")
    alphas = []

    def ticker():
        record = driver.windows(cls="TForm5", pid=tikora.pid)[0]
        if record["visible"] and record["layered"]:
            alphas.append(record["layered"]["alpha"])
        return record

    wait_until(lambda: ticker()["visible"] and alphas[-1] == 255, 20, interval=0.005, what="ticker shown")
    window = ticker()
    assert (window["rect"]["left"], window["rect"]["top"]) == (0, TICKER_TOP)
    assert (window["rect"]["width"], window["rect"]["height"]) == (SCREEN_WIDTH, 55)
    assert window["topmost"] and window["style"] & 0x80000000, "a borderless popup over the others"
    assert any(0 < a < 255 for a in alphas), f"the fade in shows its steps: {alphas}"
    assert not driver.control(hwnd=panel, text="Read RSS Channel")["enabled"]

    # The headlines scroll from the right in the digit colour on the clock background.
    strip = (0, TICKER_TOP + 10, SCREEN_WIDTH, 36)
    first = driver.capture_until(CAPTURES / "ticker1.bmp", lambda im: len(headline_columns(im, 5, 25)) > 100,
                                 timeout=10, rect=strip)
    second = driver.capture_until(CAPTURES / "ticker2.bmp",
                                  lambda im: min(headline_columns(im, 5, 25)) < min(headline_columns(first, 5, 25)),
                                  timeout=10, rect=strip)
    screenshot(force=True)
    assert second.getpixel((2, 30)) == BLACK
    stripe = driver.pixels([(10, 4), (200, 4)], rect=(0, TICKER_TOP, SCREEN_WIDTH, 9))
    assert all((p["r"], p["g"], p["b"]) not in (BLACK, (255, 255, 255)) for p in stripe), "the recoloured stripe"

    # Under the pointer a headline stops; away from it, it goes on.
    columns = headline_columns(second, 5, 25)
    over = (columns[len(columns) // 2], TICKER_TOP + 10 + 15)
    driver.mouse(over, action="move")
    time.sleep(0.3)

    def still_for_half_a_second():
        paused = headline_columns(driver.capture_image(CAPTURES / "ticker_paused1.bmp", rect=strip), 5, 25)
        time.sleep(0.5)
        return paused == headline_columns(driver.capture_image(CAPTURES / "ticker_paused2.bmp", rect=strip), 5, 25)

    # On a busy machine the pointer may be noticed a tick late: the strip must come to rest.
    assert any(still_for_half_a_second() for _ in range(3)), "the headline under the pointer stops"
    driver.mouse((SCREEN_WIDTH // 2, 100), action="move")

    # At the end of the strip the ticker fades out and hides; the read can start again.
    alphas.clear()
    wait_until(lambda: not ticker()["visible"], 30, interval=0.005, what="ticker faded out")
    assert any(0 < a < 255 for a in alphas), alphas
    assert driver.windows(cls="TForm5", pid=tikora.pid)[0]["layered"]["alpha"] == 0
    wait_until(lambda: driver.control(hwnd=panel, text="Read RSS Channel")["enabled"], 5, what="read enabled again")

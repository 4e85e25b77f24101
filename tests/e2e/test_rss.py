"""The RSS reader of the real program in one journey: channels added on the control panel's "RSS
Reader" page, pointing at feed files the test writes; "Read RSS Channel" shows the ticker across
the screen at its position, the headlines scroll, pause under the pointer, and the ticker fades
out at the end of the strip. Then a slow read of a second feed: a headline's click writes the
item's page to ht.htm in the temporary internet files folder and shows the page view with the
item's title, its stripes and close button; the ticker stands still while it shows and scrolls
again once it is closed.

No browser engine runs under Wine here, so the page itself is looked at in headless Chromium
(Debian's chromium-headless-shell), rendered from the very file the program wrote."""

import shutil
import subprocess
import time

import pytest
from PIL import Image

from tikora_harness import CAPTURES, SCREENSHOTS, DriverError, wait_until

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


TITLE = "Caf\u00e9 & \u201cCo\u201d <news>"
LINK = "https://example.com/story?id=7&x=\"1\""
DESCRIPTION = ("<b>Bold</b> and <i>italic</i> text.<script>alert('feed')</script>"
               "<img src=x onerror=\"alert(1)\"><p>Second <a href=\"javascript:alert(2)\">line</a>.")
PUBDATE = "Sat, 09 Mar 2024 10:00:00 GMT"

PAGE_FEED = f"""<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>Page view</title><link>https://example.com/</link>
<description>d</description>
<item><title>Caf\u00e9 &amp; \u201cCo\u201d &lt;news&gt;</title><link>https://example.com/story?id=7&amp;x="1"</link>
<description><![CDATA[{DESCRIPTION}]]></description><pubDate>{PUBDATE}</pubDate></item>
<item><title>Second item</title><link>https://example.com/2</link><description>Two</description></item>
</channel></rss>
"""


# An Atom feed as many sites publish one: an HTML title, the alternate link among others, the
# entry's XHTML content.
ATOM_TITLE = "Atom feeds are read &amp; scroll"
ATOM_FEED = f"""<?xml version="1.0" encoding="utf-8"?>
<feed xmlns="http://www.w3.org/2005/Atom"><title>Atom news</title><id>urn:x</id><updated>2026-12-01T10:00:00Z</updated>
<entry><title type="html">&lt;b&gt;{ATOM_TITLE}&lt;/b&gt;</title>
<link rel="self" href="https://example.com/self"/><link rel="alternate" href="https://example.com/atom/1"/>
<id>urn:1</id><updated>2026-12-01T10:00:00Z</updated>
<content type="xhtml"><div xmlns="http://www.w3.org/1999/xhtml"><p>An <b>XHTML</b> body<script>alert(1)</script></p></div></content>
</entry>
<entry><title>Second entry</title><link href="https://example.com/atom/2"/><id>urn:2</id>
<updated>2026-12-02T10:00:00Z</updated><summary>Plain summary</summary></entry>
</feed>
"""


def html_size(choice: int) -> str:
    """The page's font size for the ticker's Font Size choice (10, 12, 14, 16, 18 points)."""
    return ["2", "3", "4", "", "5"][choice]


def expected_page(bg: str, fg: str, size: str, font: str) -> str:
    """The page the program must write for the first item: the mark of the web, the encoding,
    then the page's own pieces with the item's texts made safe."""
    return (
        "<!-- saved from url=(0014)about:internet -->\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
        "<div style=\"position: absolute; width: 280px; height: px; z-index: 1; border: 0px solid; "
        f"background-color:{bg}; left: 450px; top: 2px\" id=\"layer1\"><font size=\"4\">"
        f"<font color=\"#C0C0C0\">{PUBDATE}</font></div>"
        "<head><script language=JavaScript>var message=\"No Menu !\"; function clickIE4(){if "
        "(event.button==2){alert(message);return false;}}function clickNS4(e){if "
        "(document.layers||document.getElementById&&!document.all){if "
        "(e.which==2||e.which==3){alert(message);return false;}}}if "
        "(document.layers){document.captureEvents(Event.MOUSEDOWN);document.onmousedown=clickNS4;}else "
        "if (document.all&&!document.getElementById){document.onmousedown=clickIE4;}"
        "document.oncontextmenu=new Function(\"return false\");// --></script><style "
        "type=\"text/css\">img {border:20;margin:20 20px}</style><style type=\"text/css\">"
        "a.navblack:link { text-decoration: none; color: blue; font-family: Verdana, Arial, sans-serif; "
        "font-size: 14px;  }a.navblack:visited { text-decoration: none ; color:blue ; font-family: "
        "Verdana, Arial, sans-serif; font-size: 14px;  }a.navblack:hover { text-decoration: underline; "
        "color: red; font-family: Verdana, Arial, sans-serif; font-size: 14px;  }</style></head>"
        f"<body bgcolor=\"{bg}\">"
        "<div style=\"position: absolute; width: 730px; height: px; z-index: 1; border: 0px solid; "
        f"background-color:{bg}; left: 10px; top: 45px\" id=\"layer2\">"
        "<div style=\"position: relative; width: 698px; height: px; z-index: 2; left: 0px; top: 2px\" "
        f"id=\"layer3\"><font size=\"{size}\">"
        f"<font color=\"{fg}\">"
        "<p><a class=\"navblack\" href=\"https://example.com/story?id=7&amp;x=&quot;1&quot;\" target=\"_blank\">"
        "Caf\u00e9 &amp; \u201cCo\u201d &lt;news&gt;</a></p>"
        f"<font face=\"{font}\">"
        "<b>Bold</b> and <i>italic</i> text.<img><p>Second <a>line</a>.</p>"
        "<p align=\"right\">RSS Generated by <a class=\"navblack\" href=\"https://tikora.app/\" "
        "target=\"_blank\" align=\"right\">Tikora</a></p><p>"
        "</font></div></div></body></html>")


def html_colour(value: int) -> str:
    return "#%02x%02x%02x" % (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def headline(driver, ticker_hwnd):
    return driver.control(hwnd=ticker_hwnd, text=f"    0. {TITLE}     ")


def headline_titled(driver, ticker_hwnd, text):
    """The headline of that text once it has scrolled into sight (it is given its text only then)."""
    try:
        return driver.control(hwnd=ticker_hwnd, text=text)
    except DriverError:
        return None


def headline_in_sight(driver, ticker_hwnd):
    """Headline 0 once it has scrolled into sight: its label is given its text only then."""
    try:
        return headline(driver, ticker_hwnd)
    except DriverError:
        return None


def render_in_chromium(page, out):
    """Renders the page file at the page view's browser size; None where no Chromium is there."""
    shell = shutil.which("chromium-headless-shell") or shutil.which("chromium")
    if not shell:
        return None
    subprocess.run([shell, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                    f"--screenshot={out}", "--window-size=800,272", page.as_uri()],
                   check=True, capture_output=True, timeout=60)
    return Image.open(out).convert("RGB")


def add_channel(driver, panel, address, name):
    address_field, name_field = driver.controls(hwnd=panel, shown=True, control_class="Edit",
                                                group="ADD, Remove RSS Channels")
    driver.set_text(address, hwnd=panel, control=address_field["hwnd"])
    driver.set_text(name, hwnd=panel, control=name_field["hwnd"])
    driver.click(hwnd=panel, text="Add RSS Address Channel to The List", mode="send")


def player_bars(driver, panel):
    """The ticker's position, scrolling step and scrolling speed bars."""
    return driver.controls(hwnd=panel, control_class="ScrollBar", group="RSS Player Settings Window")


def channels_are_listed_and_stored(tikora, driver, registry, panel, address):
    rows = driver.control(hwnd=panel, control_class="SysListView32")
    assert rows["columns"] == ["Num", "Your Own Channel Name", "RSS Channel Address"]
    assert rows["items"] == [["1", "Local news", address], ["2", "Gone", address.replace("feed.xml", "gone.xml")]]
    stored = registry.read_key(r"HKCU\Tikora\Data_")
    assert stored["lista_r"] == ("REG_DWORD", 1)
    kind, record = stored["Lista_0"]
    assert kind == "REG_BINARY" and len(record) == 152
    assert record[0] == len(address) and record[1:1 + len(address)] == address.encode("ascii")
    assert record[101] == 10 and record[102:112] == b"Local news"
    # A row picked with the mouse in the list view may be removed.
    area = rows["client_rect"]
    assert not driver.control(hwnd=panel, text="Select Position and Remove From The List")["enabled"]
    driver.mouse((area["left"] + 60, area["top"] + 20 + 17 + 8), hwnd=panel)
    wait_until(lambda: driver.control(hwnd=panel, text="Select Position and Remove From The List")["enabled"], 5,
               what="a selected row enables its removal")
    # Every row starts with the RSS sign.
    page = driver.capture_still(CAPTURES / "rss_page.bmp", hwnd=panel)
    page.save(SCREENSHOTS / "rss_page_with_channels.png")
    for row in range(2):
        top = area["top"] + 20 + 17 * row
        sign = [page.getpixel((x, y)) for y in range(top, top + 16) for x in range(area["left"], area["left"] + 24)]
        assert sum(is_orange(p) for p in sign) > 40, row


def a_read_scrolls_and_fades_out(tikora, driver, panel, screenshot):
    def ticker():
        return tikora.window("TForm5")

    # Read: the ticker fades in across the screen at its position, a borderless popup.
    assert not ticker()["visible"]
    driver.click(hwnd=panel, text="Read RSS Channel")
    wait_until(lambda: ticker()["visible"] and ticker()["layered"]["alpha"] == 255, 20, what="ticker faded in")
    window = ticker()
    assert (window["rect"]["left"], window["rect"]["top"]) == (0, TICKER_TOP)
    assert (window["rect"]["width"], window["rect"]["height"]) == (SCREEN_WIDTH, 55)
    assert window["style"] & 0x80000000
    assert not driver.control(hwnd=panel, text="Read RSS Channel")["enabled"]

    # The headlines scroll from the right in the digit colour on the clock background.
    strip = (0, TICKER_TOP + 10, SCREEN_WIDTH, 36)
    first = driver.capture_until(CAPTURES / "ticker1.bmp", lambda im: len(headline_columns(im, 5, 25)) > 100,
                                 timeout=10, rect=strip)
    second = driver.capture_until(CAPTURES / "ticker2.bmp",
                                  lambda im: min(headline_columns(im, 5, 25)) < min(headline_columns(first, 5, 25)),
                                  timeout=10, rect=strip)
    driver.capture_image(CAPTURES / "ticker.bmp", rect=(0, TICKER_TOP, SCREEN_WIDTH, 55)).save(SCREENSHOTS / "ticker.png")
    assert second.getpixel((2, 30)) == BLACK
    # The recoloured stripe at the top and at the bottom, where no headline strip covers it.
    stripes = driver.pixels([(10, 4), (200, 4), (10, 50), (1270, 50)], rect=(0, TICKER_TOP, SCREEN_WIDTH, 55))
    assert all((p["r"], p["g"], p["b"]) not in (BLACK, (255, 255, 255)) for p in stripes), stripes

    # Under the pointer a headline stops; away from it, it goes on.
    columns = headline_columns(second, 5, 25)
    driver.mouse((columns[len(columns) // 2], TICKER_TOP + 10 + 15), action="move")
    looks = []

    def at_rest():
        looks.append(headline_columns(driver.capture_image(CAPTURES / "ticker_paused.bmp", rect=strip), 5, 25))
        return len(looks) > 1 and looks[-1] == looks[-2]

    wait_until(at_rest, 5, interval=0.5, what="the headline under the pointer at rest")
    driver.mouse((SCREEN_WIDTH // 2, 100), action="move")

    # At the end of the strip the ticker fades out and hides; the read can start again.
    wait_until(lambda: not ticker()["visible"], 30, what="ticker faded out")
    assert ticker()["layered"]["alpha"] == 0
    wait_until(lambda: driver.control(hwnd=panel, text="Read RSS Channel")["enabled"], 5, what="read enabled again")


def an_atom_feed_reads_and_its_entry_shows_as_a_page(tikora, driver, wine, panel):
    """The ticker shows an Atom entry's HTML title as plain text; its page holds the entry's
    XHTML content, made safe, and the alternate link."""
    ticker = driver.wait_shown("TForm5", tikora.pid, timeout=20)
    title = f"    0. {ATOM_TITLE.replace('&amp;', '&')}     "
    entry = wait_until(lambda: (lambda c: c if c and 0 < c["rect"]["left"] < SCREEN_WIDTH - 400 else None)(
        headline_titled(driver, ticker["hwnd"], title)), 60, what="the Atom entry's headline on screen")
    driver.capture_image(CAPTURES / "ticker_atom.bmp", rect=(0, TICKER_TOP, SCREEN_WIDTH, 55)).save(
        SCREENSHOTS / "ticker_atom.png")
    driver.mouse((entry["rect"]["left"] + 40, (entry["rect"]["top"] + entry["rect"]["bottom"]) // 2), action="click")
    view = driver.wait_shown("TForm6", tikora.pid, timeout=20)
    assert view["caption"] == ATOM_TITLE.replace("&amp;", "&")
    page = next(wine.path.glob("drive_c/users/*/**/ht.htm")).read_bytes().decode("utf-8")
    assert '<a class="navblack" href="https://example.com/atom/1"' in page
    assert "An <b>XHTML</b> body" in page and "script" not in page.split("<body")[1]
    assert "2026-12-01T10:00:00Z" in page
    driver.capture_still(CAPTURES / "page_view_atom.bmp", hwnd=view["hwnd"]).save(SCREENSHOTS / "page_view_atom.png")
    shutil.copyfile(next(wine.path.glob("drive_c/users/*/**/ht.htm")), SCREENSHOTS / "page_atom.htm")
    render_in_chromium(SCREENSHOTS / "page_atom.htm", SCREENSHOTS / "page_atom_chromium.png")
    driver.mouse((400, 4), hwnd=view["hwnd"], action="click")
    wait_until(lambda: not tikora.window("TForm6")["visible"], 10, what="page view closed")
    # The ticker's own close button, in the middle of its top stripe, ends the read at once.
    driver.mouse((SCREEN_WIDTH // 2 + 17, 4), hwnd=ticker["hwnd"], action="click")
    wait_until(lambda: not tikora.window("TForm5")["visible"], 10, what="ticker closed")


def a_headlines_click_shows_its_page(tikora, driver, registry, wine, screenshot, panel):
    for old in wine.path.glob("drive_c/users/*/**/ht.htm"):
        old.unlink()
    ticker = driver.wait_shown("TForm5", tikora.pid, timeout=20)
    screen = driver.run("screen")
    # Headline 0 starts past the screen's right edge; it is clicked once well on screen.
    first = wait_until(lambda: (lambda c: c if c and c["rect"]["left"] < screen["width"] - 400 else None)(
        headline_in_sight(driver, ticker["hwnd"])), 60, what="headline 0 on screen")
    rect = first["rect"]
    driver.mouse((rect["left"] + 40, (rect["top"] + rect["bottom"]) // 2), action="move")
    driver.settle(ticker["hwnd"])
    rect = headline(driver, ticker["hwnd"])["rect"]
    driver.mouse((rect["left"] + 40, (rect["top"] + rect["bottom"]) // 2), action="click")

    view = driver.wait_shown("TForm6", tikora.pid, timeout=20)
    driver.settle(view["hwnd"])
    assert view["caption"] == TITLE
    assert (view["client"]["width"], view["client"]["height"]) == (800, 290)
    work = screen["work_area"]
    assert abs((view["rect"]["left"] - work["left"]) - (work["right"] - view["rect"]["right"])) <= 1
    assert abs((view["rect"]["top"] - work["top"]) - (work["bottom"] - view["rect"]["bottom"])) <= 1

    # The page file, where the shell keeps temporary internet files.
    pages = list(wine.path.glob("drive_c/users/*/**/ht.htm"))
    assert len(pages) == 1, pages
    values = registry.read_key(r"HKCU\Tikora")
    expected = expected_page(html_colour(values["col_bg"][1]), html_colour(values["col_fo"][1]),
                             html_size(values["cor_si"][1]), values["cor_fo"][1])
    assert pages[0].read_bytes() == b"\xef\xbb\xbf" + expected.encode("utf-8")

    # The mouse leaves the headline for the page view: the ticker stays where it is.
    driver.mouse((view["rect"]["left"] + 200, view["rect"]["top"] + 150), action="move")
    driver.settle(ticker["hwnd"])
    still = headline(driver, ticker["hwnd"])["rect"]["left"]
    time.sleep(1.0)
    assert headline(driver, ticker["hwnd"])["rect"]["left"] == still
    image = driver.capture_still(CAPTURES / "page_view.bmp", hwnd=view["hwnd"])
    screenshot(force=True)
    # The stripes across the top and bottom, the close button black in the middle of the top one.
    stripe_top = [image.getpixel((x, 4)) for x in (5, 200, 600, 795)]
    stripe_bottom = [image.getpixel((x, 285)) for x in (5, 200, 600, 795)]
    assert stripe_top == stripe_bottom and len(set(stripe_top)) == 1
    assert image.getpixel((400, 4)) != stripe_top[0]

    # The stripe drags the window.
    start = view["rect"]
    driver.mouse((100, 4), hwnd=view["hwnd"], action="drag", to=(100 + 60, 4 + 40))
    moved = wait_until(lambda: (lambda r: r if r["left"] != start["left"] else None)(
        tikora.window("TForm6")["rect"]), 10, what="page view moved")
    assert (moved["left"] - start["left"], moved["top"] - start["top"]) == (60, 40)

    # The close button: the page view goes and the ticker scrolls on.
    driver.mouse((400, 4), hwnd=view["hwnd"], action="click")
    wait_until(lambda: not tikora.window("TForm6")["visible"], 10, what="page view closed")
    wait_until(lambda: headline(driver, ticker["hwnd"])["rect"]["left"] < still, 10, what="ticker scrolling again")
    assert tikora.running()

    # The page as a browser shows it.
    rendered = render_in_chromium(pages[0], SCREENSHOTS / "feed_page_chromium.png")
    assert rendered is not None, "install chromium-headless-shell (scripts/lib/deps.sh) to look at the page"
    bg = values["col_bg"][1]
    assert rendered.getpixel((5, 268)) == (bg & 0xFF, (bg >> 8) & 0xFF, (bg >> 16) & 0xFF)


@pytest.mark.deadline(150)
def test_channels_a_read_across_the_screen_and_a_headlines_page(tikora, driver, registry, wine, screenshot,
                                                                 tmp_path):
    feed = tmp_path / "feed.xml"
    feed.write_text(FEED, encoding="utf-8")
    address = wine.windows_path(feed)
    tikora.start()
    panel = tikora.open_from_tray_menu("Control Panel", "TForm2")["hwnd"]
    driver.tab(hwnd=panel, control_class="SysTabControl32", item="RSS Reader")
    driver.settle(panel)

    # Two channels added: the feed, and one whose file is missing.
    for where, name in [(address, "Local news"), (address.replace("feed.xml", "gone.xml"), "Gone")]:
        add_channel(driver, panel, where, name)
    channels_are_listed_and_stored(tikora, driver, registry, panel, address)
    selector = driver.control(hwnd=panel, group="RSS Player", control_class="ComboBox")
    assert selector["items"] == ["1. Local news", "2. Gone"] and selector["selected"] == -1

    # The channel chosen; the ticker's place, a quick step and speed.
    driver.select(hwnd=panel, control=selector["hwnd"], index=0)
    bars = player_bars(driver, panel)
    assert [b["max"] for b in bars[1:]] == [60, 1000]
    for bar, position in zip(bars, [TICKER_TOP, 20, 40]):
        driver.scroll(position, hwnd=panel, control=bar["hwnd"])
    a_read_scrolls_and_fades_out(tikora, driver, panel, screenshot)

    # Two more feeds read slowly, a minute's walk across the screen, so that the driver can follow
    # a headline with the pointer: an Atom feed, and an RSS item whose page is looked at closely.
    for bar, position in zip(player_bars(driver, panel)[1:], [60, 1000]):
        driver.scroll(position, hwnd=panel, control=bar["hwnd"])
    for number, (name, text, then) in enumerate([
            ("Atom news", ATOM_FEED, lambda: an_atom_feed_reads_and_its_entry_shows_as_a_page(tikora, driver, wine, panel)),
            ("Page view", PAGE_FEED, lambda: a_headlines_click_shows_its_page(tikora, driver, registry, wine, screenshot,
                                                                               panel))], 2):
        feed_file = tmp_path / f"{name.replace(' ', '_')}.xml"
        feed_file.write_text(text, encoding="utf-8")
        add_channel(driver, panel, wine.windows_path(feed_file), name)
        wait_until(lambda: driver.control(hwnd=panel, text="Read RSS Channel")["enabled"], 5, what="read enabled")
        driver.select(hwnd=panel, control=selector["hwnd"], index=number)
        driver.click(hwnd=panel, text="Read RSS Channel")
        then()

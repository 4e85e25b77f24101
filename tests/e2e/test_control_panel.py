"""The control panel of the real program, in four journeys: the settings a first start writes and
the next start loads (into the clock and into the panel's controls, kept by the close action's
"Yes"); the main page (header, pages, bound controls, transparency, the clock's position, the
home page link, the planner button, "No" writes nothing); the colour page and the face (picture
lists, face font, weekday and date, frame and seconds styles, background); the seconds, laser and
hand-style switches."""

import struct

import pytest
from PIL import Image

from tikora_harness import CAPTURES, REPO, SCREENSHOTS, signed32, wait_until

MEDIA = REPO / "build" / "media"

QUESTION = "   You are leaving the Panel ... \r   Do you want save settings ? \r" + "_" * 38
SAVED = "   Settings have been saved successfully.\r" + "_" * 44
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
WM_CLOSE = 0x0010
MAIN, COLOUR, RSS = 0, 1, 2
REPEAT = "Repeat Time Every  [minutes]"
FACE_COLOURS = "Clock Frame,  Background,  Digits"


def open_panel(tikora, page=MAIN):
    panel = tikora.open_from_tray_menu("Control Panel", "TForm2")
    if page != MAIN:
        tikora.driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=page)
        tikora.driver.settle(panel["hwnd"])
    return panel


def close_and_answer(tikora, driver, panel, answer):
    """The close action's question, answered; returns the question box."""
    driver.post(WM_CLOSE, 0, 0, hwnd=panel["hwnd"])  # as the title bar's button
    box = driver.wait_message_box(pid=tikora.pid, contains="save settings")
    assert box["caption"] == "Control Panel - Settings" and box["text"] == QUESTION
    assert [b["label"] for b in box["buttons"]] == ["Yes", "No"]
    assert not tikora.window("TForm2")["visible"]
    driver.dismiss_message_box(answer, pid=tikora.pid, contains="save settings")
    return box


def keep_page(driver, panel, name):
    """Saves the panel as the screen shows it once its painting has come to rest."""
    image = driver.capture_still(CAPTURES / f"{name}.bmp", hwnd=panel["hwnd"])
    image.save(SCREENSHOTS / f"{name}.png")
    return image


def radios(driver, panel, group):
    return [c for c in driver.controls(hwnd=panel["hwnd"], group=group, control_class="Button") if c.get("kind") == "radio"]


# ---- Settings written, loaded and saved --------------------------------------------------------

@pytest.mark.deadline(90)
def test_settings_written_at_the_first_start_load_at_the_next_and_survive_a_save(tikora, driver, registry):
    tikora.start()
    values = registry.read_key(r"HKCU\Tikora")
    assert values["nrm_st"] == ("REG_DWORD", 0xFFFFFFFF) and signed32(values["nrm_st"][1]) == -1
    assert values["cor_fo"] == ("REG_SZ", "Arial")
    assert values["cor_si"] == ("REG_DWORD", 2)
    assert values["ed_mi"] == ("REG_SZ", "3")
    assert values["chk_dw"] == ("REG_DWORD", 1)
    assert values["col_bg"] == ("REG_DWORD", 0)
    kind, date = values["dtp_da"]
    assert kind == "REG_BINARY" and len(date) == 8 and struct.unpack("<d", date)[0] > 0
    assert len(values["dtp_ti"][1]) == 8
    assert "ses_st" in values
    run = registry.read_key(RUN_KEY)
    assert run["Tikora"][1].lower().endswith("tikora.exe")

    tikora.restart(registry=registry, values={
        "chk_tr": ("REG_DWORD", 1), "scr_tr": ("REG_DWORD", 64), "nrm_st": ("REG_DWORD", 5),
        "st_to": ("REG_DWORD", 1), "ra_si": ("REG_DWORD", 0), "ra_th": ("REG_DWORD", 1),
        "col_bg": ("REG_DWORD", 0x0000FF00), "ed_mi": ("REG_SZ", "45"), "up_mi": ("REG_DWORD", 45),
        "co_go": ("REG_DWORD", 7), "co_mi": ("REG_DWORD", 30), "cor_si": ("REG_DWORD", 4),
        "cor_st": ("REG_DWORD", 3), "por_st": ("REG_DWORD", 12)})
    # The stored transparency blends the clock at once; white stays see-through.
    clock = tikora.window("TForm1")
    assert clock["layered"]["uses_alpha"] and clock["layered"]["alpha"] == 64
    assert clock["layered"]["uses_color_key"] and clock["layered"]["color_key"] == 0xFFFFFF
    wait_until(lambda: tikora.window("TForm1")["topmost"], 5, what="clock on top")

    panel = open_panel(tikora)
    controls = driver.controls(hwnd=panel["hwnd"])
    styles = [c for c in controls if c.get("items") and "Style 1" in c["items"]][0]
    assert styles["selected"] == 5
    assert driver.control(hwnd=panel["hwnd"], text="Set Clock Window on Top")["checked"]
    assert [c["text"] for c in radios(driver, panel, REPEAT) if c["checked"]] == ["10"]
    assert len([c for c in controls if c["class"].lower() == "edit" and c["text"] == "45"]) == 1
    # The exact power-off time's hour and minute, which may also be typed.
    times = [c for c in controls if c.get("items") and c["items"][:2] == ["00", "01"]]
    assert [(c["selected"], c["text"]) for c in times] == [(7, "07"), (30, "30")]
    sizes = [c for c in controls if c.get("items") == ["10", "12", "14", "16", "18"]][0]
    assert sizes["selected"] == 4

    # "Yes" stores what changed and says so; what did not change is stored as it was.
    driver.check(hwnd=panel["hwnd"], text="Set Clock Window on Top", state=0)
    assert registry.read_key(r"HKCU\Tikora")["st_to"] == ("REG_DWORD", 1)  # until the save
    close_and_answer(tikora, driver, panel, "Yes")
    told = driver.wait_message_box(pid=tikora.pid, contains="saved")
    assert told["caption"] == "Tikora" and told["text"] == SAVED
    driver.dismiss_message_box("OK", pid=tikora.pid)
    values = registry.read_key(r"HKCU\Tikora")
    assert values["st_to"] == ("REG_DWORD", 0)
    assert (values["cor_si"], values["cor_st"], values["por_st"], values["scr_tr"]) == (
        ("REG_DWORD", 4), ("REG_DWORD", 3), ("REG_DWORD", 12), ("REG_DWORD", 64))


# ---- The main page ------------------------------------------------------------------------------

def the_header_pages_and_lists(driver, panel):
    assert panel["caption"] == "Control Panel"
    assert (panel["client"]["width"], panel["client"]["height"]) == (731, 499)
    controls = driver.controls(hwnd=panel["hwnd"])
    texts = {c["text"] for c in controls}
    for caption in ["Tikora ", "Home Page", "Clock Start-up Position", "Time Voice Announcement",
                    REPEAT, "Am / Pm", "Type of the Voice",
                    "Shutdown PC /Log off from Windows/Hibernation", "Countdown to the Future Date",
                    "System Work Time [days h:m:s]", "Daily Planner", "Clock Transparency, Style",
                    "Inform at Full Hour", "By Sound Effect", "By Visiual Effect", "Font Settings",
                    "Clock Hands Settings", "Day Of The Week", "Clock Window Time Display",
                    FACE_COLOURS, "Date", "Seconds", "Digital Time",
                    "ADD, Remove RSS Channels", "RSS Player", "RSS Player Settings Window",
                    "Play Selected RSS Channel Every", "Set Clock Window on Top", "Start with System"]:
        assert caption in texts, caption
    tabs = driver.control(hwnd=panel["hwnd"], control_class="SysTabControl32")
    assert tabs["items"] == ["Main Settings", "Clock Color Settings", "RSS Reader"] and tabs["selected"] == 0
    # Lists filled as their values need.
    styles = [c for c in controls if c.get("items") and "Style 1" in c["items"]]
    assert len(styles) == 1 and styles[0]["items"][-1] == "Style 40"
    sizes = [c["items"] for c in controls if c.get("items") and c["items"][:1] == ["10"]]
    assert ["10", "12", "14", "16", "18"] in sizes
    hours = [c for c in controls if c.get("items") and c["items"][:1] == ["00"] and len(c["items"]) == 24]
    assert hours and hours[0]["items"][-1] == "23"
    # The repeat buttons are one group: the default "60" is the one checked.
    assert [c["text"] for c in radios(driver, panel, REPEAT) if c["checked"]] == ["60"]
    driver.check(hwnd=panel["hwnd"], text="OFF", group=REPEAT, state=1)
    assert [c["text"] for c in radios(driver, panel, REPEAT) if c["checked"]] == ["OFF"]


def transparency_blends_the_clock(tikora, driver, panel):
    def layered():
        return tikora.window("TForm1")["layered"]

    def label():
        return [c for c in driver.controls(hwnd=panel["hwnd"], group="Clock Transparency, Style", control_class="Static")
                if c["text"].startswith("Transparency Value")][0]

    assert not layered()["uses_alpha"] and not label()["visible"]
    driver.check(hwnd=panel["hwnd"], text="Set Transparency", state=1)
    wait_until(lambda: layered()["uses_alpha"], 5, what="alpha blending on")
    assert layered()["alpha"] == 255
    assert layered()["uses_color_key"] and layered()["color_key"] == 0xFFFFFF
    assert label()["text"] == "Transparency Value = 100" and label()["visible"]
    driver.scroll(128, hwnd=panel["hwnd"], control_class="ScrollBar", group="Clock Transparency, Style")
    wait_until(lambda: layered()["alpha"] == 128, 5, what="alpha follows the bar")
    assert label()["text"] == "Transparency Value = 50"
    for index, name in enumerate(["main", "colour", "rss"]):
        driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=index)
        driver.settle(panel["hwnd"])
        image = keep_page(driver, panel, f"control_panel_{name}")
        assert image.size == (731, 499)
        # The banner lies between two 4-pixel bars in the deep blue it ends in.
        assert {image.getpixel((x, y)) for x in (1, 365, 729) for y in (0, 3, 38, 41)} == {(40, 70, 128)}
        shown = {c["text"] for c in driver.controls(hwnd=panel["hwnd"], shown=True, control_class="Button")}
        assert {"main": "Inform at Full Hour", "colour": "Font Settings", "rss": "RSS Player"}[name] in shown
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=MAIN)
    driver.check(hwnd=panel["hwnd"], text="Set Transparency", state=0)
    wait_until(lambda: not layered()["uses_alpha"], 5, what="alpha blending off")
    assert layered()["uses_color_key"] and layered()["color_key"] == 0xFFFFFF
    assert not label()["visible"]


def check_position_moves_the_clock(tikora, driver, panel):
    screen = driver.run("screen")
    across, down = screen["width"] - 240, screen["height"] - 240
    group = "Clock Start-up Position"

    def clock_at():
        rect = tikora.window("TForm1")["rect"]
        return rect["left"], rect["top"]

    def marker():
        # The marker is painted on the screen miniature: the top left of its gold ring.
        def gold_of(image):
            return [(x, y) for y in range(60, 200) for x in range(0, 250)
                    if all(abs(a - b) <= 40 for a, b in zip(image.getpixel((x, y))[:3], (226, 192, 78)))]
        gold = gold_of(driver.capture_until(CAPTURES / "marker.bmp", gold_of, hwnd=panel["hwnd"]))
        return {"left": min(x for x, _ in gold), "top": min(y for _, y in gold)}

    start = clock_at()
    assert start == (screen["width"] - 240 - 30, 30)
    marker_before = marker()
    # Unticked, the bars move only the marker and the percentage.
    driver.scroll(across // 2, hwnd=panel["hwnd"], control_class="ScrollBar", group=group, nth=0)
    wait_until(lambda: driver.control(hwnd=panel["hwnd"], text="50", group=group), 5, what="percentage")
    assert clock_at() == start
    moved = marker()
    assert moved["left"] - marker_before["left"] == round(across / 2 / round(across / 20))
    # Ticked, the clock goes to the bars' place at once and follows them.
    driver.check(hwnd=panel["hwnd"], text="Check Position", state=1)
    wait_until(lambda: clock_at() == (across // 2, 0), 5, what="clock at the bars' place")
    driver.scroll(down, hwnd=panel["hwnd"], control_class="ScrollBar", group=group, nth=1)
    wait_until(lambda: clock_at() == (across // 2, down), 5, what="clock follows the bar")
    assert driver.control(hwnd=panel["hwnd"], text="100", group=group)
    assert marker()["top"] - marker_before["top"] == 14
    keep_page(driver, panel, "control_panel_position")


def home_page_link_underlines(driver, panel):
    link = driver.control(hwnd=panel["hwnd"], text="Home Page")
    rect = link["client_rect"]
    area = (rect["left"], rect["top"], rect["right"], rect["bottom"] + 2)

    def white_pixels():
        image = driver.capture_image(CAPTURES / "home_page.bmp", hwnd=panel["hwnd"]).crop(area)
        return sum(1 for p in image.getdata() if min(p[:3]) > 230)

    plain = white_pixels()
    centre = ((link["rect"]["left"] + link["rect"]["right"]) // 2, (link["rect"]["top"] + link["rect"]["bottom"]) // 2)
    driver.mouse(centre, action="move")
    wait_until(lambda: white_pixels() > plain + 20, 5, what="underline under the pointer")
    driver.park_pointer()
    wait_until(lambda: abs(white_pixels() - plain) <= 3, 5, what="underline gone")


@pytest.mark.deadline(120)
def test_the_main_page(tikora, driver, registry):
    tikora.start()
    panel = open_panel(tikora)
    the_header_pages_and_lists(driver, panel)
    transparency_blends_the_clock(tikora, driver, panel)
    check_position_moves_the_clock(tikora, driver, panel)
    home_page_link_underlines(driver, panel)

    assert not tikora.window("TForm3")["visible"]
    driver.click(hwnd=panel["hwnd"], text="Open Daily Planner")
    driver.wait_shown("TForm3", tikora.pid)

    # "No" writes nothing of what changed.
    driver.check(hwnd=panel["hwnd"], text="Set Clock Window on Top", state=1)
    wait_until(lambda: tikora.window("TForm1")["topmost"], 5, what="clock window on top")
    before = registry.export_tree(r"HKCU\Tikora")
    close_and_answer(tikora, driver, panel, "No")
    # The answer is followed by the box that says nothing was saved.
    driver.wait_message_box(pid=tikora.pid, contains="unsaved")
    driver.dismiss_message_box("OK", pid=tikora.pid, contains="unsaved")
    wait_until(lambda: not driver.message_boxes(pid=tikora.pid), 10, what="no box left")
    assert registry.export_tree(r"HKCU\Tikora") == before


# ---- The colour page and the face ---------------------------------------------------------------

CB_SHOWDROPDOWN = 0x014F
CB_GETTOPINDEX = 0x015B


def count(image, rgb):
    return sum(1 for p in image.getdata() if p[:3] == rgb)


def dropped_list(driver, tikora, panel, combo, name):
    """Drops `combo` down and captures its list (a window of its own) as the screen shows it."""
    def dropped(state):
        return driver.control(hwnd=panel["hwnd"], control=combo["hwnd"])["dropped"] == state

    driver.post(CB_SHOWDROPDOWN, 1, 0, hwnd=panel["hwnd"], control=combo["hwnd"])
    wait_until(lambda: dropped(True), 5, what="list dropped down")
    lists = driver.windows(cls="ComboLBox", pid=tikora.pid, visible=True)
    assert len(lists) == 1
    client = lists[0]["client"]
    area = (client["left"], client["top"], client["width"], client["height"])
    image = driver.capture_still(CAPTURES / f"{name}.bmp", area="screen", rect=area)
    driver.capture_image(CAPTURES / f"{name}_screen.bmp", area="screen").save(SCREENSHOTS / f"{name}.png")
    top = driver.send(CB_GETTOPINDEX, hwnd=panel["hwnd"], control=combo["hwnd"])["result"]
    driver.post(CB_SHOWDROPDOWN, 0, 0, hwnd=panel["hwnd"], control=combo["hwnd"])
    wait_until(lambda: dropped(False), 5, what="list closed")
    return image, top


def picture_lists_show_a_picture_an_item(tikora, driver, panel):
    # The first run's face font "Font" shows, though no installed font has that name.
    font = driver.control(hwnd=panel["hwnd"], control_class="ComboBox", group="Font Settings", nth=0)
    assert font["text"] == "Font" and "Font" not in font["items"]
    frames = driver.control(hwnd=panel["hwnd"], control_class="ComboBox", group=FACE_COLOURS, nth=0)
    hands = driver.control(hwnd=panel["hwnd"], control_class="ComboBox", group="Clock Hands Settings", nth=0)
    assert (frames["count"], frames["selected"]) == (19, 6)
    assert (hands["count"], hands["selected"]) == (18, 0)
    # Each item: its rectangle cleared with the list's own colour (the selected one as well, no
    # highlight, no text), the item's cell of the samples 32 pixels in and 2 down.
    for combo, samples, item_height, name in [(frames, "frame_samples", 18, "control_panel_frame_colours"),
                                              (hands, "hand_samples", 42, "control_panel_hand_styles")]:
        image, first = dropped_list(driver, tikora, panel, combo, name)
        with Image.open(MEDIA / f"{samples}.bmp") as strip:
            cells = strip.convert("RGB")
        cell_width = cells.width // combo["count"]
        background = image.getpixel((2, 1))
        shown = image.height // item_height
        assert shown >= 3
        for row in range(shown):
            item, top = first + row, row * item_height
            # The focus rectangle may lie on the item's border.
            assert all(image.getpixel((x, top + y)) == background
                       for y in range(1, item_height - 1) for x in range(2, 30)), (name, item)
            wrong = [(x, y) for y in range(cells.height) for x in range(cell_width)
                     if image.getpixel((32 + x, top + 2 + y)) != cells.getpixel((item * cell_width + x, y))]
            assert wrong == [], (name, item, wrong[:5])


def face_changes_show_at_once(tikora, driver, panel):
    clock = tikora.clock.hwnd
    red, yellow = (255, 0, 0), (255, 255, 0)

    # A larger face font makes larger digits: the twelve red numerals give about 200 pixels at
    # 10 pt, the hands may cover some of them.
    before = count(driver.capture_image(CAPTURES / "font_before.bmp", hwnd=clock), red)
    assert before > 120
    driver.select(hwnd=panel["hwnd"], control_class="ComboBox", group="Font Settings", nth=1, index=4)  # "12"
    driver.capture_until(CAPTURES / "font_after.bmp", lambda im: count(im, red) > before * 1.3,
                         hwnd=clock).save(SCREENSHOTS / "clock_font_12.png")

    # Weekday and date, both off at a first start, show left and right of the centre.
    def yellow_near(image, cx, cy):
        return sum(1 for x in range(cx - 30, cx + 31) for y in range(cy - 10, cy + 11)
                   if image.getpixel((x, y))[:3] == yellow)

    driver.check(hwnd=panel["hwnd"], text="OFF", group="Day Of The Week", state=0)
    driver.check(hwnd=panel["hwnd"], text="OFF", group="Date", state=0)
    image = driver.capture_until(CAPTURES / "weekday_date.bmp",
                                 lambda im: yellow_near(im, 70, 120) > 10 and yellow_near(im, 170, 120) > 10,
                                 hwnd=clock)
    image.save(SCREENSHOTS / "weekday_date.png")
    assert yellow_near(image, 120, 40) == 0  # nothing yellow away from the labels' row

    # A frame style and a seconds style show at once in their rings.
    def changed(a, b, low, high):
        return sum(1 for x in range(240) for y in range(240)
                   if low ** 2 <= (x - 120) ** 2 + (y - 120) ** 2 <= high ** 2 and a.getpixel((x, y)) != b.getpixel((x, y)))

    before = driver.capture_image(CAPTURES / "styles_before.bmp", hwnd=clock)
    driver.select(hwnd=panel["hwnd"], control_class="ComboBox", group=FACE_COLOURS, nth=1, index=20)  # "Style 21"
    framed = driver.capture_until(CAPTURES / "styles_frame.bmp", lambda im: changed(before, im, 100, 119) > 1000,
                                  hwnd=clock)
    driver.check(hwnd=panel["hwnd"], text="7", group="Seconds", state=1)
    driver.capture_until(CAPTURES / "styles_seconds.bmp", lambda im: changed(framed, im, 88, 98) > 100,
                         hwnd=clock).save(SCREENSHOTS / "clock_frame_21_seconds_7.png")

    # A background colour repaints the face disk; it is stored only by the close action's save.
    def disk_black(image):
        return sum(1 for x in range(240) for y in range(240)
                   if (x - 120) ** 2 + (y - 120) ** 2 < 88 ** 2 and image.getpixel((x, y)) == (0, 0, 0))

    assert disk_black(driver.capture_image(CAPTURES / "face_before.bmp", hwnd=clock)) > 5000
    driver.select(hwnd=panel["hwnd"], control_class="ComboBox", group=FACE_COLOURS, nth=2, index=10)  # "Lime"
    after = driver.capture_until(CAPTURES / "face_after.bmp", lambda im: count(im, (0, 255, 0)) > 5000, hwnd=clock)
    assert disk_black(after) < 1000


@pytest.mark.deadline(120)
def test_the_colour_page_and_the_face(tikora, driver, registry):
    tikora.start()
    panel = open_panel(tikora, COLOUR)
    picture_lists_show_a_picture_an_item(tikora, driver, panel)
    face_changes_show_at_once(tikora, driver, panel)
    assert registry.read_key(r"HKCU\Tikora")["col_bg"] == ("REG_DWORD", 0)


# ---- Seconds, laser and hand styles -------------------------------------------------------------

SECONDS_STYLES = [str(n) for n in range(1, 13)]


def seconds_group(driver, panel):
    """The "Seconds" group's controls: the two "OFF" switches (seconds first, then the laser),
    the twelve style buttons and the two colour boxes."""
    controls = driver.controls(hwnd=panel["hwnd"], group="Seconds")
    switches = [c for c in controls if c["text"] == "OFF"]
    assert len(switches) == 2
    styles = [c for c in controls if c.get("kind") == "radio"]
    assert [c["text"] for c in styles] == SECONDS_STYLES
    colours = [c for c in controls if c["class"].lower() == "combobox"]
    assert len(colours) == 2
    return {"seconds": switches[0], "laser": switches[1], "styles": styles, "colours": colours}


def hand_styles_follow_the_arrow_keys(driver, panel):
    hands = driver.control(hwnd=panel["hwnd"], control_class="ComboBox", group="Clock Hands Settings", nth=0)

    def now():
        return driver.control(hwnd=panel["hwnd"], control=hands["hwnd"])

    # The list takes the keyboard from a click, which opens it (the release may already pick the
    # item the list opens over, and close it); Escape closes it.
    box = hands["client_rect"]
    driver.mouse((box["left"] + box["width"] // 2, box["top"] + box["height"] // 2), hwnd=panel["hwnd"])
    driver.settle(panel["hwnd"])
    if now()["dropped"]:
        driver.key(0x1B)
    wait_until(lambda: not now()["dropped"] and now()["enabled"], 10, what="list closed")
    first = now()["selected"]
    assert 0 <= first < 15
    # Each step rebuilds the hands with the list disabled; it has the keyboard again after.
    for style in (first + 1, first + 2, first + 3):
        driver.key(0x28)  # down
        wait_until(lambda: now()["selected"] == style and now()["enabled"], 10, what=f"hand style {style}")


@pytest.mark.deadline(120)
def test_seconds_laser_and_hand_style_switches(tikora, driver, registry):
    tikora.start()
    panel = open_panel(tikora, COLOUR)
    hand_styles_follow_the_arrow_keys(driver, panel)
    group = seconds_group(driver, panel)
    driver.check(hwnd=panel["hwnd"], control=group["laser"]["hwnd"], state=0)  # laser on

    # Seconds off: the styles, both colours and the laser switch go grey, the laser switch ticked.
    driver.check(hwnd=panel["hwnd"], control=group["seconds"]["hwnd"], state=1)
    wait_until(lambda: not seconds_group(driver, panel)["laser"]["enabled"], 5, what="laser switch disabled")
    group = seconds_group(driver, panel)
    assert group["laser"]["checked"]
    assert [c["text"] for c in group["styles"] if c["enabled"]] == []
    assert [c["enabled"] for c in group["colours"]] == [False, False]
    keep_page(driver, panel, "control_panel_colour_seconds_off")

    # Seconds on: all of them free again; the laser stays off until it is switched on.
    driver.check(hwnd=panel["hwnd"], control=group["seconds"]["hwnd"], state=0)
    wait_until(lambda: seconds_group(driver, panel)["laser"]["enabled"], 5, what="laser switch enabled")
    group = seconds_group(driver, panel)
    assert group["laser"]["checked"]
    assert all(c["enabled"] for c in group["styles"] + group["colours"])

    # Style 10 has no laser: its switch is ticked and disabled.
    driver.check(hwnd=panel["hwnd"], control=group["laser"]["hwnd"], state=0)
    driver.check(hwnd=panel["hwnd"], text="10", group="Seconds", state=1)
    wait_until(lambda: not seconds_group(driver, panel)["laser"]["enabled"], 5, what="laser switch disabled")
    assert seconds_group(driver, panel)["laser"]["checked"]
    keep_page(driver, panel, "control_panel_colour_style_10")

    # A save stores the switch as the clock showed it.
    close_and_answer(tikora, driver, panel, "Yes")
    driver.dismiss_message_box("OK", pid=tikora.pid, contains="saved")
    values = registry.read_key(r"HKCU\Tikora")
    assert values["chk_le"] == ("REG_DWORD", 1)
    assert values["se_sxb"] == ("REG_DWORD", 1)
    assert values["sek_of"] == ("REG_DWORD", 0)

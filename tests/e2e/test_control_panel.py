"""The control panel of the real program: the first start's settings write, the window and its
three pages opened from the tray menu, controls bound to the settings, and the close action's
save question with its Yes and No answers."""

import struct
import time

from PIL import Image

from tikora_harness import E2E_BUILD, REPO, signed32, wait_until

SCREENSHOTS = E2E_BUILD / "screenshots"
CAPTURES = E2E_BUILD / "captures"
MEDIA = REPO / "build" / "media"

QUESTION = "   You are leaving the Panel ... \r   Do you want save settings ? \r" + "_" * 38
SAVED = "   Settings have been saved successfully.\r" + "_" * 44
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def open_panel(tikora, driver):
    tikora.start()
    tikora.choose_from_tray_menu("Control Panel")
    panel = driver.windows(cls="TForm2", pid=tikora.pid)[0]
    wait_until(lambda: driver.windows(cls="TForm2", pid=tikora.pid)[0]["visible"], 10,
               what="control panel shown")
    driver.settle(panel["hwnd"])
    return panel


def test_first_start_writes_every_value_by_its_type(tikora, driver, registry):
    tikora.start()
    values = registry.read_key(r"HKCU\Tikora")
    assert values is not None
    assert values["nrm_st"] == ("REG_DWORD", 0xFFFFFFFF) and signed32(values["nrm_st"][1]) == -1
    assert values["cor_fo"] == ("REG_SZ", "Arial")
    assert values["cor_si"] == ("REG_DWORD", 2)
    assert values["ed_mi"] == ("REG_SZ", "3")
    assert values["chk_dw"] == ("REG_DWORD", 1)
    assert values["col_bg"] == ("REG_DWORD", 0)
    kind, date = values["dtp_da"]
    assert kind == "REG_BINARY" and len(date) == 8
    assert struct.unpack("<d", date)[0] > 0
    assert len(values["dtp_ti"][1]) == 8
    assert "ses_st" in values
    run = registry.read_key(RUN_KEY)
    assert run is not None and "Tikora" in run
    assert run["Tikora"][1].lower().endswith("tikora.exe")


def test_window_header_pages_and_bound_controls(tikora, driver):
    panel = open_panel(tikora, driver)
    assert panel["caption"] == "Control Panel"
    client = panel["client"]
    assert (client["width"], client["height"]) == (731, 499)
    controls = driver.controls(hwnd=panel["hwnd"])
    texts = {c["text"] for c in controls}
    for caption in ["Tikora ", "Home Page", "Clock Start-up Position", "Time Voice Announcement",
                    "Repeat Time Every  [minutes]", "Am / Pm", "Type of the Voice",
                    "Shutdown PC /Log off from Windows/Hibernation", "Countdown to the Future Date",
                    "System Work Time [days h:m:s]", "Daily Planner", "Clock Transparency, Style",
                    "Inform at Full Hour", "By Sound Effect", "By Visiual Effect", "Font Settings",
                    "Clock Hands Settings", "Day Of The Week", "Clock Window Time Display",
                    "Clock Frame,  Background,  Digits", "Date", "Seconds", "Digital Time",
                    "ADD, Remove RSS Channels", "RSS Player", "RSS Player Settings Window",
                    "Play Selected RSS Channel Every", "Set Clock Window on Top", "Start with System"]:
        assert caption in texts, caption
    tabs = driver.control(hwnd=panel["hwnd"], control_class="SysTabControl32")
    assert tabs["items"] == ["Main Settings", "Clock Color Settings", "RSS Reader"]
    assert tabs["selected"] == 0
    # Lists filled as their values need.
    styles = [c for c in controls if c.get("items") and "Style 1" in c["items"]]
    assert len(styles) == 1 and styles[0]["items"][-1] == "Style 40"
    sizes = [c["items"] for c in controls if c.get("items") and c["items"][:1] == ["10"]]
    assert ["10", "12", "14", "16", "18"] in sizes
    hours = [c for c in controls if c.get("items") and c["items"][:1] == ["00"] and len(c["items"]) == 24]
    assert hours and hours[0]["items"][-1] == "23"
    # The repeat buttons are one group: the default "60" is the one checked.
    repeat = [c for c in controls if c.get("group") == "Repeat Time Every  [minutes]" and c.get("kind") == "radio"]
    assert [c["text"] for c in repeat if c["checked"]] == ["60"]
    driver.check(hwnd=panel["hwnd"], text="OFF", group="Repeat Time Every  [minutes]", state=1)
    repeat = [c for c in driver.controls(hwnd=panel["hwnd"])
              if c.get("group") == "Repeat Time Every  [minutes]" and c.get("kind") == "radio"]
    assert [c["text"] for c in repeat if c["checked"]] == ["OFF"]
    # The transparency value shows while "Set Transparency" is ticked, and follows the bar.
    def transparency_label():
        return [c for c in driver.controls(hwnd=panel["hwnd"]) if c["text"].startswith("Transparency Value")]
    assert not transparency_label()[0]["visible"]
    driver.check(hwnd=panel["hwnd"], text="Set Transparency", state=1)
    driver.scroll(128, hwnd=panel["hwnd"], control_class="ScrollBar", group="Clock Transparency, Style")
    wait_until(lambda: transparency_label()[0]["text"] == "Transparency Value = 50", 5, what="label")
    assert transparency_label()[0]["visible"]

    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    CAPTURES.mkdir(parents=True, exist_ok=True)
    for index, name in enumerate(["main", "colour", "rss"]):
        driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=index)
        driver.settle(panel["hwnd"])
        time.sleep(1)  # the X server shows what the program painted a moment later
        bmp = CAPTURES / f"control_panel_{name}.bmp"
        image = driver.capture_image(bmp, hwnd=panel["hwnd"])
        assert image.size == (731, 499)
        image.save(SCREENSHOTS / f"control_panel_{name}.png")
        # The banner lies between two 4-pixel bars in the deep blue it ends in.
        assert {image.getpixel((x, y)) for x in (1, 365, 729) for y in (0, 3, 38, 41)} == {(40, 70, 128)}
        shown = {c["text"] for c in driver.controls(hwnd=panel["hwnd"], shown=True)}
        page_group = {"main": "Inform at Full Hour", "colour": "Font Settings", "rss": "RSS Player"}[name]
        assert page_group in shown


def test_set_transparency_blends_the_clock_window_and_keeps_white_see_through(tikora, driver):
    panel = open_panel(tikora, driver)

    def layered():
        return driver.windows(cls="TForm1", pid=tikora.pid)[0]["layered"]

    def label():
        return [c for c in driver.controls(hwnd=panel["hwnd"]) if c["text"].startswith("Transparency Value")][0]

    assert not layered()["uses_alpha"]
    driver.check(hwnd=panel["hwnd"], text="Set Transparency", state=1)
    wait_until(lambda: layered()["uses_alpha"], 5, what="alpha blending on")
    assert layered()["alpha"] == 255
    assert layered()["uses_color_key"] and layered()["color_key"] == 0xFFFFFF
    assert label()["text"] == "Transparency Value = 100" and label()["visible"]
    driver.scroll(128, hwnd=panel["hwnd"], control_class="ScrollBar", group="Clock Transparency, Style")
    wait_until(lambda: layered()["alpha"] == 128, 5, what="alpha follows the bar")
    assert label()["text"] == "Transparency Value = 50"
    driver.check(hwnd=panel["hwnd"], text="Set Transparency", state=0)
    wait_until(lambda: not layered()["uses_alpha"], 5, what="alpha blending off")
    assert layered()["uses_color_key"] and layered()["color_key"] == 0xFFFFFF
    assert not label()["visible"]


def test_stored_transparency_takes_effect_at_start(tikora, driver, registry):
    tikora.start()
    tikora.choose_from_tray_menu("Exit")
    assert tikora.wait_exit(timeout=20) == 0
    registry.import_values(r"HKCU\Tikora", {"chk_tr": ("REG_DWORD", 1), "scr_tr": ("REG_DWORD", 64)})
    tikora.start()
    clock = driver.windows(cls="TForm1", pid=tikora.pid)[0]
    assert clock["layered"]["uses_alpha"] and clock["layered"]["alpha"] == 64
    assert clock["layered"]["uses_color_key"] and clock["layered"]["color_key"] == 0xFFFFFF


def test_close_asks_and_yes_saves_the_changed_values(tikora, driver, registry):
    panel = open_panel(tikora, driver)
    assert not driver.windows(cls="TForm1", pid=tikora.pid)[0]["topmost"]
    driver.check(hwnd=panel["hwnd"], text="Set Clock Window on Top", state=1)
    # The second tick puts the clock window on top while the box is ticked.
    wait_until(lambda: driver.windows(cls="TForm1", pid=tikora.pid)[0]["topmost"], 5,
               what="clock window on top")
    assert registry.read_key(r"HKCU\Tikora")["st_to"] == ("REG_DWORD", 0)
    driver.post(0x0010, 0, 0, hwnd=panel["hwnd"])  # WM_CLOSE, as the title bar's button
    box = driver.wait_message_box(pid=tikora.pid, timeout=20000)
    assert box["caption"] == "Control Panel - Settings"
    assert box["text"] == QUESTION
    assert [b["label"] for b in box["buttons"]] == ["Yes", "No"]
    assert not driver.windows(cls="TForm2", pid=tikora.pid)[0]["visible"]
    driver.dismiss_message_box("Yes", pid=tikora.pid)
    told = driver.wait_message_box(pid=tikora.pid, timeout=20000)
    assert told["caption"] == "Tikora" and told["text"] == SAVED
    driver.dismiss_message_box("OK", pid=tikora.pid)
    assert registry.read_key(r"HKCU\Tikora")["st_to"] == ("REG_DWORD", 1)


def test_close_with_no_writes_nothing(tikora, driver, registry):
    panel = open_panel(tikora, driver)
    driver.check(hwnd=panel["hwnd"], text="Set Clock Window on Top", state=1)
    before = registry.export_tree(r"HKCU\Tikora")
    driver.post(0x0010, 0, 0, hwnd=panel["hwnd"])
    driver.wait_message_box(pid=tikora.pid, timeout=20000)
    driver.dismiss_message_box("No", pid=tikora.pid)
    wait_until(lambda: not driver.message_boxes(pid=tikora.pid) or
               all("unsaved" in b["text"] for b in driver.message_boxes(pid=tikora.pid)), 10,
               what="question gone")
    for box in driver.message_boxes(pid=tikora.pid):
        driver.dismiss_message_box("OK", pid=tikora.pid)
    assert registry.export_tree(r"HKCU\Tikora") == before


def test_stored_values_show_in_their_controls(tikora, driver, registry):
    tikora.start()
    tikora.choose_from_tray_menu("Exit")
    assert tikora.wait_exit(timeout=20) == 0
    registry.import_values(r"HKCU\Tikora", {
        "nrm_st": ("REG_DWORD", 5), "st_to": ("REG_DWORD", 1), "ra_si": ("REG_DWORD", 0),
        "ra_th": ("REG_DWORD", 1), "col_bg": ("REG_DWORD", 0x0000FF00), "ed_mi": ("REG_SZ", "45"),
        "up_mi": ("REG_DWORD", 45), "co_go": ("REG_DWORD", 7), "co_mi": ("REG_DWORD", 30)})
    panel = open_panel(tikora, driver)
    controls = driver.controls(hwnd=panel["hwnd"])
    styles = [c for c in controls if c.get("items") and "Style 1" in c["items"]][0]
    assert styles["selected"] == 5
    assert driver.control(hwnd=panel["hwnd"], text="Set Clock Window on Top")["checked"]
    repeat = [c["text"] for c in controls
              if c.get("group") == "Repeat Time Every  [minutes]" and c.get("kind") == "radio" and c["checked"]]
    assert repeat == ["10"]
    edits = [c for c in controls if c["class"].lower() == "edit" and c["text"] == "45"]
    assert len(edits) == 1
    # The exact power-off time's hour and minute, which may also be typed.
    times = [c for c in controls if c.get("items") and c["items"][:2] == ["00", "01"]]
    assert [(c["selected"], c["text"]) for c in times] == [(7, "07"), (30, "30")]
    wait_until(lambda: driver.windows(cls="TForm1", pid=tikora.pid)[0]["topmost"], 5, what="clock on top")


def test_a_changed_background_colour_repaints_the_face(backdrop, tikora, driver, registry):
    panel = open_panel(tikora, driver)
    clock = driver.windows(cls="TForm1", pid=tikora.pid)[0]["hwnd"]

    def count(image, rgb):
        return sum(1 for p in image.getdata() if p == rgb)

    before = driver.capture_image(CAPTURES / "face_before.bmp", hwnd=clock)
    assert count(before, (0, 0, 0)) > 5000
    driver.select(hwnd=panel["hwnd"], control_class="ComboBox", group="Clock Frame,  Background,  Digits",
                  nth=2, index=10)  # "Lime"
    after = driver.capture_until(CAPTURES / "face_after.bmp", lambda im: count(im, (0, 255, 0)) > 5000,
                                 hwnd=clock)
    assert count(after, (0, 0, 0)) < 1000
    # Only the record changed; the stored value waits for the close action's save.
    assert registry.read_key(r"HKCU\Tikora")["col_bg"] == ("REG_DWORD", 0)


def test_weekday_and_date_labels_show_on_the_clock(tikora, driver):
    panel = open_panel(tikora, driver)
    # Both are off at the first start.
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=1)
    driver.check(hwnd=panel["hwnd"], text="OFF", group="Day Of The Week", state=0)
    driver.check(hwnd=panel["hwnd"], text="OFF", group="Date", state=0)
    clock = driver.windows(cls="TForm1", pid=tikora.pid)[0]["hwnd"]
    yellow = (255, 255, 0)

    def yellow_near(image, cx, cy):
        return sum(1 for x in range(cx - 30, cx + 31) for y in range(cy - 10, cy + 11)
                   if image.getpixel((x, y))[:3] == yellow)

    CAPTURES.mkdir(parents=True, exist_ok=True)
    image = driver.capture_until(CAPTURES / "weekday_date.bmp",
                                 lambda im: yellow_near(im, 70, 120) > 10 and yellow_near(im, 170, 120) > 10,
                                 hwnd=clock)
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    image.save(SCREENSHOTS / "weekday_date.png")
    # Nothing yellow away from the labels' row but the digital time's.
    assert yellow_near(image, 120, 40) == 0



def test_check_position_moves_the_clock_with_the_bars_and_the_marker_follows(tikora, driver):
    panel = open_panel(tikora, driver)
    screen = driver.run("screen")
    across, down = screen["width"] - 240, screen["height"] - 240
    group = "Clock Start-up Position"

    def clock_at():
        rect = driver.windows(cls="TForm1", pid=tikora.pid)[0]["rect"]
        return rect["left"], rect["top"]

    def marker():
        # The marker is painted on the screen miniature: the top left of its gold ring.
        def gold_of(image):
            return [(x, y) for y in range(60, 200) for x in range(0, 250)
                    if all(abs(a - b) <= 40 for a, b in zip(image.getpixel((x, y))[:3], (226, 192, 78)))]

        # The miniature is painted after the panel shows; a capture may come first on a busy machine.
        gold = gold_of(driver.capture_until(CAPTURES / "marker.bmp", lambda im: gold_of(im), hwnd=panel["hwnd"]))
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
    time.sleep(1)
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    driver.capture_image(CAPTURES / "position.bmp", hwnd=panel["hwnd"]).crop((0, 40, 250, 200)).save(
        SCREENSHOTS / "control_panel_position.png")


def test_a_larger_face_font_makes_larger_digits(tikora, driver):
    panel = open_panel(tikora, driver)
    clock = driver.windows(cls="TForm1", pid=tikora.pid)[0]["hwnd"]
    red = (255, 0, 0)

    def reds(image):
        return sum(1 for p in image.getdata() if p[:3] == red)

    CAPTURES.mkdir(parents=True, exist_ok=True)
    # The twelve red numerals give about 200 pixels at 10 pt; the hands may cover some of them.
    before = reds(driver.capture_image(CAPTURES / "font_before.bmp", hwnd=clock))
    assert before > 120
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=1)
    driver.select(hwnd=panel["hwnd"], control_class="ComboBox", group="Font Settings", nth=1, index=4)  # "12"
    after = driver.capture_until(CAPTURES / "font_after.bmp", lambda im: reds(im) > before * 1.3, hwnd=clock)
    after.save(SCREENSHOTS / "clock_font_12.png")


def test_home_page_link_is_underlined_under_the_pointer(tikora, driver):
    panel = open_panel(tikora, driver)
    link = driver.control(hwnd=panel["hwnd"], text="Home Page")
    rect = link["client_rect"]
    area = (rect["left"], rect["top"], rect["right"], rect["bottom"] + 2)

    def white_pixels():
        time.sleep(0.5)
        image = driver.capture_image(CAPTURES / "home_page.bmp", hwnd=panel["hwnd"]).crop(area)
        return sum(1 for p in image.getdata() if min(p[:3]) > 230)

    plain = white_pixels()
    centre = ((link["rect"]["left"] + link["rect"]["right"]) // 2, (link["rect"]["top"] + link["rect"]["bottom"]) // 2)
    driver.mouse(centre, action="move")
    wait_until(lambda: white_pixels() > plain + 20, 5, what="underline under the pointer")
    driver.mouse((0, 0), action="move")
    wait_until(lambda: abs(white_pixels() - plain) <= 3, 5, what="underline gone")


def test_stored_ticker_settings_show_in_their_controls_and_survive_a_save(tikora, driver, registry):
    tikora.start()
    tikora.choose_from_tray_menu("Exit")
    assert tikora.wait_exit(timeout=20) == 0
    registry.import_values(r"HKCU\Tikora", {"cor_si": ("REG_DWORD", 4), "cor_st": ("REG_DWORD", 3),
                                            "por_st": ("REG_DWORD", 12)})
    panel = open_panel(tikora, driver)
    controls = driver.controls(hwnd=panel["hwnd"])
    sizes = [c for c in controls if c.get("items") == ["10", "12", "14", "16", "18"]][0]
    assert sizes["selected"] == 4
    driver.post(0x0010, 0, 0, hwnd=panel["hwnd"])
    driver.wait_message_box(pid=tikora.pid, timeout=20000)
    driver.dismiss_message_box("Yes", pid=tikora.pid)
    driver.wait_message_box(pid=tikora.pid, timeout=20000)
    driver.dismiss_message_box("OK", pid=tikora.pid)
    values = registry.read_key(r"HKCU\Tikora")
    assert (values["cor_si"], values["cor_st"], values["por_st"]) == (
        ("REG_DWORD", 4), ("REG_DWORD", 3), ("REG_DWORD", 12))


def test_open_daily_planner_shows_the_planner_window(tikora, driver):
    panel = open_panel(tikora, driver)
    assert not driver.windows(cls="TForm3", pid=tikora.pid)[0]["visible"]
    driver.click(hwnd=panel["hwnd"], text="Open Daily Planner")
    wait_until(lambda: driver.windows(cls="TForm3", pid=tikora.pid)[0]["visible"], 5, what="planner shown")


def test_frame_style_and_seconds_style_show_on_the_clock_at_once(tikora, driver):
    panel = open_panel(tikora, driver)
    clock = driver.windows(cls="TForm1", pid=tikora.pid)[0]["hwnd"]

    def changed(a, b, low, high):
        return sum(1 for x in range(240) for y in range(240)
                   if low ** 2 <= (x - 120) ** 2 + (y - 120) ** 2 <= high ** 2 and a.getpixel((x, y)) != b.getpixel((x, y)))

    CAPTURES.mkdir(parents=True, exist_ok=True)
    before = driver.capture_image(CAPTURES / "styles_before.bmp", hwnd=clock)
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=1)
    driver.select(hwnd=panel["hwnd"], control_class="ComboBox", group="Clock Frame,  Background,  Digits",
                  nth=1, index=20)  # "Style 21"
    framed = driver.capture_until(CAPTURES / "styles_frame.bmp", lambda im: changed(before, im, 100, 119) > 1000,
                                  hwnd=clock)
    driver.check(hwnd=panel["hwnd"], text="7", group="Seconds", state=1)
    marked = driver.capture_until(CAPTURES / "styles_seconds.bmp", lambda im: changed(framed, im, 88, 98) > 100,
                                  hwnd=clock)
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    marked.save(SCREENSHOTS / "clock_frame_21_seconds_7.png")


# ---- Seconds and laser switches, picture lists --------------------------------------------------

SECONDS_STYLES = [str(n) for n in range(1, 13)]
CB_SHOWDROPDOWN = 0x014F
CB_GETTOPINDEX = 0x015B


def seconds_group(driver, panel):
    """The "Seconds" group's controls: the two "OFF" switches (seconds first, then the laser),
    the twelve style buttons and the two colour boxes."""
    controls = [c for c in driver.controls(hwnd=panel["hwnd"]) if c.get("group") == "Seconds"]
    switches = [c for c in controls if c["text"] == "OFF"]
    assert len(switches) == 2
    styles = [c for c in controls if c.get("kind") == "radio"]
    assert [c["text"] for c in styles] == SECONDS_STYLES
    colours = [c for c in controls if c["class"].lower() == "combobox"]
    assert len(colours) == 2
    return {"seconds": switches[0], "laser": switches[1], "styles": styles, "colours": colours}


def save_page(driver, panel, name):
    driver.settle(panel["hwnd"])
    time.sleep(1)  # the X server shows what the program painted a moment later
    image = driver.capture_image(CAPTURES / f"{name}.bmp", hwnd=panel["hwnd"])
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    image.save(SCREENSHOTS / f"{name}.png")
    return image


def test_seconds_off_and_styles_without_laser_take_the_laser_switch(tikora, driver, registry):
    panel = open_panel(tikora, driver)
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=1)
    group = seconds_group(driver, panel)
    driver.check(hwnd=panel["hwnd"], control=group["laser"]["hwnd"], state=0)  # laser on

    # Seconds off: the styles, both colours and the laser switch go grey, the laser switch ticked.
    driver.check(hwnd=panel["hwnd"], control=group["seconds"]["hwnd"], state=1)
    wait_until(lambda: not seconds_group(driver, panel)["laser"]["enabled"], 5, what="laser switch disabled")
    group = seconds_group(driver, panel)
    assert group["laser"]["checked"]
    assert [c["text"] for c in group["styles"] if c["enabled"]] == []
    assert [c["enabled"] for c in group["colours"]] == [False, False]
    save_page(driver, panel, "control_panel_colour_seconds_off")

    # Seconds on: all of them free again; the laser stays off until it is switched on.
    driver.check(hwnd=panel["hwnd"], control=group["seconds"]["hwnd"], state=0)
    wait_until(lambda: seconds_group(driver, panel)["laser"]["enabled"], 5, what="laser switch enabled")
    group = seconds_group(driver, panel)
    assert group["laser"]["checked"]
    assert all(c["enabled"] for c in group["styles"] + group["colours"])

    # Style 10 has no laser: its switch is ticked and disabled; style 3 frees it again.
    driver.check(hwnd=panel["hwnd"], control=group["laser"]["hwnd"], state=0)
    driver.check(hwnd=panel["hwnd"], text="10", group="Seconds", state=1)
    wait_until(lambda: not seconds_group(driver, panel)["laser"]["enabled"], 5, what="laser switch disabled")
    assert seconds_group(driver, panel)["laser"]["checked"]
    save_page(driver, panel, "control_panel_colour_style_10")

    # A save stores the switch as the clock showed it.
    driver.post(0x0010, 0, 0, hwnd=panel["hwnd"])
    driver.dismiss_message_box("Yes", pid=tikora.pid, contains="save settings")
    driver.dismiss_message_box("OK", pid=tikora.pid, contains="saved")
    values = registry.read_key(r"HKCU\Tikora")
    assert values["chk_le"] == ("REG_DWORD", 1)
    assert values["se_sxb"] == ("REG_DWORD", 1)
    assert values["sek_of"] == ("REG_DWORD", 0)


def dropped_list(driver, tikora, panel, combo, name):
    """Drops `combo` down and captures its list (a window of its own) as the screen shows it."""
    driver.post(CB_SHOWDROPDOWN, 1, 0, hwnd=panel["hwnd"], control=combo["hwnd"])
    wait_until(lambda: driver.control(hwnd=panel["hwnd"], control=combo["hwnd"])["dropped"], 5,
               what="list dropped down")
    lists = [w for w in driver.windows(cls="ComboLBox", pid=tikora.pid, visible=True)]
    assert len(lists) == 1
    driver.settle(panel["hwnd"])
    time.sleep(1)
    client = lists[0]["client"]
    area = (client["left"], client["top"], client["width"], client["height"])
    image = driver.capture_image(CAPTURES / f"{name}.bmp", area="screen", rect=area)
    screen = driver.capture_image(CAPTURES / f"{name}_screen.bmp", area="screen")
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    screen.save(SCREENSHOTS / f"{name}.png")
    top = driver.send(CB_GETTOPINDEX, hwnd=panel["hwnd"], control=combo["hwnd"])["result"]
    driver.post(CB_SHOWDROPDOWN, 0, 0, hwnd=panel["hwnd"], control=combo["hwnd"])
    wait_until(lambda: not driver.control(hwnd=panel["hwnd"], control=combo["hwnd"])["dropped"], 5,
               what="list closed")
    return image, top


def test_colour_page_lists_show_the_font_name_and_a_picture_an_item(tikora, driver):
    panel = open_panel(tikora, driver)
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=1)
    # The first run's face font "Font" shows, though no installed font has that name.
    font = driver.control(hwnd=panel["hwnd"], control_class="ComboBox", group="Font Settings", nth=0)
    assert font["text"] == "Font" and "Font" not in font["items"]
    frames = driver.control(hwnd=panel["hwnd"], control_class="ComboBox",
                            group="Clock Frame,  Background,  Digits", nth=0)
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


def test_hand_styles_follow_the_arrow_keys_through_each_rebuild(tikora, driver):
    panel = open_panel(tikora, driver)
    driver.tab(hwnd=panel["hwnd"], control_class="SysTabControl32", index=1)
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

"""Today's date page of the real program: the tray icon's left button shows it with today's
month and year, weekday, day and the day counts of the year, in the clock's colours, with the
stripes at its edges; its close button hides it."""

import datetime

from tikora_harness import E2E_BUILD, SCREENSHOTS, WM_LBUTTONDOWN, wait_until

CAPTURES = E2E_BUILD / "captures"


def test_the_tray_icon_shows_todays_page_in_the_clocks_colours(tikora, driver):
    tikora.start()
    today = datetime.date.today()
    tikora.tray_event(WM_LBUTTONDOWN)
    page = wait_until(lambda: next((w for w in driver.windows(cls="TForm7", pid=tikora.pid) if w["visible"]), None),
                      10, what="today's date shown")
    assert (page["client"]["width"], page["client"]["height"]) == (330, 400)
    texts = [c["text"] for c in driver.controls(hwnd=page["hwnd"]) if c["class"] == "Static"]
    day_of_year = today.timetuple().tm_yday
    days_in_year = 366 if (today.year % 4 == 0 and today.year % 100 != 0) or today.year % 400 == 0 else 365
    assert texts[:5] == [
        today.strftime("%B %Y"),
        today.strftime("%A"),
        str(today.day),
        f"{day_of_year} day(s) have elapsed since the beginning of the year",
        f"{days_in_year - day_of_year} day(s) left to the end of the year",
    ]
    driver.settle(page["hwnd"])
    image = driver.capture_until(CAPTURES / "todays_date.bmp", lambda im: im.getpixel((5, 200)) == (0, 0, 0),
                                 hwnd=page["hwnd"])
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    image.save(SCREENSHOTS / "todays_date.png")
    # The first run's colours: the day in yellow on the black clock background, the month on
    # fuchsia (the seconds colour).
    assert image.getpixel((5, 200)) == (0, 0, 0)
    assert image.getpixel((5, 30)) == (255, 0, 255)
    day_pixels = sum(1 for x in range(100, 230) for y in range(130, 330) if image.getpixel((x, y)) == (255, 255, 0))
    assert day_pixels > 1000, "the day in large yellow digits"

    # The close button, a click in the middle of the top edge, hides the page.
    left, top = page["client"]["left"], page["client"]["top"]
    driver.mouse((left + 165, top + 4), action="click")
    wait_until(lambda: not driver.windows(cls="TForm7", pid=tikora.pid)[0]["visible"], 10, what="page hidden")

// The ticker made by the generic view: a borderless tool window across the screen at its
// position, 99 headlines as real labels on the headline strip, and the strip scrolled tick by
// tick with every label where the model puts it; and what that costs the GUI thread.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>

#include "clock/settings.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text_metrics.h"
#include "rss/ticker_window_model.h"
#include "tests/shared/rss_page.h"
#include "tests/win32/figures.h"
#include "ui/win32/model_window.h"

namespace tikora {
namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point began) {
  return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
}

// The fades take no time here.
class NoPauses : public Sleeper {
 public:
  void sleep(std::uint32_t) override {}
};

TEST(TickerViewTest, NinetyNineHeadlinesScrollWhereTheModelPlacesThem) {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  ComponentTable panel{testing::rssPageComponents()};
  panel[L"ScrollBar4"].position = 200;
  Settings settings;
  Win32Shell shell;
  Win32TextMetrics metrics(96);
  NoPauses sleeper;
  TickerWindowModel ticker{TickerServices{panel, settings, shell, metrics, sleeper}};
  ticker.layOut();
  ModelWindow window(GetModuleHandleW(nullptr), ticker.components());
  if (!window.create()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  ComponentView& view = window.view();

  Clock::time_point began = Clock::now();
  ticker.clearHeadlines();
  for (int i = 0; i < 99; ++i) ticker.addHeadline(i, L"A headline of a usual length, number " + std::to_wstring(i));
  ticker.finishHeadlines();
  const double modelMs = msSince(began);
  began = Clock::now();
  view.sync();
  const double viewMs = msSince(began);
  ticker.start();
  view.sync();

  const int screen = GetSystemMetrics(SM_CXSCREEN);
  RECT frame{};
  GetWindowRect(window.hwnd(), &frame);
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.top, 200);
  EXPECT_EQ(frame.right, screen);
  EXPECT_EQ(frame.bottom, 255);
  EXPECT_TRUE(GetWindowLongW(window.hwnd(), GWL_STYLE) & WS_POPUP);
  EXPECT_FALSE(GetWindowLongW(window.hwnd(), GWL_STYLE) & WS_CAPTION);
  const LONG exStyle = GetWindowLongW(window.hwnd(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "kept off the task bar";
  EXPECT_FALSE(exStyle & WS_EX_TOPMOST) << "no stay-on-top style";
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));

  // A new clock background reaches the window's own face too: the row between the top stripe and
  // the strip shows it.
  settings.backgroundColour = 0x00804020;
  ticker.backgroundColourChanged();
  view.sync();
  UpdateWindow(window.hwnd());
  HDC dc = GetDC(window.hwnd());
  EXPECT_EQ(GetPixel(dc, 100, 9), COLORREF{0x00804020});
  ReleaseDC(window.hwnd(), dc);

  HWND strip = view.control(L"ScrollBox1");
  // Each label in sight lies at its place on the strip less how far the strip has scrolled; the
  // others are not on screen at all (far ones lie beyond what window coordinates can reach).
  std::set<int> seen;
  const auto expectPlaced = [&](int tick) {
    const int scrolled = ticker.scrollPosition();
    for (int i = 0; i < 99; ++i) {
      const ComponentState& label = ticker.components()[headlineName(i)];
      HWND control = view.control(headlineName(i));
      const int left = label.bounds.left - scrolled;
      if (left + label.bounds.width <= 0 || left >= screen) {
        ASSERT_FALSE(IsWindowVisible(control)) << "headline " << i << " after tick " << tick;
        continue;
      }
      seen.insert(i);
      ASSERT_TRUE(IsWindowVisible(control)) << "headline " << i << " after tick " << tick;
      RECT shown{};
      GetWindowRect(control, &shown);
      MapWindowPoints(nullptr, strip, reinterpret_cast<POINT*>(&shown), 2);
      ASSERT_EQ(shown.left, left) << "headline " << i << " after tick " << tick;
      ASSERT_EQ(shown.right - shown.left, label.bounds.width) << i;
      ASSERT_EQ(shown.top, 5) << "5 below the strip's top";
      wchar_t caption[128]{};
      GetWindowTextW(control, caption, 128);
      ASSERT_EQ(caption, label.text) << i;
    }
  };
  expectPlaced(0);

  // The pointer over a headline in sight pauses the scroll and shows the hand at once, without
  // waiting for the pointer to move again; leaving it goes on.
  const auto expectHoverToPause = [&] {
    int over = 0;
    while (!IsWindowVisible(view.control(headlineName(over)))) ++over;
    HWND label = view.control(headlineName(over));
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(ticker.scrollTimer().enabled());
    EXPECT_TRUE(ticker.components()[headlineName(over)].font->underline);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    SendMessageW(label, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(ticker.scrollTimer().enabled());
    EXPECT_FALSE(ticker.components()[headlineName(over)].font->underline);
  };

  // Ticks of the largest step, each shown before the next, as the window's timer runs them.
  panel[L"ScrollBar5"].position = 60;
  double longestTick = 0, allTicks = 0;
  int ticks = 0;
  for (; ticks < 1000 && ticker.scrollTimer().enabled(); ++ticks) {
    began = Clock::now();
    ticker.components().tick(L"Timer1");
    view.sync();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    const double ms = msSince(began);
    longestTick = std::max(longestTick, ms);
    allTicks += ms;
    if (ticks % 10 == 0) expectPlaced(ticks);
    if (ticks == 30) expectHoverToPause();
  }
  testing::recordFigure("headlines_laid_out_ms", modelMs);
  testing::recordFigure("headlines_shown_by_the_view_ms", viewMs);
  testing::recordFigure("scroll_tick_average_ms", allTicks / ticks);
  testing::recordFigure("scroll_tick_longest_ms", longestTick);
  EXPECT_GT(seen.size(), 60u) << "headlines all along the strip were seen on their way";
  EXPECT_TRUE(seen.count(98));
  EXPECT_FALSE(ticker.scrollTimer().enabled()) << "the scroll came to its end";
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
}

}  // namespace
}  // namespace tikora

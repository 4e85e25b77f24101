// The RSS ticker: headline captions and their unbroken line, the end marker and the end of the
// scroll, the fades' exact steps, hover and leave, the close button, the settings of the control
// panel's "RSS Player Settings Window" group and the window's creation.
//
// The fake text metrics make Arial 16 pt 10 pixels a character and 23 high; 10 pt is 6 pixels a
// character. The screen is 1000 x 800 with a work area 760 high.
#include "rss/ticker_window_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/rss_fixture.h"

namespace tikora {
namespace {

class TickerTest : public testing::RssBench {
 protected:
  // Headlines for these titles, the end marker after them, and the ticker started.
  void show(const std::vector<std::wstring>& titles) {
    tickerWindow.clearHeadlines();
    for (std::size_t i = 0; i < titles.size(); ++i) tickerWindow.addHeadline(static_cast<int>(i), titles[i]);
    tickerWindow.finishHeadlines();
    tickerWindow.start();
  }
  const ComponentState& headline(int i) const { return ticker(headlineName(i)); }
  const ComponentState& window() const { return ticker(L"TForm5"); }
  void tick() { tickerWindow.components().tick(L"Timer1"); }
  void setPanel(std::wstring_view name, ComponentInput input) { panel.raise(name, ComponentEvent::Change, input); }
  void setPosition(std::wstring_view bar, int position) {
    ComponentInput input;
    input.position = position;
    setPanel(bar, input);
  }
  void setSize(int choice) {
    ComponentInput input;
    input.selected = choice;
    input.text = panel[L"ComboBox11"].items.at(static_cast<std::size_t>(choice));
    setPanel(L"ComboBox11", input);
  }
};

TEST_F(TickerTest, HeadlinesFormOneUnbrokenLineStartingAtTheScreensRightEdge) {
  EXPECT_EQ(headlineCaption(0, L"Alpha"), L"    0. Alpha     ");
  EXPECT_EQ(headlineCaption(98, L""), L"    98.      ");
  show({L"Alpha", L"Be"});
  const ComponentState& first = headline(0);
  EXPECT_EQ(first.text, L"    0. Alpha     ");
  EXPECT_EQ(first.bounds, (Rect{1000, 15, 170, 23})) << "5 below the strip's top";
  EXPECT_EQ(first.font, (FontSpec{L"Arial", 16, false, false, false}));
  EXPECT_EQ(first.textColour, settings.digitColour);
  EXPECT_EQ(first.background, settings.backgroundColour);
  EXPECT_TRUE(first.visible);
  EXPECT_EQ(headline(1).bounds, (Rect{1170, 15, 140, 23}));
  EXPECT_FALSE(headline(2).visible);
  const ComponentState& marker = ticker(L"EndMarker");
  EXPECT_EQ(marker.text, L"");
  EXPECT_EQ(marker.bounds, (Rect{1000 + 1170 + 140, 15, 0, 23})) << "one screen width after the last";
  EXPECT_EQ(tickerWindow.scrollRange(), 2310);
  EXPECT_EQ(ticker(L"ScrollBox1").maximum, 1310);
  EXPECT_EQ(ticker(L"ScrollBox1").bounds, (Rect{0, 10, 1000, 36}));

  tickerWindow.clearHeadlines();
  EXPECT_FALSE(headline(0).visible);
  EXPECT_FALSE(marker.visible);
  EXPECT_EQ(tickerWindow.headlineCount(), 0);
  EXPECT_EQ(tickerWindow.scrollPosition(), 0);
}

TEST_F(TickerTest, TheScrollEndsWhenTheLastHeadlineHasLeftTheScreen) {
  show({L"Alpha"});  // w = 170: the end is W + w + 0 = 1170
  ASSERT_TRUE(tickerWindow.scrollTimer().enabled());
  EXPECT_FALSE(panel[L"Button4"].enabled);
  for (int i = 0; i < 38; ++i) tick();
  EXPECT_EQ(tickerWindow.scrollPosition(), 1140);
  EXPECT_TRUE(window().visible);
  tick();
  EXPECT_EQ(tickerWindow.scrollPosition(), 1170);
  EXPECT_FALSE(window().visible);
  EXPECT_EQ(window().alpha, 0);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  EXPECT_TRUE(panel[L"Button4"].enabled);
  EXPECT_TRUE(headline(0).visible) << "stopping leaves the headlines";

  // A step of 60 with 25 to go moves by 25 and ends on that tick.
  show({L"Alpha"});
  setPosition(L"ScrollBar5", 60);
  for (int i = 0; i < 19; ++i) tick();
  EXPECT_EQ(tickerWindow.scrollPosition(), 1140);
  ASSERT_TRUE(window().visible);
  tick();
  EXPECT_EQ(tickerWindow.scrollPosition(), 1170);
  EXPECT_FALSE(window().visible);
}

TEST_F(TickerTest, FadesRunTheirElevenStepsWithTheButtonsDisabled) {
  struct Seen {
    std::uint32_t pause;
    std::optional<int> alpha;
    bool stop;
    bool close;
  };
  std::vector<Seen> seen;
  sleeper.onPause = [&](std::uint32_t ms) {
    seen.push_back({ms, window().alpha, panel[L"Button6"].enabled, ticker(L"Image3").enabled});
  };
  setPosition(L"ScrollBar4", 300);
  show({L"Alpha"});
  ASSERT_EQ(seen.size(), 11u);
  const int fadeIn[] = {0, 25, 50, 50, 75, 100, 125, 150, 175, 200, 225};
  for (std::size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(seen[i].pause, 12u);
    EXPECT_EQ(seen[i].alpha, fadeIn[i]) << i;
    EXPECT_FALSE(seen[i].stop);
    EXPECT_FALSE(seen[i].close);
  }
  EXPECT_EQ(window().alpha, 255);
  EXPECT_TRUE(window().visible);
  EXPECT_EQ(window().bounds, (Rect{0, 300, 1000, 55}));
  EXPECT_TRUE(panel[L"Button6"].enabled);
  EXPECT_TRUE(ticker(L"Image3").enabled);

  seen.clear();
  panel.raise(L"Button6", ComponentEvent::Click);  // "Stop Read "
  ASSERT_EQ(seen.size(), 11u);
  const int fadeOut[] = {255, 250, 225, 200, 175, 150, 125, 100, 75, 75, 50};
  for (std::size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(seen[i].pause, 15u);
    EXPECT_EQ(seen[i].alpha, fadeOut[i]) << i;
    EXPECT_FALSE(seen[i].stop);
  }
  EXPECT_EQ(window().alpha, 0);
  EXPECT_FALSE(window().visible);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  EXPECT_TRUE(panel[L"Button4"].enabled);
  EXPECT_TRUE(panel[L"Button6"].enabled);

  // "Stop Read " on the hidden window runs the fade out and leaves it hidden.
  seen.clear();
  panel.raise(L"Button6", ComponentEvent::Click);
  EXPECT_EQ(seen.size(), 11u);
  EXPECT_FALSE(window().visible);
}

TEST_F(TickerTest, AFontChangeKeepsHeadlineZeroAndClosesTheGapsBehindIt) {
  show({L"Alpha", L"Be"});
  for (int i = 0; i < 10; ++i) tick();
  ASSERT_EQ(tickerWindow.scrollPosition(), 300);
  setSize(0);  // 16 -> 10
  EXPECT_EQ(headline(0).bounds, (Rect{1000, 15, 102, 15}));
  EXPECT_EQ(headline(1).bounds, (Rect{1102, 15, 84, 15}));
  EXPECT_EQ(ticker(L"EndMarker").bounds.left, 1000 + 1102 + 84);
  EXPECT_EQ(headline(1).font->points, 10);
  EXPECT_EQ(tickerWindow.scrollPosition(), 300);

  metrics.setExtraWidthPerCharacter(L"Tahoma", 2);
  ComponentInput face;
  face.text = L"Tahoma";
  setPanel(L"ComboBox9", face);
  ComponentInput bold;
  bold.selected = 3;  // "Italic Bold"
  setPanel(L"ComboBox10", bold);
  EXPECT_EQ(headline(0).font, (FontSpec{L"Tahoma", 10, true, true, false}));
  EXPECT_EQ(headline(1).bounds, (Rect{1000 + 17 * 9, 15, 14 * 9, 15}));

  // A typed size counts when it is a whole number; anything else keeps the list's choice.
  ComponentInput typed;
  typed.text = L"13";
  panel.raise(L"ComboBox11", ComponentEvent::Typed, typed);
  EXPECT_EQ(headline(0).font->points, 13);
  typed.text = L"big";
  panel.raise(L"ComboBox11", ComponentEvent::Typed, typed);
  EXPECT_EQ(headline(0).font->points, 10);

  // With no headline on the strip a font change does nothing.
  tickerWindow.clearHeadlines();
  setSize(4);
  EXPECT_EQ(headline(0).font->points, 10);
}

TEST_F(TickerTest, HoveringPausesAndUnderlinesLeavingGoesOnUnlessThePageViewIsOpen) {
  bool pageView = false;
  std::vector<int> opened;
  tickerWindow.setHooks({[&](int item) { opened.push_back(item); }, [&] { return pageView; }});
  panel[L"ComboBox10"].selected = 2;  // Bold
  show({L"Alpha", L"Be"});
  ComponentTable& window = tickerWindow.components();

  // The keyboard's focus on a headline holds it as the pointer does.
  for (const auto& [comes, goes] : {std::pair{ComponentEvent::MouseMove, ComponentEvent::MouseLeave},
                                    std::pair{ComponentEvent::Focus, ComponentEvent::FocusLost}}) {
    window.raise(headlineName(1), comes);
    EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
    EXPECT_EQ(headline(1).font, (FontSpec{L"Arial", 16, true, false, true}));
    EXPECT_EQ(headline(1).pointer, PointerShape::Hand);
    window.raise(headlineName(1), goes);
    EXPECT_TRUE(tickerWindow.scrollTimer().enabled());
    EXPECT_EQ(headline(1).font, (FontSpec{L"Arial", 16, true, false, false}));
    EXPECT_EQ(headline(1).pointer, PointerShape::Arrow);
  }

  window.raise(headlineName(0), ComponentEvent::Click);
  EXPECT_EQ(opened, std::vector<int>{0});

  // The page view on screen: a tick stops the timer but still moves; leaving does not restart.
  pageView = true;
  const int before = tickerWindow.scrollPosition();
  tick();
  EXPECT_EQ(tickerWindow.scrollPosition(), before + 30);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  window.raise(headlineName(0), ComponentEvent::MouseMove);
  window.raise(headlineName(0), ComponentEvent::MouseLeave);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  pageView = false;
  tickerWindow.pageViewClosed();
  EXPECT_TRUE(tickerWindow.scrollTimer().enabled());

  // Closing the page view while the ticker is hidden leaves the timer stopped.
  window.raise(L"Image3", ComponentEvent::Click);
  ASSERT_FALSE(tickerWindow.components()[L"TForm5"].visible);
  tickerWindow.pageViewClosed();
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  // Leaving a headline starts the timer again whenever the page view is not on screen; on a
  // hidden ticker it runs to the end of the strip and fades out (hidden still) once more.
  window.raise(headlineName(0), ComponentEvent::MouseLeave);
  EXPECT_TRUE(tickerWindow.scrollTimer().enabled());
  while (tickerWindow.scrollTimer().enabled()) tick();
  EXPECT_FALSE(tickerWindow.components()[L"TForm5"].visible);
}

TEST_F(TickerTest, TheCloseButtonLightsUpUnderTheMouseAndFadesTheTickerOut) {
  const ComponentState& close = ticker(L"Image3");
  EXPECT_EQ(close.picture, L"black_close");
  EXPECT_EQ(close.bounds, (Rect{514, 1, 7, 7}));
  show({L"Alpha"});
  ComponentTable& window = tickerWindow.components();
  window.raise(L"Image3", ComponentEvent::MouseMove);
  EXPECT_EQ(close.picture, L"red_close");
  EXPECT_EQ(close.bounds, (Rect{514, 0, 9, 9}));
  window.raise(L"Image3", ComponentEvent::MouseLeave);
  EXPECT_EQ(close.picture, L"black_close");
  EXPECT_EQ(close.bounds, (Rect{514, 1, 7, 7}));
  window.raise(L"Image3", ComponentEvent::Click);
  EXPECT_FALSE(ticker(L"TForm5").visible);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  EXPECT_TRUE(panel[L"Button4"].enabled);
}

TEST_F(TickerTest, ThePositionReachesTheWorkAreaOrWithAnAutoHidingTaskbarTheScreensBottom) {
  setPosition(L"ScrollBar4", 780);
  EXPECT_EQ(panel[L"ScrollBar4"].maximum, 705);
  EXPECT_EQ(panel[L"ScrollBar4"].position, 705);
  EXPECT_EQ(ticker(L"TForm5").bounds.top, 705);
  EXPECT_EQ(settings.tickerTop, 705);
  shell.autoHide = true;
  setPosition(L"ScrollBar4", 780);
  EXPECT_EQ(panel[L"ScrollBar4"].maximum, 745);
  EXPECT_EQ(ticker(L"TForm5").bounds.top, 745);

  setPosition(L"ScrollBar6", 500);
  EXPECT_EQ(tickerWindow.scrollTimer().interval(), 500u);
  setPosition(L"ScrollBar6", 0);
  EXPECT_EQ(tickerWindow.scrollTimer().interval(), 1u);
  setPosition(L"ScrollBar5", 90);
  EXPECT_EQ(tickerWindow.scrollingStep(), 60);
}

TEST_F(TickerTest, OnAScaledScreenTheWindowSpansItInLayoutPixelsAndStaysAboveTheTaskbar) {
  setPosition(L"ScrollBar4", 780);  // 705 at 100 %
  ComponentInput input;
  input.dpi = 144;
  tickerWindow.components().raise(L"TForm5", ComponentEvent::DpiChange, input, EventSource::Program);
  // 667 layout pixels are 1001 at 150 %, the fewest that cover the screen's 1000; the 55 high
  // window is 83 high there and ends at the work area's bottom.
  EXPECT_EQ(window().bounds, (Rect{0, 677, 667, 55}));
  EXPECT_EQ(ticker(L"Image2").bounds, (Rect{0, 46, 667, 9}));
  EXPECT_EQ(ticker(L"ScrollBox1").bounds, (Rect{0, 10, 667, 36}));
  EXPECT_EQ(panel[L"ScrollBar4"].maximum, 677);
  EXPECT_EQ(settings.tickerTop, 677);
  show({L"Alpha"});
  EXPECT_EQ(headline(0).bounds, (Rect{667, 15, 170, 23})) << "from the screen's right edge, in the font's 96-DPI size";
  EXPECT_EQ(window().bounds.top, 677);
}

TEST_F(TickerTest, ColourChangesReachTheWindowTheStripAndTheHeadlines) {
  show({L"Alpha"});
  settings.backgroundColour = 0x00AA0000;
  settings.digitColour = 0x000000BB;
  tickerWindow.backgroundColourChanged();
  tickerWindow.digitColourChanged();
  EXPECT_EQ(ticker(L"TForm5").background, 0x00AA0000u);
  EXPECT_EQ(ticker(L"ScrollBox1").background, 0x00AA0000u);
  EXPECT_EQ(headline(0).background, 0x00AA0000u);
  EXPECT_EQ(headline(0).textColour, 0x000000BBu);
}

TEST_F(TickerTest, CreationReadsItsSettingsIntoThePanelAndLaysTheWindowOut) {
  addChannel(L"https://a.example/rss", L"A");
  addChannel(L"https://b.example/rss", L"B");
  registry.setDword(L"Tikora", L"cor_ch", 1);
  registry.setString(L"Tikora", L"cor_fo", L"Verdana");
  registry.setDword(L"Tikora", L"cor_st", 1);
  registry.setDword(L"Tikora", L"cor_si", 0);
  registry.setDword(L"Tikora", L"por_po", 790);
  registry.setDword(L"Tikora", L"por_st", 45);
  // tickerInterval is missing: the speed keeps the panel's 150.
  SettingsStore store(registry, L"C:\\Tikora.exe");
  shell.screen = {1280, 1024};
  shell.work = {0, 0, 1280, 984};
  tickerWindow.create(store, channels);

  EXPECT_EQ(panel[L"ComboBox8"].selected, 1);
  EXPECT_EQ(channels.selectedAddress(), L"https://b.example/rss");
  EXPECT_EQ(panel[L"ComboBox9"].text, L"Verdana");
  EXPECT_EQ(panel[L"ComboBox10"].selected, 1);
  EXPECT_EQ(panel[L"ComboBox11"].text, L"10");
  EXPECT_EQ(tickerWindow.headlineFont(), (FontSpec{L"Verdana", 10, false, true, false}));
  EXPECT_EQ(panel[L"ScrollBar4"].maximum, 984 - 55);
  EXPECT_EQ(panel[L"ScrollBar4"].position, 790);
  EXPECT_EQ(panel[L"ScrollBar5"].position, 45);
  EXPECT_EQ(tickerWindow.scrollingStep(), 45);
  EXPECT_EQ(tickerWindow.scrollTimer().interval(), 150u);
  EXPECT_FALSE(tickerWindow.scrollTimer().enabled());
  const ComponentTable& window = tickerWindow.components();
  EXPECT_EQ(window.window().options, unsigned(kBorderless));
  EXPECT_EQ(window[L"TForm5"].bounds, (Rect{0, 790, 1280, 55}));
  EXPECT_EQ(window[L"TForm5"].background, settings.backgroundColour);
  EXPECT_FALSE(window[L"TForm5"].visible);
  EXPECT_EQ(window[L"Image1"].bounds, (Rect{0, 0, 1280, 9}));
  EXPECT_EQ(window[L"Image2"].bounds, (Rect{0, 46, 1280, 9}));
  EXPECT_EQ(window[L"Image1"].picture, L"stripe");
  EXPECT_EQ(window[L"Image3"].bounds, (Rect{654, 1, 7, 7}));
  EXPECT_EQ(window[L"ScrollBox1"].bounds, (Rect{0, 10, 1280, 36}));
  EXPECT_FALSE(window[L"TForm5"].onTop) << "no stay-on-top style";
}

// A stored size that cannot be read, or that is no size of the list, leaves the list at the
// window layout's "16", and "16" is what the next save keeps.
TEST_F(TickerTest, AFontSizeThatCannotBeReadKeepsTheLayouts16) {
  struct Case {
    const char* stored;
    std::function<void(FakeRegistry&)> store;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {"missing", [](FakeRegistry&) {}, L"16"},
      {"text", [](FakeRegistry& r) { r.setString(L"Tikora", L"cor_si", L"12"); }, L"16"},
      {"past the list", [](FakeRegistry& r) { r.setDword(L"Tikora", L"cor_si", 9); }, L"16"},
      {"style before it unreadable",
       [](FakeRegistry& r) {
         r.setString(L"Tikora", L"cor_st", L"Bold");
         r.setDword(L"Tikora", L"cor_si", 0);
       },
       L"16"},
      {"10", [](FakeRegistry& r) { r.setDword(L"Tikora", L"cor_si", 0); }, L"10"},
  };
  for (const Case& c : cases) {
    FakeRegistry stored;
    stored.setDword(L"Tikora", L"cor_ch", 0xFFFFFFFF);
    stored.setString(L"Tikora", L"cor_fo", L"Arial");
    stored.setDword(L"Tikora", L"cor_st", 0);
    c.store(stored);
    Settings fresh;
    ComponentTable page{testing::rssPageComponents()};
    RssChannelList list{ChannelListServices{page, stored, codePage, boxes}};
    TickerWindowModel made{TickerServices{page, fresh, shell, metrics, sleeper}};
    SettingsStore store(stored, L"C:\\Tikora.exe");
    made.create(store, list);
    EXPECT_EQ(page[L"ComboBox11"].text, c.shown) << c.stored;
    EXPECT_EQ(page[L"ComboBox11"].items.at(static_cast<std::size_t>(page[L"ComboBox11"].selected)), c.shown);
    EXPECT_EQ(page[L"ComboBox11"].selected, fresh.tickerFontSize) << c.stored << ": what a save keeps";
    EXPECT_EQ(std::to_wstring(made.headlineFont().points), c.shown) << c.stored;
  }
}

}  // namespace
}  // namespace tikora

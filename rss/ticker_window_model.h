// The RSS ticker (`TForm5`) as a window model: a borderless window as wide as the screen and 55
// pixels high that scrolls the headlines of the last read once from right to left, then fades
// out. Its components: the window itself (alpha for the fades), the two stripes `Image1` and
// `Image2`, the close button `Image3` and the headline strip `ScrollBox1` with 100 headline
// slots ("Headline0" .. "Headline99") and the end marker ("EndMarker"). Like every component's,
// the labels' bounds are in the window's client area: 5 below the strip's top, and across the
// strip's own coordinates too, since the strip lies at the window's left edge. The strip's
// `position` is how far it has scrolled.
//
// The ticker's settings are controls of the control panel's "RSS Player Settings Window" group
// (`ScrollBar4` position, `ScrollBar5` step, `ScrollBar6` speed, `ComboBox9` font name,
// `ComboBox10` style, `ComboBox11` size) and are read from there when they are needed; the
// model registers its handlers on them and on "Stop Read " (`Button6`), and enables and
// disables "Read RSS Channel" (`Button4`). The fades pause through a Sleeper: the Win32 side's
// sleeper shows each step before it waits.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include "clock/clock_window_model.h"

#include "clock/settings.h"
#include "clock/settings_store.h"
#include "core/component.h"
#include "core/dpi.h"
#include "core/font.h"
#include "platform/shell.h"
#include "platform/sleeper.h"
#include "platform/text_metrics.h"
#include "rss/ticker_window_names.h"

namespace tikora {

class RssChannelList;

inline constexpr std::wstring_view kBlackClosePicture = L"black_close";
inline constexpr std::wstring_view kRedClosePicture = L"red_close";

inline constexpr int kTickerHeight = 55;
inline constexpr int kTickerStripeHeight = 9;
inline constexpr int kBottomStripeTop = 46;
inline constexpr int kHeadlineStripTop = 10;
// Between the stripes: a strip reaching below the window would hide the bottom stripe. (It has no
// scroll bar to keep out of sight.)
inline constexpr int kHeadlineStripHeight = kBottomStripeTop - kHeadlineStripTop;
inline constexpr int kHeadlineTop = kHeadlineStripTop + 5;  // in the window
inline constexpr int kHeadlineSlots = 100;

// Scrolling Step and Scrolling Speed bounds; the sizes of the Font Size list.
inline constexpr int kMinimumStep = 2, kMaximumStep = 60;
inline constexpr int kMinimumSpeed = 1, kMaximumSpeed = 1000;
inline constexpr std::array<int, 5> kTickerFontSizes{10, 12, 14, 16, 18};
inline constexpr int kLayoutFontSize = 16;  // the size list's own choice before any setting

// One step of a fade: the pause, then the window's new opacity.
struct FadeStep {
  std::uint32_t pauseMs;
  int alpha;
};
inline constexpr std::array<FadeStep, 11> kFadeInSteps{{{12, 25},
                                                        {12, 50},
                                                        {12, 50},
                                                        {12, 75},
                                                        {12, 100},
                                                        {12, 125},
                                                        {12, 150},
                                                        {12, 175},
                                                        {12, 200},
                                                        {12, 225},
                                                        {12, 255}}};
inline constexpr std::array<FadeStep, 11> kFadeOutSteps{{{15, 250},
                                                         {15, 225},
                                                         {15, 200},
                                                         {15, 175},
                                                         {15, 150},
                                                         {15, 125},
                                                         {15, 100},
                                                         {15, 75},
                                                         {15, 75},
                                                         {15, 50},
                                                         {15, 0}}};

// "    " + index + ". " + title + "     ": the first headline is numbered 0.
std::wstring headlineCaption(int index, std::wstring_view title);
// "Headline0" .. "Headline99".
std::wstring headlineName(int index);

struct TickerServices {
  ComponentTable& panel;  // the control panel's components
  Settings& settings;     // backgroundColour and digitColour; tickerTop follows the Position bar
  const Shell& shell;
  const TextMetrics& metrics;
  Sleeper& sleeper;
};

// Filled in by the page view; empty hooks do nothing (and the page view counts as not shown).
struct TickerHooks {
  std::function<void(int item)> openItemPage;  // a headline clicked
  std::function<bool()> pageViewShowing;
};

class TickerWindowModel {
 public:
  TickerWindowModel(TickerServices services, TickerHooks hooks = {});
  TickerWindowModel(const TickerWindowModel&) = delete;
  TickerWindowModel& operator=(const TickerWindowModel&) = delete;

  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }
  ModelTimer& scrollTimer() { return timer_; }
  void setHooks(TickerHooks hooks) { hooks_ = std::move(hooks); }

  // The window's creation, after the control panel's: the Position bar's range first set to
  // the screen height; `rssChannel`, `tickerFontName`, `tickerFontStyle`, `tickerFontSize`, `tickerTop`, `tickerStep`
  // and `tickerInterval` read (when the settings key exists, up to the first that cannot be read) into the panel's
  // controls, `rssChannel` choosing the channel (a font size not read, or no size of the list, keeps
  // the layout's "16"); then the window laid out across the screen at the Position, the step and
  // the timer interval from their bars.
  void create(SettingsStore& store, RssChannelList& channels);
  // Lays the window out across the screen as it is now (also done by create).
  void layOut();
  // The window's screen has this DPI (at its making, or moved to another screen): the window
  // laid out across it again, its height, stripes and headlines scaled with it, and the
  // Position kept where the taller window still fits.
  void dpiChanged(int dpi);

  // ---- The headline strip, for the read ----
  void clearHeadlines();
  // Headline `index` for an item with this title, chained after headline index - 1.
  void addHeadline(int index, std::wstring_view title);
  // The end marker one screen width after the last headline.
  void finishHeadlines();
  int headlineCount() const { return count_; }
  // Shows the window from full transparency at the Position, disables "Read RSS Channel",
  // fades in, spreads the strip across the screen and starts scrolling.
  void start();

  // ---- The window ----
  void onScrollTick();
  void onHeadlineClicked(int index);
  void pauseOnHover(int index);   // the mouse over a headline
  void resumeOnLeave(int index);  // the mouse left it
  void onCloseClicked();          // the close button
  void onCloseHovered();
  void onCloseLeft();
  void fadeIn();
  void fadeOut();

  // ---- The control panel ----
  void onStopClicked();            // "Stop Read "
  void onTickerTopChanged();       // Position
  void onTickerStepChanged();      // Scrolling Step
  void onTickerSpeedChanged();     // Scrolling Speed
  void fontChanged();              // Font Type, Font Style or Font Size
  void backgroundColourChanged();  // the clock background colour (backgroundColour)
  void digitColourChanged();       // the digit colour (digitColour)
  // The page view closed: scrolling goes on if the ticker is on screen.
  void pageViewClosed();

  // What the controls hold now.
  FontSpec headlineFont() const;
  int scrollingStep() const;
  int availableHeight() const;
  // The right edge of the rightmost label on the strip; the scroll position's end is this less
  // the strip's width.
  int scrollRange() const { return range_; }
  int scrollPosition() const { return table_[kHeadlineStripName].position; }

 private:
  ComponentState& window() { return table_[kTickerWindowName]; }
  ComponentState& strip() { return table_[kHeadlineStripName]; }
  ComponentState& headline(int index) { return table_[headlineName(index)]; }
  // The screen's width in the layout's 96-DPI pixels: the window spans it at any scaling.
  int screenWidth() const { return standardPixelsCovering(services_.shell.screenSize().width, dpi_); }
  bool pageViewShowing() const { return hooks_.pageViewShowing && hooks_.pageViewShowing(); }
  void sizeToText(ComponentState& label);
  void placeEndMarker();
  int measureScrollRange();
  void updateScrollRange();
  void registerHandlers();
  // A headline underlined with the hand pointer while the mouse is over it, plain without.
  void markHeadline(int index, bool hovered);

  TickerServices services_;
  TickerHooks hooks_;
  ComponentTable table_;
  ModelTimer timer_{150, false};
  int count_ = 0;
  int range_ = 0;
  int closeButtonLeft_ = 0;
  int dpi_ = kStandardDpi;  // of the screen the window is on
};

}  // namespace tikora

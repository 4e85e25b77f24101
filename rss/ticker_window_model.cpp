// The RSS ticker's model; see ticker_window_model.h.
#include "rss/ticker_window_model.h"

#include <algorithm>
#include <array>

#include "clock/control_panel_names.h"
#include "rss/channel_list.h"
#include "rss/ticker_window_names.h"
#include "timeservices/context.h"

namespace tikora {
namespace {

// A size typed into the Font Size list counts when it is a whole number in this range;
// anything else leaves the size the list has chosen.
constexpr int kLargestTypedSize = 200;

// The window, its stripes and close button, and the headline strip; the strip's labels follow.
using K = ComponentKind;
constexpr std::array<ComponentRow, 5> kLayout{{
    {.name = kTickerWindowName,
     .kind = K::Window,
     .bounds = {0, 0, 0, kTickerHeight},
     .options = kBorderless,
     .visible = false},
    {.name = kTickerTopStripe,
     .kind = K::Picture,
     .parent = kTickerWindowName,
     .options = kStretch,
     .picture = kDecorativeStripePicture},
    {.name = kTickerBottomStripe,
     .kind = K::Picture,
     .parent = kTickerWindowName,
     .options = kStretch,
     .picture = kDecorativeStripePicture},
    {.name = kTickerCloseButton,
     .kind = K::Picture,
     .parent = kTickerWindowName,
     .options = kStretch,
     .text = L"Close",  // what a screen reader calls it
     .picture = kBlackClosePicture},
    {.name = kHeadlineStripName, .kind = K::ScrollBox, .parent = kTickerWindowName},
}};

Component stripLabel(const std::wstring& name) {
  return makeComponent(ComponentRow{.name = name, .parent = kHeadlineStripName, .visible = false});
}

std::vector<Component> tickerComponents() {
  std::vector<Component> components = makeComponents(kLayout);
  components.back().state.maximum = 0;
  for (int i = 0; i < kHeadlineSlots; ++i) components.push_back(stripLabel(headlineName(i)));
  components.push_back(stripLabel(std::wstring(kEndMarkerName)));
  return components;
}

int clampedPosition(ComponentState& bar, int minimum, int maximum) {
  bar.minimum = minimum;
  bar.maximum = std::max(minimum, maximum);
  bar.position = std::clamp(bar.position, bar.minimum, bar.maximum);
  return bar.position;
}

}  // namespace

std::wstring headlineCaption(int index, std::wstring_view title) {
  return L"    " + std::to_wstring(index) + L". " + std::wstring(title) + L"     ";
}

std::wstring headlineName(int index) { return L"Headline" + std::to_wstring(index); }

TickerWindowModel::TickerWindowModel(TickerServices services, TickerHooks hooks)
    : services_(services), hooks_(std::move(hooks)), table_(tickerComponents()) {
  registerHandlers();
}

void TickerWindowModel::registerHandlers() {
  table_.addTimer(kTickerScrollTimer, timer_, [this] { onScrollTick(); });
  for (int i = 0; i < kHeadlineSlots; ++i) {
    const std::wstring name = headlineName(i);
    table_.on(name, ComponentEvent::Click, [this, i] { onHeadlineClicked(i); });
    table_.on(name, ComponentEvent::MouseMove, [this, i] { pauseOnHover(i); });
    table_.on(name, ComponentEvent::MouseLeave, [this, i] { resumeOnLeave(i); });
    // A headline the keyboard is on holds still and is marked, as under the pointer; Enter opens it.
    table_.on(name, ComponentEvent::Focus, [this, i] { pauseOnHover(i); });
    table_.on(name, ComponentEvent::FocusLost, [this, i] { resumeOnLeave(i); });
  }
  table_.on(kTickerCloseButton, ComponentEvent::Click, [this] { onCloseClicked(); });
  table_.on(kTickerCloseButton, ComponentEvent::MouseMove, [this] { onCloseHovered(); });
  table_.on(kTickerCloseButton, ComponentEvent::MouseLeave, [this] { onCloseLeft(); });
  // Closing the window by the keyboard ends it as the close button does.
  table_.on(kTickerWindowName, ComponentEvent::Close, [this] { onCloseClicked(); });
  table_.on(kTickerWindowName, ComponentEvent::DpiChange, [this](const EventContext& event) {
    if (event.input && event.input->dpi) dpiChanged(*event.input->dpi);
  });

  ComponentTable& panel = services_.panel;
  panel.on(kStopRssButton, ComponentEvent::Click, [this] { onStopClicked(); });
  panel.on(kTickerTopBar, ComponentEvent::Change, [this] { onTickerTopChanged(); });
  panel.on(kTickerStepBar, ComponentEvent::Change, [this] { onTickerStepChanged(); });
  panel.on(kTickerIntervalBar, ComponentEvent::Change, [this] { onTickerSpeedChanged(); });
  for (const auto list : {kTickerFontNameList, kTickerFontStyleList, kTickerFontSizeList}) {
    panel.on(list, ComponentEvent::Change, [this] { fontChanged(); });
    panel.on(list, ComponentEvent::Typed, [this] { fontChanged(); });
  }
}

void TickerWindowModel::create(SettingsStore& store, RssChannelList& channels) {
  ComponentTable& panel = services_.panel;
  ComponentState& positionBar = panel[kTickerTopBar];
  positionBar.minimum = 0;
  positionBar.maximum = services_.shell.screenSize().height;
  Settings& settings = services_.settings;
  const SettingsLoadReport report = store.loadTickerGroup(settings);
  // Only the values read reach the controls; the others keep what the controls show.
  bool sizeRead = false;
  for (const std::wstring_view name : report.loaded) {
    const auto is = [name](auto field) { return name == settingOf(field).name; };
    if (is(&Settings::rssChannel)) {
      channels.restoreSelection(settings.rssChannel);
    } else if (is(&Settings::tickerFontName)) {
      panel[kTickerFontNameList].text = settings.tickerFontName;
    } else if (is(&Settings::tickerFontStyle) || is(&Settings::tickerFontSize)) {
      const bool style = is(&Settings::tickerFontStyle);
      ComponentState& list = panel[style ? kTickerFontStyleList : kTickerFontSizeList];
      const int choice = style ? settings.tickerFontStyle : settings.tickerFontSize;
      const bool valid = choice >= 0 && choice < static_cast<int>(list.items.size());
      sizeRead = sizeRead || (!style && valid);
      list.selected = valid ? choice : -1;
      list.text = valid ? list.items[static_cast<std::size_t>(choice)] : std::wstring();
    } else if (is(&Settings::tickerTop)) {
      positionBar.position = std::clamp(settings.tickerTop, positionBar.minimum, positionBar.maximum);
    } else if (is(&Settings::tickerStep)) {
      panel[kTickerStepBar].position = settings.tickerStep;
    } else if (is(&Settings::tickerInterval)) {
      panel[kTickerIntervalBar].position = settings.tickerInterval;
    }
  }
  // A size that could not be read, or is no size of the list, keeps the layout's "16", and the
  // setting follows what the list shows (the stored default would be "14").
  if (!sizeRead) {
    const auto layoutSize = std::find(kTickerFontSizes.begin(), kTickerFontSizes.end(), kLayoutFontSize);
    settings.tickerFontSize = static_cast<int>(layoutSize - kTickerFontSizes.begin());
    ComponentState& sizes = panel[kTickerFontSizeList];
    sizes.selected = settings.tickerFontSize;
    sizes.text = std::to_wstring(kLayoutFontSize);
  }
  layOut();
  onTickerTopChanged();
  onTickerStepChanged();
  onTickerSpeedChanged();
}

void TickerWindowModel::layOut() {
  const int width = screenWidth();
  const Colour background = services_.settings.backgroundColour;
  ComponentState& form = window();
  form.bounds.left = 0;
  form.bounds.width = width;
  form.bounds.height = kTickerHeight;
  form.background = background;
  table_[kTickerTopStripe].bounds = {0, 0, width, kTickerStripeHeight};
  table_[kTickerBottomStripe].bounds = {0, kBottomStripeTop, width, kTickerStripeHeight};
  closeButtonLeft_ = width / 2 + 14;
  onCloseLeft();
  strip().bounds = {0, kHeadlineStripTop, width, kHeadlineStripHeight};
  strip().background = background;
  updateScrollRange();
}

void TickerWindowModel::dpiChanged(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  layOut();
  onTickerTopChanged();
}

// ---- The headline strip ----

FontSpec TickerWindowModel::headlineFont() const {
  const ComponentTable& panel = services_.panel;
  FontSpec font;
  font.faceName = panel[kTickerFontNameList].text;
  const int style = panel[kTickerFontStyleList].selected;
  font.italic = style == 1 || style == 3;
  font.bold = style == 2 || style == 3;
  const ComponentState& sizes = panel[kTickerFontSizeList];
  const auto typed = readWholeNumber(sizes.text);
  if (typed && *typed >= 1 && *typed <= kLargestTypedSize) {
    font.points = *typed;
  } else if (sizes.selected >= 0 && sizes.selected < static_cast<int>(kTickerFontSizes.size())) {
    font.points = kTickerFontSizes[static_cast<std::size_t>(sizes.selected)];
  } else {
    font.points = kLayoutFontSize;
  }
  return font;
}

void TickerWindowModel::sizeToText(ComponentState& label) {
  const TextSize size = services_.metrics.measure(label.text, label.font.value_or(FontSpec{}));
  label.bounds.width = size.width;
  label.bounds.height = size.height;
}

void TickerWindowModel::clearHeadlines() {
  for (int i = 0; i < kHeadlineSlots; ++i) {
    ComponentState& label = headline(i);
    label.visible = false;
    label.text.clear();
    label.pointer = PointerShape::Arrow;
  }
  table_[kEndMarkerName].visible = false;
  count_ = 0;
  strip().position = 0;
  updateScrollRange();
}

void TickerWindowModel::addHeadline(int index, std::wstring_view title) {
  if (index < 0 || index >= kHeadlineSlots) return;
  ComponentState& label = headline(index);
  label.text = headlineCaption(index, title);
  label.font = headlineFont();
  label.textColour = services_.settings.digitColour;
  label.background = services_.settings.backgroundColour;
  label.pointer = PointerShape::Arrow;
  sizeToText(label);
  label.bounds.top = kHeadlineTop;
  label.bounds.left = index == 0 ? screenWidth() : headline(index - 1).bounds.right();
  label.visible = true;
  count_ = std::max(count_, index + 1);
  updateScrollRange();
}

void TickerWindowModel::placeEndMarker() {
  ComponentState& marker = table_[kEndMarkerName];
  marker.text.clear();
  marker.font = headlineFont();
  sizeToText(marker);
  marker.bounds.top = kHeadlineTop;
  marker.bounds.left = screenWidth() + (count_ > 0 ? headline(count_ - 1).bounds.right() : 0);
}

void TickerWindowModel::finishHeadlines() {
  placeEndMarker();
  table_[kEndMarkerName].visible = true;
  updateScrollRange();
}

int TickerWindowModel::measureScrollRange() {
  int range = 0;
  for (int i = 0; i < count_; ++i) {
    const ComponentState& label = headline(i);
    if (label.visible) range = std::max(range, label.bounds.right());
  }
  const ComponentState& marker = table_[kEndMarkerName];
  if (marker.visible) range = std::max(range, marker.bounds.right());
  return range;
}

void TickerWindowModel::updateScrollRange() {
  range_ = measureScrollRange();
  ComponentState& area = strip();
  area.maximum = std::max(0, range_ - area.bounds.width);
  area.position = std::clamp(area.position, 0, area.maximum);
}

void TickerWindowModel::start() {
  ComponentState& form = window();
  form.alpha = 0;
  form.bounds.top = services_.panel[kTickerTopBar].position;
  form.visible = true;
  services_.panel[kReadRssButton].enabled = false;
  fadeIn();
  strip().bounds.width = screenWidth();
  strip().bounds.left = 0;
  updateScrollRange();
  timer_.start();
}

// ---- The window ----

int TickerWindowModel::scrollingStep() const {
  return std::clamp(services_.panel[kTickerStepBar].position, kMinimumStep, kMaximumStep);
}

void TickerWindowModel::onScrollTick() {
  if (pageViewShowing()) timer_.stop();
  ComponentState& area = strip();
  area.position = std::clamp(area.position + scrollingStep(), 0, area.maximum);
  // The end: the last headline has left the screen, the end marker's edge is at the strip's.
  if (table_[kEndMarkerName].visible && range_ - area.position <= area.bounds.width) {
    fadeOut();
    timer_.stop();
  }
}

void TickerWindowModel::onHeadlineClicked(int index) {
  if (index < 0 || index >= count_) return;
  if (hooks_.openItemPage) hooks_.openItemPage(index);
}

void TickerWindowModel::pauseOnHover(int index) {
  if (index < 0 || index >= count_) return;
  timer_.stop();
  markHeadline(index, true);
}

void TickerWindowModel::resumeOnLeave(int index) {
  if (index < 0 || index >= count_) return;
  if (!pageViewShowing()) timer_.start();
  markHeadline(index, false);
}

void TickerWindowModel::markHeadline(int index, bool hovered) {
  ComponentState& label = headline(index);
  const FontSpec current = headlineFont();
  FontSpec font = label.font.value_or(current);
  font.bold = current.bold;
  font.italic = current.italic;
  font.underline = hovered;
  label.font = font;
  label.pointer = hovered ? PointerShape::Hand : PointerShape::Arrow;
}

void TickerWindowModel::onCloseClicked() {
  timer_.stop();
  fadeOut();
}

void TickerWindowModel::onCloseHovered() {
  ComponentState& button = table_[kTickerCloseButton];
  button.picture = std::wstring(kRedClosePicture);
  button.bounds = {closeButtonLeft_, 0, 9, 9};
}

void TickerWindowModel::onCloseLeft() {
  ComponentState& button = table_[kTickerCloseButton];
  button.picture = std::wstring(kBlackClosePicture);
  button.bounds = {closeButtonLeft_, 1, 7, 7};
}

void TickerWindowModel::fadeIn() {
  services_.panel[kStopRssButton].enabled = false;
  table_[kTickerCloseButton].enabled = false;
  for (const FadeStep& step : kFadeInSteps) {
    services_.sleeper.sleep(step.pauseMs);
    window().alpha = step.alpha;
  }
  services_.panel[kStopRssButton].enabled = true;
  table_[kTickerCloseButton].enabled = true;
}

void TickerWindowModel::fadeOut() {
  services_.panel[kStopRssButton].enabled = false;
  table_[kTickerCloseButton].enabled = false;
  for (const FadeStep& step : kFadeOutSteps) {
    services_.sleeper.sleep(step.pauseMs);
    window().alpha = step.alpha;
  }
  services_.panel[kReadRssButton].enabled = true;
  services_.panel[kStopRssButton].enabled = true;
  table_[kTickerCloseButton].enabled = true;
  timer_.stop();
  window().visible = false;
}

void TickerWindowModel::pageViewClosed() {
  if (window().visible) timer_.start();
}

// ---- The control panel ----

void TickerWindowModel::onStopClicked() {
  timer_.stop();
  fadeOut();
}

int TickerWindowModel::availableHeight() const {
  const Shell& shell = services_.shell;
  return shell.taskbarAutoHides() ? shell.screenSize().height : shell.workArea().height;
}

void TickerWindowModel::onTickerTopChanged() {
  const int top =
      clampedPosition(services_.panel[kTickerTopBar], 0, availableHeight() - scaleToDpi(kTickerHeight, dpi_));
  services_.settings.tickerTop = top;
  window().bounds.top = top;
}

void TickerWindowModel::onTickerStepChanged() {
  services_.settings.tickerStep = clampedPosition(services_.panel[kTickerStepBar], kMinimumStep, kMaximumStep);
}

void TickerWindowModel::onTickerSpeedChanged() {
  const int speed = clampedPosition(services_.panel[kTickerIntervalBar], kMinimumSpeed, kMaximumSpeed);
  services_.settings.tickerInterval = speed;
  timer_.setInterval(static_cast<std::uint32_t>(speed));
}

void TickerWindowModel::fontChanged() {
  if (count_ == 0) return;
  const FontSpec font = headlineFont();
  for (int i = 0; i < count_; ++i) {
    ComponentState& label = headline(i);
    label.font = font;
    sizeToText(label);
    // Headline 0 keeps its place; every other one follows the one before it.
    if (i > 0) label.bounds.left = headline(i - 1).bounds.right();
  }
  if (table_[kEndMarkerName].visible) placeEndMarker();
  updateScrollRange();
}

void TickerWindowModel::backgroundColourChanged() {
  const Colour background = services_.settings.backgroundColour;
  window().background = background;
  strip().background = background;
  for (int i = 0; i < kHeadlineSlots; ++i) headline(i).background = background;
}

void TickerWindowModel::digitColourChanged() {
  for (int i = 0; i < count_; ++i) headline(i).textColour = services_.settings.digitColour;
}

}  // namespace tikora

// The control panel's model; see control_panel_model.h.
#include "clock/control_panel_model.h"

#include "clock/program_identity.h"

#include <algorithm>
#include <utility>

#include "clock/control_panel_names.h"
#include "clock/save_prompt.h"
#include "clock/settings_schema.h"
#include "core/rounding.h"

namespace tikora {
namespace {

void run(const std::function<void()>& hook) {
  if (hook) hook();
}

int screenRange(int screenExtent) { return std::max(0, screenExtent - kClockWindowSize); }

// The item of an editable list that a typed text names: the item written the same way, or, for
// a number, the item holding the same number ("7" names "07"); -1 when none does.
int typedItem(const std::vector<std::wstring>& items, const std::wstring& typed) {
  if (typed.empty()) return -1;
  const auto exact = std::find(items.begin(), items.end(), typed);
  if (exact != items.end()) return int(exact - items.begin());
  auto number = [](const std::wstring& text) -> long {
    if (text.empty() || text.size() > 4) return -1;
    long n = 0;
    for (wchar_t c : text) {
      if (c < L'0' || c > L'9') return -1;
      n = n * 10 + (c - L'0');
    }
    return n;
  };
  const long wanted = number(typed);
  if (wanted < 0) return -1;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (number(items[i]) == wanted) return int(i);
  return -1;
}

// The whole number an edit shows, when it is one within [minimum, maximum].
std::optional<std::int32_t> numberWithin(const std::wstring& text, int minimum, int maximum) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::int32_t n = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    n = n * 10 + (c - L'0');
  }
  if (n < minimum || n > maximum) return std::nullopt;
  return n;
}

}  // namespace

int markerOffset(int position, int maximum, int steps) {
  if (maximum <= 0 || steps <= 0) return 0;
  const std::int64_t step = std::max<std::int64_t>(1, roundHalfEvenDiv(maximum, steps));
  return int(roundHalfEvenDiv(position, step));
}

int positionPercent(int position, int maximum) {
  if (maximum <= 0) return 0;
  // position / (maximum / 100) is 100 * position / maximum, worked out exactly.
  return int(roundHalfEvenDiv(std::int64_t(position) * 100, maximum));
}

int transparencyPercent(int alpha) { return alpha * 100 / 255; }

std::wstring startWithSystemFailedMessage(bool ticked) {
  const std::wstring line = ticked ? L"   Tikora could not be added to the programs that start with Windows."
                                   : L"   Tikora could not be removed from the programs that start with Windows.";
  return line + L"\r" + std::wstring(line.size() - 3, L'_');
}

std::wstring homePageFailedMessage() {
  const std::wstring line = L"   The home page could not be opened in the web browser.";
  return line + L"\r" + std::wstring(line.size() - 3, L'_');
}

std::wstring transparencyText(int alpha) {
  return std::wstring(kTransparencyLabelPrefix) + std::to_wstring(transparencyPercent(alpha));
}

ControlPanelModel::ControlPanelModel(ControlPanelServices services, ControlPanelHooks hooks)
    : s_(services), hooks_(std::move(hooks)), table_(controlPanelComponents(services.metrics)) {
  // Transparency's value shows only while transparency is on.
  table_[kTransparencyLabel].text = transparencyText(s_.settings.transparency);
  table_[kTransparencyLabel].visible = false;
  table_[kStartLeftPercentLabel].text = L"0";
  table_[kStartTopPercentLabel].text = L"0";
  bindSettings();
  registerHandlers();
  registerOverlayHandlers();
  table_.beforeHandlers = [this](Component& c, ComponentEvent event, EventSource) { beforeHandlers(c, event); };
  table_.afterHandlers = [this] { refreshAfterEvent(); };
  showSettings();
}

// ---- Binding ----

namespace {

// The setting a table row describes, where it is kept (no copy).
template <class T>
const T& settingField(const Settings& settings, const SettingSpec& described) {
  return settings.*std::get<T Settings::*>(described.field);
}

}  // namespace

void ControlPanelModel::bindSettings() {
  const auto& all = std::as_const(table_).all();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (const SettingSpec* described = settingOfComponent(all[i].name)) bound_.emplace_back(i, described);
}

void ControlPanelModel::showSetting(const SettingSpec& described) {
  const ComponentTable& table = table_;
  showSetting(table.indexOf(table.component(described.component)), described);
}

void ControlPanelModel::showSetting(std::size_t control, const SettingSpec& described) {
  // Runs after every event and tick for every bound control: a control is written only where
  // its setting differs from what it shows, so that an idle second changes (and marks) nothing.
  const Component& list = std::as_const(table_).at(control);
  const ComponentState& shown = list.state;
  const auto write = [&]() -> ComponentState& { return table_.at(control).state; };
  switch (described.control) {
    case SettingControl::CheckBox:
    case SettingControl::RadioButton:
      if (const bool checked = settingField<bool>(s_.settings, described); shown.checked != checked)
        write().checked = checked;
      break;
    case SettingControl::ColorBox:
      if (const Colour colour = settingField<Colour>(s_.settings, described); shown.selectedColour != colour)
        write().selectedColour = colour;
      break;
    case SettingControl::ListChoice: {
      const int selected = settingField<std::int32_t>(s_.settings, described);
      const bool named = selected >= 0 && std::size_t(selected) < shown.items.size();
      // An editable list keeps what was typed into it, and a list with a prompt its prompt while
      // no item is named; the others show their item.
      const bool showsItem = named && list.kind != ComponentKind::EditableComboBox;
      const bool cleared = !named && list.kind != ComponentKind::EditableComboBox && !(list.options & kPrompt);
      if (shown.selected != selected) write().selected = selected;
      if (showsItem && shown.text != shown.items[std::size_t(selected)])
        write().text = shown.items[std::size_t(selected)];
      else if (cleared && !shown.text.empty())
        write().text.clear();
      break;
    }
    case SettingControl::FontName:
    case SettingControl::Edit:
      if (const std::wstring& text = settingField<std::wstring>(s_.settings, described); shown.text != text)
        write().text = text;
      break;
    case SettingControl::UpDown:
    case SettingControl::ScrollBar:
      if (const int position = settingField<std::int32_t>(s_.settings, described); shown.position != position)
        write().position = position;
      break;
    case SettingControl::DatePicker:
      if (const DateTime& value = settingField<DateTime>(s_.settings, described); !(shown.value == value))
        write().value = value;
      break;
  }
}

void ControlPanelModel::showSettings() {
  for (const auto& [control, described] : bound_) showSetting(control, *described);
}

void ControlPanelModel::beforeHandlers(Component& c, ComponentEvent event) {
  const SettingSpec* described = settingOfComponent(c.name);
  if (!described) return;
  const ComponentState& state = c.state;
  Settings& s = s_.settings;
  switch (described->control) {
    case SettingControl::CheckBox: setValue(s, *described, SettingValue{state.checked}); break;
    case SettingControl::RadioButton:
      if (state.checked) selectRadioButton(s, *described);
      break;
    case SettingControl::ColorBox: setValue(s, *described, SettingValue{state.selectedColour}); break;
    case SettingControl::ListChoice:
      if (event == ComponentEvent::Typed) {
        // A typed item counts as picked, so that a save keeps it; text that names no item
        // keeps the last item named.
        const int item = typedItem(state.items, state.text);
        if (item >= 0) setValue(s, *described, SettingValue{std::int32_t{item}});
      } else {
        setValue(s, *described, SettingValue{std::int32_t{state.selected}});
      }
      break;
    case SettingControl::FontName: setValue(s, *described, SettingValue{state.text}); break;
    case SettingControl::Edit: {
      setValue(s, *described, SettingValue{state.text});
      // The up-down beside the minutes follows a number typed within its range.
      if (const SettingSpec* arrows = settingOfComponent(kPowerOffMinutesArrows);
          arrows && c.name == kPowerOffMinutesEdit) {
        const ComponentState& upDown = table_[arrows->component];
        if (const auto n = numberWithin(state.text, upDown.minimum, upDown.maximum))
          setValue(s, *arrows, SettingValue{*n});
      }
      break;
    }
    case SettingControl::UpDown:
    case SettingControl::ScrollBar: setValue(s, *described, SettingValue{std::int32_t{state.position}}); break;
    case SettingControl::DatePicker: setValue(s, *described, SettingValue{state.value}); break;
  }
}

void ControlPanelModel::refreshAfterEvent() {
  for (const auto& step : refreshSteps_) step();
  showSettings();
}

void ControlPanelModel::settingLoaded(const SettingSpec& described) {
  if (described.component.empty() || !table_.contains(described.component)) return;
  showSetting(described);
  switch (described.control) {
    case SettingControl::CheckBox:
    case SettingControl::RadioButton:
      table_.dispatch(described.component, ComponentEvent::Click, EventSource::Program);
      break;
    case SettingControl::ScrollBar:
      table_.dispatch(described.component, ComponentEvent::Change, EventSource::Program);
      break;
    default: break;
  }
}

// ---- Handlers ----

void ControlPanelModel::registerHandlers() {
  using E = ComponentEvent;
  table_.on(kStartLeftBar, E::Change, [this] { onStartPositionChanged(Axis::Horizontal); });
  table_.on(kStartTopBar, E::Change, [this] { onStartPositionChanged(Axis::Vertical); });
  table_.on(kCheckPositionBox, E::Click, [this] { onCheckPositionClicked(); });
  table_.on(kTransparencyOnBox, E::Click, [this] { onTransparencyOnChanged(); });
  table_.on(kTransparencyBar, E::Change, [this] { onTransparencyChanged(); });
  table_.on(kStartWithSystemBox, E::Click, [this](const EventContext& e) { onStartWithSystemClicked(e.source); });
  table_.on(kOpenPlannerButton, E::Click, [this] { onOpenPlannerClicked(); });
  table_.on(kHomePageName, E::MouseMove, [this] { onHomePageHovered(); });
  table_.on(kHomePageName, E::MouseLeave, [this] { onHomePageLeft(); });
  table_.on(kHomePageName, E::Click, [this] { onHomePageClicked(); });
  table_.on(kPageControlName, E::Change, [this] { onPageChanged(); });
  table_.on(kControlPanelName, E::Close, [this] { onCloseBox(); });
}

void ControlPanelModel::registerOverlayHandlers() {
  // The weekday, date, digital time, information lines and face font controls run the text
  // overlays' handlers.
  struct Route {
    std::wstring_view component;
    ComponentEvent event;
    void (*handler)(TextOverlays&);
  };
  using E = ComponentEvent;
  using C = ClockComponent;
  static constexpr Route kRoutes[] = {
      {kWeekdayOffBox, E::Click, [](TextOverlays& o) { o.onWeekdayOffChanged(); }},
      {kWeekdayShortNameBox, E::Click, [](TextOverlays& o) { o.onWeekdayShortNameChanged(); }},
      {kDateOffBox, E::Click, [](TextOverlays& o) { o.onDateOffChanged(); }},
      {kShortDateBox, E::Click, [](TextOverlays& o) { o.onShortDateChanged(); }},
      {kLongMonthNameButton, E::Click, [](TextOverlays& o) { o.onMonthNameChosen(); }},
      {kShortMonthNameButton, E::Click, [](TextOverlays& o) { o.onMonthNameChosen(); }},
      {kTwelveHourFormatButton, E::Click, [](TextOverlays& o) { o.onHourFormatChosen(true); }},
      {kTwentyFourHourFormatButton, E::Click, [](TextOverlays& o) { o.onHourFormatChosen(false); }},
      {kCountdownInFrontBox, E::Click, [](TextOverlays& o) { o.onInFrontOfHandsChanged(C::Countdown); }},
      {kWorkTimeInFrontBox, E::Click, [](TextOverlays& o) { o.onInFrontOfHandsChanged(C::WorkTime); }},
      {kPowerOffTimeInFrontBox, E::Click, [](TextOverlays& o) { o.onInFrontOfHandsChanged(C::PowerOffTime); }},
      {kWeekdayInFrontBox, E::Click, [](TextOverlays& o) { o.onInFrontOfHandsChanged(C::Weekday); }},
      {kDateInFrontBox, E::Click, [](TextOverlays& o) { o.onInFrontOfHandsChanged(C::Date); }},
      {kDigitalTimeInFrontBox, E::Click, [](TextOverlays& o) { o.onInFrontOfHandsChanged(C::DigitalTime); }},
      {kFaceFontNameList, E::Change, [](TextOverlays& o) { o.onFaceFontNameChanged(); }},
      {kFaceFontSizeList, E::Change, [](TextOverlays& o) { o.onFaceFontSizeChanged(); }},
      {kFaceFontStyleList, E::Change, [](TextOverlays& o) { o.onFaceFontStyleChanged(); }},
      {kWeekdayColourBox, E::Change, [](TextOverlays& o) { o.onWeekdayColourChanged(); }},
      {kDateColourBox, E::Change, [](TextOverlays& o) { o.onDateColourChanged(); }},
      {kDigitalTimeColourBox, E::Change, [](TextOverlays& o) { o.onDigitalTimeColourChanged(); }},
      {kPowerOffTimeColourBox, E::Change, [](TextOverlays& o) { o.onPowerOffTimeColourChanged(); }},
      {kWorkTimeColourBox, E::Change, [](TextOverlays& o) { o.onWorkTimeColourChanged(); }},
      {kCountdownColourBox, E::Change, [](TextOverlays& o) { o.onCountdownColourChanged(); }},
  };
  TextOverlays& overlays = s_.overlays;
  for (const Route& route : kRoutes)
    table_.on(route.component, route.event, [&overlays, handler = route.handler] { handler(overlays); });
  // "AM/PM OFF" shows in the 12 h format only; the month names need "Short Date".
  addRefreshStep([this] {
    table_[kDigitalAmPmOffBox].visible = s_.overlays.amPmOffVisible();
    table_[kLongMonthNameButton].enabled = s_.overlays.monthNameButtonsEnabled();
    table_[kShortMonthNameButton].enabled = s_.overlays.monthNameButtonsEnabled();
  });
}

SettingsLoadReport ControlPanelModel::create() {
  // 1. Font lists, as far as the system lists them.
  const std::vector<std::wstring> fonts = s_.metrics.installedFontNames();
  table_[kFaceFontNameList].items = fonts;
  table_[kTickerFontNameList].items = fonts;
  // 2. The time displays' places come with the layout. 3. Position ranges.
  setPositionRanges();
  // 4. RSS channels.
  run(hooks_.loadChannelList);
  // 5. Settings, running the actions of the controls they change.
  SettingsLoadReport report = s_.store.load(s_.settings, [this](const SettingEvent& event) {
    if (event.setting) settingLoaded(*event.setting);
  });
  showSettings();
  run(hooks_.settingsLoaded);
  // 6. The clock window's place.
  placeClockWindow();
  // 7. Frame colour.
  run(hooks_.recolourFrame);
  // 8. Face background, weekday and date texts.
  run(hooks_.paintFaceBackground);
  s_.overlays.prepareAtStart(s_.clock.now());
  // 9. Seconds marks.
  run(hooks_.drawSecondsMarks);
  // 10. Digits and the face font.
  run(hooks_.applyDigitColourAndVisibility);
  s_.overlays.applyFaceFont();
  s_.overlays.placeDigits();
  // 11. Second hand table.
  run(hooks_.buildSecondHandTable);
  // 12. Weekday and date in place.
  s_.overlays.placeWeekdayAndDate();
  refreshAfterEvent();
  return report;
}

void ControlPanelModel::show() {
  ComponentState& window = table_[kControlPanelName];
  window.visible = true;
  ++window.raised;
}

void ControlPanelModel::onCloseBox() {
  // Closing only hides the panel and offers to save; the program goes on.
  table_[kControlPanelName].visible = false;
  if (table_.showNow) table_.showNow();
  SavePromptOptions options;
  options.applicationTitle = kApplicationTitle;
  options.owner = kControlPanelName;
  runSavePrompt(s_.store, s_.settings, s_.messageBoxes, options);
}

void ControlPanelModel::loadTickerSettings() {
  s_.store.loadTickerGroup(s_.settings);
  showSettings();
}

void ControlPanelModel::showPlainMessage(std::wstring text) {
  MessageBoxRequest request;
  request.caption = std::wstring(kApplicationTitle);
  request.text = std::move(text);
  request.owner = kControlPanelName;
  s_.messageBoxes.show(request);
}

// ---- Clock start-up position ----

void ControlPanelModel::setPositionRanges() {
  const ScreenSize screen = s_.shell.screenSize();
  // A screen smaller than the clock leaves a range of 0 to 0 rather than an inverted one.
  table_[kStartLeftBar].minimum = 0;
  table_[kStartLeftBar].maximum = screenRange(screen.width);
  table_[kStartTopBar].minimum = 0;
  table_[kStartTopBar].maximum = screenRange(screen.height);
}

Point ControlPanelModel::startPosition() const {
  if (s_.settings.startAtSetPosition) return {s_.settings.startLeft, s_.settings.startTop};
  const ScreenSize screen = s_.shell.screenSize();
  return {screen.width - kClockWindowSize - kStartCornerMargin, kStartCornerMargin};
}

void ControlPanelModel::placeClockWindow() {
  const Point start = startPosition();
  s_.clockWindow.setWindowPosition(start.x, start.y);
}

void ControlPanelModel::onStartPositionChanged(Axis axis) {
  const bool across = axis == Axis::Horizontal;
  ComponentState& bar = table_[across ? kStartLeftBar : kStartTopBar];
  const ScreenSize screen = s_.shell.screenSize();
  bar.minimum = 0;
  bar.maximum = screenRange(across ? screen.width : screen.height);
  // A scroll bar cannot stand outside its range: a stored position from a larger screen is
  // taken to the nearest end, and that is what is kept.
  int& position = across ? s_.settings.startLeft : s_.settings.startTop;
  position = std::clamp(position, bar.minimum, bar.maximum);
  const Rect group = table_[kStartUpPositionGroup].bounds;
  Rect& marker = table_[kPositionMarker].bounds;
  if (across)
    marker.left = group.left + markerOffset(position, bar.maximum, kMarkerStepsAcross) + kMarkerOrigin.x;
  else
    marker.top = group.top + markerOffset(position, bar.maximum, kMarkerStepsDown) + kMarkerOrigin.y;
  table_[across ? kStartLeftPercentLabel : kStartTopPercentLabel].text =
      std::to_wstring(positionPercent(position, bar.maximum));
  if (!table_[kCheckPositionBox].checked) return;
  ClockWindowModel& clock = s_.clockWindow;
  if (across)
    clock.setWindowPosition(position, clock.windowTop());
  else
    clock.setWindowPosition(clock.windowLeft(), position);
}

void ControlPanelModel::onCheckPositionClicked() {
  s_.clockWindow.setWindowPosition(s_.settings.startLeft, s_.settings.startTop);
}

// ---- Transparency ----

void ControlPanelModel::onTransparencyOnChanged() {
  ComponentState& bar = table_[kTransparencyBar];
  ComponentState& label = table_[kTransparencyLabel];
  if (!s_.settings.transparencyOn) {
    s_.clockWindow.setAlphaBlend(false);
    bar.enabled = false;
    label.visible = false;
    return;
  }
  s_.clockWindow.setAlphaBlend(true);
  bar.enabled = true;
  s_.settings.transparency = std::clamp(s_.settings.transparency, bar.minimum, bar.maximum);
  label.visible = true;
  label.text = transparencyText(s_.settings.transparency);
  s_.clockWindow.setAlphaBlendValue(s_.settings.transparency);
}

void ControlPanelModel::onTransparencyChanged() {
  const ComponentState& bar = table_[kTransparencyBar];
  s_.settings.transparency = std::clamp(s_.settings.transparency, bar.minimum, bar.maximum);
  if (!s_.settings.transparencyOn) return;
  s_.clockWindow.setAlphaBlendValue(s_.settings.transparency);
  table_[kTransparencyLabel].text = transparencyText(s_.settings.transparency);
}

// ---- Start with System ----

void ControlPanelModel::onStartWithSystemClicked(EventSource source) {
  const StartWithSystemReport report = s_.store.startWithSystem(s_.settings.startWithSystem);
  // A start with the box as stored goes on quietly; a user's click that did not take is told.
  if (source != EventSource::User || (report.runKeyOpened && report.runValue.ok())) return;
  showPlainMessage(startWithSystemFailedMessage(s_.settings.startWithSystem));
}

// ---- Open Daily Planner ----

void ControlPanelModel::onOpenPlannerClicked() {
  run(hooks_.closeReminderPopupIfShowing);
  run(hooks_.showDailyPlanner);
}

// ---- Home Page ----

void ControlPanelModel::onHomePageHovered() {
  ComponentState& link = table_[kHomePageName];
  if (link.font) link.font->underline = true;
  link.pointer = PointerShape::Hand;
}

void ControlPanelModel::onHomePageLeft() {
  ComponentState& link = table_[kHomePageName];
  if (link.font) link.font->underline = false;
  link.pointer = PointerShape::Arrow;
}

void ControlPanelModel::onHomePageClicked() {
  if (s_.shell.openAddress(std::wstring(kHomePageAddress)).ok()) return;
  showPlainMessage(homePageFailedMessage());
}

// ---- Pages ----

void ControlPanelModel::onPageChanged() {
  const int shown = table_[kPageControlName].selected;
  int index = 0;
  for (Component& c : table_.all())
    if (c.kind == ComponentKind::Page) c.state.visible = index++ == shown;
}

}  // namespace tikora

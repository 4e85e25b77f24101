// The control panel's model; see control_panel_model.h.
#include "app/control_panel_model.h"

#include <algorithm>
#include <utility>

#include "app/clock_window_model.h"
#include "app/settings_schema.h"
#include "core/rounding.h"

namespace tikora {
namespace {

void run(const std::function<void()>& hook) {
  if (hook) hook();
}

// Loaded values whose control belongs to the text overlays, with the control's action.
struct OverlayRoute {
  std::wstring_view name;
  void (TextOverlays::*handler)();
};
constexpr OverlayRoute kOverlayRoutes[] = {
    {L"chk_dw", &TextOverlays::CheckBox1Click},      {L"chk_ds", &TextOverlays::CheckBox2Click},
    {L"chk_dy", &TextOverlays::CheckBox3Click},      {L"chk_dff", &TextOverlays::CheckBox4Click},
    {L"dt_ta", &TextOverlays::RadioButton57Click},   {L"dt_tb", &TextOverlays::RadioButton58Click},
    {L"se_2fh", &TextOverlays::RadioButton44Click},  {L"se_4fh", &TextOverlays::RadioButton45Click},
    {L"chc_co", &TextOverlays::CheckBox15Click},     {L"chc_sw", &TextOverlays::CheckBox16Click},
    {L"chc_to", &TextOverlays::CheckBox17Click},     {L"chc_dw", &TextOverlays::CheckBox18Click},
    {L"chc_dc", &TextOverlays::CheckBox19Click},     {L"cti_fr", &TextOverlays::CheckBox26Click},
};

// Loaded values whose control belongs to the face, with the hook that runs its action.
struct FaceRoute {
  std::wstring_view name;
  std::function<void()> ControlPanelHooks::*hook;
};
constexpr FaceRoute kFaceRoutes[] = {
    {L"chk_sh", &ControlPanelHooks::secondHandOffClick},
    {L"chk_le", &ControlPanelHooks::laserOffClick},
    {L"sek_of", &ControlPanelHooks::secondsOffClick},
    {L"cfr_of", &ControlPanelHooks::digitsOffClick},
    {L"cal_of", &ControlPanelHooks::allHandsOffClick},
};

// Boxes whose state is only read when it is needed: "Set Current Position" at the next start,
// "Set Clock Window on Top" by the second tick, the digital time's "OFF", "AM/PM OFF" and
// "Sec OFF" by the next digital time refresh.
constexpr std::wstring_view kNoAction[] = {L"chk_df", L"st_to", L"cti_of", L"chk_dam", L"chk_sec"};

int screenRange(int screenExtent) { return std::max(0, screenExtent - kClockWindowSize); }

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

std::wstring transparencyText(int alpha) {
  return std::wstring(kTransparencyLabelPrefix) + std::to_wstring(transparencyPercent(alpha));
}

ControlPanelModel::ControlPanelModel(ControlPanelServices services, ControlPanelHooks hooks)
    : s_(services), hooks_(std::move(hooks)) {}

SettingsLoadReport ControlPanelModel::FormCreate() {
  // 1. Font lists, as far as the system lists them.
  faceFonts_ = s_.metrics.installedFontNames();
  tickerFonts_ = faceFonts_;
  // 2. Time display layout.
  run(hooks_.layoutTimeDisplays);
  // 3. Position ranges.
  setPositionRanges();
  // 4. RSS channels.
  run(hooks_.loadChannelList);
  // 5. Settings, running the actions of the controls they change.
  SettingsLoadReport report = s_.store.load(
      s_.settings, [this](const SettingEvent& event) { dispatchSettingEvent(event); });
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
  return report;
}

void ControlPanelModel::dispatchSettingEvent(const SettingEvent& event) {
  if (!event.setting) return;
  const std::wstring_view name = event.setting->name;
  if (name == L"po_po") return ScrollBar1Change();
  if (name == L"po_pi") return ScrollBar2Change();
  if (name == L"chk_tr") return CheckBox20Click();
  if (name == L"scr_tr") return ScrollBar3Change();
  if (name == L"ses_st") {
    CheckBox30Click();
    return;
  }
  for (const OverlayRoute& route : kOverlayRoutes) {
    if (route.name == name) return (s_.overlays.*route.handler)();
  }
  for (const FaceRoute& route : kFaceRoutes) {
    if (route.name == name) return run(hooks_.*route.hook);
  }
  if (std::find(std::begin(kNoAction), std::end(kNoAction), name) != std::end(kNoAction)) return;
  if (event.setting->radioGroup == kRadioSecondsStyle) {
    if (hooks_.secondsStyleClick) hooks_.secondsStyleClick(name);
    return;
  }
  if (hooks_.otherSettingEvent) hooks_.otherSettingEvent(event);
}

// ---- Clock start-up position ----

void ControlPanelModel::setPositionRanges() {
  const ScreenSize screen = s_.shell.screenSize();
  // A screen smaller than the clock leaves a range of 0 to 0 rather than an inverted one.
  scrollBar1_.minimum = 0;
  scrollBar1_.maximum = screenRange(screen.width);
  scrollBar2_.minimum = 0;
  scrollBar2_.maximum = screenRange(screen.height);
}

Point ControlPanelModel::startPosition() const {
  if (s_.settings.chk_df) return {s_.settings.po_po, s_.settings.po_pi};
  const ScreenSize screen = s_.shell.screenSize();
  return {screen.width - kClockWindowSize - kStartCornerMargin, kStartCornerMargin};
}

void ControlPanelModel::placeClockWindow() {
  const Point start = startPosition();
  s_.clockWindow.moveClockWindow(start.x, start.y);
}

void ControlPanelModel::ScrollBar1Change() {
  scrollBar1_.minimum = 0;
  scrollBar1_.maximum = screenRange(s_.shell.screenSize().width);
  // A scroll bar cannot stand outside its range: a stored position from a larger screen is
  // taken to the nearest end, and that is what is kept.
  int& position = s_.settings.po_po;
  position = std::clamp(position, scrollBar1_.minimum, scrollBar1_.maximum);
  marker_.x = markerOffset(position, scrollBar1_.maximum, kMarkerStepsAcross) + kMarkerOrigin.x;
  label13_.text = std::to_wstring(positionPercent(position, scrollBar1_.maximum));
  if (checkPosition_) s_.clockWindow.moveClockWindow(position, s_.settings.po_pi);
}

void ControlPanelModel::ScrollBar2Change() {
  scrollBar2_.minimum = 0;
  scrollBar2_.maximum = screenRange(s_.shell.screenSize().height);
  int& position = s_.settings.po_pi;
  position = std::clamp(position, scrollBar2_.minimum, scrollBar2_.maximum);
  marker_.y = markerOffset(position, scrollBar2_.maximum, kMarkerStepsDown) + kMarkerOrigin.y;
  label14_.text = std::to_wstring(positionPercent(position, scrollBar2_.maximum));
  if (checkPosition_) s_.clockWindow.moveClockWindow(s_.settings.po_po, position);
}

void ControlPanelModel::CheckBox7Click() {
  s_.clockWindow.moveClockWindow(s_.settings.po_po, s_.settings.po_pi);
}

// ---- Transparency ----

void ControlPanelModel::CheckBox20Click() {
  if (!s_.settings.chk_tr) {
    s_.clockWindow.setClockAlphaBlend(false);
    scrollBar3_.enabled = false;
    label23_.visible = false;
    return;
  }
  s_.clockWindow.setClockAlphaBlend(true);
  scrollBar3_.enabled = true;
  s_.settings.scr_tr = std::clamp(s_.settings.scr_tr, scrollBar3_.minimum, scrollBar3_.maximum);
  label23_.visible = true;
  label23_.text = transparencyText(s_.settings.scr_tr);
  s_.clockWindow.setClockAlphaBlendValue(s_.settings.scr_tr);
}

void ControlPanelModel::ScrollBar3Change() {
  s_.settings.scr_tr = std::clamp(s_.settings.scr_tr, scrollBar3_.minimum, scrollBar3_.maximum);
  if (!s_.settings.chk_tr) return;
  s_.clockWindow.setClockAlphaBlendValue(s_.settings.scr_tr);
  label23_.text = transparencyText(s_.settings.scr_tr);
}

// ---- Start with System ----

StartWithSystemReport ControlPanelModel::CheckBox30Click() {
  return s_.store.startWithSystem(s_.settings.ses_st);
}

// ---- Open Daily Planner ----

void ControlPanelModel::Button1Click() {
  run(hooks_.closeReminderPopupIfShowing);
  run(hooks_.showDailyPlanner);
}

// ---- Home Page ----

void ControlPanelModel::HomePageMouseEnter() {
  homePageUnderlined_ = true;
  homePagePointer_ = PointerShape::Hand;
}

void ControlPanelModel::HomePageMouseLeave() {
  homePageUnderlined_ = false;
  homePagePointer_ = PointerShape::Arrow;
}

Status ControlPanelModel::HomePageClick() {
  return s_.shell.openAddress(std::wstring(kHomePageAddress));
}

}  // namespace tikora

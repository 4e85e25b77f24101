// The control panel (`TForm2`) as a model: its creation in the fixed order of steps, the general
// settings that concern the clock window as a window (start-up position, transparency, start
// with Windows), the "Open Daily Planner" button and the "Home Page" link, and the dispatcher
// that runs a control's click or change action for each value the settings load changes.
//
// The face and the later features plug into the creation steps and the dispatcher through
// ControlPanelHooks; the clock window itself is moved and made transparent through
// ClockWindowActions, which the Win32 layer implements. The live settings are the Settings
// record: a handler runs after its control's field has changed.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "app/settings_store.h"
#include "core/painter.h"
#include "app/text_overlays.h"
#include "platform/clock.h"
#include "platform/result.h"
#include "platform/shell.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr std::wstring_view kHomePageAddress = L"https://tikora.app/";
inline constexpr std::wstring_view kTransparencyLabelPrefix = L"Transparency Value = ";
// With "Set Current Position" unticked the clock starts this far in from the screen's right
// edge and from its top.
inline constexpr int kStartCornerMargin = 30;
// The position marker (Image2) inside the screen miniature: where it stands for position 0 and
// how many steps it travels across and down.
inline constexpr Point kMarkerOrigin{20, 24};
inline constexpr int kMarkerStepsAcross = 20;
inline constexpr int kMarkerStepsDown = 14;

// What the control panel does to the clock window as a window.
class ClockWindowActions {
 public:
  virtual ~ClockWindowActions() = default;
  virtual void moveClockWindow(int left, int top) = 0;
  // Whole-window alpha blending on or off; white stays see-through either way.
  virtual void setClockAlphaBlend(bool enabled) = 0;
  // 0 (invisible) to 255 (opaque); used while alpha blending is on.
  virtual void setClockAlphaBlendValue(int alpha) = 0;
};

// The marker's travel: nearest(position / nearest(maximum / steps)), halves to even. The step
// is at least 1, so a range shorter than `steps` / 2 moves the marker pixel by pixel; a range
// of 0 (or less) leaves it at 0.
int markerOffset(int position, int maximum, int steps);
// nearest(position / (maximum / 100)), halves to even; 0 for a range of 0 (or less).
int positionPercent(int position, int maximum);
// floor(alpha * 100 / 255): 255 -> 100, 128 -> 50, 0 -> 0.
int transparencyPercent(int alpha);
// "Transparency Value = " and the percentage.
std::wstring transparencyText(int alpha);

struct ScrollBarState {
  int minimum = 0;
  int maximum = 100;
  bool enabled = true;
  friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

struct LabelState {
  std::wstring text;
  bool visible = true;
  friend bool operator==(const LabelState&, const LabelState&) = default;
};


// The parts of creation, the load actions and the button that belong to other windows and
// features. An empty hook is skipped.
struct ControlPanelHooks {
  // ---- Creation steps ----
  std::function<void()> layoutTimeDisplays;   // 2: power-off and work time display positions
  std::function<void()> loadChannelList;      // 4: RSS channels into the list view and choice
  std::function<void()> recolourFrame;        // 7: frame, strip and stripe by the frame colour
  std::function<void()> paintFaceBackground;  // 8: face disk in the background colour
  std::function<void()> drawSecondsMarks;     // 9: seconds ring of the chosen style, its action
  std::function<void()> applyDigitColourAndVisibility;  // 10, before the face font
  std::function<void()> buildSecondHandTable;  // 11

  // ---- Face controls' click actions ----
  std::function<void()> secondHandOffClick;  // CheckBox5 "Second Hand OFF" (chk_sh)
  std::function<void()> laserOffClick;       // CheckBox6 laser "OFF" (chk_le)
  std::function<void()> secondsOffClick;     // CheckBox22 seconds "OFF" (sek_of)
  std::function<void()> digitsOffClick;      // CheckBox23 digits "OFF" (cfr_of)
  std::function<void()> allHandsOffClick;    // CheckBox24 "All Hands OFF" (cal_of)
  // A seconds style button became selected; its value name ("se_sto", "se_sxa", ...).
  std::function<void(std::wstring_view)> secondsStyleClick;
  // Every loaded change this panel has no action for itself (voice, power-off, full-hour
  // notification, countdown, work time, RSS schedule).
  std::function<void(const SettingEvent&)> otherSettingEvent;

  // ---- "Open Daily Planner" ----
  std::function<void()> closeReminderPopupIfShowing;
  // The planner shown at today's date and the current time cut to whole minutes.
  std::function<void()> showDailyPlanner;
};

struct ControlPanelServices {
  Settings& settings;
  SettingsStore& store;
  Shell& shell;
  const TextMetrics& metrics;
  const Clock& clock;
  TextOverlays& overlays;
  ClockWindowActions& clockWindow;
};

class ControlPanelModel {
 public:
  ControlPanelModel(ControlPanelServices services, ControlPanelHooks hooks = {});

  // The creation steps in order: font lists, time display layout, position ranges, channel
  // list, settings (with the click and change actions of the controls they change), clock
  // window placement, frame recolouring, face and weekday/date texts, seconds marks, digits and
  // face font, second hand table, weekday and date placement. Gives the settings load report.
  SettingsLoadReport FormCreate();

  // Runs the action of the control a loaded value changed.
  void dispatchSettingEvent(const SettingEvent& event);

  // ---- Font lists ----
  const std::vector<std::wstring>& ComboBox5Items() const { return faceFonts_; }    // face
  const std::vector<std::wstring>& ComboBox9Items() const { return tickerFonts_; }  // ticker

  // ---- "Clock Start-up Position" ----
  const ScrollBarState& ScrollBar1() const { return scrollBar1_; }
  const ScrollBarState& ScrollBar2() const { return scrollBar2_; }
  Point Image2Position() const { return marker_; }
  const LabelState& Label13() const { return label13_; }
  const LabelState& Label14() const { return label14_; }
  bool CheckBox7Checked() const { return checkPosition_; }
  void setCheckBox7Checked(bool checked) { checkPosition_ = checked; }
  void ScrollBar1Change();
  void ScrollBar2Change();
  void CheckBox7Click();  // "Check Position"
  // Left and top where the clock window starts on a screen of this size (step 6).
  Point startPosition() const;

  // ---- "Clock Transparency, Style" ----
  const ScrollBarState& ScrollBar3() const { return scrollBar3_; }
  const LabelState& Label23() const { return label23_; }
  void CheckBox20Click();  // "Set Transparency"
  void ScrollBar3Change();

  // ---- "Start with System" ----
  StartWithSystemReport CheckBox30Click();

  // ---- "Open Daily Planner" ----
  void Button1Click();

  // ---- "Home Page" link ----
  void HomePageMouseEnter();
  void HomePageMouseLeave();
  Status HomePageClick();
  bool homePageUnderlined() const { return homePageUnderlined_; }
  PointerShape homePagePointer() const { return homePagePointer_; }

 private:
  void setPositionRanges();
  void placeClockWindow();

  ControlPanelServices s_;
  ControlPanelHooks hooks_;
  std::vector<std::wstring> faceFonts_;
  std::vector<std::wstring> tickerFonts_;
  ScrollBarState scrollBar1_{0, 0, true};
  ScrollBarState scrollBar2_{0, 0, true};
  ScrollBarState scrollBar3_{0, 255, true};
  Point marker_ = kMarkerOrigin;
  LabelState label13_{L"0", true};
  LabelState label14_{L"0", true};
  LabelState label23_{std::wstring(kTransparencyLabelPrefix), false};
  bool checkPosition_ = false;
  bool homePageUnderlined_ = false;
  PointerShape homePagePointer_ = PointerShape::Arrow;
};

}  // namespace tikora

// The control panel (`TForm2`) as a model: its components (made from the page tables), the
// binding of every settings control to its field of the live Settings record, its creation in
// the fixed order of steps, and the handlers of its own groups: the start-up position, the
// transparency, start with Windows, the "Open Daily Planner" button, the "Home Page" link and
// the page control. The weekday, date, digital time and information-line controls run the
// text overlays' handlers.
//
// Every control's action is a handler registered by component and event in components(); the
// face, the time services and the later features register theirs there too (see
// program/program_model.cpp). A user's change and a loaded value set off the same handlers:
// loading runs the click action of a check box that changed and of a radio button that became
// selected, and the change action of a scroll bar that moved.
//
// The binding: before the handlers of an event run, a settings control's new state goes into
// its Settings field; after every event every settings control shows its field again (a colour
// a handler turned from pure white to near white, a position kept within its range).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/clock_window_model.h"
#include "clock/control_panel_layout.h"
#include "clock/settings.h"
#include "clock/settings_schema.h"
#include "clock/settings_store.h"
#include "clock/text_overlays.h"
#include "core/component.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/result.h"
#include "platform/shell.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr std::wstring_view kHomePageAddress = L"https://tikora.app/";
inline constexpr std::wstring_view kTransparencyLabelPrefix = L"Transparency Value = ";
// With "Set Current Position" unticked the clock starts this far in from the screen's right
// edge and from its top.
inline constexpr int kStartCornerMargin = 30;
// The position marker (Image2) inside the screen miniature: where it stands for position 0,
// relative to its group box, and how many steps it travels across and down.
inline constexpr Point kMarkerOrigin{20, 24};
inline constexpr int kMarkerStepsAcross = 20;
inline constexpr int kMarkerStepsDown = 14;

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

// The creation steps that belong to other windows and features. An empty hook is skipped.
struct ControlPanelHooks {
  std::function<void()> loadChannelList;                // 4: RSS channels into the list view and choice
  std::function<void()> recolourFrame;                  // 7: frame, strip and stripe by the frame colour
  std::function<void()> paintFaceBackground;            // 8: face disk in the background colour
  std::function<void()> drawSecondsMarks;               // 9: seconds ring of the chosen style, its action
  std::function<void()> applyDigitColourAndVisibility;  // 10, before the face font
  std::function<void()> buildSecondHandTable;           // 11
  // After the settings are loaded (step 5), before the clock window is placed.
  std::function<void()> settingsLoaded;

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
  MessageBoxService& messageBoxes;
  TextOverlays& overlays;
  ClockWindowModel& clockWindow;
};

// The plain messages of the panel's own failures: a click on "Start with System" that could not
// change the programs that start with Windows (`ticked`: the box's new state), and a "Home Page"
// that the web browser could not be made to open.
std::wstring startWithSystemFailedMessage(bool ticked);
std::wstring homePageFailedMessage();

class ControlPanelModel {
 public:
  ControlPanelModel(ControlPanelServices services, ControlPanelHooks hooks = {});
  ControlPanelModel(const ControlPanelModel&) = delete;
  ControlPanelModel& operator=(const ControlPanelModel&) = delete;

  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }
  ComponentState& operator[](std::wstring_view component) { return table_[component]; }
  const ComponentState& operator[](std::wstring_view component) const { return table_[component]; }

  // The creation steps in order: font lists, position ranges, channel list, settings (with the
  // click and change actions of the controls they change), clock window placement, frame
  // recolouring, face and weekday/date texts, seconds marks, digits and face font, second hand
  // table, weekday and date placement. Gives the settings load report.
  SettingsLoadReport create();

  // Runs the action of the control a loaded value changed, as the settings load does.
  void settingLoaded(const SettingSpec& setting);
  // Every settings control shows its field of the record.
  void showSettings();
  // After every event: runs `step` (the program's repaint and digital time refresh).
  void addRefreshStep(std::function<void()> step) { refreshSteps_.push_back(std::move(step)); }

  // Shows the window and brings it up; it does not load the settings again.
  void show();
  // The title bar's close box: hides the window and offers to save.
  void onCloseBox();

  // Left and top where the clock window starts on a screen of this size (step 6).
  Point startPosition() const;
  // The ticker's stored settings read into their controls (the ticker window's creation).
  void loadTickerSettings();

 private:
  void bindSettings();
  void registerHandlers();
  void registerOverlayHandlers();
  void beforeHandlers(Component& component, ComponentEvent event);
  // After every event and after the settings load: the refresh steps, then every control shows its field.
  void refreshAfterEvent();
  void showSetting(const SettingSpec& setting);
  void showSetting(std::size_t control, const SettingSpec& setting);
  void setPositionRanges();
  void placeClockWindow();

  // ---- Handlers ----
  enum class Axis { Horizontal, Vertical };
  // A start-up position bar moved: its range again, the marker, the percentage and, with "Check
  // Position" ticked, the clock window.
  void onStartPositionChanged(Axis axis);
  void onCheckPositionClicked();   // "Check Position"
  void onTransparencyOnChanged();  // "Set Transparency"
  void onTransparencyChanged();
  void onStartWithSystemClicked(EventSource source);  // "Start with System"
  void onOpenPlannerClicked();                        // "Open Daily Planner"
  void onHomePageHovered();
  void onHomePageLeft();
  void onHomePageClicked();
  void onPageChanged();
  void showPlainMessage(std::wstring text);

  ControlPanelServices s_;
  ControlPanelHooks hooks_;
  ComponentTable table_;
  std::vector<std::function<void()>> refreshSteps_;
  // The settings control of each component that shows a stored value.
  // The controls bound to a setting, by their place in the table.
  std::vector<std::pair<std::size_t, const SettingSpec*>> bound_;
};

}  // namespace tikora

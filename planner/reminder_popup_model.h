// The reminder popup (`TForm4`) as a model: a borderless window, client 492 x 261, in bold
// 8 pt "MS Sans Serif", that shows a due planner item (number, time, date, title, description),
// may loop the reminder sound "powiadomienie", and deletes the item when it is closed. Its top
// and bottom stripes drag the window; the close picture and the "Close" label close it.
//
// The due test of the second tick is PlannerReminders: at every tick, every item whose date is
// today and whose hour and minute are the tick's is shown, in list order, so the last one due
// stays on show; minutes the ticks skipped are made up for.
//
// The popup remembers which item it shows and closing deletes that very item (when it is still
// in the list), whatever row the planner's list has selected by then.
//
// Colours come from the clock's settings: background `backgroundColour`; number, time, date and "Close"
// in `secondsColour`; the title in `handColour`; the description in `digitColour`. The stripes and the close
// picture show the decorative stripe ("stripe", the view gives them the clock's recoloured copy).
// The popup is centred on the desktop when first shown; that is the view's part.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include "clock/clock_window_model.h"

#include "clock/settings.h"
#include "core/component.h"
#include "planner/planner_items.h"
#include "planner/planner_window_model.h"
#include "planner/reminder_popup_names.h"
#include "platform/locale.h"
#include "platform/sound.h"
#include "platform/text_metrics.h"
#include "timeservices/second_tick.h"

namespace tikora {

inline constexpr int kReminderClientWidth = 492;
inline constexpr int kReminderClientHeight = 261;
inline constexpr std::wstring_view kReminderSound = L"powiadomienie";
inline constexpr std::wstring_view kItemNumberPrefix = L"Item num. ";

// Whether `record` falls due at the tick: its date is the tick's date (times of day ignored) and
// its time read as "hhmm" is the tick's hhmm, so every second of that minute counts.
bool plannerItemDue(const PlannerRecord& record, const TickSample& sample);

// What the popup does to the other windows.
struct ReminderPopupHooks {
  // Ends every sound of the program; empty: the Sound the popup was given stops them.
  std::function<void()> stopAllSounds;
  // The clock window set stay-on-top (until the next second tick decides again).
  std::function<void()> setClockOnTop;
  // "Set Clock Window on Top" (`alwaysOnTop`) unticked in the control panel.
  std::function<void()> untickClockOnTop;
};

struct ReminderPopupServices {
  const Settings& settings;
  Sound& sound;
  const Locale& locale;
  const TextMetrics& metrics;
  PlannerWindowModel& planner;
};

class ReminderPopupModel {
 public:
  explicit ReminderPopupModel(ReminderPopupServices services, ReminderPopupHooks hooks = {});
  ReminderPopupModel(const ReminderPopupModel&) = delete;
  ReminderPopupModel& operator=(const ReminderPopupModel&) = delete;

  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }

  // Shows planner item `index` (0-based): the reminder sound started once, without cutting
  // off a sound that plays; the popup brought to the front; "Set Clock Window on Top" unticked;
  // the texts; the popup shown; the item selected in the planner; the planner hidden.
  void showReminder(int index);
  // The close picture, the "Close" label or the window's close: the item shown is deleted from
  // the planner, the popup leaves stay-on-top, the clock goes on top, every sound stops, and
  // the popup hides.
  void closeReminder();
  // "Open Daily Planner" closes a showing popup first.
  void closeIfShowing();
  bool showing() const;

  // The colours afresh from the settings (the control panel calls it when they change).
  void refreshColours();

  // Whether the reminder sound was started (or skipped because another sound played) since the
  // popup last closed.
  bool reminderSoundFlag() const { return soundFlag_; }
  // The item on show, for as long as it is in the list.
  std::optional<int> shownIndex() const;

 private:
  void bindHandlers();
  void setLabel(std::wstring_view name, std::wstring text);

  ReminderPopupServices s_;
  ReminderPopupHooks hooks_;
  ComponentTable table_;
  bool soundFlag_ = false;
  std::optional<PlannerItemId> shown_;
};

// The planner's part of the second tick: the rows' colours at the tick's time, then every due
// item shown in list order, so that the last one due stays on show. An item is due at every
// tick of its minute (its date and its hour and minute); besides, when a tick finds minutes
// skipped since the one before (the computer slept, the program stalled, the clock was put
// forward), up to a day of them, the items whose minute fell in the gap are due as if their
// minute had come. An item is shown in one minute only: once the clock has left it, forward or
// back, the item is not shown again, so a clock set back repeats no reminder.
class PlannerReminders {
 public:
  PlannerReminders(PlannerWindowModel& planner, ReminderPopupModel& popup) : planner_(planner), popup_(popup) {}

  void tick(const TickSample& sample);

 private:
  PlannerWindowModel& planner_;
  ReminderPopupModel& popup_;
  std::optional<std::int64_t> lastMinute_;       // the minute of the tick before
  std::map<PlannerItemId, std::int64_t> shown_;  // the minute each item was first shown in
};

}  // namespace tikora

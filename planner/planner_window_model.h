// The daily planner window (`TForm3`, "Daily Planner") as a model: the group "Add Items to the
// List " with the execution date and time, the title, the description, "Notify with Sound" and
// "Add to the List"; the group "Items List" with the list of items, "Delete Selected Item",
// "OK" and the colour legend. It owns the item table (PlannerItems) and keeps the list's rows
// in step with it: row k shows record k - 1, its texts and its colour computed from the record
// (never read back from a row), the date in the user's short date format and the time in the
// user's long time format.
//
// Row colours: grey for an item whose moment has passed, red for one later today, blue for one
// on a later day. They follow the clock through refreshRowColours, which the second tick calls.
//
// Bounds are 96-DPI pixels in the window's client area, for every component alike (also for
// those lying in a group box). The window's font is 8 pt "MS Sans Serif"; labels are as wide as
// their measured text. The time picker's text is its display format, "HH:mm"; the edits'
// textLimit is what a record holds (96 and 255).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/component.h"
#include "core/datetime.h"
#include "core/locale_names.h"
#include "planner/planner_items.h"
#include "planner/planner_window_names.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr std::wstring_view kPlannerWindowCaption = L"Daily Planner";
inline constexpr int kPlannerClientWidth = 712;
inline constexpr int kPlannerClientHeight = 530;

inline constexpr Colour kPassedItemColour = 0x808080;    // grey
inline constexpr Colour kTodayItemColour = 0x0000FF;     // red
inline constexpr Colour kLaterDayItemColour = 0xFF0000;  // blue

// The colour of an item's row at `now`: grey once its date and time have passed, else red when
// its date is today and blue for a later day.
Colour plannerRowColour(const PlannerRecord& record, const DateTime& now);
// Row of item `number` (1-based): number, short date, long time, title, description (its line
// breaks shown as blanks), "Yes"/"No".
ListRow plannerRow(int number, const PlannerRecord& record, const LocaleNames& names, const DateTime& now);

struct PlannerWindowServices {
  Registry& registry;
  const AnsiCodePage& codePage;
  const Clock& clock;
  const Locale& locale;
  const TextMetrics& metrics;
  MessageBoxService& messageBoxes;
};

// "Add to the List" when the registry refuses the item (50 underscores).
std::wstring itemNotSavedMessage();

class PlannerWindowModel {
 public:
  explicit PlannerWindowModel(PlannerWindowServices services);
  PlannerWindowModel(const PlannerWindowModel&) = delete;
  PlannerWindowModel& operator=(const PlannerWindowModel&) = delete;

  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }
  const PlannerItems& items() const { return items_; }

  // At program start: the stored items into the table and the list.
  PlannerLoadReport create();

  // The menu's "Daily Planner" and the control panel's "Open Daily Planner": the date picker at
  // today, the time picker at the current hour and minute with seconds 0, the rows afresh (the
  // regional formats may have changed), and the window shown in front.
  void open();
  void hide();
  bool showing() const;

  // "Add to the List": an item from the controls; nothing when the planner holds 100 items. An
  // item the registry refuses stays in the list for this run, and a plain message says so.
  void onAddClicked();
  // "Delete Selected Item": deletes the selected item, if any.
  void onDeleteClicked();
  // "OK": hides the window; the list and the table stay.
  void onOkClicked() { hide(); }
  // A click or a change of selection in the list: "Delete Selected Item" follows whether a row
  // is selected.
  void onSelectionChanged();

  // Deletes item `index` (0-based) from the table, the registry and the list; the selection is
  // cleared and "Delete Selected Item" disabled. False when there is no such item.
  bool deleteItem(int index);
  // Selects row `index` (the reminder shows that item), which enables "Delete Selected Item".
  void selectItem(int index);
  // The selected row, -1 for none.
  int selectedIndex() const;

  // Every row's texts and colour from the table.
  void refreshRows();
  // Only the colours, for the time `now` (called every second, so the rows turn grey as their
  // minute passes).
  void refreshRowColours(const DateTime& now);

 private:
  DateTime now() const;
  void bindHandlers();

  PlannerWindowServices s_;
  PlannerItems items_;
  ComponentTable table_;
};

}  // namespace tikora

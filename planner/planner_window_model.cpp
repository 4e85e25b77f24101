// The daily planner window's model; see planner_window_model.h.
#include "planner/planner_window_model.h"

#include <array>
#include <optional>
#include <utility>

#include "app/startup.h"
#include "core/locale_format.h"

namespace tikora {
namespace {

constexpr std::wstring_view kAddGroup = L"GroupBox1";
constexpr std::wstring_view kListGroup = L"GroupBox2";
constexpr std::wstring_view kDatePicker = L"DateTimePicker1";
constexpr std::wstring_view kTimePicker = L"DateTimePicker2";
constexpr std::wstring_view kTitleEdit = L"Edit1";
constexpr std::wstring_view kDescriptionMemo = L"Memo1";
constexpr std::wstring_view kSoundBox = L"CheckBox1";
constexpr std::wstring_view kAddButton = L"Button1";
constexpr std::wstring_view kDeleteButton = L"Button2";
constexpr std::wstring_view kOkButton = L"Button3";
constexpr std::wstring_view kList = L"ListView1";

const FontSpec kWindowFont{L"MS Sans Serif", 8};

// Components in creation (and tab) order. A width of 0 is the measured width of the caption,
// a height of 0 its line height. The legend stands in the lower left corner of "Items List",
// the buttons in the lower right.
struct Placement {
  std::wstring_view name;
  ComponentKind kind;
  std::wstring_view parent;
  std::wstring_view caption;
  Rect bounds;
  std::uint32_t options = kNoOptions;
  int textLimit = 0;
  std::optional<Colour> colour = {};  // the legend's captions
};

constexpr int kCheckBoxMark = 24;  // the box and its gap before the caption

const std::array<Placement, 20> kLayout{{
    {kAddGroup, ComponentKind::GroupBox, kPlannerWindowName, L"Add Items to the List ", {8, 8, 696, 193}},
    {L"Label1", ComponentKind::Label, kAddGroup, L"Select Execution Date", {20, 28, 0, 0}},
    {kDatePicker, ComponentKind::DatePicker, kAddGroup, L"", {20, 44, 130, 22}},
    {L"Label2", ComponentKind::Label, kAddGroup, L"Select Execution Time", {162, 28, 0, 0}},
    {kTimePicker, ComponentKind::TimePicker, kAddGroup, L"HH:mm", {162, 44, 130, 22}},
    {L"Label3", ComponentKind::Label, kAddGroup, L"Item Title", {304, 28, 0, 0}},
    {kTitleEdit,
     ComponentKind::Edit,
     kAddGroup,
     L"",
     {304, 44, 388, 22},
     kNoOptions,
     static_cast<int>(kPlannerTitleBytes)},
    {L"Label4", ComponentKind::Label, kAddGroup, L"Item Description", {20, 76, 0, 0}},
    {kDescriptionMemo,
     ComponentKind::Memo,
     kAddGroup,
     L"",
     {20, 92, 672, 62},
     kNoOptions,
     static_cast<int>(kPlannerDescriptionBytes)},
    {kSoundBox, ComponentKind::CheckBox, kAddGroup, L"Notify with Sound", {20, 168, 0, 17}},
    {kAddButton, ComponentKind::Button, kAddGroup, L"Add to the List", {572, 164, 120, 25}},
    {kListGroup, ComponentKind::GroupBox, kPlannerWindowName, L"Items List", {8, 209, 696, 313}},
    {kList, ComponentKind::ListView, kListGroup, L"", {20, 229, 672, 210}, kGridLines},
    {kDeleteButton, ComponentKind::Button, kListGroup, L"Delete Selected Item", {457, 485, 140, 25}},
    {kOkButton, ComponentKind::Button, kListGroup, L"OK", {617, 485, 75, 25}},
    {L"Label5", ComponentKind::Label, kListGroup, L"Item Color Meaning :", {20, 449, 0, 0}},
    {L"Label6",
     ComponentKind::Label,
     kListGroup,
     L"Item Activity Passed",
     {32, 465, 0, 0},
     kNoOptions,
     0,
     kPassedItemColour},
    {L"Label7",
     ComponentKind::Label,
     kListGroup,
     L"Item Active Execution later Today",
     {32, 481, 0, 0},
     kNoOptions,
     0,
     kTodayItemColour},
    {L"Label8",
     ComponentKind::Label,
     kListGroup,
     L"Item Active Execution in Future Days",
     {32, 497, 0, 0},
     kNoOptions,
     0,
     kLaterDayItemColour},
    {kPlannerWindowName,
     ComponentKind::Window,
     L"",
     kPlannerWindowCaption,
     {0, 0, kPlannerClientWidth, kPlannerClientHeight},
     kCentred},
}};

const std::array<ListColumn, 6> kColumns{{
    {L"Item", 40},
    {L"Date", 80},
    {L"Time", 70},
    {L"Title", 130},
    {L"Description  [ What to Do ]", 280},
    {L"Sound", 50},
}};

std::vector<Component> plannerComponents(const TextMetrics& metrics) {
  std::vector<Component> components;
  for (const Placement& place : kLayout) {
    Component made = makeComponent(std::wstring(place.name), place.kind, std::wstring(place.parent));
    made.options = place.options;
    ComponentState& state = made.state;
    state.text = std::wstring(place.caption);
    state.bounds = place.bounds;
    state.textLimit = place.textLimit;
    const TextSize measured = metrics.measure(place.caption, kWindowFont);
    if (place.kind == ComponentKind::Label) {
      state.bounds.width = measured.width;
      state.bounds.height = measured.height;
      state.textColour = place.colour;
    }
    if (place.kind == ComponentKind::CheckBox) state.bounds.width = kCheckBoxMark + measured.width;
    components.push_back(std::move(made));
  }
  return components;
}

// A list cell holds one line: every line break (CR LF, or a CR or LF alone) shows as a blank.
std::wstring oneLine(const std::wstring& text) {
  std::wstring line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    line.push_back(c == L'\r' || c == L'\n' ? L' ' : c);
  }
  return line;
}

}  // namespace

Colour plannerRowColour(const PlannerRecord& record, const DateTime& now) {
  if (DateTime::combine(record.date, record.time) < now) return kPassedItemColour;
  return sameDate(record.date, now) ? kTodayItemColour : kLaterDayItemColour;
}

std::wstring itemNotSavedMessage() {
  return L" This item could not be saved in the registry.\r"
         L"   It stays in the list while Tikora runs, and is\r"
         L"   saved with the next change that can be saved.\r" +
         std::wstring(50, L'_');
}

ListRow plannerRow(int number, const PlannerRecord& record, const LocaleNames& names, const DateTime& now) {
  ListRow row;
  row.cells = {std::to_wstring(number), shortDateText(record.date, names), longTimeText(record.time, names),
               oneLine(record.title),   oneLine(record.description),       record.sound ? L"Yes" : L"No"};
  row.textColour = plannerRowColour(record, now);
  return row;
}

PlannerWindowModel::PlannerWindowModel(PlannerWindowServices services)
    : s_(services), items_(services.registry, services.codePage), table_(plannerComponents(services.metrics)) {
  ComponentState& window = table_[kPlannerWindowName];
  window.visible = false;
  window.font = kWindowFont;
  table_[kList].columns.assign(kColumns.begin(), kColumns.end());
  table_[kDeleteButton].enabled = false;
  // Enter adds the item being typed (a focused button takes Enter itself).
  table_[kAddButton].isDefault = true;
  bindHandlers();
}

void PlannerWindowModel::bindHandlers() {
  table_.on(kAddButton, ComponentEvent::Click, [this] { Button1Click(); });
  table_.on(kDeleteButton, ComponentEvent::Click, [this] { Button2Click(); });
  table_.on(kOkButton, ComponentEvent::Click, [this] { Button3Click(); });
  table_.on(kList, ComponentEvent::Click, [this] { ListView1Change(); });
  table_.on(kList, ComponentEvent::Change, [this] { ListView1Change(); });
  // Closing the window only hides it.
  table_.on(kPlannerWindowName, ComponentEvent::Close, [this] { hide(); });
}

DateTime PlannerWindowModel::now() const { return DateTime::fromCivil(s_.clock.now()).value_or(DateTime{}); }

PlannerLoadReport PlannerWindowModel::FormCreate() {
  const PlannerLoadReport report = items_.load();
  table_[kList].selected = -1;
  table_[kDeleteButton].enabled = false;
  refreshRows();
  return report;
}

void PlannerWindowModel::open() {
  const LocalTime current = s_.clock.now();
  table_[kDatePicker].value = DateTime::fromCivil(current).value_or(DateTime{});
  table_[kTimePicker].value = DateTime::fromTime(current.hour, current.minute, 0).value_or(DateTime{});
  refreshRows();
  ComponentState& window = table_[kPlannerWindowName];
  window.visible = true;
  ++window.raised;
}

void PlannerWindowModel::hide() { table_[kPlannerWindowName].visible = false; }

bool PlannerWindowModel::showing() const { return table_[kPlannerWindowName].visible; }

void PlannerWindowModel::Button1Click() {
  if (items_.full()) return;
  PlannerRecord record;
  record.date = table_[kDatePicker].value;
  record.time = table_[kTimePicker].value.timePart();
  record.title = table_[kTitleEdit].text;
  record.description = table_[kDescriptionMemo].text;
  record.sound = table_[kSoundBox].checked;
  const PlannerAddResult added = items_.add(record);
  refreshRows();
  if (added == PlannerAddResult::AddedForThisRunOnly)
    (void)s_.messageBoxes.show(plainMessageBox(itemNotSavedMessage(), nativeWindow));
}

void PlannerWindowModel::Button2Click() {
  const int selected = selectedIndex();
  if (selected >= 0) deleteItem(selected);
}

void PlannerWindowModel::ListView1Change() { table_[kDeleteButton].enabled = selectedIndex() >= 0; }

int PlannerWindowModel::selectedIndex() const {
  const int selected = table_[kList].selected;
  return selected >= 0 && selected < items_.count() ? selected : -1;
}

bool PlannerWindowModel::deleteItem(int index) {
  if (!items_.remove(index)) return false;
  table_[kList].selected = -1;
  table_[kDeleteButton].enabled = false;
  refreshRows();
  return true;
}

void PlannerWindowModel::selectItem(int index) {
  if (index < 0 || index >= items_.count()) return;
  table_[kList].selected = index;
  table_[kDeleteButton].enabled = true;
}

void PlannerWindowModel::refreshRows() {
  const LocaleNames names = s_.locale.names();
  const DateTime at = now();
  std::vector<ListRow> rows;
  rows.reserve(static_cast<std::size_t>(items_.count()));
  for (int index = 0; index < items_.count(); ++index)
    rows.push_back(plannerRow(index + 1, items_.record(index), names, at));
  table_[kList].rows = std::move(rows);
}

void PlannerWindowModel::refreshRowColours(const DateTime& at) {
  std::vector<ListRow>& rows = table_[kList].rows;
  for (std::size_t index = 0; index < rows.size() && index < items_.records().size(); ++index)
    rows[index].textColour = plannerRowColour(items_.records()[index], at);
}

}  // namespace tikora

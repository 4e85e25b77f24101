// The daily planner window's model; see planner_window_model.h.
#include "planner/planner_window_model.h"

#include <array>
#include <optional>
#include <utility>

#include "clock/program_identity.h"
#include "core/locale_format.h"
#include "planner/planner_window_names.h"

namespace tikora {
namespace {

const FontSpec kWindowFont{L"MS Sans Serif", 8};

// Components in creation (and tab) order. A width of 0 is the measured width of the caption,
// a height of 0 its line height. The legend stands in the lower left corner of "Items List",
// the buttons in the lower right.
constexpr int kCheckBoxMark = 24;  // the box and its gap before the caption

using K = ComponentKind;
constexpr std::wstring_view kAdd = kAddItemGroup, kList = kItemListGroup;
const std::array<ComponentRow, 20> kLayout{{
    {.name = kAddItemGroup,
     .kind = K::GroupBox,
     .parent = kPlannerWindowName,
     .bounds = {8, 8, 696, 193},
     .text = L"Add Items to the List "},
    {.name = kItemDateLabel,
     .kind = K::Label,
     .parent = kAdd,
     .bounds = {20, 28, 0, 0},
     .text = L"Select Execution Date"},
    {.name = kItemDatePicker, .kind = K::DatePicker, .parent = kAdd, .bounds = {20, 44, 130, 22}},
    {.name = kItemTimeLabel,
     .kind = K::Label,
     .parent = kAdd,
     .bounds = {162, 28, 0, 0},
     .text = L"Select Execution Time"},
    {.name = kItemTimePicker, .kind = K::TimePicker, .parent = kAdd, .bounds = {162, 44, 130, 22}, .text = L"HH:mm"},
    {.name = kItemTitleLabel, .kind = K::Label, .parent = kAdd, .bounds = {304, 28, 0, 0}, .text = L"Item Title"},
    {.name = kItemTitleEdit,
     .kind = K::Edit,
     .parent = kAdd,
     .bounds = {304, 44, 388, 22},
     .textLimit = static_cast<int>(kPlannerTitleBytes)},
    {.name = kItemDescriptionLabel,
     .kind = K::Label,
     .parent = kAdd,
     .bounds = {20, 76, 0, 0},
     .text = L"Item Description"},
    {.name = kItemDescriptionMemo,
     .kind = K::Memo,
     .parent = kAdd,
     .bounds = {20, 92, 672, 62},
     .textLimit = static_cast<int>(kPlannerDescriptionBytes)},
    {.name = kItemSoundBox,
     .kind = K::CheckBox,
     .parent = kAdd,
     .bounds = {20, 168, 0, 17},
     .text = L"Notify with Sound"},
    {.name = kAddItemButton,
     .kind = K::Button,
     .parent = kAdd,
     .bounds = {572, 164, 120, 25},
     .text = L"Add to the List"},
    {.name = kItemListGroup,
     .kind = K::GroupBox,
     .parent = kPlannerWindowName,
     .bounds = {8, 209, 696, 313},
     .text = L"Items List"},
    {.name = kItemList, .kind = K::ListView, .parent = kList, .bounds = {20, 229, 672, 210}, .options = kGridLines},
    {.name = kDeleteItemButton,
     .kind = K::Button,
     .parent = kList,
     .bounds = {457, 485, 140, 25},
     .text = L"Delete Selected Item"},
    {.name = kPlannerOkButton, .kind = K::Button, .parent = kList, .bounds = {617, 485, 75, 25}, .text = L"OK"},
    {.name = kColourMeaningLabel,
     .kind = K::Label,
     .parent = kList,
     .bounds = {20, 449, 0, 0},
     .text = L"Item Color Meaning :"},
    // The legend's captions in the colours of the rows they explain.
    {.name = kPassedItemLabel,
     .kind = K::Label,
     .parent = kList,
     .bounds = {32, 465, 0, 0},
     .text = L"Item Activity Passed",
     .textColour = kPassedItemColour},
    {.name = kLaterTodayItemLabel,
     .kind = K::Label,
     .parent = kList,
     .bounds = {32, 481, 0, 0},
     .text = L"Item Active Execution later Today",
     .textColour = kTodayItemColour},
    {.name = kFutureItemLabel,
     .kind = K::Label,
     .parent = kList,
     .bounds = {32, 497, 0, 0},
     .text = L"Item Active Execution in Future Days",
     .textColour = kLaterDayItemColour},
    {.name = kPlannerWindowName,
     .kind = K::Window,
     .bounds = {0, 0, kPlannerClientWidth, kPlannerClientHeight},
     .options = kCentred,
     .text = kPlannerWindowCaption},
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
  for (const ComponentRow& row : kLayout) {
    Component made = makeComponent(row);
    Rect& bounds = made.state.bounds;
    const TextSize measured = metrics.measure(row.text, kWindowFont);
    if (row.kind == ComponentKind::Label) bounds.width = measured.width, bounds.height = measured.height;
    if (row.kind == ComponentKind::CheckBox) bounds.width = kCheckBoxMark + measured.width;
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
  table_[kItemList].columns.assign(kColumns.begin(), kColumns.end());
  table_.component(kItemList).spokenName = table_[kItemListGroup].text;
  table_[kDeleteItemButton].enabled = false;
  // Enter adds the item being typed (a focused button takes Enter itself).
  table_[kAddItemButton].isDefault = true;
  bindHandlers();
}

void PlannerWindowModel::bindHandlers() {
  table_.on(kAddItemButton, ComponentEvent::Click, [this] { onAddClicked(); });
  table_.on(kDeleteItemButton, ComponentEvent::Click, [this] { onDeleteClicked(); });
  table_.on(kPlannerOkButton, ComponentEvent::Click, [this] { onOkClicked(); });
  table_.on(kItemList, ComponentEvent::Click, [this] { onSelectionChanged(); });
  table_.on(kItemList, ComponentEvent::Change, [this] { onSelectionChanged(); });
  // Closing the window only hides it.
  table_.on(kPlannerWindowName, ComponentEvent::Close, [this] { hide(); });
}

DateTime PlannerWindowModel::now() const { return DateTime::fromCivil(s_.clock.now()).value_or(DateTime{}); }

PlannerLoadReport PlannerWindowModel::create() {
  const PlannerLoadReport report = items_.load();
  table_[kItemList].selected = -1;
  table_[kDeleteItemButton].enabled = false;
  refreshRows();
  return report;
}

void PlannerWindowModel::open() {
  const LocalTime current = s_.clock.now();
  table_[kItemDatePicker].value = DateTime::fromCivil(current).value_or(DateTime{});
  table_[kItemTimePicker].value = DateTime::fromTime(current.hour, current.minute, 0).value_or(DateTime{});
  refreshRows();
  ComponentState& window = table_[kPlannerWindowName];
  window.visible = true;
  ++window.raised;
}

void PlannerWindowModel::hide() { table_[kPlannerWindowName].visible = false; }

bool PlannerWindowModel::showing() const { return table_[kPlannerWindowName].visible; }

void PlannerWindowModel::onAddClicked() {
  if (items_.full()) return;
  PlannerRecord record;
  record.date = table_[kItemDatePicker].value;
  record.time = table_[kItemTimePicker].value.timePart();
  record.title = table_[kItemTitleEdit].text;
  record.description = table_[kItemDescriptionMemo].text;
  record.sound = table_[kItemSoundBox].checked;
  const PlannerAddResult added = items_.add(record);
  refreshRows();
  if (added == PlannerAddResult::AddedForThisRunOnly)
    (void)s_.messageBoxes.show(plainMessageBox(itemNotSavedMessage(), kPlannerWindowName));
}

void PlannerWindowModel::onDeleteClicked() {
  const int selected = selectedIndex();
  if (selected >= 0) deleteItem(selected);
}

void PlannerWindowModel::onSelectionChanged() { table_[kDeleteItemButton].enabled = selectedIndex() >= 0; }

int PlannerWindowModel::selectedIndex() const {
  const int selected = table_[kItemList].selected;
  return selected >= 0 && selected < items_.count() ? selected : -1;
}

bool PlannerWindowModel::deleteItem(int index) {
  if (!items_.remove(index)) return false;
  table_[kItemList].selected = -1;
  table_[kDeleteItemButton].enabled = false;
  refreshRows();
  return true;
}

void PlannerWindowModel::selectItem(int index) {
  if (index < 0 || index >= items_.count()) return;
  table_[kItemList].selected = index;
  table_[kDeleteItemButton].enabled = true;
}

void PlannerWindowModel::refreshRows() {
  const LocaleNames& names = s_.locale.names();
  const DateTime at = now();
  std::vector<ListRow> rows;
  rows.reserve(static_cast<std::size_t>(items_.count()));
  for (int index = 0; index < items_.count(); ++index)
    rows.push_back(plannerRow(index + 1, items_.record(index), names, at));
  table_[kItemList].rows = std::move(rows);
}

void PlannerWindowModel::refreshRowColours(const DateTime& at) {
  std::vector<ListRow>& rows = table_[kItemList].rows;
  for (std::size_t index = 0; index < rows.size() && index < items_.records().size(); ++index)
    rows[index].textColour = plannerRowColour(items_.records()[index], at);
}

}  // namespace tikora

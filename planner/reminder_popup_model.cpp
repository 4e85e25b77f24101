// The reminder popup's model; see reminder_popup_model.h.
#include "planner/reminder_popup_model.h"

#include <array>
#include <utility>

#include "core/locale_format.h"
#include "planner/reminder_popup_names.h"
#include "timeservices/context.h"

namespace tikora {
namespace {

constexpr int kStripeHeight = 9;
constexpr int kTitleWidth = 385;
constexpr int kDescriptionWidth = 441;
constexpr Rect kClosePictureBounds{379, 210, 75, 25};

const FontSpec kPopupFont{L"MS Sans Serif", 8, true};

// Components in creation order, bottom to top. A width or height of 0 is the measured size of
// the text; the title and description wrap within their boxes, above the close picture.
using K = ComponentKind;
constexpr std::wstring_view kOn = kReminderWindowName;
constexpr std::array<ComponentRow, 10> kLayout{{
    {.name = kReminderTopStripe,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = {0, 0, kReminderClientWidth, kStripeHeight},
     .options = kStretch | kDragsWindow,
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Drag},
    {.name = kReminderBottomStripe,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = {0, kReminderClientHeight - kStripeHeight, kReminderClientWidth, kStripeHeight},
     .options = kStretch | kDragsWindow,
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Drag},
    {.name = kReminderNumberLabel, .kind = K::Label, .parent = kOn, .bounds = {8, 15, 0, 0}},
    {.name = kReminderTimeLabel, .kind = K::Label, .parent = kOn, .bounds = {333, 15, 0, 0}},
    {.name = kReminderDateLabel, .kind = K::Label, .parent = kOn, .bounds = {415, 15, 0, 0}},
    {.name = kReminderTitleLabel,
     .kind = K::Label,
     .parent = kOn,
     .bounds = {72, 49, kTitleWidth, 60},
     .options = kWordWrap},
    {.name = kReminderDescriptionLabel,
     .kind = K::Label,
     .parent = kOn,
     .bounds = {16, 114, kDescriptionWidth, 92},
     .options = kWordWrap},
    {.name = kReminderClosePicture,
     .kind = K::Picture,
     .parent = kOn,
     .bounds = kClosePictureBounds,
     .options = kStretch,
     .text = L"Close the reminder",  // what a screen reader calls it; "Close" is its caption
     .picture = kDecorativeStripePicture,
     .pointer = PointerShape::Hand},
    {.name = kReminderCloseLabel,
     .kind = K::Label,
     .parent = kOn,
     .bounds = {kClosePictureBounds.left + 23, kClosePictureBounds.top + 5, 0, 0},
     .options = kOverPrevious | kTransparent,
     .pointer = PointerShape::Hand},
    {.name = kReminderWindowName,
     .kind = K::Window,
     .bounds = {0, 0, kReminderClientWidth, kReminderClientHeight},
     .options = kBorderless | kCentred},
}};

std::vector<Component> popupComponents() { return makeComponents(kLayout); }

constexpr std::int64_t kMinutesPerDay = 24 * 60;

// Minutes since 30 December 1899, the seconds left out.
std::int64_t minuteNumber(const DateTime& at) {
  const CivilTime civil = at.civil();
  return at.dateSerial() * kMinutesPerDay + civil.hour * 60 + civil.minute;
}

int hhmmOf(const DateTime& time) {
  const CivilTime civil = time.civil();
  return civil.hour * 100 + civil.minute;
}

}  // namespace

bool plannerItemDue(const PlannerRecord& record, const TickSample& sample) {
  const auto today = DateTime::fromDate(sample.time.year, sample.time.month, sample.time.day);
  if (!today || !sameDate(record.date, *today)) return false;
  const int now = readWholeNumber(sample.hhmm).value_or(sample.hour * 100 + sample.minute);
  return hhmmOf(record.time) == now;
}

ReminderPopupModel::ReminderPopupModel(ReminderPopupServices services, ReminderPopupHooks hooks)
    : s_(services), hooks_(std::move(hooks)), table_(popupComponents()) {
  ComponentState& window = table_[kReminderWindowName];
  window.visible = false;
  window.font = kPopupFont;
  setLabel(kReminderCloseLabel, L"Close");
  refreshColours();
  bindHandlers();
}

void ReminderPopupModel::bindHandlers() {
  table_.on(kReminderClosePicture, ComponentEvent::Click, [this] { closeReminder(); });
  table_.on(kReminderCloseLabel, ComponentEvent::Click, [this] { closeReminder(); });
  table_.on(kReminderWindowName, ComponentEvent::Close, [this] { closeReminder(); });
}

void ReminderPopupModel::setLabel(std::wstring_view name, std::wstring text) {
  ComponentState& label = table_[name];
  const TextSize size = s_.metrics.measure(text, kPopupFont);
  label.bounds.width = size.width;
  label.bounds.height = size.height;
  label.text = std::move(text);
}

void ReminderPopupModel::refreshColours() {
  const Settings& s = s_.settings;
  table_[kReminderWindowName].background = s.backgroundColour;
  for (const auto name : {kReminderNumberLabel, kReminderTimeLabel, kReminderDateLabel}) {
    table_[name].textColour = s.secondsColour;
    table_[name].background = s.backgroundColour;
  }
  table_[kReminderCloseLabel].textColour = s.secondsColour;
  table_[kReminderTitleLabel].textColour = s.handColour;
  table_[kReminderTitleLabel].background = s.backgroundColour;
  table_[kReminderDescriptionLabel].textColour = s.digitColour;
  table_[kReminderDescriptionLabel].background = s.backgroundColour;
}

void ReminderPopupModel::showReminder(int index) {
  PlannerWindowModel& planner = s_.planner;
  if (index < 0 || index >= planner.items().count()) return;
  const PlannerRecord& record = planner.items().record(index);

  // 1. The looping sound, once per popup, never cutting off a sound that plays (a chime): then
  // it is skipped and counts as started all the same.
  if (record.sound && !soundFlag_) {
    (void)s_.sound.playAsyncNoStop(kReminderSound, SoundRepeat::Looped);
    soundFlag_ = true;
  }
  // 2. In front of the other windows.
  ComponentState& window = table_[kReminderWindowName];
  ++window.raised;
  // 3. The clock window no longer stays on top from the next tick on.
  if (hooks_.untickClockOnTop) hooks_.untickClockOnTop();
  // 4. The texts.
  const LocaleNames& names = s_.locale.names();
  setLabel(kReminderNumberLabel, std::wstring(kItemNumberPrefix) + std::to_wstring(index + 1));
  setLabel(kReminderTimeLabel, longTimeText(record.time, names));
  setLabel(kReminderDateLabel, shortDateText(record.date, names));
  window.text = record.title;
  table_[kReminderTitleLabel].text = record.title;
  table_[kReminderDescriptionLabel].text = record.description;
  table_[kReminderTitleLabel].bounds.width = kTitleWidth;
  table_[kReminderDescriptionLabel].bounds.width = kDescriptionWidth;
  shown_ = planner.items().idOf(index);
  // 5 to 7.
  window.visible = true;
  planner.selectItem(index);
  if (planner.showing()) planner.hide();
}

void ReminderPopupModel::closeReminder() {
  if (const auto index = shownIndex()) s_.planner.deleteItem(*index);
  shown_.reset();
  table_[kReminderWindowName].onTop = false;
  if (hooks_.setClockOnTop) hooks_.setClockOnTop();
  if (hooks_.stopAllSounds)
    hooks_.stopAllSounds();
  else
    s_.sound.stopAll();
  soundFlag_ = false;
  table_[kReminderWindowName].visible = false;
}

void ReminderPopupModel::closeIfShowing() {
  if (showing()) closeReminder();
}

bool ReminderPopupModel::showing() const { return table_[kReminderWindowName].visible; }

std::optional<int> ReminderPopupModel::shownIndex() const {
  if (!shown_) return std::nullopt;
  return s_.planner.items().indexOf(*shown_);
}

void PlannerReminders::tick(const TickSample& sample) {
  const auto now = DateTime::fromCivil(sample.time);
  if (!now) return;
  planner_.refreshRowColours(*now);
  const std::int64_t minute = minuteNumber(*now);
  // The minutes between the tick before and this one were skipped, if the clock went forward by
  // a day at most.
  const std::int64_t forward = lastMinute_ ? minute - *lastMinute_ : 0;
  const bool skipped = forward > 1 && forward <= kMinutesPerDay;
  const bool sameMinute = lastMinute_ == minute;
  const PlannerItems& items = planner_.items();
  for (int index = 0; index < items.count(); ++index) {
    const PlannerRecord& record = items.record(index);
    const std::int64_t itemMinute = minuteNumber(DateTime::combine(record.date, record.time));
    const bool due = plannerItemDue(record, sample) || (skipped && itemMinute > *lastMinute_ && itemMinute < minute);
    if (!due) continue;
    const auto [shown, first] = shown_.try_emplace(items.idOf(index), minute);
    // Shown again at the later ticks of the minute it was first shown in, never once the
    // clock has left that minute.
    if (!first && !(sameMinute && shown->second == minute)) continue;
    popup_.showReminder(index);
  }
  std::erase_if(shown_, [&](const auto& entry) { return !items.indexOf(entry.first); });
  lastMinute_ = minute;
}

}  // namespace tikora

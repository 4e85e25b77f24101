// The planner's item table and its registry copy; see planner_items.h.
#include "planner/planner_items.h"

#include <algorithm>
#include <utility>

namespace tikora {

std::wstring plannerValueName(int index) { return L"Lista" + std::to_wstring(index); }

PlannerItems::PlannerItems(Registry& registry, const AnsiCodePage& codePage)
    : store_(registry, {kPlannerKey, kPlannerCountValue, L"Lista"}), codePage_(codePage) {}

void PlannerItems::append(PlannerRecord record) {
  records_.push_back(std::move(record));
  ids_.push_back(nextId_++);
}

std::optional<int> PlannerItems::indexOf(PlannerItemId id) const {
  const auto found = std::find(ids_.begin(), ids_.end(), id);
  if (found == ids_.end()) return std::nullopt;
  return static_cast<int>(found - ids_.begin());
}

PlannerLoadReport PlannerItems::load() {
  records_.clear();
  ids_.clear();
  PlannerLoadReport report;
  const StoredRecords stored = store_.load(kPlannerCapacity, kPlannerRecordSize);
  for (const std::vector<std::uint8_t>& bytes : stored.records) {
    const auto record = decodePlannerRecord(bytes, codePage_);
    if (!record) break;
    append(*record);
  }
  if (stored.stoppedEarly || count() < static_cast<int>(stored.records.size())) report.unreadable = count();
  report.loaded = count();
  return report;
}

PlannerAddResult PlannerItems::add(const PlannerRecord& record) {
  if (full()) return PlannerAddResult::Full;
  append(asStored(record, codePage_));
  return store(records_.size() - 1) ? PlannerAddResult::Added : PlannerAddResult::AddedForThisRunOnly;
}

bool PlannerItems::remove(int index) {
  if (index < 0 || index >= count()) return false;
  records_.erase(records_.begin() + index);
  ids_.erase(ids_.begin() + index);
  (void)store(static_cast<std::size_t>(index));
  return true;
}

bool PlannerItems::store(std::size_t changedFrom) {
  return store_.store(records_.size(), changedFrom, [this](std::size_t index) {
    const PlannerRecordBytes bytes = encodePlannerRecord(records_[index], codePage_);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  });
}

}  // namespace tikora

// The planner's item table and its registry copy; see planner_items.h.
#include "planner/planner_items.h"

#include <algorithm>
#include <cwctype>
#include <utility>

namespace tikora {
namespace {

std::wstring folded(std::wstring_view name) {
  std::wstring out(name);
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return out;
}

// Whether a value of the key belongs to a table of `count` items.
bool keptValue(std::wstring_view name, int count) {
  const std::wstring lower = folded(name);
  if (lower == kPlannerCountValue) return true;
  for (int index = 0; index < count; ++index)
    if (lower == folded(plannerValueName(index))) return true;
  return false;
}

}  // namespace

std::wstring plannerValueName(int index) { return L"Lista" + std::to_wstring(index); }

PlannerItems::PlannerItems(Registry& registry, const AnsiCodePage& codePage)
    : registry_(registry), codePage_(codePage) {}

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
  inStep_ = true;
  PlannerLoadReport report;
  if (!registry_.keyExists(kPlannerKey)) return report;
  auto key = registry_.openKey(kPlannerKey, KeyAccess::Read);
  if (!key) return report;
  const auto last = (*key)->readDword(kPlannerCountValue);
  if (!last) return report;
  // Stored as a signed count less one: an empty table that kept its key reads as -1.
  const auto lastIndex = static_cast<std::int32_t>(*last);
  for (int index = 0; index <= lastIndex && index < kPlannerCapacity; ++index) {
    const auto bytes = (*key)->readBinary(plannerValueName(index), kPlannerRecordSize);
    const auto record = bytes ? decodePlannerRecord(*bytes, codePage_) : std::nullopt;
    if (!record) {
      report.unreadable = index;
      break;
    }
    append(*record);
  }
  report.loaded = count();
  return report;
}

PlannerAddResult PlannerItems::add(const PlannerRecord& record) {
  if (full()) return PlannerAddResult::Full;
  append(asStored(record, codePage_));
  const std::size_t first = inStep_ ? records_.size() - 1 : 0;
  return store(first, false) ? PlannerAddResult::Added : PlannerAddResult::AddedForThisRunOnly;
}

bool PlannerItems::remove(int index) {
  if (index < 0 || index >= count()) return false;
  records_.erase(records_.begin() + index);
  ids_.erase(ids_.begin() + index);
  store(inStep_ ? static_cast<std::size_t>(index) : 0, true);
  return true;
}

bool PlannerItems::store(std::size_t first, bool prune) {
  inStep_ = false;
  if (records_.empty()) {
    if (registry_.keyExists(kPlannerKey) && !registry_.deleteKeyTree(kPlannerKey)) return false;
    inStep_ = true;
    return true;
  }
  auto key = registry_.createKey(kPlannerKey);
  if (!key) return false;
  // The records before `lista_n`: a store cut short leaves a copy of an item at worst, never a
  // count that reaches past the items written.
  for (std::size_t index = first; index < records_.size(); ++index) {
    const PlannerRecordBytes bytes = encodePlannerRecord(records_[index], codePage_);
    if (!(*key)->writeBinary(plannerValueName(static_cast<int>(index)), bytes)) return false;
  }
  if (!(*key)->writeDword(kPlannerCountValue, static_cast<std::uint32_t>(records_.size() - 1)))
    return false;
  if (prune) prunePastEnd(**key);
  inStep_ = true;
  return true;
}

void PlannerItems::prunePastEnd(RegistryKey& key) {
  // Values past the end are never read; deleting them only tidies the key, so a failure here
  // is let go.
  const auto names = key.valueNames();
  if (!names) {
    for (int index = count(); index < kPlannerCapacity; ++index)
      (void)key.deleteValue(plannerValueName(index));
    return;
  }
  for (const std::wstring& name : *names)
    if (!keptValue(name, count())) (void)key.deleteValue(name);
}

}  // namespace tikora

// Records kept in one registry key; see registry_record_list.h.
#include "clock/registry_record_list.h"

#include <algorithm>
#include <cwctype>

namespace tikora {
namespace {

// The most records any list keeps; values past it are never read.
constexpr std::size_t kMostRecords = 100;

std::wstring folded(std::wstring_view name) {
  std::wstring out(name);
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return out;
}

}  // namespace

std::wstring RegistryRecordList::valueName(int index) const {
  return std::wstring(key_.valuePrefix) + std::to_wstring(index);
}

StoredRecords RegistryRecordList::load(int capacity, std::size_t recordSize) const {
  StoredRecords stored;
  if (!registry_.keyExists(key_.path)) return stored;
  auto key = registry_.openKey(key_.path, KeyAccess::Read);
  if (!key) return stored;
  const auto last = (*key)->readDword(key_.countValue);
  if (!last) return stored;
  // Stored as a signed count less one: an empty list that kept its key reads as -1.
  const auto lastIndex = static_cast<std::int32_t>(*last);
  for (int index = 0; index <= lastIndex && index < capacity; ++index) {
    auto bytes = (*key)->readBinary(valueName(index), recordSize);
    if (!bytes) {
      stored.stoppedEarly = true;
      break;
    }
    stored.records.push_back(std::move(*bytes));
  }
  return stored;
}

bool RegistryRecordList::store(std::size_t count, std::size_t changedFrom,
                               const std::function<std::vector<std::uint8_t>(std::size_t index)>& recordBytes) {
  const std::size_t first = inStep_ ? changedFrom : 0;
  inStep_ = false;
  if (count == 0) {
    if (registry_.keyExists(key_.path) && !registry_.deleteKeyTree(key_.path)) return false;
    inStep_ = true;
    return true;
  }
  auto key = registry_.createKey(key_.path);
  if (!key) return false;
  // The records before the count: a store cut short leaves a copy of a record at worst, never
  // a count that reaches past the records written.
  for (std::size_t index = first; index < count; ++index) {
    const std::vector<std::uint8_t> bytes = recordBytes(index);
    if (!(*key)->writeBinary(valueName(static_cast<int>(index)), bytes)) return false;
  }
  if (!(*key)->writeDword(key_.countValue, static_cast<std::uint32_t>(count - 1))) return false;
  inStep_ = clearPastEnd(**key, count);
  return inStep_;
}

bool RegistryRecordList::clearPastEnd(RegistryKey& key, std::size_t count) {
  const auto names = key.valueNames();
  if (!names) {
    // Not listed: the records past the end by their names, most of which are not there.
    for (std::size_t index = count; index < kMostRecords; ++index)
      (void)key.deleteValue(valueName(static_cast<int>(index)));
    return true;
  }
  bool cleared = true;
  // Every value but the count and the records of the list.
  const std::wstring countName = folded(key_.countValue);
  std::vector<std::wstring> kept{countName};
  for (std::size_t index = 0; index < count; ++index) kept.push_back(folded(valueName(static_cast<int>(index))));
  for (const std::wstring& name : *names) {
    if (std::find(kept.begin(), kept.end(), folded(name)) != kept.end()) continue;
    cleared = key.deleteValue(name).ok() && cleared;
  }
  return cleared;
}

}  // namespace tikora

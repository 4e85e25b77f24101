// A list of fixed-size records kept in one registry key of the current user: a REG_DWORD that
// holds the index of the last record (the count less one) and one REG_BINARY value per record,
// named by a prefix and the index in decimal ("Lista0", "Lista_3"). An empty list is no key at
// all. The planner's items and the RSS channels are kept this way.
//
// A store never leaves a moment where a record the list holds is missing from the key: the
// records that changed are written first, then the count, and only then are the values past
// the new end deleted (the key itself only when the list is empty). A write that fails stops
// the store there, so the key may still hold a record the list no longer has, never less than
// the list. The next store then writes the whole list again and clears what lies past its end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tikora {

struct RecordListKey {
  std::wstring_view path;         // relative to HKEY_CURRENT_USER
  std::wstring_view countValue;   // the index of the last record
  std::wstring_view valuePrefix;  // followed by the record's index
};

struct StoredRecords {
  std::vector<std::vector<std::uint8_t>> records;  // index 0 on, as long as they could be read
  bool stoppedEarly = false;                       // a record the count promised could not be read
};

class RegistryRecordList {
 public:
  RegistryRecordList(Registry& registry, RecordListKey key) : registry_(registry), key_(key) {}

  std::wstring valueName(int index) const;

  // The stored records: nothing when the key or the count cannot be read; otherwise records 0
  // to the count's index, no more than `capacity`, up to the first that is missing or not
  // `recordSize` bytes long.
  StoredRecords load(int capacity, std::size_t recordSize) const;

  // Makes the key hold the list of `count` records whose bytes `recordBytes` gives: records
  // `changedFrom` .. count - 1 (every one when the last store did not go through), then the
  // count, then nothing past the end. False when a write failed.
  bool store(std::size_t count, std::size_t changedFrom,
             const std::function<std::vector<std::uint8_t>(std::size_t index)>& recordBytes);

  // Whether the last store went through, so the key equals the list.
  bool inStep() const { return inStep_; }

 private:
  bool clearPastEnd(RegistryKey& key, std::size_t count);

  Registry& registry_;
  RecordListKey key_;
  bool inStep_ = true;
};

}  // namespace tikora

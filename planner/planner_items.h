// The planner's item table and its registry copy. Up to 100 records; the item shown as number k
// in the list is record k - 1, always. The registry key "Tikora\Data" holds `lista_n` (the index
// of the last item, a DWORD) and one 384-byte value per item, "Lista0", "Lista1", ...; when the
// planner is empty the key does not exist.
//
// Every add and delete rewrites the registry copy so that it equals the table again, in the
// order that never loses an item (clock/registry_record_list.h): the records that moved are
// written first, then `lista_n`, and only then the values past the new end are deleted (the
// key itself only when the table is empty). A write that fails stops the store there; what it
// leaves behind may still hold the deleted item, but never less than the table. The next store
// then rewrites every record.
//
// Each item also carries an id for this run, so that a window showing an item can find it again
// after other items were added or deleted.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/registry_record_list.h"
#include "planner/planner_record.h"
#include "platform/code_page.h"
#include "platform/registry.h"

namespace tikora {

inline constexpr int kPlannerCapacity = 100;
inline constexpr std::wstring_view kPlannerKey = L"Tikora\\Data";
inline constexpr std::wstring_view kPlannerCountValue = L"lista_n";

// "Lista" followed by the index in decimal.
std::wstring plannerValueName(int index);

using PlannerItemId = std::uint64_t;

struct PlannerLoadReport {
  int loaded = 0;
  // The index whose value could not be read; loading stopped there.
  std::optional<int> unreadable;
};

enum class PlannerAddResult {
  Added,
  AddedForThisRunOnly,  // the registry refused it: the item is in the table until the end
  Full,                 // 100 items already: nothing happened
};

class PlannerItems {
 public:
  PlannerItems(Registry& registry, const AnsiCodePage& codePage);
  PlannerItems(const PlannerItems&) = delete;
  PlannerItems& operator=(const PlannerItems&) = delete;

  // The stored items, replacing the table: nothing when the key or `lista_n` cannot be read;
  // otherwise "Lista0" .. "Lista" + lista_n, no more than 100, stopping at the first value that
  // is missing or not one record long.
  PlannerLoadReport load();

  // Appends the record as it will read back from the registry (texts cut, "?" for what the
  // code page cannot hold), then stores it: its value first, then `lista_n`.
  PlannerAddResult add(const PlannerRecord& record);

  // Removes item `index` (0-based) from the table, moving the later ones up, and rewrites the
  // registry. False when there is no such item.
  bool remove(int index);

  int count() const { return static_cast<int>(records_.size()); }
  bool full() const { return count() >= kPlannerCapacity; }
  const std::vector<PlannerRecord>& records() const { return records_; }
  const PlannerRecord& record(int index) const { return records_.at(static_cast<std::size_t>(index)); }

  PlannerItemId idOf(int index) const { return ids_.at(static_cast<std::size_t>(index)); }
  // Where the item with this id is now; nothing once it has been deleted.
  std::optional<int> indexOf(PlannerItemId id) const;

  // Whether the last store went through, so the registry equals the table.
  bool storedInStep() const { return store_.inStep(); }

 private:
  void append(PlannerRecord record);
  // Writes the table from record `changedFrom` on (all of it after a store that failed).
  bool store(std::size_t changedFrom);

  RegistryRecordList store_;
  const AnsiCodePage& codePage_;
  std::vector<PlannerRecord> records_;
  std::vector<PlannerItemId> ids_;
  PlannerItemId nextId_ = 1;
};

}  // namespace tikora

// The planner's table and its registry copy: load and its stopping rules, add, delete with the
// exact registry it leaves, and no item lost when the registry fails half-way through a delete.
#include "planner/planner_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/unit/planner_fixture.h"

namespace tikora {
namespace {

using testing::item;

class PlannerItemsTest : public testing::PlannerBench {
 protected:
  const std::vector<PlannerRecord> three{item(L"one", 14, 10, 0), item(L"two", 15, 11, 0, true),
                                         item(L"three", 16, 12, 0)};
  RegistryValue valueOf(const PlannerRecord& record) {
    const PlannerRecordBytes bytes = encodePlannerRecord(record, codePage);
    return RegistryValue::ofBinary({bytes.begin(), bytes.end()});
  }
  PlannerItems items{registry, codePage};
};

TEST_F(PlannerItemsTest, LoadStopsWhereTheStoreDoes) {
  struct Case {
    const char* what;
    std::function<void()> spoil;
    int loaded;
    std::optional<int> unreadable;
  };
  const Case cases[] = {
      {"no key", [this] { (void)registry.deleteKeyTree(kPlannerKey); }, 0, {}},
      {"no lista_n", [this] { registry.removeValue(kPlannerKey, L"lista_n"); }, 0, {}},
      {"lista_n a string", [this] { registry.setString(kPlannerKey, L"lista_n", L"2"); }, 0, {}},
      {"lista_n of -1", [this] { registry.setDword(kPlannerKey, L"lista_n", 0xFFFFFFFF); }, 0, {}},
      {"lista_n of 0", [this] { registry.setDword(kPlannerKey, L"lista_n", 0); }, 1, {}},
      {"missing value", [this] { registry.removeValue(kPlannerKey, L"Lista1"); }, 1, 1},
      {"short value", [this] { registry.setBinary(kPlannerKey, L"Lista2", std::vector<std::uint8_t>(383)); }, 2, 2},
  };
  for (const Case& c : cases) {
    store(three);
    c.spoil();
    const PlannerLoadReport report = items.load();
    EXPECT_EQ(report.loaded, c.loaded) << c.what;
    EXPECT_EQ(report.unreadable, c.unreadable) << c.what;
    EXPECT_TRUE(std::equal(items.records().begin(), items.records().end(), three.begin())) << c.what;
  }
  store(std::vector<PlannerRecord>(150, three[0]));
  EXPECT_EQ(items.load().loaded, 100);
  EXPECT_EQ(registry.openKeyCount(), 0);
}

TEST_F(PlannerItemsTest, AddStoresTheValueThenTheCountAndStopsAtAHundred) {
  EXPECT_EQ(items.add(item(L"first \x260E", 14, 10, 0)), PlannerAddResult::Added);
  EXPECT_EQ(items.record(0).title, L"first ?") << "the table holds what the registry holds";
  using enum RegistryChangeKind;
  EXPECT_EQ(registry.changes(),
            (std::vector<RegistryChange>{{CreateKey, L"Tikora", L"", {}},
                                         {CreateKey, L"Tikora\\Data", L"", {}},
                                         {SetValue, L"Tikora\\Data", L"Lista0", valueOf(items.record(0))},
                                         {SetValue, L"Tikora\\Data", L"lista_n", RegistryValue::ofDword(0)}}));

  while (items.count() < 100) (void)items.add(three[1]);
  registry.clearChanges();
  EXPECT_EQ(items.add(three[2]), PlannerAddResult::Full);
  EXPECT_EQ(items.count(), 100);
  EXPECT_TRUE(registry.changes().empty());
}

TEST_F(PlannerItemsTest, DeletingTheMiddleItemLeavesExactlyTheRemainingTwo) {
  store(three);
  registry.setBinary(kPlannerKey, L"Lista7", {1, 2, 3});  // a leftover past the end
  (void)items.load();
  registry.clearChanges();
  ASSERT_TRUE(items.remove(1));
  EXPECT_EQ(registry.writtenNames(), (std::vector<std::wstring>{L"Lista1", L"lista_n"}));
  EXPECT_EQ(registry.valueNamesOf(kPlannerKey), (std::vector<std::wstring>{L"Lista0", L"Lista1", L"lista_n"}));
  EXPECT_EQ(registry.value(kPlannerKey, L"lista_n"), RegistryValue::ofDword(1));
  EXPECT_EQ(registry.value(kPlannerKey, L"Lista0"), valueOf(three[0]));
  EXPECT_EQ(registry.value(kPlannerKey, L"Lista1"), valueOf(three[2]));

  EXPECT_FALSE(items.remove(2));
  ASSERT_TRUE(items.remove(0) && items.remove(0));
  EXPECT_FALSE(registry.hasKey(kPlannerKey)) << "an empty planner has no key";
}

TEST_F(PlannerItemsTest, ADeleteCutShortByTheRegistryLosesNoItem) {
  std::vector<PlannerRecord> five;
  for (int i = 0; i < 5; ++i) five.push_back(item(std::to_wstring(i), 20 + i, 8, 0));
  // Deleting item 2 of 5 writes Lista1, Lista2, Lista3 and lista_n, then deletes Lista4.
  for (std::size_t failing = 1; failing <= 5; ++failing) {
    store(five);
    (void)items.load();
    registry.failWriteAttempt(failing);
    ASSERT_TRUE(items.remove(1));
    registry.clearFaults();
    const std::vector<PlannerRecord> kept = reloaded();
    for (const PlannerRecord& remaining : items.records())
      EXPECT_NE(std::find(kept.begin(), kept.end(), remaining), kept.end()) << "write " << failing;
    // The next change rewrites everything.
    ASSERT_TRUE(items.remove(0));
    EXPECT_EQ(reloaded(), items.records()) << "write " << failing;
  }
}

}  // namespace
}  // namespace tikora

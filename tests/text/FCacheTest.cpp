#include <gtest/gtest.h>

#include "support/FatalTrap.h"
#include "support/LineTableFixture.h"
#include "text/CellIds.h"
#include "text/cmcFCache.h"
#include "text/cmcGTex.h"
#include "text/cmcHash.h"

namespace {

// Two columns of entries: 0, 2, 255 down the first, 1 and 3 down the second, plus a cell of
// another identifier that is not an entry.
const LineTableFixture kLists({
    "#GI_Sheet_Sel_Test_Cells",
    "{S(%Flex0[255]:)}OFF|{S(%Flex0[1]:x1)}One",
    "{S(%Flex0[0])}Zero|{S(%Flex0[3])}Three",
    "{S(%Flex0[2]:Two)}|{(%FlexSpace[9])}Other",
    "#",
    "#End_Of_Ovl",
});

class FCache : public ::testing::Test {
 protected:
  void SetUp() override { texts_.SelectLineTable(kLists.Table()); }
  cmcGTex texts_;
  cmcFCache cache_{texts_};
};

TEST_F(FCache, TextIsArgumentElseCaption) {
  EXPECT_EQ(cache_.GetText("GI_Sheet_Sel_Test", Flex0, 0), "Zero");
  EXPECT_EQ(cache_.GetText("GI_Sheet_Sel_Test", Flex0, 1), "x1");
  EXPECT_EQ(cache_.GetText("GI_Sheet_Sel_Test", Flex0, 2), "Two");
  EXPECT_EQ(cache_.GetText("GI_Sheet_Sel_Test", Flex0, 255), "");  // an empty argument shows nothing in a cell
  EXPECT_EQ(cache_.Entry("GI_Sheet_Sel_Test", Flex0).byIndex.back().caption, "OFF");  // the pop-up shows "OFF"
  EXPECT_EQ(cache_.GetText("GI_Sheet_Sel_Test", Flex0, 4), "error");
  EXPECT_EQ(cache_.GetText("GI_Sheet_Sel_Test", FlexSpace, 9), "Other");
}

TEST_F(FCache, EntryCountsLinesAndCells) {
  const FCacheEntry& entry = cache_.Entry("GI_Sheet_Sel_Test", Flex0);
  EXPECT_EQ(entry.lineCount, 3);
  EXPECT_EQ(entry.maxCellsOnLine, 2);
  EXPECT_EQ(entry.byIndex.size(), 5u);
  EXPECT_EQ(&entry, &cache_.Entry("GI_Sheet_Sel_Test", Flex0));  // built once
}

TEST_F(FCache, StepsDownColumnsAndWraps) {
  // list order: 255, 0, 2 (first column), 1, 3 (second column)
  struct Case {
    int32_t from;
    int direction;
    int32_t to;
  } cases[] = {{255, 1, 0}, {2, 1, 1}, {3, 1, 255}, {255, -1, 3}, {1, -1, 2}, {77, 1, 255}, {77, -1, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(cache_.Step("GI_Sheet_Sel_Test", Flex0, c.from, c.direction), c.to) << c.from << " " << c.direction;
  EXPECT_EQ(cache_.Step("GI_Sheet_Sel_Test", CL_Null, 5, 1), 5);  // a list without entries
}

TEST(Hash, BucketsAndDuplicates) {
  EXPECT_EQ(HashBucket("", 1031), 0u);
  EXPECT_EQ(HashBucket("", 0), 0u);
  // h = 0*2 + 515 + 'A'(65) = 580; the terminating zero has bit 0 clear
  EXPECT_EQ(HashBucket("A", 1031), 580u);
  // 'a' = 97: h = 515 + 97 = 612; the next byte 'c' (99) is odd, so m = 257;
  // h = 612*2 + 257 + 99 = 1580 -> 1580 mod 1031 = 549
  EXPECT_EQ(HashBucket("ac", 1031), 549u);
  // a byte above 0x7F counts negative: h = 50 + (-128) wraps, reduced as unsigned
  EXPECT_EQ(HashBucket("\x80", 101), static_cast<uint32_t>(50 - 128) % 101u);

  cmcHash table(101);
  table.Insert("clRed", 1);
  EXPECT_EQ(*table.Find("clRed"), 1);
  EXPECT_EQ(table.Find("clred"), nullptr);
  EXPECT_EQ(FatalMessageOf([&] { table.Insert("clRed", 2); }), "Overlapped Hash table.");
  cmcHash2 pointers;
  pointers.Insert("k", nullptr);
  EXPECT_EQ(FatalMessageOf([&] { pointers.Insert("k", nullptr); }), "Overlapped Hash2 table.");
}

}  // namespace

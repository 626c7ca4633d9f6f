// The list operations on the image: each operation on each list, read back as the names of
// the entries and the entries the references name; the counted lists keep their counts and
// tables; random documents keep every reference valid and get their entries back when an
// operation is undone by its counterpart.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ListImageFixture.h"
#include "MemoryTestImages.h"
#include "memory/BankEdits.h"
#include "memory/ListBlocks.h"
#include "memory/ListEntries.h"
#include "memory/datClipCh.h"

namespace {

using namespace list_fixture;
using Strings = std::vector<std::string>;
using Operation = std::function<void(cmcEeprom&)>;

class ListEditsTest : public ::testing::Test {
 protected:
  ScopedDestination destination_{0};
  cmcEeprom image_ = Image();
};

struct ListCase {
  const char* name;
  int kind;
  int first;  // the entries read back
  int last;
  Operation operation;
  Strings names;
  std::string reference;  // the entry the list's reference names afterwards
};

std::string ReferenceOf(cmcEeprom& image, int kind) {
  switch (kind) {
    case RecordKind::kChannel:
      return RememberedChannel(image);
    case RecordKind::kRepeater:
      return RememberedRepeater(image);
    case RecordKind::kGps:
      return AlarmedGps(image);
    default:
      return "-";
  }
}

const ListCase kCases[] = {
    // Memory channels, block 0-99; the remembered channel is C5.
    {"ChannelCarryUp",
     1,
     0,
     6,
     [](cmcEeprom& i) { CarryBlock(i, 1, 3, 4, -1); },
     {"C0", "C1", "C3", "C4", "C2", "C5", "C6"},
     "C5"},
    {"ChannelCarryDownOverReference",
     1,
     3,
     6,
     [](cmcEeprom& i) { CarryBlock(i, 1, 3, 4, 1); },
     {"C5", "C3", "C4", "C6"},
     "C5"},
    {"ChannelDeleteReference",
     1,
     3,
     9,
     [](cmcEeprom& i) { DeleteBlock(i, 1, 4, 5, 99); },
     {"C3", "C6", "C7", "C8", "C9", "", ""},
     ""},
    {"ChannelDeleteBefore", 1, 1, 4, [](cmcEeprom& i) { DeleteBlock(i, 1, 2, 3, 99); }, {"C1", "C4", "C5", "C6"}, "C5"},
    {"ChannelInsert",
     1,
     3,
     8,
     [](cmcEeprom& i) { InsertBlock(i, 1, 4, 5, 99); },
     {"C3", "", "", "C4", "C5", "C6"},
     "C5"},
    {"ChannelInsertPushesReferenceOut",
     1,
     0,
     6,
     [](cmcEeprom& i) { InsertBlock(i, 1, 0, 1, 6); },
     {"", "", "C0", "C1", "C2", "C3", "C4"},
     ""},
    {"ChannelClear", 1, 4, 6, [](cmcEeprom& i) { ClearBlock(i, 1, 5, 5); }, {"C4", "", "C6"}, ""},
    {"CallChannelsKeepTheirBlock",
     1,
     550,
     553,
     [](cmcEeprom& i) { DeleteBlock(i, 1, 550, 550, 553); },
     {"", "", "", ""},
     "C5"},
    // Repeaters: group 0 R0-R3 at 0-3, group 1 S0-S2 at 4-6; the remembered repeater is S1.
    {"RepeaterRemoveBefore",
     7,
     0,
     6,
     [](cmcEeprom& i) { RemoveRepeater(i, 1); },
     {"R0", "R2", "R3", "S0", "S1", "S2", ""},
     "S1"},
    {"RepeaterRemoveReference", 7, 4, 6, [](cmcEeprom& i) { RemoveRepeater(i, 5); }, {"S0", "S2", ""}, ""},
    {"RepeaterInsert", 7, 3, 7, [](cmcEeprom& i) { InsertRepeater(i, 1, 4); }, {"R3", "", "S0", "S1", "S2"}, "S1"},
    {"RepeaterInsertAfterGroup", 7, 6, 8, [](cmcEeprom& i) { InsertRepeater(i, 1, 7); }, {"S2", "", ""}, "S1"},
    {"RepeaterCarry", 7, 4, 6, [](cmcEeprom& i) { CarryBlock(i, 7, 4, 5, 1); }, {"S2", "S0", "S1"}, "S1"},
    {"RepeaterClear", 7, 4, 6, [](cmcEeprom& i) { ClearBlock(i, 7, 5, 6); }, {"S0", "", ""}, ""},
    // GPS: group A G0-G2 at 0-2, group B H0-H1 at 3-4; the alarm names G2.
    {"GpsRemoveBefore", 6, 0, 4, [](cmcEeprom& i) { RemoveGpsMemory(i, 1); }, {"G0", "G2", "H0", "H1", ""}, "G2"},
    {"GpsRemoveAlarm", 6, 0, 4, [](cmcEeprom& i) { RemoveGpsMemory(i, 2); }, {"G0", "G1", "H0", "H1", ""}, ""},
    {"GpsInsertInGroup",
     6,
     0,
     5,
     [](cmcEeprom& i) { InsertGpsMemory(i, 1, 0); },
     {"", "G0", "G1", "G2", "H0", "H1"},
     "G2"},
    {"GpsInsertIntoEmptyGroupBefore", 6, 0, 2, [](cmcEeprom& i) { InsertGpsMemory(i, 0, 0); }, {"", "G0", "G1"}, "G2"},
    {"GpsInsertIntoEmptyGroupAfter", 6, 4, 6, [](cmcEeprom& i) { InsertGpsMemory(i, 5, 0); }, {"H1", "", ""}, "G2"},
    {"GpsCarry", 6, 0, 2, [](cmcEeprom& i) { CarryBlock(i, 6, 0, 1, 1); }, {"G2", "G0", "G1"}, "G2"},
    {"GpsClearAlarm", 6, 0, 2, [](cmcEeprom& i) { ClearBlock(i, 6, 2, 2); }, {"G0", "G1", ""}, ""},
    // Your calls Y0-Y2.
    {"YourCallRemove", 8, 0, 3, [](cmcEeprom& i) { RemoveYourCall(i, 0); }, {"Y1", "Y2", "CALLSIGN", "CALLSIGN"}, "-"},
    {"YourCallInsert", 8, 0, 3, [](cmcEeprom& i) { InsertYourCall(i, 1); }, {"Y0", "CALLSIGN", "Y1", "Y2"}, "-"},
    {"YourCallCarry", 8, 0, 2, [](cmcEeprom& i) { CarryBlock(i, 8, 1, 2, -1); }, {"Y1", "Y2", "Y0"}, "-"},
    // Broadcast group 0: FM F0, F1 and AM A0.
    {"BroadcastInsertFm", 14, 0, 2, [](cmcEeprom& i) { InsertBroadcast(i, 0, false, 1); }, {"F0", "", "F1"}, "-"},
    {"BroadcastInsertAm", 15, 50, 51, [](cmcEeprom& i) { InsertBroadcast(i, 0, true, 0); }, {"", "A0"}, "-"},
    {"BroadcastRemoveFm", 15, 50, 50, [](cmcEeprom& i) { RemoveBroadcastSlot(i, 0, 0); }, {"A0"}, "-"},
    {"BroadcastCarry", 14, 0, 1, [](cmcEeprom& i) { CarryBlock(i, 14, 0, 0, 1); }, {"F1", "F0"}, "-"},
};

class ListCaseTest : public ListEditsTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListCaseTest, EntriesAndReferenceAfterTheOperation) {
  const ListCase& c = GetParam();
  c.operation(image_);
  EXPECT_EQ(Names(image_, c.kind, c.first, c.last), c.names);
  EXPECT_EQ(ReferenceOf(image_, c.kind), c.reference);
}

INSTANTIATE_TEST_SUITE_P(Lists, ListCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ListEditsTest, ChannelsTakeTheirBankSlotsAlong) {
  CarryBlock(image_, RecordKind::kChannel, 3, 4, -1);
  RebuildBankTables(image_);
  EXPECT_EQ(NameOf(image_, RecordKind::kChannel, BankRowChannel(image_, 0, 3)), "C3");
  EXPECT_EQ(NameOf(image_, RecordKind::kChannel, BankRowChannel(image_, 0, 2)), "C2");
  EXPECT_EQ(BankRowChannel(image_, 0, 2), 4);
}

TEST_F(ListEditsTest, ScanLinksKeepPairsThatMoveWhole) {
  DeleteBlock(image_, RecordKind::kChannel, 500, 501, 549);
  EXPECT_EQ(LinkMembers(image_, 0), (Strings{"E1A", "E2A"}));
  EXPECT_EQ(LinkMembers(image_, 1), (Strings{"E3A"}));
  InsertBlock(image_, RecordKind::kChannel, 500, 501, 549);
  EXPECT_EQ(LinkMembers(image_, 0), (Strings{"E1A", "E2A"}));
  EXPECT_EQ(LinkMembers(image_, 1), (Strings{"E3A"}));
  ClearBlock(image_, RecordKind::kChannel, 504, 505);
  EXPECT_EQ(LinkMembers(image_, 0), (Strings{"E1A"}));
}

TEST_F(ListEditsTest, ScanLinksStayWhenAPairIsSplit) {
  CarryBlock(image_, RecordKind::kChannel, 502, 502, 1);
  EXPECT_EQ(Names(image_, RecordKind::kChannel, 502, 503), (Strings{"E1B", "E1A"}));
  EXPECT_EQ(LinkMembers(image_, 0), (Strings{"E1B", "E2A"}));
}

TEST_F(ListEditsTest, AnEmptyBlockChangesNothing) {
  const cmcEeprom before = image_;
  ClearBlock(image_, RecordKind::kChannel, 5, 4);
  datClipCh clipboard;
  PasteBlock(image_, clipboard, RecordKind::kChannel, 5, 3);
  EXPECT_EQ(FirstDifference(image_, before), -1);
}

TEST_F(ListEditsTest, CountedListsKeepTheirCounts) {
  EXPECT_TRUE(InsertRepeater(image_, 0, 4));
  EXPECT_EQ(GroupCount(image_, 0), 5);
  RemoveRepeater(image_, 6);
  EXPECT_EQ(GroupCount(image_, 1), 2);
  EXPECT_TRUE(InsertYourCall(image_, 3));
  EXPECT_EQ(YourCallCount(image_), 4);
  EXPECT_TRUE(InsertGpsMemory(image_, 2, 2));
  const GpsGroups groups = ReadGpsGroups(image_);
  EXPECT_EQ(groups.count[1], 3);
  EXPECT_EQ(groups.count[2], 3);
  EXPECT_EQ(groups.start[2], 3);
  EXPECT_EQ(BroadcastListCount(image_, 0, false), 2);
  EXPECT_TRUE(InsertBroadcast(image_, 0, false, 2));
  EXPECT_EQ(BroadcastListCount(image_, 0, false), 3);
  EXPECT_EQ(BroadcastListCount(image_, 0, true), 1);
}

TEST_F(ListEditsTest, TheRpt1UseFlagMovesWithItsRepeater) {
  datCh s0(image_);
  s0.Load(RecordKind::kRepeater, 4);
  RemoveRepeater(image_, 0);
  datCh moved(image_);
  moved.Load(RecordKind::kRepeater, 3);
  EXPECT_EQ(moved.rpt1Use, s0.rpt1Use);
  EXPECT_EQ(ViewOf(moved.name).substr(0, 2), "S0");
}

TEST_F(ListEditsTest, NewEntriesStartFromTheirTemplates) {
  ASSERT_TRUE(InsertBroadcast(image_, 0, true, 1));
  datCh am(image_);
  am.Load(RecordKind::kBroadcastAm, BroadcastListIndex(0, true, 1));
  EXPECT_EQ(am.frequency, kNewAmBroadcastFrequency);
  EXPECT_EQ(am.record, 1);  // the lowest record no group names
  ASSERT_TRUE(InsertRepeater(image_, 0, 0));
  datCh repeater(image_);
  repeater.Load(RecordKind::kRepeater, 0);
  EXPECT_EQ(ViewOf(repeater.callSign), "CALLSIGN");
  ASSERT_TRUE(InsertGpsMemory(image_, 1, 3));
  datCh gps(image_);
  gps.Load(RecordKind::kGps, 3);
  EXPECT_EQ(gps.record, 0);
  EXPECT_EQ(gps.altitude, 0x7FFFFFFF);
}

TEST_F(ListEditsTest, FullListsRefuseAndStayAsTheyWere) {
  struct Full {
    const char* name;
    Operation fill;
    std::function<bool(cmcEeprom&)> insert;
  };
  const Full fulls[] = {
      {"repeaters", [](cmcEeprom& i) { SetGroupCount(i, 2, kRepeaterCount - 7); },
       [](cmcEeprom& i) { return InsertRepeater(i, 0, 0); }},
      {"your calls", [](cmcEeprom& i) { SetYourCallCount(i, kYourCallCount); },
       [](cmcEeprom& i) { return InsertYourCall(i, 0); }},
      {"GPS",
       [](cmcEeprom& i) {
         for (int p = 5; p < kGpsMemoryCount; ++p) StoreGpsMemory(i, p, p < 10 ? p - 5 : p, "X");
       },
       [](cmcEeprom& i) { return InsertGpsMemory(i, 1, 0); }},
      {"broadcast group",
       [](cmcEeprom& i) {
         for (int s = 3; s < kBroadcastGroupSlots; ++s) StoreBroadcast(i, 0, s, 100 + s, 1500000, "X");
       },
       [](cmcEeprom& i) { return InsertBroadcast(i, 0, false, 0); }},
      {"broadcast memories",
       [](cmcEeprom& i) {
         for (int r = 0, g = 1; r < kBroadcastMemoryCount; ++r) {
           if (r != 0 && r != 3 && r != 4) StoreBroadcast(i, g, r % 40, r, 1500000, "X");
           if (r % 40 == 39) ++g;
         }
       },
       [](cmcEeprom& i) { return InsertBroadcast(i, 0, false, 0); }},
  };
  for (const Full& full : fulls) {
    SCOPED_TRACE(full.name);
    cmcEeprom image = Image();
    full.fill(image);
    const cmcEeprom before = image;
    EXPECT_FALSE(full.insert(image));
    EXPECT_EQ(FirstDifference(image, before), -1);
  }
}

// --- Bank views: bank A holds C0-C4 on rows 0-4 and C7 on row 9 ---

std::string BankRow(cmcEeprom& image, int row) {
  const int channel = BankRowChannel(image, 0, row);
  return channel < 0 ? "" : NameOf(image, RecordKind::kChannel, channel);
}

Strings BankRows(cmcEeprom& image, int first, int last) {
  Strings rows;
  for (int row = first; row <= last; ++row) rows.push_back(BankRow(image, row));
  return rows;
}

struct BankCase {
  const char* name;
  Operation operation;
  int first;
  int last;
  Strings rows;
};

const BankCase kBankCases[] = {
    {"Delete",
     [](cmcEeprom& i) { DeleteBankRows(i, 0, 1, 1, 99); },
     0,
     9,
     {"C0", "C2", "C3", "C4", "", "", "", "", "C7", ""}},
    {"Insert",
     [](cmcEeprom& i) { InsertBankRows(i, 0, 0, 1, 99); },
     0,
     11,
     {"", "", "C0", "C1", "C2", "C3", "C4", "", "", "", "", "C7"}},
    {"CarryUp", [](cmcEeprom& i) { CarryBankRows(i, 0, 1, 2, -1); }, 0, 3, {"C1", "C2", "C0", "C3"}},
    {"CarryDown", [](cmcEeprom& i) { CarryBankRows(i, 0, 3, 4, 1); }, 2, 5, {"C2", "", "C3", "C4"}},
    {"Clear", [](cmcEeprom& i) { ClearBankRows(i, 0, 0, 1); }, 0, 2, {"", "", "C2"}},
    {"BankOff", [](cmcEeprom& i) { BankOffRows(i, 0, 0, 4); }, 0, 5, {"", "", "", "", "", ""}},
};

class BankCaseTest : public ListEditsTest, public ::testing::WithParamInterface<BankCase> {};

TEST_P(BankCaseTest, RowsAfterTheOperation) {
  const BankCase& c = GetParam();
  c.operation(image_);
  EXPECT_EQ(BankRows(image_, c.first, c.last), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Bank, BankCaseTest, ::testing::ValuesIn(kBankCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ListEditsTest, BankOffKeepsTheChannels) {
  BankOffRows(image_, 0, 0, 1);
  EXPECT_EQ(Names(image_, RecordKind::kChannel, 0, 1), (Strings{"C0", "C1"}));
}

TEST_F(ListEditsTest, BankInsertEmptiesTheChannelPushedOffTheEnd) {
  StoreChannel(image_, 20, "LAST", 0, 99);
  RebuildBankTables(image_);
  InsertBankRows(image_, 0, 98, 98, 99);
  EXPECT_EQ(NameOf(image_, RecordKind::kChannel, 20), "");
  EXPECT_EQ(BankRow(image_, 99), "");
}

TEST_F(ListEditsTest, BankPasteTakesTheRowsChannelOrTheLowestEmptyOne) {
  datClipCh clipboard;
  CopyBankRows(image_, 0, 0, 1, clipboard);
  EXPECT_EQ(clipboard.Kind(), RecordKind::kBankView);
  EXPECT_EQ(clipboard.Record(0).bank, kNoBank);
  EXPECT_EQ(PasteBankRows(image_, 0, 4, 2, clipboard), 2);
  EXPECT_EQ(BankRows(image_, 4, 5), (Strings{"C0", "C1"}));
  EXPECT_EQ(BankRowChannel(image_, 0, 4), 4);   // the row's own channel took the record
  EXPECT_EQ(BankRowChannel(image_, 0, 5), 10);  // the lowest empty memory channel
}

TEST_F(ListEditsTest, BankPasteStopsWhenNoChannelIsFree) {
  for (int i = 10; i < kMemoryChannelCount; ++i) StoreChannel(image_, i, "FULL");
  datClipCh clipboard;
  CopyBankRows(image_, 0, 0, 1, clipboard);
  EXPECT_EQ(PasteBankRows(image_, 0, 20, 2, clipboard), 0);
  EXPECT_EQ(BankRows(image_, 20, 21), (Strings{"", ""}));
}

TEST_F(ListEditsTest, BankOperationsDropARememberedChannelTheyEmpty) {
  WriteU16(image_, kRememberedChannel, 2);
  ClearBankRows(image_, 0, 2, 2);
  EXPECT_EQ(ReadU16(image_, kRememberedChannel), 0xFFFF);
}

TEST_F(ListEditsTest, ReceivedCallsAndHistoriesLoseTheirPositions) {
  for (int s = 0; s < kReceivedCallCount; ++s) image_.SetByte(kReceivedPositionTable + s, 0xFF);
  image_.SetByte(kReceivedPositionTable + 7, 0);
  image_.SetByte(kReceivedPositionTable + 3, 1);
  image_.SetByte(kReceivedPositionTable + 9, 2);
  EXPECT_FALSE(RemoveReceivedCalls(image_, 5, 6));
  EXPECT_TRUE(RemoveReceivedCalls(image_, 1, 1));
  EXPECT_EQ(image_.GetByte(kReceivedPositionTable + 3), 0xFF);
  EXPECT_EQ(image_.GetByte(kReceivedPositionTable + 9), 1);
  EXPECT_EQ(image_.GetByte(kReceivedPositionTable + 7), 0);

  const std::uint8_t slots[] = {4, 2, 0xFF, 7, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1};
  for (int p = 0; p < kHistoryFromCount; ++p) image_.SetByte(kHistoryFromSlots + p, slots[p]);
  EXPECT_FALSE(RemoveHistoryPositions(image_, RecordKind::kHistoryFrom, 4, 8));
  EXPECT_TRUE(RemoveHistoryPositions(image_, RecordKind::kHistoryFrom, 0, 1));
  const std::uint8_t after[] = {0xFF, 7, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0xFF, 0xFF};
  for (int p = 0; p < kHistoryFromCount; ++p) EXPECT_EQ(image_.GetByte(kHistoryFromSlots + p), after[p]) << p;
}

// --- Random documents ---

struct Block {
  int first;
  int last;
};

Block RandomBlock(std::mt19937& random) {
  const int first = static_cast<int>(random() % 100);
  const int last = first + static_cast<int>(random() % std::min(8, 100 - first));
  return {first, last};
}

bool Inside(int index, Block block) { return index >= block.first && index <= block.last; }

TEST(ListEditsProperty, CopyClearPasteGivesTheImageBack) {
  ScopedDestination destination(0);
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    cmcEeprom image = RandomChannels(random);
    const Block block = RandomBlock(random);
    if (Inside(ReadU16(image, kRememberedChannel), block)) WriteU16(image, kRememberedChannel, 0xFFFF);
    const cmcEeprom before = image;
    datClipCh clipboard;
    clipboard.Copy(image, RecordKind::kChannel, block.first, block.last - block.first + 1);
    ClearBlock(image, RecordKind::kChannel, block.first, block.last);
    RebuildBankTables(image);
    ExpectReferencesValid(image);
    PasteBlock(image, clipboard, RecordKind::kChannel, block.first, clipboard.Count());
    RebuildBankTables(image);
    ASSERT_EQ(FirstDifference(image, before), -1) << "seed " << seed;
  }
}

TEST(ListEditsProperty, DeleteThenInsertAndPasteGivesTheImageBack) {
  ScopedDestination destination(0);
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    cmcEeprom image = RandomChannels(random);
    const Block block = RandomBlock(random);
    if (Inside(ReadU16(image, kRememberedChannel), block)) WriteU16(image, kRememberedChannel, 0xFFFF);
    const cmcEeprom before = image;
    datClipCh clipboard;
    clipboard.Copy(image, RecordKind::kChannel, block.first, block.last - block.first + 1);
    DeleteBlock(image, RecordKind::kChannel, block.first, block.last, 99);
    RebuildBankTables(image);
    ExpectReferencesValid(image);
    InsertBlock(image, RecordKind::kChannel, block.first, block.last, 99);
    PasteBlock(image, clipboard, RecordKind::kChannel, block.first, clipboard.Count());
    RebuildBankTables(image);
    ASSERT_EQ(FirstDifference(image, before), -1) << "seed " << seed;
  }
}

// Any operation on any list leaves the entries of the other lists as they were and every
// reference valid.
TEST(ListEditsProperty, OperationsKeepOtherListsAndReferences) {
  ScopedDestination destination(0);
  const std::vector<Operation> operations = {
      [](cmcEeprom& i) { CarryBlock(i, 1, 10, 12, -1); },   [](cmcEeprom& i) { DeleteBlock(i, 1, 3, 6, 99); },
      [](cmcEeprom& i) { InsertBlock(i, 1, 0, 4, 99); },    [](cmcEeprom& i) { ClearBlock(i, 1, 5, 9); },
      [](cmcEeprom& i) { DeleteBankRows(i, 1, 0, 3, 99); }, [](cmcEeprom& i) { InsertBankRows(i, 2, 5, 9, 99); },
      [](cmcEeprom& i) { CarryBankRows(i, 0, 3, 5, 1); },   [](cmcEeprom& i) { RemoveRepeater(i, 2); },
      [](cmcEeprom& i) { InsertRepeater(i, 1, 5); },        [](cmcEeprom& i) { RemoveGpsMemory(i, 0); },
      [](cmcEeprom& i) { InsertGpsMemory(i, 2, 1); },       [](cmcEeprom& i) { RemoveYourCall(i, 1); },
      [](cmcEeprom& i) { InsertBroadcast(i, 0, true, 1); },
  };
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    std::mt19937 random(seed);
    cmcEeprom image = RandomChannels(random);
    const cmcEeprom before = image;
    const std::size_t pick = random() % operations.size();
    operations[pick](image);
    RebuildBankTables(image);  // as the window does after every operation
    ExpectReferencesValid(image);
    const bool channels = pick < 7;
    EXPECT_EQ(Names(image, RecordKind::kChannel, 100, 553), Names(const_cast<cmcEeprom&>(before), 1, 100, 553))
        << "seed " << seed;
    if (channels) {
      EXPECT_EQ(Names(image, RecordKind::kRepeater, 0, 8), Names(const_cast<cmcEeprom&>(before), 7, 0, 8));
      EXPECT_EQ(Names(image, RecordKind::kGps, 0, 5), Names(const_cast<cmcEeprom&>(before), 6, 0, 5));
    } else {
      EXPECT_EQ(Names(image, RecordKind::kChannel, 0, 99), Names(const_cast<cmcEeprom&>(before), 1, 0, 99));
    }
  }
}

}  // namespace

namespace {

// Random inserts, removals, carries and clears on the packed lists, checked against a plain
// model of the names group by group and of the entry each reference names.
struct GroupModel {
  std::vector<Strings> groups;
  std::string referenced;  // the name the list's reference names, "" for none
  int unnamed = 0;         // names given to new entries so the model can follow them
};

Strings Flatten(const GroupModel& model) {
  Strings all;
  for (const Strings& group : model.groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}

TEST(ListEditsProperty, RepeaterGroupsFollowAPlainModel) {
  ScopedDestination destination(0);
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    std::mt19937 random(seed);
    cmcEeprom image = Image();
    GroupModel model{{{"R0", "R1", "R2", "R3"}, {"S0", "S1", "S2"}, {}}, "S1"};
    for (int step = 0; step < 12; ++step) {
      const int group = static_cast<int>(random() % 3);
      Strings& names = model.groups[static_cast<std::size_t>(group)];
      const int start = GroupStart(image, group);
      const int count = static_cast<int>(names.size());
      const int what = static_cast<int>(random() % 4);
      if (what == 0 || count == 0) {
        const int place = static_cast<int>(random() % static_cast<unsigned>(count + 1));
        ASSERT_TRUE(InsertRepeater(image, group, start + place));
        const std::string name = "N" + std::to_string(model.unnamed++);
        datCh entry(image);
        entry.Load(RecordKind::kRepeater, start + place);
        entry.name = MakeFixedText<kNameLength>(name);
        entry.Store(RecordKind::kRepeater, start + place);
        names.insert(names.begin() + place, name);
      } else if (what == 1) {
        const int place = static_cast<int>(random() % static_cast<unsigned>(count));
        RemoveRepeater(image, start + place);
        if (names[static_cast<std::size_t>(place)] == model.referenced) model.referenced.clear();
        names.erase(names.begin() + place);
      } else if (what == 2 && count > 1) {
        const int place = 1 + static_cast<int>(random() % static_cast<unsigned>(count - 1));
        CarryBlock(image, RecordKind::kRepeater, start + place, start + place, -1);
        std::swap(names[static_cast<std::size_t>(place)], names[static_cast<std::size_t>(place - 1)]);
      } else if (what == 3) {
        const int place = static_cast<int>(random() % static_cast<unsigned>(count));
        ClearBlock(image, RecordKind::kRepeater, start + place, start + place);
        if (names[static_cast<std::size_t>(place)] == model.referenced) model.referenced.clear();
        names[static_cast<std::size_t>(place)] = "";
      }
      const Strings expected = Flatten(model);
      ASSERT_EQ(Names(image, RecordKind::kRepeater, 0, static_cast<int>(expected.size()) - 1), expected)
          << "seed " << seed << " step " << step;
      for (int g = 0; g < 3; ++g) {
        ASSERT_EQ(GroupCount(image, g), static_cast<int>(model.groups[static_cast<std::size_t>(g)].size()));
      }
      ASSERT_EQ(ReadU16(image, kRememberedRepeater) == 0xFFFF, model.referenced.empty()) << "seed " << seed;
      ASSERT_EQ(RememberedRepeater(image), model.referenced) << "seed " << seed << " step " << step;
    }
  }
}

TEST(ListEditsProperty, GpsGroupsFollowAPlainModel) {
  ScopedDestination destination(0);
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    std::mt19937 random(seed);
    cmcEeprom image = Image();
    GroupModel model{{{}, {"G0", "G1", "G2"}, {"H0", "H1"}, {}, {}}, "G2"};
    for (int step = 0; step < 12; ++step) {
      const int group = static_cast<int>(random() % 5);
      Strings& names = model.groups[static_cast<std::size_t>(group)];
      const GpsGroups groups = ReadGpsGroups(image);
      const int count = static_cast<int>(names.size());
      const int what = static_cast<int>(random() % 3);
      if (what == 0 || count == 0) {
        const int place = static_cast<int>(random() % static_cast<unsigned>(count + 1));
        ASSERT_TRUE(InsertGpsMemory(image, group, place));
        const int position = ReadGpsGroups(image).start[static_cast<std::size_t>(group)] + place;
        const std::string name = "N" + std::to_string(model.unnamed++);
        datCh memory(image);
        memory.Load(RecordKind::kGps, position);
        memory.name = MakeFixedText<kNameLength>(name);
        memory.Store(RecordKind::kGps, position);
        names.insert(names.begin() + place, name);
      } else if (what == 1) {
        const int place = static_cast<int>(random() % static_cast<unsigned>(count));
        RemoveGpsMemory(image, groups.start[static_cast<std::size_t>(group)] + place);
        if (names[static_cast<std::size_t>(place)] == model.referenced) model.referenced.clear();
        names.erase(names.begin() + place);
      } else if (count > 1) {
        const int place = 1 + static_cast<int>(random() % static_cast<unsigned>(count - 1));
        const int position = groups.start[static_cast<std::size_t>(group)] + place;
        CarryBlock(image, RecordKind::kGps, position, position, -1);
        std::swap(names[static_cast<std::size_t>(place)], names[static_cast<std::size_t>(place - 1)]);
      }
      const Strings expected = Flatten(model);
      ASSERT_EQ(Names(image, RecordKind::kGps, 0, static_cast<int>(expected.size()) - 1), expected)
          << "seed " << seed << " step " << step;
      const GpsGroups after = ReadGpsGroups(image);
      for (std::size_t g = 0; g < model.groups.size(); ++g) {
        ASSERT_EQ(after.count[g], static_cast<int>(model.groups[g].size())) << "seed " << seed;
      }
      ASSERT_EQ(AlarmedGps(image), model.referenced) << "seed " << seed << " step " << step;
    }
  }
}

}  // namespace

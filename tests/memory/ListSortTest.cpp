// Sorting list blocks: each list read back as the names of its entries and the entries its
// references name; the records carry their bank slots and RPT1-use flags along; random
// documents come out in key order with every record and reference kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "ListImageFixture.h"
#include "memory/BankEdits.h"
#include "memory/ListSort.h"

namespace {

using namespace list_fixture;
using Strings = std::vector<std::string>;

constexpr SortOrder kNameUp{SortKey::kName, false};
constexpr SortOrder kNameDown{SortKey::kName, true};

class ListSortTest : public ::testing::Test {
 protected:
  ScopedDestination destination_{0};
  cmcEeprom image_ = Image();
};

struct SortCase {
  const char* name;
  std::function<void(cmcEeprom&)> prepare;
  int kind;
  int first;  // the sorted block
  int last;
  SortOrder order;
  int shownFirst;  // the entries read back from here on
  Strings names;
  std::string reference;  // the entry the list's reference names afterwards
};

std::string ReferenceOf(cmcEeprom& image, int kind) {
  if (kind == RecordKind::kChannel) return RememberedChannel(image);
  if (kind == RecordKind::kRepeater) return RememberedRepeater(image);
  if (kind == RecordKind::kGps) return AlarmedGps(image);
  return "-";
}

void SetChannelFields(cmcEeprom& image, int index, std::uint32_t frequency, std::uint8_t mode, const char* call) {
  datCh record(image);
  record.Load(RecordKind::kChannel, index);
  record.frequency = frequency;
  record.mode = mode;
  record.yourCall = MakeFixedText<kCallSignLength>(call);
  record.Store(RecordKind::kChannel, index);
}

void Unuse(cmcEeprom& image, int index) {
  datCh record(image);
  record.Load(RecordKind::kChannel, index);
  record.SetUsed(false);
  record.Store(RecordKind::kChannel, index);
}

// Channels C0-C3 get keys that order them differently from their names.
void MixedKeys(cmcEeprom& image) {
  SetChannelFields(image, 0, 146000000, 5, "JA1B");
  SetChannelFields(image, 1, 145000000, 0, "ja1c");
  SetChannelFields(image, 2, 147000000, 3, "JA1A");
  SetChannelFields(image, 3, 145000000, 5, "JA1D");
}

void Nothing(cmcEeprom&) {}

const SortCase kCases[] = {
    {"ChannelsByNameDescending",
     Nothing,
     1,
     0,
     9,
     kNameDown,
     0,
     {"C9", "C8", "C7", "C6", "C5", "C4", "C3", "C2", "C1", "C0"},
     "C5"},
    {"UnusedChannelsGoLast",
     [](cmcEeprom& i) { Unuse(i, 2); },
     1,
     0,
     9,
     kNameDown,
     0,
     {"C9", "C8", "C7", "C6", "C5", "C4", "C3", "C1", "C0", ""},
     "C5"},
    {"FrequencyTiesKeepTheirOrder",
     MixedKeys,
     1,
     0,
     3,
     {SortKey::kFrequency, false},
     0,
     {"C1", "C3", "C0", "C2"},
     "C5"},
    {"FrequencyDescending", MixedKeys, 1, 0, 3, {SortKey::kFrequency, true}, 0, {"C2", "C0", "C1", "C3"}, "C5"},
    {"ModeByItsCode", MixedKeys, 1, 0, 3, {SortKey::kMode, false}, 0, {"C1", "C2", "C0", "C3"}, "C5"},
    {"CallSignIgnoresCase", MixedKeys, 1, 0, 3, {SortKey::kCall, false}, 0, {"C2", "C0", "C1", "C3"}, "C5"},
    {"OnlyTheBlockMoves", Nothing, 1, 2, 4, kNameDown, 0, {"C0", "C1", "C4", "C3", "C2", "C5"}, "C5"},
    {"RepeaterGroup", Nothing, 7, 4, 6, kNameDown, 3, {"R3", "S2", "S1", "S0", ""}, "S1"},
    {"RepeaterReferenceFollows",
     [](cmcEeprom& i) { WriteU16(i, kRememberedRepeater, 4); },
     7,
     4,
     6,
     kNameDown,
     4,
     {"S2", "S1", "S0"},
     "S0"},
    {"GpsGroupWithTheAlarm", Nothing, 6, 0, 2, kNameDown, 0, {"G2", "G1", "G0", "H0", "H1"}, "G2"},
    {"YourCallSigns", Nothing, 8, 0, 2, {SortKey::kCall, true}, 0, {"Y2", "Y1", "Y0"}, "-"},
};

class SortCaseTest : public ListSortTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortCaseTest, EntriesAndReferenceAfterTheSort) {
  const SortCase& c = GetParam();
  c.prepare(image_);
  SortBlock(image_, c.kind, c.first, c.last, c.order);
  const int shownLast = c.shownFirst + static_cast<int>(c.names.size()) - 1;
  EXPECT_EQ(Names(image_, c.kind, c.shownFirst, shownLast), c.names);
  EXPECT_EQ(ReferenceOf(image_, c.kind), c.reference);
}

INSTANTIATE_TEST_SUITE_P(Lists, SortCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ListSortTest, RecordsTakeTheirBankSlotsAndRpt1UseAlong) {
  SortBlock(image_, RecordKind::kChannel, 0, 9, kNameDown);
  RebuildBankTables(image_);
  EXPECT_EQ(NameOf(image_, RecordKind::kChannel, BankRowChannel(image_, 0, 0)), "C0");
  EXPECT_EQ(NameOf(image_, RecordKind::kChannel, BankRowChannel(image_, 0, 9)), "C7");
  SortBlock(image_, RecordKind::kRepeater, 0, 3, kNameDown);
  for (int position = 0; position < 4; ++position) {
    datCh entry(image_);
    entry.Load(RecordKind::kRepeater, position);
    const int was = ViewOf(entry.name)[1] - '0';  // R<n> stood at position n
    EXPECT_EQ(entry.rpt1Use, was % 2) << ViewOf(entry.name);
  }
}

TEST_F(ListSortTest, ScanLinksAndOtherListsStay) {
  const cmcEeprom before = image_;
  SortBlock(image_, RecordKind::kChannel, 0, 9, kNameDown);
  EXPECT_EQ(LinkMembers(image_, 0), LinkMembers(const_cast<cmcEeprom&>(before), 0));
  EXPECT_EQ(Names(image_, RecordKind::kChannel, 10, 553), Names(const_cast<cmcEeprom&>(before), 1, 10, 553));
  EXPECT_EQ(Names(image_, RecordKind::kRepeater, 0, 6), Names(const_cast<cmcEeprom&>(before), 7, 0, 6));
}

TEST_F(ListSortTest, BankRowsTakeTheirChannelsInKeyOrder) {
  const Strings channels = Names(image_, RecordKind::kChannel, 0, 9);
  SortBankRows(image_, 0, 0, 99, kNameDown);
  Strings rows;
  for (int row = 0; row < 10; ++row) {
    const int channel = BankRowChannel(image_, 0, row);
    rows.push_back(channel < 0 ? "" : NameOf(image_, RecordKind::kChannel, channel));
  }
  EXPECT_EQ(rows, (Strings{"C7", "C4", "C3", "C2", "C1", "C0", "", "", "", ""}));
  EXPECT_EQ(Names(image_, RecordKind::kChannel, 0, 9), channels);  // the channels stay where they are
  EXPECT_EQ(RememberedChannel(image_), "C5");
}

TEST(ListSortKeys, WhichListsHaveWhichKey) {
  struct Row {
    int kind;
    bool frequency, name, mode, call;
  };
  const Row rows[] = {
      {RecordKind::kChannel, true, true, true, true},    {RecordKind::kBankView, true, true, true, true},
      {RecordKind::kRepeater, true, true, true, true},   {RecordKind::kGps, false, true, false, false},
      {RecordKind::kYourCall, false, true, false, true}, {RecordKind::kBroadcastFm, false, false, false, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SortKeyApplies(row.kind, SortKey::kFrequency), row.frequency) << row.kind;
    EXPECT_EQ(SortKeyApplies(row.kind, SortKey::kName), row.name) << row.kind;
    EXPECT_EQ(SortKeyApplies(row.kind, SortKey::kMode), row.mode) << row.kind;
    EXPECT_EQ(SortKeyApplies(row.kind, SortKey::kCall), row.call) << row.kind;
  }
  for (const SortKey key : {SortKey::kFrequency, SortKey::kName, SortKey::kMode, SortKey::kCall}) {
    EXPECT_EQ(SortKeyOfWord(SortKeyWord(key)), key);
  }
  EXPECT_EQ(SortKeyOfWord("Name"), std::nullopt);
}

// --- Random documents ---

// What a channel is, apart from where it stands.
using ChannelContent = std::tuple<bool, std::uint32_t, std::string, int, int, int>;

ChannelContent ContentOf(cmcEeprom& image, int index) {
  datCh record(image);
  record.Load(RecordKind::kChannel, index);
  return {record.IsUsed(), record.frequency,   std::string(ViewOf(record.name)),
          record.bank,     record.bankChannel, record.skip};
}

std::vector<ChannelContent> Contents(cmcEeprom& image) {
  std::vector<ChannelContent> contents;
  for (int i = 0; i < 100; ++i) contents.push_back(ContentOf(image, i));
  return contents;
}

TEST(ListSortProperty, RandomChannelsComeOutInOrderWithEveryRecordAndReference) {
  ScopedDestination destination(0);
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    std::mt19937 random(seed);
    cmcEeprom image = RandomChannels(random);
    const SortOrder order{random() % 2 == 0 ? SortKey::kFrequency : SortKey::kName, random() % 2 == 0};
    const int remembered = ReadU16(image, kRememberedChannel);
    const std::optional<ChannelContent> rememberedContent =
        remembered == 0xFFFF ? std::nullopt : std::optional(ContentOf(image, remembered));
    std::vector<ChannelContent> before = Contents(image);

    SortBlock(image, RecordKind::kChannel, 0, 99, order);
    RebuildBankTables(image);

    ExpectReferencesValid(image);
    std::vector<ChannelContent> after = Contents(image);
    const auto used = static_cast<std::size_t>(
        std::count_if(after.begin(), after.end(), [](const ChannelContent& c) { return std::get<0>(c); }));
    EXPECT_TRUE(std::all_of(after.begin(), after.begin() + static_cast<long>(used),
                            [](const ChannelContent& c) { return std::get<0>(c); }))
        << "seed " << seed << ": unused channels last";
    for (std::size_t i = 1; i < used; ++i) {
      const ChannelContent& earlier = after[i - 1];
      const ChannelContent& later = after[i];
      const bool inOrder = order.key == SortKey::kFrequency
                               ? (order.descending ? std::get<1>(earlier) >= std::get<1>(later)
                                                   : std::get<1>(earlier) <= std::get<1>(later))
                               : (order.descending ? std::get<2>(earlier) >= std::get<2>(later)
                                                   : std::get<2>(earlier) <= std::get<2>(later));
      EXPECT_TRUE(inOrder) << "seed " << seed << " row " << i;
    }
    const cmcEeprom sorted = image;
    SortBlock(image, RecordKind::kChannel, 0, 99, order);
    EXPECT_EQ(FirstDifference(image, sorted), -1) << "seed " << seed << ": a sorted block stays";
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before) << "seed " << seed << ": the same records";
    if (rememberedContent) {
      const int now = ReadU16(image, kRememberedChannel);
      ASSERT_NE(now, 0xFFFF) << "seed " << seed;
      EXPECT_EQ(ContentOf(image, now), *rememberedContent) << "seed " << seed << ": the remembered channel";
    }
  }
}

}  // namespace

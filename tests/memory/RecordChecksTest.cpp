#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

#include "DestinationTestSupport.h"
#include "MemoryTestImages.h"
#include "RepeaterEntries.h"
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RecordChecks.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"
#include "support/FatalTrap.h"

namespace {

using Names = std::vector<std::string_view>;

Names FailedChecks(const datCh& record) {
  Names names;
  for (const RecordCheckFacts* check : RecordFindings(record)) names.push_back(check->name);
  return names;
}

constexpr std::uint8_t kFm = 0, kAm = 3;
constexpr std::uint8_t kStep5k = 0, kStep8k33 = 2, kStep25k = 8;

TEST(ChannelChecks, FrequencyOffsetModeAndStep) {
  const struct {
    const char* what;
    std::int32_t code;
    std::uint32_t frequency;
    std::uint32_t offset;
    std::uint8_t mode;
    std::uint8_t step;
    bool used;
    Names failed;
  } cases[] = {
      {"allowed FM channel", 14, 145000000, 600000, kFm, kStep5k, true, {}},
      {"rejected by the destination", 0, 150000000, 0, kFm, kStep5k, true, {"CheckFrequency"}},
      {"unknown destination rejects nothing", 16, 200000000, 0, kFm, kStep5k, true, {}},
      {"below 108 MHz",
       14,
       107995000,
       0,
       kFm,
       kStep5k,
       true,
       {"CheckFrequency", "CheckFrequencyRange", "CheckModeForBand"}},
      {"above 479 MHz", 15, 479005000, 0, kFm, kStep5k, true, {"CheckFrequency", "CheckFrequencyRange"}},
      {"479 MHz itself", 15, 479000000, 0, kFm, kStep5k, true, {}},
      {"offset off both grids", 14, 145000000, 8333, kFm, kStep5k, true, {"CheckOffsetGrid"}},
      {"offset off the grids in the air band", 14, 120000000, 8333, kAm, kStep25k, true, {}},
      {"offset on the 6.25 kHz grid", 14, 145000000, 6250, kFm, kStep5k, true, {}},
      {"AM in the air band", 14, 120000000, 0, kAm, kStep25k, true, {}},
      {"FM in the air band", 14, 120000000, 0, kFm, kStep25k, true, {"CheckModeForBand"}},
      {"AM above the air band", 14, 145000000, 0, kAm, kStep25k, true, {"CheckModeForBand"}},
      {"8.33 kHz step in the air band", 14, 136991666, 0, kAm, kStep8k33, true, {}},
      {"8.33 kHz step at 137 MHz", 15, 137000000, 0, kFm, kStep8k33, true, {"CheckStepForBand"}},
      {"an unused channel passes", 0, 50000000, 8333, 2, kStep8k33, false, {}},
  };
  cmcEeprom image = BlankImage();
  RebuildBankTables(image);
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    datCh record(image);
    record.Load(RecordKind::kChannel, 10);
    record.frequency = c.frequency;
    record.offset = c.offset;
    record.mode = c.mode;
    record.tuningStep = c.step;
    record.SetUsed(c.used);
    EXPECT_EQ(FailedChecks(record), c.failed) << c.what;
  }
}

TEST(ChannelChecks, BankConflictNeedsAUsedChannelInAClaimedSlot) {
  cmcEeprom image = BlankImage();
  datCh channel(image);
  const struct {
    int index;
    std::uint8_t bank;
    std::uint8_t bankChannel;
    bool used;
  } channels[] = {{3, 0, 5, true}, {7, 0, 5, true}, {8, 0, 6, true}, {9, 0, 5, false}};
  for (const auto& c : channels) {
    channel.Load(RecordKind::kChannel, c.index);
    channel.frequency = 145000000;
    channel.bank = c.bank;
    channel.bankChannel = c.bankChannel;
    channel.SetUsed(c.used);
    channel.Store(RecordKind::kChannel, c.index);
  }
  RebuildBankTables(image);
  const struct {
    int index;
    bool conflict;
  } cases[] = {{3, true}, {7, true}, {8, false}, {9, false}};
  for (const auto& c : cases) {
    channel.Load(RecordKind::kChannel, c.index);
    EXPECT_EQ(CheckBankConflict(channel), c.conflict) << c.index;
  }
  channel.Load(RecordKind::kChannel, 3);
  channel.bankChannel = 200;  // out of the bank: never looked up
  EXPECT_FALSE(CheckBankConflict(channel));
}

TEST(YourCallCheck, BlankAndRepeatedCallSignsFail) {
  cmcEeprom image = BlankImage();
  const char* calls[] = {"JA1ABC", "", "JA1ABC", "JA1ABD"};
  SetYourCallCount(image, 4);
  datCh entry(image);
  for (int i = 0; i < 4; ++i) {
    entry.Load(RecordKind::kNewYourCall, i);
    entry.callSign = MakeFixedText<8>(calls[i]);
    entry.Store(RecordKind::kYourCall, i);
  }
  const bool fails[] = {false, true, true, false};
  for (int i = 0; i < 4; ++i) {
    entry.Load(RecordKind::kYourCall, i);
    EXPECT_EQ(CheckYourCall(entry), fails[i]) << i;
  }
}

TEST(RepeaterCallCheck, OnlyTheFirstHolderOfACallSignPasses) {
  cmcEeprom image = ImageWithRepeaters({
      {0, "JR1YAA A", 439010000, 1},  // 0
      {0, "JR1YAA", 439030000, 1},    // 1: module space is module A
      {0, "JR1YAA B", 439050000, 1},  // 2: another module
      {1, "JR1FM", 145000000, 1},     // 3
      {1, "JR1FM", 435000000, 1},     // 4: another band group
      {2, "JR1FM", 146000000, 1},     // 5: FM-N in the group of 3
      {0, "JR1FM", 439070000, 1},     // 6: DV entries only meet DV entries
      {1, "JR1YAA A", 145500000, 1},  // 7: FM entries only meet FM entries
      {1, "ZERO", 0, 1},              // 8
      {1, "ZERO", 0, 1},              // 9: frequency 0 is a band of its own, shared
      {1, "ZERO", 30000000, 1},       // 10: group 0, unlike frequency 0
      {0, "", 439090000},             // 11
      {0, "", 439090000},             // 12: blank call signs pass
  });
  const bool fails[] = {false, true, false, false, false, true, false, false, false, true, false, false, false};
  datCh entry(image);
  for (int i = 0; i < 13; ++i) {
    entry.Load(RecordKind::kRepeater, i);
    EXPECT_EQ(CheckRepeaterCall(entry), fails[i]) << i;
  }
}

TEST(RepeaterChecks, FrequencyRangeAndDuplex) {
  const struct {
    const char* what;
    std::int32_t code;
    RepeaterEntry entry;
    Names failed;
  } cases[] = {
      {"DV repeater without frequency", 0, {0, "JR1YAA A", 0}, {}},
      {"DV simplex without frequency", 0, {0, "", 0}, {"CheckRepeaterFrequency"}},
      {"FM simplex without frequency", 0, {1, "", 0}, {"CheckRepeaterFrequency"}},
      {"FM repeater", 0, {1, "JR1FM", 145000000, 1}, {}},
      {"between the repeater bands", 0, {1, "JR1FM", 250000000, 1}, {"CheckRepeaterFrequency"}},
      {"unknown destination", 16, {1, "JR1FM", 250000000, 1}, {}},
      {"top of the range", 0, {1, "JR1FM", 1399995000, 1}, {}},
      {"above the range", 0, {1, "JR1FM", 1400000000, 1}, {"CheckRepeaterFrequency", "CheckRepeaterFrequencyRange"}},
      {"below the range", 0, {1, "JR1FM", 25000, 1}, {"CheckRepeaterFrequency", "CheckRepeaterFrequencyRange"}},
      {"above the range, destination unknown", 16, {1, "JR1FM", 1400000000, 1}, {"CheckRepeaterFrequencyRange"}},
      {"DV simplex with a duplex", 0, {0, "", 145000000, 2}, {"CheckRepeaterDuplex"}},
      {"DV repeater with a duplex", 0, {0, "JR1YAA A", 439010000, 2}, {}},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    cmcEeprom image = ImageWithRepeaters({c.entry});
    datCh entry(image);
    entry.Load(RecordKind::kRepeater, 0);
    EXPECT_EQ(FailedChecks(entry), c.failed) << c.what;
  }
}

// Broadcast group 0: an FM station at 80 MHz, AM stations at 1 MHz and 2 MHz.
cmcEeprom ImageWithBroadcasts() {
  cmcEeprom image = BlankImage();
  const std::uint32_t frequencies[] = {80000000, 1000000, 2000000};
  for (int record = 0; record < 3; ++record) {
    WriteU32(image, MemoryMap::kBroadcastMemories + MemoryMap::kBroadcastRecordSize * record, frequencies[record]);
    SetBroadcastSlotRecord(image, 0, record, static_cast<std::uint16_t>(record));
  }
  return image;
}

TEST(BroadcastCheck, FmAndAmListsByDestination) {
  const struct {
    std::int32_t code;
    int kind;
    int index;
    bool fails;
  } cases[] = {
      {0, RecordKind::kBroadcastFm, 0, true},   // 80 MHz below the 88 MHz FM band
      {2, RecordKind::kBroadcastFm, 0, false},  // inside the 76 MHz FM band
      {16, RecordKind::kBroadcastFm, 0, false}, {0, RecordKind::kBroadcastAm, 50, false},  // 1 MHz
      {0, RecordKind::kBroadcastAm, 51, true},                                             // 2 MHz above the AM band
      {0, RecordKind::kBroadcastAm, 52, false},                                            // empty position: not used
  };
  cmcEeprom image = ImageWithBroadcasts();
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    datCh memory(image);
    memory.Load(c.kind, c.index);
    EXPECT_EQ(CheckBroadcastFrequency(memory), c.fails) << c.code << " " << c.index;
  }
}

// Under destination 0 each record that a check judges fails one: channel 0, in bank A slot 0,
// is on an inhibited frequency with an offset off the grids; repeater 0 is an FM simplex
// entry without a frequency; your call sign 0 is blank; FM broadcast 0 is below the 88 MHz
// band and AM broadcast 51 above the AM band.
cmcEeprom ImageFailingOneCheckOfEachKind() {
  cmcEeprom image = ImageWithBroadcasts();
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 0, 1);
  StoreRepeater(image, 0, {1, "", 0});
  SetYourCallCount(image, 1);
  datCh record(image);
  record.Load(RecordKind::kNewYourCall, 0);
  record.callSign = MakeFixedText<8>("");
  record.Store(RecordKind::kYourCall, 0);
  record.Load(RecordKind::kChannel, 0);
  record.frequency = 150000000;
  record.offset = 8333;
  record.bank = 0;
  record.bankChannel = 0;
  record.SetUsed(true);
  record.Store(RecordKind::kChannel, 0);
  RebuildBankTables(image);
  return image;
}

TEST(ChecksOfKind, EachKindFindsTheChecksThatJudgeIt) {
  const Names channelChecks{"CheckFrequency",   "CheckFrequencyRange", "CheckOffsetGrid",
                            "CheckModeForBand", "CheckStepForBand",    "CheckBankConflict"};
  const Names repeaterChecks{"CheckRepeaterCall", "CheckRepeaterFrequency", "CheckRepeaterFrequencyRange",
                             "CheckRepeaterDuplex"};
  const struct {
    const char* what;
    int kind;
    int index;
    Names judged;
    Names failed;
  } cases[] = {
      {"memory channel", RecordKind::kChannel, 0, channelChecks, {"CheckFrequency", "CheckOffsetGrid"}},
      {"bank sheet row", RecordKind::kBankView, 0, channelChecks, {"CheckFrequency", "CheckOffsetGrid"}},
      {"FM broadcast", RecordKind::kBroadcastFm, 0, {"CheckBroadcastFrequency"}, {"CheckBroadcastFrequency"}},
      {"AM broadcast", RecordKind::kBroadcastAm, 51, {"CheckBroadcastFrequency"}, {"CheckBroadcastFrequency"}},
      {"your call sign", RecordKind::kYourCall, 0, {"CheckYourCall"}, {"CheckYourCall"}},
      {"repeater", RecordKind::kRepeater, 0, repeaterChecks, {"CheckRepeaterFrequency"}},
      {"GPS memory", RecordKind::kGps, 0, {}, {}},
      {"scan link row", RecordKind::kScanLink, 1, {}, {}},
      {"received call", RecordKind::kReceivedCall, 0, {}, {}},
      {"new repeater template", RecordKind::kNewRepeater, 0, {}, {}},
      {"no kind", RecordKind::kNone, 0, {}, {}},
  };
  ScopedDestination destination(0);
  cmcEeprom image = ImageFailingOneCheckOfEachKind();
  datCh record(image);
  for (const auto& c : cases) {
    Names judged;
    for (const RecordCheckFacts* check : ChecksOfKind(c.kind)) judged.push_back(check->name);
    EXPECT_EQ(judged, c.judged) << c.what;
    record.Load(c.kind, c.index);
    EXPECT_EQ(FailedChecks(record), c.failed) << c.what;
  }
}

TEST(ListFindings, NameListIndexAndFieldOfEveryFailure) {
  ScopedDestination destination(0);
  cmcEeprom image = ImageWithBroadcasts();
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 3, 2);
  StoreRepeater(image, 0, {1, "", 0});  // FM simplex without frequency
  StoreRepeater(image, 1, {0, "JR1YAA A", 439010000, 1});
  SetYourCallCount(image, 1);
  datCh record(image);
  record.Load(RecordKind::kNewYourCall, 0);
  record.callSign = MakeFixedText<8>("");
  record.Store(RecordKind::kYourCall, 0);
  const struct {
    int index;
    std::uint32_t frequency;
    std::uint32_t offset;
  } channels[] = {{5, 150000000, 0}, {6, 145000000, 8333}, {7, 145000000, 600000}};
  for (const auto& c : channels) {
    record.Load(RecordKind::kChannel, c.index);
    record.frequency = c.frequency;
    record.offset = c.offset;
    record.SetUsed(true);
    record.Store(RecordKind::kChannel, c.index);
  }
  RebuildBankTables(image);

  using Row = std::tuple<int, int, std::string_view, std::string_view>;
  std::vector<Row> rows;
  for (const ListFinding& f : ListFindings(image)) {
    rows.emplace_back(f.kind, f.index, f.check->name, f.check->field);
  }
  const std::vector<Row> expected{
      {RecordKind::kChannel, 5, "CheckFrequency", "frequency"},
      {RecordKind::kChannel, 6, "CheckOffsetGrid", "offset"},
      {RecordKind::kRepeater, 0, "CheckRepeaterFrequency", "frequency"},
      {RecordKind::kYourCall, 0, "CheckYourCall", "callSign"},
      {RecordKind::kBroadcastFm, 0, "CheckBroadcastFrequency", "frequency"},
      {RecordKind::kBroadcastAm, 51, "CheckBroadcastFrequency", "frequency"},
  };
  EXPECT_EQ(rows, expected);
}

TEST(ListFindings, SeverityOfTheErrorChecks) {
  for (const int kind :
       {RecordKind::kChannel, RecordKind::kRepeater, RecordKind::kYourCall, RecordKind::kBroadcastFm}) {
    for (const RecordCheckFacts* check : ChecksOfKind(kind)) {
      const bool isError = check->name == "CheckFrequencyRange" || check->name == "CheckBankConflict" ||
                           check->name == "CheckRepeaterFrequencyRange";
      EXPECT_EQ(check->severity == CheckSeverity::kError, isError) << check->name;
    }
  }
  EXPECT_TRUE(ChecksOfKind(RecordKind::kGps).empty());
}

TEST(ListFindings, DamagedImagesAreJudgedWithinTheirLists) {
  ScopedDestination destination(0);
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    cmcEeprom image = GarbageImage(seed);
    const std::vector<ListFinding> findings = ListFindings(image);
    EXPECT_FALSE(findings.empty()) << seed;
    for (const ListFinding& f : findings) {
      const int limit = f.kind == RecordKind::kChannel    ? 554
                        : f.kind == RecordKind::kRepeater ? 750
                        : f.kind == RecordKind::kYourCall ? 200
                                                          : 2600;
      EXPECT_GE(f.index, 0);
      EXPECT_LT(f.index, limit) << f.kind;
    }
  }
}

TEST(RecordChecks, ACheckThatReadsTheImageNeedsABoundRecord) {
  datCh record;
  record.callSign = MakeFixedText<8>("JA1ABC");
  EXPECT_EQ(FatalMessageOf([&] { CheckYourCall(record); }), "Record check on a record without an image.");
}

}  // namespace

#include <gtest/gtest.h>

#include "MemoryTestImages.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/PlainModelSettings.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

struct RepeaterSpec {
  std::uint8_t mode;
  const char* call;
  const char* gateway;
  const char* name;
  std::uint32_t frequency;
  std::uint8_t duplex;
};

// An image whose first entries are the given repeaters, all in group 0.
template <std::size_t N>
cmcEeprom ImageWithRepeaters(const RepeaterSpec (&specs)[N]) {
  cmcEeprom image = BlankImage();
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 0, static_cast<int>(N));
  datCh entry(image);
  for (std::size_t i = 0; i < N; ++i) {
    entry.Load(RecordKind::kNewRepeater, static_cast<int>(i));
    entry.mode = specs[i].mode;
    entry.callSign = MakeFixedText<8>(specs[i].call);
    entry.gateway = MakeFixedText<8>(specs[i].gateway);
    entry.name = MakeFixedText<16>(specs[i].name);
    entry.frequency = specs[i].frequency;
    entry.duplex = specs[i].duplex;
    entry.Store(RecordKind::kRepeater, static_cast<int>(i));
  }
  return image;
}

TEST(RepeaterGroups, CountsGiveStartsLastsAndGroups) {
  cmcEeprom image = BlankImage();
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 0, 3);
  SetGroupCount(image, 2, 2);
  SetGroupCount(image, 30, 9);  // ignored
  EXPECT_EQ(RepeaterCount(image), 5);
  EXPECT_EQ(GroupCount(image, 30), 0);
  EXPECT_EQ(GroupStart(image, 2), 3);
  EXPECT_EQ(GroupLast(image, 2), 4);
  EXPECT_EQ(GroupLast(image, 1), 2);
  EXPECT_EQ(GroupStart(image, -1), 0);
  const int groups[] = {0, 0, 0, 2, 2, 30};
  for (int position = 0; position < 6; ++position) EXPECT_EQ(GroupOf(image, position), groups[position]);
}

TEST(RepeaterGroups, CountsFromAnUnpackedImageNeverPassTheListEnd) {
  cmcEeprom image = BlankImage();  // every count reads 0xFFFF
  EXPECT_EQ(RepeaterCount(image), 750);
  EXPECT_EQ(GroupCount(image, 0), 750);
  EXPECT_EQ(GroupCount(image, 1), 0);
  EXPECT_EQ(GroupOf(image, 749), 0);
  EXPECT_EQ(YourCallCount(image), 200);
}

TEST(RepeaterEntry, EntryTypeIsDerivedAndApplied) {
  cmcEeprom image = BlankImage();
  SetGroupCount(image, 0, 1);
  datCh entry(image);
  entry.Load(RecordKind::kNewRepeater, 0);
  entry.SetUsed(true);
  struct Case {
    std::uint8_t mode;
    const char* call;
    std::uint8_t duplex;
    int type;
  };
  const Case derived[] = {{0, "JP1YIU A", 0, 0}, {0, "", 1, 1}, {1, "", 1, 2}, {2, "X", 0, 3}};
  for (const Case& c : derived) {
    entry.mode = c.mode;
    entry.callSign = MakeFixedText<8>(c.call);
    entry.duplex = c.duplex;
    EXPECT_EQ(entry.RepeaterEntryType(), c.type) << c.type;
  }
  entry.gateway = MakeFixedText<8>("JP1YIU G");
  entry.SetRepeaterEntryType(0);
  EXPECT_EQ(entry.callSign, MakeFixedText<8>("X"));
  entry.SetRepeaterEntryType(1);
  EXPECT_TRUE(IsBlank(entry.callSign));
  EXPECT_TRUE(IsBlank(entry.gateway));
  EXPECT_EQ(entry.mode, 0);
  entry.SetRepeaterEntryType(0);
  EXPECT_EQ(entry.callSign, MakeFixedText<8>("CALLSIGN"));
  entry.SetRepeaterEntryType(2);
  EXPECT_EQ(entry.duplex, 1);
  EXPECT_EQ(entry.mode, 1);
  entry.mode = 2;
  entry.SetRepeaterEntryType(3);
  EXPECT_EQ(entry.duplex, 0);
  EXPECT_EQ(entry.mode, 2);
  EXPECT_EQ(entry.RepeaterEntryType(), 3);
}

TEST(RepeaterEntry, NewEntryTemplateFollowsTheDestination) {
  cmcEeprom image = BlankImage();
  PlainModelSettings settings;
  InstallModelSettings(&settings);
  for (const std::int32_t destination : {0, 15}) {
    settings.destinationCode = destination;
    datCh entry(image);
    entry.Load(RecordKind::kNewRepeater, 0);
    EXPECT_FALSE(entry.IsUsed());
    EXPECT_EQ(entry.callSign, MakeFixedText<8>("CALLSIGN"));
    EXPECT_EQ(entry.duplex, destination == 15 ? 1 : 0);
    EXPECT_EQ(entry.offset, destination == 15 ? 5000000u : 0u);
    EXPECT_EQ(entry.repeaterTone, 8);
    EXPECT_EQ(entry.utcOffset, 0x7FFF);
    EXPECT_EQ(entry.gatewayReference, kNoRepeater);
  }
  InstallModelSettings(nullptr);
}

TEST(RepeaterLookUp, CallSignRules) {
  const RepeaterSpec specs[] = {
      {0, "JP1YIU B", "JP1YIU G", "Tokyo B", 439010000, 1},
      {0, "JP1YIU  ", "JP1YIU G", "Tokyo", 434000000, 1},
      {1, "JP1YIU A", "", "FM", 145000000, 1},
      {0, "JP1YIU A", "JP1YIU G", "Tokyo A", 1290000000, 1},
      {0, "", "", "Simplex", 145300000, 0},
  };
  cmcEeprom image = ImageWithRepeaters(specs);
  struct Case {
    const char* call;
    const char* repeaterCall;
    std::uint16_t found;
  };
  const Case cases[] = {
      {"JP1YIU A", "", 1},  // "A" and space are one module; FM entries do not count
      {"JP1YIU B", "", 0},
      {"JP1YIU C", "", kNoRepeater},
      {"/P1YIU B", "", kNoRepeater},  // slash: characters 2-7 against the first 6
      {"/JP1YIUB", "", 0},
      {"JP1YIU G", "", 1},  // gateway: the default module wins
      {"JP1YIU G", "JP1YIU B", 0},
      {"        ", "", kNoRepeater},
      {"JP1YIU A  ", "", 1},  // longer text with spaces only after the eighth
      {"JP1YIU A X", "", kNoRepeater},
      {"JP1YIU", "", kNoRepeater},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindRepeaterForCallSign(image, c.call, c.repeaterCall), c.found) << c.call;
  }
  EXPECT_EQ(FindRepeaterByName(image, MakeFixedText<16>("Simplex")), 4);
  EXPECT_EQ(FindRepeaterByNameWithCall(image, MakeFixedText<16>("Simplex")), kNoRepeater);
  EXPECT_EQ(FindRepeaterByName(image, MakeFixedText<16>("FM")), kNoRepeater);
  EXPECT_EQ(FindFmRepeater(image, MakeFixedText<8>("JP1YIU A"), 145000000), 2);
  EXPECT_EQ(FindFmRepeater(image, MakeFixedText<8>("JP1YIU A"), 145000001), kNoRepeater);
  SetGroupCount(image, 0, 2);  // only counted entries are searched
  EXPECT_EQ(FindRepeaterByName(image, MakeFixedText<16>("Simplex")), kNoRepeater);
}

TEST(YourCallLookUp, ExactLooseAndByName) {
  cmcEeprom image = BlankImage();
  SetYourCallCount(image, 3);
  const char* calls[] = {"JA1ABC  ", "JA1XYZ B", "JA1ABC  ", "JA1QQQ  "};
  datCh entry(image);
  for (int i = 0; i < 4; ++i) {
    entry.Load(RecordKind::kNewYourCall, i);
    entry.callSign = MakeFixedText<8>(calls[i]);
    entry.name = MakeFixedText<16>(i == 1 ? "Friend" : "");
    entry.Store(RecordKind::kYourCall, i);
  }
  EXPECT_EQ(FindYourCall(image, MakeFixedText<8>("JA1ABC")), 0);
  EXPECT_EQ(FindYourCall(image, MakeFixedText<8>("JA1QQQ")), kNoYourCall);  // not counted
  EXPECT_EQ(FindYourCallLoose(image, MakeFixedText<8>("JA1ABC D")), 0);
  EXPECT_EQ(FindYourCallLoose(image, MakeFixedText<8>("JA1XYZ C")), kNoYourCall);
  EXPECT_EQ(FindYourCallLoose(image, MakeFixedText<8>("/JA1ABC")), kNoYourCall);
  EXPECT_EQ(FindYourCallLoose(image, Spaces<8>()), kNoYourCall);
  EXPECT_EQ(FindYourCallByName(image, MakeFixedText<16>("Friend")), 1);
  entry.Load(RecordKind::kYourCall, 2);
  EXPECT_TRUE(entry.IsUsed());
  entry.Load(RecordKind::kYourCall, 3);
  EXPECT_FALSE(entry.IsUsed());
}

TEST(CallSignHelpers, CompletionAndDisplayNames) {
  const RepeaterSpec specs[] = {{0, "JP1YIU A", "JP1YIU G", "Tokyo A", 1290000000, 1},
                                {0, "JP1YIU B", "JP1YIU G", "", 439010000, 1}};
  cmcEeprom image = ImageWithRepeaters(specs);
  SetYourCallCount(image, 1);
  datCh friendEntry(image);
  friendEntry.Load(RecordKind::kNewYourCall, 0);
  friendEntry.callSign = MakeFixedText<8>("JA1ABC");
  friendEntry.name = MakeFixedText<16>("Friend");
  friendEntry.Store(RecordKind::kYourCall, 0);

  datCh channel(image);
  channel.Load(RecordKind::kChannel, 0);
  channel.yourCall = Spaces<8>();
  channel.rpt1 = MakeFixedText<8>("JP1YIU G");
  channel.rpt2 = Spaces<8>();
  channel.CompleteRepeaterCalls();
  EXPECT_EQ(channel.yourCall, MakeFixedText<8>("CQCQCQ"));
  EXPECT_EQ(channel.rpt1, MakeFixedText<8>("JP1YIU"));
  EXPECT_EQ(channel.rpt2, MakeFixedText<8>("JP1YIU G"));

  channel.yourCall = MakeFixedText<8>("JA1ABC");
  channel.rpt1 = MakeFixedText<8>("JP1YIU B");
  channel.DeriveDisplayNames();
  EXPECT_EQ(channel.yourCallName, MakeFixedText<16>("Friend"));
  EXPECT_EQ(channel.yourCallFound, 0);
  EXPECT_EQ(channel.rpt1Name, MakeFixedText<16>("JP1YIU B"));  // nameless entry: its call sign
  EXPECT_EQ(channel.rpt1Found, 1);
  EXPECT_EQ(channel.rpt2Name, MakeFixedText<16>("Tokyo A"));
  EXPECT_EQ(channel.rpt2Found, 0);
  channel.yourCall = MakeFixedText<8>("JA9ZZZ");
  channel.DeriveDisplayNames();
  EXPECT_EQ(channel.yourCallName, MakeFixedText<16>("JA9ZZZ"));
  EXPECT_EQ(channel.yourCallFound, kNoEntryFound);
}

}  // namespace

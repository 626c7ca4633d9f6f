#include <gtest/gtest.h>

#include "DestinationTestSupport.h"
#include "RepeaterEntries.h"
#include "memory/RepeaterUse.h"
#include "memory/indRptStatusKeep.h"

namespace {

constexpr std::uint8_t kDv = 0, kFm = 1;

TEST(SetRepeaterUse, OnlyEntriesThatCanServeAsRpt1GetTheFlag) {
  const struct {
    const char* what;
    std::int32_t code;
    RepeaterEntry entry;
    bool on;
    std::uint8_t flag;
  } cases[] = {
      {"DV repeater with a duplex", 0, {kDv, "JR1YAA A", 439010000, 1}, true, 1},
      {"DV repeater without a duplex", 0, {kDv, "JR1YAA A", 439010000, 0}, true, 0},
      {"DV simplex without a duplex", 0, {kDv, "", 145000000, 0}, true, 1},
      {"DV simplex with a duplex", 0, {kDv, "", 145000000, 1}, true, 0},
      {"FM repeater", 0, {kFm, "JR1FM", 145500000, 1}, true, 1},
      {"FM simplex", 0, {kFm, "", 146000000, 0}, true, 1},
      {"no frequency", 0, {kDv, "JR1YAA A", 0, 1}, true, 0},
      {"rejected by the destination", 0, {kFm, "JR1FM", 150000000, 1}, true, 0},
      {"air band, allowed by the destination", 14, {kFm, "JR1FM", 120000000, 1}, true, 0},
      {"outside the repeater bands", 0, {kFm, "JR1FM", 250000000, 1}, true, 0},
      {"unknown destination rejects nothing", 16, {kFm, "JR1FM", 250000000, 1}, true, 1},
      {"flag already set and kept", 0, {kDv, "JR1YAA A", 439010000, 0, 1}, true, 1},
      {"cleared", 0, {kFm, "JR1FM", 150000000, 1, 1}, false, 0},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    cmcEeprom image = ImageWithRepeaters({c.entry});
    SetRepeaterUse(c.on, image, 0, 0);
    EXPECT_EQ(Rpt1UseAt(image, 0), c.flag) << c.what;
  }
}

TEST(SetRepeaterUse, ActsOnUsedEntriesOfTheRangeAndCountsChanges) {
  ScopedDestination destination(0);
  cmcEeprom image = ImageWithRepeaters({
      {kFm, "A", 145000000, 1, 1},
      {kFm, "B", 145100000, 1, 1},
      {kFm, "C", 145200000, 1, 0},
      {kFm, "D", 145300000, 1, 1},
  });
  StoreRepeater(image, 4, {kFm, "E", 145400000, 1, 1});  // past the list's end: not used
  EXPECT_EQ(SetRepeaterUse(false, image, 1, 4), 2);
  const std::uint8_t cleared[] = {1, 0, 0, 0, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Rpt1UseAt(image, i), cleared[i]) << i;
  EXPECT_EQ(SetRepeaterUse(true, image, -20, 5000), 3);
  const std::uint8_t set[] = {1, 1, 1, 1, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Rpt1UseAt(image, i), set[i]) << i;
}

struct KeptFlagCase {
  RepeaterEntry entry;  // rpt1Use: the flag before Apply
  std::uint8_t flagAfter;
};

TEST(indRptStatusKeep, NewEntriesTakeTheFlagOfTheFirstMatchingOldEntry) {
  ScopedDestination destination(0);
  const cmcEeprom old = ImageWithRepeaters({
      {kDv, "JR1YAA A", 439010000, 1, 1},
      {kDv, "", 145000000, 0, 1},
      {kFm, "JR1FM", 145500000, 1, 1},
      {kFm, "", 146000000, 0, 1},
      {kFm, "JR1FM2", 145600000, 0, 1},
      {kDv, "JR1ZZZ A", 439050000, 1, 0},
      {kDv, "JR1ZZZ A", 439050000, 1, 1},  // a later match is never reached
  });
  const KeptFlagCase cases[] = {
      {{kDv, "JR1YAA A", 430000000, 1}, 1},     // DV with a call sign: the call sign decides
      {{kDv, "", 145000000}, 1},                // DV simplex: the same frequency
      {{kDv, "", 145100000}, 0},                // DV simplex elsewhere
      {{kFm, "JR1FM", 146000000, 1}, 1},        // FM repeater: the same band group
      {{kFm, "JR1FM", 435000000, 1}, 0},        // another band group
      {{kFm, "JR1FM", 145500000, 0}, 0},        // duplex on one side only
      {{kFm, "", 146000000}, 1},                // FM simplex: the same frequency
      {{kFm, "JR1FM2", 145700000}, 0},          // no duplex: the frequency must match
      {{kFm, "JR1YAA A", 439010000, 1}, 0},     // DV and FM never match
      {{kDv, "JR1ZZZ A", 439050000, 1, 1}, 0},  // the old flag is taken, also when clear
      {{kFm, "", 0}, 0},
  };
  std::vector<RepeaterEntry> entries;
  for (const KeptFlagCase& c : cases) entries.push_back(c.entry);
  cmcEeprom target = ImageWithRepeaters(entries);

  indRptStatusKeep keeper;
  keeper.TakeOld(old, 0, 6);
  keeper.SetTarget(target, 0, static_cast<int>(entries.size()) - 1);
  keeper.Apply();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(Rpt1UseAt(target, static_cast<int>(i)), cases[i].flagAfter) << i;
  }
}

TEST(indRptStatusKeep, OnlyTheGivenRangesTakePart) {
  ScopedDestination destination(0);
  const cmcEeprom old = ImageWithRepeaters({
      {kFm, "A", 145000000, 1, 1},
      {kFm, "B", 145100000, 1, 1},
  });
  cmcEeprom target = ImageWithRepeaters({
      {kFm, "A", 145000000, 1},
      {kFm, "B", 145100000, 1},
      {kFm, "A", 145000000, 1},
  });
  indRptStatusKeep keeper;
  keeper.TakeOld(old, 1, 0);        // reversed: old entry 1 only
  keeper.SetTarget(target, 1, -5);  // reversed: new entry 1 only
  keeper.Apply();
  EXPECT_EQ(Rpt1UseAt(target, 0), 0);
  EXPECT_EQ(Rpt1UseAt(target, 1), 1);
  EXPECT_EQ(Rpt1UseAt(target, 2), 0);

  keeper.TakeOld(old, -3, 900);  // positions outside the list are passed over
  keeper.SetTarget(target, 2, 2000);
  keeper.Apply();
  EXPECT_EQ(Rpt1UseAt(target, 2), 1);
}

TEST(indRptStatusKeep, WithoutATargetNothingHappens) {
  const cmcEeprom old = ImageWithRepeaters({{kFm, "A", 145000000, 1, 1}});
  cmcEeprom copy;
  copy.Assign(old);
  indRptStatusKeep keeper;
  keeper.TakeOld(copy, 0, 0);
  keeper.Apply();
  EXPECT_TRUE(copy.IsEqual(old));
}

}  // namespace

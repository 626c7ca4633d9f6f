#include <gtest/gtest.h>

#include <vector>

#include "DestinationTestSupport.h"
#include "memory/DefaultImages.h"
#include "memory/SnapFrequency.h"
#include "memory/indDestination.h"

namespace {

TEST(BandNumber, BandEdges) {
  const struct {
    Hertz f;
    int band;
  } cases[] = {
      {0, 5},         {107999999, 5}, {108000000, 0}, {136999999, 0}, {137000000, 1}, {174000000, 1},
      {174000001, 2}, {379999999, 2}, {380000000, 3}, {479000000, 3}, {479000001, 4}, {0xFFFFFFFF, 4},
  };
  for (const auto& c : cases) EXPECT_EQ(indDestination::BandNumber(c.f), c.band) << c.f;
}

TEST(RepeaterBandGroup, UpperBoundsDecide) {
  const struct {
    Hertz f;
    int group;
  } cases[] = {
      {0, 0},         {99999999, 0},   {100000000, 1},  {199999999, 1},  {200000000, 2},  {499999999, 2},
      {500000000, 3}, {1300000000, 3}, {1399999999, 3}, {1400000000, 4}, {0xFFFFFFFF, 4},
  };
  for (const auto& c : cases) EXPECT_EQ(indDestination::RepeaterBandGroup(c.f), c.group) << c.f;
}

TEST(IsFrequencyRejected, ByDestinationAndFlags) {
  const struct {
    std::int32_t code;
    bool expansion;
    bool fcc;
    Hertz f;
    bool rejected;
  } cases[] = {
      {0, false, false, 146010000, false},  {0, false, false, 144000000, false},
      {0, false, false, 143999999, true},   {0, false, false, 148000000, false},
      {0, false, false, 148000001, true},   {0, false, false, 420000000, false},
      {0, false, false, 450000000, false},  {0, false, false, 450000001, true},
      {0, false, false, 120000000, true},  // inside a receive band, but inhibited
      {0, true, false, 108000000, false},   {0, true, false, 120000000, false},
      {0, true, false, 174000000, false},   {0, true, false, 174000001, true},
      {0, true, false, 200000000, true},    {0, true, false, 380000000, false},
      {0, true, false, 479000000, false},   {0, true, false, 479000001, true},
      {0, true, false, 107999999, true},    {0, false, true, 146010000, false},
      {0, true, true, 850000000, true},     {1, false, false, 425000000, true},
      {1, false, false, 430000000, false},  {14, false, false, 120000000, false},
      {14, false, false, 136999999, false}, {14, false, false, 137000000, true},
      {14, false, false, 434000000, false}, {14, false, false, 434500000, true},
      {14, false, false, 435000000, false}, {14, false, false, 438000001, true},
      {15, false, false, 382099999, true},  {15, false, false, 382100000, false},
      {15, false, false, 411895000, false}, {15, false, false, 411895001, true},
      {15, false, false, 415100000, false}, {16, false, false, 0, false},
      {16, false, false, 200000000, false}, {16, false, false, 0xFFFFFFFF, false},
      {-1, false, false, 200000000, false},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code, c.expansion, c.fcc);
    EXPECT_EQ(indDestination(c.code).IsFrequencyRejected(c.f), c.rejected)
        << "code " << c.code << " expansion " << c.expansion << " fcc " << c.fcc << " f " << c.f;
  }
}

TEST(IsFrequencyAllowed, RowsOfTheLastAppliedDestinationDecide) {
  ScopedDestination destination(0);
  EXPECT_FALSE(indDestination(0).IsFrequencyAllowed(120000000));
  indDestination(14).ApplyDestination();
  EXPECT_TRUE(indDestination(0).IsFrequencyAllowed(120000000));
}

// The column "allowed without receive expansion" of the destination rows.
TEST(AllowedRanges, WithoutExpansionEveryDestination) {
  const std::vector<FrequencyRange> vhf144to148{{144000000, 148000000}};
  const struct {
    std::int32_t code;
    std::vector<FrequencyRange> allowed;
  } cases[] = {
      {0, {{144000000, 148000000}, {420000000, 450000000}}},
      {1, {{144000000, 148000000}, {430000000, 450000000}}},
      {2, {{144000000, 148000000}, {420000000, 450000000}}},
      {3, {{144000000, 148000000}, {430000000, 440000000}}},
      {4, {{144000000, 146000000}, {430000000, 432000000}}},
      {5, {{144000000, 146000000}, {430000000, 440000000}}},
      {6, {{144000000, 146000000}, {432000000, 438000000}}},
      {7, {{144000000, 146000000}, {430000000, 440000000}}},
      {8, {{144000000, 146000000}, {430000000, 440000000}}},
      {9, {{144000000, 146000000}, {430000000, 440000000}}},
      {10, {{140000000, 150000000}, {430000000, 440000000}}},
      {11, {{140000000, 150000000}, {430000000, 440000000}}},
      {12, {{140000000, 150000000}, {430000000, 440000000}}},
      {13, {{144000000, 148000000}, {430000000, 440000000}}},
      {14, {{108000000, 136999999}, {144000000, 146000000}, {430000000, 434000000}, {435000000, 438000000}}},
      {15, {{108000000, 174000000}, {382100000, 411895000}, {415100000, 479000000}}},
      {16, {{108000000, 174000000}, {382100000, 411895000}, {415100000, 479000000}}},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    EXPECT_EQ(indDestination::AllowedRanges(false), c.allowed) << "code " << c.code;
  }
}

TEST(AllowedRanges, WithExpansionTheWholeReceiveBands) {
  ScopedDestination destination(4);
  const std::vector<FrequencyRange> bands{{108000000, 174000000}, {380000000, 479000000}};
  EXPECT_EQ(indDestination::AllowedRanges(true), bands);
}

TEST(RepeaterFrequency, BandsAndRejection) {
  const struct {
    Hertz f;
    bool inBands;
  } cases[] = {
      {0, true},          {29999, false},      {30000, true},      {99999999, true},   {100000000, true},
      {199999999, true},  {200000000, false},  {399999999, false}, {400000000, true},  {499999999, true},
      {500000000, false}, {1199999999, false}, {1200000000, true}, {1399999999, true}, {1400000000, false},
  };
  ScopedDestination destination(3);
  for (const auto& c : cases) {
    EXPECT_EQ(indDestination::InRepeaterBands(c.f), c.inBands) << c.f;
    EXPECT_EQ(indDestination(3).IsRepeaterFrequencyRejected(c.f), !c.inBands) << c.f;
    EXPECT_FALSE(indDestination(16).IsRepeaterFrequencyRejected(c.f)) << c.f;
  }
}

TEST(BroadcastFrequency, RangesByDestinationAndList) {
  const struct {
    std::int32_t code;
    int list;
    Hertz f;
    bool rejected;
  } cases[] = {
      {0, kBroadcastListFm, 87999999, true},
      {0, kBroadcastListFm, 88000000, false},
      {0, kBroadcastListFm, 108000000, false},
      {0, kBroadcastListFm, 108000001, true},
      {1, kBroadcastListFm, 80000000, true},
      {2, kBroadcastListFm, 76000000, false},
      {2, kBroadcastListFm, 75999999, true},
      {15, kBroadcastListFm, 80000000, false},
      {0, kBroadcastListAm, 519999, true},
      {0, kBroadcastListAm, 520000, false},
      {0, kBroadcastListAm, 1710000, false},
      {0, kBroadcastListAm, 1710001, true},
      {0, 2, 100000000, true},
      {16, kBroadcastListFm, 1, false},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    EXPECT_EQ(indDestination(c.code).IsBroadcastFrequencyRejected(c.list, c.f), c.rejected)
        << "code " << c.code << " list " << c.list << " f " << c.f;
  }
}

TEST(DefaultOffset, FromTheRowsAndTheDefaultsTemplates) {
  const struct {
    std::int32_t code;
    int group;
    Hertz offset;
  } cases[] = {
      {0, 0, 500000},  {0, 1, 600000},    {0, 2, 5000000}, {0, 3, 12000000},  {0, 4, 500000},    {4, 0, 0},
      {4, 1, 0},       {4, 2, 0},         {4, 3, 0},       {6, 2, 4600000},   {12, 3, 0},        {13, 3, 0},
      {15, 0, 100000}, {15, 3, 20000000}, {15, 1, 0},      {16, 3, 20000000}, {10, 3, 28000000},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    cmcEeprom defaults;
    BuildDefaultsImage(defaults);
    EXPECT_EQ(indDestination(c.code).DefaultOffset(defaults, c.group), c.offset)
        << "code " << c.code << " group " << c.group;
  }
}

TEST(ReapplyDefaultOffset, KeepsTheOffsetWithinItsBandGroup) {
  ScopedDestination destination(0);
  cmcEeprom defaults;
  BuildDefaultsImage(defaults);
  const indDestination rules(0);
  const struct {
    Hertz newF;
    Hertz oldF;
    Hertz expected;
  } cases[] = {
      {146000000, 145000000, 1234500},  // same group: kept
      {435000000, 145000000, 5000000},  // to UHF: the UHF template's offset
      {145000000, 0, 600000},           // from no frequency: the VHF template's offset
      {0, 145000000, 500000},           // to no frequency: group 0 default
      {50000000, 52000000, 1234500},   {0, 0, 1234500}, {1290000000, 435000000, 12000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rules.ReapplyDefaultOffset(defaults, c.newF, c.oldF, 1234500), c.expected) << c.oldF << " -> " << c.newF;
  }
}

TEST(SnapFrequency, NearestRasterPoint) {
  const struct {
    Hertz f;
    bool allow8_33kHz;
    Hertz snapped;
  } cases[] = {
      {145012500, false, 145012500},  // exact on 6.25 kHz
      {145013000, false, 145012500},  // 6.25 kHz point 500 Hz away beats 5 kHz 2,000 Hz away
      {118008000, true, 118008333},   // 8.33 kHz point 333 Hz away
      {118008000, false, 118006250},
      {118010000, true, 118010000},   // exact on 5 kHz
      {145002500, true, 145005000},   // equal distance: 5 kHz wins
      {145049999, false, 145050000},  // rounds into the next block
      {0, true, 0},
      {0xFFFFFFFF, true, 4294966666},  // top of the scale does not wrap
  };
  for (const auto& c : cases) EXPECT_EQ(SnapFrequency(c.f, c.allow8_33kHz), c.snapped) << c.f;
}

TEST(SnapFrequency, BandRuleAllows8_33kHzInTheAirBandOnly) {
  EXPECT_EQ(SnapChannelFrequency(118008000), 118008333u);
  EXPECT_EQ(SnapChannelFrequency(136991000), 136991666u);
  EXPECT_EQ(SnapChannelFrequency(145008000), 145006250u);
}

}  // namespace

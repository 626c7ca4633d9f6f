#include <gtest/gtest.h>

#include "DestinationTestSupport.h"
#include "MemoryTestImages.h"
#include "memory/DefaultImages.h"
#include "memory/FixedDefaults.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "memory/RecordChecks.h"
#include "memory/datCh.h"
#include "support/FatalTrap.h"

namespace {

using namespace MemoryMap;

cmcEeprom DefaultsFor(std::int32_t code, bool receiveExpansion = false, bool fccInhibit = false) {
  ScopedDestination destination(code, receiveExpansion, fccInhibit);
  cmcEeprom defaults;
  BuildDefaultsImage(defaults);
  return defaults;
}

datCh Loaded(cmcEeprom& image, int kind, int index) {
  datCh record(image);
  record.Load(kind, index);
  return record;
}

// The telling values of each destination's default image, in kHz: channel 0 (frequency,
// offset, tuning step code), channel 1, and the three scan edge pairs.
struct TellingValues {
  std::int32_t code;
  std::uint32_t vhf, vhfOffset;
  std::uint8_t vhfStep;
  std::uint32_t uhf, uhfOffset;
  std::uint8_t uhfStep;
  std::uint32_t edges[3][2];
};

constexpr std::uint8_t k5 = 0, k20 = 7, k25 = 8, kAuto = 14;

const TellingValues kTelling[] = {
    {0, 146010, 600, k5, 440000, 5000, k25, {{144000, 450000}, {144000, 148000}, {420000, 450000}}},
    {1, 146010, 600, k5, 440000, 5000, k25, {{144000, 450000}, {144000, 148000}, {430000, 450000}}},
    {2, 145000, 600, k25, 430000, 5000, k25, {{144000, 450000}, {144000, 148000}, {420000, 450000}}},
    {3, 145000, 600, k5, 430000, 5000, k20, {{144000, 440000}, {144000, 148000}, {430000, 440000}}},
    {4, 145000, 0, k20, 430000, 0, k20, {{144000, 432000}, {144000, 146000}, {430000, 432000}}},
    {5, 145000, 600, k20, 433000, 5000, k20, {{144000, 440000}, {144000, 146000}, {430000, 440000}}},
    {6, 145000, 600, k25, 432000, 4600, k25, {{144000, 438000}, {144000, 146000}, {432000, 438000}}},
    {7, 145000, 600, k25, 430000, 7600, k25, {{144000, 440000}, {144000, 146000}, {430000, 440000}}},
    {8, 145000, 600, k25, 430000, 7600, k25, {{144000, 440000}, {144000, 146000}, {430000, 440000}}},
    {9, 145000, 600, k25, 430000, 1600, k25, {{144000, 440000}, {144000, 146000}, {430000, 440000}}},
    {10, 145000, 600, k25, 430000, 7600, k25, {{140000, 440000}, {140000, 150000}, {430000, 440000}}},
    {11, 145000, 0, k25, 430000, 1600, k25, {{140000, 440000}, {140000, 150000}, {430000, 440000}}},
    {12, 146520, 600, k5, 430000, 5000, k25, {{140000, 440000}, {140000, 150000}, {430000, 440000}}},
    {13, 146520, 600, k5, 430000, 5000, k25, {{144000, 440000}, {144000, 148000}, {430000, 440000}}},
    {14, 145000, 600, k25, 430000, 7600, k25, {{108000, 438000}, {144000, 146000}, {430000, 438000}}},
    {15, 145000, 0, kAuto, 433000, 5000, kAuto, {{108000, 479000}, {144000, 146000}, {430000, 440000}}},
};

void ExpectChannel(cmcEeprom& image, int index, std::uint32_t kHz, std::uint32_t offsetKHz, std::uint8_t step) {
  const datCh channel = Loaded(image, RecordKind::kChannel, index);
  EXPECT_TRUE(channel.IsUsed()) << index;
  EXPECT_EQ(channel.frequency, kHz * 1000) << index;
  EXPECT_EQ(channel.offset, offsetKHz * 1000) << index;
  EXPECT_EQ(channel.tuningStep, step) << index;
  EXPECT_EQ(channel.mode, 0) << index;  // FM
}

TEST(DefaultImages, EveryImagePassesTheIdentityCheck) {
  for (std::int32_t code = 0; code < 16; ++code) {
    cmcEeprom image;
    image.SetSize(kDefaultImageSize);
    WriteDefaultImage(image, code);
    EXPECT_TRUE(CheckImageIdentity(image, 3, true)) << code;
  }
}

TEST(DefaultImages, NewDocumentsPassEveryRecordCheck) {
  for (std::int32_t code = 0; code < 16; ++code) {
    for (const bool expansion : {false, true}) {
      cmcEeprom defaults = DefaultsFor(code, expansion, expansion);
      ScopedDestination destination(code, expansion, expansion);
      const std::vector<ListFinding> findings = ListFindings(defaults);
      EXPECT_TRUE(findings.empty()) << "code " << code << ": " << findings.front().check->name << " at kind "
                                    << findings.front().kind << " index " << findings.front().index;
    }
  }
}

TEST(DefaultImages, HoldTheTellingValuesOfTheirDestination) {
  for (const TellingValues& t : kTelling) {
    SCOPED_TRACE(t.code);
    cmcEeprom defaults = DefaultsFor(t.code);
    ExpectChannel(defaults, 0, t.vhf, t.vhfOffset, t.vhfStep);
    ExpectChannel(defaults, 1, t.uhf, t.uhfOffset, t.uhfStep);
    ExpectChannel(defaults, 550, t.vhf, t.vhfOffset, t.vhfStep);
    ExpectChannel(defaults, 551, t.vhf, t.vhfOffset, t.vhfStep);
    ExpectChannel(defaults, 552, t.uhf, t.uhfOffset, t.uhfStep);
    ExpectChannel(defaults, 553, t.uhf, t.uhfOffset, t.uhfStep);
    for (int pair = 0; pair < 3; ++pair) {
      for (int edge = 0; edge < 2; ++edge) {
        const datCh record = Loaded(defaults, RecordKind::kChannel, 500 + 2 * pair + edge);
        EXPECT_TRUE(record.IsUsed());
        EXPECT_EQ(record.frequency, t.edges[pair][edge] * 1000) << "pair " << pair;
      }
    }
    const datCh fm = Loaded(defaults, RecordKind::kNewBroadcastFm, 0);
    EXPECT_EQ(fm.frequency, t.code == 15 ? 76000000u : 88000000u);
    EXPECT_EQ(Loaded(defaults, RecordKind::kNewBroadcastAm, 0).frequency, 1620000u);
  }
}

TEST(DefaultImages, OnlyTheTabledChannelsAreUsed) {
  cmcEeprom defaults = DefaultsFor(7);
  for (int index = 0; index < kChannelIndexCount; ++index) {
    const bool tabled = index < 2 || (index >= 500 && index < 506) || index >= 550;
    EXPECT_EQ(Loaded(defaults, RecordKind::kChannel, index).IsUsed(), tabled) << index;
  }
}

TEST(DefaultImages, EveryDefaultChannelHasToneOffAndNoDuplex) {
  cmcEeprom defaults = DefaultsFor(0);
  for (const int index : {0, 1, 500, 501, 502, 503, 504, 505, 550, 551, 552, 553}) {
    const datCh channel = Loaded(defaults, RecordKind::kChannel, index);
    EXPECT_EQ(channel.repeaterTone, 8) << index;
    EXPECT_EQ(channel.toneMode, 0) << index;
    EXPECT_EQ(channel.duplex, 0) << index;
  }
}

TEST(DefaultImages, BandTemplatesAreTheAirBandAndChannelsZeroAndOne) {
  cmcEeprom defaults = DefaultsFor(2);
  const datCh air = Loaded(defaults, RecordKind::kBandTemplate, 0);
  EXPECT_EQ(air.frequency, 127000000u);
  EXPECT_EQ(air.mode, 3);        // AM
  EXPECT_EQ(air.tuningStep, 8);  // 25 kHz
  for (int t = 1; t < 3; ++t) {
    const datCh bandTemplate = Loaded(defaults, RecordKind::kBandTemplate, t);
    const datCh channel = Loaded(defaults, RecordKind::kChannel, t - 1);
    EXPECT_EQ(bandTemplate.frequency, channel.frequency);
    EXPECT_EQ(bandTemplate.offset, channel.offset);
    EXPECT_EQ(bandTemplate.mode, channel.mode);
    EXPECT_EQ(bandTemplate.tuningStep, channel.tuningStep);
    EXPECT_EQ(bandTemplate.repeaterTone, channel.repeaterTone);
    EXPECT_EQ(bandTemplate.toneSquelchTone, channel.toneSquelchTone);
    EXPECT_EQ(bandTemplate.toneMode, channel.toneMode);
    EXPECT_EQ(bandTemplate.duplex, channel.duplex);
    EXPECT_EQ(bandTemplate.audioFrequency, channel.audioFrequency);
    EXPECT_EQ(bandTemplate.yourCall, channel.yourCall);
  }
  // The radio's own copy and the program-side copy agree.
  for (int i = 0; i < 3 * kBandTemplateSize; ++i) {
    EXPECT_EQ(defaults.GetByte(kRadioBandTemplates + i), defaults.GetByte(kBandTemplates + i));
  }
}

TEST(DefaultImages, NameAreasHoldSpaces) {
  const struct {
    Address start;
    int bytes;
  } areas[] = {
      {kImageComment, 16},       {kBankNames, 26 * 16},           {kScanEdgeNames, 25 * 16},
      {kScanLinkNames, 10 * 16}, {kBroadcastGroupNames, 26 * 16}, {kRepeaterGroupNames, 30 * 16},
      {kMyCallSigns, 6 * 12},    {kTransmitMessages, 5 * 20},     {kGpsGroupNames, 26 * 16},
  };
  cmcEeprom defaults = DefaultsFor(11);
  for (const auto& area : areas) {
    for (int i = 0; i < area.bytes; ++i) {
      ASSERT_EQ(defaults.GetByte(area.start + i), ' ') << area.start + i;
    }
  }
}

TEST(DefaultImages, ListsOtherThanChannelsAreEmpty) {
  cmcEeprom defaults = DefaultsFor(5);
  EXPECT_FALSE(Loaded(defaults, RecordKind::kRepeater, 0).IsUsed());
  EXPECT_FALSE(Loaded(defaults, RecordKind::kYourCall, 0).IsUsed());
  EXPECT_FALSE(Loaded(defaults, RecordKind::kGps, 0).IsUsed());
  EXPECT_FALSE(Loaded(defaults, RecordKind::kBroadcastFm, 0).IsUsed());
}

TEST(DefaultImages, CodesOutsideTheDestinationsUseImageZero) {
  cmcEeprom zero = BlankImage();
  WriteDefaultImage(zero, 0);
  for (const std::int32_t code : {16, 17, -1}) {
    cmcEeprom image = BlankImage();
    WriteDefaultImage(image, code);
    EXPECT_EQ(FirstDifference(image, zero), -1) << code;
  }
  EXPECT_EQ(FirstDifference(DefaultsFor(16), DefaultsFor(0)), -1);
}

TEST(DefaultImages, DefaultsAreAFixedPointOfTheMerge) {
  for (const std::int32_t code : {0, 4, 15}) {
    const cmcEeprom defaults = DefaultsFor(code);
    ScopedDestination destination(code);
    cmcEeprom merged;
    merged.Assign(defaults);
    MergeFixedDefaults(merged, defaults);
    EXPECT_EQ(FirstDifference(merged, defaults), -1) << code;
  }
}

TEST(DefaultImages, ASmallerImageIsADefect) {
  cmcEeprom small;
  small.SetSize(kDefaultImageSize - 1);
  EXPECT_EQ(FatalMessageOf([&] { WriteDefaultImage(small, 0); }), "Default image written into a smaller image.");
}

}  // namespace

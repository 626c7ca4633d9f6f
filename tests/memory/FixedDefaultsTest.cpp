#include <gtest/gtest.h>

#include <string>

#include "DestinationTestSupport.h"
#include "MemoryTestImages.h"
#include "RepeaterEntries.h"
#include "memory/ChannelList.h"
#include "memory/DefaultImages.h"
#include "memory/FixedDefaults.h"
#include "memory/ListPacking.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "support/FatalTrap.h"

namespace {

using namespace MemoryMap;

cmcEeprom Defaults() {
  cmcEeprom defaults;
  BuildDefaultsImage(defaults);
  return defaults;
}

cmcEeprom CopyOf(const cmcEeprom& image) {
  cmcEeprom copy;
  copy.Assign(image);
  return copy;
}

datCh Loaded(cmcEeprom& image, int kind, int index) {
  datCh record(image);
  record.Load(kind, index);
  return record;
}

constexpr std::uint8_t kFm = 0, kAm = 3, kStep5k = 0, kStep25k = 8, kAuto = 14;

TEST(MergeFixedDefaults, ChannelRecords) {
  const struct {
    const char* what;
    std::int32_t code;
    int index;
    std::uint32_t frequency;
    std::uint8_t mode, toneMode, step;
    // after the merge
    std::uint32_t frequencyAfter;
    std::uint8_t modeAfter, toneModeAfter, stepAfter;
    bool usedAfter;
  } cases[] = {
      {"valid channel stays", 0, 20, 145000000, kFm, 1, kStep25k, 145000000, kFm, 1, kStep25k, true},
      {"6.25 kHz raster stays", 0, 20, 145012500, kFm, 0, kStep5k, 145012500, kFm, 0, kStep5k, true},
      {"8.33 kHz raster stays in the air band", 0, 20, 118008333, kAm, 0, kStep25k, 118008333, kAm, 0, kStep25k, true},
      {"8.33 kHz raster snapped above it", 0, 20, 145008333, kFm, 0, kStep5k, 145010000, kFm, 0, kStep5k, true},
      {"undefined tone mode off", 0, 20, 145000000, kFm, 12, kStep5k, 145000000, kFm, 0, kStep5k, true},
      {"tone mode 2 kept", 0, 20, 145000000, kFm, 2, kStep5k, 145000000, kFm, 2, kStep5k, true},
      {"Auto step becomes the template's", 0, 20, 145000000, kFm, 0, kAuto, 145000000, kFm, 0, kStep5k, true},
      {"Auto step stays for destination 15", 15, 20, 145000000, kFm, 0, kAuto, 145000000, kFm, 0, kAuto, true},
      {"undefined mode: VHF template, empty", 0, 20, 145000000, 2, 12, kAuto, 146010000, kFm, 0, kStep5k, false},
      {"undefined mode: air band template", 0, 510, 120000000, 15, 0, kStep5k, 127000000, kAm, 0, kStep25k, false},
      {"undefined mode: UHF template", 0, 553, 435000000, 4, 0, kStep5k, 440000000, kFm, 0, kStep25k, false},
  };
  for (const auto& c : cases) {
    ScopedDestination destination(c.code);
    const cmcEeprom defaults = Defaults();
    cmcEeprom image = CopyOf(defaults);
    datCh channel(image);
    channel.Load(RecordKind::kChannel, c.index);
    channel.frequency = c.frequency;
    channel.mode = c.mode;
    channel.toneMode = c.toneMode;
    channel.tuningStep = c.step;
    channel.audioFrequency = 250;
    channel.name = MakeFixedText<16>("MINE");
    channel.SetUsed(true);
    channel.Store(RecordKind::kChannel, c.index);

    MergeFixedDefaults(image, defaults);
    const datCh after = Loaded(image, RecordKind::kChannel, c.index);
    EXPECT_EQ(after.frequency, c.frequencyAfter) << c.what;
    EXPECT_EQ(after.mode, c.modeAfter) << c.what;
    EXPECT_EQ(after.toneMode, c.toneModeAfter) << c.what;
    EXPECT_EQ(after.tuningStep, c.stepAfter) << c.what;
    EXPECT_EQ(after.IsUsed(), c.usedAfter) << c.what;
    EXPECT_EQ(after.audioFrequency, Loaded(image, RecordKind::kChannel, 0).audioFrequency) << c.what;
    EXPECT_EQ(after.name, c.usedAfter ? MakeFixedText<16>("MINE") : MakeFixedText<16>("")) << c.what;
  }
}

TEST(MergeFixedDefaults, RebuildsTheBankTables) {
  ScopedDestination destination(3);
  const cmcEeprom defaults = Defaults();
  cmcEeprom image = CopyOf(defaults);
  for (const int index : {0, 1}) {
    datCh channel = Loaded(image, RecordKind::kChannel, index);
    channel.bank = 2;
    channel.bankChannel = 7;
    channel.Store(RecordKind::kChannel, index);
  }
  MergeFixedDefaults(image, defaults);
  EXPECT_EQ(BankTableEntry(image, 2, 7), kBankEntryConflict);
}

std::string TextAt(const cmcEeprom& image, Address start, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += static_cast<char>(image.GetByte(start + i));
  return text;
}

void PutText(cmcEeprom& image, Address start, const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    image.SetByte(start + static_cast<Address>(i), static_cast<std::uint8_t>(text[i]));
  }
}

TEST(MergeFixedDefaults, MessagesKeepOnlyCharactersTheRadioShows) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"HELLO ON THE AIR!?  ", "HELLO ON THE AIR!?  "},
      // a double-byte character, a control byte, katakana, DEL, a lead byte before a space,
      // and a lead byte in the last position
      {"AB\x82\xA0\x01\xB1\x7F\x81 XYZ     \xDF"
       "Q\xE0",
       "AB   \xB1   XYZ     \xDF"
       "Q "},
      {std::string("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20), std::string(20, ' ')},
  };
  ScopedDestination destination(0);
  const cmcEeprom defaults = Defaults();
  const Address gpsMessage = kSettings + 248;
  for (const auto& c : cases) {
    ASSERT_EQ(c.text.size(), 20u);
    cmcEeprom image = CopyOf(defaults);
    PutText(image, kTransmitMessages + 4 * kMessageLength, c.text);
    PutText(image, gpsMessage, c.text);
    MergeFixedDefaults(image, defaults);
    EXPECT_EQ(TextAt(image, kTransmitMessages + 4 * kMessageLength, 20), c.shown);
    EXPECT_EQ(TextAt(image, gpsMessage, 20), c.shown);
  }
}

TEST(MergeFixedDefaults, RepeaterEntriesLoseWhatTheirTypeDoesNotHave) {
  ScopedDestination destination(0);
  const cmcEeprom defaults = Defaults();
  cmcEeprom image = CopyOf(defaults);
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 0, 4);
  const RepeaterEntry entries[] = {
      {0, "JR1YAA A", 439010000, 1},  // DV Repeater
      {0, "", 145000000, 1},          // DV Simplex (with a duplex it should not have)
      {1, "JR1FM", 145500000, 1},     // FM Repeater
      {1, "JR1FM2", 146000000, 0},    // FM Simplex
  };
  datCh entry(image);
  for (int i = 0; i < 4; ++i) {
    StoreRepeater(image, i, entries[i]);
    entry.Load(RecordKind::kRepeater, i);
    entry.gateway = MakeFixedText<8>("JR1YAA G");
    entry.toneMode = 2;
    entry.repeaterTone = 20;
    entry.offset = 600000;
    entry.Store(RecordKind::kRepeater, i);
  }
  MergeFixedDefaults(image, defaults);
  const struct {
    const char* call;
    const char* gateway;
    std::uint8_t duplex;
    std::uint32_t offset;
    std::uint8_t toneMode, toneIndex;
  } expected[] = {
      {"JR1YAA A", "JR1YAA G", 1, 600000, 0, 8},
      {"", "", 0, 0, 0, 8},
      {"JR1FM", "", 1, 600000, 2, 20},
      {"", "", 0, 0, 2, 20},
  };
  for (int i = 0; i < 4; ++i) {
    entry.Load(RecordKind::kRepeater, i);
    EXPECT_EQ(entry.callSign, MakeFixedText<8>(expected[i].call)) << i;
    EXPECT_EQ(entry.gateway, MakeFixedText<8>(expected[i].gateway)) << i;
    EXPECT_EQ(entry.duplex, expected[i].duplex) << i;
    EXPECT_EQ(entry.offset, expected[i].offset) << i;
    EXPECT_EQ(entry.toneMode, expected[i].toneMode) << i;
    EXPECT_EQ(entry.repeaterTone, expected[i].toneIndex) << i;
  }
}

// The setting bytes that keep the image's own value whatever the destination.
bool IsKeptSettingByte(Address a) {
  const Address kept[][2] = {{109186, 109186}, {109189, 109226}, {109229, 109292}, {109294, 109350}, {109364, 109364},
                             {109413, 109560}, {109565, 109631}, {110253, 110300}, {110307, 110399}, {110401, 110415}};
  for (const auto& range : kept) {
    if (a >= range[0] && a <= range[1]) return true;
  }
  return false;
}

// The bytes a destination shows as settings of its own.
bool IsKeptForDestination(Address a, std::int32_t code) {
  const bool usOnly = a == 109188 || a == 109227 || a == 109228 || a == 110235 || a == 110236;
  return (a == 109187 && (code == 5 || code == 15)) || (usOnly && (code == 0 || code == 1));
}

TEST(MergeFixedDefaults, CopiesTheFixedSettingBytesAndKeepsTheOthers) {
  constexpr std::uint8_t kUserByte = 0x5A;
  for (const std::int32_t code : {0, 1, 5, 7, 15}) {
    for (const bool expansion : {false, true}) {
      ScopedDestination destination(code, expansion);
      const cmcEeprom defaults = Defaults();
      cmcEeprom image = CopyOf(defaults);
      for (Address a = kSettings; a < kFormatSignature + 48; ++a) image.SetByte(a, kUserByte);
      MergeFixedDefaults(image, defaults);
      for (Address a = kSettings; a < kFormatSignature + 16; ++a) {
        const bool kept = IsKeptSettingByte(a) || IsKeptForDestination(a, code);
        std::uint8_t expected = kept ? kUserByte : defaults.GetByte(a);
        if (a == 109363) {
          expected = static_cast<std::uint8_t>((expected & ~0x08) | (expansion ? 0x08 : 0));
        }
        ASSERT_EQ(image.GetByte(a), expected) << "code " << code << " address " << a;
      }
      for (Address a = kFormatSignature + 16; a < kFormatSignature + 48; ++a) {
        ASSERT_EQ(image.GetByte(a), kUserByte) << a;
      }
    }
  }
}

// A document full of the user's own entries: nothing of it is a fixed default.
TEST(MergeFixedDefaults, LeavesTheUsersEntriesAlone) {
  ScopedDestination destination(2);
  const cmcEeprom defaults = Defaults();
  cmcEeprom image = CopyOf(defaults);
  datCh record(image);
  for (int index = 2; index < 500; index += 7) {
    record.Load(RecordKind::kChannel, index);
    record.frequency = 144000000 + 12500 * static_cast<std::uint32_t>(index);
    record.name = MakeFixedText<16>("CH " + std::to_string(index));
    record.bank = static_cast<std::uint8_t>(index % 26);
    record.bankChannel = static_cast<std::uint8_t>(index % 100);
    record.skip = 1;
    record.SetUsed(true);
    record.Store(RecordKind::kChannel, index);
  }
  for (int group = 0; group < 30; ++group) SetGroupCount(image, group, 0);
  SetGroupCount(image, 4, 3);
  StoreRepeater(image, 0, {0, "JR1YAA A", 439010000, 1, 1});
  StoreRepeater(image, 1, {1, "JR1FM", 145500000, 1});
  StoreRepeater(image, 2, {0, "", 145000000, 0, 1});
  PutText(image, kImageComment, "MY RADIO");
  PutText(image, kTransmitMessages, "QRV ON 145.00");
  PutText(image, kSettings + 5, "\x03\x01");
  RebuildBankTables(image);
  const cmcEeprom before = CopyOf(image);
  MergeFixedDefaults(image, defaults);
  EXPECT_EQ(FirstDifference(image, before), -1);
}

TEST(MergeFixedDefaults, DamagedImagesSettleAfterOneMerge) {
  ScopedDestination destination(0);
  const cmcEeprom defaults = Defaults();
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    cmcEeprom image = GarbageImage(seed);
    UnpackImage(image);
    MergeFixedDefaults(image, defaults);
    const cmcEeprom once = CopyOf(image);
    MergeFixedDefaults(image, defaults);
    EXPECT_EQ(FirstDifference(image, once), -1) << seed;
    for (int index = 0; index < kChannelIndexCount; ++index) {
      const datCh channel = Loaded(image, RecordKind::kChannel, index);
      EXPECT_LE(channel.toneMode, 11) << index;
      EXPECT_TRUE(channel.mode == 0 || channel.mode == 1 || channel.mode == 3 || channel.mode == 5) << index;
    }
  }
}

TEST(MergeFixedDefaults, ImagesOfTheWrongSizeAreADefect) {
  ScopedDestination destination(0);
  const cmcEeprom defaults = Defaults();
  cmcEeprom small;
  small.SetSize(kDefaultImageSize);
  EXPECT_EQ(FatalMessageOf([&] { MergeFixedDefaults(small, defaults); }),
            "Fixed defaults merged with an image of the wrong size.");
}

}  // namespace

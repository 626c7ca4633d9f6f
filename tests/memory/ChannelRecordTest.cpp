#include <gtest/gtest.h>

#include "MemoryTestImages.h"
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

datCh UsedChannel(cmcEeprom& image, int index) {
  datCh channel(image);
  channel.Load(RecordKind::kChannel, index);
  channel.SetUsed(true);
  channel.frequency = 145000000;
  channel.name = MakeFixedText<16>("HOME");
  channel.bank = 0;
  channel.bankChannel = 5;
  channel.skip = 0;
  return channel;
}

std::array<std::uint8_t, 70 + 69 + 69> SkipAndEmptyMaps(const cmcEeprom& image) {
  return ReadBytes<70 + 69 + 69>(image, kChannelEmptyBits);
}

TEST(ChannelRecord, EmptyBitsAndSideTablesPerIndex) {
  struct Case {
    int index;
    int emptyBit;
    bool hasSideTables;
    std::int32_t address;
  };
  const Case cases[] = {{0, 0, true, 0},         {499, 499, true, 24451},           {500, 500, true, 24500},
                        {501, 501, true, 24549}, {548, 548, true, 24500 + 98 * 24}, {550, 551, false, 26950},
                        {553, 554, false, 27097}};
  for (const Case& c : cases) {
    cmcEeprom image = BlankImage();
    const auto before = SkipAndEmptyMaps(image);
    datCh channel = UsedChannel(image, c.index);
    channel.skip = 3;
    channel.Commit();
    EXPECT_FALSE(ReadBit(image, kChannelEmptyBits, c.emptyBit)) << c.index;
    EXPECT_EQ(ReadText<16>(image, c.address + 11), MakeFixedText<16>("HOME")) << c.index;
    const bool skipWritten =
        !ReadBit(image, kChannelSkipBits, c.index < 550 ? c.index : 0) || ReadBit(image, kChannelPSkipBits, c.index);
    EXPECT_EQ(skipWritten, true);
    if (!c.hasSideTables) {
      auto expected = before;
      expected[static_cast<std::size_t>(c.emptyBit / 8)] &= static_cast<std::uint8_t>(~(1u << (c.emptyBit % 8)));
      EXPECT_EQ(SkipAndEmptyMaps(image), expected) << c.index << ": only the empty bit changes";
      EXPECT_EQ(channel.bank, kNoBank);
      EXPECT_EQ(channel.skip, 0);
      EXPECT_TRUE(ReadBit(image, kChannelEmptyBits, 550));
    } else {
      EXPECT_EQ(channel.skip, 3) << c.index;
      EXPECT_EQ(channel.bank, 0);
      EXPECT_EQ(channel.bankChannel, 5);
    }
  }
}

TEST(ChannelRecord, SkipValuesMapToTwoBits) {
  struct Case {
    std::uint8_t skip;
    bool skipBit;
    bool pSkipBit;
  };
  const Case cases[] = {{0, false, false}, {1, true, false}, {3, true, true}};
  for (const Case& c : cases) {
    cmcEeprom image = BlankImage();
    datCh channel = UsedChannel(image, 17);
    channel.skip = c.skip;
    channel.Commit();
    EXPECT_EQ(ReadBit(image, kChannelSkipBits, 17), c.skipBit) << int(c.skip);
    EXPECT_EQ(ReadBit(image, kChannelPSkipBits, 17), c.pSkipBit) << int(c.skip);
    EXPECT_EQ(channel.skip, c.skip);
  }
}

TEST(ChannelRecord, UnusedChannelBlanksNameAndBank) {
  cmcEeprom image = BlankImage();
  datCh channel = UsedChannel(image, 7);
  channel.frequency = 145006250;  // raster code 1
  channel.SetUsed(false);
  channel.Commit();
  EXPECT_TRUE(ReadBit(image, kChannelEmptyBits, 7));
  EXPECT_EQ(image.GetByte(kChannelBankPairs + 14), 0x1F | 1 << 5);
  EXPECT_EQ(image.GetByte(kChannelBankPairs + 15), 0);
  EXPECT_FALSE(channel.IsUsed());
  EXPECT_EQ(channel.name, Spaces<16>());
  EXPECT_EQ(channel.bank, kNoBank);
  EXPECT_EQ(channel.bankChannel, 0);
  EXPECT_EQ(channel.frequency, 145006250u);  // the rest of the record stays
}

TEST(ChannelRecord, BankAboveZReadsNoneAndStoresChannelZero) {
  cmcEeprom image = BlankImage();
  datCh channel = UsedChannel(image, 9);
  channel.bank = 40;
  channel.Commit();
  EXPECT_EQ(image.GetByte(kChannelBankPairs + 18) & 0x1F, 0x1F);
  EXPECT_EQ(image.GetByte(kChannelBankPairs + 19), 0);
  EXPECT_EQ(channel.bank, kNoBank);
  image.SetByte(kChannelBankPairs + 18, 26);
  image.SetByte(kChannelBankPairs + 19, 44);
  channel.Reload();
  EXPECT_EQ(channel.bank, kNoBank);
  EXPECT_EQ(channel.bankChannel, 0);
}

TEST(ChannelRecord, GatewayFormOfRpt1IsCutWhenRpt2IsSet) {
  struct Case {
    const char* rpt1;
    const char* rpt2;
    const char* storedRpt1;
  };
  const Case cases[] = {
      {"JP1YIU G", "JP1YIU A", "JP1YIU  "}, {"JP1YIU G", "", "JP1YIU G"}, {"JP1YIU A", "JP1YIU G", "JP1YIU A"}};
  for (const Case& c : cases) {
    cmcEeprom image = BlankImage();
    datCh channel = UsedChannel(image, 0);
    channel.rpt1 = MakeFixedText<8>(c.rpt1);
    channel.rpt2 = MakeFixedText<8>(c.rpt2);
    channel.Store(RecordKind::kNone, 0);
    EXPECT_EQ(ViewOf(channel.rpt1), c.storedRpt1);
    EXPECT_EQ(ViewOf(ReadPackedCallSign(image, 35)), c.storedRpt1);
  }
}

TEST(ChannelRecord, PackedCallSignsUseSevenBitsPerCharacter) {
  cmcEeprom image = BlankImage();
  WritePackedCallSign(image, 100, MakeFixedText<8>("CQCQCQ"));
  // 'C' 0x43 = 1000011, 'Q' 0x51 = 1010001, ' ' 0x20 = 0100000
  const std::array<std::uint8_t, 7> expected{0x87, 0x46, 0x1D, 0x18, 0x74, 0x50, 0x20};
  EXPECT_EQ(ReadBytes<7>(image, 100), expected);
  EXPECT_EQ(ReadPackedCallSign(image, 100), MakeFixedText<8>("CQCQCQ"));
  image.WriteBlock(100, std::array<std::uint8_t, 7>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}.data(), 7);
  for (const char c : ReadPackedCallSign(image, 100)) EXPECT_EQ(c, 0x7F);
}

TEST(BankTables, TwoChannelsOnOneSlotConflict) {
  cmcEeprom image = BlankImage();
  for (const int index : {3, 9}) UsedChannel(image, index).Commit();
  datCh other = UsedChannel(image, 12);
  other.bank = 25;
  other.bankChannel = 99;
  other.Commit();
  datCh outOfRange = UsedChannel(image, 13);
  outOfRange.bankChannel = 100;
  outOfRange.Commit();
  datCh unused = UsedChannel(image, 14);
  unused.bankChannel = 7;
  unused.Commit();
  image.SetByte(kChannelBankPairs + 28, 0);  // an empty channel's pair naming A7
  image.SetByte(kChannelBankPairs + 29, 7);
  WriteBit(image, kChannelEmptyBits, 14, true);

  RebuildBankTables(image);
  EXPECT_EQ(BankTableEntry(image, 0, 5), kBankEntryConflict);
  EXPECT_EQ(BankTableEntry(image, 25, 99), 12);
  EXPECT_EQ(BankTableEntry(image, 0, 7), kBankEntryFree);
  EXPECT_EQ(BankTableEntry(image, 26, 0), kBankEntryFree);
  EXPECT_EQ(BankTableEntry(image, 0, 100), kBankEntryFree);

  datCh view(image);
  view.Load(RecordKind::kBankView, 2599);
  EXPECT_TRUE(view.IsUsed());
  EXPECT_EQ(view.name, MakeFixedText<16>("HOME"));
  view.name = MakeFixedText<16>("VIEW");
  view.Store(RecordKind::kBankView, 2599);
  datCh channel(image);
  channel.Load(RecordKind::kChannel, 12);
  EXPECT_EQ(channel.name, MakeFixedText<16>("VIEW"));
  view.Load(RecordKind::kBankView, 5);
  EXPECT_FALSE(view.IsUsed());  // a conflict names no channel
  view.Load(RecordKind::kBankView, 2600);
  EXPECT_FALSE(view.IsUsed());
}

TEST(ChannelList, FreeChannelsAreTheEmptyOnes) {
  cmcEeprom image = BlankImage();
  for (int index = 0; index < 500; ++index) WriteBit(image, kChannelEmptyBits, index, index % 2 == 0);
  EXPECT_EQ(FindFreeChannel(image, 1), 2);
  EXPECT_EQ(FindFreeChannel(image, -5), 0);
  EXPECT_EQ(FindFreeChannel(image, 499), -1);
  EXPECT_EQ(FindFreeChannel(image, 10000), -1);
  EXPECT_EQ(CountFreeChannels(image), 250);
}

TEST(BandTemplate, DecodesTheProgramSideTemplates) {
  cmcEeprom image = BlankImage();
  const std::array<std::uint8_t, 17> bytes{0x08, 0xA4, 0x86, 0x40, 0x00, 0x09, 0x27, 0xC0, 0x10,
                                           0x05, 0x08, 0x41, 0xE6, 0x21, 0x97, 0x0C, 0x2A};
  WriteBytes(image, kBandTemplates + 17 * 2, bytes);
  for (const int kind : {RecordKind::kBandTemplate, RecordKind::kBandTemplateSkip}) {
    datCh record(image);
    record.Load(kind, 5);  // any index beyond 1 selects template 2
    EXPECT_EQ(record.frequency, 145000000u);
    EXPECT_EQ(record.offset, 600000u);
    EXPECT_EQ(record.mode, 5);
    EXPECT_EQ(record.tuningStep, 8);
    EXPECT_EQ(record.digitalSquelch, 2);
    EXPECT_EQ(record.audioFrequency, (0x01 << 4) | 0xE);
    EXPECT_EQ(record.duplex, 1);
    EXPECT_EQ(record.dtcsPolarity, 2);
    EXPECT_EQ(record.repeaterTone, 8);
    EXPECT_EQ(record.toneSquelchTone, 0x19);
    EXPECT_EQ(record.toneMode, 7);
    EXPECT_EQ(record.dtcsCode, 12);
    EXPECT_EQ(record.digitalCode, 42);
    EXPECT_EQ(record.yourCall, MakeFixedText<8>("CQCQCQ"));
    EXPECT_EQ(record.bank, kNoBank);
    EXPECT_EQ(record.skip, kind == RecordKind::kBandTemplateSkip ? 1 : 0);
    const cmcEeprom before = image;
    record.Store(kind, 2);
    EXPECT_TRUE(image.IsEqual(before));  // templates are not stored back
  }
}

TEST(ScanLink, RowsShowMemberPairsInAscendingOrder) {
  cmcEeprom image = BlankImage();
  WriteU32(image, kScanLinkMembers + 4 * 3, 0);
  WriteBit(image, kScanLinkMembers + 4 * 3, 4, true);
  WriteBit(image, kScanLinkMembers + 4 * 3, 24, true);
  datCh edgeA = UsedChannel(image, 500 + 2 * 24);
  edgeA.frequency = 144000000;
  edgeA.Commit();
  WriteText(image, kScanEdgeNames + 16 * 24, MakeFixedText<16>("TWO METRE"));

  datCh row(image);
  row.Load(RecordKind::kScanLink, 26 * 3 + 2);
  EXPECT_TRUE(row.IsUsed());
  EXPECT_EQ(row.memberPair, 24);
  EXPECT_EQ(row.edgeFrequencyA, 144000000u);
  EXPECT_EQ(row.flags & datCh::kFlagEdgeAAbsent, 0);
  EXPECT_NE(row.flags & datCh::kFlagEdgeBAbsent, 0);
  EXPECT_EQ(row.name, MakeFixedText<16>("TWO METRE"));
  row.Load(RecordKind::kScanLink, 26 * 3 + 3);
  EXPECT_FALSE(row.IsUsed());
  EXPECT_EQ(row.memberPair, kNoMemberPair);

  row.Load(RecordKind::kScanLink, 26 * 3);  // the "Add" row
  EXPECT_EQ(row.memberPair, kNoMemberPair);
  row.memberPair = 7;
  row.memberFlag = 1;
  row.Commit();
  EXPECT_TRUE(ReadBit(image, kScanLinkMembers + 4 * 3, 7));
  row.Load(RecordKind::kScanLink, 26 * 3 + 1);
  EXPECT_EQ(row.memberPair, 4);
  row.memberFlag = 0;
  row.Commit();
  EXPECT_FALSE(ReadBit(image, kScanLinkMembers + 4 * 3, 4));
  EXPECT_EQ(ReadU32(image, kScanLinkMembers + 4 * 2), 0xFFFFFFFFu);
}

}  // namespace

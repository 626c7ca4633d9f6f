// Memory channels, scan edges and call channels (kind 1), the bank view (kind 4), the band
// templates (kinds 17 and 18) and the scan-link view (kind 5).
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/RasterCode.h"
#include "memory/RecordCodecs.h"

using namespace MemoryMap;

namespace {

bool IsChannelIndex(int index) { return index >= 0 && index < kChannelIndexCount; }
bool HasSideTables(int index) { return index < kFirstCallChannelIndex; }

Address ChannelAddress(int index) {
  if (index < kFirstScanEdgeIndex || index >= kFirstCallChannelIndex) {
    return kMemoryChannels + kChannelRecordSize * index;
  }
  const int pair = (index - kFirstScanEdgeIndex) / 2;
  const int edge = (index - kFirstScanEdgeIndex) % 2;
  return kScanEdges + kScanEdgePairSize * pair + kChannelRecordSize * edge;
}

// Call channels use empty bits 551-554; bit 550 is not used.
int EmptyBitOf(int index) { return HasSideTables(index) ? index : index + 1; }

void DecodeChannelBytes(datCh& r, const cmcEeprom& image, Address a) {
  const auto b = ReadBytes<11>(image, a);
  const std::uint32_t count = static_cast<std::uint32_t>(b[0] & 0x03) << 16 | b[1] << 8 | b[2];
  r.frequency = DecodeRaster(count, static_cast<std::uint8_t>(b[0] >> 5));
  r.offset = DecodeRaster(static_cast<std::uint32_t>(b[3] << 8 | b[4]), static_cast<std::uint8_t>(b[0] >> 2 & 0x07));
  r.repeaterTone = static_cast<std::uint8_t>(b[5] >> 2);
  r.toneSquelchTone = static_cast<std::uint8_t>((b[5] & 0x03) << 4 | b[6] >> 4);
  r.mode = static_cast<std::uint8_t>(b[6] & 0x0F);
  r.dtcsCode = b[7];
  r.tuningStep = static_cast<std::uint8_t>(b[8] >> 4);
  r.digitalSquelch = static_cast<std::uint8_t>(b[8] >> 1 & 0x07);
  r.audioFrequency = static_cast<std::uint16_t>((b[8] & 0x01) << 8 | b[9]);
  r.toneMode = static_cast<std::uint8_t>(b[10] >> 4);
  r.duplex = static_cast<std::uint8_t>(b[10] >> 2 & 0x03);
  r.dtcsPolarity = static_cast<std::uint8_t>(b[10] & 0x03);
  r.name = ReadText<kNameLength>(image, a + 11);
  r.digitalCode = image.GetByte(a + 27);
  r.yourCall = ReadPackedCallSign(image, a + 28);
  r.rpt1 = ReadPackedCallSign(image, a + 35);
  r.rpt2 = ReadPackedCallSign(image, a + 42);
}

std::uint8_t EncodeChannelBytes(const datCh& r, cmcEeprom& image, Address a) {
  const RasterCodes codes = ChooseRasterCodes(r.frequency, r.offset, true);
  const std::uint32_t count = EncodeRaster(r.frequency, codes.frequency);
  const std::uint32_t offsetCount = EncodeRaster(r.offset, codes.offset);
  const std::array<std::uint8_t, 11> b{
      static_cast<std::uint8_t>(codes.frequency << 5 | codes.offset << 2 | (count >> 16 & 0x03)),
      static_cast<std::uint8_t>(count >> 8),
      static_cast<std::uint8_t>(count),
      static_cast<std::uint8_t>(offsetCount >> 8),
      static_cast<std::uint8_t>(offsetCount),
      static_cast<std::uint8_t>(r.repeaterTone << 2 | (r.toneSquelchTone >> 4 & 0x03)),
      static_cast<std::uint8_t>((r.toneSquelchTone & 0x0F) << 4 | (r.mode & 0x0F)),
      r.dtcsCode,
      static_cast<std::uint8_t>(r.tuningStep << 4 | (r.digitalSquelch & 0x07) << 1 | (r.audioFrequency >> 8 & 0x01)),
      static_cast<std::uint8_t>(r.audioFrequency),
      static_cast<std::uint8_t>(r.toneMode << 4 | (r.duplex & 0x03) << 2 | (r.dtcsPolarity & 0x03)),
  };
  WriteBytes(image, a, b);
  WriteText(image, a + 11, r.name);
  image.SetByte(a + 27, r.digitalCode);
  WritePackedCallSign(image, a + 28, r.yourCall);
  WritePackedCallSign(image, a + 35, r.rpt1);
  WritePackedCallSign(image, a + 42, r.rpt2);
  return codes.frequency;
}

void DecodeSideTables(datCh& r, const cmcEeprom& image, int index) {
  if (ReadBit(image, kChannelPSkipBits, index)) {
    r.skip = 3;
  } else {
    r.skip = ReadBit(image, kChannelSkipBits, index) ? 1 : 0;
  }
  const Address pair = kChannelBankPairs + 2 * index;
  const std::uint8_t bankBits = image.GetByte(pair) & kBankPairBankBits;
  if (bankBits >= kBankCount) {
    r.bank = kNoBank;
    r.bankChannel = 0;
  } else {
    r.bank = bankBits;
    r.bankChannel = image.GetByte(pair + 1);
  }
}

// The bank byte keeps a copy of the frequency raster code in its top bits.
void EncodeSideTables(const datCh& r, cmcEeprom& image, int index, std::uint8_t rasterCode) {
  WriteBit(image, kChannelSkipBits, index, (r.skip & 0x01) != 0);
  WriteBit(image, kChannelPSkipBits, index, (r.skip & 0x02) != 0);
  const bool hasBank = r.bank < kBankCount;
  const Address pair = kChannelBankPairs + 2 * index;
  image.SetByte(pair, static_cast<std::uint8_t>(rasterCode << 5 | (hasBank ? r.bank : kBankPairBankBits)));
  image.SetByte(pair + 1, hasBank ? r.bankChannel : 0);
}

}  // namespace

void DecodeChannel(datCh& r, const cmcEeprom& image, int index) {
  if (!IsChannelIndex(index)) {
    r.SetUsed(false);
    return;
  }
  DecodeChannelBytes(r, image, ChannelAddress(index));
  r.SetUsed(!ReadBit(image, kChannelEmptyBits, EmptyBitOf(index)));
  if (HasSideTables(index)) {
    DecodeSideTables(r, image, index);
  } else {
    r.bank = kNoBank;
    r.bankChannel = 0;
  }
}

void EncodeChannel(datCh& r, cmcEeprom& image, int index) {
  if (!IsChannelIndex(index)) return;
  if (!r.IsUsed()) {
    r.bank = kNoBank;
    r.bankChannel = 0xFF;
    r.name = kBlankName;
  }
  if (!IsBlank(r.rpt2) && r.rpt1[7] == 'G') r.rpt1[7] = ' ';
  WriteBit(image, kChannelEmptyBits, EmptyBitOf(index), !r.IsUsed());
  const std::uint8_t rasterCode = EncodeChannelBytes(r, image, ChannelAddress(index));
  if (HasSideTables(index)) EncodeSideTables(r, image, index, rasterCode);
}

namespace {

// The memory channel a bank view row names, or -1.
int BankViewChannel(const cmcEeprom& image, int index) {
  if (index < 0) return -1;
  const std::uint16_t entry = BankTableEntry(image, index / kBankChannelCount, index % kBankChannelCount);
  return entry < kFirstCallChannelIndex ? entry : -1;
}

}  // namespace

void DecodeBankView(datCh& r, const cmcEeprom& image, int index) {
  DecodeChannel(r, image, BankViewChannel(image, index));
}

void EncodeBankView(datCh& r, cmcEeprom& image, int index) {
  const int channel = BankViewChannel(image, index);
  if (channel >= 0) EncodeChannel(r, image, channel);
}

void DecodeBandTemplate(datCh& r, const cmcEeprom& image, int index) {
  const int number = index == 0 || index == 1 ? index : 2;
  const Address a = kBandTemplates + kBandTemplateSize * number;
  const auto b = ReadBytes<kBandTemplateSize>(image, a);
  r.frequency = ReadU32(image, a);
  r.offset = ReadU32(image, a + 4);
  r.mode = b[9];
  r.tuningStep = b[10];
  r.digitalSquelch = static_cast<std::uint8_t>(b[11] >> 5);
  r.audioFrequency = static_cast<std::uint16_t>((b[11] & 0x1F) << 4 | b[12] >> 4);
  r.duplex = static_cast<std::uint8_t>(b[12] >> 2 & 0x03);
  r.dtcsPolarity = static_cast<std::uint8_t>(b[12] & 0x03);
  r.repeaterTone = static_cast<std::uint8_t>(b[13] >> 2);
  r.toneSquelchTone = static_cast<std::uint8_t>((b[13] & 0x03) << 4 | b[14] >> 4);
  r.toneMode = static_cast<std::uint8_t>(b[14] & 0x0F);
  r.dtcsCode = b[15];
  r.digitalCode = b[16];
  r.yourCall = kCallEveryone;
}

namespace {

Address MemberMapOf(int link) { return kScanLinkMembers + kScanLinkMemberSize * link; }

// The row-th member pair (row from 1) of the link in ascending pair order, or kNoMemberPair.
std::uint8_t NthMemberPair(const cmcEeprom& image, int link, int row) {
  int seen = 0;
  for (int pair = 0; pair < kScanEdgePairCount; ++pair) {
    if (ReadBit(image, MemberMapOf(link), pair) && ++seen == row) {
      return static_cast<std::uint8_t>(pair);
    }
  }
  return kNoMemberPair;
}

}  // namespace

void DecodeScanLink(datCh& r, const cmcEeprom& image, int index) {
  r.memberPair = kNoMemberPair;
  r.SetUsed(false);
  if (index < 0 || index >= kScanLinkRows * kScanLinkCount) return;
  const int row = index % kScanLinkRows;
  if (row == 0) return;
  r.memberPair = NthMemberPair(image, index / kScanLinkRows, row);
  if (r.memberPair == kNoMemberPair) return;
  r.memberFlag = 1;
  r.name = ReadText<kNameLength>(image, kScanEdgeNames + kNameLength * r.memberPair);
  datCh edge;
  DecodeChannel(edge, image, kFirstScanEdgeIndex + 2 * r.memberPair);
  r.edgeFrequencyA = edge.frequency;
  if (!edge.IsUsed()) r.flags |= datCh::kFlagEdgeAAbsent;
  edge = datCh();
  DecodeChannel(edge, image, kFirstScanEdgeIndex + 2 * r.memberPair + 1);
  r.edgeFrequencyB = edge.frequency;
  if (!edge.IsUsed()) r.flags |= datCh::kFlagEdgeBAbsent;
  r.SetUsed(true);
}

void EncodeScanLink(const datCh& r, cmcEeprom& image, int index) {
  if (index < 0 || index >= kScanLinkRows * kScanLinkCount) return;
  if (r.memberPair >= kScanEdgePairCount) return;
  WriteBit(image, MemberMapOf(index / kScanLinkRows), r.memberPair, r.memberFlag != 0);
}

// The decoded record and its codecs: how each list's entries lie in the image, read into the
// record's fields and written back. The codecs come first, list by list; the record itself,
// which chooses the codec by kind, and its helpers of the DV cells come last.
//
// A decoder starts from a reset record and fills what the entry holds; an index outside its
// list leaves the record reset with used cleared. An encoder writes only inside its entry and
// its side tables and may adjust the record where the stored form differs (blank name of an
// unused channel, say).
#include "memory/datCh.h"

#include "memory/Bcd.h"
#include "memory/BroadcastList.h"
#include "memory/ChannelList.h"
#include "memory/DestinationTables.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ModelSettings.h"
#include "memory/RasterCode.h"
#include "memory/RepeaterList.h"
#include "memory/SnapFrequency.h"
#include "memory/YourCallList.h"
#include "platform/Fatal.h"

using namespace MemoryMap;

namespace {

constexpr std::int16_t kUtcOffsetNotSet = 0x7FFF;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Memory channels, scan edges and call channels (kind 1), the bank view (kind 4), the band
// templates (kinds 17 and 18) and the scan-link view (kind 5)

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

// The memory channel a bank view row names, or -1.
int BankViewChannel(const cmcEeprom& image, int index) {
  if (index < 0) return -1;
  const std::uint16_t entry = BankTableEntry(image, index / kBankChannelCount, index % kBankChannelCount);
  return entry < kFirstCallChannelIndex ? entry : -1;
}

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

}  // namespace

std::array<std::uint8_t, kBandTemplateSize> EncodeBandTemplate(const datCh& t) {
  const RasterCodes codes = ChooseRasterCodes(t.frequency, t.offset, Allows8p33kHzRaster(t.frequency));
  std::array<std::uint8_t, kBandTemplateSize> b{};
  for (int i = 0; i < 4; ++i) {
    const int shift = 24 - 8 * i;
    b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(t.frequency >> shift);
    b[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(t.offset >> shift);
  }
  b[8] = static_cast<std::uint8_t>(codes.offset << 4 | codes.frequency);
  b[9] = t.mode;
  b[10] = t.tuningStep;
  b[11] = static_cast<std::uint8_t>(t.digitalSquelch << 5 | (t.audioFrequency >> 4 & 0x1F));
  b[12] = static_cast<std::uint8_t>((t.audioFrequency & 0x0F) << 4 | (t.duplex & 0x03) << 2 | (t.dtcsPolarity & 0x03));
  b[13] = static_cast<std::uint8_t>(t.repeaterTone << 2 | (t.toneSquelchTone >> 4 & 0x03));
  b[14] = static_cast<std::uint8_t>((t.toneSquelchTone & 0x0F) << 4 | (t.toneMode & 0x0F));
  b[15] = t.dtcsCode;
  b[16] = t.digitalCode;
  return b;
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

}  // namespace

// ---------------------------------------------------------------------------------------------
// Repeater list entries (kind 7) and the new-repeater template (kind 23)

namespace {

constexpr std::uint32_t kDefaultDuplexOffset = 5000000;

bool IsRepeaterIndex(int index) { return index >= 0 && index < kRepeaterCount; }

std::uint32_t FrequencyCount(const std::array<std::uint8_t, 9>& b) {
  return static_cast<std::uint32_t>(b[0] & 0x07) << 16 | b[1] << 8 | b[2];
}

}  // namespace

std::int32_t RepeaterAddress(int entry) { return kRepeaters + kRepeaterRecordSize * entry; }

std::uint8_t RepeaterModeOf(const cmcEeprom& image, int entry) {
  return static_cast<std::uint8_t>(image.GetByte(RepeaterAddress(entry) + 7) >> 6);
}

std::uint8_t RepeaterDuplexOf(const cmcEeprom& image, int entry) {
  return static_cast<std::uint8_t>(image.GetByte(RepeaterAddress(entry) + 7) >> 4 & 0x03);
}

std::uint32_t RepeaterFrequencyOf(const cmcEeprom& image, int entry) {
  const auto b = ReadBytes<9>(image, RepeaterAddress(entry));
  return DecodeRaster(FrequencyCount(b), static_cast<std::uint8_t>(b[0] >> 7));
}

CallSignText RepeaterCallSignOf(const cmcEeprom& image, int entry) {
  return ReadPackedCallSign(image, RepeaterAddress(entry) + 9);
}

CallSignText RepeaterGatewayOf(const cmcEeprom& image, int entry) {
  return ReadPackedCallSign(image, kRepeaterGateways + kPackedCallSignSize * entry);
}

NameText RepeaterNameOf(const cmcEeprom& image, int entry) {
  return ReadText<kNameLength>(image, RepeaterAddress(entry) + 16);
}

void DecodeRepeater(datCh& r, const cmcEeprom& image, int index) {
  if (!IsRepeaterIndex(index)) {
    r.SetUsed(false);
    return;
  }
  const Address a = RepeaterAddress(index);
  const auto b = ReadBytes<9>(image, a);
  r.frequency = DecodeRaster(FrequencyCount(b), static_cast<std::uint8_t>(b[0] >> 7));
  r.offset = DecodeRaster(static_cast<std::uint32_t>(b[3] << 8 | b[4]), static_cast<std::uint8_t>(b[0] >> 6 & 0x01));
  r.gatewayReference = static_cast<std::uint16_t>(b[5] << 8 | b[6]);
  r.mode = static_cast<std::uint8_t>(b[7] >> 6);
  r.duplex = static_cast<std::uint8_t>(b[7] >> 4 & 0x03);
  r.toneMode = static_cast<std::uint8_t>(b[7] >> 2 & 0x03);
  r.positionKind = static_cast<std::uint8_t>(b[7] & 0x03);
  r.repeaterTone = b[8];
  r.callSign = ReadPackedCallSign(image, a + 9);
  r.name = ReadText<kNameLength>(image, a + 16);
  r.subName = ReadText<8>(image, a + 32);
  r.latitude = ReadPosition(image, a + 40);
  r.longitude = ReadPosition(image, a + 44);
  r.utcOffset = static_cast<std::int16_t>(ReadU16(image, a + 48));
  r.gateway = RepeaterGatewayOf(image, index);
  r.rpt1Use = ReadBit(image, kRepeaterRpt1UseBits, index) ? 1 : 0;
  r.group = static_cast<std::uint8_t>(GroupOf(image, index));
  r.SetUsed(index < RepeaterCount(image));
}

namespace {

// Repeater entries have no 8.33 kHz raster: such frequencies are stored on 5 kHz.
void EncodeRepeater(const datCh& r, cmcEeprom& image, int index) {
  if (!IsRepeaterIndex(index)) return;
  const Address a = RepeaterAddress(index);
  const RasterCodes codes = ChooseRasterCodes(r.frequency, r.offset, false);
  const std::uint32_t count = EncodeRaster(r.frequency, codes.frequency);
  const std::uint32_t offsetCount = EncodeRaster(r.offset, codes.offset);
  const std::array<std::uint8_t, 9> b{
      static_cast<std::uint8_t>(codes.frequency << 7 | codes.offset << 6 | (count >> 16 & 0x07)),
      static_cast<std::uint8_t>(count >> 8),
      static_cast<std::uint8_t>(count),
      static_cast<std::uint8_t>(offsetCount >> 8),
      static_cast<std::uint8_t>(offsetCount),
      static_cast<std::uint8_t>(r.gatewayReference >> 8),
      static_cast<std::uint8_t>(r.gatewayReference),
      static_cast<std::uint8_t>(r.mode << 6 | (r.duplex & 0x03) << 4 | (r.toneMode & 0x03) << 2 |
                                (r.positionKind & 0x03)),
      r.repeaterTone,
  };
  WriteBytes(image, a, b);
  WritePackedCallSign(image, a + 9, r.callSign);
  WriteText(image, a + 16, r.name);
  WriteText(image, a + 32, r.subName);
  WritePosition(image, a + 40, r.latitude);
  WritePosition(image, a + 44, r.longitude);
  WriteU16(image, a + 48, static_cast<std::uint16_t>(r.utcOffset));
  WritePackedCallSign(image, kRepeaterGateways + kPackedCallSignSize * index, r.gateway);
  WriteBit(image, kRepeaterRpt1UseBits, index, r.rpt1Use != 0);
}

void DecodeNewRepeater(datCh& r, const cmcEeprom& image, int index) {
  r.SetUsed(false);
  r.callSign = kPlaceholderCallSign;
  const bool duplexDefault = CurrentModelSettings().DestinationCode() == DestinationCode::kJapan;
  r.duplex = duplexDefault ? kDuplexMinus : kDuplexOff;
  r.offset = duplexDefault ? kDefaultDuplexOffset : 0;
  r.mode = kRepeaterModeDv;
  r.repeaterTone = kDefaultToneIndex;
  r.latitude = GpsPosition{0, 0, '\0'};
  r.longitude = GpsPosition{0, 0, '\0'};
  r.utcOffset = kUtcOffsetNotSet;
  r.gatewayReference = kNoRepeater;
  r.group = static_cast<std::uint8_t>(GroupOf(image, index));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Your call signs (kind 8) and the new-entry template (kind 24)

namespace {

Address YourCallSignAddress(int entry) { return kYourCallSigns + kCallSignLength * entry; }
Address YourCallNameAddress(int entry) { return kYourCallNames + kNameLength * entry; }

bool IsYourCallIndex(int index) { return index >= 0 && index < kYourCallCount; }

}  // namespace

CallSignText YourCallOf(const cmcEeprom& image, int entry) {
  return ReadText<kCallSignLength>(image, YourCallSignAddress(entry));
}

NameText YourCallNameOf(const cmcEeprom& image, int entry) {
  return ReadText<kNameLength>(image, YourCallNameAddress(entry));
}

namespace {

void DecodeYourCall(datCh& r, const cmcEeprom& image, int index) {
  if (!IsYourCallIndex(index)) {
    r.SetUsed(false);
    return;
  }
  r.callSign = YourCallOf(image, index);
  r.name = YourCallNameOf(image, index);
  r.SetUsed(index < YourCallCount(image));
}

void EncodeYourCall(const datCh& r, cmcEeprom& image, int index) {
  if (!IsYourCallIndex(index)) return;
  WriteText(image, YourCallSignAddress(index), r.callSign);
  WriteText(image, YourCallNameAddress(index), r.name);
}

void DecodeNewYourCall(datCh& r) { r.callSign = kPlaceholderCallSign; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// GPS memories by list position (kind 6) and the new-memory templates (kinds 21 and 22)

namespace {

constexpr std::int32_t kAltitudeNotSet = 0x7FFFFFFF;
constexpr std::uint8_t kUndatedByte = 0x99;

Address GpsRecordAddress(int record) { return kGpsMemories + kGpsRecordSize * record; }

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

LocalDateTime CivilFromMinutes(std::int64_t minutes, int second) {
  std::int64_t days = minutes / 1440;
  std::int64_t minuteOfDay = minutes % 1440;
  if (minuteOfDay < 0) {
    minuteOfDay += 1440;
    --days;
  }
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day, static_cast<int>(minuteOfDay / 60), static_cast<int>(minuteOfDay % 60), second};
}

// The computer's local time turned into UTC with the radio's own UTC offset.
LocalDateTime RadioUtcNow(const cmcEeprom& image) {
  const LocalDateTime local = CurrentModelSettings().LocalTimeNow();
  const auto offset = static_cast<std::int16_t>(ReadU16(image, kRadioUtcOffset));
  const std::int64_t minutes = DaysFromCivil(local.year, local.month, local.day) * 1440 + local.hour * 60 +
                               local.minute - (offset == kUtcOffsetNotSet ? 0 : offset);
  return CivilFromMinutes(minutes, local.second);
}

std::uint8_t BcdByte(int value) {
  std::array<std::uint8_t, 1> byte{};
  IntToBcd(static_cast<std::uint64_t>((value % 100 + 100) % 100), byte);
  return byte[0];
}

void DecodeGps(datCh& r, const cmcEeprom& image, int index) {
  const GpsGroups groups = ReadGpsGroups(image);
  r.record = static_cast<std::int16_t>(GpsRecordAt(image, index));
  if (r.record < 0) {
    r.SetUsed(false);
    return;
  }
  const Address a = GpsRecordAddress(r.record);
  r.latitude = ReadPosition(image, a);
  r.longitude = ReadPosition(image, a + 4);
  r.date = ReadBytes<3>(image, a + 8);
  r.time = ReadBytes<3>(image, a + 11);
  r.altitude = static_cast<std::int32_t>(ReadU32(image, a + 14));
  r.name = ReadText<kNameLength>(image, a + 18);
  r.group = static_cast<std::uint8_t>(GpsGroupOf(groups, index));
}

void EncodeGps(const datCh& r, cmcEeprom& image, int index) {
  const int record = GpsRecordAt(image, index);
  if (record < 0) return;
  const Address a = GpsRecordAddress(record);
  WritePosition(image, a, r.latitude);
  WritePosition(image, a + 4, r.longitude);
  WriteBytes(image, a + 8, r.date);
  WriteBytes(image, a + 11, r.time);
  WriteU32(image, a + 14, static_cast<std::uint32_t>(r.altitude));
  WriteText(image, a + 18, r.name);
}

void DecodeNewGps(datCh& r, const cmcEeprom& image, int index, bool stampNow) {
  const bool westernDestination = IsUsDestination(CurrentModelSettings().DestinationCode());
  r.latitude = GpsPosition{0, 0, 'N'};
  r.longitude = GpsPosition{0, 0, westernDestination ? 'W' : 'E'};
  r.altitude = kAltitudeNotSet;
  r.group = static_cast<std::uint8_t>(GpsGroupOf(ReadGpsGroups(image), index));
  r.record = -1;
  if (!stampNow) {
    r.date.fill(kUndatedByte);
    r.time.fill(kUndatedByte);
    return;
  }
  const LocalDateTime utc = RadioUtcNow(image);
  r.date = {BcdByte(utc.day), BcdByte(utc.month), BcdByte(utc.year - 2000)};
  r.time = {BcdByte(utc.hour), BcdByte(utc.minute), BcdByte(utc.second)};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Broadcast radio memories by group list (kinds 14 and 15) and the new-memory templates
// (kinds 19 and 20)

namespace {

// The record number a list index names, or -1. The FM list of a group ends at its FM count:
// the slots after it hold the group's AM stations, which belong to the AM list alone.
int BroadcastRecordOfListIndex(const cmcEeprom& image, int kind, int index) {
  if (index < 0) return -1;
  const int group = BroadcastGroupOfIndex(index);
  const int amPosition = index - BroadcastListIndex(group, true, 0);
  if (group >= kBroadcastGroupCount) return -1;
  const int fmCount = BroadcastFmCount(image, group);
  if (kind == RecordKind::kBroadcastFm) {
    const int fmPosition = index - BroadcastListIndex(group, false, 0);
    return fmPosition < fmCount ? BroadcastSlotRecord(image, group, fmPosition) : -1;
  }
  if (amPosition < 0) return -1;
  return BroadcastSlotRecord(image, group, fmCount + amPosition);
}

Address BroadcastRecordAddress(int record) { return kBroadcastMemories + kBroadcastRecordSize * record; }

void DecodeBroadcast(datCh& r, const cmcEeprom& image, int kind, int index) {
  r.record = static_cast<std::int16_t>(BroadcastRecordOfListIndex(image, kind, index));
  if (r.record < 0) {
    r.SetUsed(false);
    return;
  }
  r.frequency = BroadcastFrequencyOf(image, r.record);
  r.name = ReadText<kNameLength>(image, BroadcastRecordAddress(r.record) + 4);
  r.skip = ReadBit(image, kBroadcastSkipBits, r.record) ? 1 : 0;
}

void EncodeBroadcast(const datCh& r, cmcEeprom& image, int kind, int index) {
  const int record = BroadcastRecordOfListIndex(image, kind, index);
  if (record >= 0) EncodeBroadcastRecord(r, image, record);
}

void DecodeNewBroadcast(datCh& r, const cmcEeprom& image, int kind) {
  const int entry = kind == RecordKind::kNewBroadcastFm ? 0 : 1;
  r.frequency = ReadU32(image, kBroadcastTemplates + kBroadcastTemplateSize * entry);
  r.record = -1;
}

}  // namespace

std::uint32_t BroadcastFrequencyOf(const cmcEeprom& image, int record) {
  return ReadU32(image, BroadcastRecordAddress(record));
}

void EncodeBroadcastRecord(const datCh& r, cmcEeprom& image, int record) {
  if (record < 0 || record >= kBroadcastMemoryCount) return;
  WriteU32(image, BroadcastRecordAddress(record), r.frequency);
  WriteText(image, BroadcastRecordAddress(record) + 4, r.name);
  WriteBit(image, kBroadcastSkipBits, record, r.skip != 0);
}

// ---------------------------------------------------------------------------------------------
// The read-only records the radio keeps of its traffic: the received call record (kind 9)
// and the transmit histories From, From-analog, To and Reflector (kinds 10-13)

namespace {

struct HistoryLayout {
  Address slots;
  int count;
  Address entries;
  int entrySize;
};

HistoryLayout HistoryLayoutOf(int kind) {
  switch (kind) {
    case RecordKind::kHistoryFrom:
      return {kHistoryFromSlots, kHistoryFromCount, kHistoryFrom, kCallSignLength};
    case RecordKind::kHistoryFromAnalog:
      return {kHistoryFromAnalogSlots, kHistoryFromAnalogCount, kHistoryFromAnalog, kHistoryFromAnalogSize};
    case RecordKind::kHistoryTo:
      return {kHistoryToSlots, kHistoryToCount, kHistoryTo, kCallSignLength};
    default:
      return {kHistoryReflectorSlots, kHistoryReflectorCount, kHistoryReflector, kCallSignLength};
  }
}

// The slot whose position byte equals position; the first such slot wins. -1 when none.
int ReceivedSlotAt(const cmcEeprom& image, int position) {
  if (position < 0 || position >= kReceivedCallCount) return -1;
  for (int slot = 0; slot < kReceivedCallCount; ++slot) {
    if (image.GetByte(kReceivedPositionTable + slot) == position) return slot;
  }
  return -1;
}

void TakeRepeater(datCh& r, const cmcEeprom& image, std::uint16_t entry, bool takeFrequency) {
  r.found = entry != kNoRepeater ? 1 : 0;
  r.foundEntry = entry;
  if (entry == kNoRepeater) return;
  datCh repeater;
  DecodeRepeater(repeater, image, entry);
  r.name = repeater.name;
  r.duplex = repeater.duplex;
  r.offset = repeater.offset;
  if (takeFrequency) r.frequency = repeater.frequency;
}

void TakeYourCall(datCh& r, const cmcEeprom& image, int entry) {
  r.found = entry != kNoYourCall ? 1 : 0;
  r.foundEntry = static_cast<std::uint16_t>(entry);
  if (entry != kNoYourCall) r.name = YourCallNameOf(image, entry);
}

void LookUpHistoryEntry(datCh& r, const cmcEeprom& image, int kind) {
  switch (kind) {
    case RecordKind::kHistoryFrom:
      return TakeRepeater(r, image, FindRepeaterForCallSign(image, ViewOf(r.callSign)), true);
    case RecordKind::kHistoryFromAnalog:
      return TakeRepeater(r, image, FindFmRepeater(image, r.callSign, r.frequency), false);
    case RecordKind::kHistoryTo:
      if (r.callSign[0] == '/') {
        return TakeRepeater(r, image, FindRepeaterByCall(image, ViewOf(r.callSign), {}, CallSignRule::kSlash), false);
      }
      return TakeYourCall(r, image, FindYourCallLoose(image, r.callSign));
    default:
      return;
  }
}

void DecodeReceivedCall(datCh& r, const cmcEeprom& image, int index) {
  const int slot = ReceivedSlotAt(image, index);
  if (slot < 0) {
    r.SetUsed(false);
    return;
  }
  r.status = image.GetByte(kReceivedStatus + slot);
  const Address call = kReceivedCalls + kReceivedCallSize * slot;
  r.caller = ReadText<kCallSignLength>(image, call);
  r.callerNote = ReadText<4>(image, call + 8);
  r.rpt1 = ReadText<kCallSignLength>(image, call + 12);
  r.rpt2 = ReadText<kCallSignLength>(image, call + 20);
  r.called = ReadText<kCallSignLength>(image, call + 28);
  r.receivedTime = ReadU32(image, call + 36);
  r.receivedFieldA = ReadBytes<3>(image, call + 40);
  r.receivedFieldB = ReadBytes<3>(image, call + 43);
  r.message = ReadText<kMessageLength>(image, kReceivedMessages + kMessageLength * slot);
  const Address position = kReceivedPositions + kReceivedPositionSize * slot;
  r.positionBlock = ReadBytes<kReceivedPositionSize>(image, position);
  r.latitude = ReadPosition(image, position);
  r.longitude = ReadPosition(image, position + 4);
  r.altitude = static_cast<std::int32_t>(ReadU32(image, position + 8));
  r.ssid = ReadText<2>(image, position + 14);
  r.callerWithSsid = ReadText<9>(image, position + 16);
  r.gpsTimestamp = ReadU32(image, position + 25);
  r.dataType = image.GetByte(position + 29);
  r.gpsMessage = ReadText<43>(image, position + 49);
}

void DecodeHistory(datCh& r, const cmcEeprom& image, int kind, int index) {
  const HistoryLayout layout = HistoryLayoutOf(kind);
  const int slot = index >= 0 && index < layout.count ? image.GetByte(layout.slots + index) : -1;
  if (slot < 0 || slot >= layout.count) {
    r.SetUsed(false);
    return;
  }
  const Address entry = layout.entries + layout.entrySize * slot;
  r.callSign = ReadText<kCallSignLength>(image, entry);
  if (kind == RecordKind::kHistoryFromAnalog) r.frequency = ReadU32(image, entry + kCallSignLength);
  LookUpHistoryEntry(r, image, kind);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The record

datCh::datCh() = default;

datCh::datCh(cmcEeprom& image) : image_(&image) {}

void datCh::Bind(cmcEeprom& image) { image_ = &image; }

void datCh::Reset() { TakeFieldsOf(datCh()); }

void datCh::TakeFieldsOf(const datCh& other) {
  const int kind = kind_;
  const int index = index_;
  cmcEeprom* image = image_;
  *this = other;
  kind_ = kind;
  index_ = index;
  image_ = image;
}

cmcEeprom& datCh::BoundImage() const {
  if (image_ == nullptr) Fatal("Channel record used without an image.");
  return *image_;
}

void datCh::SetUsed(bool used) { flags = static_cast<std::uint8_t>(used ? flags | kFlagUsed : flags & ~kFlagUsed); }

void datCh::Load(int kind, int index) {
  Reset();
  kind_ = kind;
  index_ = index;
  Decode();
}

void datCh::Reload() { Load(kind_, index_); }

void datCh::Decode() {
  const cmcEeprom& image = BoundImage();
  switch (kind_) {
    case RecordKind::kChannel:
      return DecodeChannel(*this, image, index_);
    case RecordKind::kBankView:
      return DecodeBankView(*this, image, index_);
    case RecordKind::kScanLink:
      return DecodeScanLink(*this, image, index_);
    case RecordKind::kGps:
      return DecodeGps(*this, image, index_);
    case RecordKind::kRepeater:
      return DecodeRepeater(*this, image, index_);
    case RecordKind::kYourCall:
      return DecodeYourCall(*this, image, index_);
    case RecordKind::kReceivedCall:
      return DecodeReceivedCall(*this, image, index_);
    case RecordKind::kHistoryFrom:
    case RecordKind::kHistoryFromAnalog:
    case RecordKind::kHistoryTo:
    case RecordKind::kHistoryReflector:
      return DecodeHistory(*this, image, kind_, index_);
    case RecordKind::kBroadcastFm:
    case RecordKind::kBroadcastAm:
      return DecodeBroadcast(*this, image, kind_, index_);
    case RecordKind::kBandTemplate:
    case RecordKind::kBandTemplateSkip:
      DecodeBandTemplate(*this, image, index_);
      if (kind_ == RecordKind::kBandTemplateSkip) skip = 1;
      return;
    case RecordKind::kNewBroadcastFm:
    case RecordKind::kNewBroadcastAm:
      return DecodeNewBroadcast(*this, image, kind_);
    case RecordKind::kNewGpsNow:
    case RecordKind::kNewGpsUndated:
      return DecodeNewGps(*this, image, index_, kind_ == RecordKind::kNewGpsNow);
    case RecordKind::kNewRepeater:
      return DecodeNewRepeater(*this, image, index_);
    case RecordKind::kNewYourCall:
      return DecodeNewYourCall(*this);
    default:
      SetUsed(false);
  }
}

void datCh::Store(int kind, int index) { Encode(kind == RecordKind::kNone ? kind_ : kind, index); }

void datCh::Encode(int kind, int index) {
  cmcEeprom& image = BoundImage();
  switch (kind) {
    case RecordKind::kChannel:
      return EncodeChannel(*this, image, index);
    case RecordKind::kBankView:
      return EncodeBankView(*this, image, index);
    case RecordKind::kScanLink:
      return EncodeScanLink(*this, image, index);
    case RecordKind::kGps:
      return EncodeGps(*this, image, index);
    case RecordKind::kRepeater:
      return EncodeRepeater(*this, image, index);
    case RecordKind::kYourCall:
      return EncodeYourCall(*this, image, index);
    case RecordKind::kBroadcastFm:
    case RecordKind::kBroadcastAm:
      return EncodeBroadcast(*this, image, kind, index);
    default:
      return;
  }
}

void datCh::Commit() {
  Store(kind_, index_);
  Reload();
}

void datCh::CopyFrom(const datCh& other) { *this = other; }

void datCh::LoadFrom(cmcEeprom& image, int kind, int index) {
  datCh source(image);
  source.Load(kind, index);
  TakeFieldsOf(source);
}

int datCh::RepeaterEntryType() const {
  if (!IsUsed()) return RepeaterType::kDvRepeater;
  if (mode == kRepeaterModeDv) return IsBlank(callSign) ? RepeaterType::kDvSimplex : RepeaterType::kDvRepeater;
  return duplex != kDuplexOff ? RepeaterType::kFmRepeater : RepeaterType::kFmSimplex;
}

void datCh::SetRepeaterEntryType(int type) {
  switch (type) {
    case RepeaterType::kDvRepeater:
      mode = kRepeaterModeDv;
      if (IsBlank(callSign)) callSign = kPlaceholderCallSign;
      return;
    case RepeaterType::kDvSimplex:
      callSign = kBlankCallSign;
      gateway = kBlankCallSign;
      duplex = kDuplexOff;
      mode = kRepeaterModeDv;
      return;
    case RepeaterType::kFmRepeater:
      if (duplex == kDuplexOff) duplex = kDuplexMinus;
      if (mode == kRepeaterModeDv) mode = kRepeaterModeFm;
      return;
    case RepeaterType::kFmSimplex:
      callSign = kBlankCallSign;
      gateway = kBlankCallSign;
      duplex = kDuplexOff;
      if (mode == kRepeaterModeDv) mode = kRepeaterModeFm;
      return;
    default:
      return;
  }
}

// ---------------------------------------------------------------------------------------------
// The call-sign helpers of the DV cells: completing RPT1/RPT2 and naming UR, RPT1 and RPT2
// by the list entries they refer to

namespace {

// The name of a found entry, or the call sign itself when the entry is nameless.
NameText NameOrCall(const NameText& name, const CallSignText& call) {
  return IsBlank(name) ? MakeFixedText<MemoryMap::kNameLength>(ViewOf(call)) : name;
}

struct FoundName {
  NameText name;
  std::uint16_t entry;
};

FoundName RepeaterName(const cmcEeprom& image, const CallSignText& call, const CallSignText& repeaterCall) {
  const std::uint16_t entry = FindRepeaterForCallSign(image, ViewOf(call), ViewOf(repeaterCall));
  if (entry == kNoRepeater) return {MakeFixedText<MemoryMap::kNameLength>(ViewOf(call)), kNoEntryFound};
  return {NameOrCall(RepeaterNameOf(image, entry), call), entry};
}

FoundName YourCallName(const cmcEeprom& image, const CallSignText& call) {
  const int entry = FindYourCallLoose(image, call);
  if (entry != kNoYourCall) return {NameOrCall(YourCallNameOf(image, entry), call), static_cast<std::uint16_t>(entry)};
  if (call[0] == '/') return RepeaterName(image, call, kBlankCallSign);
  return {MakeFixedText<MemoryMap::kNameLength>(ViewOf(call)), kNoEntryFound};
}

}  // namespace

void datCh::CompleteRepeaterCalls() {
  if (IsBlank(rpt1) != IsBlank(rpt2)) {
    if (IsBlank(rpt1)) {
      rpt1 = rpt2;
    } else {
      rpt2 = rpt1;
    }
  }
  if (rpt1[7] == 'G') rpt1[7] = ' ';
  if (IsBlank(yourCall)) yourCall = kCallEveryone;
}

void datCh::DeriveDisplayNames() {
  const cmcEeprom& image = BoundImage();
  const FoundName ur = YourCallName(image, yourCall);
  const FoundName first = RepeaterName(image, rpt1, kBlankCallSign);
  const FoundName second = RepeaterName(image, rpt2, rpt1);
  yourCallName = ur.name;
  yourCallFound = ur.entry;
  rpt1Name = first.name;
  rpt1Found = first.entry;
  rpt2Name = second.name;
  rpt2Found = second.entry;
}

// Repeater list entries (kind 7) and the new-repeater template (kind 23).
#include "memory/DestinationTables.h"
#include "memory/ImageFields.h"
#include "memory/ModelSettings.h"
#include "memory/RasterCode.h"
#include "memory/RecordCodecs.h"
#include "memory/RepeaterFields.h"
#include "memory/RepeaterList.h"

using namespace MemoryMap;

namespace {

constexpr std::uint8_t kNewRepeaterToneIndex = 8;  // 88.5 Hz
constexpr std::int16_t kUtcOffsetNotSet = 0x7FFF;
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
  r.duplex = duplexDefault ? 1 : 0;
  r.offset = duplexDefault ? kDefaultDuplexOffset : 0;
  r.mode = kRepeaterModeDv;
  r.repeaterTone = kNewRepeaterToneIndex;
  r.latitude = GpsPosition{0, 0, '\0'};
  r.longitude = GpsPosition{0, 0, '\0'};
  r.utcOffset = kUtcOffsetNotSet;
  r.gatewayReference = kNoRepeater;
  r.group = static_cast<std::uint8_t>(GroupOf(image, index));
}

int datCh::RepeaterEntryType() const {
  if (!IsUsed()) return 0;
  if (mode == kRepeaterModeDv) return IsBlank(callSign) ? 1 : 0;
  return duplex != 0 ? 2 : 3;
}

void datCh::SetRepeaterEntryType(int type) {
  switch (type) {
    case 0:
      mode = kRepeaterModeDv;
      if (IsBlank(callSign)) callSign = kPlaceholderCallSign;
      return;
    case 1:
      callSign = kBlankCallSign;
      gateway = kBlankCallSign;
      duplex = 0;
      mode = kRepeaterModeDv;
      return;
    case 2:
      if (duplex == 0) duplex = 1;
      if (mode == kRepeaterModeDv) mode = kRepeaterModeFm;
      return;
    case 3:
      callSign = kBlankCallSign;
      gateway = kBlankCallSign;
      duplex = 0;
      if (mode == kRepeaterModeDv) mode = kRepeaterModeFm;
      return;
    default:
      return;
  }
}

#include "memory/FixedDefaults.h"

#include <array>
#include <string>

#include "memory/ChannelList.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "memory/ModelSettings.h"
#include "memory/RepeaterList.h"
#include "memory/SnapFrequency.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "platform/Fatal.h"
#include "text/Cp932.h"

using namespace MemoryMap;

namespace {

constexpr int kEditedGeneration = 3;

// The texts the radio shows as they are typed in it: the five transmit messages and the
// GPS message.
constexpr Address kGpsMessage = kSettings + 248;

// Copied from the defaults image unless the destination shows the setting itself.
enum class CopyCondition {
  kAlways,
  kUnlessUsVersion,                // the auto-repeater choice and the weather alert settings
  kUnlessKoreanOrJapaneseVersion,  // the auto-repeater switch
};

struct FixedRange {
  Address first;
  Address last;  // inclusive
  CopyCondition condition;
};

constexpr Address kReceiveExpansionByte = 109363;
constexpr std::uint8_t kReceiveExpansionBit = 0x08;

constexpr std::array<FixedRange, 15> kFixedRanges{{
    {109184, 109185, CopyCondition::kAlways},
    {109187, 109187, CopyCondition::kUnlessKoreanOrJapaneseVersion},
    {109188, 109188, CopyCondition::kUnlessUsVersion},
    {109227, 109228, CopyCondition::kUnlessUsVersion},  // weather alert, bands A and B
    {109293, 109293, CopyCondition::kAlways},
    {109351, 109363, CopyCondition::kAlways},
    {109365, 109412, CopyCondition::kAlways},
    {109561, 109564, CopyCondition::kAlways},
    {109632, 109745, CopyCondition::kAlways},  // band and broadcast templates
    {109746, 110234, CopyCondition::kAlways},
    {110235, 110236, CopyCondition::kUnlessUsVersion},  // weather channel, bands A and B
    {110237, 110252, CopyCondition::kAlways},
    {110301, 110306, CopyCondition::kAlways},
    {kMapRevision, kMapRevision, CopyCondition::kAlways},
    {kFormatSignature, kFormatSignature + 15, CopyCondition::kAlways},
}};

bool Applies(CopyCondition condition, std::int32_t code) {
  switch (condition) {
    case CopyCondition::kUnlessUsVersion:
      return !IsUsDestination(code);
    case CopyCondition::kUnlessKoreanOrJapaneseVersion:
      return code != DestinationCode::kKorea && code != DestinationCode::kJapan;
    case CopyCondition::kAlways:
      break;
  }
  return true;
}

void CopyRange(cmcEeprom& image, const cmcEeprom& defaults, const FixedRange& range) {
  for (Address a = range.first; a <= range.last; ++a) image.SetByte(a, defaults.GetByte(a));
}

// Band number to band template: 0 and 1 have their own, every other band shares template 2.
std::size_t TemplateOfBand(int band) { return band == 0 || band == 1 ? static_cast<std::size_t>(band) : 2; }

void MergeChannel(datCh& record, cmcEeprom& templateSource, const datCh& bandTemplate, int band, std::int32_t code) {
  record.frequency = SnapFrequency(record.frequency, band == 0);
  if (record.toneMode > ToneMode::kLastDefined) record.toneMode = ToneMode::kOff;
  if (!ChannelMode::IsDefined(record.mode)) {
    record.LoadFrom(templateSource, RecordKind::kBandTemplate, band);
    record.SetUsed(false);
  }
  if (code != DestinationCode::kJapan && record.tuningStep == TuningStep::kAuto) {
    record.tuningStep = bandTemplate.tuningStep;
  }
  record.audioFrequency = bandTemplate.audioFrequency;
}

void MergeChannels(cmcEeprom& image, const cmcEeprom& defaults, std::int32_t code) {
  // The templates are read from a copy, as image and defaults may be one image.
  cmcEeprom templateSource;
  templateSource.Assign(defaults);
  std::array<datCh, 3> templates;
  for (std::size_t t = 0; t < templates.size(); ++t) {
    templates[t].Bind(templateSource);
    templates[t].Load(RecordKind::kBandTemplate, static_cast<int>(t));
  }
  datCh record(image);
  for (int index = 0; index < kChannelIndexCount; ++index) {
    record.Load(RecordKind::kChannel, index);
    const int band = indDestination::BandNumber(record.frequency);
    MergeChannel(record, templateSource, templates[TemplateOfBand(band)], band, code);
    record.Commit();
  }
}

// Characters the radio cannot show become spaces, a double-byte character two of them.
void KeepShownCharacters(cmcEeprom& image, Address start, int length) {
  std::string text(static_cast<std::size_t>(length), ' ');
  for (int i = 0; i < length; ++i) {
    text[static_cast<std::size_t>(i)] = static_cast<char>(image.GetByte(start + i));
  }
  std::size_t i = 0;
  while (i < text.size()) {
    const ByteClass byteClass = CharacterClass(text, i);
    const std::size_t width = byteClass == ByteClass::Lead ? 2 : 1;
    const bool shown = byteClass == ByteClass::Printable || byteClass == ByteClass::Katakana;
    if (!shown) {
      for (std::size_t k = 0; k < width; ++k) {
        image.SetByte(start + static_cast<Address>(i + k), ' ');
      }
    }
    i += width;
  }
}

void MergeTexts(cmcEeprom& image) {
  for (int message = 0; message < kTransmitMessageCount; ++message) {
    KeepShownCharacters(image, kTransmitMessages + kMessageLength * message, kMessageLength);
  }
  KeepShownCharacters(image, kGpsMessage, kMessageLength);
}

void BlankRepeaterCalls(datCh& record) {
  record.callSign = kBlankCallSign;
  record.gateway = kBlankCallSign;
}

void MakeSimplex(datCh& record) {
  record.duplex = kDuplexOff;
  record.offset = 0;
}

void SwitchToneOff(datCh& record) {
  record.toneMode = ToneMode::kOff;
  record.repeaterTone = kDefaultToneIndex;
}

void MergeRepeater(datCh& record) {
  switch (record.RepeaterEntryType()) {
    case RepeaterType::kDvRepeater:
      SwitchToneOff(record);
      break;
    case RepeaterType::kDvSimplex:
      BlankRepeaterCalls(record);
      MakeSimplex(record);
      SwitchToneOff(record);
      break;
    case RepeaterType::kFmRepeater:
      record.gateway = kBlankCallSign;
      break;
    case RepeaterType::kFmSimplex:
      BlankRepeaterCalls(record);
      MakeSimplex(record);
      break;
    default:
      break;
  }
}

void MergeRepeaters(cmcEeprom& image) {
  datCh record(image);
  const int count = RepeaterCount(image);
  for (int position = 0; position < count; ++position) {
    record.Load(RecordKind::kRepeater, position);
    MergeRepeater(record);
    record.Commit();
  }
}

void CopyFixedBytes(cmcEeprom& image, const cmcEeprom& defaults, std::int32_t code) {
  for (const FixedRange& range : kFixedRanges) {
    if (Applies(range.condition, code)) CopyRange(image, defaults, range);
  }
  const std::uint8_t expansion = image.GetByte(kReceiveExpansionByte);
  const bool expanded = CurrentModelSettings().ReceiveExpansion();
  image.SetByte(kReceiveExpansionByte, static_cast<std::uint8_t>(expanded ? expansion | kReceiveExpansionBit
                                                                          : expansion & ~kReceiveExpansionBit));
}

}  // namespace

void MergeFixedDefaults(cmcEeprom& image, const cmcEeprom& defaults) {
  const std::int32_t size = ImageSizeOf(kEditedGeneration);
  if (image.GetSize() < size || defaults.GetSize() < size) {
    Fatal("Fixed defaults merged with an image of the wrong size.");
  }
  const std::int32_t code = CurrentModelSettings().DestinationCode();
  MergeChannels(image, defaults, code);
  RebuildBankTables(image);
  MergeTexts(image);
  MergeRepeaters(image);
  CopyFixedBytes(image, defaults, code);
}

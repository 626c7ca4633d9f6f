#include "memory/DefaultImages.h"

#include "memory/FactorySettings.h"
#include "memory/FixedDefaults.h"
#include "memory/Generation.h"
#include "memory/ImageFields.h"
#include "memory/ListPacking.h"
#include "memory/ModelSettings.h"
#include "memory/datCh.h"
#include "memory/indDestination.h"
#include "platform/Fatal.h"

using namespace MemoryMap;

namespace {

constexpr std::uint8_t k5k = TuningStep::k5kHz;
constexpr std::uint8_t k20k = TuningStep::k20kHz;
constexpr std::uint8_t k25k = TuningStep::k25kHz;
constexpr std::uint8_t kAuto = TuningStep::kAuto;

// Channel 0, channel 1 (frequency, offset, tuning step), scan edge pairs 0-2 and the
// frequency a new FM broadcast memory starts with, by destination.
constexpr std::array<DestinationDefaults, kDestinationCount> kDestinationDefaults{{
    {{146010000, 600000, k5k},
     {440000000, 5000000, k25k},
     {{{144000000, 450000000}, {144000000, 148000000}, {420000000, 450000000}}},
     88000000},
    {{146010000, 600000, k5k},
     {440000000, 5000000, k25k},
     {{{144000000, 450000000}, {144000000, 148000000}, {430000000, 450000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {430000000, 5000000, k25k},
     {{{144000000, 450000000}, {144000000, 148000000}, {420000000, 450000000}}},
     88000000},
    {{145000000, 600000, k5k},
     {430000000, 5000000, k20k},
     {{{144000000, 440000000}, {144000000, 148000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 0, k20k},
     {430000000, 0, k20k},
     {{{144000000, 432000000}, {144000000, 146000000}, {430000000, 432000000}}},
     88000000},
    {{145000000, 600000, k20k},
     {433000000, 5000000, k20k},
     {{{144000000, 440000000}, {144000000, 146000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {432000000, 4600000, k25k},
     {{{144000000, 438000000}, {144000000, 146000000}, {432000000, 438000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {430000000, 7600000, k25k},
     {{{144000000, 440000000}, {144000000, 146000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {430000000, 7600000, k25k},
     {{{144000000, 440000000}, {144000000, 146000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {430000000, 1600000, k25k},
     {{{144000000, 440000000}, {144000000, 146000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {430000000, 7600000, k25k},
     {{{140000000, 440000000}, {140000000, 150000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 0, k25k},
     {430000000, 1600000, k25k},
     {{{140000000, 440000000}, {140000000, 150000000}, {430000000, 440000000}}},
     88000000},
    {{146520000, 600000, k5k},
     {430000000, 5000000, k25k},
     {{{140000000, 440000000}, {140000000, 150000000}, {430000000, 440000000}}},
     88000000},
    {{146520000, 600000, k5k},
     {430000000, 5000000, k25k},
     {{{144000000, 440000000}, {144000000, 148000000}, {430000000, 440000000}}},
     88000000},
    {{145000000, 600000, k25k},
     {430000000, 7600000, k25k},
     {{{108000000, 438000000}, {144000000, 146000000}, {430000000, 438000000}}},
     88000000},
    {{145000000, 0, kAuto},
     {433000000, 5000000, kAuto},
     {{{108000000, 479000000}, {144000000, 146000000}, {430000000, 440000000}}},
     76000000},
}};

// Band template 0, the air band, is the same for every destination.
constexpr DefaultChannel kAirBandChannel{127000000, 0, k25k};
constexpr Hertz kAmBroadcastTemplate = 1620000;
// 300 Hz in units of 10 Hz, the lowest the field offers.
constexpr std::uint16_t kDefaultAudioFrequency = 30;

constexpr int kEditedGeneration = 3;

// Text areas that hold nothing but spaces: start, number of fields, field width.
struct BlankTextArea {
  Address start;
  int count;
  int width;
};

constexpr std::array<BlankTextArea, 9> kBlankTextAreas{{
    {kImageComment, 1, kNameLength},
    {kBankNames, kBankCount, kNameLength},
    {kScanEdgeNames, kScanEdgePairCount, kNameLength},
    {kScanLinkNames, kScanLinkCount, kNameLength},
    {kBroadcastGroupNames, kBroadcastGroupCount, kNameLength},
    {kRepeaterGroupNames, kRepeaterGroupCount, kNameLength},
    {kMyCallSigns, kMyCallSignCount, kMyCallSignSize},
    {kTransmitMessages, kTransmitMessageCount, kMessageLength},
    {kGpsGroupNames, kGpsGroupNameCount, kNameLength},
}};

void FillBytes(cmcEeprom& image, Address start, int count, std::uint8_t value) {
  for (int i = 0; i < count; ++i) image.SetByte(start + i, value);
}

// The channel record every default channel is made from.
datCh DefaultRecord(const DefaultChannel& channel, std::uint8_t mode) {
  datCh record;
  record.frequency = channel.frequency;
  record.offset = channel.offset;
  record.tuningStep = channel.tuningStep;
  record.mode = mode;
  record.repeaterTone = kDefaultToneIndex;
  record.toneSquelchTone = kDefaultToneIndex;
  record.toneMode = ToneMode::kOff;
  record.duplex = kDuplexOff;
  record.audioFrequency = kDefaultAudioFrequency;
  record.yourCall = kCallEveryone;
  return record;
}

// The band templates 0 (air band), 1 (VHF) and 2 (UHF) of a destination.
std::array<datCh, 3> BandTemplatesOf(const DestinationDefaults& defaults) {
  return {DefaultRecord(kAirBandChannel, ChannelMode::kAm), DefaultRecord(defaults.vhf, ChannelMode::kFm),
          DefaultRecord(defaults.uhf, ChannelMode::kFm)};
}

const datCh& TemplateForBand(const std::array<datCh, 3>& templates, int band) {
  return templates[static_cast<std::size_t>(band == 0 || band == 1 ? band : 2)];
}

void WriteTemplates(cmcEeprom& image, const DestinationDefaults& defaults, const std::array<datCh, 3>& templates) {
  for (std::size_t t = 0; t < templates.size(); ++t) {
    WriteBytes(image, kRadioBandTemplates + kBandTemplateSize * static_cast<Address>(t),
               EncodeBandTemplate(templates[t]));
  }
  WriteU32(image, kRadioBroadcastTemplates, defaults.fmBroadcastTemplate);
  WriteU32(image, kRadioBroadcastTemplates + kBroadcastTemplateSize, kAmBroadcastTemplate);
}

void StoreChannel(cmcEeprom& image, datCh record, int index) {
  record.Bind(image);
  record.Store(RecordKind::kChannel, index);
}

// A scan edge takes the template of its frequency's band.
void StoreScanEdge(cmcEeprom& image, const std::array<datCh, 3>& templates, Hertz f, int index) {
  datCh edge = TemplateForBand(templates, indDestination::BandNumber(f));
  edge.frequency = f;
  StoreChannel(image, edge, index);
}

void WriteChannels(cmcEeprom& image, const DestinationDefaults& defaults, const std::array<datCh, 3>& templates) {
  const datCh& vhf = templates[1];
  const datCh& uhf = templates[2];
  StoreChannel(image, vhf, 0);
  StoreChannel(image, uhf, 1);
  for (std::size_t pair = 0; pair < defaults.scanEdges.size(); ++pair) {
    const int edgeA = kFirstScanEdgeIndex + 2 * static_cast<int>(pair);
    StoreScanEdge(image, templates, defaults.scanEdges[pair].low, edgeA);
    StoreScanEdge(image, templates, defaults.scanEdges[pair].high, edgeA + 1);
  }
  StoreChannel(image, vhf, kFirstCallChannelIndex);
  StoreChannel(image, vhf, kFirstCallChannelIndex + 1);
  StoreChannel(image, uhf, kFirstCallChannelIndex + 2);
  StoreChannel(image, uhf, kFirstCallChannelIndex + 3);
}

void WriteIdentity(cmcEeprom& image) {
  image.SetByte(kMapRevision, 1);
  for (std::size_t i = 0; i < kFormatSignatureText.size(); ++i) {
    image.SetByte(kFormatSignature + static_cast<Address>(i), static_cast<std::uint8_t>(kFormatSignatureText[i]));
  }
}

void CopyWithin(cmcEeprom& image, Address from, Address to, int count) {
  for (int i = 0; i < count; ++i) image.SetByte(to + i, image.GetByte(from + i));
}

}  // namespace

// Codes outside the destinations take the image of code 0.
std::int32_t ImageCodeOf(std::int32_t code) { return indDestination(code).IsKnown() ? code : 0; }

const DestinationDefaults& DefaultsOf(std::int32_t code) {
  return kDestinationDefaults[static_cast<std::size_t>(ImageCodeOf(code))];
}

void WriteDefaultImage(cmcEeprom& image, std::int32_t code) {
  if (image.GetSize() < kDefaultImageSize) Fatal("Default image written into a smaller image.");
  const DestinationDefaults& defaults = DefaultsOf(code);
  const std::array<datCh, 3> templates = BandTemplatesOf(defaults);
  FillBytes(image, 0, kDefaultImageSize, 0xFF);
  for (const BlankTextArea& area : kBlankTextAreas) {
    FillBytes(image, area.start, area.count * area.width, ' ');
  }
  WriteFactorySettings(image, ImageCodeOf(code));
  WriteTemplates(image, defaults, templates);
  WriteChannels(image, defaults, templates);
  WriteIdentity(image);
}

void BuildDefaultsImage(cmcEeprom& defaults) {
  defaults.SetSize(ImageSizeOf(kEditedGeneration));
  WriteDefaultImage(defaults, CurrentModelSettings().DestinationCode());
  FillBytes(defaults, kBankTables, 2 * kBankCount * kBankChannelCount, 0xFF);
  CopyWithin(defaults, kRadioBandTemplates, kBandTemplates, kBandTemplateCount * kBandTemplateSize);
  CopyWithin(defaults, kRadioBroadcastTemplates, kBroadcastTemplates, 2 * kBroadcastTemplateSize);
  UnpackImage(defaults);
  MergeFixedDefaults(defaults, defaults);
}

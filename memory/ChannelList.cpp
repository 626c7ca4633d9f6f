#include "memory/ChannelList.h"

#include "memory/ImageFields.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

bool IsEmptyChannel(const cmcEeprom& image, int channel) { return ReadBit(image, kChannelEmptyBits, channel); }

Address BankTableAddress(int bank, int bankChannel) {
  return kBankTables + 2 * (kBankChannelCount * bank + bankChannel);
}

}  // namespace

int FindFreeChannel(const cmcEeprom& image, int from) {
  for (int channel = from < 0 ? 0 : from; channel < kMemoryChannelCount; ++channel) {
    if (IsEmptyChannel(image, channel)) return channel;
  }
  return -1;
}

int CountFreeChannels(const cmcEeprom& image) {
  int free = 0;
  for (int channel = 0; channel < kMemoryChannelCount; ++channel) {
    if (IsEmptyChannel(image, channel)) ++free;
  }
  return free;
}

std::uint16_t BankTableEntry(const cmcEeprom& image, int bank, int bankChannel) {
  if (bank < 0 || bank >= kBankCount || bankChannel < 0 || bankChannel >= kBankChannelCount) {
    return kBankEntryFree;
  }
  return ReadU16(image, BankTableAddress(bank, bankChannel));
}

void RebuildBankTables(cmcEeprom& image) {
  for (int bank = 0; bank < kBankCount; ++bank) {
    for (int bankChannel = 0; bankChannel < kBankChannelCount; ++bankChannel) {
      WriteU16(image, BankTableAddress(bank, bankChannel), kBankEntryFree);
    }
  }
  for (int channel = 0; channel < kFirstCallChannelIndex; ++channel) {
    const Address pair = kChannelBankPairs + 2 * channel;
    const int bank = image.GetByte(pair) & kBankPairBankBits;
    const int bankChannel = image.GetByte(pair + 1);
    if (IsEmptyChannel(image, channel) || bank >= kBankCount || bankChannel >= kBankChannelCount) {
      continue;
    }
    const Address slot = BankTableAddress(bank, bankChannel);
    const bool isFree = ReadU16(image, slot) == kBankEntryFree;
    WriteU16(image, slot, isFree ? static_cast<std::uint16_t>(channel) : kBankEntryConflict);
  }
}

void FillFromBandTemplate(datCh& record, cmcEeprom& defaults, int band) {
  const std::uint8_t bank = record.bank;
  const std::uint8_t bankChannel = record.bankChannel;
  const int kind = record.Index() < kMemoryChannelCount ? RecordKind::kBandTemplate : RecordKind::kBandTemplateSkip;
  record.LoadFrom(defaults, kind, band);
  record.bank = bank;
  record.bankChannel = bankChannel;
}

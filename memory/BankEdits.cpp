#include "memory/BankEdits.h"

#include <algorithm>

#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

datCh LoadChannel(cmcEeprom& image, int channel) {
  datCh record(image);
  record.Load(RecordKind::kChannel, channel);
  return record;
}

// The row's channel gets another place in the bank, or none.
void SetBankPlace(cmcEeprom& image, int channel, int bank, int row) {
  datCh record = LoadChannel(image, channel);
  record.bank = static_cast<std::uint8_t>(bank);
  record.bankChannel = static_cast<std::uint8_t>(row);
  record.Store(RecordKind::kChannel, channel);
}

void EmptyChannel(cmcEeprom& image, int channel) {
  datCh record = LoadChannel(image, channel);
  record.SetUsed(false);
  record.Store(RecordKind::kChannel, channel);
}

// After every bank operation: the tables follow the channels, and the remembered channel
// never names an empty one.
void Finish(cmcEeprom& image) {
  RebuildBankTables(image);
  const std::uint16_t remembered = ReadU16(image, kRememberedChannel);
  if (remembered < kChannelIndexCount && !LoadChannel(image, remembered).IsUsed()) {
    WriteU16(image, kRememberedChannel, kEmptySlot16);
  }
}

// The channels of the rows first to last, in row order (-1 for none).
std::vector<int> RowChannels(const cmcEeprom& image, int bank, int first, int last) {
  std::vector<int> channels;
  for (int row = first; row <= last; ++row) channels.push_back(BankRowChannel(image, bank, row));
  return channels;
}

}  // namespace

int BankRowChannel(const cmcEeprom& image, int bank, int row) {
  const std::uint16_t entry = BankTableEntry(image, bank, row);
  return entry < kFirstCallChannelIndex ? entry : -1;
}

bool AnyBankRowUsed(const cmcEeprom& image, int bank, int first, int last) {
  for (int row = first; row <= last; ++row) {
    if (BankRowChannel(image, bank, row) >= 0) return true;
  }
  return false;
}

void CopyBankRows(cmcEeprom& image, int bank, int first, int last, cmcClipCh& clipboard) {
  std::vector<datCh> records;
  for (const int channel : RowChannels(image, bank, first, last)) {
    datCh record(image);
    if (channel >= 0) {
      record.Load(RecordKind::kChannel, channel);
    } else {
      record.SetUsed(false);
    }
    record.bank = kNoBank;
    record.bankChannel = kNoBank;
    records.push_back(record);
  }
  clipboard.Assign(RecordKind::kBankView, first, std::move(records));
}

int PasteBankRows(cmcEeprom& image, int bank, int first, int count, const cmcClipCh& clipboard) {
  const int n = std::min(count, clipboard.Count());
  const std::vector<int> channels = RowChannels(image, bank, first, first + n - 1);
  int pasted = 0;
  for (; pasted < n; ++pasted) {
    const int named = channels[static_cast<std::size_t>(pasted)];
    const datCh& source = clipboard.Record(pasted);
    if (!source.IsUsed()) {
      if (named >= 0) EmptyChannel(image, named);
      continue;
    }
    const int channel = named >= 0 ? named : FindFreeChannel(image, 0);
    if (channel < 0) break;
    datCh record = source;
    record.Bind(image);
    record.bank = static_cast<std::uint8_t>(bank);
    record.bankChannel = static_cast<std::uint8_t>(first + pasted);
    record.Store(RecordKind::kChannel, channel);
  }
  Finish(image);
  return pasted;
}

void BankOffRows(cmcEeprom& image, int bank, int first, int last) {
  for (const int channel : RowChannels(image, bank, first, last)) {
    if (channel >= 0) SetBankPlace(image, channel, kNoBank, kNoBank);
  }
  Finish(image);
}

void ClearBankRows(cmcEeprom& image, int bank, int first, int last) {
  for (const int channel : RowChannels(image, bank, first, last)) {
    if (channel >= 0) EmptyChannel(image, channel);
  }
  Finish(image);
}

void DeleteBankRows(cmcEeprom& image, int bank, int first, int last, int high) {
  const int length = last - first + 1;
  const std::vector<int> later = RowChannels(image, bank, last + 1, high);
  ClearBankRows(image, bank, first, last);
  for (std::size_t i = 0; i < later.size(); ++i) {
    const int row = last + 1 + static_cast<int>(i);
    if (later[i] >= 0) SetBankPlace(image, later[i], bank, row - length);
  }
  Finish(image);
}

void InsertBankRows(cmcEeprom& image, int bank, int first, int last, int high) {
  const int length = last - first + 1;
  const std::vector<int> moving = RowChannels(image, bank, first, high);
  for (std::size_t i = moving.size(); i-- > 0;) {
    const int channel = moving[i];
    const int row = first + static_cast<int>(i) + length;
    if (channel < 0) continue;
    if (row >= kBankChannelCount) {
      EmptyChannel(image, channel);
    } else {
      SetBankPlace(image, channel, bank, row);
    }
  }
  Finish(image);
}

bool PlaceChannelInBankRow(cmcEeprom& image, int bank, int row, int channel) {
  const int held = BankRowChannel(image, bank, row);
  if (channel < 0 || channel >= kFirstCallChannelIndex || channel == held) return false;
  if (!LoadChannel(image, channel).IsUsed()) return false;
  if (held >= 0) SetBankPlace(image, held, kNoBank, kNoBank);
  SetBankPlace(image, channel, bank, row);
  Finish(image);
  return true;
}

void CarryBankRows(cmcEeprom& image, int bank, int first, int last, int direction) {
  const auto exchange = [&](int row) {
    const int channel = BankRowChannel(image, bank, row);
    const int neighbour = BankRowChannel(image, bank, row + direction);
    if (channel >= 0) SetBankPlace(image, channel, bank, row + direction);
    if (neighbour >= 0) SetBankPlace(image, neighbour, bank, row);
    RebuildBankTables(image);
  };
  if (direction < 0) {
    for (int row = first; row <= last; ++row) exchange(row);
  } else {
    for (int row = last; row >= first; --row) exchange(row);
  }
  Finish(image);
}

#include "memory/ListSort.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "memory/BankEdits.h"
#include "memory/ChannelList.h"
#include "memory/ListReferences.h"
#include "memory/MemoryMap.h"
#include "memory/cmcClipCh.h"
#include "memory/datCh.h"

namespace {

using namespace MemoryMap;

constexpr std::array<std::string_view, 4> kKeyWords = {"frequency", "name", "mode", "call"};

// Letter case does not count, as users expect of a sort by name or call sign.
template <std::size_t N>
int CompareText(const FixedText<N>& a, const FixedText<N>& b) {
  for (std::size_t i = 0; i < N; ++i) {
    const auto upper = [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte;
    };
    const int difference = upper(a[i]) - upper(b[i]);
    if (difference != 0) return difference;
  }
  return 0;
}

template <typename Number>
int CompareNumbers(Number a, Number b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

const CallSignText& CallSignOf(const datCh& record, int kind) {
  return kind == RecordKind::kChannel ? record.yourCall : record.callSign;
}

int CompareKeys(const datCh& a, const datCh& b, int kind, SortKey key) {
  switch (key) {
    case SortKey::kFrequency:
      return CompareNumbers(a.frequency, b.frequency);
    case SortKey::kName:
      return CompareText(a.name, b.name);
    case SortKey::kMode:
      return CompareNumbers(a.mode, b.mode);
    case SortKey::kCall:
      return CompareText(CallSignOf(a, kind), CallSignOf(b, kind));
  }
  return 0;
}

// The positions of records in sorted order: used ones by key, then the unused ones, each
// group keeping the order it had among equals.
std::vector<int> SortedOrder(const std::vector<datCh>& records, int kind, SortOrder order) {
  std::vector<int> positions(records.size());
  std::iota(positions.begin(), positions.end(), 0);
  std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
    const datCh& first = records[static_cast<std::size_t>(a)];
    const datCh& second = records[static_cast<std::size_t>(b)];
    if (first.IsUsed() != second.IsUsed()) return first.IsUsed();
    if (!first.IsUsed()) return false;
    const int difference = CompareKeys(first, second, kind, order.key);
    return order.descending ? difference > 0 : difference < 0;
  });
  return positions;
}

}  // namespace

namespace {

constexpr std::int32_t kDescendingBit = 0x100;

}  // namespace

std::int32_t SortOrderCode(SortOrder order) {
  return static_cast<std::int32_t>(order.key) | (order.descending ? kDescendingBit : 0);
}

SortOrder SortOrderOfCode(std::int32_t code) {
  const std::int32_t key = code & 0xFF;
  return {key < kSortKeyCount ? static_cast<SortKey>(key) : SortKey::kFrequency, (code & kDescendingBit) != 0};
}

std::string_view SortKeyWord(SortKey key) { return kKeyWords[static_cast<std::size_t>(key)]; }

std::optional<SortKey> SortKeyOfWord(std::string_view word) {
  for (std::size_t i = 0; i < kKeyWords.size(); ++i) {
    if (kKeyWords[i] == word) return static_cast<SortKey>(i);
  }
  return std::nullopt;
}

bool SortKeyApplies(int kind, SortKey key) {
  switch (kind) {
    case RecordKind::kChannel:
    case RecordKind::kBankView:
    case RecordKind::kRepeater:
      return true;
    case RecordKind::kGps:
      return key == SortKey::kName;
    case RecordKind::kYourCall:
      return key == SortKey::kName || key == SortKey::kCall;
    default:
      return false;
  }
}

void SortBlock(cmcEeprom& image, int kind, int first, int last, SortOrder order) {
  if (last <= first) return;
  ListReferenceKeeper keeper(image, kind);
  const int count = last - first + 1;
  cmcClipCh entries;
  entries.Copy(image, kind, first, count);
  std::vector<datCh> records;
  for (int i = 0; i < count; ++i) records.push_back(entries.Record(i));
  const std::vector<int> positions = SortedOrder(records, kind, order);
  std::vector<datCh> sorted;
  EntryOrigins origins(first, last);
  for (int i = 0; i < count; ++i) {
    const int from = positions[static_cast<std::size_t>(i)];
    sorted.push_back(records[static_cast<std::size_t>(from)]);
    origins.At(first + i) = first + from;
  }
  entries.Assign(kind, first, std::move(sorted));
  entries.PasteAll(image, kind, first, count);
  keeper.Follow(origins);
}

void SortBankRows(cmcEeprom& image, int bank, int first, int last, SortOrder order) {
  std::vector<datCh> records;
  std::vector<int> rows;  // the rows the sorted channels take: every row but the claimed twice
  for (int row = first; row <= last; ++row) {
    if (BankTableEntry(image, bank, row) == kBankEntryConflict) continue;
    rows.push_back(row);
    const int channel = BankRowChannel(image, bank, row);
    if (channel < 0) continue;
    datCh record(image);
    record.Load(RecordKind::kChannel, channel);
    records.push_back(record);
  }
  const std::vector<int> positions = SortedOrder(records, RecordKind::kChannel, order);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    datCh& record = records[static_cast<std::size_t>(positions[i])];
    record.bankChannel = static_cast<std::uint8_t>(rows[i]);
    record.Store(RecordKind::kChannel, record.Index());
  }
  RebuildBankTables(image);
}

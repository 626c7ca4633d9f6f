#include "memory/NamedLists.h"

#include <array>

#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

namespace {

using namespace MemoryMap;

enum class LabelKind { kLetter, kDigit, kTwoDigits };

struct NamedListLayout {
  int count;
  Address firstName;
  LabelKind label;
};

constexpr std::array<NamedListLayout, 5> kLayouts = {{
    {kBankCount, kBankNames, LabelKind::kLetter},
    {kScanLinkCount, kScanLinkNames, LabelKind::kDigit},
    {kBroadcastGroupCount, kBroadcastGroupNames, LabelKind::kLetter},
    {kRepeaterGroupCount, kRepeaterGroupNames, LabelKind::kTwoDigits},
    {kGpsGroupNameCount, kGpsGroupNames, LabelKind::kLetter},
}};

const NamedListLayout& LayoutOf(NamedList list) { return kLayouts[static_cast<std::size_t>(list)]; }

// Repeater groups are numbered from 1 on, as the radio shows them.
std::string Label(LabelKind label, int position) {
  switch (label) {
    case LabelKind::kLetter:
      return std::string(1, static_cast<char>('A' + position));
    case LabelKind::kDigit:
      return std::to_string(position);
    case LabelKind::kTwoDigits:
      break;
  }
  const int number = position + 1;
  return std::string{static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

}  // namespace

int NamedListCount(NamedList list) { return LayoutOf(list).count; }

std::string NamedListLabel(const cmcEeprom& image, NamedList list, int position) {
  const NamedListLayout& layout = LayoutOf(list);
  if (position < 0 || position >= layout.count) return {};
  std::string name(kNameLength, ' ');
  image.ReadBlock(layout.firstName + kNameLength * position, reinterpret_cast<std::uint8_t*>(name.data()),
                  kNameLength);
  return Label(layout.label, position) + ": " + name;
}

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

}  // namespace

int NamedListCount(NamedList list) { return LayoutOf(list).count; }

std::string NamedListKey(NamedList list, int position) {
  switch (LayoutOf(list).label) {
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

Address NamedListNameAddress(NamedList list, int position) { return LayoutOf(list).firstName + kNameLength * position; }

std::string NamedListLabel(const cmcEeprom& image, NamedList list, int position) {
  if (position < 0 || position >= NamedListCount(list)) return {};
  std::string name(kNameLength, ' ');
  image.ReadBlock(NamedListNameAddress(list, position), reinterpret_cast<std::uint8_t*>(name.data()), kNameLength);
  return NamedListKey(list, position) + ": " + name;
}

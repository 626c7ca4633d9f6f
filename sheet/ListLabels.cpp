#include "sheet/ListLabels.h"

#include "platform/Fatal.h"
#include "sheet/ZeroPadded.h"

namespace {

std::string KeyText(ListLabelKey key, int index) {
  switch (key) {
    case ListLabelKey::kScanLink:
      if (index >= 0 && index <= 9) return std::string(1, static_cast<char>('0' + index));
      break;
    case ListLabelKey::kLetter:
      if (index >= 0 && index <= 25) return std::string(1, static_cast<char>('A' + index));
      break;
    case ListLabelKey::kRepeaterGroup:
      if (index >= 0 && index <= 29) return ZeroPadded(index + 1, 2);
      break;
  }
  fatal("List label index out of range.");
}

}  // namespace

std::string ListLabel(ListLabelKey key, int index, const NameText& name, bool leadingSpace) {
  return (leadingSpace ? " " : "") + KeyText(key, index) + ": " + std::string(ViewOf(name));
}

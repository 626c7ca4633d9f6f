#include "memory/YourCallList.h"

#include <algorithm>

#include "memory/ImageFields.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

template <typename Predicate>
int FirstYourCall(const cmcEeprom& image, Predicate&& matches) {
  const int count = YourCallCount(image);
  for (int entry = 0; entry < count; ++entry) {
    if (matches(entry)) return entry;
  }
  return kNoYourCall;
}

}  // namespace

int YourCallCount(const cmcEeprom& image) {
  return std::min<int>(ReadU16(image, kYourCallCountAddress), kYourCallCount);
}

void SetYourCallCount(cmcEeprom& image, int count) {
  WriteU16(image, kYourCallCountAddress, static_cast<std::uint16_t>(count));
}

int FindYourCallByName(const cmcEeprom& image, const NameText& name) {
  return FirstYourCall(image, [&](int entry) { return YourCallNameOf(image, entry) == name; });
}

int FindYourCall(const cmcEeprom& image, const CallSignText& call) {
  return FirstYourCall(image, [&](int entry) { return YourCallOf(image, entry) == call; });
}

int FindYourCallLoose(const cmcEeprom& image, const CallSignText& call) {
  if (call[0] == '/' || IsBlank(call)) return kNoYourCall;
  return FirstYourCall(image, [&](int entry) {
    const CallSignText own = YourCallOf(image, entry);
    return std::equal(own.begin(), own.begin() + 7, call.begin()) && (own[7] == call[7] || own[7] == ' ');
  });
}

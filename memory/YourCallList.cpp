#include "memory/YourCallList.h"

#include <algorithm>

#include "memory/ImageFields.h"
#include "memory/RecordCodecs.h"

using namespace MemoryMap;

namespace {

Address CallSignAddress(int entry) { return kYourCallSigns + kCallSignLength * entry; }
Address NameAddress(int entry) { return kYourCallNames + kNameLength * entry; }

template <typename Predicate>
int FirstYourCall(const cmcEeprom& image, Predicate&& matches) {
  const int count = YourCallCount(image);
  for (int entry = 0; entry < count; ++entry) {
    if (matches(entry)) return entry;
  }
  return kNoYourCall;
}

bool IsYourCallIndex(int index) { return index >= 0 && index < kYourCallCount; }

}  // namespace

CallSignText YourCallOf(const cmcEeprom& image, int entry) {
  return ReadText<kCallSignLength>(image, CallSignAddress(entry));
}

NameText YourCallNameOf(const cmcEeprom& image, int entry) { return ReadText<kNameLength>(image, NameAddress(entry)); }

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

void DecodeYourCall(datCh& r, const cmcEeprom& image, int index) {
  if (!IsYourCallIndex(index)) {
    r.SetUsed(false);
    return;
  }
  r.callSign = YourCallOf(image, index);
  r.name = YourCallNameOf(image, index);
  r.SetUsed(index < YourCallCount(image));
}

void EncodeYourCall(const datCh& r, cmcEeprom& image, int index) {
  if (!IsYourCallIndex(index)) return;
  WriteText(image, CallSignAddress(index), r.callSign);
  WriteText(image, NameAddress(index), r.name);
}

void DecodeNewYourCall(datCh& r) { r.callSign = kPlaceholderCallSign; }

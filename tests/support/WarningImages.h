#pragma once
// Image content that the record checks judge in a known way.
#include "memory/FixedText.h"
#include "memory/YourCallList.h"
#include "memory/cmcEeprom.h"
#include "memory/datCh.h"

// Leaves the image's your-call list two identical entries: a warning and no error, which the
// automatic correction resolves by removing one of them.
inline void MakeTwoIdenticalYourCalls(cmcEeprom& image) {
  constexpr int kYourCallKind = 8;
  SetYourCallCount(image, 2);
  datCh entry(image);
  for (int i = 0; i < 2; ++i) {
    entry.Load(kYourCallKind, i);
    entry.callSign = MakeFixedText<8>("TESTCALL");
    entry.Store(kYourCallKind, i);
  }
}

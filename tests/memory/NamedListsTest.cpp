#include <gtest/gtest.h>

#include <string>

#include "MemoryTestImages.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/NamedLists.h"

namespace {

using namespace MemoryMap;

TEST(NamedLists, LabelIsTheKeyAndTheStoredName) {
  const struct {
    NamedList list;
    int position;
    Address name;  // where the test stores "Tokyo"; 0 for a position outside the list
    std::string label;
  } cases[] = {
      {NamedList::kScanLink, 3, kScanLinkNames + 16 * 3, "3: Tokyo           "},
      {NamedList::kBank, 0, kBankNames, "A: Tokyo           "},
      {NamedList::kBank, 25, kBankNames + 16 * 25, "Z: Tokyo           "},
      {NamedList::kBroadcastBank, 2, kBroadcastGroupNames + 16 * 2, "C: Tokyo           "},
      {NamedList::kGpsGroup, 25, kGpsGroupNames + 16 * 25, "Z: Tokyo           "},
      {NamedList::kRepeaterGroup, 0, kRepeaterGroupNames, "01: Tokyo           "},
      {NamedList::kRepeaterGroup, 29, kRepeaterGroupNames + 16 * 29, "30: Tokyo           "},
      {NamedList::kBank, 26, 0, ""},
      {NamedList::kScanLink, 10, 0, ""},
      {NamedList::kRepeaterGroup, 30, 0, ""},
      {NamedList::kGpsGroup, -1, 0, ""},
  };
  for (const auto& c : cases) {
    cmcEeprom image = BlankImage();
    if (c.name != 0) WriteText(image, c.name, MakeFixedText<16>("Tokyo"));
    EXPECT_EQ(NamedListLabel(image, c.list, c.position), c.label) << c.label;
  }
}

}  // namespace

// No image content, however damaged, may make the model read or write outside the image:
// every out-of-range access would end in the fatal address error, which the trap turns into
// a test failure (and the sanitizer build checks the rest).
#include <gtest/gtest.h>

#include "MemoryTestImages.h"
#include "memory/ChannelList.h"
#include "memory/ListPacking.h"
#include "memory/datCh.h"
#include "support/FatalTrap.h"

namespace {

struct KindRange {
  int kind;
  int count;
};

constexpr KindRange kAllKinds[] = {
    {RecordKind::kChannel, 554},          {RecordKind::kBankView, 2600},
    {RecordKind::kScanLink, 260},         {RecordKind::kGps, 200},
    {RecordKind::kRepeater, 750},         {RecordKind::kYourCall, 200},
    {RecordKind::kReceivedCall, 50},      {RecordKind::kHistoryFrom, 10},
    {RecordKind::kHistoryFromAnalog, 10}, {RecordKind::kHistoryTo, 20},
    {RecordKind::kHistoryReflector, 5},   {RecordKind::kBroadcastFm, 2600},
    {RecordKind::kBroadcastAm, 2600},     {RecordKind::kBandTemplate, 3},
    {RecordKind::kBandTemplateSkip, 3},   {RecordKind::kNewBroadcastFm, 1},
    {RecordKind::kNewBroadcastAm, 1},     {RecordKind::kNewGpsNow, 200},
    {RecordKind::kNewGpsUndated, 200},    {RecordKind::kNewRepeater, 750},
    {RecordKind::kNewYourCall, 200},      {99, 1},
};

// Loads and stores back every entry of every kind, a few indexes beyond each range too.
void TouchEveryEntry(cmcEeprom& image) {
  datCh record(image);
  for (const KindRange& range : kAllKinds) {
    for (int index = -3; index < range.count + 3; ++index) {
      record.Load(range.kind, index);
      if (range.kind == RecordKind::kChannel) record.DeriveDisplayNames();
      record.Store(RecordKind::kNone, index);
    }
  }
}

TEST(GarbageImage, EveryEntryLoadsAndStoresInsideTheImage) {
  for (const std::uint32_t seed : {11u, 22u, 33u, 44u}) {
    for (const bool unpackFirst : {false, true}) {
      cmcEeprom image = GarbageImage(seed);
      const std::string fatal = FatalMessageOf([&] {
        if (unpackFirst) UnpackImage(image);
        TouchEveryEntry(image);
        RebuildBankTables(image);
        TouchEveryEntry(image);
        PackImage(image);
      });
      EXPECT_EQ(fatal, "") << "seed " << seed << (unpackFirst ? " unpacked" : " raw");
      EXPECT_EQ(image.GetSize(), ImageSizeOf(3));
    }
  }
}

TEST(GarbageImage, AllOnesImageUnpacksToEmptyLists) {
  cmcEeprom image = BlankImage();
  EXPECT_EQ(FatalMessageOf([&] {
              UnpackImage(image);
              TouchEveryEntry(image);
              PackImage(image);
            }),
            "");
  datCh record(image);
  record.Load(RecordKind::kGps, 0);
  EXPECT_FALSE(record.IsUsed());
  record.Load(RecordKind::kReceivedCall, 0);
  EXPECT_FALSE(record.IsUsed());
  record.Load(RecordKind::kHistoryTo, 0);
  EXPECT_FALSE(record.IsUsed());
  record.Load(RecordKind::kBroadcastFm, 0);
  EXPECT_FALSE(record.IsUsed());
}

TEST(GarbageImage, UnboundRecordIsADefect) {
  datCh record;
  EXPECT_NE(FatalMessageOf([&] { record.Load(RecordKind::kChannel, 0); }), "");
}

}  // namespace

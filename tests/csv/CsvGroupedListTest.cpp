#include <gtest/gtest.h>

#include <cmath>

#include "csv/CsvTestSupport.h"
#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/ListEntries.h"

namespace {

const CsvList kAllGps{CsvListKind::kGps, kCsvScopeAll};
const CsvList kAllBroadcast{CsvListKind::kBroadcast, kCsvScopeAll};

void AddGps(cmcEeprom& image, int group, int n) {
  const GpsGroups groups = ReadGpsGroups(image);
  const int place = groups.count[static_cast<std::size_t>(group)];
  ASSERT_TRUE(InsertGpsMemory(image, group, place));
  datCh r(image);
  const int position = ReadGpsGroups(image).start[static_cast<std::size_t>(group)] + place;
  r.Load(RecordKind::kGps, position);
  r.name = MakeFixedText<16>(n % 3 == 0 ? "Summit, \"top\"" : "Spot " + std::to_string(n));
  r.latitude =
      GpsPosition{static_cast<std::uint8_t>(n % 90), static_cast<std::uint16_t>(n * 131 % 60000), n % 2 ? 'N' : 'S'};
  r.longitude =
      GpsPosition{static_cast<std::uint8_t>(n % 180), static_cast<std::uint16_t>(n * 77 % 60000), n % 3 ? 'E' : 'W'};
  // Altitudes as typed in metres, which the file's tenths of a metre hold exactly.
  r.altitude = n % 4 == 0 ? 0x7FFFFFFF : static_cast<std::int32_t>(std::lround((n * 37 % 2000 - 500) * 10 * 3.2808399));
  if (n % 5 == 0) {
    r.date = {0x99, 0x99, 0x99};
    r.time = {0x99, 0x99, 0x99};
  } else {
    r.date = {0x15, 0x06, 0x24};
    r.time = {static_cast<std::uint8_t>(n % 2 ? 0x23 : 0x01), 0x59, 0x30};
  }
  r.Store(RecordKind::kGps, position);
}

TEST(CsvGps, ExportThenImportGivesTheSameMemories) {
  CsvDocument source;
  WriteU16(source.Image(), MemoryMap::kRadioUtcOffset, static_cast<std::uint16_t>(-300));
  for (int n = 0; n < 200; ++n) AddGps(source.Image(), n % 27, n);
  WriteText(source.Image(), MemoryMap::kGpsGroupNames, MakeFixedText<16>("Alps; high"));
  source.Image().SetByte(MemoryMap::kGpsAlarmType, 3);
  source.Image().SetByte(MemoryMap::kGpsAlarmGroup, 4);
  source.Image().SetByte(MemoryMap::kGpsAlarmPosition, 2);
  source.Merge();
  for (const int dateOrder : {0, 1, 2}) {
    source.Image().SetByte(MemoryMap::kSettings + 156, static_cast<std::uint8_t>(dateOrder));
    const std::string text = source.Export(kAllGps);
    CsvDocument target;
    target.Image().SetByte(MemoryMap::kSettings + 156, static_cast<std::uint8_t>(dateOrder));
    WriteU16(target.Image(), MemoryMap::kRadioUtcOffset, static_cast<std::uint16_t>(-300));
    const CsvImportResult result = target.Import(kAllGps, text);
    ASSERT_TRUE(result.changed);
    EXPECT_EQ(result.tally.imported, 200);
    EXPECT_EQ(result.tally.discarded, 0);
    EXPECT_EQ(target.Export(kAllGps), text);
    ExpectSameRecords(source.Image(), target.Image(), RecordKind::kGps, 0, 199);
    EXPECT_EQ(target.Image().GetByte(MemoryMap::kGpsAlarmGroup), 4);
    EXPECT_EQ(target.Image().GetByte(MemoryMap::kGpsAlarmPosition), 2);
  }
}

TEST(CsvGps, RowsAreReadAsTheLayoutSays) {
  CsvDocument document;
  const CsvImportResult result =
      document.Import(kAllGps, Lines({"Bank,Name,Latitude,Longitude,Alarm,Date,Time", "B,one,-35.5,139.25,ON,,12:00:00",
                                      "C,two,35,139,ON,2024/06/15,", "Q,three,,139,OFF,,", "A,four,35,181,OFF,,"}));
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(result.tally.imported, 2);
  EXPECT_EQ(result.tally.discarded, 2);
  EXPECT_EQ(result.tally.corrected, 1);  // the second alarm; a date alone counts too, on the same row
  const GpsGroups groups = ReadGpsGroups(document.Image());
  EXPECT_EQ(groups.count[2], 1);
  const datCh one = document.Record(RecordKind::kGps, groups.start[2]);
  EXPECT_EQ(one.latitude, (GpsPosition{35, 30000, 'S'}));
  EXPECT_EQ(one.date, (std::array<std::uint8_t, 3>{0x99, 0x99, 0x99}));
  EXPECT_EQ(one.time, (std::array<std::uint8_t, 3>{0x12, 0x00, 0x00}));  // no offset set: UTC as local
  EXPECT_EQ(document.Image().GetByte(MemoryMap::kGpsAlarmGroup), 2);
  EXPECT_EQ(document.Image().GetByte(MemoryMap::kGpsAlarmPosition), 0);
}

// Adds a station to a bank's FM or AM list.
void AddStation(cmcEeprom& image, int bank, bool am, std::uint32_t frequency, std::string_view name) {
  const int position = BroadcastListCount(image, bank, am);
  ASSERT_TRUE(InsertBroadcast(image, bank, am, position));
  datCh r(image);
  const int kind = am ? RecordKind::kBroadcastAm : RecordKind::kBroadcastFm;
  r.Load(kind, BroadcastListIndex(bank, am, position));
  r.frequency = frequency;
  r.name = MakeFixedText<16>(name);
  r.skip = static_cast<std::uint8_t>(position % 2);
  r.Store(kind, BroadcastListIndex(bank, am, position));
}

TEST(CsvBroadcast, ExportThenImportGivesTheSameBanks) {
  CsvDocument source;
  for (int n = 0; n < 120; ++n) {
    AddStation(source.Image(), n % 26, n % 3 == 0, n % 3 == 0 ? 531000 + 9000 * n : 76100000 + 100000 * n,
               n % 4 == 0 ? "Radio, \"one\"" : "Station");
  }
  WriteText(source.Image(), MemoryMap::kBroadcastGroupNames + 16, MakeFixedText<16>("News"));
  source.Merge();
  const std::string text = source.Export(kAllBroadcast);
  CsvDocument target;
  const CsvImportResult result = target.Import(kAllBroadcast, text);
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(result.tally.imported, 120);
  EXPECT_EQ(result.tally.corrected, 0) << RowNotesText(result.tally, 3);
  EXPECT_EQ(target.Export(kAllBroadcast), text);
  for (int bank = 0; bank < 26; ++bank) {
    for (const bool am : {false, true}) {
      const int kind = am ? RecordKind::kBroadcastAm : RecordKind::kBroadcastFm;
      const int count = BroadcastListCount(source.Image(), bank, am);
      ASSERT_EQ(BroadcastListCount(target.Image(), bank, am), count);
      if (count == 0) continue;
      ExpectSameRecords(source.Image(), target.Image(), kind, BroadcastListIndex(bank, am, 0),
                        BroadcastListIndex(bank, am, count - 1));
    }
  }
}

TEST(CsvBroadcast, RowsAreRoundedDiscardedAndLimited) {
  CsvDocument document;
  std::string text = Lines({"Mode,Frequency,Bank", "FM,90.05,B", "AM,1.8,B", "XM,90.0,B"});
  for (int n = 0; n < 60; ++n) text += "FM,80.0,C\r\n";
  const CsvImportResult result = document.Import(kAllBroadcast, text);
  ASSERT_TRUE(result.changed);
  EXPECT_EQ(result.tally.imported, 51);
  EXPECT_EQ(result.tally.discarded, 2);
  EXPECT_TRUE(result.tally.noSpace);
  EXPECT_EQ(document.Record(RecordKind::kBroadcastFm, BroadcastListIndex(1, false, 0)).frequency, 90100000u);
  EXPECT_EQ(BroadcastListCount(document.Image(), 2, false), 50);
  EXPECT_EQ(ImportMessageKeys(result),
            (std::vector<std::string>{"GI_Mess_ImportGps_NoChSpace", "GI_Mess_ImportGps_Discard",
                                      "GI_Mess_ImportGps_Correct"}));

  // A bank page takes every row into its own bank; the other banks keep theirs.
  const CsvImportResult bank =
      document.Import({CsvListKind::kBroadcast, 5}, Lines({"Mode,Frequency,Bank", "AM,0.594,A"}), 5);
  ASSERT_TRUE(bank.changed);
  EXPECT_EQ(BroadcastListCount(document.Image(), 5, true), 1);
  EXPECT_EQ(BroadcastListCount(document.Image(), 2, false), 50);
}

}  // namespace

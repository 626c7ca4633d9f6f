// The broadcast radio columns through cell requests, on the FM and AM pages of a group that
// holds stations of both bands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "memory/BroadcastList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"

namespace {

using namespace MemoryMap;

constexpr int kDestination = 0;  // FM broadcast from 88 MHz
constexpr int kGroup = 1;        // B: FM list 2 (indexes 100...), AM list 3 (indexes 150...)

void PutStation(cmcEeprom& image, int slot, std::uint32_t frequency, const char* name, bool skip) {
  const int record = 10 + slot;
  WriteU32(image, kBroadcastMemories + kBroadcastRecordSize * record, frequency);
  WriteText(image, kBroadcastMemories + kBroadcastRecordSize * record + 4, MakeFixedText<16>(name));
  WriteBit(image, kBroadcastSkipBits, record, skip);
  SetBroadcastSlotRecord(image, kGroup, slot, static_cast<std::uint16_t>(record));
}

class BroadcastColumns : public ::testing::Test {
 protected:
  void SetUp() override {
    PutStation(document.image, 0, 76'500'000, "Tokyo FM", false);
    PutStation(document.image, 1, 80'000'000, "J-Wave", true);
    PutStation(document.image, 2, 954'000, "TBS", false);
  }

  datCh Station(int kind, int index) {
    datCh record(document.image);
    record.Load(kind, index);
    return record;
  }

  TestDocument document{kDestination};
  CellRequests requests{document};
};

TEST_F(BroadcastColumns, EachPageShowsItsOwnBand) {
  const struct {
    int list;
    int count;
    unsigned category;
    int index;
    unsigned cellId;
    std::string text;
  } rows[] = {
      {2, 2, CT_Radio_Fm, 100, CL_Radio_Name, "Tokyo FM"}, {2, 2, CT_Radio_Fm, 100, CL_Radio_Freq, " 76.5"},
      {2, 2, CT_Radio_Fm, 101, CL_Radio_Skip, "Skip"},     {2, 2, CT_Radio_Fm, 100, CL_Radio_Skip, ""},
      {2, 2, CT_Radio_Fm, 102, CL_Radio_Freq, ""},  // the new-entry row, not the AM station
      {2, 2, CT_Radio_Fm, 102, CL_Radio_Name, ""},         {3, 1, CT_Radio_Am, 150, CL_Radio_Name, "TBS"},
      {3, 1, CT_Radio_Am, 150, CL_Radio_Freq, " 954"},     {3, 1, CT_Radio_Am, 151, CL_Radio_Freq, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.index) + " " + std::string(CellIdName(row.cellId)));
    const OpenListSheet sheet(document.events, row.list, row.count);
    EXPECT_EQ(requests.Query(row.category, row.cellId, row.index).outputText, row.text);
  }
}

TEST_F(BroadcastColumns, TypedFrequenciesAreRoundedToTheBandsStep) {
  const struct {
    unsigned category;
    int list;
    int index;
    std::string typed;
    std::uint32_t stored;
    std::string shown;
  } rows[] = {
      {CT_Radio_Fm, 2, 100, "76.15", 76'200'000, " 76.2"}, {CT_Radio_Fm, 2, 100, "120", 108'000'000, "108.0"},
      {CT_Radio_Fm, 2, 100, "50", 76'000'000, " 76.0"},    {CT_Radio_Am, 3, 150, "1000.6", 1'001'000, "1001"},
      {CT_Radio_Am, 3, 150, "100", 520'000, " 520"},       {CT_Radio_Am, 3, 150, "no digits", 520'000, " 520"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    const OpenListSheet sheet(document.events, row.list, 2);
    requests.Commit(row.category, CL_Radio_Freq, row.index, row.typed);
    const int kind = row.category == CT_Radio_Fm ? RecordKind::kBroadcastFm : RecordKind::kBroadcastAm;
    EXPECT_EQ(Station(kind, row.index).frequency, row.stored);
    EXPECT_EQ(requests.Query(row.category, CL_Radio_Freq, row.index).outputText, row.shown);
  }
}

TEST_F(BroadcastColumns, NameAndSkipAreStored) {
  const OpenListSheet sheet(document.events, 2, 2);
  requests.Commit(CT_Radio_Fm, CL_Radio_Name, 101, "Bay FM");
  EXPECT_EQ(Station(RecordKind::kBroadcastFm, 101).name, MakeFixedText<16>("Bay FM"));
  requests.Key(CT_Radio_Fm, CL_Radio_Skip, 101, kKeySpace);
  EXPECT_EQ(Station(RecordKind::kBroadcastFm, 101).skip, 0);
  EXPECT_EQ(Station(RecordKind::kBroadcastAm, 150).name, MakeFixedText<16>("TBS")) << "the AM station is untouched";
}

TEST_F(BroadcastColumns, AFrequencyOutsideTheDestinationsRangeIsMarked) {
  PutStation(document.image, 1, 90'000'000, "In range", false);
  const OpenListSheet sheet(document.events, 2, 2);
  EXPECT_TRUE(requests.Query(CT_Radio_Fm, CL_Radio_Freq, 100).HasFlag(kRequestWarningMark));
  EXPECT_FALSE(requests.Query(CT_Radio_Fm, CL_Radio_Freq, 101).HasFlag(kRequestWarningMark));
  EXPECT_FALSE(requests.Query(CT_Radio_Fm, CL_Radio_Freq, 102).HasFlag(kRequestWarningMark)) << "the new-entry row";
}

}  // namespace

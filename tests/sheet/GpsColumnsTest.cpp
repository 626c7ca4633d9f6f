// The GPS memory columns through cell requests: what each column shows of a memory and what a
// committed text or an editor's pick stores, the alarm column, and stamps that are no real
// date or time showing as none.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"

namespace {

using namespace MemoryMap;

constexpr int kDestination = 2;
constexpr std::int16_t kJapanTime = 540;  // +9:00

// Puts `count` memories (records 0..count-1) into the list, the first `inNoGroup` in group 0
// and the rest in group A.
void PutGpsList(cmcEeprom& image, int count, int inNoGroup) {
  for (int p = 0; p < kGpsMemoryCount; ++p)
    image.SetByte(kGpsOrder + p, static_cast<std::uint8_t>(p < count ? p : 0xFF));
  for (int g = 0; g < kGpsGroupCount; ++g) image.SetByte(kGpsGroupStarts + g, 0xFF);
  if (inNoGroup > 0) image.SetByte(kGpsGroupStarts, 0);
  if (count > inNoGroup) image.SetByte(kGpsGroupStarts + 1, static_cast<std::uint8_t>(inNoGroup));
}

class GpsColumns : public ::testing::Test {
 protected:
  void SetUp() override {
    PutGpsList(document.image, 3, 0);
    WriteU16(document.image, kRadioUtcOffset, static_cast<std::uint16_t>(kJapanTime));
    document.image.SetByte(kSettings + 70, 0);  // degrees and decimal minutes
    document.image.SetByte(kSettings + 71, 0);  // metres
    Edit(0, [](datCh& r) {
      r.name = MakeFixedText<16>("Summit");
      r.latitude = {35, 41123, 'N'};
      r.longitude = {139, 41500, 'E'};
      r.date = {0x31, 0x12, 0x23};  // 2023-12-31 20:30 UTC is 2024-01-01 05:30 in Japan
      r.time = {0x20, 0x30, 0x00};
      r.altitude = 1000;  // 100 ft
    });
  }

  void Edit(int position, const std::function<void(datCh&)>& edit) {
    datCh record = Memory(position);
    edit(record);
    record.Commit();
  }

  datCh Memory(int position) {
    datCh record(document.image);
    record.Load(RecordKind::kGps, position);
    return record;
  }

  TestDocument document{kDestination};
  OpenListSheet sheet{document.events, 1, 3};  // group A holds the three memories
  CellRequests requests{document};
};

TEST_F(GpsColumns, EachColumnShowsItsField) {
  const struct {
    unsigned cellId;
    std::string text;
  } columns[] = {
      {CL_Gps_Name, "Summit"},
      {CL_Gps_Date, "2024/01/01"},
      {CL_Gps_Time, "05:30:00"},
      {CL_Gps_Latitude,
       "35\xB0"
       "41.12'N"},
      {CL_Gps_Longitude,
       "139\xB0"
       "41.50'E"},
      {CL_Gps_Altitude, "30m"},
      {CL_Gps_Alarm, " "},
  };
  for (const auto& column : columns) {
    SCOPED_TRACE(CellIdName(column.cellId));
    EXPECT_EQ(requests.Query(CT_Gps, column.cellId, 0).outputText, column.text);
  }
  document.image.SetByte(kSettings + 70, 1);
  document.image.SetByte(kSettings + 71, 1);
  EXPECT_EQ(requests.Query(CT_Gps, CL_Gps_Latitude, 0).outputText,
            "35\xB0"
            "41'07\"N");
  EXPECT_EQ(requests.Query(CT_Gps, CL_Gps_Altitude, 0).outputText, "100ft");
  EXPECT_EQ(document.edits, 0);
}

// Bytes that are no real date or time of day show as none, whatever the offset adds.
TEST_F(GpsColumns, StampsThatAreNoRealDateOrTimeShowAsNone) {
  const struct {
    const char* name;
    std::array<std::uint8_t, 3> date;
    std::array<std::uint8_t, 3> time;
    std::string shownDate;
    std::string shownTime;
  } rows[] = {
      {"new-memory marker", {0x99, 0x99, 0x99}, {0x99, 0x99, 0x99}, "----/--/--", "--:--:--"},
      {"31 February", {0x31, 0x02, 0x24}, {0x99, 0x99, 0x99}, "----/--/--", "--:--:--"},
      {"29 February of a common year", {0x29, 0x02, 0x23}, {0x99, 0x99, 0x99}, "----/--/--", "--:--:--"},
      {"day and month zero", {0x00, 0x00, 0x00}, {0x24, 0x00, 0x00}, "----/--/--", "--:--:--"},
      {"no BCD", {0x1A, 0x01, 0x24}, {0x12, 0x6A, 0x00}, "----/--/--", "--:--:--"},
      {"29 February of a leap year", {0x29, 0x02, 0x24}, {0x99, 0x99, 0x99}, "2024/02/29", "--:--:--"},
      {"time alone shifts by the offset", {0x99, 0x99, 0x99}, {0x23, 0x00, 0x00}, "----/--/--", "08:00:00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Edit(1, [&](datCh& r) {
      r.date = row.date;
      r.time = row.time;
    });
    EXPECT_EQ(requests.Query(CT_Gps, CL_Gps_Date, 1).outputText, row.shownDate);
    EXPECT_EQ(requests.Query(CT_Gps, CL_Gps_Time, 1).outputText, row.shownTime);
    EXPECT_EQ(Memory(1).date, row.date) << "showing never writes";
  }
}

TEST_F(GpsColumns, TypedTextAndEditorPicksLandInTheMemory) {
  requests.Commit(CT_Gps, CL_Gps_Name, 0, "Peak");
  EXPECT_EQ(Memory(0).name, MakeFixedText<16>("Peak"));
  // The GPS text editor hands back local dates and times; the memory keeps them in UTC.
  requests.EditorPick(CT_Gps, CL_Gps_Date, 0, "2024/03/01");
  EXPECT_EQ(Memory(0).date, (std::array<std::uint8_t, 3>{0x29, 0x02, 0x24}));
  EXPECT_EQ(Memory(0).time, (std::array<std::uint8_t, 3>{0x20, 0x30, 0x00}));
  requests.EditorPick(CT_Gps, CL_Gps_Time, 0, "06:00:00");
  EXPECT_EQ(Memory(0).time, (std::array<std::uint8_t, 3>{0x21, 0x00, 0x00}));
  requests.EditorPick(CT_Gps, CL_Gps_Date, 0, "2100/01/01");  // outside what a memory holds
  EXPECT_EQ(requests.Query(CT_Gps, CL_Gps_Date, 0).outputText, "2024/03/01");
  requests.EditorPick(CT_Gps, CL_Gps_Latitude, 0,
                      " 12\xB0"
                      "34.56'S");
  EXPECT_EQ(Memory(0).latitude, (GpsPosition{12, 34560, 'S'}));
  document.image.SetByte(kSettings + 70, 1);  // the seconds format reads seconds
  requests.EditorPick(CT_Gps, CL_Gps_Longitude, 0,
                      "135\xB0"
                      "30'30\"W");
  EXPECT_EQ(Memory(0).longitude, (GpsPosition{135, 30500, 'W'}));
  requests.Commit(CT_Gps, CL_Gps_Altitude, 0, "-20");
  EXPECT_EQ(Memory(0).altitude, -656);  // -20 m in tenths of a foot
  requests.Commit(CT_Gps, CL_Gps_Altitude, 0, "");
  EXPECT_EQ(Memory(0).altitude, 0x7FFFFFFF);
}

TEST_F(GpsColumns, EnterOnAStampOrPositionAsksForTheGpsTextEditor) {
  for (unsigned cellId : {CL_Gps_Date, CL_Gps_Time, CL_Gps_Latitude, CL_Gps_Longitude}) {
    SCOPED_TRACE(CellIdName(cellId));
    const auto [request, result] = requests.Key(CT_Gps, cellId, 0, kKeyEnter);
    EXPECT_EQ(result, kCellResultRefresh);
    EXPECT_TRUE(std::holds_alternative<GpsTextPopup>(request.popup));
  }
  const auto editor = std::get<GpsTextPopup>(requests.Key(CT_Gps, CL_Gps_Date, 0, kKeyEnter).first.popup);
  EXPECT_EQ(editor.text, "2024/01/01");
}

TEST_F(GpsColumns, TheAlarmMarksTheRowsItCovers) {
  const auto marks = [&] {
    std::string shown;
    for (int p = 0; p < 3; ++p) shown += requests.Query(CT_Gps, CL_Gps_Alarm, p).outputText;
    return shown;
  };
  const auto alarm = [&] {
    return std::array<int, 3>{document.image.GetByte(kGpsAlarmType), document.image.GetByte(kGpsAlarmGroup),
                              document.image.GetByte(kGpsAlarmPosition)};
  };
  const auto [opened, result] = requests.Key(CT_Gps, CL_Gps_Alarm, 0, kKeyEnter);
  EXPECT_EQ(result, kCellResultRefresh);
  EXPECT_EQ(std::get<SelectionListPopup>(opened.popup).listKey, "GI_Sheet_Sel_GPS_Alarm");

  requests.ListPick(CT_Gps, CL_Gps_Alarm, 2, 1);  // "This Memory" on the third memory of group A
  EXPECT_EQ(alarm(), (std::array<int, 3>{3, 1, 2}));
  EXPECT_EQ(marks(), "  *");
  requests.ListPick(CT_Gps, CL_Gps_Alarm, 1, 1);  // the same entry on another row moves it there
  EXPECT_EQ(alarm(), (std::array<int, 3>{3, 1, 1}));
  EXPECT_EQ(marks(), " * ");
  requests.ListPick(CT_Gps, CL_Gps_Alarm, 0, 5);  // group A
  EXPECT_EQ(alarm(), (std::array<int, 3>{2, 2, 0}));
  EXPECT_EQ(marks(), "***");
  requests.ListPick(CT_Gps, CL_Gps_Alarm, 0, 4);  // no group: not this group's rows
  EXPECT_EQ(marks(), "   ");
  requests.ListPick(CT_Gps, CL_Gps_Alarm, 0, 3);  // all memories
  EXPECT_EQ(marks(), "***");
  requests.ListPick(CT_Gps, CL_Gps_Alarm, 0, 2);  // RX
  EXPECT_EQ(alarm(), (std::array<int, 3>{1, 0, 0}));
  EXPECT_EQ(marks(), "   ");
  document.image.SetByte(kGpsAlarmType, 3);
  document.image.SetByte(kGpsAlarmGroup, 200);  // out of range: no alarm
  EXPECT_EQ(marks(), "   ");
}

}  // namespace

// The row after the last entry of a counted list: the key column starts a new entry there
// with the keys its list takes, and a full list refuses with its message.
#include <gtest/gtest.h>

#include "CellDocumentFixture.h"
#include "memory/BroadcastList.h"
#include "memory/GpsList.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "support/ScriptedMessageBox.h"

namespace {

using namespace MemoryMap;

constexpr int kDestination = 2;

class NewEntryRow : public ::testing::Test {
 protected:
  TestDocument document{kDestination};
  CellRequests requests{document};
  ScriptedMessageBox box;
};

TEST_F(NewEntryRow, EnterOnARepeaterGroupsNewRowAddsAnEntryAndOffersItsType) {
  SetGroupCount(document.image, 0, 2);
  SetGroupCount(document.image, 1, 1);
  OpenListSheet sheet(document.events, 1, 1);
  const cmcEeprom before = document.image;
  requests.Key(CT_Rptlist, CL_Repeater_List_Type, 3, 'A');
  EXPECT_TRUE(document.image.IsEqual(before)) << "only Enter starts a repeater";
  const auto [request, result] = requests.Key(CT_Rptlist, CL_Repeater_List_Type, 3, kKeyEnter);
  EXPECT_EQ(GroupCount(document.image, 1), 2);
  EXPECT_EQ(result, kCellResultRefresh);
  EXPECT_EQ(std::get<SelectionListPopup>(request.popup).listKey, "GI_Sheet_Sel_Rpt_Type");
  requests.ListPick(CT_Rptlist, CL_Repeater_List_Type, 3, 2);
  datCh entry(document.image);
  entry.Load(RecordKind::kRepeater, 3);
  EXPECT_EQ(entry.RepeaterEntryType(), 2);
  EXPECT_TRUE(box.asked.empty());
}

TEST_F(NewEntryRow, AFullListRefusesWithItsMessage) {
  SetGroupCount(document.image, 0, kRepeaterCount);
  OpenListSheet repeaters(document.events, 0, kRepeaterCount);
  const cmcEeprom before = document.image;
  requests.Key(CT_Rptlist, CL_Repeater_List_Type, kRepeaterCount, kKeyEnter);
  EXPECT_TRUE(document.image.IsEqual(before));
  ASSERT_EQ(box.asked.size(), 1u);
  EXPECT_EQ(box.asked[0].text, "The memory is full.");
  EXPECT_EQ(box.asked[0].icon, MessageIcon::Error);
}

TEST_F(NewEntryRow, TypingOnTheNewRowOfAYourCallListOrGpsGroupStartsAnEntryWithTheCharacter) {
  {
    SetYourCallCount(document.image, 1);
    OpenListSheet sheet(document.events, 0, 1);
    const auto [request, result] = requests.Key(CT_Urlist, CL_You_Callsign_Code, 1, 'J');
    EXPECT_EQ(YourCallCount(document.image), 2);
    EXPECT_EQ(result, kCellResultEdit);
    EXPECT_EQ(request.outputText, "J");
    requests.Commit(CT_Urlist, CL_You_Callsign_Code, 1, "JA1XYZ");
    EXPECT_EQ(YourCallOf(document.image, 1), MakeFixedText<8>("JA1XYZ"));
  }
  {
    for (int p = 0; p < kGpsMemoryCount; ++p) document.image.SetByte(kGpsOrder + p, 0xFF);
    for (int g = 0; g < kGpsGroupCount; ++g) document.image.SetByte(kGpsGroupStarts + g, 0xFF);
    OpenListSheet sheet(document.events, 2, 0);  // group B, empty
    const auto [request, result] = requests.Key(CT_Gps, CL_Gps_Name, 0, 'S');
    EXPECT_EQ(ReadGpsGroups(document.image).count[2], 1);
    EXPECT_EQ(result, kCellResultEdit);
    requests.Commit(CT_Gps, CL_Gps_Name, 0, "Summit");
    datCh memory(document.image);
    memory.Load(RecordKind::kGps, 0);
    EXPECT_EQ(memory.name, MakeFixedText<16>("Summit"));
  }
  EXPECT_TRUE(box.asked.empty());
}

TEST_F(NewEntryRow, ADigitOnABroadcastListsNewRowStartsAStation) {
  OpenListSheet sheet(document.events, 5, 0);  // group C, AM
  const cmcEeprom before = document.image;
  requests.Key(CT_Radio_Am, CL_Radio_Freq, 250, 'x');
  EXPECT_TRUE(document.image.IsEqual(before));
  const auto [request, result] = requests.Key(CT_Radio_Am, CL_Radio_Freq, 250, '9');
  EXPECT_EQ(BroadcastListCount(document.image, 2, true), 1);
  EXPECT_EQ(request.outputText, "9");
  requests.Commit(CT_Radio_Am, CL_Radio_Freq, 250, "954");
  datCh station(document.image);
  station.Load(RecordKind::kBroadcastAm, 250);
  EXPECT_EQ(station.frequency, 954'000u);
  EXPECT_EQ(requests.Query(CT_Radio_Am, CL_Radio_Freq, 251).outputText, "") << "the next new-entry row";
}

}  // namespace

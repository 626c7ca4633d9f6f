// The columns of the your-call-sign list, own call signs, transmit messages, DTMF memories and
// scan links through cell requests: what they show and what typing or a pick stores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/YourCallList.h"

namespace {

using namespace MemoryMap;

constexpr int kDestination = 2;

class StationColumns : public ::testing::Test {
 protected:
  // What the cell shows, without the spaces of a blank list entry.
  std::string Shown(unsigned category, unsigned cellId, int index) {
    std::string text = requests.Query(category, cellId, index).outputText;
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  }
  std::string Bytes(Address at, int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += static_cast<char>(document.image.GetByte(at + i));
    return text;
  }

  TestDocument document{kDestination};
  CellRequests requests{document};
};

TEST_F(StationColumns, YourCallSignsKeepACallSignAndMarkRepeats) {
  SetYourCallCount(document.image, 2);
  const OpenListSheet sheet(document.events, 0, 2);
  requests.Commit(CT_Urlist, CL_You_Callsign_Code, 0, "ja1xyz");
  requests.Commit(CT_Urlist, CL_You_Callsign_Name, 0, "Friend");
  requests.Commit(CT_Urlist, CL_You_Callsign_Code, 1, "JA1XYZ");
  EXPECT_EQ(YourCallOf(document.image, 0), MakeFixedText<8>("JA1XYZ"));
  EXPECT_EQ(YourCallNameOf(document.image, 0), MakeFixedText<16>("Friend"));
  EXPECT_EQ(Shown(CT_Urlist, CL_You_Callsign_Code, 0), "JA1XYZ");
  EXPECT_EQ(Shown(CT_Urlist, CL_You_Callsign_Name, 0), "Friend");
  EXPECT_FALSE(requests.Query(CT_Urlist, CL_You_Callsign_Code, 0).HasFlag(kRequestWarningMark));
  EXPECT_TRUE(requests.Query(CT_Urlist, CL_You_Callsign_Code, 1).HasFlag(kRequestWarningMark)) << "a repeat";
  const cmcCellCapsule cleared = requests.Commit(CT_Urlist, CL_You_Callsign_Code, 0, "   ");
  EXPECT_EQ(YourCallOf(document.image, 0), MakeFixedText<8>("JA1XYZ")) << "a blank call sign is not stored";
  EXPECT_EQ(cleared.outputText, "JA1XYZ");
  EXPECT_EQ(Shown(CT_Urlist, CL_You_Callsign_ChNo, 0), "1");
  EXPECT_EQ(Shown(CT_Urlist, CL_You_Callsign_ChNo, 2), "New");
  const cmcEeprom before = document.image;
  requests.Commit(CT_Urlist, CL_You_Callsign_Name, 2, "Nobody");  // the new-entry row holds no entry
  EXPECT_TRUE(document.image.IsEqual(before));
}

TEST_F(StationColumns, OwnCallSignsAndTheOneInUse) {
  requests.Commit(kCategoryNone, CL_My_Callsign_Code, 2, "jh1abc");
  requests.Commit(kCategoryNone, CL_My_Callsign2_Code, 2, "ic71");
  EXPECT_EQ(Bytes(kMyCallSigns + 24, 12), "JH1ABC  IC71");
  EXPECT_EQ(Shown(kCategoryNone, CL_My_Callsign_Code, 2), "JH1ABC");
  EXPECT_EQ(Shown(kCategoryNone, CL_My_Callsign2_Code, 2), "IC71");
  EXPECT_EQ(Shown(kCategoryNone, CL_My_Callsign_ChNo, 0), "M01");
  EXPECT_EQ(Shown(kCategoryNone, CL_My_Callsign_ChNo, 5), "M06");

  requests.ListPick(kCategoryNone, CL_My_Callsign_Sel, 4, 1);
  EXPECT_EQ(document.image.GetByte(kSettings + 164), 4);
  std::string marks;
  for (int i = 0; i < 6; ++i) marks += Shown(kCategoryNone, CL_My_Callsign_Sel, i) + "|";
  EXPECT_EQ(marks, "||||S||");
  requests.ListPick(kCategoryNone, CL_My_Callsign_Sel, 4, 0);  // the blank entry changes nothing
  EXPECT_EQ(document.image.GetByte(kSettings + 164), 4);
  const auto [request, result] = requests.Key(kCategoryNone, CL_My_Callsign_Sel, 1, kKeySpace);
  EXPECT_EQ(document.image.GetByte(kSettings + 164), 1);
  EXPECT_NE(request.outputText, "error");
}

TEST_F(StationColumns, MessagesAndTheOneSent) {
  requests.Commit(kCategoryNone, CL_Tx_Message_Code, 1, "Hello from the hill, all");
  EXPECT_EQ(Bytes(kTransmitMessages + 20, 20), "Hello from the hill,");
  EXPECT_EQ(Shown(kCategoryNone, CL_Tx_Message_Code, 1), "Hello from the hill,");
  EXPECT_EQ(Shown(kCategoryNone, CL_Tx_Message_ChNo, 4), "5");
  requests.ListPick(kCategoryNone, CL_Tx_Message_Ch_No, 3, 1);
  EXPECT_EQ(document.image.GetByte(kSelectedTransmitMessage), 4);
  EXPECT_EQ(Shown(kCategoryNone, CL_Tx_Message_Ch_No, 3), "S");
  EXPECT_EQ(Shown(kCategoryNone, CL_Tx_Message_Ch_No, 0), "");
  document.image.SetByte(kSelectedTransmitMessage + 1, 0);
  requests.Key(kCategoryNone, CL_Tx_Message_Repeat, 0, kKeySpace);
  EXPECT_EQ(document.image.GetByte(kSelectedTransmitMessage + 1), 1);
  EXPECT_EQ(Shown(kCategoryNone, CL_Tx_Message_Repeat, 0), "ON");
}

TEST_F(StationColumns, DtmfMemoriesTheRowInUseAndTheSpeed) {
  const std::vector<std::string> names{"T-CALL", "d0", "d1", "d9", "dA", "dD", "d*", "d#"};
  const std::vector<int> rows{0, 1, 2, 10, 11, 14, 15, 16};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(Shown(kCategoryNone, CL_DTMF_ChNo, rows[i]), names[i]);
  }
  EXPECT_EQ(Shown(kCategoryNone, CL_DTMF_Memory_Code, 0), "----------------");
  const cmcEeprom before = document.image;
  requests.Commit(kCategoryNone, CL_DTMF_Memory_Code, 0, "123");
  EXPECT_TRUE(document.image.IsEqual(before)) << "T-CALL has no memory";

  requests.Commit(kCategoryNone, CL_DTMF_Memory_Code, 3, "12*#ab");
  EXPECT_EQ(Bytes(kDtmfMemories + 48, 7), std::string("\x01\x02\x0E\x0F\x0A\x0B\xFF"));
  EXPECT_EQ(Shown(kCategoryNone, CL_DTMF_Memory_Code, 3), "12*#AB");
  requests.Commit(kCategoryNone, CL_DTMF_Memory_Code, 3, "9");
  EXPECT_EQ(Bytes(kDtmfMemories + 48, 3), std::string("\x09\xFF\xFF")) << "written back whole";

  requests.ListPick(kCategoryNone, CL_Common_DTMF_CH_NO, 5, 1);
  EXPECT_EQ(document.image.GetByte(kSettings + 375), 0);
  EXPECT_EQ(document.image.GetByte(kSettings + 376), 4);
  EXPECT_EQ(Shown(kCategoryNone, CL_Common_DTMF_CH_NO, 5), "S");
  EXPECT_EQ(Shown(kCategoryNone, CL_Common_DTMF_CH_NO, 0), "");
  requests.ListPick(kCategoryNone, CL_Common_DTMF_CH_NO, 0, 1);
  EXPECT_EQ(document.image.GetByte(kSettings + 375), 1);
  EXPECT_EQ(document.image.GetByte(kSettings + 376), 0);
  EXPECT_EQ(Shown(kCategoryNone, CL_Common_DTMF_CH_NO, 0), "S");
  EXPECT_EQ(Shown(kCategoryNone, CL_Common_DTMF_CH_NO, 5), "");

  document.image.SetByte(kSettings + 42, 3);
  EXPECT_EQ(Shown(kCategoryNone, CL_Common_DTMF_SPEED, 0), "500ms");
  requests.Key(kCategoryNone, CL_Common_DTMF_SPEED, 0, kKeySpace);
  EXPECT_EQ(document.image.GetByte(kSettings + 42), 0);
}

TEST_F(StationColumns, ScanEdgesAndScanLinkMembers) {
  datCh edge = document.Channel(504);  // pair 2, edge A
  edge.frequency = 145'000'000;
  edge.SetUsed(true);
  edge.Commit();
  edge = document.Channel(505);
  edge.SetUsed(false);
  edge.Commit();
  EXPECT_EQ(Shown(kCategoryNone, CL_Scan_Edge_A, 2), "145.000000");
  EXPECT_EQ(Shown(kCategoryNone, CL_Scan_Edge_B, 2), "");
  WriteText(document.image, kScanEdgeNames + 32, MakeFixedText<16>("Airband"));
  for (int b = 0; b < 4; ++b) document.image.SetByte(kScanLinkMembers + 4 + b, 0);  // link 1 empty

  const int addRow = 26;  // link 1's "Add" row
  EXPECT_EQ(Shown(CT_Prog_Link, CL_PgLink_No, addRow), "");
  const auto [opened, result] = requests.Key(CT_Prog_Link, CL_PgLink_No, addRow, kKeyEnter);
  EXPECT_EQ(std::get<SelectionListPopup>(opened.popup).listKey, "GI_Sheet_Sel_Pg_Link");
  requests.ListPick(CT_Prog_Link, CL_PgLink_No, addRow, 2);
  EXPECT_EQ(document.image.GetByte(kScanLinkMembers + 4), 0x04);
  EXPECT_EQ(Shown(CT_Prog_Link, CL_PgLink_No, addRow + 1), "2");
  EXPECT_EQ(Shown(CT_Prog_Link, CL_Pglink_ScanName, addRow + 1), "Airband");
  EXPECT_EQ(Shown(CT_Prog_Link, CL_Pglink_Edge_A, addRow + 1), "145.000000");
  EXPECT_EQ(Shown(CT_Prog_Link, CL_Pglink_Edge_B, addRow + 1), "") << "edge B is not in use";
  EXPECT_EQ(Shown(CT_Prog_Link, CL_PgLink_No, addRow + 2), "") << "no second member";
  EXPECT_EQ(Shown(CT_Prog_Link, CL_Pglink_ScanName, addRow), "");

  const cmcEeprom before = document.image;
  requests.Key(CT_Prog_Link, CL_PgLink_No, addRow + 1, kKeySpace);  // member rows only show
  EXPECT_TRUE(document.image.IsEqual(before));
  EXPECT_EQ(requests.Query(CT_Prog_Link, CL_PgLink_No, addRow + 1).fontColor, kClOlive);
}

}  // namespace

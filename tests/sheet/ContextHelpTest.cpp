#include <gtest/gtest.h>

#include <set>
#include <string>

#include "help/cmcHelpGTex.h"
#include "text/CellIds.h"
#include "text/cmcCellObj.h"

namespace {

cmcCellObj CellOf(unsigned cellId, int index = 0) {
  cmcCellObj cell;
  cell.cellId = cellId;
  cell.index = index;
  return cell;
}

TEST(ContextHelp, CellsAndPagesLeadToTheirTopicsPage) {
  cmcHelpGTex topics;
  struct Case {
    unsigned cellId;
    const char* page;
  };
  const Case cases[] = {
      {CL_Mch_Freq, "memory.html#CL_Mch_Freq"},
      {CL_Repeater_List_Freq, "repeaters.html#CL_Repeater_List_Freq"},
      {CL_Menu_File_Print_All, "file-print-all.html"},
      {CL_PMenu_Help, "help-contents.html"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PageOfContext(topics, ContextOfCell(topics, CellOf(c.cellId), "")), c.page) << CellIdName(c.cellId);
  }
  EXPECT_EQ(PageOfContext(topics, ContextOfName(topics, "GI_Sheet_Common")), "set-common.html");
  EXPECT_EQ(PageOfContext(topics, ContextOfName(topics, "GI_Sheet_Radio_Am")), "broadcast.html");
}

// A cell's topic of its sheet comes first, then that of its element, then its own; each leads
// to the entry headed by the label that sheet or row shows.
TEST(ContextHelp, SheetAndElementTopicsComeBeforeTheCellsOwnAndUnknownOnesHaveNone) {
  cmcHelpGTex topics;
  struct Case {
    unsigned cellId;
    int index;
    const char* sheetKey;
    const char* page;
  };
  const Case cases[] = {
      {CL_Mch_DRpt1_Callsign, 7, "GI_Sheet_MemoryCH", "memory.html#CL_Mch_DRpt1_Callsign"},
      {CL_Mch_DRpt2_Callsign, 7, "GI_Sheet_MemoryCH", "memory.html#CL_Mch_DRpt2_Callsign"},  // RPT2 has its own
      {CL_Misc_ChNo_0Base, 3, "GI_Sheet_MemoryCH", "memory.html#CL_Misc_ChNo_0Base"},
      {CL_Misc_ChNo_0Base, 3, "GI_Sheet_ScanName", "scan-names.html#CL_Misc_ChNo_0Base"},  // "No." there
      {CL_Radio_Freq, 0, "GI_Sheet_Radio_Fm", "broadcast.html#CL_Radio_Freq"},
      {CL_Radio_Freq, 0, "GI_Sheet_Radio_Am", "broadcast.html#CL_Radio_Freq_AM"},  // in kHz
      {CL_Common_RFPower, 0, "GI_Sheet_Common", "set-common.html#CL_Common_RFPower_0"},
      {CL_Common_RFPower, 1, "GI_Sheet_Common", "set-common.html#CL_Common_RFPower_1"},        // its own row
      {CL_Common_PauseTimer, 1, "GI_Sheet_AB_Band", "set-ab-band.html#CL_Common_PauseTimer"},  // one row
      {CL_Common_BeepLevel, 0, "GI_Sheet_Common", "set-common.html#CL_Common_BeepLevel"},
      {CL_Common_AprsSymbolEdit_2, 0, "GI_Sheet_GPS", "set-gps.html#CL_Common_AprsSymbolSel_2"},  // one row
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PageOfContext(topics, ContextOfCell(topics, CellOf(c.cellId, c.index), c.sheetKey)), c.page)
        << CellIdName(c.cellId) << " on " << c.sheetKey;
  }
  EXPECT_EQ(ContextOfCell(topics, CellOf(kCellIdNone), "GI_Sheet_Common"), 0);
  EXPECT_EQ(ContextOfCell(topics, CellOf(CL_Menu_Debug_Window), "GI_Sheet_Common"), 0);
  EXPECT_EQ(ContextOfName(topics, "GI_Sheet_NoSuchSheet"), 0);
  EXPECT_EQ(PageOfContext(topics, 0), "");
  EXPECT_EQ(PageOfContext(topics, 100000), "");
}

// Every name of the topic table is a cell identifier or a sheet key, or an identifier on a
// sheet ("GI_Sheet_X>CL_Y") or one element of it ("CL_Y[1]") (a typo would leave a cell
// without help), and every topic has a context and every context a page.
TEST(ContextHelp, TheTableNamesRealCellsAndEveryTopicReachesAPage) {
  cmcHelpGTex topics;
  std::set<std::string> cellNames;
  for (unsigned id = 0; id < kCellIdCount; ++id) cellNames.insert(std::string(CellIdName(id)));
  int names = 0;
  for (int n = 0;; ++n) {
    const std::string line = topics.GetLine("GI_AppItem_Topic_ID", n);
    if (line.starts_with('#')) break;
    const std::string name = line.substr(0, line.find('\t'));
    ++names;
    const std::size_t sheetEnd = name.find('>');
    const std::string cellName = name.substr(sheetEnd == std::string::npos ? 0 : sheetEnd + 1);
    EXPECT_TRUE(cellNames.count(cellName.substr(0, cellName.find('['))) == 1 ||
                (sheetEnd == std::string::npos && name.starts_with("GI_Sheet_")))
        << name;
    if (sheetEnd != std::string::npos) {
      EXPECT_TRUE(name.starts_with("GI_Sheet_")) << name;
    }
    EXPECT_FALSE(PageOfContext(topics, ContextOfName(topics, name)).empty()) << name;
  }
  EXPECT_GT(names, 150);
}

}  // namespace

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "help/cmcHelpGTex.h"
#include "text/CellIds.h"
#include "text/cmcCellObj.h"

namespace {

cmcCellObj CellOf(unsigned cellId) {
  cmcCellObj cell;
  cell.cellId = cellId;
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
    EXPECT_EQ(PageOfContext(topics, ContextOfCell(topics, CellOf(c.cellId))), c.page) << CellIdName(c.cellId);
  }
  EXPECT_EQ(PageOfContext(topics, ContextOfName(topics, "GI_Sheet_Common")), "set-common.html");
  EXPECT_EQ(PageOfContext(topics, ContextOfName(topics, "GI_Sheet_Radio_Am")), "broadcast.html");
}

TEST(ContextHelp, BothRepeaterCallSignsShareOneTopicAndUnknownOnesHaveNone) {
  cmcHelpGTex topics;
  const int rpt1 = ContextOfCell(topics, CellOf(CL_Mch_DRpt1_Callsign));
  EXPECT_GT(rpt1, 0);
  EXPECT_EQ(ContextOfCell(topics, CellOf(CL_Mch_DRpt2_Callsign)), rpt1);
  EXPECT_EQ(ContextOfCell(topics, CellOf(CL_Common_BeepLevel)), 0);  // explained with its page
  EXPECT_EQ(ContextOfCell(topics, CellOf(kCellIdNone)), 0);
  EXPECT_EQ(ContextOfName(topics, "GI_Sheet_NoSuchSheet"), 0);
  EXPECT_EQ(PageOfContext(topics, 0), "");
  EXPECT_EQ(PageOfContext(topics, 100000), "");
}

// Every name of the topic table is a cell identifier or a sheet key (a typo would leave a
// cell without help), and every topic has a context and every context a page.
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
    EXPECT_TRUE(cellNames.count(name) == 1 || name.starts_with("GI_Sheet_")) << name;
    EXPECT_FALSE(PageOfContext(topics, ContextOfName(topics, name)).empty()) << name;
  }
  EXPECT_GT(names, 150);
}

}  // namespace

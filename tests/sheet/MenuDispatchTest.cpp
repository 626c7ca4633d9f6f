#include <gtest/gtest.h>

#include <string>

#include "CellDocumentFixture.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "sheet/cells/WarningCheck.h"

namespace {

constexpr int kChecked = 0, kHidden = 1, kDisabled = 2, kCaption = 3;

class MenuDispatch : public ::testing::Test {
 protected:
  // A menu entry's states after a query, as the menu refresh asks them.
  cmcCellObj Queried(unsigned cellId, int index, const cmcCellCapsule* parent = nullptr) {
    cmcCellObj cell;
    cell.category = parent != nullptr ? CT_PopupMenu : kCategoryNone;
    cell.cellId = cellId;
    cell.index = index;
    cmcCellCapsule request;
    request.cell = &cell;
    request.parent = parent;
    requests.Behaviour().HandleCellRequest(request, kCellQuery);
    return cell;
  }

  void Click(unsigned cellId, int index) {
    cmcCellObj cell;
    cell.cellId = cellId;
    cell.index = index;
    cmcCellCapsule request;
    request.cell = &cell;
    request.key = kKeyEnter;
    requests.Act(request);
  }

  TestDocument document{2};
  CellRequests requests{document};
};

TEST_F(MenuDispatch, IndexedAndToggledSettingsShowAsCheckedAndChangeOnClick) {
  const struct {
    unsigned cellId;
    int index;
    std::int32_t EnvironSettings::*setting;
    std::int32_t before;
    std::int32_t after;
  } entries[] = {
      {CL_Menu_Com_Speed, 0, &EnvironSettings::comSpeedHigh, 1, 0},
      {CL_Menu_CallSign_RptDialog, 0, &EnvironSettings::repeaterDialog, 1, 0},
      {CL_Menu_CallSign_AutoCorrect, 0, &EnvironSettings::autoCorrect, 0, 1},
      {CL_Menu_View_FontSize, 150, &EnvironSettings::fontSizePercentage, 100, 150},
  };
  for (const auto& entry : entries) {
    SCOPED_TRACE(CellIdName(entry.cellId));
    document.settings.*entry.setting = entry.before;
    const bool checkedBefore = Queried(entry.cellId, entry.index).StateFlag(kChecked);
    Click(entry.cellId, entry.index);
    EXPECT_EQ(document.settings.*entry.setting, entry.after);
    EXPECT_NE(Queried(entry.cellId, entry.index).StateFlag(kChecked), checkedBefore);
  }
}

TEST_F(MenuDispatch, RecentFilesShowTheirNamesAndHideEmptyEntries) {
  document.currentFolder = "/tmp/radios";
  document.recent.AddFirst("/tmp/radios/Q&A.qmf");
  document.recent.AddFirst("/tmp/elsewhere/home.qmf");
  const cmcCellObj first = Queried(CL_Menu_File_Recent, 0);
  EXPECT_TRUE(first.StateFlag(kCaption));
  EXPECT_EQ(first.caption, "&1 /tmp/elsewhere/home.qmf") << "another folder: the full path";
  EXPECT_FALSE(first.StateFlag(kDisabled));
  const cmcCellObj second = Queried(CL_Menu_File_Recent, 1);
  EXPECT_EQ(second.caption, "&2 Q&&A.qmf") << "the current folder: the name, its ampersand doubled";
  const cmcCellObj third = Queried(CL_Menu_File_Recent, 2);
  EXPECT_TRUE(third.StateFlag(kDisabled));
  EXPECT_TRUE(third.StateFlag(kHidden));
  EXPECT_FALSE(third.StateFlag(kCaption));
  Click(CL_Menu_File_Recent, 2);
  Click(CL_Menu_File_Recent, 1);
  ASSERT_EQ(document.commands.size(), 1u);
  EXPECT_EQ(document.commands[0], std::make_pair(unsigned{CL_Menu_File_Recent}, 1));
}

TEST_F(MenuDispatch, AnEmptyRecentListKeepsTheFirstEntryWithItsOwnCaptionDisabled) {
  const cmcCellObj first = Queried(CL_Menu_File_Recent, 0);
  EXPECT_TRUE(first.StateFlag(kDisabled));
  EXPECT_FALSE(first.StateFlag(kHidden));
  EXPECT_FALSE(first.StateFlag(kCaption));
  EXPECT_TRUE(Queried(CL_Menu_File_Recent, 1).StateFlag(kHidden));
}

TEST_F(MenuDispatch, ColumnGroupsToggleFromMenuAndPopupMenu) {
  EXPECT_TRUE(Queried(CL_Menu_View_Call_Cut, 0).StateFlag(kChecked));
  Click(CL_Menu_View_Call_Cut, 0);
  EXPECT_EQ(document.columnCutMask, 127 & ~4);
  EXPECT_FALSE(Queried(CL_Menu_View_Call_Cut, 0).StateFlag(kChecked));

  cmcCellCapsule current = requests.Make(CT_Conv, CL_Mch_Freq, 0, {});
  current.command = CL_PMenu_Call_Cut;
  requests.Act(current);
  EXPECT_EQ(document.columnCutMask, 127);
  EXPECT_TRUE(Queried(CL_PMenu_Call_Cut, 0, &current).StateFlag(kChecked));
}

TEST_F(MenuDispatch, JapaneseOnAWesternSystemAsksFirst) {
  Click(CL_Menu_View_Language, 1);
  EXPECT_EQ(document.languageQuestions, 1);
  EXPECT_EQ(document.settings.displayLanguage, 0) << "cancelled";
  EXPECT_TRUE(document.commands.empty());
  document.languageAnswer = true;
  Click(CL_Menu_View_Language, 1);
  EXPECT_EQ(document.settings.displayLanguage, 1);
  EXPECT_EQ(document.commands.size(), 1u);
  Click(CL_Menu_View_Language, 1);  // already the language: nothing
  EXPECT_EQ(document.languageQuestions, 2);
}

TEST_F(MenuDispatch, PrintCurrentIsDisabledWithoutAPrintableSheet) {
  document.printable = false;
  EXPECT_TRUE(Queried(CL_Menu_File_Print_Current, 0).StateFlag(kDisabled));
  Click(CL_Menu_File_Print_Current, 0);
  EXPECT_TRUE(document.commands.empty());
  document.printable = true;
  EXPECT_FALSE(Queried(CL_Menu_File_Print_Current, 0).StateFlag(kDisabled));
}

TEST_F(MenuDispatch, PopupEntriesFollowTheCurrentRow) {
  const struct {
    unsigned entry;
    int row;
    bool disabled;
  } rows[] = {
      {CL_PMenu_CarryUp, 100, true},    {CL_PMenu_CarryUp, 101, false}, {CL_PMenu_CarryDown, 199, true},
      {CL_PMenu_CarryDown, 549, true},  {CL_PMenu_CarryUp, 500, true},  {CL_PMenu_CarryUp, 550, true},
      {CL_PMenu_CarryDown, 552, false}, {CL_PMenu_Copy, 553, false},    {CL_PMenu_Paste, 10, true},
      {CL_PMenu_Rpt_Set, 0, false},     {CL_PMenu_Rpt_Set, 7, true},    {CL_PMenu_NoItem, 0, true},
      {CL_PMenu_Clear, 553, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(CellIdName(row.entry)) + " row " + std::to_string(row.row));
    const cmcCellCapsule current = requests.Make(CT_Conv, CL_Mch_Name, row.row, {});
    EXPECT_EQ(Queried(row.entry, 0, &current).StateFlag(kDisabled), row.disabled);
  }
}

TEST_F(MenuDispatch, HomeChannelClearResetsItsSettingBytes) {
  cmcCellCapsule request = requests.Make(kCategoryNone, CL_Common_HmchMr, 0, {});
  request.command = CL_PMenu_HomeCH_Clear;
  requests.Act(request);
  EXPECT_EQ(document.image.GetByte(MemoryMap::kSettings + 131), 0xFF);
  EXPECT_EQ(document.image.GetByte(MemoryMap::kSettings + 132), 0xFF);
}

TEST_F(MenuDispatch, TreeNodeOpensItsSheet) {
  cmcCellObj node;
  node.cellId = CallSheet;
  node.argument = "[St_ColCut]GI_Sheet_MemoryCH,1,100";
  cmcCellCapsule request;
  request.cell = &node;
  request.key = kKeyDoubleClick;
  requests.Act(request);
  ASSERT_EQ(document.openedSheets.size(), 1u);
  EXPECT_EQ(document.openedSheets[0], node.argument);
}

TEST_F(MenuDispatch, WarningCheckNamesTheSheetsWithMarks) {
  EXPECT_EQ(RunWarningCheckList(requests.Behaviour().Callback(), document.texts).Errors(), 0)
      << "a default image passes its own checks";
  EXPECT_EQ(RunWarningCheckList(requests.Behaviour().Callback(), document.texts).Warnings(), 0);

  datCh channel(document.image);
  channel.Load(RecordKind::kChannel, 150);
  channel.SetUsed(true);
  channel.frequency = 150000000;  // inhibited: a warning on the page of channels 100-199
  channel.bank = 1;
  channel.bankChannel = 3;
  channel.Commit();
  channel.Load(RecordKind::kChannel, 420);
  channel.SetUsed(true);
  channel.frequency = 100000000;  // out of range: an error on the page of channels 400-499
  channel.Commit();
  RebuildBankTables(document.image);

  const WarningCheckResult result = RunWarningCheckList(requests.Behaviour().Callback(), document.texts);
  EXPECT_EQ(result.errorSheets, std::vector<std::string>{"[St_ColCut]GI_Sheet_MemoryCH,4,400"});
  EXPECT_EQ(result.warningSheets,
            (std::vector<std::string>{"[St_ColCut]GI_Sheet_MemoryCH,1,100", "[St_CCBank]GI_Sheet_BankCH,22"}));
}

TEST_F(MenuDispatch, LabelsNumberTheRows) {
  const struct {
    unsigned cellId;
    int index;
    std::string text;
  } labels[] = {
      {CL_Misc_ChNo_1Base, 4, "5"},        {CL_Misc_BankNm, 2, "C"},      {CL_Misc_GroupNm, 8, "09"},
      {CL_Misc_ChNo_PLink, 27, "1"},       {CL_Misc_ChNo_Edge, 5, "02B"}, {CL_Misc_ChInfo_No, 3, " P03 (03A-03B)"},
      {CL_Top_Version, 0, "Version 1.00"},
  };
  for (const auto& label : labels) {
    EXPECT_EQ(requests.Query(kCategoryNone, label.cellId, label.index).outputText, label.text);
  }
}

TEST_F(MenuDispatch, BankNameEditRenamesTheTreeNode) {
  requests.Commit(kCategoryNone, CL_Bank_Name, 1, "Local");
  EXPECT_EQ(requests.Query(kCategoryNone, CL_Bank_Name, 1).outputText, "Local");
  document.timing.Advance(cmcEvMan::kDispatchIntervalMs);
  EXPECT_NE(std::find(document.eventsSeen.begin(), document.eventsSeen.end(), EV_TreeCaption),
            document.eventsSeen.end());
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FatalTrap.h"
#include "support/LineTableFixture.h"
#include "text/ApplicationTexts.h"
#include "text/cmcCellObj.h"

namespace {

// Cell models the markup tests refer to, served through the application-wide database.
class CellMarkup : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplicationTexts().Reset();
    ApplicationTexts().SelectLineTable(models_.Table());
  }
  void TearDown() override { ApplicationTexts().Reset(); }

  cmcCellObj Parse(const std::string& definition, const cmcCellObj* parent = nullptr) {
    cmcCellObj cell;
    ParseCellDefinition(cell, definition, &variables_, parent);
    return cell;
  }

  CellVariables variables_{};

 private:
  const LineTableFixture models_{{
      "#CellModel_iCR",
      ">_WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
      "#CellModel_Basic",
      "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)",
      "#CellModel_Nested",
      "($iCR)B",
      "#CellModel_Loop",
      "($Loop)",
      "#End_Of_Ovl",
  }};
};

// Splits a row into its cells as a sheet does.
std::vector<std::string> CaptionsOfRow(std::string_view row) {
  std::vector<std::string> captions;
  while (!row.empty()) {
    cmcCellObj cell;
    row = ParseCellDefinition(cell, row, nullptr, nullptr);
    captions.push_back(cell.caption);
  }
  return captions;
}

TEST_F(CellMarkup, RowsSplitAtUnescapedSeparators) {
  EXPECT_EQ(CaptionsOfRow("|A|B"), (std::vector<std::string>{"", "A", "B"}));
  EXPECT_EQ(CaptionsOfRow("|A\\|B"), (std::vector<std::string>{"", "A|B"}));
  // 0x7C as the second byte of a double-byte character does not split
  EXPECT_EQ(CaptionsOfRow("\x81\x7C|x"), (std::vector<std::string>{"\x81\x7C", "x"}));
  EXPECT_EQ(CaptionsOfRow("{(%CL_Mch_Freq:a\\|b)}c|d"), (std::vector<std::string>{"c", "d"}));
}

TEST_F(CellMarkup, CountOnlyStillSplits) {
  cmcCellObj cell;
  EXPECT_EQ(ParseCellDefinition(cell, "{(%CL_Bogus)}x|y", nullptr, nullptr, true), "y");
}

TEST_F(CellMarkup, CaptionEscapes) {
  variables_[0] = 41;
  variables_[3] = -7;
  struct Case {
    std::string definition, caption;
  } cases[] = {
      {"{S(%Flex0[0]:OFF)}OFF  \\_", "OFF   "},
      {"  padded\t ", "padded"},
      {"a\\nb\\Nc", "a\nb\nc"},
      {"\\{x\\}\\(y\\)\\\\", "{x}(y)\\"},
      {"CH\\(@ch0)", "CH41"},
      {"CH\\(@ch0+1000000000)", "CH100000"},  // at most six characters
      {"\\(@ch3+2)", "-5"},
      {"\x83\x5C", "\x83\x5C"},  // 0x5C as a second byte is no escape
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.definition).caption, c.caption) << c.definition;
}

TEST_F(CellMarkup, ArgumentAndIndexOfCellReference) {
  const cmcCellObj cell = Parse("{S(%Flex0[0]:OFF)}OFF");
  EXPECT_EQ(cell.cellId, Flex0);
  EXPECT_EQ(cell.index, 0);
  EXPECT_EQ(cell.argument, "OFF");
  EXPECT_TRUE(cell.Selectable());

  const cmcCellObj menu = Parse("{(%CL_Check_MemoryCH1:[St_ColCut]GI_Sheet_MemoryCH,1,100)}");
  EXPECT_EQ(menu.cellId, CL_Check_MemoryCH1);
  EXPECT_EQ(menu.argument, "[St_ColCut]GI_Sheet_MemoryCH,1,100");

  EXPECT_EQ(Parse("{(%CL_PMenu_Edit:Enter)}").argument, "Enter");
  EXPECT_EQ(Parse("{(%Flex0[5]:12.5k)}").argument, "12.5k");  // a dot in the argument is no category
  EXPECT_EQ(Parse("{(%Flex0[1]:a\\)b\\\\c)}").argument, "a)b\\c");
}

TEST_F(CellMarkup, CategoryAndIdentifier) {
  const cmcCellObj quarter = Parse("{(%CT_Null.CL_Misc_QuarterPillar)}");
  EXPECT_EQ(quarter.category, CT_Null);
  EXPECT_EQ(quarter.cellId, CL_Misc_QuarterPillar);

  const cmcCellObj conv = Parse("{(%CT_Conv.)}");
  EXPECT_EQ(conv.category, 2u);
  EXPECT_EQ(conv.cellId, 549u);

  const cmcCellObj noCategory = Parse("{(%.CL_Mch_Name)}");
  EXPECT_EQ(noCategory.category, kCategoryNone);
}

TEST_F(CellMarkup, DefinitionWithoutReferenceKeepsParentBinding) {
  const cmcCellObj parent = Parse("{(%CT_BankCh.CL_Mch_Freq[7]:x)}");
  const cmcCellObj cell = Parse("{S}text", &parent);
  EXPECT_EQ(cell.category, CT_BankCh);
  EXPECT_EQ(cell.cellId, CL_Mch_Freq);
  EXPECT_EQ(cell.index, 7);
  EXPECT_EQ(cell.argument, "x");
}

TEST_F(CellMarkup, VariablesFollowTheDefinitions) {
  EXPECT_EQ(Parse("{(@ch0=0)}").index, 0);
  EXPECT_EQ(Parse("{(%CL_Mch_Freq[@ch0])}").index, 0);
  Parse("{(@ch0++)}");
  EXPECT_EQ(Parse("{(%CL_Mch_Freq[@ch0])}").index, 1);
  Parse("{(@ch9 = 250)}");
  EXPECT_EQ(variables_[9], 250);
  // attributes run before the caption, so the caption sees the new value
  EXPECT_EQ(Parse("{(@ch2=5)(@ch2++)}No.\\(@ch2)").caption, "No.6");
}

TEST_F(CellMarkup, BadVariableReferencesAreFatal) {
  for (const char* definition :
       {"{(@ch=1)}", "{(@ch12=1)}", "{(@cx1=1)}", "{(%CL_Mch_Freq[@ch])}", "\\(@chA)", "\\(@ch1-1)"}) {
    EXPECT_EQ(FatalMessageOf([&] { Parse(definition); }), "Ch No. Error") << definition;
  }
  cmcCellObj cell;  // a basic cell has no variables
  EXPECT_EQ(FatalMessageOf([&] { ParseCellDefinition(cell, "{(@ch0++)}", nullptr, nullptr); }), "Ch No. Error");
}

TEST_F(CellMarkup, UnknownNamesAreFatal) {
  EXPECT_EQ(FatalMessageOf([&] { Parse("{(%CT_Nope.CL_Null)}"); }), "Cannot use the specified category.\n'CT_Nope'");
  EXPECT_EQ(FatalMessageOf([&] { Parse("{(%CL_Nope)}"); }), "Cannot use the specified cell.\n'CL_Nope'");
  // a cell identifier is no category and a category no cell identifier
  EXPECT_NE(FatalMessageOf([&] { Parse("{(%CL_Null.CL_Null)}"); }), "");
  EXPECT_NE(FatalMessageOf([&] { Parse("{(%CT_Null)}"); }), "");
  EXPECT_EQ(FatalMessageOf([&] { Parse("{($Missing)}"); }),
            "GTEX Error !\nThe index 'CellModel_Missing' was not found.");
  EXPECT_NE(FatalMessageOf([&] { Parse("{($Loop)}"); }), "");
}

TEST_F(CellMarkup, PrefixFlags) {
  struct Case {
    std::string attributes;
    bool selectable, autoWidth, bottom;
    RightBorder right;
  } cases[] = {
      {"SWB", true, true, true, kRightBorderNone},
      {"SW!SW", false, true, false, kRightBorderNone},  // "!SW" clears selectable, sets auto width
      {"S!!S", false, false, false, kRightBorderNone},  // the second '!' renews the negation
      {"XQ", false, false, false, kRightBorderTick},
      {"QX", false, false, false, kRightBorderFull},
      {"X!Q", false, false, false, kRightBorderNone},
      {"S B \t zz", true, false, true, kRightBorderNone},
  };
  for (const auto& c : cases) {
    const cmcCellObj cell = Parse("{" + c.attributes + "}");
    EXPECT_EQ(cell.Selectable(), c.selectable) << c.attributes;
    EXPECT_EQ(cell.AutoWidth(), c.autoWidth) << c.attributes;
    EXPECT_EQ(cell.BottomBorder(), c.bottom) << c.attributes;
    EXPECT_EQ(cell.RightBorderKind(), c.right) << c.attributes;
  }
  const cmcCellObj cell = Parse("{>_=+IT}");
  EXPECT_EQ(cell.HAlign(), kAlignRight);
  EXPECT_EQ(cell.VAlign(), kAlignBottom);
  EXPECT_TRUE(cell.WordWrap() && cell.Continuation() && cell.InputMethod() && cell.Attached());
  EXPECT_EQ(Parse("{^-}").HAlign(), kAlignCentre);
}

TEST_F(CellMarkup, ItemsAndStateFlags) {
  const cmcCellObj cell =
      Parse("{(Color=clNavy)(ImageIndex=3)(Flag0=1)(Flag7=1)(Flag3=1)(Flag3=0)(Flag2=1x)(Comb=1,-2)}");
  EXPECT_EQ(cell.color, 0x00800000u);
  EXPECT_EQ(cell.imageIndex, 3);
  EXPECT_TRUE(cell.StateFlag(0));
  EXPECT_TRUE(cell.StateFlag(7));
  EXPECT_FALSE(cell.StateFlag(3));
  EXPECT_FALSE(cell.StateFlag(2));  // not exactly "FlagD=v"
  EXPECT_TRUE(cell.hasCombination);
  EXPECT_EQ(cell.combination, (std::array<int32_t, 3>{1, -2, 0}));
  EXPECT_EQ(Parse("{(Color=clNoSuch)}").color, kClWindow);
  EXPECT_EQ(Parse("{(Color=clHightlightText)}").color, 0xFF00000Eu);
}

TEST_F(CellMarkup, ModelsApplyRecursively) {
  const cmcCellObj cell = Parse("{($Nested)}Title");
  EXPECT_EQ(cell.HAlign(), kAlignRight);
  EXPECT_TRUE(cell.AutoWidth() && cell.AutoHeight() && cell.BottomBorder());
  EXPECT_EQ(cell.color, 0x00808080u);
  ASSERT_TRUE(cell.font);
  EXPECT_EQ(cell.font->color, 0x00FFFFFFu);
  EXPECT_EQ(cell.font->style, fsBold);
}

TEST_F(CellMarkup, FontFieldsAgainstParentFont) {
  cmcCellObj basic = Parse("{($Basic)(Font=,Arial,,-12,,fsItalic+fsUnderline,fpFixed)}");
  ASSERT_TRUE(basic.font);
  EXPECT_EQ(basic.font->face, "Arial");
  EXPECT_EQ(basic.font->height, -12);
  EXPECT_EQ(basic.font->style, fsItalic | fsUnderline);
  EXPECT_EQ(basic.font->pitch, fpFixed);

  const cmcCellObj scaled = Parse("{(Font=,,,%150,,,)}", &basic);
  EXPECT_EQ(scaled.font->height, -18);
  EXPECT_EQ(scaled.font->face, DefaultFontFace());        // an empty face field resets the face
  EXPECT_EQ(scaled.font->style, fsItalic | fsUnderline);  // no style name: style kept

  struct Case {
    std::string fields;
    int height;
  } heights[] = {{",,,%1,,,", 1}, {",,,0,,,", -12}, {",,,,,,", -12}, {",,,-20", -20}, {",,,%-50", 6}};
  for (const auto& c : heights)
    EXPECT_EQ(Parse("{(Font=" + c.fields + ")}", &basic).font->height, c.height) << c.fields;

  const cmcCellObj charset = Parse("{(Font=SHIFTJIS_CHARSET  )}", &basic);
  EXPECT_EQ(charset.font->charset, 128);
  EXPECT_EQ(charset.font->face, "Arial");  // the face field is absent
  EXPECT_EQ(Parse("{(Font=NO_CHARSET,,clNope,,,fsNothing,fpNope)}", &basic).font->style, fsItalic | fsUnderline);
}

TEST_F(CellMarkup, ResetAndCopyInheritance) {
  cmcCellObj parent = Parse("{($Basic)(%CL_Mch_Name[4]:arg)(ColCut_PopupMenu=GI_PMenu_Channel_CulCut_DV)}cap");
  cmcCellObj cell;
  cell.parent = &parent;
  ResetCell(cell);
  EXPECT_EQ(cell.cellId, CL_Mch_Name);
  EXPECT_EQ(cell.caption, "cap");
  EXPECT_EQ(cell.argument, "arg");
  EXPECT_FALSE(cell.font);  // fonts and menu keys are looked up, not copied
  EXPECT_FALSE(cell.popupMenuKey);
  EXPECT_EQ(EffectiveFont(cell).height, -17);
  EXPECT_EQ(FindPopupMenuKey(cell, false), "GI_PMenu_Edit");
  EXPECT_EQ(FindPopupMenuKey(cell, true), "GI_PMenu_Channel_CulCut_DV");

  const cmcCellObj blank = Parse("{(PopupMenu=)}", &parent);  // an empty key is passed over
  EXPECT_EQ(FindPopupMenuKey(blank, false), "GI_PMenu_Edit");
  EXPECT_FALSE(FindPopupMenuKey(Parse("x"), false));

  cmcCellObj copy;
  CopyCell(copy, parent);
  parent.caption = "changed";
  parent.font->height = 99;
  EXPECT_EQ(GetCaption(copy), "cap");
  EXPECT_EQ(copy.font->height, -17);
}

TEST(CellNames, TablesAreStable) {
  struct Case {
    unsigned index;
    const char* name;
  } cases[] = {{0, "CL_Null"},
               {7, "CL_Menu_File_New"},
               {59, "CL_EeDebugWin_Adr"},
               {76, "CallSheet"},
               {77, "CL_Check_MemoryCH0"},
               {193, "CL_CloneInfo_Esn"},
               {216, "CL_PMenu_NoItem"},
               {238, "CL_FBits"},
               {250, "CL_Mch_No"},
               {335, "CL_Received_Callsign_Caller"},
               {382, "CL_Common_RxBass"},
               {548, "CL_Common_Wx_Ch"}};
  for (const auto& c : cases) {
    EXPECT_EQ(CellIdName(c.index), c.name);
    EXPECT_EQ(CellIdIndex(c.name), c.index);
  }
  EXPECT_EQ(CellIdName(549), "");
  EXPECT_EQ(CellIdIndex("CL_Menu_Edit_Redo"), 551u);  // the program's own follow kCellIdNone
  EXPECT_EQ(CellIdIndex("CL_Menu_Edit_FillDown"), 555u);
  EXPECT_EQ(CellIdName(556), "");
  EXPECT_EQ(CellIdIndex(""), 549u);
  EXPECT_EQ(CategoryIndex(""), 15u);
  EXPECT_EQ(CategoryIndex("CT_Radio_Am"), 14u);
  EXPECT_EQ(CategoryIndex("CT_PopupMenu"), 1u);
}

}  // namespace

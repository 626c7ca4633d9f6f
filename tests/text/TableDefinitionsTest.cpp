// Every definition the program parses out of the built-in tables parses without a markup
// error, in every language: sheets and selection lists, menus, tool bars, the tree, cell
// models and the warning check list. A broken table fails here, never in a user's session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FatalTrap.h"
#include "support/TableWalk.h"
#include "text/ApplicationTexts.h"
#include "text/CellFont.h"
#include "text/ColorNames.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcScrBlock.h"

namespace {

bool EndsWith(const std::string& s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool StartsWith(const std::string& s, std::string_view prefix) { return s.rfind(prefix, 0) == 0; }

// Every '(' ... ')' item of a style or directive line.
std::vector<std::string> ParenthesisedItems(const std::string& line) {
  std::vector<std::string> items;
  std::size_t open = line.find('(');
  while (open != std::string::npos) {
    const std::size_t close = line.find(')', open);
    if (close == std::string::npos) break;
    items.push_back(line.substr(open + 1, close - open - 1));
    open = line.find('(', close);
  }
  return items;
}

void ParseRow(std::string_view row, CellVariables& variables, const cmcCellObj& basic) {
  while (!row.empty()) {
    cmcCellObj cell;
    row = ParseCellDefinition(cell, row, &variables, &basic);
  }
}

void CheckStyle(const std::string& key) {
  static const char* const kItems[] = {
      "TitleString=",   "TitleColor=",  "TitleFont=", "FixedCols=", "FixedRows=",     "NoPrint",
      "PrintFontRatio", "MultiSelect=", "ColCutMenu", "ColSizing",  "ColorSelectLine"};
  for (const std::string& item : ParenthesisedItems(ApplicationTexts().GetLine(key, 0))) {
    bool known = false;
    for (const char* prefix : kItems) known = known || StartsWith(item, prefix);
    EXPECT_TRUE(known) << key << ": unknown style item (" << item << ")";
    if (StartsWith(item, "TitleColor=")) {
      EXPECT_TRUE(ColorFromName(item.substr(11)).has_value()) << key << ": " << item;
    }
  }
}

void CheckDirectives(const std::string& key, const std::string& line) {
  for (const std::string& item : ParenthesisedItems(line)) {
    cmcScrBlock block;
    block.Parse(item);
    const std::string& name = block.Name();
    EXPECT_TRUE(name == "LoopFrom" || name == "LoopTo" || name == "SelectON" || name == "SelectOFF" ||
                name == "Only_JPUSKR" || name == "Only_USA")
        << key << ": unknown directive (" << item << ")";
  }
}

// A sheet or selection list: its style, its basic cell and every row of its cells.
void CheckSheet(const std::string& base) {
  CheckStyle(base + "_Style");
  cmcCellObj basic;
  ParseCellDefinition(basic, ApplicationTexts().GetLine(base + "_BasicCell", 0), nullptr, nullptr);
  CellVariables variables{};
  const auto rows = ValueLines(base + "_Cells");
  EXPECT_FALSE(rows.empty()) << base;
  for (const std::string& row : rows) {
    if (!row.empty() && row[0] == ':') {
      CheckDirectives(base, row);
    } else {
      ParseRow(row, variables, basic);
    }
  }
}

// Menus and the tree write one definition per line after the '+' that gives its depth;
// tool bars write the definition alone.
void CheckMenuBody(const std::string& base) {
  cmcCellObj basic;
  ParseCellDefinition(basic, ApplicationTexts().GetLine(base + "_BasicCell", 0), nullptr, nullptr);
  const bool toolBar = StartsWith(base, "GI_ToolBar_");
  const auto lines = ValueLines(base + "_Body");
  EXPECT_FALSE(lines.empty()) << base;
  for (const std::string& line : lines) {
    const std::size_t plus = line.find('+');
    if (!toolBar) {
      EXPECT_NE(plus, std::string::npos) << base << ": a line without depth: " << line;
    }
    cmcCellObj entry;
    ParseCellDefinition(entry, toolBar || plus == std::string::npos ? line : line.substr(plus + 1), nullptr, &basic);
  }
}

void CheckCellModel(const std::string& key) {
  const std::string text = ApplicationTexts().GetLine(key, 0);
  if (key == "CellModel_BasicDialog" || key == "CellModel_InitialDialog") {
    CellFont font;  // a bare font value for dialogs
    ApplyFontFields(font, text);
    EXPECT_NE(font.height, CellFont().height) << key;
    return;
  }
  cmcCellObj cell;
  ParseCellAttributes(cell, text);
}

void CheckWarningList() {
  for (const std::string& line : ValueLines("GI_WarningCheckList")) {
    cmcCellObj cell;
    ParseCellDefinition(cell, line, nullptr, nullptr);
    EXPECT_TRUE(StartsWith(std::string(CellIdName(cell.cellId)), "CL_Check_")) << line;
    EXPECT_FALSE(cell.argument.empty()) << line;
  }
}

void CheckTable(const std::vector<std::string>& keys) {
  for (const std::string& key : keys) {
    const std::string message = FatalMessageOf([&] {
      if (EndsWith(key, "_Cells")) CheckSheet(key.substr(0, key.size() - 6));
      if (EndsWith(key, "_Body")) CheckMenuBody(key.substr(0, key.size() - 5));
      if (StartsWith(key, "CellModel_")) CheckCellModel(key);
      if (key == "GI_Form_Main_BasicCell") {
        cmcCellObj cell;
        ParseCellDefinition(cell, ApplicationTexts().GetLine(key, 0), nullptr, nullptr);
      }
      if (key == "GI_WarningCheckList") CheckWarningList();
    });
    EXPECT_EQ(message, "") << "in " << key;
  }
}

class TableDefinitions : public ::testing::TestWithParam<TableLanguage> {
 protected:
  void SetUp() override { ApplicationTexts().Reset(); }
  void TearDown() override { ApplicationTexts().Reset(); }
};

TEST_P(TableDefinitions, EveryDefinitionParses) {
  const LineTable table = LineTableOf(GetParam());
  ApplicationTexts().SelectLineTable(table);
  const auto keys = KeysOf(table);
  ASSERT_GT(keys.size(), 100u);
  CheckTable(keys);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, TableDefinitions,
                         ::testing::Values(TableLanguage::Japanese, TableLanguage::JapaneseWesternChrome,
                                           TableLanguage::English),
                         [](const ::testing::TestParamInfo<TableLanguage>& param) -> std::string {
                           switch (param.param) {
                             case TableLanguage::Japanese:
                               return "Japanese";
                             case TableLanguage::JapaneseWesternChrome:
                               return "JapaneseWesternChrome";
                             case TableLanguage::English:
                               break;
                           }
                           return "English";
                         });

}  // namespace

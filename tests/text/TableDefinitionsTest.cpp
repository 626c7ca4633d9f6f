// Every definition the program parses out of the built-in tables parses without a markup
// error, in every language: sheets and selection lists, menus, tool bars, the tree, cell
// models and the warning check list. A broken table fails here, never in a user's session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TableWalk.h"
#include "support/FatalTrap.h"
#include "text/ApplicationTexts.h"
#include "text/CellFont.h"
#include "text/ColorNames.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcScrBlock.h"

namespace {

bool endsWith(const std::string& s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool startsWith(const std::string& s, std::string_view prefix) { return s.rfind(prefix, 0) == 0; }

// Every '(' ... ')' item of a style or directive line.
std::vector<std::string> parenthesisedItems(const std::string& line) {
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

void parseRow(std::string_view row, CellVariables& variables, const cmcCellObj& basic) {
  while (!row.empty()) {
    cmcCellObj cell;
    row = ParseCellDefinition(cell, row, &variables, &basic);
  }
}

void checkStyle(const std::string& key) {
  static const char* const kItems[] = {"TitleString=", "TitleColor=", "TitleFont=", "FixedCols=", "FixedRows=",
                                       "NoPrint", "PrintFontRatio", "MultiSelect=", "ColCutMenu", "ColSizing",
                                       "ColorSelectLine"};
  for (const std::string& item : parenthesisedItems(applicationTexts().GetLine(key, 0))) {
    bool known = false;
    for (const char* prefix : kItems) known = known || startsWith(item, prefix);
    EXPECT_TRUE(known) << key << ": unknown style item (" << item << ")";
    if (startsWith(item, "TitleColor=")) {
      EXPECT_TRUE(ColorFromName(item.substr(11)).has_value()) << key << ": " << item;
    }
  }
}

void checkDirectives(const std::string& key, const std::string& line) {
  for (const std::string& item : parenthesisedItems(line)) {
    cmcScrBlock block;
    block.Parse(item);
    const std::string& name = block.Name();
    EXPECT_TRUE(name == "LoopFrom" || name == "LoopTo" || name == "SelectON" || name == "SelectOFF" ||
                name == "Only_JPUSKR" || name == "Only_USA")
        << key << ": unknown directive (" << item << ")";
  }
}

// A sheet or selection list: its style, its basic cell and every row of its cells.
void checkSheet(const std::string& base) {
  checkStyle(base + "_Style");
  cmcCellObj basic;
  ParseCellDefinition(basic, applicationTexts().GetLine(base + "_BasicCell", 0), nullptr, nullptr);
  CellVariables variables{};
  const auto rows = valueLines(base + "_Cells");
  EXPECT_FALSE(rows.empty()) << base;
  for (const std::string& row : rows) {
    if (!row.empty() && row[0] == ':') {
      checkDirectives(base, row);
    } else {
      parseRow(row, variables, basic);
    }
  }
}

// Menus and the tree write one definition per line after the '+' that gives its depth;
// tool bars write the definition alone.
void checkMenuBody(const std::string& base) {
  cmcCellObj basic;
  ParseCellDefinition(basic, applicationTexts().GetLine(base + "_BasicCell", 0), nullptr, nullptr);
  const bool toolBar = startsWith(base, "GI_ToolBar_");
  const auto lines = valueLines(base + "_Body");
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

void checkCellModel(const std::string& key) {
  const std::string text = applicationTexts().GetLine(key, 0);
  if (key == "CellModel_BasicDialog" || key == "CellModel_InitialDialog") {
    CellFont font;  // a bare font value for dialogs
    ApplyFontFields(font, text);
    EXPECT_NE(font.height, CellFont().height) << key;
    return;
  }
  cmcCellObj cell;
  ParseCellAttributes(cell, text);
}

void checkWarningList() {
  for (const std::string& line : valueLines("GI_WarningCheckList")) {
    cmcCellObj cell;
    ParseCellDefinition(cell, line, nullptr, nullptr);
    EXPECT_TRUE(startsWith(std::string(CellIdName(cell.cellId)), "CL_Check_")) << line;
    EXPECT_FALSE(cell.argument.empty()) << line;
  }
}

void checkTable(const std::vector<std::string>& keys) {
  for (const std::string& key : keys) {
    const std::string message = fatalMessageOf([&] {
      if (endsWith(key, "_Cells")) checkSheet(key.substr(0, key.size() - 6));
      if (endsWith(key, "_Body")) checkMenuBody(key.substr(0, key.size() - 5));
      if (startsWith(key, "CellModel_")) checkCellModel(key);
      if (key == "GI_Form_Main_BasicCell") {
        cmcCellObj cell;
        ParseCellDefinition(cell, applicationTexts().GetLine(key, 0), nullptr, nullptr);
      }
      if (key == "GI_WarningCheckList") checkWarningList();
    });
    EXPECT_EQ(message, "") << "in " << key;
  }
}

class TableDefinitions : public ::testing::TestWithParam<TableLanguage> {
 protected:
  void SetUp() override { applicationTexts().Reset(); }
  void TearDown() override { applicationTexts().Reset(); }
};

TEST_P(TableDefinitions, EveryDefinitionParses) {
  const LineTable table = lineTable(GetParam());
  applicationTexts().SelectLineTable(table);
  const auto keys = keysOf(table);
  ASSERT_GT(keys.size(), 100u);
  checkTable(keys);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, TableDefinitions,
                         ::testing::Values(TableLanguage::Japanese, TableLanguage::JapaneseWesternChrome,
                                           TableLanguage::English),
                         [](const ::testing::TestParamInfo<TableLanguage>& param) -> std::string {
                           switch (param.param) {
                             case TableLanguage::Japanese: return "Japanese";
                             case TableLanguage::JapaneseWesternChrome: return "JapaneseWesternChrome";
                             case TableLanguage::English: break;
                           }
                           return "English";
                         });

}  // namespace

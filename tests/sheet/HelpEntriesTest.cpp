// Every item a user can ask help on has its entry in both languages' help pages: each
// set-mode item of every destination and each column of every list page of the tree, as the
// program's own tables lay them out. The entry is the one the item's topic leads to, headed by
// the item's label exactly as the page shows it, with a short explanation after it. And the
// reader of the entries finds the three shapes of entry and nothing else.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "help/HelpEntry.h"
#include "help/cmcHelpGTex.h"
#include "memory/DestinationTables.h"
#include "sheet/cells/SetModeItems.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/SheetName.h"
#include "sheet/layout/TreeNodes.h"
#include "text/CellIds.h"
#include "text/Codepage.h"

namespace {

struct HelpItem {
  std::string sheetKey;
  unsigned cellId = 0;
  int index = 0;
  std::string label;  // UTF-8
};

struct Language {
  TableLanguage table;
  CodePage codePage;
  const char* helpSet;
};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The caption of a list column: in the nearest row above the first data row that holds a
// caption, the caption at or left of the column (a column without a caption of its own sits
// under its left neighbour's). Empty when the fixed rows hold no caption.
std::string ColumnLabel(const SheetLayout& sheet, int column, int dataRow) {
  for (int row = dataRow - 1; row >= 0; --row) {
    bool captioned = false;
    for (int c = 0; c < sheet.ColumnCount(); ++c) {
      const cmcCellObj& cell = sheet.GetCell(c, row);
      captioned |= cell.cellId == kCellIdNone && !Trimmed(GetCaption(cell)).empty();
    }
    if (!captioned) continue;
    for (int c = column; c >= 0; --c) {
      const cmcCellObj& cell = sheet.GetCell(c, row);
      if (cell.cellId == kCellIdNone && !Trimmed(GetCaption(cell)).empty()) return Trimmed(GetCaption(cell));
    }
    return {};
  }
  return {};
}

// The set-mode items of the document's destination and the columns of every list page.
std::vector<HelpItem> ItemsOf(TestDocument& document, CodePage codePage) {
  std::vector<HelpItem> items;
  std::set<std::string> setModeSheets;
  for (const SetModeRow& row : SetModeRows(document)) {
    setModeSheets.insert(row.sheetName);
    items.push_back({SplitSheetName(row.sheetName).key, row.cellId, row.index, ToUtf8(row.label, codePage)});
  }
  NoTextMeasure measure;
  for (const std::string& name : TreeSheetNames(document.texts)) {
    if (setModeSheets.count(name) != 0) continue;
    SheetLayout sheet(SheetEnvironment{document.texts, measure, nullptr, &document});
    sheet.SetName(name);
    sheet.Build();
    const int dataRow = sheet.FirstDataRow();
    if (sheet.FixedRowCount() < 2 || dataRow >= sheet.RowCount()) continue;  // no column captions: no list
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
      const cmcCellObj& cell = sheet.GetCell(column, dataRow);
      if (cell.cellId == kCellIdNone) continue;
      items.push_back({sheet.Key(), cell.cellId, cell.index, ToUtf8(ColumnLabel(sheet, column, dataRow), codePage)});
    }
  }
  return items;
}

std::string ReadPage(const std::string& set, const std::string& page) {
  std::ifstream file(std::string(TESSEL_HELP_DIR) + "/" + set + "/" + page, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(HelpEntries, EverySetModeItemAndListColumnHasItsEntryInBothLanguages) {
  const Language languages[] = {{TableLanguage::English, CodePage::Cp1252, "Tessel_ENG"},
                                {TableLanguage::Japanese, CodePage::Cp932, "Tessel_JPN"}};
  cmcHelpGTex topics;
  for (const Language& language : languages) {
    std::map<std::string, std::string> pages;
    std::set<std::string> checked;  // sheet, item, element and label once each
    int setModeItems = 0;
    int listColumns = 0;
    for (int destination = 0; destination < kDestinationCount; ++destination) {
      TestDocument document(destination);
      document.texts.Reset();
      document.texts.SelectLineTable(LineTableOf(language.table));
      for (const HelpItem& item : ItemsOf(document, language.codePage)) {
        const std::string where = item.sheetKey + " " + std::string(CellIdName(item.cellId)) + "[" +
                                  std::to_string(item.index) + "] \"" + item.label + "\"";
        if (!checked.insert(where).second) continue;
        SCOPED_TRACE(std::string(language.helpSet) + ": " + where);
        (SettingElementCount(item.cellId) > 0 ? setModeItems : listColumns) += 1;
        ASSERT_FALSE(item.label.empty()) << "a column without a caption";
        cmcCellObj cell;
        cell.cellId = item.cellId;
        cell.index = item.index;
        const std::string target = PageOfContext(topics, ContextOfCell(topics, cell, item.sheetKey));
        ASSERT_FALSE(target.empty()) << "no help topic";
        const std::size_t hash = target.find('#');
        ASSERT_NE(hash, std::string::npos) << target << ": a whole page, no entry";
        const std::string page = target.substr(0, hash);
        if (pages.count(page) == 0) pages[page] = ReadPage(language.helpSet, page);
        const auto entry = FindHelpEntry(pages[page], target.substr(hash + 1));
        ASSERT_TRUE(entry.has_value()) << target << ": no entry there";
        EXPECT_EQ(entry->heading, item.label) << target;
        const std::string text = PlainTextOfHtml(entry->body);
        EXPECT_GE(text.size(), 20U) << target << ": next to no explanation";
      }
    }
    // The walk reached the pages: the four set-mode pages and the list pages.
    EXPECT_GT(setModeItems, 170) << language.helpSet;
    EXPECT_GT(listColumns, 100) << language.helpSet;
  }
}

TEST(HelpEntries, TheReaderFindsHeadingsTermsAndFirstCellsOnly) {
  const std::string page =
      "<html><body><h1>Page</h1>"
      "<h2><a name=\"A\"></a>Auto &amp; Power</h2><p>First.</p><p>Second.</p>"
      "<h2>Next</h2><dl><dt><a name=\"B\"></a>Beep</dt><dd>Sounds &#x27;on&#39;.</dd>"
      "<dt><a name=\"C\"></a>Bare term</dt></dl>"
      "<table><tr><td><a name=\"D\"></a><b>Freq</b></td><td>What.</td><td>Values.</td></tr>"
      "<tr><td>Mode</td><td><a name=\"E\"></a>Not a first cell.</td></tr></table>"
      "<p><a name=\"F\"></a>In a paragraph.</p></body></html>";
  struct Case {
    const char* anchor;
    bool found;
    const char* heading;
    const char* body;
  };
  const Case cases[] = {
      {"A", true, "Auto & Power", "<p>First.</p><p>Second.</p>"},
      {"B", true, "Beep", "<p>Sounds &#x27;on&#39;.</p>"},
      {"C", false, "", ""},  // a term without its definition
      {"D", true, "Freq", "<p>What.</p><p>Values.</p>"},
      {"E", false, "", ""},  // a later cell of a row heads nothing
      {"F", false, "", ""},  // a paragraph is no heading
      {"G", false, "", ""},  // no such anchor
      {"", false, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.anchor);
    const auto entry = FindHelpEntry(page, c.anchor);
    ASSERT_EQ(entry.has_value(), c.found);
    if (!c.found) continue;
    EXPECT_EQ(entry->heading, c.heading);
    EXPECT_EQ(entry->body, c.body);
  }
  EXPECT_EQ(PlainTextOfHtml("<p>Sounds &#x27;on&#39;.</p>\n  <p>&#x65E5; &lt;x&gt; &bogus; &</p>"),
            "Sounds 'on'. \xE6\x97\xA5 <x> &bogus; &");
}

}  // namespace

// Every page a user can open from the navigation tree binds only cell identifiers that have a
// behaviour: none shows "*Yet*". The set-mode pages are built separately and left out here.
// Every cell of those pages shows an image of random bytes without changing it.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "CellDocumentFixture.h"
#include "SheetFixture.h"
#include "memory/LoadedImage.h"
#include "memory/MemoryTestImages.h"
#include "support/TableWalk.h"

namespace {

// The sheet names the tree's nodes open.
std::vector<std::string> TreeSheetNames() {
  std::vector<std::string> names;
  const std::regex callSheet(R"(\(%CallSheet:([^)]*)\))");
  for (const std::string& line : ValueLines("GI_Tree_Main_Body")) {
    std::smatch match;
    if (std::regex_search(line, match, callSheet)) names.push_back(match[1]);
  }
  return names;
}

bool IsSetModePage(const std::string& name) { return name.starts_with("[St_Common]"); }

TEST(PageCells, NoPageOfTheTreeShowsACellWithoutBehaviour) {
  TestDocument document{2};
  CellRequests requests{document};
  FixedPitchMeasure measure;
  int pages = 0;
  for (const std::string& name : TreeSheetNames()) {
    if (IsSetModePage(name)) continue;
    SCOPED_TRACE(name);
    SheetLayout sheet(SheetEnvironment{document.texts, measure, nullptr});
    sheet.SetName(name);
    sheet.Build();
    for (int row = 0; row < sheet.RowCount(); ++row) {
      for (int column = 0; column < sheet.ColumnCount(); ++column) {
        const cmcCellObj& cell = sheet.GetCell(column, row);
        if (cell.cellId == kCellIdNone) continue;
        // Without a category no record is loaded and no empty row hides the behaviour.
        const std::string shown =
            requests.Query(kCategoryNone, cell.cellId, cell.index, sheet.GetArgument()).outputText;
        EXPECT_EQ(shown.find("*Yet*"), std::string::npos) << CellIdName(cell.cellId);
      }
    }
    ++pages;
  }
  EXPECT_GT(pages, 200);
}

// The cells of every list page over a loaded image of random bytes, each row taken for an
// entry of its list: whatever the bytes, showing them writes nothing.
TEST(PageCells, AnImageOfRandomBytesShowsWithoutAWrite) {
  TestDocument document{2};
  CellRequests requests{document};
  FixedPitchMeasure measure;
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    document.image.Assign(GarbageImage(seed));
    PrepareLoadedImage(document.image, document.defaults);
    const cmcEeprom loaded = document.image;
    const OpenListSheet sheet(document.events, 1, MemoryMap::kGpsMemoryCount);
    for (const std::string& name : TreeSheetNames()) {
      if (IsSetModePage(name)) continue;
      SheetLayout layout(SheetEnvironment{document.texts, measure, nullptr});
      layout.SetName(name);
      layout.Build();
      for (int row = 0; row < layout.RowCount(); ++row) {
        for (int column = 0; column < layout.ColumnCount(); ++column) {
          const cmcCellObj& cell = layout.GetCell(column, row);
          if (cell.cellId == kCellIdNone || cell.category == CT_PopupMenu) continue;
          requests.Query(cell.category, cell.cellId, cell.index, layout.GetArgument());
        }
      }
    }
    EXPECT_EQ(FirstDifference(document.image, loaded), -1);
  }
}

}  // namespace

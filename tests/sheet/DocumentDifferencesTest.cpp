// The comparison of two documents as their pages show them: every column of every compared
// page is compared under a field name, an edit shows as its one field in the texts the cells
// show, and equal documents show none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include "CellDocumentFixture.h"
#include "memory/ListEntries.h"
#include "memory/LoadedImage.h"
#include "memory/MemoryMap.h"
#include "memory/MemoryTestImages.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"
#include "sheet/cells/DocumentDifferences.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/TreeNodes.h"
#include "text/CellIds.h"

namespace {

// Cells that number the rows, or show what another compared list holds (the edges of a scan
// pair or link are scan-edge channels).
bool NumbersOrRepeatsTheRow(std::string_view name) {
  return name.starts_with("CL_Misc_") || name.ends_with("_ChNo") || name.starts_with("CL_Scan_Edge_") ||
         name.starts_with("CL_Pglink_");
}

TEST(DocumentDifferences, EveryColumnOfEveryComparedPageHasAField) {
  TestDocument document{2};
  NoTextMeasure measure;
  int pages = 0;
  for (const std::string& name : TreeSheetNames(document.texts)) {
    if (!IsComparedSheet(name)) continue;
    SCOPED_TRACE(name);
    SheetLayout sheet(SheetEnvironment{document.texts, measure, nullptr, &document});
    sheet.SetName(name);
    sheet.Build();
    for (int row = sheet.FixedRowCount(); row < sheet.RowCount(); ++row) {
      for (int column = sheet.FixedColumnCount(); column < sheet.ColumnCount(); ++column) {
        const unsigned cellId = sheet.GetCell(column, row).cellId;
        if (cellId == kCellIdNone) continue;
        const std::string_view cellName = CellIdName(cellId);
        EXPECT_TRUE(!DifferenceFieldOf(cellId).empty() || NumbersOrRepeatsTheRow(cellName)) << cellName;
      }
    }
    ++pages;
  }
  EXPECT_GT(pages, 100);
}

void StoreText(cmcEeprom& image, MemoryMap::Address address, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    image.SetByte(address + static_cast<MemoryMap::Address>(i), static_cast<std::uint8_t>(text[i]));
  }
}

void StoreRecord(cmcEeprom& image, int kind, int index, void (*change)(datCh&)) {
  datCh record(image);
  record.Load(kind, index);
  change(record);
  record.Commit();
}

class Differences : public ::testing::Test {
 protected:
  TestDocument before{2};
  TestDocument after{2};
};

TEST_F(Differences, EqualDocumentsShowNone) {
  EXPECT_TRUE(DocumentDifferences(before, after).empty());
  for (TestDocument* document : {&before, &after}) {
    document->image.Assign(GarbageImage(7));
    PrepareLoadedImage(document->image, document->defaults);
  }
  const cmcEeprom loaded = after.image;
  EXPECT_TRUE(DocumentDifferences(before, after).empty());
  EXPECT_EQ(FirstDifference(after.image, loaded), -1) << "comparing wrote into the image";
}

struct Edit {
  const char* name;
  void (*prepare)(cmcEeprom& image);  // applied to both documents first, when given
  void (*apply)(cmcEeprom& image);
  std::string_view list;
  std::string entry;
  std::string field;
  std::string before;
  std::string after;
};

// One edit each, and the one difference it makes, in the texts the pages show.
TEST_F(Differences, AnEditShowsAsItsFieldInTheTextsOfTheCells) {
  const Edit edits[] = {
      {"channel frequency", nullptr,
       [](cmcEeprom& image) { StoreRecord(image, RecordKind::kChannel, 0, [](datCh& r) { r.frequency = 145525000; }); },
       "memory", "channel 0", "frequency", "145.000000", "145.525000"},
      {"channel name", nullptr,
       [](cmcEeprom& image) {
         StoreRecord(image, RecordKind::kChannel, 0,
                     [](datCh& r) { std::memcpy(r.name.data(), "HOME            ", 16); });
       },
       "memory", "channel 0", "name", "", "HOME"},
      {"bank name", nullptr,
       [](cmcEeprom& image) { StoreText(image, MemoryMap::kBankNames + MemoryMap::kNameLength, "MARINE"); },
       "bank-names", "bank B", "name", "", "MARINE"},
      {"call channel", nullptr,
       [](cmcEeprom& image) {
         StoreRecord(image, RecordKind::kChannel, 551, [](datCh& r) { r.frequency = 433000000; });
       },
       "call", "channel C1", "frequency", "145.000000", "433.000000"},
      // A repeater of a later group: its page answers the group's range.
      {"repeater name",
       [](cmcEeprom& image) {
         ASSERT_TRUE(InsertRepeater(image, 0, 0));
         ASSERT_TRUE(InsertRepeater(image, 2, 1));
       },
       [](cmcEeprom& image) {
         StoreRecord(image, RecordKind::kRepeater, 1,
                     [](datCh& r) { std::memcpy(r.name.data(), "HILLTOP         ", 16); });
       },
       "repeaters", "repeater 1", "name", "", "HILLTOP"},
      {"setting", nullptr, [](cmcEeprom& image) { image.SetByte(MemoryMap::kSettings + 2, 2); }, "settings", "Common",
       "AutoPowerOFF", "OFF", "60min"},
  };
  const cmcEeprom defaults = before.image;
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.name);
    before.image.Assign(defaults);
    if (edit.prepare != nullptr) edit.prepare(before.image);
    after.image.Assign(before.image);
    edit.apply(after.image);
    const std::vector<FieldDifference> differences = DocumentDifferences(before, after);
    ASSERT_EQ(differences.size(), 1U);
    const FieldDifference& d = differences.front();
    EXPECT_EQ(d.list, edit.list);
    EXPECT_EQ(d.entry, edit.entry);
    EXPECT_EQ(d.field, edit.field);
    EXPECT_EQ(d.before, edit.before);
    EXPECT_EQ(d.after, edit.after);
  }
}

// A document of random bytes differs from the defaults on every compared list, each field
// named once per entry.
TEST_F(Differences, EveryListTakesPart) {
  after.image.Assign(GarbageImage(3));
  PrepareLoadedImage(after.image, after.defaults);
  ASSERT_TRUE(InsertRepeater(after.image, 4, 0));  // random bytes leave the repeater groups empty
  std::set<std::string_view> lists;
  std::set<std::tuple<std::string_view, std::string, std::string>> fields;
  for (const FieldDifference& d : DocumentDifferences(before, after)) {
    lists.insert(d.list);
    EXPECT_TRUE(fields.emplace(d.list, d.entry, d.field).second) << d.list << " " << d.entry << " " << d.field;
    EXPECT_NE(d.before, d.after);
  }
  for (const char* list : {"memory", "scan-edges", "scan-names", "bank-names", "call", "scan-links", "broadcast",
                           "broadcast-groups", "dtmf", "your-calls", "repeater-groups", "repeaters", "my-calls",
                           "messages", "received-calls", "transmitted-calls", "gps-groups", "gps", "settings"}) {
    EXPECT_TRUE(lists.contains(list)) << list;
  }
}

}  // namespace

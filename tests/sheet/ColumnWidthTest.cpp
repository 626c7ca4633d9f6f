// Column widths and the column-cut mask kept under "Display" in the per-user settings.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "SheetFixture.h"

namespace {

const std::string kListed = "GI_Sheet_W";
const std::string kUnlisted = "GI_Sheet_U";

// One heading row, then a data row whose columns 1 and 2 are selectable. With the fixed-pitch
// measure the columns come out 16, 64, 48 and 32 pixels wide.
const std::vector<std::string> kCells = {"H|{W}Heading|{W}Head2|x", "{W}N|{SW}AAAA|{SW}BB|{W}CCC"};
constexpr int kMeasured[] = {16, 64, 48, 32};

std::vector<std::string> Definitions() {
  std::vector<std::string> lines = SheetDefinition(kListed, "(FixedRows=1)(FixedCols=1)", "", kCells);
  const std::vector<std::string> unlisted = SheetDefinition(kUnlisted, "(FixedRows=1)(FixedCols=1)", "", kCells);
  lines.insert(lines.end(), unlisted.begin(), unlisted.end());
  return WithWidthList(lines, {"GI_Sheet_W:wreg", "GI_Sheet_Other:other", "GI_Sheet_W2:wreg"});
}

class ColumnWidthTest : public ::testing::Test {
 protected:
  std::unique_ptr<SheetLayout> Sheet(const std::string& key = kListed) {
    auto sheet = std::make_unique<SheetLayout>(texts_.Environment(&display_));
    sheet->SetName(key);
    return sheet;
  }
  std::unique_ptr<SheetLayout> Built(const std::string& key = kListed) {
    auto sheet = Sheet(key);
    sheet->Build();
    return sheet;
  }
  void StoreWidth(const std::string& name, int column, int32_t width) {
    settings_.user.WriteInteger(settings_.WidthKey(name), std::to_string(column), width);
  }
  std::optional<int32_t> StoredWidth(const std::string& name, int column) const {
    return settings_.user.ReadInteger(settings_.WidthKey(name), std::to_string(column));
  }
  std::optional<int32_t> StoredMask() const { return settings_.user.ReadInteger(kSettingsKey + "\\Display", "colcut"); }

  TestSettings settings_;
  FixtureTexts texts_{Definitions()};
  SheetDisplayStore display_{settings_.environ, kSettingsKey, texts_.Texts()};
};

TEST_F(ColumnWidthTest, FirstBuildStoresTheWidthsOfTheSelectableColumns) {
  const auto sheet = Built();
  for (int column = 0; column < 4; ++column) EXPECT_EQ(sheet->ColumnWidth(column), kMeasured[column]);
  EXPECT_EQ(StoredWidth("wreg", 0), std::nullopt);
  EXPECT_EQ(StoredWidth("wreg", 1), 64);
  EXPECT_EQ(StoredWidth("wreg", 2), 48);
  EXPECT_EQ(StoredWidth("wreg", 3), std::nullopt);
  EXPECT_EQ(StoredMask(), 127);
}

TEST_F(ColumnWidthTest, StoredWidthsAreRestoredWithinTheLimits) {
  struct Case {
    std::optional<int32_t> stored;
    int expected;
  };
  const Case cases[] = {{200, 200}, {5, 10}, {900, 650}, {-1, 64}, {std::nullopt, 64}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.value_or(-99));
    settings_.user.DeleteKey(settings_.WidthKey("wreg"));
    if (c.stored) StoreWidth("wreg", 1, *c.stored);
    StoreWidth("wreg", 0, 300);  // not a selectable column: never restored
    const auto sheet = Built();
    EXPECT_EQ(sheet->ColumnWidth(1), c.expected);
    EXPECT_EQ(sheet->ColumnWidth(0), kMeasured[0]);
    EXPECT_EQ(sheet->ColumnWidth(2), kMeasured[2]);
    EXPECT_EQ(StoredWidth("wreg", 1), c.expected);  // saved again as restored
  }
}

TEST_F(ColumnWidthTest, AnUnlistedSheetKeepsNoWidthsButTheColumnCutMask) {
  settings_.user.WriteInteger(kSettingsKey + "\\Display", "colcut", 5);
  StoreWidth("wreg", 1, 200);
  const auto sheet = Built(kUnlisted);
  EXPECT_EQ(sheet->ColumnWidth(1), kMeasured[1]);
  EXPECT_EQ(display_.ColumnCutMask(), 5);
  display_.SetColumnCutMask(6);
  sheet->SaveColumnWidths();
  EXPECT_EQ(StoredMask(), 6);
  EXPECT_EQ(StoredWidth("wreg", 1), 200);
  EXPECT_EQ(StoredWidth("wreg", 2), std::nullopt);
}

TEST_F(ColumnWidthTest, ResetForgetsTheWidthsOfEveryListedSheetOnce) {
  StoreWidth("wreg", 1, 200);
  StoreWidth("other", 4, 99);
  display_.SetColumnCutMask(3);
  auto sheet = Sheet();
  sheet->SetResetWidths(true);
  sheet->Build();
  EXPECT_EQ(sheet->ColumnWidth(1), kMeasured[1]);
  EXPECT_EQ(StoredWidth("wreg", 1), kMeasured[1]);
  EXPECT_EQ(StoredWidth("other", 4), std::nullopt);
  EXPECT_EQ(display_.ColumnCutMask(), 3);  // the mask lives on
  EXPECT_EQ(StoredMask(), 3);

  StoreWidth("wreg", 1, 222);
  sheet->Build();  // the request was used up: the widths are restored again
  EXPECT_EQ(sheet->ColumnWidth(1), 222);
}

TEST_F(ColumnWidthTest, PrintingScalesTheStoredWidthsAndWritesNothing) {
  struct Case {
    int32_t printerFontSize;
    int32_t percentage;
    double scale;
    int32_t stored;
    int expected;  // never wider than measured on the printer
  };
  // Measured on the printer: "Heading" 56 + padding 8 x scale.
  const Case cases[] = {
      {10, 100, 2.0, 20, 40},  {10, 200, 2.0, 20, 20}, {12, 100, 1.5, 20, 36},
      {10, 100, 2.0, 100, 72}, {10, 100, 1.0, 33, 33},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    settings_.environ.settings.printerFontSize = c.printerFontSize;
    settings_.environ.settings.fontSizePercentage = c.percentage;
    StoreWidth("wreg", 1, c.stored);
    auto sheet = Sheet();
    sheet->SetPrinting(c.scale, false);
    sheet->Build();
    EXPECT_EQ(sheet->ColumnWidth(1), c.expected);
    EXPECT_EQ(StoredWidth("wreg", 1), c.stored);
    EXPECT_EQ(StoredWidth("wreg", 2), std::nullopt);
  }
  EXPECT_EQ(StoredMask(), std::nullopt);
}

TEST_F(ColumnWidthTest, ASelectionListNeitherRestoresNorSaves) {
  StoreWidth("wreg", 1, 200);
  auto sheet = Sheet();
  sheet->SetListMode(true);
  sheet->Build();
  EXPECT_EQ(sheet->ColumnWidth(1), kMeasured[1]);
  EXPECT_EQ(StoredWidth("wreg", 2), std::nullopt);
  EXPECT_EQ(StoredMask(), std::nullopt);
}

TEST_F(ColumnWidthTest, UserSizedColumnsAreHeldToTheLimits) {
  struct Case {
    int width;
    int clientWidth;
    int expected;
  };
  // The fixed column is 16 pixels wide.
  const Case cases[] = {{5, 1000, 10}, {900, 1000, 650}, {500, 300, 284}, {500, 20, 10}, {100, 1000, 100}};
  const auto sheet = Built();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    sheet->SetColumnWidth(1, c.width);
    sheet->SetColumnWidth(3, 900);
    sheet->LimitColumnWidths(c.clientWidth);
    EXPECT_EQ(sheet->ColumnWidth(1), c.expected);
    EXPECT_EQ(sheet->ColumnWidth(3), 900);  // not a column the user sizes
    EXPECT_EQ(sheet->ColumnWidth(0), kMeasured[0]);
  }
}

TEST_F(ColumnWidthTest, TheColumnCutMaskIsSevenBitsAndDefaultsToAllGroups) {
  struct Case {
    std::optional<int32_t> stored;
    int32_t expected;
  };
  const Case cases[] = {{std::nullopt, 127}, {0, 0}, {21, 21}, {300, 300 & 127}, {-5, 127}};
  for (const Case& c : cases) {
    settings_.user.DeleteKey(kSettingsKey + "\\Display");
    if (c.stored) settings_.user.WriteInteger(kSettingsKey + "\\Display", "colcut", *c.stored);
    display_.SetColumnCutMask(1);
    display_.RestoreColumnCutMask();
    EXPECT_EQ(display_.ColumnCutMask(), c.expected) << c.stored.value_or(-99);
  }
}

TEST_F(ColumnWidthTest, RegistryNamesComeFromTheWidthList) {
  EXPECT_EQ(display_.RegistryName("GI_Sheet_W"), "wreg");
  EXPECT_EQ(display_.RegistryName("GI_Sheet_W2"), "wreg");
  EXPECT_EQ(display_.RegistryName("GI_Sheet_Other"), "other");
  EXPECT_EQ(display_.RegistryName("GI_Sheet_U"), std::nullopt);
  EXPECT_EQ(display_.RegistryName("GI_Sheet"), std::nullopt);
}

}  // namespace

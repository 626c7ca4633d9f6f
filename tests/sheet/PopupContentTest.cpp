// What the pop-ups show and check, without a window: the generated integer list, the
// bit-field editor's flags and the GPS text editor's rules, and that every selection list
// of both languages offers in its pop-up exactly the entries a cell steps through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/cells/BitFieldFlags.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "support/FatalTrap.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "text/cmcCellObj.h"
#include "text/cmcFCache.h"
#include "text/cmcGTex.h"
#include "values/GpsEditorText.h"
#include "values/IntegerList.h"

namespace {

class NoMeasure final : public CellTextMeasure {
 public:
  int Width(const CellFont&, std::string_view) override { return 0; }
  int Height(const CellFont&, std::string_view) override { return 0; }
};

// A text database over generated lines; the cell models come from the English tables.
class GeneratedTexts {
 public:
  explicit GeneratedTexts(std::vector<std::string> lines) : lines_(std::move(lines)) {
    ApplicationTexts().Reset();
    ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
    for (const std::string& line : lines_) pointers_.push_back(line.c_str());
    texts.SelectLineTable({pointers_.data(), pointers_.size()});
  }
  cmcGTex texts;

 private:
  std::vector<std::string> lines_;
  std::vector<const char*> pointers_;
};

struct ShownEntry {
  std::int32_t index;
  std::string caption;
  bool operator==(const ShownEntry&) const = default;
};

// The entries a list's sheet shows, in list order: down each column, then the next.
std::vector<ShownEntry> SheetEntries(cmcGTex& texts, const std::string& key, unsigned entryId) {
  NoMeasure measure;
  SheetLayout layout(SheetEnvironment{texts, measure});
  layout.SetName(key);
  layout.SetListMode(true);
  layout.Build();
  std::vector<ShownEntry> entries;
  for (int column = 0; column < layout.ColumnCount(); ++column) {
    for (int row = 0; row < layout.RowCount(); ++row) {
      const cmcCellObj& cell = layout.GetCell(column, row);
      if (cell.cellId == entryId) entries.push_back({cell.index, GetCaption(cell)});
    }
  }
  return entries;
}

std::vector<ShownEntry> SteppedEntries(cmcFCache& cache, const std::string& key, unsigned entryId) {
  std::vector<ShownEntry> entries;
  for (const FCacheItem& item : cache.Entry(key, entryId).listOrder) entries.push_back({item.index, item.caption});
  return entries;
}

TEST(IntegerList, RadioLevelReadsPlusFiveDownToMinusFive) {
  IntegerListPopup level;
  level.maximum = 10;
  level.offset = -5;
  level.rightAligned = true;
  level.reversed = true;
  level.signedText = true;
  GeneratedTexts generated(IntegerListLines(level));
  const std::vector<ShownEntry> shown = SheetEntries(generated.texts, kIntegerListKey, Flex0);
  ASSERT_EQ(shown.size(), 11u);
  EXPECT_EQ(shown.front(), (ShownEntry{10, "+5"}));
  EXPECT_EQ(shown[5], (ShownEntry{5, "0"}));
  EXPECT_EQ(shown.back(), (ShownEntry{0, "-5"}));
}

TEST(IntegerList, ColumnsFillDownwardsAndPaddingKeepsItsSpaces) {
  IntegerListPopup list;
  list.minimum = 0;
  list.maximum = 40;
  list.step = 10;
  list.rowsPerColumn = 2;
  list.rightAligned = true;
  list.prefix = "Lv";
  list.suffix = "dB";
  const std::vector<std::string> lines = IntegerListLines(list);
  GeneratedTexts generated(lines);
  const std::vector<ShownEntry> shown = SheetEntries(generated.texts, kIntegerListKey, Flex0);
  const std::vector<ShownEntry> expected = {
      {0, "Lv 0dB"}, {10, "Lv10dB"}, {20, "Lv20dB"}, {30, "Lv30dB"}, {40, "Lv40dB"}};
  EXPECT_EQ(shown, expected);
  EXPECT_NE(lines[5].find("{!S}\\_"), std::string::npos);  // the place after the last entry stays empty
  EXPECT_EQ(FatalMessageOf([] { IntegerListLines(IntegerListPopup{.minimum = 3, .maximum = 1}); }),
            "Invalid integer list.");
}

// Every list of the tables: the pop-up shows the entries Space and Backspace step through,
// in the same order, in both languages.
class EveryList : public ::testing::TestWithParam<TableLanguage> {};

std::vector<std::string> ListKeys(LineTable table) {
  std::vector<std::string> keys;
  const std::string suffix = "_Cells";
  for (std::size_t i = 0; i < table.count; ++i) {
    const std::string_view line = table.lines[i];
    const bool selection = line.starts_with("#GI_Sheet_Sel_") || line == "#GI_Sheet_Common_VolumeSelect_Cells" ||
                           line == "#GI_Sheet_Common_SubBandMute_Cells";
    if (!selection || !line.ends_with(suffix)) continue;
    keys.emplace_back(line.substr(1, line.size() - 1 - suffix.size()));
  }
  return keys;
}

TEST_P(EveryList, PopupShowsWhatTheCellStepsThrough) {
  cmcGTex& texts = ApplicationTexts();
  texts.Reset();
  texts.SelectLineTable(LineTableOf(GetParam()));
  cmcFCache cache(texts);
  const std::vector<std::string> keys = ListKeys(LineTableOf(GetParam()));
  EXPECT_GE(keys.size(), 139u);
  for (const std::string& key : keys) {
    for (unsigned entryId : {static_cast<unsigned>(Flex0), static_cast<unsigned>(CL_FlexMark_Mch),
                             static_cast<unsigned>(CL_FlexMark_RptDup)}) {
      EXPECT_EQ(SheetEntries(texts, key, entryId), SteppedEntries(cache, key, entryId)) << key;
    }
  }
  texts.Reset();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryList, ::testing::Values(TableLanguage::English, TableLanguage::Japanese));

TEST(BitFieldFlags, LabelsByType) {
  struct Row {
    const char* name;
    int labelType;
    int first;
    int last;
    std::vector<std::string> labels;
  };
  const std::vector<Row> rows = {
      {"digits write ten as 0", 2, 8, 10, {"8", "9", "0"}},
      {"hexadecimal", 1, 9, 12, {"9", "A", "B", "C"}},
      {"letters", 3, 1, 3, {"A", "B", "C"}},
      {"NMEA sentences", 4, 1, 6, {"RMC", "GGA", "GLL", "GSA", "VTG", "GSV"}},
      {"short NMEA set", 5, 1, 4, {"RMC", "GGA", "VTG", "GSA"}},
      {"bits count down to B0", 6, 1, 8, {"B7", "B6", "B5", "B4", "B3", "B2", "B1", "B0"}},
      {"plain numbers", 0, 3, 4, {"3", "4"}},
  };
  for (const Row& row : rows) {
    const BitFieldFlags flags(BitFieldPopup{.first = row.first, .last = row.last, .labelType = row.labelType});
    std::vector<std::string> labels;
    for (int a = row.first; a <= row.last; ++a) labels.push_back(flags.Label(a));
    EXPECT_EQ(labels, row.labels) << row.name;
  }
  EXPECT_EQ(FatalMessageOf([] { BitFieldFlags(BitFieldPopup{.first = 1, .last = 27}); }), "Invalid bit field.");
}

// A request on flag cell k of the editor.
cmcCellCapsule FlagRequest(cmcCellObj& cell, int k, int key) {
  cell.cellId = CL_FBits;
  cell.index = k;
  cmcCellCapsule request;
  request.cell = &cell;
  request.key = key;
  return request;
}

TEST(BitFieldFlags, ARawByteShowsItsBitsAndTogglesOnlyTheFlagAsked) {
  BitFieldFlags flags(BitFieldPopup{.value = 0xA5u << 18, .first = 1, .last = 8, .labelType = 6, .markStyle = 0});
  cmcCellObj cell;
  std::string shown;
  for (int k = 1; k <= 8; ++k) {
    cmcCellCapsule request = FlagRequest(cell, k, 0);
    flags.Answer(request, kCellQuery);
    shown += request.outputText.empty() ? "." : request.outputText;
  }
  EXPECT_EQ(shown, "o.o..o.o");  // 0xA5: flags 1, 3, 6 and 8
  for (int key : {static_cast<int>(kKeySpace), static_cast<int>(kKeyBackspace), static_cast<int>(kKeyDoubleClick)}) {
    cmcCellCapsule toggle = FlagRequest(cell, 2, key);
    EXPECT_TRUE(flags.Answer(toggle, kCellAction)) << key;
  }
  EXPECT_EQ(flags.Value(), 0xE5u << 18);  // toggled three times: set
  cmcCellCapsule enter = FlagRequest(cell, 2, kKeyEnter);
  EXPECT_FALSE(flags.Answer(enter, kCellAction));
  cmcCellCapsule query = FlagRequest(cell, 1, kKeySpace);
  EXPECT_FALSE(flags.Answer(query, kCellQuery));  // a query never toggles
  EXPECT_EQ(flags.Value(), 0xE5u << 18);
}

TEST(BitFieldFlags, NmeaSentencesNeedOneToFourFlagsAndMarkEveryCellOtherwise) {
  BitFieldFlags flags(BitFieldPopup{.value = 0b11110u << 21, .first = 1, .last = 6, .labelType = 4});
  EXPECT_TRUE(flags.RuleHolds());
  cmcCellObj cell;
  cmcCellCapsule fifth = FlagRequest(cell, 5, kKeySpace);
  flags.Answer(fifth, kCellAction);
  EXPECT_FALSE(flags.RuleHolds());
  cmcCellCapsule unset = FlagRequest(cell, 6, 0);
  flags.Answer(unset, kCellQuery);
  EXPECT_TRUE(unset.HasFlag(kRequestErrorMark));
  EXPECT_FALSE(unset.HasFlag(kRequestCheckMark));
  cmcCellCapsule set = FlagRequest(cell, 1, 0);
  flags.Answer(set, kCellQuery);
  EXPECT_TRUE(set.HasFlag(kRequestCheckMark));
  cmcCellCapsule clear = FlagRequest(cell, 2, kKeySpace);
  flags.Answer(clear, kCellAction);
  EXPECT_TRUE(flags.RuleHolds());
  EXPECT_FALSE(BitFieldFlags(BitFieldPopup{.value = 0, .first = 1, .last = 4, .labelType = 5}).RuleHolds());
}

TEST(BitFieldFlags, TheGeneratedSheetHasALabelAndAFlagCellPerFlag) {
  const BitFieldFlags flags(BitFieldPopup{.first = 1, .last = 10, .labelType = 2});
  GeneratedTexts generated(flags.SheetLines());
  NoMeasure measure;
  SheetLayout layout(SheetEnvironment{generated.texts, measure});
  layout.SetName(kBitFieldSheetKey);
  layout.Build();
  std::vector<int> flagIndices;
  std::string labels;
  for (int row = 0; row < layout.RowCount(); ++row) {
    for (int column = 0; column < layout.ColumnCount(); ++column) {
      const cmcCellObj& cell = layout.GetCell(column, row);
      if (cell.cellId != CL_FBits) continue;
      flagIndices.push_back(cell.index);
      for (int above = row - 1; above >= 0; --above) {  // the label over its flag
        if (GetCaption(layout.GetCell(column, above)).empty()) continue;
        labels += GetCaption(layout.GetCell(column, above));
        break;
      }
    }
  }
  EXPECT_EQ(flagIndices, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(labels, "1234567890");
}

TEST(GpsEditorText, AcceptedAndRefusedTexts) {
  using P = GpsEditProblem;
  struct Row {
    const char* text;
    int type;
    P problem;
  };
  const std::vector<Row> rows = {
      {"2000/01/02", kGpsDateYearFirst, P::kNone},
      {"2000/01/01", kGpsDateYearFirst, P::kDate},
      {"2099/12/30", kGpsDateYearFirst, P::kNone},
      {"2099/12/31", kGpsDateYearFirst, P::kDate},
      {"2024/02/30", kGpsDateYearFirst, P::kDate},
      {"02/29/2024", kGpsDateMonthFirst, P::kNone},
      {"29/02/2023", kGpsDateDayFirst, P::kDate},
      {"    /  /  ", kGpsDateYearFirst, P::kDate},
      {"23:59:59", kGpsTime, P::kNone},
      {"24:00:00", kGpsTime, P::kTime},
      {"12:60:00", kGpsTime, P::kTime},
      {" 90\xB0"
       "00'00\"N",
       kGpsLatitudeSeconds, P::kNone},
      {" 90\xB0"
       "00'01\"N",
       kGpsLatitudeSeconds, P::kLatitudeRange},
      {" 45\xB0"
       "60'00\"N",
       kGpsLatitudeSeconds, P::kMinutes},
      {" 45\xB0"
       "30'60\"S",
       kGpsLatitudeSeconds, P::kSeconds},
      {" 45\xB0"
       "30'00\"E",
       kGpsLatitudeSeconds, P::kLatitudeHemisphere},
      {" 45\xB0"
       "59.99'n",
       kGpsLatitudeMinutes, P::kNone},
      {"180\xB0"
       "00.00'W",
       kGpsLongitudeMinutes, P::kNone},
      {"180\xB0"
       "00.01'W",
       kGpsLongitudeMinutes, P::kLongitudeRange},
      {"139\xB0"
       "45'30\"N",
       kGpsLongitudeSeconds, P::kLongitudeHemisphere},
      {"1 9\xB0"
       "45'30\"E",
       kGpsLongitudeSeconds, P::kNone},  // a blank counts as 0
      {"1x9\xB0"
       "45'30\"E",
       kGpsLongitudeSeconds, P::kNotANumber},
      {"139\xB0", kGpsLongitudeSeconds, P::kNotANumber},
  };
  for (const Row& row : rows) EXPECT_EQ(CheckGpsEditorText(row.text, row.type), row.problem) << row.text;
}

TEST(GpsEditorText, DatesTravelYearFirstAndShowInTheTypesOrder) {
  EXPECT_EQ(GpsEditorTextOf("2012/03/04", kGpsDateMonthFirst), "03/04/2012");
  EXPECT_EQ(GpsEditorTextOf("2012/03/04", kGpsDateDayFirst), "04/03/2012");
  EXPECT_EQ(GpsEditorTextOf("2012/03/04", kGpsDateYearFirst), "2012/03/04");
  EXPECT_EQ(GpsCellTextOf("04/03/2012", kGpsDateDayFirst), "2012/03/04");
  EXPECT_EQ(GpsCellTextOf("03/04/2012", kGpsDateMonthFirst), "2012/03/04");
  EXPECT_EQ(GpsCellTextOf("1 :0 :  ", kGpsTime), "10:00:00");
  EXPECT_EQ(GpsEditPlacesOf(kGpsDateYearFirst).first, 2);
  EXPECT_EQ(FatalMessageOf([] { GpsEditPlacesOf(8); }), "Invalid GPS edit type.");
}

}  // namespace

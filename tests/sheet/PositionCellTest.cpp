#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "values/PositionCell.h"

namespace {

constexpr auto kLat = PositionAxis::kLatitude;
constexpr auto kLon = PositionAxis::kLongitude;
const GpsPosition kNotSet{0xFF, 0xFFFF, '\xFF'};

CodecSettings Display(bool japanese) {
  CodecSettings settings;
  settings.japaneseDisplay = japanese;
  return settings;
}

TEST(PositionCell, DisplayInBothFormats) {
  struct Row {
    const char* name;
    PositionAxis axis;
    bool inSeconds;
    bool japanese;
    GpsPosition position;
    std::string shown;
  };
  const std::vector<Row> rows = {
      {"decimal minutes are truncated hundredths",
       kLat,
       false,
       false,
       {35, 35123, 'N'},
       "35\xB0"
       "35.12'N"},
      {"longitude has three degree digits",
       kLon,
       false,
       false,
       {139, 41999, 'E'},
       "139\xB0"
       "41.99'E"},
      {"Japanese degree sign",
       kLat,
       false,
       true,
       {5, 7080, 'S'},
       "05\xDF"
       "07.08'S"},
      {"seconds are rounded",
       kLat,
       true,
       false,
       {35, 41117, 'N'},
       "35\xB0"
       "41'07\"N"},
      {"60 seconds carry into the minute",
       kLon,
       true,
       false,
       {9, 41995, 'W'},
       "009\xB0"
       "42'00\"W"},
      {"60 minutes carry into the degree",
       kLat,
       true,
       false,
       {35, 59995, 'N'},
       "36\xB0"
       "00'00\"N"},
      {"not set, decimals", kLat, false, false, kNotSet, "--\xB0--.--'-"},
      {"not set, seconds", kLon, true, false, kNotSet, "---\xB0--'--\"-"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(PositionCell(row.axis, row.inSeconds, Display(row.japanese)).Display(row.position), row.shown)
        << row.name;
  }
}

TEST(PositionCell, CommitReadsTheEditorsText) {
  struct Row {
    const char* name;
    PositionAxis axis;
    bool inSeconds;
    std::string text;
    bool changed;
    GpsPosition stored;
  };
  const GpsPosition old{1, 2, 'N'};
  const std::vector<Row> rows = {
      {"decimals",
       kLat,
       false,
       "035\xB0"
       "35.12'N",
       true,
       {35, 35120, 'N'}},
      {"blanks count as zero",
       kLat,
       false,
       " 35\xB0"
       "35.12'n",
       true,
       {35, 35120, 'N'}},
      {"seconds",
       kLon,
       true,
       "139\xB0"
       "41'07\"E",
       true,
       {139, 41116, 'E'}},
      {"90 degrees north exactly",
       kLat,
       true,
       "090\xB0"
       "00'00\"N",
       true,
       {90, 0, 'N'}},
      {"180 degrees west exactly",
       kLon,
       false,
       "180\xB0"
       "00.00'W",
       true,
       {180, 0, 'W'}},
      {"one second past 90", kLat, true,
       "090\xB0"
       "00'01\"N",
       false, old},
      {"60 minutes", kLat, true,
       "045\xB0"
       "60'00\"N",
       false, old},
      {"60 seconds", kLat, true,
       "045\xB0"
       "00'60\"N",
       false, old},
      {"a latitude with E", kLat, false,
       "035\xB0"
       "35.12'E",
       false, old},
      {"a longitude with N", kLon, false,
       "035\xB0"
       "35.12'N",
       false, old},
      {"too short", kLat, false,
       "035\xB0"
       "35.12'",
       false, old},
      {"letters among the digits", kLat, false,
       "0x5\xB0"
       "35.12'N",
       false, old},
      {"empty", kLat, false, "", false, old},
  };
  for (const Row& row : rows) {
    GpsPosition position = old;
    EXPECT_EQ(PositionCell(row.axis, row.inSeconds, Display(false)).Commit(row.text, position), row.changed)
        << row.name;
    EXPECT_EQ(position, row.stored) << row.name;
  }
}

TEST(PositionCell, KeysOpenTheGpsTextEditorAndItsTextReadsBack) {
  struct Row {
    PositionAxis axis;
    bool inSeconds;
    GpsPosition position;
    std::string text;
    int editorType;
  };
  const std::vector<Row> rows = {
      {kLat,
       true,
       {35, 41117, 'N'},
       " 35\xB0"
       "41'07\"N",
       4},
      {kLon,
       true,
       {139, 41117, 'E'},
       "139\xB0"
       "41'07\"E",
       5},
      {kLat,
       false,
       {35, 35120, 'S'},
       " 35\xB0"
       "35.12'S",
       6},
      {kLon,
       false,
       {9, 35120, 'W'},
       "009\xB0"
       "35.12'W",
       7},
      {kLat, false, kNotSet, "   \xB0  .  ' ", 6},
  };
  for (const Row& row : rows) {
    const PositionCell cell(row.axis, row.inSeconds, Display(true));
    const KeyReply reply = cell.Key('3', row.position);
    EXPECT_EQ(reply.action, KeyReply::Action::kPopup);
    const auto* editor = std::get_if<GpsTextPopup>(&reply.popup);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text, row.text);
    EXPECT_EQ(editor->editType, row.editorType);
    if (!row.position.IsSet()) continue;
    GpsPosition back{};
    EXPECT_TRUE(cell.Commit(editor->text, back));
    EXPECT_EQ(cell.Display(back), cell.Display(row.position));
  }
  EXPECT_EQ(PositionCell(kLat, false, Display(false)).Key('-', kNotSet).action, KeyReply::Action::kNone);
}

}  // namespace

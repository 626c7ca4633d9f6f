#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/FatalTrap.h"
#include "values/NumberCell.h"

namespace {

// A memory channel's frequency (MHz, 6 decimals) and offset cells, and a small stepped
// setting with a sign.
NumberCellFormat FrequencyFormat() {
  NumberCellFormat f;
  f.decimals = 6;
  f.shownDecimals = 6;
  f.width = 3;
  f.minimum = 108'000'000;
  f.maximum = 479'000'000;
  f.step = 1;
  return f;
}

NumberCellFormat OffsetFormat() {
  NumberCellFormat f = FrequencyFormat();
  f.minimum = 0;
  f.maximum = 59'995'000;
  f.step = 5'000;
  f.stepping = true;
  return f;
}

NumberCellFormat LevelFormat() {
  NumberCellFormat f;
  f.decimals = 1;
  f.shownDecimals = 1;
  f.minimum = -50;
  f.maximum = 50;
  f.step = 5;
  f.signShown = true;
  f.stepping = true;
  return f;
}

TEST(NumberCell, CommitReadsRoundsCutsAndClamps) {
  struct Row {
    const char* name;
    NumberCellFormat format;
    std::string text;
    bool changed;
    std::int32_t expected;
  };
  NumberCellFormat none = LevelFormat();
  none.zeroMeansNone = true;
  none.minimum = 10;
  const std::vector<Row> rows = {
      {"145.5 MHz", FrequencyFormat(), "145.5", true, 145'500'000},
      {"above the range clamps to the maximum", FrequencyFormat(), "500", true, 479'000'000},
      {"below the range clamps to the minimum", FrequencyFormat(), "50", true, 108'000'000},
      {"seventh decimal rounds half away from zero", FrequencyFormat(), "145.0000005", true, 145'000'001},
      {"letters, spaces and a unit are dropped", FrequencyFormat(), " 1 4 6 . 0 1 MHz", true, 146'010'000},
      {"pasted text with a line break", FrequencyFormat(), "146.52\r\n", true, 146'520'000},

      {"a second point ends the number", FrequencyFormat(), "146.5.7", true, 146'500'000},
      {"a huge number clamps", FrequencyFormat(), "99999999999", true, 479'000'000},
      {"no digit changes nothing", FrequencyFormat(), "abc.-", false, 1},
      {"empty changes nothing", FrequencyFormat(), "", false, 1},
      {"cut down to the step", OffsetFormat(), "0.6049", true, 600'000},
      {"offset maximum", OffsetFormat(), "60", true, 59'995'000},
      {"negative with the step cut towards zero", LevelFormat(), "-3.4", true, -30},
      {"negative below the range", LevelFormat(), "-12", true, -50},
      {"zero means none: empty stores 0", none, "", true, 0},
      {"zero means none: a number still clamps", none, "0.2", true, 10},
  };
  for (const Row& row : rows) {
    std::int32_t value = 1;
    EXPECT_EQ(NumberCell(row.format).Commit(row.text, value), row.changed) << row.name;
    EXPECT_EQ(value, row.expected) << row.name;
  }
}

TEST(NumberCell, DisplayPadsSignsAndStripsZeros) {
  struct Row {
    NumberCellFormat format;
    std::int32_t value;
    std::string expected;
  };
  NumberCellFormat stripped = FrequencyFormat();
  stripped.zerosToStrip = 6;
  NumberCellFormat stripThree = FrequencyFormat();
  stripThree.zerosToStrip = 3;
  NumberCellFormat wide = FrequencyFormat();
  wide.width = 4;
  NumberCellFormat fewer = FrequencyFormat();
  fewer.shownDecimals = 1;
  NumberCellFormat none = LevelFormat();
  none.zeroMeansNone = true;
  const std::vector<Row> rows = {
      {FrequencyFormat(), 145'500'000, "145.500000"},
      {wide, 5'000, "   0.005000"},
      {fewer, 76'050'000, " 76.0"},
      {stripped, 145'500'000, "145.5"},
      {stripped, 145'000'000, "145"},
      {stripThree, 145'000'000, "145.000"},
      {LevelFormat(), 25, "+2.5"},
      {LevelFormat(), -5, "-0.5"},
      {LevelFormat(), 0, "0.0"},
      {none, 0, ""},
      {FrequencyFormat(), -2'147'483'647 - 1, "-2147.483648"},
  };
  for (const Row& row : rows) EXPECT_EQ(NumberCell(row.format).Display(row.value), row.expected) << row.value;
}

TEST(NumberCell, KeysStepWithWrapOrOpenTheEditor) {
  struct Row {
    const char* name;
    NumberCellFormat format;
    std::int32_t value;
    int key;
    KeyReply::Action action;
    std::int32_t after;
    std::string editorText;
    int selectionStart;
  };
  NumberCellFormat empty = FrequencyFormat();
  empty.editorStartsEmpty = true;
  const auto kChanged = KeyReply::Action::kChanged;
  const auto kEdit = KeyReply::Action::kEdit;
  const auto kNone = KeyReply::Action::kNone;
  const std::vector<Row> rows = {
      {"Space steps up", OffsetFormat(), 600'000, kKeySpace, kChanged, 605'000, "", 0},
      {"Space past the maximum wraps to the minimum", OffsetFormat(), 59'995'000, kKeySpace, kChanged, 0, "", 0},
      {"Backspace below the minimum wraps to the maximum", OffsetFormat(), 0, kKeyBackspace, kChanged, 59'995'000, "",
       0},
      {"Space without stepping opens the editor", FrequencyFormat(), 145'000'000, kKeySpace, kEdit, 145'000'000,
       "145.000000", 0},
      {"Backspace without stepping does nothing", FrequencyFormat(), 145'000'000, kKeyBackspace, kNone, 145'000'000, "",
       0},
      {"Enter opens the editor with the trimmed text", OffsetFormat(), 600'000, kKeyEnter, kEdit, 600'000, "0.600000",
       0},
      {"F2 on an empty channel opens an empty editor", empty, 145'000'000, kKeyF2, kEdit, 145'000'000, "", 0},
      {"a point on an empty channel starts with zero", empty, 145'000'000, '.', kEdit, 145'000'000, "0.000000", 2},
      {"a point starts the editor", FrequencyFormat(), 145'000'000, '.', kEdit, 145'000'000, ".", 1},
      {"a digit starts the editor", FrequencyFormat(), 145'000'000, '4', kEdit, 145'000'000, "4", 1},
      {"minus starts the editor", LevelFormat(), 0, '-', kEdit, 0, "-", 1},
      {"plus starts the editor where the sign shows", LevelFormat(), 0, '+', kEdit, 0, "+", 1},
      {"plus does nothing without a sign", FrequencyFormat(), 145'000'000, '+', kNone, 145'000'000, "", 0},
      {"a letter does nothing", FrequencyFormat(), 145'000'000, 'x', kNone, 145'000'000, "", 0},
  };
  for (const Row& row : rows) {
    std::int32_t value = row.value;
    const KeyReply reply = NumberCell(row.format).Key(row.key, value);
    EXPECT_EQ(reply.action, row.action) << row.name;
    EXPECT_EQ(value, row.after) << row.name;
    EXPECT_EQ(reply.text, row.editorText) << row.name;
    EXPECT_EQ(reply.selectionStart, row.selectionStart) << row.name;
  }
}

TEST(NumberCell, InvalidFormatIsADefect) {
  NumberCellFormat noStep = FrequencyFormat();
  noStep.step = 0;
  EXPECT_EQ(FatalMessageOf([&] { NumberCell cell(noStep); }), "Invalid number cell format.");
}

}  // namespace

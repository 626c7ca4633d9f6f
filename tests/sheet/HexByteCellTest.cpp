#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/HexByteCell.h"

namespace {

TEST(HexByteCell, CommitAndDisplay) {
  struct Row {
    std::string typed;
    bool changed;
    std::uint8_t stored;
  };
  const std::vector<Row> rows = {
      {"a4", true, 0xA4},   {"F", true, 0x0F},   {" 7e ", true, 0x7E},
      {"100", false, 0x58}, {"g1", false, 0x58}, {"", false, 0x58},
  };
  for (const Row& row : rows) {
    std::uint8_t value = 0x58;
    EXPECT_EQ(HexByteCell().Commit(row.typed, value), row.changed) << row.typed;
    EXPECT_EQ(value, row.stored) << row.typed;
  }
  EXPECT_EQ(HexByteCell().Display(0x0A), "0A");
  EXPECT_EQ(HexByteCell().Display(0xE0), "E0");
}

TEST(HexByteCell, EnterOpensTheBitFieldEditorAndDigitsTheInPlaceEditor) {
  const KeyReply enter = HexByteCell().Key(kKeyEnter, 0xA5);
  const auto* editor = std::get_if<BitFieldPopup>(&enter.popup);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->value, 0xA5u << 18);
  EXPECT_EQ(editor->labelType, 6);
  EXPECT_EQ(editor->markStyle, 0);
  EXPECT_EQ(editor->last - editor->first, 7);
  std::uint8_t value = 0xA5;
  EXPECT_TRUE(HexByteCell().Pick(std::to_string(0x3Cu << 18), value));
  EXPECT_EQ(value, 0x3C);
  EXPECT_FALSE(HexByteCell().Pick("3C", value));
  EXPECT_EQ(value, 0x3C);
  const KeyReply typed = HexByteCell().Key('b', 0x58);
  EXPECT_EQ(typed.action, KeyReply::Action::kEdit);
  EXPECT_EQ(typed.text, "b");
  EXPECT_EQ(typed.maxLength, 2);
  EXPECT_EQ(HexByteCell().Key('h', 0x58).action, KeyReply::Action::kNone);
}

}  // namespace

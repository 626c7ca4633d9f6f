#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/TwoDigitCell.h"

namespace {

TEST(TwoDigitCell, CommitTakesOneOrTwoDigits) {
  struct Row {
    std::string typed;
    bool changed;
    std::uint8_t stored;
  };
  const std::vector<Row> rows = {
      {"7", true, 7},     {"07", true, 7},   {" 42\r\n", true, 42}, {"99", true, 99},
      {"100", false, 50}, {"4a", false, 50}, {"", false, 50},       {"-1", false, 50},
  };
  for (const Row& row : rows) {
    std::uint8_t value = 50;
    EXPECT_EQ(TwoDigitCell().Commit(row.typed, value), row.changed) << row.typed;
    EXPECT_EQ(value, row.stored) << row.typed;
  }
}

TEST(TwoDigitCell, DisplayAndWrappingSteps) {
  EXPECT_EQ(TwoDigitCell().Display(5), "05");
  EXPECT_EQ(TwoDigitCell().Display(99), "99");
  struct Row {
    std::uint8_t value;
    int key;
    std::uint8_t after;
  };
  const std::vector<Row> rows = {
      {99, kKeySpace, 0}, {0, kKeyBackspace, 99}, {41, kKeySpace, 42}, {200, kKeySpace, 0}, {200, kKeyBackspace, 99},
  };
  for (const Row& row : rows) {
    std::uint8_t value = row.value;
    EXPECT_EQ(TwoDigitCell().Key(row.key, value).action, KeyReply::Action::kChanged);
    EXPECT_EQ(value, row.after) << int{row.value};
  }
  std::uint8_t value = 3;
  const KeyReply digit = TwoDigitCell().Key('7', value);
  EXPECT_EQ(digit.action, KeyReply::Action::kEdit);
  EXPECT_EQ(digit.text, "7");
  EXPECT_EQ(TwoDigitCell().Key('x', value).action, KeyReply::Action::kNone);
}

}  // namespace

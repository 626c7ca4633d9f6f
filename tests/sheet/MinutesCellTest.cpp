#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/MinutesCell.h"

namespace {

constexpr std::uint16_t kOld = 1000;

TEST(MinutesCell, CommitAcceptsTheRangeOfEachFormat) {
  struct Row {
    bool inSeconds;
    std::string typed;
    std::uint16_t stored;  // kOld: unchanged
  };
  const std::vector<Row> rows = {
      {false, "5.30", 5300},   {false, "5.3", 5300},   {false, "12", 12000}, {false, "0.08", 80},
      {false, "59.99", 59990}, {false, "0.07", kOld},  {false, "60", kOld},  {false, "5.123", kOld},
      {false, "05.30'", 5300}, {false, "", kOld},      {false, "a.b", kOld}, {true, "5'18", 5300},
      {true, "0'05", 83},      {true, "59'59", 59983}, {true, "0'04", kOld}, {true, "5'60", kOld},
      {true, "05'18\"", 5300}, {true, "5.30", kOld},
  };
  for (const Row& row : rows) {
    std::uint16_t value = kOld;
    EXPECT_EQ(MinutesCell(row.inSeconds).Commit(row.typed, value), row.stored != kOld) << row.typed;
    EXPECT_EQ(value, row.stored) << row.typed;
  }
}

TEST(MinutesCell, DisplayAndWrappingSteps) {
  EXPECT_EQ(MinutesCell(false).Display(5300), "05.30'");
  EXPECT_EQ(MinutesCell(false).Display(35123), "35.12'");
  EXPECT_EQ(MinutesCell(true).Display(5300), "05'18\"");
  EXPECT_EQ(MinutesCell(true).Display(59995), "60'00\"");
  struct Row {
    bool inSeconds;
    std::uint16_t value;
    int key;
    std::uint16_t after;
  };
  const std::vector<Row> rows = {
      {false, 5300, kKeySpace, 5310}, {false, 59990, kKeySpace, 80}, {false, 80, kKeyBackspace, 59990},
      {true, 5300, kKeySpace, 5316},  {true, 59983, kKeySpace, 83},  {true, 83, kKeyBackspace, 59983},
  };
  for (const Row& row : rows) {
    std::uint16_t value = row.value;
    EXPECT_EQ(MinutesCell(row.inSeconds).Key(row.key, value).action, KeyReply::Action::kChanged);
    EXPECT_EQ(value, row.after) << row.value;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/AltitudeCell.h"

namespace {

constexpr std::int32_t kOld = 1234;

TEST(AltitudeCell, CommitConvertsUnitsBackToTenthsOfAFoot) {
  struct Row {
    bool metric;
    std::string typed;
    bool changed;
    std::int32_t stored;
  };
  const std::vector<Row> rows = {
      {true, "100", true, 3281},
      {false, "100", true, 1000},
      {true, "-12", true, -394},
      {true, "20000", true, 328084},
      {false, "-40000", true, -328080},
      {true, "12.6", true, 427},
      {true, "", true, AltitudeCell::kNotSet},
      {true, " \r\n", true, AltitudeCell::kNotSet},
      {true, "m", false, kOld},
  };
  for (const Row& row : rows) {
    std::int32_t value = kOld;
    EXPECT_EQ(AltitudeCell(row.metric).Commit(row.typed, value), row.changed) << row.typed;
    EXPECT_EQ(value, row.stored) << row.typed;
  }
}

TEST(AltitudeCell, DisplayAndEditor) {
  EXPECT_EQ(AltitudeCell(true).Display(3281), "100m");
  EXPECT_EQ(AltitudeCell(false).Display(3281), "328ft");
  EXPECT_EQ(AltitudeCell(true).Display(-394), "-12m");
  EXPECT_EQ(AltitudeCell(true).Display(AltitudeCell::kNotSet), "------");
  std::int32_t value = 3281;
  EXPECT_EQ(AltitudeCell(true).Key(kKeyEnter, value).text, "100");
  std::int32_t notSet = AltitudeCell::kNotSet;
  const KeyReply empty = AltitudeCell(true).Key(kKeyEnter, notSet);
  EXPECT_EQ(empty.action, KeyReply::Action::kEdit);
  EXPECT_EQ(empty.text, "");
  EXPECT_EQ(AltitudeCell(true).Key('-', notSet).text, "-");
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/UtcOffsetCell.h"

namespace {

constexpr std::int16_t kUnchanged = 123;

TEST(UtcOffsetCell, CommitReadsHoursAndRoundedMinutes) {
  struct Row {
    std::string typed;
    bool notSetAllowed;
    std::int16_t stored;
  };
  const std::vector<Row> rows = {
      {"-5:30", false, -330},
      {"+14:05", false, kUnchanged},
      {"9:07", false, 545},
      {"9:08", false, 550},
      {"+14:00", false, 840},
      {"-14:00", false, -840},
      {"-10:00", false, -600},  // five characters after the sign
      {"9", false, 540},
      {":30", false, 30},
      {"0:58", false, kUnchanged},  // rounds to 60 minutes
      {"100:00", false, kUnchanged},
      {"1:2:3", false, kUnchanged},
      {"1-2", false, kUnchanged},
      {"UTC+9:00\r\n", false, 540},
      {"", false, kUnchanged},
      {"-", false, kUnchanged},
      {"", true, UtcOffsetCell::kNotSet},
      {"--:--", true, UtcOffsetCell::kNotSet},
      {"--:--", false, kUnchanged},
  };
  for (const Row& row : rows) {
    std::int16_t offset = kUnchanged;
    const bool changed = UtcOffsetCell(row.notSetAllowed).Commit(row.typed, offset);
    EXPECT_EQ(offset, row.stored) << row.typed;
    EXPECT_EQ(changed, row.stored != kUnchanged) << row.typed;
  }
}

TEST(UtcOffsetCell, Display) {
  struct Row {
    std::int16_t offset;
    std::string shown;
  };
  const std::vector<Row> rows = {
      {-330, "-5:30"}, {545, "+9:05"}, {0, "0:00"}, {840, "+14:00"}, {UtcOffsetCell::kNotSet, "--:--"},
  };
  for (const Row& row : rows) EXPECT_EQ(UtcOffsetCell(true).Display(row.offset), row.shown);
}

TEST(UtcOffsetCell, KeysStepByFiveMinutesAndWrap) {
  struct Row {
    std::int16_t offset;
    int key;
    KeyReply::Action action;
    std::int16_t after;
  };
  const auto kChanged = KeyReply::Action::kChanged;
  const std::vector<Row> rows = {
      {840, kKeySpace, kChanged, -840},         {-840, kKeyBackspace, kChanged, 840},
      {540, kKeySpace, kChanged, 545},          {540, kKeyBackspace, kChanged, 535},
      {540, '-', KeyReply::Action::kEdit, 540}, {540, ':', KeyReply::Action::kEdit, 540},
      {540, 'a', KeyReply::Action::kNone, 540},
  };
  for (const Row& row : rows) {
    std::int16_t offset = row.offset;
    EXPECT_EQ(UtcOffsetCell(false).Key(row.key, offset).action, row.action) << row.offset << " " << row.key;
    EXPECT_EQ(offset, row.after) << row.offset << " " << row.key;
  }
}

}  // namespace

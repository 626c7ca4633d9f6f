#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/DateCell.h"
#include "values/TimeCell.h"

namespace {

constexpr std::uint8_t kUnset = 0x99;

// 2012/03/04 20:30:00 UTC; at +9:00 it is 2012/03/05 05:30:00 local.
const GpsStamp kEvening{{0x04, 0x03, 0x12}, {0x20, 0x30, 0x00}};
const GpsStamp kTimeOnly{{kUnset, kUnset, kUnset}, {0x20, 0x30, 0x00}};
const GpsStamp kDateOnly{{0x04, 0x03, 0x12}, {kUnset, kUnset, kUnset}};
const GpsStamp kUnstamped{{kUnset, kUnset, kUnset}, {kUnset, kUnset, kUnset}};

CodecSettings DateOrder(int order) {
  CodecSettings settings;
  settings.dateOrder = order;
  return settings;
}

TEST(DateTimeCell, DisplayInTheRadiosLocalTime) {
  struct Row {
    const char* name;
    GpsStamp stamp;
    std::int16_t offset;
    int order;
    std::string date;
    std::string time;
  };
  const std::vector<Row> rows = {
      {"offset carries into the next day", kEvening, 540, 0, "2012/03/05", "05:30:00"},
      {"month first", kEvening, 540, 1, "03/05/2012", "05:30:00"},
      {"day first", kEvening, 540, 2, "05/03/2012", "05:30:00"},
      {"negative offset", kEvening, -330, 0, "2012/03/04", "15:00:00"},
      {"offset not set counts as 0", kEvening, 0x7FFF, 0, "2012/03/04", "20:30:00"},
      {"time only", kTimeOnly, 540, 0, "----/--/--", "05:30:00"},
      {"date only shows unshifted", kDateOnly, 540, 0, "2012/03/04", "--:--:--"},
      {"nothing, month first", kUnstamped, 540, 1, "--/--/----", "--:--:--"},
      {"no such day", {{0x30, 0x02, 0x12}, {0x10, 0, 0}}, 0, 0, "----/--/--", "10:00:00"},
      {"no BCD", {{0x1A, 0x03, 0x12}, {0x10, 0x6A, 0}}, 0, 0, "----/--/--", "--:--:--"},
      {"hour 24", {{0x04, 0x03, 0x12}, {0x24, 0, 0}}, 0, 0, "2012/03/04", "--:--:--"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DateCell(DateOrder(row.order), row.offset).Display(row.stamp), row.date) << row.name;
    EXPECT_EQ(TimeCell(row.offset).Display(row.stamp), row.time) << row.name;
  }
  EXPECT_EQ(DateCell(DateOrder(2), 540, true).Display(kEvening), "2012/03/05");
}

TEST(DateTimeCell, CommitConvertsTheEntryBackAsAPair) {
  struct Row {
    const char* name;
    bool date;  // the date cell, else the time cell
    GpsStamp stamp;
    std::int16_t offset;
    std::string text;
    bool changed;
    GpsStamp stored;
  };
  const std::vector<Row> rows = {
      {"date with the shown time", true, kEvening, 540, "2012/04/01", true, {{0x31, 0x03, 0x12}, {0x20, 0x30, 0x00}}},
      {"time with the shown date", false, kEvening, 540, "23:59:59", true, {{0x05, 0x03, 0x12}, {0x14, 0x59, 0x59}}},
      {"time into an unset date keeps the date unset",
       false,
       kTimeOnly,
       540,
       "01:00:00",
       true,
       {{kUnset, kUnset, kUnset}, {0x16, 0x00, 0x00}}},
      {"time into a date-only stamp completes the pair",
       false,
       kDateOnly,
       540,
       "10:00:00",
       true,
       {{0x04, 0x03, 0x12}, {0x01, 0x00, 0x00}}},
      {"date without a time stores as typed",
       true,
       kDateOnly,
       540,
       "2013/12/31",
       true,
       {{0x31, 0x12, 0x13}, {kUnset, kUnset, kUnset}}},
      {"date into a time-only stamp completes the pair",
       true,
       kTimeOnly,
       540,
       "2013/01/01",
       true,
       {{0x31, 0x12, 0x12}, {0x20, 0x30, 0x00}}},
      {"first date a user may enter", true, kUnstamped, 0, "2000/01/02", true, {{0x02, 0x01, 0x00}, kUnstamped.time}},
      {"last date a user may enter", true, kUnstamped, 0, "2099/12/30", true, {{0x30, 0x12, 0x99}, kUnstamped.time}},
      {"2000/01/01 is refused", true, kEvening, 0, "2000/01/01", false, kEvening},
      {"2100/01/01 is refused", true, kEvening, 0, "2100/01/01", false, kEvening},
      {"2099/12/31 is refused", true, kEvening, 0, "2099/12/31", false, kEvening},
      {"no such day", true, kEvening, 0, "2012/02/30", false, kEvening},
      {"other separators", true, kEvening, 0, "2012-03-04", false, kEvening},
      {"empty date", true, kEvening, 0, "", false, kEvening},
      {"a date the offset pushes past 2099", true, kEvening, -20000, "2099/12/30", false, kEvening},
      {"time 24:00:00", false, kEvening, 0, "24:00:00", false, kEvening},
      {"time without seconds", false, kEvening, 0, "12:00", false, kEvening},
  };
  for (const Row& row : rows) {
    GpsStamp stamp = row.stamp;
    const bool changed = row.date ? DateCell(DateOrder(0), row.offset).Commit(row.text, stamp)
                                  : TimeCell(row.offset).Commit(row.text, stamp);
    EXPECT_EQ(changed, row.changed) << row.name;
    EXPECT_EQ(stamp.date, row.stored.date) << row.name;
    EXPECT_EQ(stamp.time, row.stored.time) << row.name;
  }
}

TEST(DateTimeCell, KeysOpenTheGpsTextEditorInItsLayout) {
  struct Row {
    const char* name;
    KeyReply reply;
    KeyReply::Action action;
    std::string text;
    int editorType;
  };
  const auto kPopup = KeyReply::Action::kPopup;
  const std::vector<Row> rows = {
      {"date, year first", DateCell(DateOrder(0), 540).Key(kKeyEnter, kEvening), kPopup, "2012/03/05", 0},
      {"date travels year first whatever the order", DateCell(DateOrder(2), 540).Key('5', kEvening), kPopup,
       "2012/03/05", 2},
      {"unset date", DateCell(DateOrder(1), 540).Key(kKeySpace, kUnstamped), kPopup, "    /  /  ", 1},
      {"time", TimeCell(540).Key(kKeyBackspace, kEvening), kPopup, "05:30:00", TimeCell::kEditorType},
      {"unset time", TimeCell(540).Key(kKeyF2, kUnstamped), kPopup, "  :  :  ", TimeCell::kEditorType},
      {"a letter does nothing", TimeCell(540).Key('a', kEvening), KeyReply::Action::kNone, "", 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.reply.action, row.action) << row.name;
    const auto* editor = std::get_if<GpsTextPopup>(&row.reply.popup);
    EXPECT_EQ(editor != nullptr, row.action == kPopup) << row.name;
    if (editor == nullptr) continue;
    EXPECT_EQ(editor->text, row.text) << row.name;
    EXPECT_EQ(editor->editType, row.editorType) << row.name;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "values/DtmfCell.h"

namespace {

using Codes = std::array<std::uint8_t, 6>;

TEST(DtmfCell, CommitStoresCodesFromTheStartAndEndsWithFF) {
  struct Row {
    const char* name;
    std::string typed;
    Codes stored;
  };
  const std::vector<Row> rows = {
      {"12*#", "12*#", {1, 2, 14, 15, 0xFF, 0xFF}},
      {"letters in either case", "aBcD", {10, 11, 12, 13, 0xFF, 0xFF}},
      {"E and F are the star and the hash", "ef", {14, 15, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"other characters are ignored", " 1-2\r\n3g", {1, 2, 3, 0xFF, 0xFF, 0xFF}},
      {"as many as fit", "0123456789", {0, 1, 2, 3, 4, 5}},
      {"empty clears the memory", "", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const Row& row : rows) {
    Codes codes{7, 7, 7, 7, 7, 7};
    EXPECT_TRUE(DtmfCell().Commit(row.typed, codes)) << row.name;
    EXPECT_EQ(codes, row.stored) << row.name;
  }
}

TEST(DtmfCell, DisplayStopsAtFFAndMarksUnknownCodes) {
  struct Row {
    Codes codes;
    std::string shown;
  };
  const std::vector<Row> rows = {
      {{1, 2, 14, 15, 0xFF, 3}, "12*#"},
      {{10, 11, 12, 13, 0, 9}, "ABCD09"},
      {{16, 0x7F, 0xFE, 5, 0xFF, 0xFF}, "???5"},
      {{0xFF, 1, 2, 3, 4, 5}, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(DtmfCell().Display(row.codes), row.shown);
}

TEST(DtmfCell, KeysOpenTheEditor) {
  const Codes codes{1, 2, 0xFF, 0xFF, 0xFF, 0xFF};
  struct Row {
    int key;
    KeyReply::Action action;
    std::string text;
  };
  const std::vector<Row> rows = {
      {kKeyEnter, KeyReply::Action::kEdit, "12"},
      {kKeySpace, KeyReply::Action::kEdit, "12"},
      {kKeyBackspace, KeyReply::Action::kEdit, "12"},
      {kKeyF2, KeyReply::Action::kEdit, "12"},
      {'#', KeyReply::Action::kEdit, "#"},
      {'c', KeyReply::Action::kEdit, "c"},
      {'g', KeyReply::Action::kNone, ""},
  };
  for (const Row& row : rows) {
    const KeyReply reply = DtmfCell().Key(row.key, codes);
    EXPECT_EQ(reply.action, row.action) << row.key;
    EXPECT_EQ(reply.text, row.text) << row.key;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/TextFields.h"

namespace {

using Fields = std::vector<std::string_view>;

TEST(TextFields, SplitsAtSeparatorsOutsideDoubleByteCharacters) {
  struct Row {
    const char* name;
    std::string text;
    char separator;
    Fields expected;
  };
  const std::vector<Row> rows = {
      {"plain", "a,b,,c", ',', {"a", "b", "", "c"}},
      {"empty text is one field", "", ',', {""}},
      {"separator at the end", "a,", ',', {"a", ""}},
      // 83 7C is a katakana character whose second byte equals "|".
      {"second byte equal to the separator", "\x83\x7C|x", '|', {"\x83\x7C", "x"}},
      // A lead byte swallows the next byte even when that pair is invalid.
      {"invalid pair", "\x81,a,b", ',', {"\x81,a", "b"}},
      {"lead byte in the last position", "a;\x81", ';', {"a", "\x81"}},
  };
  for (const Row& row : rows) EXPECT_EQ(SplitFields(row.text, row.separator), row.expected) << row.name;
}

TEST(TextFields, FieldAtPicksOneFieldOrNothing) {
  const std::string row = "CH No;\x83\x3B;Name; x ";
  // 83 3B is an invalid pair: its ";" is still no separator.
  const Fields expected = {"CH No", "\x83\x3B", "Name", " x ", "", ""};
  for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(FieldAt(row, ';', n), expected[n]) << n;
}

TEST(TextFields, Trims) {
  struct Row {
    std::string text;
    std::string_view spacesAndTabs, controlsAndSpaces, trailingSpaces;
  };
  const std::vector<Row> rows = {
      {" \tRptCH  3\t ", "RptCH  3", "RptCH  3", " \tRptCH  3\t"},
      {"\r\n x\x01", "\r\n x\x01", "x", "\r\n x\x01"},
      {"   ", "", "", ""},
      {"", "", "", ""},
      // A name padded with single-byte and ideographic spaces.
      {"AB \x81\x40 \x81\x40", "AB \x81\x40 \x81\x40", "AB \x81\x40 \x81\x40", "AB"},
      // 81 81 40: the 40 is "@" after the double-byte character 81 81, no ideographic space.
      {"\x81\x81\x40 ", "\x81\x81\x40", "\x81\x81\x40", "\x81\x81\x40"},
      // The space is the second byte of an invalid pair and stays with its lead byte.
      {"A\x81 ", "A\x81 ", "A\x81 ", "A\x81 "},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TrimSpacesAndTabs(row.text), row.spacesAndTabs) << row.text;
    EXPECT_EQ(TrimControlsAndSpaces(row.text), row.controlsAndSpaces) << row.text;
    EXPECT_EQ(TrimTrailingSpaces(row.text), row.trailingSpaces) << row.text;
  }
}

}  // namespace

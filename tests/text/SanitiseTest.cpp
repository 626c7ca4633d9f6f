#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Codepage.h"
#include "text/Sanitise.h"

namespace {

const CharTreatment kKeep = CharTreatment::Kept();
const CharTreatment kRemove = CharTreatment::Removed();
CharTreatment By(std::string_view text) { return CharTreatment::ReplacedBy(text); }

// ASCII, a kanji, half-width katakana, a control byte, an invalid pair, and a lead byte at
// the end of the field.
const std::string kMixed = "A\x8A\xBF\xB1\x01\x81\x20Z\x82";

TEST(Sanitise, TreatsEachClassAsAsked) {
  struct Row {
    const char* name;
    SanitiseRule rule;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"keep everything", {kKeep, kKeep, kKeep}, kMixed},
      {"display mask", {kKeep, By("="), By("_")}, "A=_\x01\x81\x20Z\x82"},
      {"blank what the radio cannot show", {By(" "), By("  "), kKeep}, "A  \xB1   Z "},
      {"remove, katakana kept", {kRemove, kKeep, kKeep}, "A\x8A\xBF\xB1Z"},
      {"remove all but ASCII", {kRemove, kRemove, kRemove}, "AZ"},
  };
  for (const Row& row : rows) EXPECT_EQ(Sanitise(kMixed, row.rule), row.expected) << row.name;
}

TEST(Sanitise, SecondByteOfAnExtensionCharacterDoesNotPassAsKatakana) {
  const std::string typed = FromUtf8("山﨑", CodePage::Cp932);  // the second kanji is FA B1
  ASSERT_EQ(typed.substr(2), "\xFA\xB1");
  EXPECT_EQ(Sanitise(typed, {kRemove, kRemove, kKeep}), "");
}

TEST(Sanitise, FitToWidthCutsWholeCharactersAndPads) {
  struct Row {
    std::string text;
    std::size_t width;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"AB", 4, "AB  "},
      {"ABCDEF", 4, "ABCD"},
      {"ABC\x82\xA0", 4, "ABC "},  // the cut would split the last character
      {"AB\x82\xA0", 4, "AB\x82\xA0"},
      {"", 3, "   "},
  };
  for (const Row& row : rows) EXPECT_EQ(FitToWidth(row.text, row.width), row.expected) << row.text;
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FatalTrap.h"
#include "text/Codepage.h"
#include "text/Cp932.h"

namespace {

using B = ByteClass;

std::vector<ByteClass> ClassesOf(std::string_view text) {
  std::vector<ByteClass> classes;
  for (std::size_t i = 0; i < text.size(); ++i) classes.push_back(ClassifyByte(text, i));
  return classes;
}

TEST(Cp932, SingleByteClassesFollowWhatTheRadioShows) {
  struct Row {
    unsigned char byte;
    ByteClass expected;
  };
  for (const Row& row : std::vector<Row>{{0x1F, B::Invalid},
                                         {0x20, B::Printable},
                                         {0x7E, B::Printable},
                                         {0x7F, B::Invalid},
                                         {0x80, B::Invalid},
                                         {0xA0, B::Invalid},
                                         {0xA1, B::Katakana},
                                         {0xDF, B::Katakana},
                                         {0xF0, B::Invalid},
                                         {0xFF, B::Invalid}}) {
    const std::string text(1, static_cast<char>(row.byte));
    EXPECT_EQ(ClassifyByte(text, 0), row.expected) << int(row.byte);
  }
}

TEST(Cp932, BytesAreClassifiedByScanningFromTheStart) {
  struct Row {
    const char* name;
    std::string text;
    std::vector<ByteClass> expected;
  };
  const std::vector<Row> rows = {
      // "あ" is 82 A0: its second byte would be invalid on its own.
      {"double-byte then ASCII", FromUtf8("あA", CodePage::Cp932), {B::Lead, B::Trail, B::Printable}},
      // 81 81 is one character, so the 81 that follows starts the next one.
      {"lead byte as second byte", "\x81\x81\x81\x40", {B::Lead, B::Trail, B::Lead, B::Trail}},
      {"second byte that looks like a separator", "\x83\x7C|", {B::Lead, B::Trail, B::Printable}},
      {"lead byte with an invalid second byte",
       "\x88\x20"
       "A",
       {B::Invalid, B::Invalid, B::Printable}},
      {"lead byte in the last position", "A\xE0", {B::Printable, B::Invalid}},
      {"extension character", "\xFA\xB1\xB1", {B::Lead, B::Trail, B::Katakana}},
      {"lone extension lead byte", "\xFA\x20", {B::Invalid, B::Printable}},
  };
  for (const Row& row : rows) EXPECT_EQ(ClassesOf(row.text), row.expected) << row.name;
}

TEST(Cp932, CharacterLengthsMatchTheScan) {
  const std::string text = "A\x82\xA0\x81\x20\xFA\x57\xFA";
  EXPECT_EQ(CharacterLength(text, 0), 1u);
  EXPECT_EQ(CharacterLength(text, 1), 2u);  // valid pair
  EXPECT_EQ(CharacterLength(text, 3), 2u);  // invalid pair still takes its second byte
  EXPECT_EQ(CharacterClass(text, 3), B::Invalid);
  EXPECT_EQ(CharacterLength(text, 5), 2u);
  EXPECT_EQ(CharacterLength(text, 7), 1u);  // field ends after the lead byte
}

TEST(Cp932, CutNeverSplitsADoubleByteCharacter) {
  const std::string text = "AB\x82\xA0\x82\xA2";
  struct Row {
    std::size_t maxBytes, expected;
  };
  for (const Row& row : std::vector<Row>{{0, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {6, 6}, {100, 6}}) {
    EXPECT_EQ(CutLength(text, row.maxBytes), row.expected) << row.maxBytes;
  }
}

TEST(Cp932, ClassifyingOutsideTheTextIsADefect) {
  EXPECT_NE(FatalMessageOf([] { ClassifyByte("AB", 2); }), "");
  EXPECT_NE(FatalMessageOf([] { ClassifyByte("", 0); }), "");
}

}  // namespace

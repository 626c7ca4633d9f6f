#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "text/Codepage.h"
#include "values/TextCell.h"

namespace {

std::string Sjis(const char* utf8) { return FromUtf8(utf8, CodePage::Cp932); }

CodecSettings Display(bool japanese) {
  CodecSettings settings;
  settings.japaneseDisplay = japanese;
  return settings;
}

TEST(TextCell, CommitKeepsWhatTheRadioShows) {
  struct Row {
    const char* name;
    TextCellFormat format;
    std::string typed;
    std::string stored;  // an 8-byte field
  };
  const TextCellFormat withKana{};
  const TextCellFormat noKana{false, ' '};
  const std::vector<Row> rows = {
      {"plain text is padded", withKana, "Home", "Home    "},
      {"full-width letters become ASCII", withKana, Sjis("ＡＢ１"), "AB1     "},
      {"hiragana becomes half-width katakana", withKana, Sjis("が"), "\xB6\xDE      "},
      {"a field without katakana removes it", noKana, Sjis("Aが"), "A       "},
      {"typed half-width katakana without katakana", noKana, "\xB1Z", "Z       "},
      {"kanji without a half-width form is removed", withKana, Sjis("A山B"), "AB      "},
      {"control characters and line breaks are removed", withKana, "A\tB\r\nC\x7F", "ABC     "},
      {"an invalid double-byte pair is removed", withKana, "A\x81\x20Z", "AZ      "},
      {"a lead byte at the end is removed", withKana, "AB\x82", "AB      "},
      {"long text is cut to the field", withKana, "ABCDEFGHIJKL", "ABCDEFGH"},
      {"empty text blanks the field", withKana, "", "        "},
  };
  for (const Row& row : rows) {
    std::array<char, 8> field;
    field.fill('#');
    EXPECT_TRUE(TextCell(row.format, Display(true)).Commit(row.typed, field)) << row.name;
    EXPECT_EQ(std::string(field.begin(), field.end()), row.stored) << row.name;
  }
}

TEST(TextCell, CommitNeverWritesOutsideItsField) {
  std::array<char, 12> buffer;
  buffer.fill('#');
  TextCell(TextCellFormat{}, Display(true)).Commit(std::string(300, 'x'), std::span(buffer).subspan(2, 8));
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "##xxxxxxxx##");
}

TEST(TextCell, PaddingWithFFFillsBehindTheTrimmedText) {
  const TextCell cell({true, '\xFF'}, Display(true));
  std::array<char, 6> field;
  cell.Commit("AB  ", field);
  EXPECT_EQ(std::string(field.begin(), field.end()), "AB\xFF\xFF\xFF\xFF");
  EXPECT_EQ(cell.Display(field), "AB");
}

TEST(TextCell, DisplayTrimsAndMasksOnAWesternDisplay) {
  struct Row {
    const char* name;
    bool japanese;
    std::string field;
    std::string shown;
  };
  const std::vector<Row> rows = {
      {"trailing spaces go", false, "Home    ", "Home"},
      {"katakana shows as _ on a Western display", false, "\xB1\xB2 A    ", "__ A"},
      {"double-byte shows as =", false, Sjis("山A") + "     ", "=A"},
      {"Japanese display shows both", true, Sjis("山") + "\xB1     ", Sjis("山") + "\xB1"},
      {"ideographic spaces are trimmed", true, "A" + Sjis("　") + "     ", "A"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextCell(TextCellFormat{}, Display(row.japanese)).Display(row.field), row.shown) << row.name;
  }
}

TEST(TextCell, KeysOpenTheEditor) {
  const std::string field = Sjis("山") + "\xB1 A   ";
  struct Row {
    const char* name;
    TextCellFormat format;
    int key;
    KeyReply::Action action;
    std::string text;
    int selectionStart;
    int selectionLength;
  };
  const auto kEdit = KeyReply::Action::kEdit;
  const std::vector<Row> rows = {
      {"Enter edits the raw text, selected", {}, kKeyEnter, kEdit, Sjis("山") + "\xB1 A", 0, 5},
      {"Backspace as Enter", {}, kKeyBackspace, kEdit, Sjis("山") + "\xB1 A", 0, 5},
      {"input method start as Enter", {}, kKeyInputMethodStart, kEdit, Sjis("山") + "\xB1 A", 0, 5},
      {"a character starts the editor", {}, 'q', kEdit, "q", 1, 0},
      {"katakana starts the editor", {}, 0xB1, kEdit, "\xB1", 1, 0},
      {"katakana does nothing without katakana", {false, ' '}, 0xB1, KeyReply::Action::kNone, "", 0, 0},
      {"a lead byte opens an empty editor", {}, 0x82, kEdit, "", 0, 0},
      {"F5 does nothing", {}, 0x7400, KeyReply::Action::kNone, "", 0, 0},
  };
  for (const Row& row : rows) {
    const KeyReply reply = TextCell(row.format, Display(false)).Key(row.key, field);
    EXPECT_EQ(reply.action, row.action) << row.name;
    EXPECT_EQ(reply.text, row.text) << row.name;
    EXPECT_EQ(reply.selectionStart, row.selectionStart) << row.name;
    EXPECT_EQ(reply.selectionLength, row.selectionLength) << row.name;
    if (row.action == kEdit) {
      EXPECT_EQ(reply.maxLength, 8) << row.name;
    }
  }
}

}  // namespace

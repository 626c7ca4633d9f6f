#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "memory/Generation.h"
#include "memory/ImageFields.h"
#include "memory/YourCallList.h"
#include "memory/cmcEeprom.h"
#include "text/Codepage.h"
#include "values/CallSignCell.h"
#include "values/UrCallSignCell.h"

namespace {

CodecSettings Options(bool autoCorrect, bool repeaterDialog = false) {
  CodecSettings settings;
  settings.autoCorrect = autoCorrect;
  settings.repeaterDialog = repeaterDialog;
  return settings;
}

std::string Text(const CallSignText& call) { return std::string(call.begin(), call.end()); }

TEST(CallSignCell, CommitCleansAndAligns) {
  struct Row {
    const char* name;
    bool autoCorrect;
    bool gateway;
    std::string typed;
    std::string stored;
  };
  const std::vector<Row> rows = {
      {"upper-cased, the dash becomes a space", false, false, "ab1c-d", "AB1C D  "},
      {"Auto Correct moves the module letter to column 8", true, false, "ab1c-d", "AB1C   D"},
      {"a seven-character call and its module", true, false, "JA1ABCD B", "JA1ABCDB"},
      {"several spaces before the module", true, false, "JA1AB    C", "JA1AB  C"},
      {"no inner space: nothing to align", true, false, "JA1ABC", "JA1ABC  "},
      {"a leading space is no inner space", true, false, " B", " B      "},
      {"the slash is kept", true, false, "/JA1ABC", "/JA1ABC "},
      {"gateway field aligns only a final G", true, true, "JA1ABC G", "JA1ABC G"},
      {"gateway field without a final G", true, true, "JA1AB C", "JA1AB C "},
      {"double-byte characters become one space each", false, false, "A" + FromUtf8("ＢＣ", CodePage::Cp932) + "D",
       "A  D    "},
      {"long paste is cut to the field", false, false, "JA1ABCDEFGH\r\n", "JA1ABCDE"},
      {"empty blanks the field", true, false, "", "        "},
  };
  for (const Row& row : rows) {
    CallSignText call = MakeFixedText<8>("XXXXXXXX");
    EXPECT_TRUE(CallSignCell(Options(row.autoCorrect), row.gateway).Commit(row.typed, call)) << row.name;
    EXPECT_EQ(Text(call), row.stored) << row.name;
  }
}

TEST(CallSignCell, FourCharacterNoteIsNeverAligned) {
  std::array<char, 4> note;
  CallSignCell(Options(true)).Commit("a b", note);
  EXPECT_EQ(std::string(note.begin(), note.end()), "A B ");
}

TEST(CallSignCell, DisplayAndKeys) {
  const CallSignText call = MakeFixedText<8>("JA1ABC B");
  const CallSignCell cell(Options(true));
  EXPECT_EQ(cell.Display(MakeFixedText<8>("JA1ABC  ")), "JA1ABC");
  struct Row {
    int key;
    KeyReply::Action action;
    std::string text;
  };
  const std::vector<Row> rows = {
      {kKeyEnter, KeyReply::Action::kEdit, "JA1ABC B"},
      {kKeySpace, KeyReply::Action::kEdit, "JA1ABC B"},
      {kKeyBackspace, KeyReply::Action::kEdit, "JA1ABC B"},
      {kKeyF2, KeyReply::Action::kEdit, "JA1ABC B"},
      {'j', KeyReply::Action::kEdit, "j"},
      {'/', KeyReply::Action::kEdit, "/"},
      {'-', KeyReply::Action::kNone, ""},
  };
  for (const Row& row : rows) {
    const KeyReply reply = cell.Key(row.key, call);
    EXPECT_EQ(reply.action, row.action) << row.key;
    EXPECT_EQ(reply.text, row.text) << row.key;
    if (row.action == KeyReply::Action::kEdit) {
      EXPECT_EQ(reply.maxLength, 8) << row.key;
    }
  }
}

TEST(UrCallSignCell, PickTakesCqOrAYourCallEntryInUse) {
  cmcEeprom image;
  PrepareImage(image, 3);
  SetYourCallCount(image, 2);
  WriteText(image, MemoryMap::kYourCallSigns + 8, MakeFixedText<8>("JA1XYZ"));
  struct Row {
    int entry;
    bool changed;
    std::string call;
  };
  const std::vector<Row> rows = {
      {UrCallSignCell::kCqEntry, true, "CQCQCQ  "},
      {1, true, "JA1XYZ  "},
      {2, false, "OLDCALL "},  // beyond the count
      {-1, false, "OLDCALL "},
      {254, false, "OLDCALL "},
  };
  for (const Row& row : rows) {
    CallSignText call = MakeFixedText<8>("OLDCALL");
    EXPECT_EQ(UrCallSignCell(Options(true), true).Pick(row.entry, image, call), row.changed) << row.entry;
    EXPECT_EQ(Text(call), row.call) << row.entry;
  }
}

TEST(UrCallSignCell, RepeaterDialogTurnsEditingKeysIntoThePopup) {
  const CallSignText call = MakeFixedText<8>("CQCQCQ");
  struct Row {
    const char* name;
    bool repeaterDialog;
    bool typingAllowed;
    int key;
    KeyReply::Action action;
  };
  const auto kEdit = KeyReply::Action::kEdit;
  const auto kPopup = KeyReply::Action::kPopup;
  const std::vector<Row> rows = {
      {"option off: Enter edits", false, false, kKeyEnter, kEdit},
      {"option off: a letter edits", false, false, 'A', kEdit},
      {"option on: Enter opens the pop-up", true, true, kKeyEnter, kPopup},
      {"option on: Space opens the pop-up", true, true, kKeySpace, kPopup},
      {"option on: a letter edits where typing is allowed", true, true, 'A', kEdit},
      {"option on: a letter opens the pop-up elsewhere", true, false, 'A', kPopup},
      {"option on: a sign no call sign holds does nothing", true, false, '-', KeyReply::Action::kNone},
  };
  for (const Row& row : rows) {
    const UrCallSignCell cell(Options(true, row.repeaterDialog), row.typingAllowed);
    EXPECT_EQ(cell.Key(row.key, call).action, row.action) << row.name;
  }
}

}  // namespace

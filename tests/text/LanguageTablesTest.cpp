// The three built-in language tables must hold one key sequence: every lookup that works in
// one language works in the others, and the Western-chrome table is the Japanese table with
// the English window chrome spliced in at the first chrome key.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/TableWalk.h"
#include "text/LineTables.h"
#include "text/cmcGTex.h"

namespace {

constexpr TableLanguage kLanguages[] = {TableLanguage::Japanese, TableLanguage::JapaneseWesternChrome,
                                        TableLanguage::English};

std::string ValueIn(TableLanguage language, const char* key) {
  cmcGTex texts;
  texts.SelectLineTable(LineTableOf(language));
  return texts.GetValueText(key);
}

TEST(LanguageTables, AllHoldTheSameKeysInTheSameOrder) {
  const auto english = KeysOf(LineTableOf(TableLanguage::English));
  ASSERT_GT(english.size(), 700u);
  for (TableLanguage language : kLanguages) {
    EXPECT_EQ(KeysOf(LineTableOf(language)), english) << static_cast<int>(language);
  }
}

TEST(LanguageTables, ShapeOfEveryTable) {
  for (TableLanguage language : kLanguages) {
    const LineTable table = LineTableOf(language);
    ASSERT_GE(table.count, 2u);
    EXPECT_STREQ(table.lines[0], "") << static_cast<int>(language);
    EXPECT_STREQ(table.lines[table.count - 1], "#End_Of_Ovl") << static_cast<int>(language);

    const auto keys = KeysOf(table);
    std::set<std::string> seen;
    for (const auto& key : keys) EXPECT_TRUE(seen.insert(key).second) << "duplicate key " << key;
  }
}

TEST(LanguageTables, DatabaseReadsEveryTable) {
  for (TableLanguage language : kLanguages) {
    EXPECT_FALSE(ValueIn(language, "GI_Sys_AppTitle").empty()) << static_cast<int>(language);
    EXPECT_FALSE(ValueIn(language, "GI_Mess_FileErr_Data").empty()) << static_cast<int>(language);
  }
  EXPECT_EQ(ValueIn(TableLanguage::English, "GI_Sys_AppTitle"), "Tessel");
  EXPECT_EQ(ValueIn(TableLanguage::English, "GI_Mess_FileErr_Data"), "Illegal data.");
  EXPECT_NE(ValueIn(TableLanguage::Japanese, "GI_Mess_FileErr_Data"), "Illegal data.");
}

TEST(LanguageTables, WesternChromeSplicesEnglishChromeIntoJapanese) {
  struct Case {
    const char* key;
    TableLanguage sameAs;
  };
  const Case cases[] = {
      {"GI_Mess_FileErr_Data", TableLanguage::Japanese},             // a message: Japanese
      {"GI_AppInd_SkipInvalid", TableLanguage::Japanese},            // the last key before the chrome
      {"GI_Sheet_MemoryCH_Style", TableLanguage::Japanese},          // sheets are not chrome
      {"GI_App_InitialSetup_Form_Caption", TableLanguage::English},  // the first chrome key
      {"GI_Menu_Main_Body", TableLanguage::English},
      {"GI_PMenu_Edit_Body", TableLanguage::English},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValueIn(TableLanguage::JapaneseWesternChrome, c.key), ValueIn(c.sameAs, c.key)) << c.key;
  }
  EXPECT_NE(ValueIn(TableLanguage::Japanese, "GI_Menu_Main_Body"),
            ValueIn(TableLanguage::English, "GI_Menu_Main_Body"));
}

// The degree sign is one byte in each table's own code page: 0xB0 in code page 1252, the
// half-width 0xDF in code page 932 (where 0xB0 would show as a katakana mark).
TEST(LanguageTables, DegreeSignIsOneByteOfTheTablesCodePage) {
  const std::string english = ValueIn(TableLanguage::English, "GI_Sheet_Sel_Common_Temp_Units_Cells");
  const std::string japanese = ValueIn(TableLanguage::Japanese, "GI_Sheet_Sel_Common_Temp_Units_Cells");
  EXPECT_NE(english.find("\xB0"
                         "C"),
            std::string::npos)
      << english;
  EXPECT_NE(japanese.find("\xDF"
                          "C"),
            std::string::npos)
      << japanese;
}

}  // namespace

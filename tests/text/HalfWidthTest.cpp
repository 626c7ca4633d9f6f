#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Codepage.h"
#include "text/HalfWidth.h"

namespace {

std::string Cp932(std::string_view utf8) { return FromUtf8(utf8, CodePage::Cp932); }

TEST(HalfWidth, MapsLettersDigitsAndKana) {
  EXPECT_EQ(ToHalfWidth(Cp932("ＡＢＣ１２３あいうがぱ")), "\x41\x42\x43\x31\x32\x33\xB1\xB2\xB3\xB6\xDE\xCA\xDF");
}

TEST(HalfWidth, EveryFullWidthAsciiCharacterBecomesItsAsciiCharacter) {
  for (char32_t c = U'\uFF01'; c <= U'\uFF5E'; ++c) {
    const char ascii = static_cast<char>(c - 0xFEE0);
    const std::string utf8 = {static_cast<char>(0xEF), static_cast<char>(0xBC + ((c >> 6) & 1)),
                              static_cast<char>(0x80 | (c & 0x3F))};
    EXPECT_EQ(ToHalfWidth(Cp932(utf8)), std::string(1, ascii)) << utf8;
  }
}

// Written independently of the byte table: full-width text and the half-width text expected,
// both in UTF-8.
TEST(HalfWidth, KanaBecomeHalfWidthKatakana) {
  struct Row {
    const char* fullWidth;
    const char* halfWidth;
  };
  const std::vector<Row> rows = {
      {"ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとどなにぬねの",
       "ｧｱｨｲｩｳｪｴｫｵｶｶﾞｷｷﾞｸｸﾞｹｹﾞｺｺﾞｻｻﾞｼｼﾞｽｽﾞｾｾﾞｿｿﾞﾀﾀﾞﾁﾁﾞｯﾂﾂﾞﾃﾃﾞﾄﾄﾞﾅﾆﾇﾈﾉ"},
      {"はばぱひびぴふぶぷへべぺほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをん",
       "ﾊﾊﾞﾊﾟﾋﾋﾞﾋﾟﾌﾌﾞﾌﾟﾍﾍﾞﾍﾟﾎﾎﾞﾎﾟﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛﾜﾜｲｴｦﾝ"},
      {"ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネノ",
       "ｧｱｨｲｩｳｪｴｫｵｶｶﾞｷｷﾞｸｸﾞｹｹﾞｺｺﾞｻｻﾞｼｼﾞｽｽﾞｾｾﾞｿｿﾞﾀﾀﾞﾁﾁﾞｯﾂﾂﾞﾃﾃﾞﾄﾄﾞﾅﾆﾇﾈﾉ"},
      {"ハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲンヴヵヶ",
       "ﾊﾊﾞﾊﾟﾋﾋﾞﾋﾟﾌﾌﾞﾌﾟﾍﾍﾞﾍﾟﾎﾎﾞﾎﾟﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛﾜﾜｲｴｦﾝｳﾞｶｹ"},
      {"　、。「」・ー゛゜", " ､｡｢｣･ｰﾞﾟ"},
      {"‘’“”＇＂", "''\"\"'\""},
  };
  for (const Row& row : rows) EXPECT_EQ(ToHalfWidth(Cp932(row.fullWidth)), Cp932(row.halfWidth)) << row.fullWidth;
}

TEST(HalfWidth, LeavesEverythingElseAsItIs) {
  struct Row {
    const char* name;
    std::string text;
  };
  const std::vector<Row> rows = {
      {"ASCII and half-width katakana", "AZ az 09 \xB1\xDE"},
      {"kanji and squared word", Cp932("漢字㌔")},
      {"invalid pair and lead byte at the end", "\x82\x20\x82"},
      {"second byte of a kanji equal to a full-width letter's", "\x88\x82\x60"},
  };
  for (const Row& row : rows) EXPECT_EQ(ToHalfWidth(row.text), row.text) << row.name;
}

TEST(HalfWidth, ScansCharactersFromTheStart) {
  // 88 82 is a kanji; the 60 after it is a backtick, not the second byte of "Ａ" (82 60).
  EXPECT_EQ(ToHalfWidth("\x88\x82\x60" + Cp932("Ａ")),
            "\x88\x82\x60"
            "A");
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "text/HexText.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HexText, WritesTwoUpperCaseDigitsPerByte) {
  EXPECT_EQ(HexText(Bytes{0x00, 0x0A, 0xB7, 0xFF}), "000AB7FF");
  EXPECT_EQ(HexText(Bytes{}), "");
  std::string text = "#";
  AppendHexBytes(text, Bytes{0xFD, 0x01});
  EXPECT_EQ(text, "#FD01");
}

TEST(HexText, StrictReadingWantsExactlyTwoDigitsPerByte) {
  struct Case {
    const char* text;
    HexCase accepted;
    bool decoded;
  };
  const Case cases[] = {
      {"0aFF", HexCase::Either, true},  {"0AFF", HexCase::UpperOnly, true}, {"0aFF", HexCase::UpperOnly, false},
      {"0AF", HexCase::Either, false},  {"0AFF1", HexCase::Either, false},  {"0 FF", HexCase::Either, false},
      {"0GFF", HexCase::Either, false},
  };
  for (const Case& c : cases) {
    Bytes out(2);
    EXPECT_EQ(DecodeHexBytes(c.text, out, c.accepted), c.decoded) << c.text;
    if (c.decoded) {
      EXPECT_EQ(out, (Bytes{0x0A, 0xFF})) << c.text;
    }
  }
}

TEST(HexText, TypedTextSkipsOtherCharactersAndKeepsAnUnpairedDigitHigh) {
  EXPECT_EQ(HexTextToBytes("0a:FF g1"), (Bytes{0x0A, 0xFF, 0x10}));
  EXPECT_EQ(HexTextToBytes("xyz"), Bytes{});
  EXPECT_EQ(HexTextToBytes("7"), Bytes{0x70});
}

TEST(HexText, EveryByteSurvivesTheRoundTrip) {
  Bytes all(256);
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::uint8_t>(i);
  const std::string text = HexText(all);
  Bytes strict(all.size());
  ASSERT_TRUE(DecodeHexBytes(text, strict, HexCase::UpperOnly));
  EXPECT_EQ(strict, all);
  EXPECT_EQ(HexTextToBytes(text), all);
}

}  // namespace

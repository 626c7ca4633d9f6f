#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "files/QmfDataLine.h"
#include "support/FatalTrap.h"
#include "text/HexText.h"

namespace {

TEST(QmfDataLine, ParsesAddressCountAndData) {
  QmfDataLine line;
  ASSERT_TRUE(line.Parse("0001FB3003A1b2FF"));
  EXPECT_EQ(line.Address(), 0x1FB30U);
  EXPECT_EQ(line.Count(), 3U);
  EXPECT_EQ(std::vector<std::uint8_t>(line.Data().begin(), line.Data().end()),
            (std::vector<std::uint8_t>{0xA1, 0xB2, 0xFF}));
  EXPECT_EQ(line.BinaryForm().size(), 8U);
}

TEST(QmfDataLine, RejectsMalformedText) {
  const std::string full = "00000010FF" + std::string(510, 'A');  // 520 digits, count 255
  struct Case {
    const char* name;
    std::string text;
    bool accepted;
  };
  const Case cases[] = {
      {"one byte", "000000000155", true},
      {"255 bytes", full, true},
      {"11 digits", "00000000015", false},
      {"521 digits", full + "A", false},
      {"odd digit count", "0000000002AAB", false},
      {"non-hexadecimal digit", "000000000G55", false},
      {"space inside", "00000000 155", false},
      {"count too large", "00000000025", false},
      {"count too small", "0000000001AABB", false},
      {"count zero", "0000000000AA", false},
      {"empty", "", false},
  };
  for (const Case& c : cases) {
    QmfDataLine line;
    EXPECT_EQ(line.Parse(c.text), c.accepted) << c.name;
  }
}

TEST(QmfDataLine, WritesUpperCaseTextThatParsesBack) {
  const std::vector<std::uint8_t> data{0x00, 0x5A, 0xFF, 0x0B};
  QmfDataLine line;
  line.Assign(0x0001ABCD, data);
  std::string text;
  line.AppendText(text);
  EXPECT_EQ(text, "0001ABCD04005AFF0B");
  QmfDataLine parsed;
  ASSERT_TRUE(parsed.Parse(text));
  EXPECT_EQ(parsed.Address(), 0x0001ABCDU);
  EXPECT_TRUE(std::equal(parsed.BinaryForm().begin(), parsed.BinaryForm().end(), line.BinaryForm().begin(),
                         line.BinaryForm().end()));
}

TEST(QmfDataLine, EmptyOrOverlongDataIsADefect) {
  QmfDataLine line;
  EXPECT_FALSE(FatalMessageOf([&] { line.Assign(0, {}); }).empty());
  const std::vector<std::uint8_t> tooMany(256);
  EXPECT_FALSE(FatalMessageOf([&] { line.Assign(0, tooMany); }).empty());
}

TEST(HexText, LeadingNumbersReadLikeScanf) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> decimal;
    std::optional<std::uint32_t> hex;
  };
  const Case cases[] = {
      {"1", 1, 1},
      {"  42 rest", 42, 0x42},
      {"+7", 7, std::nullopt},
      {"-3", -3, std::nullopt},
      {"0C0015", 0, 0x0C0015},
      {"ffffffff", std::nullopt, 0xFFFFFFFF},
      {"100000000", 100000000, std::nullopt},
      {"99999999999", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"x1", std::nullopt, std::nullopt},
      {"+-1", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingDecimal(c.text), c.decimal) << c.text;
    EXPECT_EQ(LeadingHex(c.text), c.hex) << c.text;
  }
}

}  // namespace

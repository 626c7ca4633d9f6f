#include <gtest/gtest.h>

#include <string_view>

#include "platform/Md5.h"
#include "text/HexText.h"

namespace {

std::span<const std::uint8_t> BytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string HexOf(const Md5Digest::Result& digest) {
  std::string text;
  AppendHexBytes(text, digest);
  return text;
}

TEST(Md5, KnownDigests) {
  struct Case {
    std::string_view message;
    std::string_view digest;
  };
  for (const Case& c : {Case{"", "D41D8CD98F00B204E9800998ECF8427E"}, Case{"abc", "900150983CD24FB0D6963F7D28E17F72"},
                        Case{"message digest", "F96B697D7CB7938D525A2F31AAF161D0"}}) {
    const auto md5 = MakeMd5Digest();
    md5->AddData(BytesOf(c.message));
    EXPECT_EQ(HexOf(md5->Finish()), c.digest) << c.message;
  }
}

TEST(Md5, PiecesGiveTheDigestOfTheWhole) {
  const auto md5 = MakeMd5Digest();
  md5->AddData(BytesOf("mess"));
  md5->AddData(BytesOf(""));
  md5->AddData(BytesOf("age digest"));
  EXPECT_EQ(HexOf(md5->Finish()), "F96B697D7CB7938D525A2F31AAF161D0");
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <random>
#include <string>

#include "text/Cp932.h"
#include "values/CallSignCell.h"
#include "values/DtmfCell.h"
#include "values/NumberCell.h"
#include "values/PositionCell.h"
#include "values/TextCell.h"
#include "values/UtcOffsetCell.h"

namespace {

// Pasted or typed text of any bytes and length, biased towards the characters the codecs read.
std::string RandomText(std::mt19937& random) {
  static const std::string kFavoured = "0123456789.-+:*#'/ \r\n\x81\x82\xA0\xB1\xDF\xFF";
  std::string text(std::uniform_int_distribution<std::size_t>(0, 40)(random), ' ');
  for (char& c : text) {
    const auto pick = std::uniform_int_distribution<int>(0, 255)(random);
    c = pick < 128 ? kFavoured[static_cast<std::size_t>(pick) % kFavoured.size()] : static_cast<char>(pick);
  }
  return text;
}

TEST(CodecGarbageInput, StoredValuesStayWithinWhatTheRadioTakes) {
  std::mt19937 random(20240611);
  NumberCellFormat frequency;
  frequency.decimals = 6;
  frequency.minimum = 108'000'000;
  frequency.maximum = 479'000'000;
  frequency.step = 5'000;
  const TextCell name(TextCellFormat{}, CodecSettings{});
  const TextCell plainName({false, ' '}, CodecSettings{});
  const CallSignCell callSign{CodecSettings{}};
  const UtcOffsetCell utcOffset(true);
  const PositionCell latitude(PositionAxis::kLatitude, false, CodecSettings{});
  for (int round = 0; round < 2000; ++round) {
    const std::string text = RandomText(random);

    std::array<char, 16> field{};
    name.Commit(text, field);
    for (char c : field) EXPECT_TRUE(IsPrintableAscii(c) || IsHalfWidthKatakana(c)) << text;
    plainName.Commit(text, field);
    for (char c : field) EXPECT_TRUE(IsPrintableAscii(c)) << text;

    std::array<char, 8> call{};
    callSign.Commit(text, call);
    for (char c : call) EXPECT_TRUE(c == ' ' || c == '/' || std::isalnum(static_cast<unsigned char>(c))) << text;

    std::array<std::uint8_t, 24> codes{};
    DtmfCell().Commit(text, codes);
    const auto end = std::find(codes.begin(), codes.end(), 0xFF);
    EXPECT_TRUE(std::all_of(codes.begin(), end, [](std::uint8_t code) { return code <= 15; })) << text;
    EXPECT_TRUE(std::all_of(end, codes.end(), [](std::uint8_t code) { return code == 0xFF; })) << text;

    std::int32_t hertz = 145'000'000;
    NumberCell(frequency).Commit(text, hertz);
    EXPECT_TRUE(hertz >= frequency.minimum && hertz <= frequency.maximum && hertz % frequency.step == 0) << text;

    std::int16_t offset = 0;
    utcOffset.Commit(text, offset);
    EXPECT_TRUE(offset == UtcOffsetCell::kNotSet || (offset >= -840 && offset <= 840 && offset % 5 == 0)) << text;

    GpsPosition position{35, 0, 'N'};
    latitude.Commit(text, position);
    EXPECT_TRUE(position.degrees <= 90 && position.milliMinutes < 60'000) << text;
    EXPECT_TRUE(position.hemisphere == 'N' || position.hemisphere == 'S') << text;
  }
}

}  // namespace

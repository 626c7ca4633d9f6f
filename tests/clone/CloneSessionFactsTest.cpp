#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "clone/CloneCheckCodes.h"
#include "clone/CloneErrorText.h"
#include "clone/CloneInfoBlock.h"
#include "clone/CloneInfoCheck.h"
#include "clone/CloneRanges.h"
#include "memory/DefaultImages.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "text/LineTables.h"

namespace {

// A block as a radio of destination 2 sends it.
std::vector<std::uint8_t> RadioBlock() {
  std::vector<std::uint8_t> block(CloneInfoBlock::kSize, 0);
  block[1] = 1;
  const std::string comment = "VANTA III  REV.A";
  std::copy(comment.begin(), comment.end(), block.begin() + 2);
  block[18] = 2;
  const std::string serial = "1A2B2D0089ABCD";
  std::copy(serial.begin(), serial.end(), block.begin() + 31);
  return block;
}

TEST(CloneInfoBlockTest, DecodesEveryFieldFromItsByte) {
  std::vector<std::uint8_t> bytes = RadioBlock();
  bytes[19] = 0x04;
  bytes[20] = 0x08;
  bytes[22] = 0x02;
  const auto block = DecodeCloneInfoBlock(bytes);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->format, 1);
  EXPECT_EQ(block->comment, "VANTA III  REV.A");
  EXPECT_EQ(block->destination, 2);
  EXPECT_TRUE(block->vhfTransmitInhibit);
  EXPECT_FALSE(block->uhfTransmitInhibit);
  EXPECT_TRUE(block->digitalVoiceInhibit);
  EXPECT_FALSE(block->receiveExpansion);
  EXPECT_TRUE(block->fccInhibit);
  EXPECT_EQ(block->serialNumber, "1A2B2D0089ABCD");

  bytes[19] = 0x08;
  bytes[20] = 0xF7;
  bytes[22] = 0x01;
  const auto other = DecodeCloneInfoBlock(bytes);
  ASSERT_TRUE(other);
  EXPECT_FALSE(other->vhfTransmitInhibit);
  EXPECT_TRUE(other->uhfTransmitInhibit);
  EXPECT_FALSE(other->digitalVoiceInhibit);
  EXPECT_TRUE(other->receiveExpansion);
  EXPECT_FALSE(other->fccInhibit);
}

TEST(CloneInfoBlockTest, RefusesBlocksOfAnotherLength) {
  std::vector<std::uint8_t> bytes = RadioBlock();
  bytes.push_back(0);
  EXPECT_FALSE(DecodeCloneInfoBlock(bytes));
  bytes.resize(44);
  EXPECT_FALSE(DecodeCloneInfoBlock(bytes));
  EXPECT_FALSE(DecodeCloneInfoBlock({}));
}

TEST(CloneInfoBlockTest, SerialNumberShowsItsThreeFieldsInDecimal) {
  const struct {
    const char* raw;
    const char* shown;
  } cases[] = {
      {"1A2B2D0089ABCD", "669945022413"},   // 0x1A2B, 0x2D, 0x0089ABCD mod 1,000,000
      {"0001010000000A", "000101000010"},   // zero padding
      {"ffff63ffffffff", "6553599967295"},  // lower case digits; p wider than four digits
      {"1A2B2D0089ABCG", " "},              // not hexadecimal
      {"1A2B2D 089ABCD", " "},
      {"1A2B2D0089ABC", " "},  // too short
  };
  for (const auto& c : cases) EXPECT_EQ(SerialNumberText(c.raw), c.shown) << c.raw;
}

TEST(CloneErrorTextTest, EachCodeHasItsHeadAndCheckLines) {
  cmcGTex texts;
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  const std::string usual =
      "\n\nCheck the following:\n - The COM port settings.\n - Cable connections.\n"
      " - Transceiver power is ON.";
  const std::string information = usual +
                                  "\n - Appropriate cloning software for the transceiver is being used."
                                  "\n - The revision number of the transceiver.";
  const struct {
    int code;
    std::string text;
  } cases[] = {
      {0, ""},
      {2, "Cannot access COM 7." + usual},
      {4, "Cannot access COM port." + usual},
      {5, "No answer from transceiver." + usual},
      {8, "There is not enough data." + usual},
      {10,
       "Cannot write cloning data.\n\nCheck the following:\n - Cable connections.\n"
       " - Transceiver power is ON."},
      {11, "Illegal information." + information},
      {12, "Illegal information." + information},
      {13,
       "Transceiver version does not match.\n\n"
       "The transceiver cannot be programmed with the current setting."},
      {14,
       "Connected transceiver is not compatible model.\n\nCheck the following:\n"
       " - Appropriate cloning software for the transceiver is being used.\n"
       " - The revision number of the transceiver."},
      {15, "Illegal data." + usual},
      {16, "Please update to the latest version."},
      {17, "Cannot Clone." + usual},
  };
  for (const auto& c : cases) EXPECT_EQ(CloneErrorText(texts, c.code, {7, ""}, ""), c.text) << c.code;
}

// A port given by its path has no number to show: every line that names the port names the
// path, and no line says "COM 0".
TEST(CloneErrorTextTest, APortGivenByItsPathIsNamedByIt) {
  cmcGTex texts;
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  const std::string checks =
      "\n\nCheck the following:\n - The /dev/pts/9 settings.\n - Cable connections.\n"
      " - Transceiver power is ON.";
  const struct {
    int code;
    std::string text;
  } cases[] = {
      {2, "Cannot access /dev/pts/9.\n/dev/pts/9: no such device." + checks},
      {4, "Cannot access /dev/pts/9." + checks},
      {5, "No answer from transceiver." + checks},
      {17, "Cannot Clone." + checks},
  };
  for (const auto& c : cases) {
    const std::string text = CloneErrorText(texts, c.code, {0, "/dev/pts/9"}, "/dev/pts/9: no such device.");
    EXPECT_EQ(text, c.text) << c.code;
    EXPECT_EQ(text.find("COM"), std::string::npos) << c.code;
  }
}

TEST(CloneErrorTextTest, PortDetailFollowsTheHeadLineOfAnOpenFailureOnly) {
  cmcGTex texts;
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  const std::string detail = "/dev/ttyUSB0: no such device";
  EXPECT_TRUE(CloneErrorText(texts, 2, {3, ""}, detail)
                  .starts_with("Cannot access COM 3.\n/dev/ttyUSB0: no such device\n\nCheck the following:"));
  EXPECT_EQ(CloneErrorText(texts, 5, {3, ""}, detail).find(detail), std::string::npos);
}

TEST(CloneRangesTest, WriteRangesCoverTheReadRangeWithoutGapOrOverlap) {
  const AddressRangeList read = CloneReadRanges();
  const AddressRangeList write = CloneWriteRanges();
  EXPECT_EQ(RangeByteTotal(read), 129856);
  EXPECT_EQ(RangeByteTotal(write), 129856);
  ASSERT_EQ(write.size(), 12u);
  EXPECT_TRUE(write.back().IsEndMarker());
  EXPECT_EQ(write.front().start, read.front().start);
  EXPECT_EQ(write[10].end, read.front().end);
  for (std::size_t i = 1; i + 1 < write.size(); ++i) EXPECT_EQ(write[i].start, write[i - 1].end + 1) << i;
}

TEST(CloneRangesTest, TotalStopsAtTheEndMarker) {
  EXPECT_EQ(RangeByteTotal({{0, 9}, kAddressRangeEnd, {100, 199}}), 10);
  EXPECT_EQ(RangeByteTotal({kAddressRangeEnd}), 0);
}

TEST(CloneRangesTest, ProgressFillsTheLastSegmentBeforeTheEnd) {
  const struct {
    std::int64_t bytes;
    std::int64_t total;
    int segments;
  } cases[] = {
      {0, 129856, 0},       {3935, 129856, 0},    {3936, 129856, 1},    {125920, 129856, 31},
      {125921, 129856, 32}, {129856, 129856, 32}, {200000, 129856, 32}, {5, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgressSegments(c.bytes, c.total), c.segments) << c.bytes;
}

struct InfoCase {
  const char* name;
  std::uint16_t wordA;
  std::uint16_t wordB;
  std::size_t length;
  std::uint8_t format;
  std::uint8_t destination;
  bool firstPass;
  std::int32_t current;
  bool mainWindowVisible;
  int code;
};

TEST(CloneInfoCheckTest, JudgesTheRadioStepByStep) {
  const InfoCase cases[] = {
      {"first pass takes any destination", 0x3390, 3, 45, 1, 9, true, 2, true, 0},
      {"same destination", 0x3390, 3, 45, 1, 2, false, 2, true, 0},
      {"other destination", 0x3390, 3, 45, 1, 9, false, 2, true, 13},
      {"no current destination", 0x3390, 3, 45, 1, 16, false, 16, true, 14},
      {"unset current destination", 0x3390, 3, 45, 1, 2, false, 16, true, 13},
      {"initial setup takes any destination", 0x3390, 3, 45, 1, 9, false, 2, false, 0},
      {"another model answers like silence", 0x3290, 3, 45, 1, 2, true, 2, true, 5},
      {"another generation", 0x3390, 2, 45, 1, 2, true, 2, true, 14},
      {"short block", 0x3390, 3, 44, 1, 2, true, 2, true, 11},
      {"long block", 0x3390, 3, 46, 1, 2, true, 2, true, 11},
      {"unknown format", 0x3390, 3, 45, 2, 2, true, 2, true, 14},
      {"destination byte above 15", 0x3390, 3, 45, 1, 0xFF, true, 2, true, 14},
  };
  for (const InfoCase& c : cases) {
    std::vector<std::uint8_t> bytes = RadioBlock();
    bytes.resize(c.length, 0);
    bytes[1] = c.format;
    bytes[18] = c.destination;
    const CloneInfoExpectation expected{0x3390, 3, c.firstPass, c.current, c.mainWindowVisible};
    EXPECT_EQ(CheckCloneInformation(c.wordA, c.wordB, bytes, expected), c.code) << c.name;
  }
}

TEST(CloneReadCheckTest, WantsTheNewestIdentityBlock) {
  cmcEeprom image;
  PrepareImage(image, 3);
  WriteDefaultImage(image, 0);
  EXPECT_EQ(CheckReadImage(image), CloneResult::kOk);
  image.SetByte(MemoryMap::kFormatSignature + 15, '2');
  EXPECT_EQ(CheckReadImage(image), CloneResult::kIllegalImage);
  cmcEeprom zeros;
  zeros.SetSize(ImageSizeOf(3));
  EXPECT_EQ(CheckReadImage(zeros), CloneResult::kIllegalImage);
}

}  // namespace

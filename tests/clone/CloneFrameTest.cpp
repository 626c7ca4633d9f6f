#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clone/CloneFrame.h"
#include "text/HexText.h"

namespace {

using CloneFrame::Bytes;

Bytes Repeat(std::uint8_t b, std::size_t n) { return Bytes(n, b); }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(CloneFrameTest, RequestsCarryTheWordsAfterTheExtraPreamble) {
  EXPECT_EQ(CloneFrame::Request(CloneFrame::kInfoRequest, 0x3390, 0, 12),
            Concat({Repeat(0xFE, 14), {0xEE, 0xEF, 0xE0, 0x33, 0x90, 0x00, 0x00, 0xFD}}));
  EXPECT_EQ(CloneFrame::Request(CloneFrame::kReadRequest, 0x1234, 0xABCD, 0),
            (Bytes{0xFE, 0xFE, 0xEE, 0xEF, 0xE2, 0x12, 0x34, 0xAB, 0xCD, 0xFD}));
}

TEST(CloneFrameTest, SpeedSwitchNamesTheSpeedAndTravelsAsHexText) {
  const Bytes fast =
      Concat({Repeat(0xFE, 20), {0xEE, 0xEF, 0xE8, 0x33, 0x90, 0x00, 0x00, 0x00, 0x00, 0x02, 0x01, 0xFD}});
  EXPECT_EQ(CloneFrame::SpeedSwitch(0x3390, 0, true), fast);
  const Bytes normal = CloneFrame::SpeedSwitch(0x3390, 0, false);
  EXPECT_EQ(normal[normal.size() - 2], 0x00);
  EXPECT_EQ(normal.size(), fast.size());

  const std::string text = HexText(fast);
  EXPECT_EQ(text.substr(40),
            "EEEFE833900000000002"
            "01FD");
  EXPECT_EQ(HexTextToBytes(text), fast);
}

TEST(CloneFrameTest, DataPayloadsOnTheWire) {
  struct Case {
    const char* name;
    std::int32_t address;
    Bytes data;
    bool fast;
    Bytes wire;
  };
  const Case cases[] = {
      // checksum 0x100 - (0x01 + 0x20 + 0x02 + 0x01 + 0x02) = 0xDA
      {"normal speed",
       0x120,
       {0x01, 0x02},
       false,
       Ascii("00000120"
             "02"
             "0102"
             "DA")},
      // 0x7A is sent as 0xFA, escaped; 0x80 is sent as 0x00; the checksum covers the sent values
      {"fast speed escapes", 0x120, {0x7A, 0x80}, true, {0x00, 0x00, 0x01, 0x20, 0x02, 0xFF, 0x0A, 0x00, 0xE3}},
      {"fast speed address bytes escaped",
       0x00FDFE00,
       {0x00},
       true,
       {0x00, 0xFF, 0x0D, 0xFF, 0x0E, 0x00, 0x01, 0x80, 0x84}},
      {"no data",
       0x1FB30,
       {},
       false,
       Ascii("0001FB30"
             "00"
             "D4")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes wire = CloneFrame::EncodeDataPayload(c.address, c.data, c.fast);
    EXPECT_EQ(wire, c.wire);
    CloneFrame::DataPayload decoded;
    ASSERT_TRUE(CloneFrame::DecodeDataPayload(wire, c.fast, decoded));
    EXPECT_EQ(decoded.address, c.address);
    EXPECT_EQ(decoded.data, c.data);
  }
}

TEST(CloneFrameTest, EveryByteValueSurvivesBothEncodings) {
  Bytes all(256);
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::uint8_t>(i);
  for (const bool fast : {false, true}) {
    for (std::size_t start = 0; start < all.size(); start += 32) {
      const Bytes data(all.begin() + static_cast<std::ptrdiff_t>(start),
                       all.begin() + static_cast<std::ptrdiff_t>(start + 32));
      const Bytes wire = CloneFrame::EncodeDataPayload(-2, data, fast);
      for (const std::uint8_t b : wire) {
        EXPECT_NE(b, CloneFrame::kPreamble);
        EXPECT_NE(b, CloneFrame::kTerminator);
      }
      CloneFrame::DataPayload decoded;
      ASSERT_TRUE(CloneFrame::DecodeDataPayload(wire, fast, decoded));
      EXPECT_EQ(decoded.address, -2);
      EXPECT_EQ(decoded.data, data);
    }
  }
}

TEST(CloneFrameTest, MalformedDataPayloadsAreRejected) {
  struct Case {
    const char* name;
    Bytes wire;
    bool fast;
  };
  const Case cases[] = {
      {"odd number of digits", Ascii("00000120020102DA0"), false},
      {"lower-case digit", Ascii("00000120020102da"), false},
      {"not a digit", Ascii("0000012002010GDA"), false},
      {"wrong checksum", Ascii("00000120020102DB"), false},
      {"length byte too large", Ascii("000001200301025A"), false},
      {"too short for a header", Ascii("0000"), false},
      {"empty", {}, false},
      {"escape at the end", {0x00, 0x00, 0x01, 0x20, 0x02, 0xFF}, true},
      {"fast wrong checksum", {0x00, 0x00, 0x01, 0x20, 0x02, 0xFF, 0x0A, 0x00, 0xE4}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CloneFrame::DataPayload decoded;
    EXPECT_FALSE(CloneFrame::DecodeDataPayload(c.wire, c.fast, decoded));
  }
}

TEST(CloneFrameTest, EndFramesCountModulo256) {
  const Bytes header = {0xFE, 0xEF, 0xEE, 0xE5};
  const Bytes with3F = Concat({header, Ascii("Quor Inc.3F")});
  EXPECT_EQ(CloneFrame::EndPayload(0x13F, true), Ascii("Quor Inc.3F"));
  EXPECT_EQ(CloneFrame::EndPayload(0x13F, false), Ascii("Quor Inc."));
  struct Case {
    const char* name;
    Bytes frame;
    std::int32_t frames;
    bool withCount;
    int code;
  };
  const Case cases[] = {
      {"count modulo 256", with3F, 0x13F, true, 0},
      {"count differs", with3F, 0x140, true, 7},
      {"no count expected", Concat({header, Ascii("Quor Inc.")}), 5, false, 0},
      {"count missing", Concat({header, Ascii("Quor Inc.")}), 0x3F, true, 6},
      {"lower-case count", Concat({header, Ascii("Quor Inc.0a")}), 10, true, 7},
      {"wrong name", Concat({header, Ascii("Quor Ink.3F")}), 0x3F, true, 6},
      {"too long", Concat({with3F, {0x00}}), 0x3F, true, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CloneFrame::CheckEndFrame(c.frame, c.frames, c.withCount), c.code);
  }
}

TEST(CloneFrameTest, TheAssemblerFindsFramesFromTheLastPreamble) {
  using CloneFrame::Assembly;
  struct Case {
    const char* name;
    Bytes stream;
    std::size_t maxLength;
    Assembly status;
    std::size_t consumed;
    Bytes frame;
  };
  const Case cases[] = {
      {"empty", {}, 520, Assembly::NeedMore, 0, {}},
      {"noise only is dropped", {0x01, 0xFD, 0x33}, 520, Assembly::NeedMore, 3, {}},
      {"frame in progress is kept", {0x01, 0xFE, 0xFE, 0xEF}, 520, Assembly::NeedMore, 2, {}},
      {"frame after noise and a preamble run",
       {0x00, 0xFD, 0xFE, 0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD, 0x42},
       520,
       Assembly::Frame,
       10,
       {0xFE, 0xEF, 0xEE, 0xE6, 0x00}},
      {"a preamble restarts the frame", {0xFE, 0x11, 0x22, 0xFE, 0x33, 0xFD}, 520, Assembly::Frame, 6, {0xFE, 0x33}},
      {"frame of exactly the longest length", {0xFE, 0x01, 0x02, 0xFD}, 3, Assembly::Frame, 4, {0xFE, 0x01, 0x02}},
      {"frame beyond the longest length", {0x07, 0xFE, 0x01, 0x02, 0x03, 0xFD}, 3, Assembly::Invalid, 5, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CloneFrame::AssemblyResult found = CloneFrame::AssembleFrame(c.stream, c.maxLength);
    EXPECT_EQ(found.status, c.status);
    EXPECT_EQ(found.consumed, c.consumed);
    if (c.status == Assembly::Frame) {
      EXPECT_EQ(Bytes(c.stream.begin() + static_cast<std::ptrdiff_t>(found.begin),
                      c.stream.begin() + static_cast<std::ptrdiff_t>(found.begin + found.length)),
                c.frame);
    }
  }
}

}  // namespace

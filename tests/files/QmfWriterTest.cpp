#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FilesTestSupport.h"
#include "files/DocumentFile.h"
#include "files/cmcQmfFile.h"
#include "memory/Generation.h"
#include "platform/Md5.h"
#include "support/FatalTrap.h"

namespace {

// The lines of a written file; every line must end with CR LF.
std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The test's own decoding of hexadecimal text, independent of the file code.
std::vector<std::uint8_t> Unhex(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

bool IsDataLine(const std::string& line) { return !line.empty() && line[0] != '#'; }

struct Written {
  int code;
  std::vector<std::string> lines;
};

Written WriteDocument(const cmcEeprom& source, const DocumentWriteSettings& settings, const AddressRangeList& ranges) {
  TempFolder folder;
  cmcEeprom image = source;
  cmcQmfFile file;
  ConfigureDocumentWriter(file, image, settings);
  const int code = file.WriteImage(folder.Path("out.qmf"), ranges);
  return {code, LinesOf(ReadBytes(folder.Path("out.qmf")))};
}

TEST(QmfWriter, WritesAFullDocumentFile) {
  const cmcEeprom image = IdentifiedImage(3, 1);
  const Written written = WriteDocument(image, {2, 3, true, "My radio"}, CloneRangesOf(3));
  ASSERT_EQ(written.code, 0);
  const std::vector<std::string>& lines = written.lines;
  ASSERT_EQ(lines.size(), 4U + 4058U + 1U);
  EXPECT_EQ(lines[0], "33900002");
  EXPECT_EQ(lines[1], "#Comment=My radio");
  EXPECT_EQ(lines[2], "#MapRev=1");
  EXPECT_EQ(lines[3], "#EtcData=0C0010");
  EXPECT_TRUE(lines.back().starts_with("#CD="));
  std::uint32_t expectedAddress = 0;
  for (std::size_t i = 4; i < 4 + 4058; ++i) {
    ASSERT_EQ(lines[i].size(), 74U) << i;
    ASSERT_EQ(lines[i].find_first_not_of("0123456789ABCDEF"), std::string::npos) << i;
    const std::vector<std::uint8_t> binary = Unhex(lines[i]);
    const std::uint32_t address =
        static_cast<std::uint32_t>(binary[0] << 24 | binary[1] << 16 | binary[2] << 8 | binary[3]);
    ASSERT_EQ(address, expectedAddress);
    ASSERT_EQ(binary[4], 32);
    for (std::size_t k = 0; k < 32; ++k) {
      ASSERT_EQ(binary[5 + k], image.GetByte(static_cast<std::int32_t>(address + k))) << i;
    }
    expectedAddress += 32;
  }
  EXPECT_EQ(expectedAddress, 0x1FB40U);
}

TEST(QmfWriter, DigestIsTheMd5OfSeedAndDataLines) {
  const Written written = WriteDocument(IdentifiedImage(3, 2), {3, 0, true, ""}, CloneRangesOf(3));
  ASSERT_EQ(written.code, 0);
  const auto md5 = MakeMd5Digest();
  md5->AddData(std::vector<std::uint8_t>{0x58, 0x10, 0x24, 0x77, 0x61, 0x43});
  for (std::size_t i = 1; i < written.lines.size(); ++i) {  // after the header line
    if (IsDataLine(written.lines[i])) md5->AddData(Unhex(written.lines[i]));
  }
  std::string expected = "#CD=";
  for (const std::uint8_t byte : md5->Finish()) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    expected += kDigits[byte >> 4];
    expected += kDigits[byte & 15];
  }
  EXPECT_EQ(written.lines.back(), expected);
}

TEST(QmfWriter, WithoutDigestTheDataLinesAreTheSame) {
  const cmcEeprom image = IdentifiedImage(3, 3);
  const Written with = WriteDocument(image, {3, 5, true, "x"}, CloneRangesOf(3));
  const Written without = WriteDocument(image, {3, 5, false, "x"}, CloneRangesOf(3));
  ASSERT_EQ(with.code, 0);
  ASSERT_EQ(without.code, 0);
  EXPECT_FALSE(without.lines.back().starts_with("#CD="));
  std::vector<std::string> expected = with.lines;
  expected.pop_back();
  EXPECT_EQ(without.lines, expected);
}

TEST(QmfWriter, LinesNeverCrossAMultipleOfTheLineSize) {
  cmcEeprom image;
  image.SetSize(64);
  for (std::int32_t a = 0; a < 64; ++a) image.SetByte(a, static_cast<std::uint8_t>(a));
  struct Case {
    const char* name;
    int lineSize;
    AddressRangeList ranges;
    std::vector<std::string> dataLines;
  };
  const Case cases[] = {
      {"11, 16 and 5 bytes",
       16,
       {{0x05, 0x24}, kAddressRangeEnd},
       {"000000050B0506070809 0A0B0C0D0E0F", "0000001010101112131415161718191A1B1C1D1E1F", "000000200520212223 24"}},
      {"a range of one byte", 16, {{0x3F, 0x3F}, kAddressRangeEnd}, {"0000003F013F"}},
      {"ranges end at the first invalid one",
       255,
       {{0, 1}, {0x10, 0x11}, {3, 2}, {0x20, 0x21}},
       {"00000000020001", "00000010021011"}},
      {"a range past the image ends the list", 32, {{0, 1}, {0x3E, 0x40}, {0x10, 0x11}}, {"00000000020001"}},
      {"no ranges", 32, {}, {}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    cmcQmfFile file;
    file.SetImage(image);
    file.SetLineSize(c.lineSize);
    ASSERT_EQ(file.WriteImage(folder.Path("out.qmf"), c.ranges), 0) << c.name;
    const std::vector<std::string> lines = LinesOf(ReadBytes(folder.Path("out.qmf")));
    ASSERT_GE(lines.size(), 4U) << c.name;
    const std::vector<std::string> dataLines(lines.begin() + 4, lines.end());
    std::vector<std::string> expected;
    for (std::string line : c.dataLines) {
      std::erase(line, ' ');
      expected.push_back(line);
    }
    EXPECT_EQ(dataLines, expected) << c.name;
  }
}

TEST(QmfWriter, DefaultsAndALineEndInTheComment) {
  TempFolder folder;
  cmcEeprom image;
  image.SetSize(16);
  cmcQmfFile file;
  file.SetImage(image);
  file.SetModelCode(0x3390);
  file.SetGeneration(1);
  file.SetComment("two\r\nlines");
  ASSERT_EQ(file.WriteImage(folder.Path("out.qmf"), {{0, 15}, kAddressRangeEnd}), 0);
  EXPECT_EQ(ReadBytes(folder.Path("out.qmf")),
            "33900001\r\n#Comment=two  lines\r\n#MapRev=-1\r\n#EtcData=000000\r\n"
            "000000001000000000000000000000000000000000\r\n");
}

TEST(QmfWriter, WriteFailuresLeaveTheOldFile) {
  const cmcEeprom source = IdentifiedImage(3, 4);
  struct Case {
    const char* name;
    const char* file;
    rlim_t sizeLimit;
    int code;
  };
  const Case cases[] = {
      {"folder missing", "missing/out.qmf", RLIM_INFINITY, 1},
      {"disk full", "out.qmf", 20'000, 2},
      {"disk full at the last line", "out.qmf", 300'000, 2},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    WriteBytes(folder.Path("out.qmf"), "old");
    cmcEeprom image = source;
    cmcQmfFile file;
    ConfigureDocumentWriter(file, image, {3, 0, true, ""});
    std::vector<int> reported;
    file.SetErrorReporter([&](int code) { reported.push_back(code); });
    int code = 0;
    {
      FileSizeLimit limit(c.sizeLimit);
      code = file.WriteImage(folder.Path(c.file), CloneRangesOf(3));
    }
    EXPECT_EQ(code, c.code) << c.name;
    EXPECT_EQ(reported, std::vector<int>{c.code}) << c.name;
    EXPECT_EQ(ReadBytes(folder.Path("out.qmf")), "old") << c.name;
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"out.qmf"}) << c.name;
  }
}

TEST(QmfWriter, ImpossibleSettingsAreDefects) {
  cmcQmfFile file;
  EXPECT_EQ(FatalMessageOf([&] { file.SetLineSize(0); }), "Bad line size (cmcQmfFile).");
  EXPECT_EQ(FatalMessageOf([&] { file.SetLineSize(256); }), "Bad line size (cmcQmfFile).");
  EXPECT_EQ(FatalMessageOf([&] { file.SetDigest(true, "58102477614"); }), "Bad digest seed (cmcQmfFile).");
  EXPECT_EQ(FatalMessageOf([&] { file.SetDigest(true, "58102477614G"); }), "Bad digest seed (cmcQmfFile).");
  EXPECT_EQ(FatalMessageOf([&] { file.SetLineSize(255); }), "");
}

}  // namespace

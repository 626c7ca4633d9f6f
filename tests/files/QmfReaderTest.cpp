#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "FilesTestSupport.h"
#include "files/DocumentFile.h"
#include "files/FileError.h"
#include "files/cmcQmfFile.h"
#include "memory/EtcData.h"
#include "memory/Generation.h"
#include "text/LineTables.h"
#include "text/cmcGTex.h"

namespace {

const std::filesystem::path kCaseFolder = std::filesystem::path(TESSEL_TEST_DATA_DIR) / "qmf";

// A reader set up as the document commands set it up, bound to a work image full of a
// pattern, recording what it reports.
struct Reader {
  Reader() : image(IdentifiedImage(3, 99)), original(image) {
    ConfigureDocumentReader(file);
    file.SetImage(image);
    file.SetErrorReporter([this](int code) { reported.push_back(code); });
  }

  // Checks what every failed read must leave: its code reported once, the image restored.
  void ExpectCleanFailure(int code, const std::string& name) const {
    EXPECT_EQ(reported, std::vector<int>{code}) << name;
    EXPECT_TRUE(image.IsEqual(original)) << name << ": image not restored";
  }

  cmcEeprom image;
  const cmcEeprom original;
  cmcQmfFile file;
  std::vector<int> reported;
};

// A complete generation-3 document file for destination 3, as text.
std::string FullFileText(bool digest) {
  TempFolder folder;
  cmcEeprom image = IdentifiedImage(3, 7);
  cmcQmfFile file;
  ConfigureDocumentWriter(file, image, {3, 3, digest, "full"});
  EXPECT_EQ(file.WriteImage(folder.Path("full.qmf"), CloneRangesOf(3)), 0);
  return ReadBytes(folder.Path("full.qmf"));
}

std::map<std::string, std::string> ReadExpectations(const std::filesystem::path& path) {
  std::map<std::string, std::string> values;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return values;
}

AddressRangeList ParseRanges(const std::string& text) {
  const std::size_t dash = text.find('-');
  return {{static_cast<std::int32_t>(std::stol(text.substr(0, dash), nullptr, 16)),
           static_cast<std::int32_t>(std::stol(text.substr(dash + 1), nullptr, 16))},
          kAddressRangeEnd};
}

// Every folder under tests/data/qmf holds input.qmf and expected.txt: the code, the message
// that goes with it and, optionally, the ranges the read must cover ("ranges=START-END").
TEST(QmfReader, GoldenCases) {
  cmcGTex english;
  english.SelectLineTable(LineTableOf(TableLanguage::English));
  int cases = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kCaseFolder)) {
    const std::string name = entry.path().filename().string();
    const auto expected = ReadExpectations(entry.path() / "expected.txt");
    ASSERT_TRUE(expected.contains("code")) << name;
    const int code = std::stoi(expected.at("code"));
    const AddressRangeList ranges =
        expected.contains("ranges") ? ParseRanges(expected.at("ranges")) : AddressRangeList{};

    Reader reader;
    const int result = reader.file.ReadImage((entry.path() / "input.qmf").string(), ranges.empty() ? nullptr : &ranges);
    EXPECT_EQ(result, code) << name;
    if (code == 0) {
      EXPECT_TRUE(reader.reported.empty()) << name;
    } else {
      reader.ExpectCleanFailure(code, name);
      EXPECT_EQ(FileErrorText(english, code), "File error.\n\n" + expected.at("message")) << name;
    }
    ++cases;
  }
  EXPECT_GE(cases, 30);
}

TEST(QmfReader, ReadsBackWhatWasWritten) {
  for (const int generation : {1, 2, 3}) {
    TempFolder folder;
    cmcEeprom written = IdentifiedImage(generation, 11);
    cmcQmfFile writer;
    ConfigureDocumentWriter(writer, written, {generation, 5, true, "abc"});
    ASSERT_EQ(writer.WriteImage(folder.Path("a.qmf"), CloneRangesOf(generation)), 0);

    cmcEeprom image;
    image.SetSize(written.GetSize());
    cmcQmfFile reader;
    ConfigureDocumentReader(reader);
    reader.SetImage(image);
    const AddressRangeList ranges = CloneRangesOf(generation);
    ASSERT_EQ(reader.ReadImage(folder.Path("a.qmf"), &ranges), 0) << generation;
    EXPECT_EQ(reader.GetGeneration(), generation);
    EXPECT_EQ(reader.GetMapRevision(), 1);
    EXPECT_EQ(reader.GetExtraData(), PackEtcData(5, false));
    EXPECT_EQ(reader.GetDestinationCode(), 5);
    const auto exchanged = static_cast<std::size_t>(ranges[0].end + 1);
    EXPECT_TRUE(std::equal(image.Bytes().begin(), image.Bytes().begin() + exchanged, written.Bytes().begin()));
  }
}

TEST(QmfReader, BadInputIsRefusedAndChangesNothing) {
  const std::string full = FullFileText(false);
  const std::size_t headerEnd = full.find("#EtcData=");
  const std::size_t dataStart = full.find("\r\n", headerEnd) + 2;
  const std::size_t middleLineEnd = full.find("\r\n", full.size() / 2);
  struct Case {
    const char* name;
    std::string bytes;
    int code;
  };
  const Case cases[] = {
      {"cut inside the header line", full.substr(0, 4), 6},
      {"cut after the header line", full.substr(0, 10), 5},
      {"cut after the extra data line", full.substr(0, dataStart), 7},
      {"cut inside a data line", full.substr(0, middleLineEnd - 7), 6},
      {"cut after a data line", full.substr(0, middleLineEnd + 2), 7},
      {"megabytes without a line end", full.substr(0, dataStart) + std::string(4 << 20, 'A'), 6},
      {"a comment line over 64 KiB",
       full.substr(0, dataStart) + "#" + std::string(70'000, 'c') + "\r\n" + full.substr(dataStart), 6},
      {"a NUL inside a data line", full.substr(0, dataStart + 20) + '\0' + full.substr(dataStart + 21), 6},
      {"a line past the image", full + "000214CD0100\r\n", 8},
      {"a line beyond the ranges", full + "000200000100\r\n", 8},
  };
  const AddressRangeList ranges = CloneRangesOf(3);
  for (const Case& c : cases) {
    Reader reader;
    EXPECT_EQ(reader.file.ReadImageFrom(c.bytes, &ranges), c.code) << c.name;
    reader.ExpectCleanFailure(c.code, c.name);
  }
}

TEST(QmfReader, TheLastLineMayLackItsLineEnd) {
  std::string full = FullFileText(false);
  full.resize(full.size() - 2);
  Reader reader;
  const AddressRangeList ranges = CloneRangesOf(3);
  EXPECT_EQ(reader.file.ReadImageFrom(full, &ranges), 0);
}

TEST(QmfReader, RandomJunkNeverCrashesAndChangesNothing) {
  std::mt19937 random(2024);
  const std::string full = FullFileText(true);
  for (int round = 0; round < 200; ++round) {
    std::string bytes = round % 2 ? full.substr(0, random() % full.size()) : std::string();
    const std::size_t junk = random() % 2000;
    for (std::size_t i = 0; i < junk; ++i) bytes.push_back(static_cast<char>(random()));
    Reader reader;
    const AddressRangeList ranges = CloneRangesOf(3);
    const int code = reader.file.ReadImageFrom(bytes, &ranges);
    ASSERT_NE(code, 0) << round;
    reader.ExpectCleanFailure(code, "round " + std::to_string(round));
  }
}

TEST(QmfReader, OpenAndReadFailures) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("folder.qmf"));
  struct Case {
    const char* name;
    std::string path;
    int code;
  };
  const Case cases[] = {
      {"missing file", folder.Path("missing.qmf"), 1},
      {"empty name", "", 1},
      {"a folder", folder.Path("folder.qmf"), 2},
  };
  for (const Case& c : cases) {
    Reader reader;
    EXPECT_EQ(reader.file.ReadImage(c.path), c.code) << c.name;
    reader.ExpectCleanFailure(c.code, c.name);
  }
}

TEST(QmfReader, EveryCheckMustBeInstalledAndAccept) {
  const std::string file = "33900003\r\n#MapRev=1\r\n#EtcData=0C0010\r\n000000000155\r\n";
  struct Case {
    const char* name;
    std::function<void(cmcQmfFile&)> change;
    int code;
  };
  const Case cases[] = {
      {"all installed", [](cmcQmfFile&) {}, 0},
      {"no revision check", [](cmcQmfFile& f) { f.SetRevisionCheck(nullptr); }, 4},
      {"no map revision check", [](cmcQmfFile& f) { f.SetMapRevisionCheck(nullptr); }, 5},
      {"no extra data check", [](cmcQmfFile& f) { f.SetExtraDataCheck(nullptr); }, 10},
      {"other model expected", [](cmcQmfFile& f) { f.SetModelCode(0x3391); }, 3},
  };
  for (const Case& c : cases) {
    Reader reader;
    c.change(reader.file);
    EXPECT_EQ(reader.file.ReadImageFrom(file), c.code) << c.name;
    EXPECT_EQ(reader.file.GetDestinationCode(), c.code == 0 ? 3 : 0) << c.name;
  }
}

TEST(QmfReader, ValuesTheChecksAcceptedStay) {
  const std::string file =
      "33900002\r\n#MapRev=1\r\n#EtcData=0C0010\r\n000000000155\r\n#MapRev=7\r\n"
      "#EtcData=FFFFFF\r\n000000010166\r\n";
  Reader reader;
  reader.file.SetMapRevision(5);
  reader.file.SetExtraData(0x123);
  ASSERT_EQ(reader.file.ReadImageFrom(file), 0);
  EXPECT_EQ(reader.file.GetGeneration(), 2);
  EXPECT_EQ(reader.file.GetMapRevision(), 1);
  EXPECT_EQ(reader.file.GetExtraData(), 0x0C0010U);
  EXPECT_EQ(reader.image.GetByte(0), 0x55);
  EXPECT_EQ(reader.image.GetByte(1), 0x66);
}

TEST(QmfReader, OverlappingLinesKeepTheLaterBytes) {
  const std::string file = "33900003\r\n#MapRev=1\r\n000000000411223344\r\n0000000202AABB\r\n";
  Reader reader;
  const AddressRangeList ranges{{0, 3}, kAddressRangeEnd};
  ASSERT_EQ(reader.file.ReadImageFrom(file, &ranges), 0);
  const std::vector<std::uint8_t> bytes(reader.image.Bytes().begin(), reader.image.Bytes().begin() + 4);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x11, 0x22, 0xAA, 0xBB}));
}

TEST(QmfReader, WithoutAnImageEveryDataLineIsOutside) {
  cmcQmfFile file;
  ConfigureDocumentReader(file);
  EXPECT_EQ(file.ReadImageFrom(std::string("33900003\r\n#MapRev=1\r\n000000000155\r\n")), 8);
}

TEST(QmfReader, CoverageComparesWithTheRanges) {
  const std::string file = "33900003\r\n#MapRev=1\r\n0000000010000102030405060708090A0B0C0D0E0F\r\n";
  struct Case {
    const char* name;
    AddressRangeList ranges;
    int code;
  };
  const Case cases[] = {
      {"exactly", {{0, 15}, kAddressRangeEnd}, 0},
      {"exactly in two ranges", {{0, 7}, {8, 15}, kAddressRangeEnd}, 0},
      {"one byte more expected", {{0, 16}, kAddressRangeEnd}, 7},
      {"one byte less expected", {{0, 14}, kAddressRangeEnd}, 8},
      {"missing and outside", {{1, 20}, kAddressRangeEnd}, 8},
      {"ranges after the end marker do not count", {{0, 7}, kAddressRangeEnd, {8, 15}}, 8},
      {"a range past the image ends the list", {{0, 15}, {0, 0x30000}, {20, 30}}, 0},
      {"only the end marker", {kAddressRangeEnd}, 8},
      {"no ranges", {}, 7},
  };
  for (const Case& c : cases) {
    Reader reader;
    ASSERT_EQ(reader.file.ReadImageFrom(file), 0) << c.name;
    EXPECT_EQ(reader.file.CheckCoverage(c.ranges), c.code) << c.name;
    EXPECT_TRUE(reader.reported.empty()) << c.name;
  }
}

TEST(QmfReader, ReadingStartsFromTheDefaults) {
  const std::string file = "33900003\r\n#MapRev=1\r\n000000000155\r\n";
  Reader reader;
  reader.file.SetExtraData(PackEtcData(3, false));
  ASSERT_EQ(reader.file.ReadImageFrom(file), 0);
  EXPECT_EQ(reader.file.GetExtraData(), 0U);
  EXPECT_EQ(reader.file.GetDestinationCode(), 0);
  reader.file.SetMapRevision(1);
  EXPECT_EQ(reader.file.ReadImageFrom(std::string("33900003\r\n000000000155\r\n")), 5);
}

}  // namespace

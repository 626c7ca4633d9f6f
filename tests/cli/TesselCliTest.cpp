#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "files/FilesTestSupport.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/YourCallList.h"
#include "memory/cmcEeprom.h"
#include "memory/datCh.h"
#include "support/CliRun.h"

namespace {

std::string NewFile(const TempFolder& folder, const std::string& name, int destination, int generation) {
  const std::string path = folder.Path(name);
  const CliRun run = Cli(
      {"new", "--destination", std::to_string(destination), "-o", path, "--generation", std::to_string(generation)});
  EXPECT_EQ(run.status, 0) << run.err;
  return path;
}

cmcEeprom Opened(const std::string& path, int destination) {
  const DestinationSession session(destination);
  cmcEeprom image;
  EXPECT_EQ(OpenCliDocument(path, session, image, {}), 0) << path;
  return image;
}

TEST(TesselCli, HelpAndVersionSucceed) {
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"info", "new", "convert", "check"}) {
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
  }
  const CliRun version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("tessel-cli ")) << version.out;
  EXPECT_EQ(Cli({"convert", "--help"}).status, 0);
}

TEST(TesselCli, NewThenInfoInEveryGeneration) {
  for (const int generation : {1, 2, 3}) {
    TempFolder folder;
    const std::string path = NewFile(folder, "new.qmf", 7, generation);
    const CliRun info = Cli({"info", path, "--json"});
    ASSERT_EQ(info.status, 0) << info.err;
    const std::string expected = "{\"generation\": " + std::to_string(generation) + ", \"generation_name\": \"" +
                                 GenerationName(generation) +
                                 "\", \"model_code\": \"3390\", \"map_revision\": 1, \"destination\": 7, "
                                 "\"comment\": \"\", \"digest_present\": true, \"digest_correct\": true}\n";
    EXPECT_EQ(info.out, expected);
  }
}

TEST(TesselCli, InfoTellsAMissingOrWrongDigest) {
  TempFolder folder;
  const std::string path = NewFile(folder, "new.qmf", 2, 3);
  ASSERT_EQ(Cli({"convert", path, "-o", folder.Path("plain.qmf"), "--generation", "3", "--no-digest"}).status, 0);
  EXPECT_NE(Cli({"info", folder.Path("plain.qmf")}).out.find("Digest line:    no"), std::string::npos);

  std::string bytes = ReadBytes(path);
  const std::size_t digit = bytes.find("#CD=") + 4;
  bytes[digit] = bytes[digit] == '0' ? '1' : '0';
  WriteBytes(folder.Path("wrong.qmf"), bytes);
  const CliRun wrong = Cli({"info", folder.Path("wrong.qmf"), "--json"});
  EXPECT_NE(wrong.out.find("\"digest_present\": true, \"digest_correct\": false"), std::string::npos) << wrong.out;
}

// A file converted down and back up reopens as the document it came from where the older
// layout holds everything; converting the result down again writes the same bytes.
TEST(TesselCli, ConvertedFilesReopenIdentically) {
  TempFolder folder;
  const std::string original = NewFile(folder, "three.qmf", 5, 3);
  for (const int older : {2, 1}) {
    const std::string down = folder.Path("down" + std::to_string(older) + ".qmf");
    const std::string up = folder.Path("up" + std::to_string(older) + ".qmf");
    const std::string again = folder.Path("again" + std::to_string(older) + ".qmf");
    ASSERT_EQ(Cli({"convert", original, "-o", down, "--generation", std::to_string(older)}).status, 0);
    ASSERT_EQ(Cli({"convert", down, "-o", up, "--generation", "3"}).status, 0);
    ASSERT_EQ(Cli({"convert", up, "-o", again, "--generation", std::to_string(older)}).status, 0);
    EXPECT_EQ(ReadBytes(again), ReadBytes(down)) << older;
    if (older == 2) {
      const cmcEeprom reopened = Opened(up, 5);
      const cmcEeprom first = Opened(original, 5);
      EXPECT_TRUE(std::ranges::equal(reopened.Bytes(), first.Bytes()));
    }
  }
}

TEST(TesselCli, AFileErrorWritesNothing) {
  TempFolder folder;
  const std::string good = NewFile(folder, "good.qmf", 1, 3);
  std::string truncated = ReadBytes(good);
  truncated.resize(truncated.size() / 2);
  truncated.resize(truncated.rfind("\r\n") + 2);
  WriteBytes(folder.Path("truncated.qmf"), truncated);
  WriteBytes(folder.Path("junk.qmf"), "junk\r\n");
  WriteBytes(folder.Path("old.qmf"), "old bytes");

  struct Case {
    std::string input;
    std::string target;
    std::string message;
  } cases[] = {
      {"junk.qmf", "out.qmf", "Illegal data."},
      {"truncated.qmf", "out.qmf", ""},
      {"missing.qmf", "old.qmf", ""},
      {"junk.qmf", "old.qmf", "Illegal data."},
  };
  for (const Case& c : cases) {
    const bool existed = std::filesystem::exists(folder.Path(c.target));
    for (const char* command : {"convert", "check", "info"}) {
      std::vector<std::string> args{command, folder.Path(c.input)};
      if (std::string(command) == "convert")
        args.insert(args.end(), {"-o", folder.Path(c.target), "--generation", "2"});
      const CliRun run = Cli(args);
      EXPECT_EQ(run.status, 2) << command << " " << c.input;
      EXPECT_TRUE(run.err.starts_with("File error.\n\n")) << run.err;
      EXPECT_GT(run.err.size(), std::string("File error.\n\n\n").size()) << run.err;
      EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(std::filesystem::exists(folder.Path(c.target)), existed) << c.input;
    if (existed) {
      EXPECT_EQ(ReadBytes(folder.Path(c.target)), "old bytes");
    }
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 4);
}

TEST(TesselCli, UsageErrorsWriteNothing) {
  TempFolder folder;
  const std::string good = NewFile(folder, "good.qmf", 1, 3);
  const std::string out = folder.Path("out.qmf");
  const std::vector<std::vector<std::string>> cases{
      {},
      {"frobnicate"},
      {"info"},
      {"info", good, good},
      {"info", good, "--frob"},
      {"new", "-o", out},
      {"new", "--destination", "16", "-o", out},
      {"new", "--destination", "x", "-o", out},
      {"new", "--destination", "1"},
      {"convert", good, "-o", out},
      {"convert", good, "-o", out, "--generation", "4"},
      {"convert", good, "--generation", "2"},
      {"check", good, "--destination", "-1"},
  };
  for (const auto& args : cases) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1) << (args.empty() ? "" : args[0]);
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(TesselCli, CheckReportsErrorsByListIndexAndField) {
  TempFolder folder;
  const std::string clean = NewFile(folder, "clean.qmf", 0, 3);
  const CliRun passed = Cli({"check", clean});
  EXPECT_EQ(passed.status, 0) << passed.out;

  cmcEeprom document = Opened(clean, 0);
  datCh channel(document);
  channel.Load(RecordKind::kChannel, 12);
  channel.Reset();
  channel.frequency = 500'000'000;
  channel.Commit();
  {
    const DestinationSession session(0);
    ASSERT_EQ(SaveCliDocument(document, folder.Path("band.qmf"), session, {3, true}, {}), 0);
  }
  const CliRun failed = Cli({"check", folder.Path("band.qmf")});
  EXPECT_EQ(failed.status, 3);
  EXPECT_NE(failed.out.find("memory 12 frequency: error"), std::string::npos) << failed.out;
}

}  // namespace

namespace {

// The keys of each object of a dump, in order.
std::vector<std::vector<std::string>> KeysOfObjects(const std::string& json) {
  std::vector<std::vector<std::string>> objects;
  const std::regex key("\"([a-z_0-9]+)\": ");
  std::istringstream lines(json);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.find('{') == std::string::npos) continue;
    std::vector<std::string>& keys = objects.emplace_back();
    for (std::sregex_iterator it(line.begin(), line.end(), key), end; it != end; ++it) {
      keys.push_back((*it)[1]);
    }
  }
  return objects;
}

TEST(TesselCli, DumpGivesEachUsedChannelWithExactlyTheListedKeys) {
  TempFolder folder;
  cmcEeprom document = Opened(NewFile(folder, "new.qmf", 0, 3), 0);
  datCh channel(document);
  channel.Load(RecordKind::kChannel, 1);
  channel.name = MakeFixedText<16>("HOME");
  channel.repeaterTone = 13;
  channel.dtcsCode = 1;
  channel.Commit();
  {
    const DestinationSession session(0);
    ASSERT_EQ(SaveCliDocument(document, folder.Path("two.qmf"), session, {2, true}, {}), 0);
  }
  const CliRun dump = Cli({"dump", folder.Path("two.qmf"), "--list", "memory", "--json"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  const std::vector<std::string> keys{"index",         "frequency",       "offset",       "duplex",        "tone_mode",
                                      "repeater_tone", "tsql_tone",       "dtcs",         "dtcs_polarity", "mode",
                                      "tuning_step",   "digital_squelch", "digital_code", "name",          "skip",
                                      "bank",          "bank_channel",    "your_call",    "rpt1",          "rpt2"};
  EXPECT_EQ(KeysOfObjects(dump.out), (std::vector<std::vector<std::string>>{keys, keys})) << dump.out;
  for (const char* value : {"\"index\": 1,", "\"repeater_tone\": 103.5,", "\"dtcs\": \"025\",", "\"name\": \"HOME\",",
                            "\"bank\": null, \"bank_channel\": null,"}) {
    EXPECT_NE(dump.out.find(value), std::string::npos) << value;
  }
  EXPECT_TRUE(dump.out.starts_with("[\n  {") && dump.out.ends_with("}\n]\n")) << dump.out;

  EXPECT_EQ(Cli({"dump", folder.Path("two.qmf"), "--list", "bogus"}).status, 1);
  EXPECT_EQ(Cli({"dump", folder.Path("two.qmf")}).status, 1);
}

// A document with one your call sign and one repeater entry, saved as a file.
std::string FileWithListEntries(const TempFolder& folder) {
  cmcEeprom document = Opened(NewFile(folder, "new.qmf", 0, 3), 0);
  SetYourCallCount(document, 1);
  datCh record(document);
  record.Load(RecordKind::kYourCall, 0);
  record.callSign = MakeFixedText<8>("JA1XYZ");
  record.name = MakeFixedText<16>("Friend");
  record.Commit();
  SetGroupCount(document, 0, 1);
  record.Load(RecordKind::kRepeater, 0);
  record.name = MakeFixedText<16>("Hilltop");
  record.callSign = MakeFixedText<8>("JP1YIU A");
  record.frequency = 439'010'000;
  record.Commit();
  const DestinationSession session(0);
  EXPECT_EQ(SaveCliDocument(document, folder.Path("lists.qmf"), session, {3, true}, {}), 0);
  return folder.Path("lists.qmf");
}

TEST(TesselCli, DumpGivesTheOtherListsWithTheirKeys) {
  TempFolder folder;
  const std::string path = FileWithListEntries(folder);
  struct Case {
    std::string list;
    std::size_t entries;
    std::vector<std::string> keys;
    std::string value;
  } cases[] = {
      {"bank-names", 26, {"index", "bank", "name"}, "\"bank\": \"Z\""},
      {"my-calls", 6, {"index", "call_sign", "note"}, "\"index\": 5,"},
      {"your-calls", 1, {"index", "call_sign", "name"}, "\"call_sign\": \"JA1XYZ\", \"name\": \"Friend\""},
      {"repeaters",
       1,
       {"index", "group", "name", "sub_name", "call_sign", "gateway", "frequency", "offset", "duplex", "mode", "tone",
        "repeater_tone", "rpt1_use", "position", "latitude", "longitude", "utc_offset"},
       "\"call_sign\": \"JP1YIU A\""},
      {"gps", 0, {}, ""},
      {"broadcast", 0, {}, ""},
  };
  for (const Case& c : cases) {
    const CliRun dump = Cli({"dump", path, "--list", c.list, "--json"});
    ASSERT_EQ(dump.status, 0) << c.list << dump.err;
    EXPECT_EQ(KeysOfObjects(dump.out), std::vector<std::vector<std::string>>(c.entries, c.keys)) << dump.out;
    EXPECT_NE(dump.out.find(c.value), std::string::npos) << dump.out;
  }
  const CliRun help = Cli({"dump", "--help"});
  for (const char* key : {"bank-names", "sub_name", "utc_offset", "altitude", "note"}) {
    EXPECT_NE(help.out.find(key), std::string::npos) << key;
  }
}

// GPS memories whose stamps are no real dates or times, and a broadcast group holding FM and
// AM stations.
std::string FileWithStampsAndStations(const TempFolder& folder) {
  using namespace MemoryMap;
  cmcEeprom document = Opened(NewFile(folder, "new.qmf", 0, 3), 0);
  const std::array<std::array<std::uint8_t, 6>, 5> stamps{{
      {0x99, 0x99, 0x99, 0x99, 0x99, 0x99},  // the new-memory marker
      {0x31, 0x02, 0x24, 0x12, 0x00, 0x00},  // 2024-02-31
      {0x29, 0x02, 0x23, 0x24, 0x00, 0x00},  // 2023-02-29, 24:00:00
      {0x00, 0x00, 0x00, 0x23, 0x59, 0x59},  // 2000-00-00
      {0x29, 0x02, 0x24, 0x00, 0x00, 0x00},  // a leap day at midnight
  }};
  for (int g = 0; g < kGpsGroupCount; ++g) document.SetByte(kGpsGroupStarts + g, g == 0 ? 0 : 0xFF);
  for (int p = 0; p < kGpsMemoryCount; ++p) {
    document.SetByte(kGpsOrder + p, static_cast<std::uint8_t>(p < 5 ? p : 0xFF));
  }
  for (int r = 0; r < 5; ++r) {
    for (int i = 0; i < 6; ++i) document.SetByte(kGpsMemories + kGpsRecordSize * r + 8 + i, stamps[r][i]);
  }
  const std::array<std::uint32_t, 3> stations{76'500'000, 80'000'000, 1'000'000};
  for (int r = 0; r < 3; ++r) {
    for (int i = 0; i < 4; ++i) {
      document.SetByte(kBroadcastMemories + kBroadcastRecordSize * r + i,
                       static_cast<std::uint8_t>(stations[r] >> (24 - 8 * i)));
    }
    for (int i = 4; i < kBroadcastRecordSize; ++i)
      document.SetByte(kBroadcastMemories + kBroadcastRecordSize * r + i, ' ');
    document.SetByte(kBroadcastGroups + 100 + 2 * r, 0);
    document.SetByte(kBroadcastGroups + 100 + 2 * r + 1, static_cast<std::uint8_t>(r));
  }
  document.SetByte(kBroadcastSkipBits, 0);
  const DestinationSession session(0);
  EXPECT_EQ(SaveCliDocument(document, folder.Path("stamps.qmf"), session, {3, true}, {}), 0);
  return folder.Path("stamps.qmf");
}

TEST(TesselCli, DumpShowsNoDateForBytesThatAreNoDateAndEachStationOnce) {
  TempFolder folder;
  const std::string path = FileWithStampsAndStations(folder);
  const CliRun gps = Cli({"dump", path, "--list", "gps"});
  ASSERT_EQ(gps.status, 0) << gps.err;
  std::vector<std::string> stamps;
  std::istringstream lines(gps.out);
  std::string line;
  std::getline(lines, line);  // the keys
  while (std::getline(lines, line)) {
    const std::size_t time = line.rfind('\t');
    stamps.push_back(line.substr(line.rfind('\t', time - 1) + 1));
  }
  EXPECT_EQ(stamps, (std::vector<std::string>{"-\t-", "-\t12:00:00", "-\t-", "-\t23:59:59", "2024-02-29\t00:00:00"}))
      << gps.out;
  EXPECT_EQ(Cli({"dump", path, "--list", "broadcast"}).out,
            "index\tband\tgroup\tfrequency\tname\tskip\n"
            "100\tFM\t1\t76500000\t\t0\n"
            "101\tFM\t1\t80000000\t\t0\n"
            "150\tAM\t1\t1000000\t\t0\n");
}

// A document with an entry in each of the lists the dump adds: a DTMF memory, a message,
// a scan link, a received call, transmit history entries, a repeater group and a GPS group.
std::string FileWithTheOtherLists(const TempFolder& folder) {
  using namespace MemoryMap;
  cmcEeprom document = Opened(NewFile(folder, "new.qmf", 0, 3), 0);
  const auto put = [&](Address at, std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      document.SetByte(at + static_cast<Address>(i), static_cast<std::uint8_t>(bytes[i]));
    }
  };
  for (int m = 0; m < kDtmfMemoryCount; ++m) put(kDtmfMemories + kDtmfMemorySize * m, std::string(24, '\xFF'));
  put(kDtmfMemories + kDtmfMemorySize * 15, std::string("\x01\x02\x0E\x0F\xFF", 5));
  for (int m = 0; m < kTransmitMessageCount; ++m) put(kTransmitMessages + kMessageLength * m, std::string(20, ' '));
  put(kTransmitMessages + kMessageLength * 2, "QRV on 145.50");
  document.SetByte(kSelectedTransmitMessage, 3);
  for (int b = 0; b < kScanLinkCount * kScanLinkMemberSize; ++b) document.SetByte(kScanLinkMembers + b, 0);
  document.SetByte(kScanLinkMembers + 4, 0x05);  // link 1: pairs 0 and 2
  put(kScanLinkNames + 16, "Air             ");
  for (int s = 0; s < kReceivedCallCount; ++s) document.SetByte(kReceivedPositionTable + s, 0xFF);
  document.SetByte(kReceivedPositionTable + 4, 0);
  document.SetByte(kReceivedStatus + 4, 0x41);
  const Address call = kReceivedCalls + kReceivedCallSize * 4;
  put(call, std::string("JA1AAA BICOMJP1YIU BJP1YIU GCQCQCQ  ") + std::string("\x00\x00\x0E\x10", 4));
  put(kReceivedMessages + kMessageLength * 4, "Hello               ");
  const Address block = kReceivedPositions + kReceivedPositionSize * 4;
  put(block, std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\x7F\xFF\xFF\xFF", 12));
  document.SetByte(block + 29, 0);
  put(block + 49, std::string(43, ' '));
  for (Address table : {kHistoryFromSlots, kHistoryFromAnalogSlots}) {
    for (int p = 0; p < 10; ++p) document.SetByte(table + p, 0xFF);
  }
  for (int p = 0; p < 20; ++p) document.SetByte(kHistoryToSlots + p, 0xFF);
  for (int p = 0; p < 5; ++p) document.SetByte(kHistoryReflectorSlots + p, 0xFF);
  document.SetByte(kHistoryFromAnalogSlots, 1);
  put(kHistoryFromAnalog + 12, std::string("JR1FM   \x08\xAF\x34\xA0", 12));  // 145,700,000 Hz
  document.SetByte(kHistoryReflectorSlots, 0);
  put(kHistoryReflector, "REF001CL");
  SetGroupCount(document, 2, 1);
  put(kRepeaterGroupNames + 32, "Kanto           ");
  for (int p = 0; p < kGpsMemoryCount; ++p)
    document.SetByte(kGpsOrder + p, static_cast<std::uint8_t>(p < 2 ? p : 0xFF));
  for (int g = 0; g < kGpsGroupCount; ++g) document.SetByte(kGpsGroupStarts + g, g == 3 ? 0 : 0xFF);
  put(kGpsGroupNames + 32, "Peaks           ");
  const DestinationSession session(0);
  EXPECT_EQ(SaveCliDocument(document, folder.Path("other.qmf"), session, {3, true}, {}), 0);
  return folder.Path("other.qmf");
}

TEST(TesselCli, DumpGivesTheRemainingLists) {
  TempFolder folder;
  const std::string path = FileWithTheOtherLists(folder);
  const struct {
    std::string list;
    std::string table;  // the whole table, or its first lines when lines says so
    std::size_t lines;
  } cases[] = {
      {"dtmf", "index\tmemory\tcode\n15\td#\t12*#\n", 0},
      {"messages", "index\ttext\tselected\n2\tQRV on 145.50\t1\n", 0},
      {"scan-links", "index\tname\tpairs\n0\t\t\n1\tAir\t0 2\n", 3},
      {"received-calls",
       "index\tcaller\tcaller_note\tcalled\trpt1\trpt2\tmessage\tstatus\treceived_time\tdata_type\tlatitude\t"
       "longitude\taltitude\tgps_message\n"
       "0\tJA1AAA B\tICOM\tCQCQCQ\tJP1YIU B\tJP1YIU G\tHello\t65\t3600\t0\t-\t-\t-\t\n",
       0},
      {"transmitted-calls",
       "history\tindex\tcall_sign\tfrequency\tfound_name\n"
       "from-fm\t0\tJR1FM\t145700000\t-\n"
       "reflector\t0\tREF001CL\t-\t-\n",
       0},
      {"repeater-groups", "index\tname\tfirst\tcount\n0\t\t0\t0\n1\t\t0\t0\n2\tKanto\t0\t1\n3\t\t1\t0\n", 5},
      {"gps-groups", "index\tname\tfirst\tcount\n0\t-\t-\t0\n1\t\t-\t0\n2\t\t-\t0\n3\tPeaks\t0\t2\n", 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    const CliRun dump = Cli({"dump", path, "--list", c.list});
    ASSERT_EQ(dump.status, 0) << dump.err;
    std::string shown = dump.out;
    if (c.lines > 0) {
      std::size_t end = 0;
      for (std::size_t i = 0; i < c.lines; ++i) end = shown.find('\n', end) + 1;
      shown.resize(end);
    }
    EXPECT_EQ(shown, c.table);
    const CliRun json = Cli({"dump", path, "--list", c.list, "--json"});
    EXPECT_TRUE(json.out.starts_with("[\n  {") && json.out.ends_with("}\n]\n")) << json.out;
  }
  EXPECT_NE(Cli({"dump", path, "--list", "scan-links", "--json"}).out.find("\"pairs\": [0, 2]"), std::string::npos);
  const CliRun help = Cli({"dump", "--help"});
  for (const char* list :
       {"dtmf", "messages", "scan-links", "received-calls", "transmitted-calls", "repeater-groups", "gps-groups"}) {
    EXPECT_NE(help.out.find(list), std::string::npos) << list;
  }
}

// A fixture of the US version with some settings away from their defaults, saved as a file.
std::string SettingsFixture(const TempFolder& folder) {
  const std::string blank = NewFile(folder, "blank.qmf", 1, 3);
  cmcEeprom image = Opened(blank, 1);
  using MemoryMap::kSettings;
  image.SetByte(kSettings + 2, 3);            // Auto Power OFF 90min
  image.SetByte(kSettings + 114, 7);          // BC radio level +2
  image.SetByte(kSettings + 34, 0x11);        // GGA and RMC
  image.SetByte(kSettings + 1073 + 1, 0x0C);  // band B links K and L... (bits 10, 11)
  image.SetByte(kSettings + 234, 0x02);       // UTC +9:00 (540 minutes)
  image.SetByte(kSettings + 235, 0x1C);
  const std::string path = folder.Path("settings.qmf");
  const DestinationSession session(1);
  EXPECT_EQ(SaveCliDocument(image, path, session, {3, true}, {}), 0);
  return path;
}

TEST(TesselCli, DumpListsEverySettingOfThePagesWithItsValueAndText) {
  TempFolder folder;
  const std::string path = SettingsFixture(folder);
  const CliRun dump = Cli({"dump", path, "--list", "settings", "--json"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  for (
      const char* line : {
          R"({"item": "AutoPowerOFF", "index": null, "page": "Common", "label": "Auto Power OFF", "value": 3, "text": "90min"})",
          R"({"item": "RadioLevel", "index": null, "page": "Common", "label": "BC Radio Level", "value": 7, "text": "+2 "})",
          R"({"item": "GPS_ControlMode", "index": null, "page": "GPS", "label": "GPS Sentence", "value": 17, "text": "GGA,RMC"})",
          R"({"item": "BankLink_K_T", "index": 1, "page": "AB_Band", "label": "Bank Link K-T", "value": 3, "text": "KL________"})",
          R"({"item": "UTCOffset", "index": null, "page": "Common", "label": "UTC Offset", "value": 540, "text": "+9:00"})",
          R"({"item": "HmchMr", "index": null, "page": "Common", "label": "MR", "value": 65535, "text": "---"})",
          R"({"item": "Comment", "index": null, "page": "GPS", "label": "Comment", "value": "", "text": ""})",
          R"({"item": "Wx_Ch", "index": 0, "page": "AB_Band", "label": "WX CH", "value": 0, "text": "0"})",
      }) {
    EXPECT_NE(dump.out.find(line), std::string::npos) << line;
  }
  const auto entries = [](const std::string& out) { return std::count(out.begin(), out.end(), '\n') - 1; };
  const long us = entries(Cli({"dump", path, "--list", "settings"}).out);
  EXPECT_EQ(us, 178) << "a row per item and element";
  // The Korean version shows the auto repeater, which switches on and off, but no weather rows.
  const CliRun korea = Cli({"dump", path, "--list", "settings", "--destination", "5"});
  EXPECT_NE(korea.out.find("AutoRepeater\t-\tCommon\tAuto Repeater\t0\tOFF\n"), std::string::npos);
  EXPECT_EQ(korea.out.find("Wx_Alert"), std::string::npos);
  EXPECT_EQ(entries(korea.out), us - 4) << "two weather items for two bands";
}

TEST(TesselCli, SetChangesSettingsAsThePagesDoAndSavesThem) {
  TempFolder folder;
  const std::string path = SettingsFixture(folder);
  const std::string out = folder.Path("out.qmf");
  const CliRun set = Cli({"set", path, "autopoweroff=120min", "RadioLevel=-3", "BankLink_A_J:0=ace",
                          "GPS_ControlMode=GSV, VTG", "Comment=Portable", "CIV_Address=7e", "ManualPosLat=035 41.12 N",
                          "EmrAfLevel=12", "AprsSymbolSel_2=Others", "-o", out});
  ASSERT_EQ(set.status, 0) << set.err;
  const CliRun dump = Cli({"dump", out, "--list", "settings"});
  for (const char* line : {
           "AutoPowerOFF\t-\tCommon\tAuto Power OFF\t4\t120min\n",
           "RadioLevel\t-\tCommon\tBC Radio Level\t2\t-3 \n",
           "BankLink_A_J\t0\tAB_Band\tBank Link A-J\t21\tA_C_E_____\n",
           "GPS_ControlMode\t-\tGPS\tGPS Sentence\t40\tGSV,VTG\n",
           "Comment\t-\tGPS\tComment\tPortable\tPortable\n",
           "CIV_Address\t-\tCommon\tCI-V Address\t126\t7E\n",
           "ManualPosLat\t-\tGPS\tManual Position (Latitude)\t35\xC2\xB0"
           "41.12'N\t35\xC2\xB0"
           "41.12'N\n",
           "EmrAfLevel\t-\tDigital\tEMR AF Level\t12\t12\n",
           "AprsSymbolSel_2\t-\tGPS\t(No.2)\t/\"\tOthers\n",
       }) {
    EXPECT_NE(dump.out.find(line), std::string::npos) << line;
  }
  const cmcEeprom image = Opened(out, 1);
  EXPECT_EQ(image.GetByte(MemoryMap::kSettings + 324 + 8), 0xFF) << "the comment keeps its 0xFF padding";
  EXPECT_EQ(Cli({"info", out}).out.find("Digest line:    yes") != std::string::npos, true);
}

TEST(TesselCli, SetRefusesWhatThePagesRefuseAndWritesNothing) {
  TempFolder folder;
  const std::string path = SettingsFixture(folder);
  const std::string out = folder.Path("out.qmf");
  const struct {
    std::vector<std::string> assignments;
    std::string message;
  } cases[] = {
      {{"AutoPowerOFF=45min"},
       R"(AutoPowerOFF: "45min" is not in its list; it accepts "OFF", "30min", "60min", "90min", "120min")"},
      {{"NoSuchItem=1"}, "NoSuchItem: no such setting"},
      {{"RFPower:2=High"}, "RFPower: index 2 is out of range (accepts 0 to 1)"},
      {{"RFPower=High"}, "RFPower: needs an index"},
      {{"RadioLevel=+6"}, "RadioLevel: accepts a whole number from -5 to +5"},
      {{"UTCOffset=+14:05"}, "UTCOffset: does not take \"+14:05\"; it accepts an offset"},
      {{"CIV_Address=zz"}, "CIV_Address: does not take \"zz\""},
      {{"HmchVfo=145.0"}, "HmchVfo: is shown only and cannot be set"},
      {{"AlarmCH=1"}, "AlarmCH: does not apply with the present settings"},
      {{"GPSAlarmType=Memory"}, "GPSAlarmType: Memory needs a GPS group that holds memories"},
      {{"AprsSymbolEdit_1=ab"}, "AprsSymbolEdit_1: does not take \"ab\""},
      {{"BankLink_U_Z:0=AB"}, "BankLink_U_Z: accepts the letters of the flags it sets, from U V W X Y Z"},
      {{"GPS_ControlMode=GGA,GLL,GSA,GSV,RMC"}, "GPS_ControlMode: the editor takes one to four"},
      {{"ManualPosLat=north"}, "ManualPosLat: does not take \"north\""},
      {{"AutoPowerOFF=30min", "Comment"}, "Comment: expected ITEM=TEXT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    std::vector<std::string> args{"set", path};
    args.insert(args.end(), c.assignments.begin(), c.assignments.end());
    args.insert(args.end(), {"-o", out});
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  EXPECT_EQ(Cli({"set", path, "-o", out}).status, 1) << "nothing to set";
  EXPECT_EQ(Cli({"set", path, "AutoPowerOFF=OFF"}).status, 1) << "no -o";
  EXPECT_FALSE(std::filesystem::exists(out));
  const CliRun korea = Cli({"set", path, "Wx_Alert:0=ON", "-o", out, "--destination", "5"});
  EXPECT_NE(korea.err.find("Wx_Alert: no such setting on the set-mode pages of destination 5"), std::string::npos)
      << korea.err;
}

}  // namespace

// tessel-cli sort on real files: the sorted page read back with the bank place and the
// remembered channel still on their channels; every bad argument exits 1 and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliDocument.h"
#include "files/FilesTestSupport.h"
#include "memory/BankEdits.h"
#include "memory/ChannelList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/RepeaterList.h"
#include "memory/datCh.h"
#include "support/CliRun.h"

namespace {

using namespace MemoryMap;
using Strings = std::vector<std::string>;

constexpr int kDestination = 0;

std::string Trimmed(std::string_view text) {
  std::string trimmed(text);
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  return trimmed;
}

std::string NameAt(cmcEeprom& image, int kind, int index) {
  datCh record(image);
  record.Load(kind, index);
  return record.IsUsed() ? Trimmed(ViewOf(record.name)) : "";
}

Strings Names(cmcEeprom& image, int kind, int first, int last) {
  Strings names;
  for (int index = first; index <= last; ++index) names.push_back(NameAt(image, kind, index));
  return names;
}

// Page 1 holds M0-M4 on channels 100-104 at falling frequencies except M3, M2 in bank B row 7,
// remembered channel M3; repeater group 2 holds Q0-Q2.
std::string SortableFile(const TempFolder& folder) {
  const std::string path = folder.Path("sortable.qmf");
  const DestinationSession session(kDestination);
  cmcEeprom image = session.Defaults();
  const std::uint32_t frequencies[] = {146000000, 145500000, 145000000, 147000000, 144500000};
  for (int i = 0; i < 5; ++i) {
    datCh channel(image);
    channel.Load(RecordKind::kChannel, 100 + i);
    channel.SetUsed(true);
    channel.frequency = frequencies[i];
    channel.name = MakeFixedText<kNameLength>("M" + std::to_string(i));
    channel.bank = i == 2 ? 1 : kNoBank;
    channel.bankChannel = i == 2 ? 7 : kNoBank;
    channel.Commit();
  }
  RebuildBankTables(image);
  WriteU16(image, kRememberedChannel, 103);
  const int start = GroupStart(image, 2);
  for (int i = 0; i < 3; ++i) {
    datCh entry(image);
    entry.Load(RecordKind::kNewRepeater, start + i);
    entry.SetUsed(true);
    entry.name = MakeFixedText<kNameLength>("Q" + std::to_string(i));
    entry.Store(RecordKind::kRepeater, start + i);
    SetGroupCount(image, 2, i + 1);
  }
  EXPECT_EQ(SaveCliDocument(image, path, session, {3, true}, {}), 0);
  return path;
}

cmcEeprom Opened(const std::string& path) {
  const DestinationSession session(kDestination);
  cmcEeprom image;
  EXPECT_EQ(OpenCliDocument(path, session, image, {}), 0) << path;
  return image;
}

TEST(SortCommand, SortsThePageWithTheReferencesFollowing) {
  struct Case {
    Strings arguments;
    Strings channels;  // 100-105
  };
  const Case cases[] = {
      {{"--by", "frequency"}, {"M4", "M2", "M1", "M0", "M3", ""}},
      {{"--by", "frequency", "--descending"}, {"M3", "M0", "M1", "M2", "M4", ""}},
      {{"--by", "name", "--descending"}, {"M4", "M3", "M2", "M1", "M0", ""}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string input = SortableFile(folder);
    const std::string output = folder.Path("sorted.qmf");
    Strings args{"sort", input, "--list", "memory", "--scope", "group:1", "-o", output};
    args.insert(args.end(), c.arguments.begin(), c.arguments.end());
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    cmcEeprom sorted = Opened(output);
    EXPECT_EQ(Names(sorted, RecordKind::kChannel, 100, 105), c.channels) << c.arguments.back();
    EXPECT_EQ(NameAt(sorted, RecordKind::kChannel, BankRowChannel(sorted, 1, 7)), "M2");
    EXPECT_EQ(NameAt(sorted, RecordKind::kChannel, ReadU16(sorted, kRememberedChannel)), "M3");
  }
}

TEST(SortCommand, SortsARepeaterGroup) {
  TempFolder folder;
  const std::string output = folder.Path("sorted.qmf");
  const CliRun run = Cli({"sort", SortableFile(folder), "--list", "repeaters", "--scope", "group:3", "--by", "name",
                          "--descending", "-o", output});
  ASSERT_EQ(run.status, 0) << run.err;
  cmcEeprom sorted = Opened(output);
  const int start = GroupStart(sorted, 2);
  EXPECT_EQ(Names(sorted, RecordKind::kRepeater, start, start + 2), (Strings{"Q2", "Q1", "Q0"}));
}

TEST(SortCommand, BadArgumentsExitOneAndWriteNothing) {
  TempFolder folder;
  const std::string input = SortableFile(folder);
  const std::string output = folder.Path("out.qmf");
  const std::vector<Strings> cases{
      {"sort", input, "--list", "memory", "--scope", "group:1", "-o", output},
      {"sort", input, "--list", "memory", "--scope", "group:1", "--by", "power", "-o", output},
      {"sort", input, "--list", "memory", "--scope", "group:9", "--by", "name", "-o", output},
      {"sort", input, "--list", "memory", "--by", "name", "-o", output},
      {"sort", input, "--list", "scan-edges", "--by", "name", "-o", output},
      {"sort", input, "--list", "gps", "--by", "frequency", "-o", output},
      {"sort", input, "--list", "your-calls", "--by", "mode", "-o", output},
      {"sort", input, "--list", "memory", "--scope", "group:1", "--by", "name"},
      {"sort", "--list", "memory", "--scope", "group:1", "--by", "name", "-o", output},
  };
  for (const Strings& args : cases) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1) << args[3] << " " << args.back();
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(std::filesystem::exists(output));
  }
}

}  // namespace

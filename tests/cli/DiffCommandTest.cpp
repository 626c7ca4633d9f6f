// tessel-cli diff: the fields that differ between two files in the texts the pages show, the
// exit status, files of two generations, damaged files and wrong arguments.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "files/FilesTestSupport.h"
#include "memory/Generation.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "support/CliRun.h"

namespace {

// Channel 0 of the defaults copied to channel 12 at the frequency given.
void PutChannel12(cmcEeprom& image, std::uint32_t frequency) {
  datCh record(image);
  record.Load(RecordKind::kChannel, 0);
  record.frequency = frequency;
  record.Store(RecordKind::kChannel, 12);
}

class DiffCommand : public ::testing::Test {
 protected:
  std::string NewFile(const std::string& name, int destination, int generation) {
    const std::string path = folder_.Path(name);
    const CliRun run = Cli(
        {"new", "--destination", std::to_string(destination), "-o", path, "--generation", std::to_string(generation)});
    EXPECT_EQ(run.status, 0) << run.err;
    return path;
  }

  // A copy of the file with the image changed through the core, saved as tessel-cli saves.
  std::string EditedCopy(const std::string& source, const std::string& name,
                         const std::function<void(cmcEeprom&)>& edit) {
    const std::string path = folder_.Path(name);
    const DestinationSession session(2);
    cmcEeprom image;
    EXPECT_EQ(OpenCliDocument(source, session, image, {}), 0);
    edit(image);
    EXPECT_EQ(SaveCliDocument(image, path, session, {3, true}, {}), 0);
    return path;
  }

  void SetUp() override {
    plain_ = NewFile("plain.qmf", 2, 3);
    before_ = EditedCopy(plain_, "before.qmf", [](cmcEeprom& image) { PutChannel12(image, 145500000); });
  }

  TempFolder folder_;
  std::string plain_;
  std::string before_;
};

TEST_F(DiffCommand, AChangedChannelReadsAsItsFieldInThePagesTexts) {
  const std::string after = EditedCopy(before_, "after.qmf", [](cmcEeprom& image) { PutChannel12(image, 145525000); });
  const CliRun run = Cli({"diff", before_, after});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.out, "memory: channel 12 frequency 145.500000 -> 145.525000\n");
  EXPECT_EQ(run.err, "");

  const CliRun json = Cli({"diff", before_, after, "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out,
            "{\"generations\": [3, 3], \"converted\": false, \"destinations\": [2, 2], \"differences\": [\n"
            "  {\"list\": \"memory\", \"index\": 12, \"entry\": \"channel 12\", \"field\": \"frequency\", "
            "\"before\": \"145.500000\", \"after\": \"145.525000\"}\n"
            "]}\n");
}

// Changes made with tessel-cli set and by adding a channel: a new channel shows every field
// it fills, an empty value and one with a space are quoted.
TEST_F(DiffCommand, SettingsAndNewEntriesAreListedInPageOrder) {
  const std::string set = folder_.Path("set.qmf");
  ASSERT_EQ(Cli({"set", before_, "AutoPowerOFF=60min", "-o", set}).status, 0);
  const CliRun settings = Cli({"diff", before_, set});
  EXPECT_EQ(settings.status, 1);
  EXPECT_EQ(settings.out, "settings: Common AutoPowerOFF OFF -> 60min\n");

  const CliRun added = Cli({"diff", plain_, before_});
  EXPECT_EQ(added.status, 1);
  EXPECT_TRUE(added.out.starts_with("memory: channel 12 frequency \"\" -> 145.500000\n")) << added.out;
  EXPECT_NE(added.out.find("memory: channel 12 dtcs_polarity \"\" -> \"Both N\"\n"), std::string::npos) << added.out;
  EXPECT_EQ(added.out.find("channel 11"), std::string::npos) << added.out;
}

TEST_F(DiffCommand, EqualFilesExitZeroAndPrintNothing) {
  const std::string copy = EditedCopy(before_, "copy.qmf", [](cmcEeprom&) {});
  const CliRun run = Cli({"diff", before_, copy});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const CliRun json = Cli({"diff", before_, before_, "--json"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out,
            "{\"generations\": [3, 3], \"converted\": false, \"destinations\": [2, 2], \"differences\": []}\n");
}

// A generation-2 file and the generation-3 file it was made from hold the same document; the
// first line says they were compared after conversion, and a change still shows.
TEST_F(DiffCommand, FilesOfTwoGenerationsAreComparedAfterConversion) {
  const std::string older = folder_.Path("older.qmf");
  ASSERT_EQ(Cli({"convert", before_, "-o", older, "--generation", "2"}).status, 0);
  const CliRun same = Cli({"diff", older, before_});
  EXPECT_EQ(same.status, 0) << same.err << same.out;
  EXPECT_EQ(same.out, older + " is generation 2 (" + GenerationName(2) + "), " + before_ + " generation 3 (" +
                          GenerationName(3) + "): compared after converting both to generation 3.\n");
  EXPECT_NE(Cli({"diff", older, before_, "--json"}).out.find("\"generations\": [2, 3], \"converted\": true"),
            std::string::npos);

  const CliRun changed = Cli({"diff", older, plain_});
  EXPECT_EQ(changed.status, 1);
  EXPECT_NE(changed.out.find("compared after converting"), std::string::npos);
  EXPECT_NE(changed.out.find("memory: channel 12 frequency 145.500000 -> \"\"\n"), std::string::npos) << changed.out;
}

TEST_F(DiffCommand, ADifferentDestinationIsADifference) {
  const std::string other = NewFile("other.qmf", 7, 3);
  const CliRun run = Cli({"diff", plain_, other});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("file: destination 2 -> 7\n")) << run.out;
}

// A damaged file on either side ends the command with its error, naming the file.
TEST_F(DiffCommand, ADamagedFileExitsTwoWithItsFileError) {
  for (const char* fixture : {"wrong-model", "data-line-non-hexadecimal", "empty-file", "coverage-missing-last-byte"}) {
    SCOPED_TRACE(fixture);
    const std::string damaged = std::string(TESSEL_TEST_DATA_DIR) + "/qmf/" + fixture + "/input.qmf";
    const std::string expected = ReadBytes(std::string(TESSEL_TEST_DATA_DIR) + "/qmf/" + fixture + "/expected.txt");
    const std::string message = expected.substr(expected.find("message=") + 8);
    for (const auto& args : {std::vector<std::string>{"diff", damaged, plain_},
                             std::vector<std::string>{"diff", plain_, damaged, "--json"}}) {
      const CliRun run = Cli(args);
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.out, "");
      EXPECT_TRUE(run.err.starts_with(damaged + ": File error.")) << run.err;
      EXPECT_NE(run.err.find(message.substr(0, message.find('\n'))), std::string::npos) << run.err;
    }
  }
  const CliRun missing = Cli({"diff", plain_, folder_.Path("missing.qmf")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(missing.err.starts_with(folder_.Path("missing.qmf") + ": ")) << missing.err;
}

TEST_F(DiffCommand, WrongArgumentsAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"diff", plain_},
      {"diff", plain_, plain_, plain_},
      {"diff", plain_, plain_, "--unknown"},
      {"diff", plain_, plain_, "--destination", "16"},
      {"diff", plain_, plain_, "-o", "x.qmf"},
  };
  for (const auto& args : cases) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1) << args.back();
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("tessel-cli: ")) << run.err;
  }
  EXPECT_NE(Cli({"diff", plain_}).err.find("usage: tessel-cli diff A B"), std::string::npos);
  EXPECT_TRUE(Cli({"diff", "--help"}).out.starts_with("Usage: tessel-cli diff A B [--json] [--destination D]\n"));
}

}  // namespace

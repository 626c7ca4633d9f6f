#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "files/FilesTestSupport.h"
#include "memory/datCh.h"
#include "support/CliRun.h"

namespace {

class CsvCli : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = folder_.Path("doc.qmf");
    ASSERT_EQ(Cli({"new", "--destination", "2", "-o", document_}).status, 0);
  }

  std::string Csv(std::string_view name, std::string_view bytes) {
    const std::string path = folder_.Path(name);
    WriteBytes(path, bytes);
    return path;
  }

  datCh Channel(const std::string& path, int index) {
    const DestinationSession session(2);
    EXPECT_EQ(OpenCliDocument(path, session, image_, {}), 0);
    datCh record(image_);
    record.Load(RecordKind::kChannel, index);
    return record;
  }

  TempFolder folder_;
  std::string document_;
  cmcEeprom image_;
};

TEST_F(CsvCli, ExportThenImportRoundTrips) {
  const std::string csv = folder_.Path("page0.csv");
  const CliRun exported = Cli({"export", document_, "--list", "memory", "--scope", "group:0", "-o", csv});
  ASSERT_EQ(exported.status, 0) << exported.err;
  const std::string out = folder_.Path("out.qmf");
  const CliRun imported = Cli({"import", document_, "--list", "memory", csv, "--scope", "group:3", "-o", out});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.err, "");
  EXPECT_EQ(Channel(out, 301).frequency, Channel(document_, 1).frequency);
  const std::string again = folder_.Path("page3.csv");
  ASSERT_EQ(Cli({"export", out, "--list", "memory", "--scope", "group:3", "-o", again}).status, 0);
  EXPECT_EQ(ReadBytes(again), ReadBytes(csv));
}

TEST_F(CsvCli, TheCsvFormatSettingsChooseSeparatorDecimalAndDateOrder) {
  const std::string set = folder_.Path("semicolon.qmf");
  const CliRun changed = Cli({"set", document_, "Exp_CsvSepdec=Sep [;]  Dec [,]", "Exp_CsvDate=dd/mm/yyyy", "-o", set});
  ASSERT_EQ(changed.status, 0) << changed.err;
  const std::string csv = folder_.Path("page.csv");
  ASSERT_EQ(Cli({"export", set, "--list", "memory", "--scope", "group:0", "-o", csv}).status, 0);
  const std::string text = ReadBytes(csv);
  EXPECT_TRUE(text.starts_with("CH No;Frequency;Dup;")) << text.substr(0, 40);
  EXPECT_NE(text.find("\r\n00;145,000000;"), std::string::npos) << text.substr(0, 300);
  // The same file read under the settings it was written with gives the same channels.
  const std::string out = folder_.Path("out.qmf");
  ASSERT_EQ(Cli({"import", set, "--list", "memory", csv, "--scope", "group:2", "-o", out}).status, 0);
  EXPECT_EQ(Channel(out, 200).frequency, 145000000u);
}

TEST_F(CsvCli, ExitStatusesTellFileErrorsAndRefusedRows) {
  const std::string out = folder_.Path("out.qmf");
  const std::string refused = Csv("refused.csv", "CH No,Frequency\r\n00,145.0\r\n01,50.0\r\n100,145.0\r\n");
  const CliRun partial = Cli({"import", document_, "--list", "memory", refused, "--scope", "group:0", "-o", out});
  EXPECT_EQ(partial.status, CliExit::kRowsRefused);
  EXPECT_NE(partial.err.find(refused + ":3: refused: frequency \"50.0\""), std::string::npos) << partial.err;
  EXPECT_NE(partial.err.find(refused + ":4: refused: CH No \"100\""), std::string::npos) << partial.err;
  EXPECT_NE(partial.err.find("Some channels are read as blank"), std::string::npos) << partial.err;
  EXPECT_EQ(Channel(out, 0).frequency, 145000000u);

  struct Case {
    const char* name;
    std::string csv;
    const char* message;
  } cases[] = {
      {"missing file", folder_.Path("missing.csv"), "Cannot open the file."},
      {"header of another list", Csv("other.csv", "Name,Call Sign\r\nx,JA1ABC\r\n"), "Illegal data."},
      {"header only", Csv("header.csv", "CH No,Frequency\r\n"), "No channel data was found."},
  };
  for (const auto& c : cases) {
    const std::string target = folder_.Path(std::string(c.name) + ".qmf");
    const CliRun run = Cli({"import", document_, "--list", "memory", c.csv, "--scope", "group:0", "-o", target});
    EXPECT_EQ(run.status, CliExit::kFileError) << c.name;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(target)) << c.name;
  }

  const CliRun unwritable =
      Cli({"export", document_, "--list", "repeaters", "-o", folder_.Path("no/such/folder/x.csv")});
  EXPECT_EQ(unwritable.status, CliExit::kFileError);
  EXPECT_NE(unwritable.err.find("Cannot access the file."), std::string::npos) << unwritable.err;
}

TEST_F(CsvCli, ListsAndScopesAreChecked) {
  const std::string csv = folder_.Path("x.csv");
  for (const std::vector<std::string>& scope : {std::vector<std::string>{"--list", "memory"},
                                                {"--list", "memory", "--scope", "group:5"},
                                                {"--list", "bank", "--scope", "bank:1"},
                                                {"--list", "repeaters", "--scope", "group:0"},
                                                {"--list", "repeaters", "--scope", "group:31"},
                                                {"--list", "your-calls", "--scope", "group:1"},
                                                {"--list", "nonsense"},
                                                {}}) {
    std::vector<std::string> args{"export", document_, "-o", csv};
    args.insert(args.end(), scope.begin(), scope.end());
    EXPECT_EQ(Cli(args).status, CliExit::kUsage) << (scope.empty() ? "no list" : scope.back());
  }
  const CliRun unscoped = Cli({"import", document_, "--list", "memory", csv, "-o", folder_.Path("o.qmf")});
  EXPECT_EQ(unscoped.status, CliExit::kUsage);
  EXPECT_NE(unscoped.err.find("--list memory needs --scope"), std::string::npos) << unscoped.err;
  for (const std::vector<std::string>& scope : {std::vector<std::string>{"--list", "bank", "--scope", "bank:z"},
                                                {"--list", "gps", "--scope", "group:Q"},
                                                {"--list", "gps", "--scope", "group:0"},
                                                {"--list", "repeaters", "--scope", "group:30"},
                                                {"--list", "broadcast"},
                                                {"--list", "tx-to"}}) {
    std::vector<std::string> args{"export", document_, "-o", csv};
    args.insert(args.end(), scope.begin(), scope.end());
    EXPECT_EQ(Cli(args).status, 0) << scope.back();
  }
  const std::string header = Csv("calls.csv", "Call Sign\r\nJA1ABC\r\n");
  EXPECT_EQ(Cli({"import", document_, "--list", "tx-to", header, "-o", folder_.Path("o.qmf")}).status,
            CliExit::kFileError);
}

TEST_F(CsvCli, TheGenericLayoutOverTheWholeMemory) {
  const std::string csv = folder_.Path("all.csv");
  const CliRun exported =
      Cli({"export", document_, "--list", "memory", "--scope", "all", "--layout", "generic", "-o", csv});
  ASSERT_EQ(exported.status, 0) << exported.err;
  const std::string text = ReadBytes(csv);
  ASSERT_TRUE(text.starts_with("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,")) << text;
  const std::size_t firstRow = text.find("\r\n") + 2;
  const std::string firstChannel = text.substr(firstRow, text.find(',', firstRow) - firstRow);

  // Back into an emptied copy: the whole memory is replaced by the file's rows.
  const std::string emptied = folder_.Path("emptied.qmf");
  ASSERT_EQ(Cli({"import", document_, "--list", "memory", Csv("empty.csv", "Location,Frequency\r\n499,145.0\r\n"),
                 "--scope", "all", "-o", emptied})
                .status,
            0);
  EXPECT_FALSE(Channel(emptied, std::stoi(firstChannel)).IsUsed());
  const std::string out = folder_.Path("out.qmf");
  const CliRun imported = Cli({"import", emptied, "--list", "memory", csv, "--scope", "all", "-o", out});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_FALSE(Channel(out, 499).IsUsed());
  EXPECT_EQ(Channel(out, std::stoi(firstChannel)).frequency, Channel(document_, std::stoi(firstChannel)).frequency);
  const std::string again = folder_.Path("again.csv");
  ASSERT_EQ(Cli({"export", out, "--list", "memory", "--scope", "all", "--layout", "generic", "-o", again}).status, 0);
  EXPECT_EQ(ReadBytes(again), text);

  const std::string refused = Csv("refused.csv", "Location,Frequency,Mode\r\n1,145.0,FM\r\n2,145.0,USB\r\n");
  const CliRun partial = Cli({"import", document_, "--list", "memory", refused, "--scope", "all", "-o", out});
  EXPECT_EQ(partial.status, CliExit::kRowsRefused);
  EXPECT_NE(partial.err.find(refused + ":3: refused: Mode \"USB\""), std::string::npos) << partial.err;

  const CliRun neither = Cli({"import", document_, "--list", "memory", Csv("neither.csv", "Ch,MHz\r\n1,145.0\r\n"),
                              "--scope", "group:0", "-o", folder_.Path("neither.qmf")});
  EXPECT_EQ(neither.status, CliExit::kFileError);
  EXPECT_NE(neither.err.find("(generic channels)"), std::string::npos) << neither.err;

  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--list", "repeaters", "--layout", "generic"},
                                                {"--list", "memory", "--scope", "group:0", "--layout", "other"},
                                                {"--list", "bank", "--scope", "bank:A", "--layout", "generic"}}) {
    std::vector<std::string> args{"export", document_, "-o", csv};
    args.insert(args.end(), wrong.begin(), wrong.end());
    EXPECT_EQ(Cli(args).status, CliExit::kUsage) << wrong[1] << " " << wrong.back();
  }
  EXPECT_NE(Cli({"export", "--help"}).out.find("--layout generic writes memory channels"), std::string::npos);
}

TEST_F(CsvCli, AGenericFileFillsARepeaterGroup) {
  const std::string csv =
      Csv("directory.csv",
          "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,RPT1CALL,RPT2CALL\r\n"
          "0,Hill,439.010000,-,9.400000,,88.5,88.5,DV,JR1VB  B,JR1VB  G\r\n"
          "1,Town,145.650000,-,0.600000,Tone,88.5,88.5,FM,,\r\n");
  const std::string out = folder_.Path("rpt.qmf");
  const CliRun run = Cli({"import", document_, "--list", "repeaters", csv, "--scope", "group:3", "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string listed = folder_.Path("rpt.csv");
  ASSERT_EQ(Cli({"export", out, "--list", "repeaters", "--scope", "group:3", "-o", listed}).status, 0);
  const std::string text = ReadBytes(listed);
  EXPECT_NE(text.find("3,,Hill,,JR1VB  B,JR1VB  G,439.010000,DUP-,9.400000,DV,"), std::string::npos) << text;
  EXPECT_NE(text.find("3,,Town,,,,145.650000,DUP-,0.600000,FM,TONE,88.5Hz,"), std::string::npos) << text;
}

}  // namespace

#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "cli/print/CliPrint.h"
#include "files/FilesTestSupport.h"
#include "memory/ListEntries.h"
#include "memory/datCh.h"
#include "sheet/cells/StandaloneCellDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "support/CliRun.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "ui/PrintOutput.h"

namespace {

// tessel-cli with its print command, which the window libraries provide.
CliRun PrintingCli(const std::vector<std::string>& args) {
  InstallPrintCommand(&RunPrintCommand);
  return Cli(args);
}

struct Channel {
  int index;
  std::uint32_t frequency;
  const char* shown;
  const char* name;
};

// Spread over three of the five memory pages, out of name order, so that only the page
// order puts them in the order below.
constexpr std::array<Channel, 5> kChannels{{
    {3, 145500000, "145.500000", "ZULU CALLING"},
    {17, 433450000, "433.450000", "ALPHA SIMPLEX"},
    {120, 144800000, "144.800000", "APRS"},
    {121, 439987500, "439.987500", "MIKE RELAY"},
    {499, 146520000, "146.520000", "LAST ONE"},
}};

std::string FixtureFile(const TempFolder& folder) {
  const std::string blank = folder.Path("blank.qmf");
  EXPECT_EQ(PrintingCli({"new", "--destination", "0", "-o", blank}).status, 0);
  const DestinationSession session(0);
  cmcEeprom document;
  EXPECT_EQ(OpenCliDocument(blank, session, document, {}), 0);
  datCh record(document);
  for (const Channel& c : kChannels) {
    record.Load(RecordKind::kChannel, c.index);
    record.SetUsed(true);
    record.frequency = c.frequency;
    record.name = MakeFixedText<16>(c.name);
    record.Commit();
  }
  const std::string path = folder.Path("plan.qmf");
  EXPECT_EQ(SaveCliDocument(document, path, session, {3, true}, {}), 0);
  return path;
}

// The text of a PDF file as the Debian PDF tools extract it, in reading order.
std::string PdfText(const std::string& path) {
  const std::string command = "pdftotext -layout '" + path + "' -";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string text;
  std::array<char, 4096> buffer{};
  while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) text.append(buffer.data(), n);
  EXPECT_EQ(pclose(pipe), 0) << "pdftotext (poppler-utils) must be installed";
  return text;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(PrintedPdf, HoldsTheChannelsFrequenciesAndNamesInOrder) {
  TempFolder folder;
  const std::string file = FixtureFile(folder);
  const CliRun run = PrintingCli({"print", file, "--list", "memory", "-o", folder.Path("plan.pdf")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("written to"), std::string::npos);
  const std::string text = PdfText(folder.Path("plan.pdf"));
  std::size_t at = 0;
  for (const Channel& c : kChannels) {
    for (const char* expected : {c.shown, c.name}) {
      const std::size_t found = text.find(expected, at);
      ASSERT_NE(found, std::string::npos) << expected << " after position " << at << "\n" << text;
      at = found;
    }
  }
  // The frame: the page title, the program with its revision and the maker (the extractor
  // joins runs of spaces).
  EXPECT_NE(text.find("Memory CH"), std::string::npos);
  EXPECT_NE(text.find("Tessel Rev."), std::string::npos);
  EXPECT_NE(text.find("Quor Inc."), std::string::npos);
}

// Each repeater group's page shows its own entries, whichever group comes first: the cells
// of a printed list page learn the page's range from the page itself.
TEST(PrintedPdf, EveryRepeaterGroupPrintsItsEntries) {
  TempFolder folder;
  const std::string blank = folder.Path("blank.qmf");
  ASSERT_EQ(PrintingCli({"new", "--destination", "0", "-o", blank}).status, 0);
  const DestinationSession session(0);
  cmcEeprom document;
  ASSERT_EQ(OpenCliDocument(blank, session, document, {}), 0);
  constexpr std::array<std::pair<int, const char*>, 3> kRepeaters{
      {{0, "FIRST HILL"}, {2, "THIRD HILL"}, {29, "LAST HILL"}}};
  datCh record(document);
  for (std::size_t i = 0; i < kRepeaters.size(); ++i) {
    ASSERT_TRUE(InsertRepeater(document, kRepeaters[i].first, static_cast<int>(i)));
    record.Load(RecordKind::kRepeater, static_cast<int>(i));
    record.name = MakeFixedText<16>(kRepeaters[i].second);
    record.Commit();
  }
  const std::string file = folder.Path("repeaters.qmf");
  ASSERT_EQ(SaveCliDocument(document, file, session, {3, true}, {}), 0);
  const CliRun run = PrintingCli({"print", file, "--list", "repeaters", "-o", folder.Path("repeaters.pdf")});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = PdfText(folder.Path("repeaters.pdf"));
  for (const auto& [group, name] : kRepeaters) EXPECT_NE(text.find(name), std::string::npos) << name << "\n" << text;
}

TEST(PrintedPdf, EveryPageOfTheTreePrintsWithAll) {
  TempFolder folder;
  const std::string file = FixtureFile(folder);
  const CliRun run = PrintingCli({"print", file, "--all", "-o", folder.Path("all.pdf"), "--paper", "Letter"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = PdfText(folder.Path("all.pdf"));
  for (const char* title : {"Memory CH", "Bank Name", "DTMF Memory", "Common Setting", "Transmitted Call Record To"}) {
    EXPECT_NE(text.find(title), std::string::npos) << title;
  }
  EXPECT_NE(text.find("MIKE RELAY"), std::string::npos);
}

// The programs as a script runs them, in a session that sets no runtime folder: standard
// error holds nothing but the command's own messages (here none), whatever Qt notes.
TEST(PrintedPdf, TheProgramWritesOnlyItsOwnMessages) {
  const auto cli = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "cli" / "tessel-cli";
  ASSERT_TRUE(std::filesystem::exists(cli)) << cli;
  TempFolder folder;
  const std::string file = FixtureFile(folder);
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  program.setProcessEnvironment(environment);
  program.start(QString::fromStdString(cli.string()),
                {QStringLiteral("print"), QString::fromStdString(file), QStringLiteral("--list"),
                 QStringLiteral("memory"), QStringLiteral("-o"), QString::fromStdString(folder.Path("plan.pdf"))});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_EQ(program.readAllStandardError(), QByteArray());
  EXPECT_TRUE(program.readAllStandardOutput().contains("written to"));
}

TEST(PrintedPdf, BadRequestsWriteNothingAndSaySo) {
  TempFolder folder;
  const std::string file = FixtureFile(folder);
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const std::string pdf = folder.Path("x.pdf");
  const Case cases[] = {
      {{"print", file, "--list", "nothing", "-o", pdf}, 1, "unknown list nothing"},
      {{"print", file, "-o", pdf}, 1, "either --list LIST or --all"},
      {{"print", file, "--all", "--list", "memory", "-o", pdf}, 1, "either --list LIST or --all"},
      {{"print", file, "--list", "memory"}, 1, "needs -o"},
      {{"print", file, "--list", "memory", "-o", pdf, "--paper", "A0"}, 1, "unknown paper A0"},
      {{"print", file, "--list", "memory", "-o", pdf, "--font-size", "30"}, 1, "--font-size"},
      {{"print", folder.Path("missing.qmf"), "--list", "memory", "-o", pdf}, 2, "File error."},
      {{"print", file, "--list", "memory", "-o", folder.Path("plan.qmf/x.pdf")}, 2, "cannot write"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const CliRun run = PrintingCli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(folder.Entries(), (std::set<std::string>{"blank.qmf", "plan.qmf"}));
}

TEST(PrintedPdf, APageWithNoRoomForCellsLeavesTheOldFile) {
  TempFolder folder;
  const std::string target = folder.Path("old.pdf");
  std::ofstream(target) << "old bytes";
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  const DestinationSession session(0);
  cmcEeprom image;
  image.Assign(session.Defaults());
  cmcEeprom defaults;
  defaults.Assign(session.Defaults());
  StandaloneCellDocument document(image, defaults, ApplicationTexts());
  indActiveCell behaviour(document);
  PdfJob job;
  job.sheets = {"[St_ColCut]GI_Sheet_MemoryCH,0,0"};
  job.pageSize = QPageSize(QSizeF(25, 25), QPageSize::Millimeter);
  job.path = target;
  EXPECT_EQ(WritePdf({ApplicationTexts(), document, behaviour.Callback(), nullptr}, job), PrintResult::PageTooSmall);
  EXPECT_EQ(FileBytes(target), "old bytes");
  EXPECT_EQ(folder.Entries(), (std::set<std::string>{"old.pdf"}));
}

// A printer that refuses the document (here a print-to-file printer whose folder is gone)
// ends the printout as failed, with nothing written.
TEST(PrintedPdf, APrinterThatRefusesTheDocumentFailsThePrintout) {
  TempFolder folder;
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  const DestinationSession session(0);
  cmcEeprom image;
  image.Assign(session.Defaults());
  cmcEeprom defaults;
  defaults.Assign(session.Defaults());
  StandaloneCellDocument document(image, defaults, ApplicationTexts());
  indActiveCell behaviour(document);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(folder.Path("gone/out.pdf")));
  SheetPages layout({ApplicationTexts(), document, behaviour.Callback(), nullptr}, printer, 10);
  std::vector<PrintedPage> pages;
  ASSERT_GT(layout.AddSheet("[St_ColCut]GI_Sheet_MemoryCH,0,0", {}, pages), 0);
  EXPECT_EQ(DrawPages(printer, layout, pages), PrintResult::DeviceFailed);
  EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace

#include "cli/print/CliPrint.h"

#include <QGuiApplication>
#include <array>
#include <memory>
#include <optional>

#include "base/cmcEvMan.h"
#include "cli/CliDocument.h"
#include "cli/TesselCli.h"
#include "manual/ManualText.h"
#include "platform/FrozenTiming.h"
#include "sheet/cells/StandaloneCellDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/SheetName.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/CommandLine.h"
#include "text/LineTables.h"
#include "ui/PrintOutput.h"

namespace {

struct PrintList {
  std::string_view name;
  std::array<std::string_view, 3> keys;
};

constexpr PrintList kLists[] = {
    {"memory", {"GI_Sheet_MemoryCH"}},
    {"scan-edges", {"GI_Sheet_ScanEdge"}},
    {"scan-names", {"GI_Sheet_ScanName"}},
    {"bank-names", {"GI_Sheet_BankName"}},
    {"banks", {"GI_Sheet_BankCH"}},
    {"call", {"GI_Sheet_CallCh"}},
    {"scan-links", {"GI_Sheet_ScanLink_Name", "GI_Sheet_ScanLink"}},
    {"broadcast", {"GI_Sheet_Radio_BankName", "GI_Sheet_Radio_Fm", "GI_Sheet_Radio_Am"}},
    {"dtmf", {"GI_Sheet_DTMF_Memory"}},
    {"your-calls", {"GI_Sheet_You_Callsign"}},
    {"repeater-groups", {"GI_Sheet_GroupName"}},
    {"repeaters", {"GI_Sheet_RepeaterList"}},
    {"my-calls", {"GI_Sheet_My_Callsign"}},
    {"messages", {"GI_Sheet_Message"}},
    {"tx-calls", {"GI_Sheet_Txed_Call_From", "GI_Sheet_Txed_Call_FAnalog", "GI_Sheet_Txed_Call_To"}},
    {"rx-calls", {"GI_Sheet_Received_Callsign", "GI_Sheet_Txed_Call_Ref"}},
    {"gps-groups", {"GI_Sheet_GPS_BankName"}},
    {"gps", {"GI_Sheet_GPS_BankCH"}},
    {"set-digital", {"GI_Sheet_Digital"}},
    {"set-gps", {"GI_Sheet_GPS"}},
    {"set-common", {"GI_Sheet_Common"}},
    {"set-ab-band", {"GI_Sheet_AB_Band"}},
};

struct Paper {
  std::string_view name;
  QPageSize::PageSizeId id;
};
constexpr Paper kPapers[] = {{"A4", QPageSize::A4},
                             {"A5", QPageSize::A5},
                             {"B5", QPageSize::B5},
                             {"Letter", QPageSize::Letter},
                             {"Legal", QPageSize::Legal}};

int Usage(std::ostream& err, const std::string& message) {
  err << "tessel-cli: " << message << "\nTry 'tessel-cli print --help'.\n";
  return CliExit::kUsage;
}

// The tree's sheets of a list, in tree order; none for an unknown list.
std::optional<std::vector<std::string>> SheetsOfList(cmcGTex& texts, std::string_view list) {
  const auto found = std::ranges::find(kLists, list, &PrintList::name);
  if (found == std::end(kLists)) return std::nullopt;
  std::vector<std::string> sheets;
  for (const std::string& sheet : TreeSheetNames(texts)) {
    const std::string key = SplitSheetName(sheet).key;
    if (std::ranges::find(found->keys, key) != found->keys.end()) sheets.push_back(sheet);
  }
  return sheets;
}

std::string ResultText(PrintResult result, cmcGTex& texts, const std::string& path) {
  switch (result) {
    case PrintResult::PageTooSmall:
      return ToUtf8(texts.GetValueText("GI_Sys_Printer_PageTooSmall"), CodePage::Cp1252);
    case PrintResult::NothingToPrint:
      return "nothing to print: the pages chosen hold no entry";
    default:
      return "cannot write " + path + " (no file was changed)";
  }
}

int Print(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string error;
  const auto pointSize = IntegerOption(line, "--font-size", 8, 12, 10, error);
  if (!pointSize) return Usage(err, error);
  const std::string paperName = line.Value("--paper").value_or("A4");
  const auto paper = std::ranges::find(kPapers, paperName, &Paper::name);
  if (paper == std::end(kPapers)) return Usage(err, "unknown paper " + paperName);
  const auto target = line.Value("-o");
  if (!target) return Usage(err, "print needs -o OUT.pdf");
  if (line.Has("--all") == line.Has("--list")) return Usage(err, "print needs either --list LIST or --all");

  cmcGTex& texts = ApplicationTexts();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  const auto reporter = [&](int code) { err << ToUtf8(FileErrorText(texts, code), CodePage::Cp1252) << "\n"; };
  PdfJob job;
  if (line.Has("--all")) {
    job.sheets = TreeSheetNames(texts);
  } else {
    const auto sheets = SheetsOfList(texts, *line.Value("--list"));
    if (!sheets) return Usage(err, "unknown list " + *line.Value("--list"));
    job.sheets = *sheets;
  }
  job.pageSize = QPageSize(paper->id);
  job.pointSize = *pointSize;
  job.path = *target;

  const std::string& file = line.positionals[1];
  int destination = 0;
  if (line.Has("--destination")) {
    const auto given = IntegerOption(line, "--destination", 0, 15, std::nullopt, error);
    if (!given) return Usage(err, error);
    destination = *given;
  } else {
    const QmfHeaderFacts facts = ReadQmfHeader(file, reporter);
    if (facts.code != FileError::kNone) return CliExit::kFileError;
    destination = facts.destination;
  }
  const DestinationSession session(destination);
  cmcEeprom image;
  if (OpenCliDocument(file, session, image, reporter) != FileError::kNone) return CliExit::kFileError;
  cmcEeprom defaults;
  defaults.Assign(session.Defaults());
  StandaloneCellDocument document(image, defaults, texts);
  // The list pages answer their list's range through events while they are drawn; nothing
  // here waits for a timer.
  const FrozenTiming timing;
  cmcEvMan events;
  document.SetEvents(&events);
  indActiveCell behaviour(document);
  int pages = 0;
  const PrintResult result = WritePdf({texts, document, behaviour.Callback(), nullptr}, job, &pages);
  if (result != PrintResult::Done) {
    err << "tessel-cli: " << ResultText(result, texts, job.path) << "\n";
    return result == PrintResult::NothingToPrint ? CliExit::kUsage : CliExit::kFileError;
  }
  out << pages << (pages == 1 ? " page" : " pages") << " written to " << job.path << "\n";
  return CliExit::kSuccess;
}

QtMessageHandler qtHandler = nullptr;

// Qt's notes on its platform (no runtime folder, fonts) are not the command's messages: a
// command writes only its own. What stops Qt itself still gets through.
void PassSevereQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && qtHandler != nullptr) qtHandler(type, context, text);
}

int PrintWithGui(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (QGuiApplication::instance() != nullptr) return Print(line, out, err);
  qtHandler = qInstallMessageHandler(&PassSevereQtMessages);
  // Fonts need a platform; the offscreen one needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tessel-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  return Print(line, out, err);
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const KnownOptions options{{"-o", "--list", "--paper", "--font-size", "--destination"}, {"--all", "--help"}};
  const std::optional<CommandLine> line = ParseCommandLine(args, options, error);
  if (!line) return Usage(err, error);
  if (line->Has("--help")) {
    out << CommandHelp(*FindManualCommand(CliManual(), "print"));
    return CliExit::kSuccess;
  }
  if (line->positionals.size() != 2) return Usage(err, "usage: tessel-cli print FILE (--list LIST | --all) -o OUT.pdf");
  return PrintWithGui(*line, out, err);
}

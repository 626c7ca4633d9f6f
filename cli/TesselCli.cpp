#include "cli/TesselCli.h"

#include <functional>
#include <map>
#include <optional>

#include "cli/CheckReport.h"
#include "cli/CliDocument.h"
#include "cli/CommandLine.h"
#include "cli/CsvCommands.h"
#include "cli/JsonText.h"
#include "cli/ListDump.h"
#include "cli/QmfFileNotes.h"
#include "cli/RadioCommands.h"
#include "cli/SettingsCommands.h"
#include "files/DocumentFile.h"
#include "memory/Generation.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/LineTables.h"

namespace {

constexpr std::string_view kOverview =
    "Usage: tessel-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  info FILE [--json]                               what a clone image file holds\n"
    "  new --destination D -o FILE [--generation G]     write a new document\n"
    "  convert IN -o OUT --generation G [--no-digest]   save a file as another generation\n"
    "  dump FILE --list LIST [--json] [--destination D] the decoded records of one list\n"
    "  set FILE ITEM[:INDEX]=TEXT ... -o OUT            change set-mode items (set --help)\n"
    "  check FILE [--destination D]                     run the record checks\n"
    "  print FILE (--list LIST | --all) -o OUT.pdf      the printed pages as PDF\n"
    "  export FILE --list LIST -o OUT.csv [--scope S]   one list as a CSV file\n"
    "  import FILE --list LIST IN.csv -o OUT.qmf [--scope S]  a CSV file into one list\n"
    "  radio info|read|write ...                        talk to a radio (radio --help)\n"
    "\n"
    "D is a destination code 0-15, G a generation 1-3. convert, dump, set and check use the\n"
    "destination the file names unless --destination is given.\n"
    "Exit status: 0 success, 1 wrong usage, 2 file error, 3 check found errors or import\n"
    "refused rows, "
    "4 the radio session failed.\n"
    "Options: --help (also after a command), --version.\n";

struct Io {
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  KnownOptions options;
  std::size_t fileArguments;  // positionals after the command word
  std::string_view usage;
  std::function<int(const CommandLine&, Io&)> run;
  bool moreArguments = false;  // more positionals may follow the file arguments
};

int UsageError(Io& io, const std::string& message) {
  io.err << "tessel-cli: " << message << "\nTry 'tessel-cli --help'.\n";
  return CliExit::kUsage;
}

FileErrorReporter ReportTo(std::ostream& err) {
  return [&err](int code) {
    cmcGTex& texts = ApplicationTexts();
    texts.SelectLineTable(LineTableOf(TableLanguage::English));
    err << ToUtf8(FileErrorText(texts, code), CodePage::Cp1252) << "\n";
  };
}

const std::string& FileArgument(const CommandLine& line) { return line.positionals[1]; }

int ExitOfFileCode(int code) { return code == FileError::kNone ? CliExit::kSuccess : CliExit::kFileError; }

std::optional<int> GenerationOption(const CommandLine& line, std::optional<int> fallback, std::string& error) {
  return IntegerOption(line, "--generation", DocumentFile::kOldestGeneration, DocumentFile::kNewestGeneration, fallback,
                       error);
}

// --destination when given, otherwise the destination the file's header names.
std::optional<int> DocumentDestination(const CommandLine& line, Io& io, int& status) {
  std::string error;
  if (line.Has("--destination")) {
    const auto destination = IntegerOption(line, "--destination", 0, 15, std::nullopt, error);
    if (!destination) status = UsageError(io, error);
    return destination;
  }
  const QmfHeaderFacts facts = ReadQmfHeader(FileArgument(line), ReportTo(io.err));
  if (facts.code != FileError::kNone) {
    status = CliExit::kFileError;
    return std::nullopt;
  }
  return facts.destination;
}

void PrintInfo(const QmfHeaderFacts& facts, const QmfFileNotes& notes, bool json, std::ostream& out) {
  const std::string comment = ToUtf8(notes.comment, CodePage::Cp1252);
  const auto yesNo = [json](bool value) { return json ? (value ? "true" : "false") : (value ? "yes" : "no"); };
  if (json) {
    out << "{\"generation\": " << facts.generation
        << ", \"generation_name\": " << JsonString(GenerationName(facts.generation)) << ", \"model_code\": \""
        << std::hex << DocumentFile::kModelCode << std::dec << "\", \"map_revision\": " << facts.mapRevision
        << ", \"destination\": " << facts.destination << ", \"comment\": " << JsonString(comment)
        << ", \"digest_present\": " << yesNo(notes.hasDigest) << ", \"digest_correct\": " << yesNo(notes.digestCorrect)
        << "}\n";
    return;
  }
  out << "Generation:     " << facts.generation << " (" << GenerationName(facts.generation) << ")\n"
      << "Model code:     " << std::hex << DocumentFile::kModelCode << std::dec << "\n"
      << "Map revision:   " << facts.mapRevision << "\n"
      << "Destination:    " << facts.destination << "\n"
      << "Comment:        " << comment << "\n"
      << "Digest line:    " << yesNo(notes.hasDigest) << "\n"
      << "Digest correct: " << yesNo(notes.digestCorrect) << "\n";
}

int RunInfo(const CommandLine& line, Io& io) {
  const QmfHeaderFacts facts = ReadQmfHeader(FileArgument(line), ReportTo(io.err));
  if (facts.code != FileError::kNone) return CliExit::kFileError;
  const std::optional<QmfFileNotes> notes = ReadQmfFileNotes(FileArgument(line));
  if (!notes) {
    ReportTo(io.err)(FileError::kFileAccess);
    return CliExit::kFileError;
  }
  PrintInfo(facts, *notes, line.Has("--json"), io.out);
  return CliExit::kSuccess;
}

int RunNew(const CommandLine& line, Io& io) {
  std::string error;
  const auto destination = IntegerOption(line, "--destination", 0, 15, std::nullopt, error);
  if (!destination) return UsageError(io, error);
  const auto generation = GenerationOption(line, DocumentFile::kNewestGeneration, error);
  if (!generation) return UsageError(io, error);
  const auto target = line.Value("-o");
  if (!target) return UsageError(io, "new needs -o FILE");
  const DestinationSession session(*destination);
  return ExitOfFileCode(SaveCliDocument(session.Defaults(), *target, session, {*generation, true}, ReportTo(io.err)));
}

// Opens the file argument as a document under its destination and hands both to work;
// a usage or file error ends the command first.
int WithOpenDocument(const CommandLine& line, Io& io,
                     const std::function<int(cmcEeprom&, const DestinationSession&)>& work) {
  int status = CliExit::kSuccess;
  const auto destination = DocumentDestination(line, io, status);
  if (!destination) return status;
  const DestinationSession session(*destination);
  cmcEeprom document;
  if (const int code = OpenCliDocument(FileArgument(line), session, document, ReportTo(io.err))) {
    return ExitOfFileCode(code);
  }
  return work(document, session);
}

int RunConvert(const CommandLine& line, Io& io) {
  std::string error;
  const auto generation = GenerationOption(line, std::nullopt, error);
  if (!generation) return UsageError(io, error);
  const auto target = line.Value("-o");
  if (!target) return UsageError(io, "convert needs -o OUT");
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession& session) {
    return ExitOfFileCode(
        SaveCliDocument(document, *target, session, {*generation, !line.Has("--no-digest")}, ReportTo(io.err)));
  });
}

constexpr std::string_view kDumpUsage =
    "tessel-cli dump FILE --list LIST [--json] [--destination D]\n"
    "\n"
    "The entries of one list of the document, opened as the window opens it (converted to\n"
    "generation 3, lists unpacked). Without --json a tab-separated table with the keys as its\n"
    "first row; with --json an array with one object per entry. Frequencies and offsets are\n"
    "in Hz, tones in Hz with one decimal (e.g. 88.5), texts lose their trailing spaces, and\n"
    "null stands for none.\n"
    "\n"
    "memory (channels 0-499), scan-edges (500-549), call (550-553): each used channel with\n"
    "  index, frequency, offset, duplex (0 OFF, 1 -DUP, 2 +DUP), tone_mode (stored code 0-11),\n"
    "  repeater_tone, tsql_tone, dtcs (three digits, e.g. \"023\"), dtcs_polarity (0-3),\n"
    "  mode (\"FM\", \"FM-N\", \"AM\", \"DV\"), tuning_step (stored code 0-14),\n"
    "  digital_squelch (0, 2, 4), digital_code (0-99), name, skip (0, 1, 3),\n"
    "  bank (0-25 or null), bank_channel (0-99 or null), your_call, rpt1, rpt2\n"
    "bank-names: every bank with index (0-25), bank (\"A\"-\"Z\"), name\n"
    "my-calls: all six with index, call_sign, note\n"
    "your-calls: each used entry with index, call_sign, name\n"
    "repeaters: each used entry with index, group (0-29), name, sub_name, call_sign, gateway,\n"
    "  frequency, offset, duplex, mode (\"DV\", \"FM\", \"FM-N\"), tone (0 OFF, 1 TONE,\n"
    "  2 TSQL), repeater_tone, rpt1_use, position (0 none, 1 approximate, 2 exact),\n"
    "  latitude and longitude (\"35 41.123 N\" or null), utc_offset (minutes or null)\n"
    "gps: each used memory with index, group, name, latitude, longitude, altitude (tenths of\n"
    "  a foot or null), date (\"2024-05-31\") and time (\"13:45:00\") as stored, in UTC; null\n"
    "  when the bytes are no real date or time of day (a memory without a stamp among them)\n"
    "broadcast: each used memory with index (100 x group + slot; AM from slot 50), band\n"
    "  (\"FM\", \"AM\"), group (0-25), frequency, name, skip (0, 1)\n"
    "dtmf: each memory holding digits with index (0-15), memory (\"d0\"-\"dD\", \"d*\", \"d#\"), code\n"
    "messages: each message that is not blank with index (0-4), text, selected (the one sent)\n"
    "scan-links: every link with index (0-9), name, pairs (its scan edge pairs 0-24)\n"
    "received-calls: each used entry with index (position 0-49), caller, caller_note, called,\n"
    "  rpt1, rpt2, message, status (the status byte), received_time (seconds since\n"
    "  2000-01-01 00:00 UTC or null), data_type, latitude, longitude, altitude, gps_message\n"
    "transmitted-calls: each used entry of the histories with history (\"from\", \"from-fm\",\n"
    "  \"to\", \"reflector\"), index, call_sign, frequency (or null), found_name (the name of\n"
    "  the repeater or your-call entry the call sign names, or null)\n"
    "repeater-groups: every group with index (0-29), name, first (list index), count\n"
    "gps-groups: every group with index (0 no group, 1-26 A-Z), name (null for 0), first\n"
    "  (list position or null), count\n"
    "settings: every item of the set-mode pages the destination shows, page by page, with\n"
    "  item (the name tessel-cli set takes, e.g. \"AutoPowerOFF\"), index (the element of the\n"
    "  per-band and per-key items, else null), page (\"Digital\", \"GPS\", \"Common\",\n"
    "  \"AB_Band\"), label (the row's caption), value (the stored number; the text of text\n"
    "  items and symbols; the shown text of positions; null where nothing is stored) and\n"
    "  text (what the page shows)\n";

constexpr std::string_view kSetUsage =
    "tessel-cli set FILE ITEM[:INDEX]=TEXT ... -o OUT [--generation G] [--no-digest]\n"
    "                [--destination D]\n"
    "\n"
    "Changes set-mode items as typing into the window's setting pages would and saves the\n"
    "document as convert does (generation 3 unless --generation is given). ITEM is a name\n"
    "that \"dump FILE --list settings\" lists (case does not matter); INDEX is the element of\n"
    "the per-band (0 A, 1 B) and per-key items. TEXT is what the page shows for the value:\n"
    "an entry of the item's list (\"30min\", \"ON\"), a number, a text; bank links take the\n"
    "letters of the linked banks (\"ACE\"), NMEA sentence items one to four names\n"
    "(\"GGA,RMC\"), positions the layout of the GPS text editor (\"035 41.12 N\"). The items are\n"
    "changed in the order given, each with the rules of its page (greying does not refuse,\n"
    "dependencies apply). A refused item is named with what it accepts; the command then\n"
    "exits 1 and writes nothing.\n";

int RunDump(const CommandLine& line, Io& io) {
  const auto list = line.Value("--list");
  if (!list) return UsageError(io, "dump needs --list LIST");
  if (!IsDumpList(*list)) return UsageError(io, "unknown list " + *list);
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession&) {
    DumpList(document, *list, line.Has("--json"), io.out);
    return CliExit::kSuccess;
  });
}

int RunSet(const CommandLine& line, Io& io) {
  std::string error;
  const auto generation = GenerationOption(line, DocumentFile::kNewestGeneration, error);
  if (!generation) return UsageError(io, error);
  const auto target = line.Value("-o");
  if (!target) return UsageError(io, "set needs -o OUT");
  const std::vector<std::string> assignments(line.positionals.begin() + 2, line.positionals.end());
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession& session) {
    if (!ApplySettings(document, assignments, io.err)) return CliExit::kUsage;
    return ExitOfFileCode(
        SaveCliDocument(document, *target, session, {*generation, !line.Has("--no-digest")}, ReportTo(io.err)));
  });
}

int RunCheck(const CommandLine& line, Io& io) {
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession&) {
    return ReportFindings(document, io.out).errors > 0 ? CliExit::kCheckErrors : CliExit::kSuccess;
  });
}

std::optional<CsvTarget> TargetOption(const CommandLine& line, Io& io, int& status) {
  std::string error;
  const auto target = ParseCsvTarget(line.Value("--list").value_or(""), line.Value("--scope"), error);
  if (!target) status = UsageError(io, line.Has("--list") ? error : "needs --list LIST");
  return target;
}

int RunExport(const CommandLine& line, Io& io) {
  int status = CliExit::kSuccess;
  const auto target = TargetOption(line, io, status);
  if (!target) return status;
  const auto output = line.Value("-o");
  if (!output) return UsageError(io, "export needs -o OUT.csv");
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession& session) {
    return ExportCsvList(document, session.Defaults(), *target, *output, io.err);
  });
}

int RunImport(const CommandLine& line, Io& io) {
  int status = CliExit::kSuccess;
  const auto target = TargetOption(line, io, status);
  if (!target) return status;
  std::string error;
  const auto generation = GenerationOption(line, DocumentFile::kNewestGeneration, error);
  if (!generation) return UsageError(io, error);
  const auto output = line.Value("-o");
  if (!output) return UsageError(io, "import needs -o OUT.qmf");
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession& session) {
    const CsvImportOutcome outcome = ImportCsvList(document, session.Defaults(), *target, line.positionals[2], io.err);
    if (outcome == CsvImportOutcome::kFileError) return CliExit::kFileError;
    const int code =
        SaveCliDocument(document, *output, session, {*generation, !line.Has("--no-digest")}, ReportTo(io.err));
    if (code != FileError::kNone) return CliExit::kFileError;
    return outcome == CsvImportOutcome::kRefused ? CliExit::kRowsRefused : CliExit::kSuccess;
  });
}

const std::map<std::string, Command, std::less<>>& Commands() {
  static const std::map<std::string, Command, std::less<>> commands{
      {"info", {{{}, {"--json", "--help"}}, 1, "tessel-cli info FILE [--json]\n", RunInfo}},
      {"new",
       {{{"-o", "--destination", "--generation"}, {"--help"}},
        0,
        "tessel-cli new --destination D -o FILE [--generation G]\n",
        RunNew}},
      {"convert",
       {{{"-o", "--destination", "--generation"}, {"--no-digest", "--help"}},
        1,
        "tessel-cli convert IN -o OUT --generation G [--no-digest] [--destination D]\n",
        RunConvert}},
      {"dump", {{{"--list", "--destination"}, {"--json", "--help"}}, 1, kDumpUsage, RunDump}},
      {"set", {{{"-o", "--destination", "--generation"}, {"--no-digest", "--help"}}, 1, kSetUsage, RunSet, true}},
      {"check", {{{"--destination"}, {"--help"}}, 1, "tessel-cli check FILE [--destination D]\n", RunCheck}},
      {"export", {{{"-o", "--list", "--scope", "--destination"}, {"--help"}}, 1, kCsvCommandHelp, RunExport}},
      {"import",
       {{{"-o", "--list", "--scope", "--destination", "--generation"}, {"--no-digest", "--help"}},
        2,
        kCsvCommandHelp,
        RunImport}},
  };
  return commands;
}

int RunCommand(const Command& command, const std::vector<std::string>& args, Io& io) {
  std::string error;
  const std::optional<CommandLine> line = ParseCommandLine(args, command.options, error);
  if (!line) return UsageError(io, error);
  if (line->Has("--help")) {
    io.out << "Usage: " << command.usage;
    return CliExit::kSuccess;
  }
  const std::size_t given = line->positionals.size() - 1;
  if (command.moreArguments ? given <= command.fileArguments : given != command.fileArguments) {
    const std::string_view firstLine = command.usage.substr(0, command.usage.find('\n'));
    return UsageError(io, "usage: " + std::string(firstLine));
  }
  return command.run(*line, io);
}

CliCommandFunction& PrintCommand() {
  static CliCommandFunction command = nullptr;
  return command;
}

}  // namespace

void InstallPrintCommand(CliCommandFunction command) { PrintCommand() = command; }

int RunTesselCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Io io{out, err};
  if (args.empty()) return UsageError(io, "no command given");
  if (args.front() == "--help" || args.front() == "help") {
    out << kOverview;
    return CliExit::kSuccess;
  }
  if (args.front() == "--version") {
    out << "tessel-cli " << TESSEL_VERSION << "\n";
    return CliExit::kSuccess;
  }
  if (args.front() == "radio") return RunRadioCommand(args, out, err);
  if (args.front() == "print") {
    if (PrintCommand() == nullptr)
      return UsageError(io, "print is not part of this build (it needs the window program)");
    return PrintCommand()(args, out, err);
  }
  const auto command = Commands().find(args.front());
  if (command == Commands().end()) return UsageError(io, "unknown command " + args.front());
  return RunCommand(command->second, args, io);
}

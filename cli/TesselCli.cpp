#include "cli/TesselCli.h"

#include <functional>
#include <map>
#include <optional>

#include "base/cmcEvMan.h"
#include "cli/CheckReport.h"
#include "cli/CliDocument.h"
#include "cli/CsvCommands.h"
#include "cli/DocumentDiff.h"
#include "cli/JsonText.h"
#include "cli/ListDump.h"
#include "cli/QmfFileNotes.h"
#include "cli/RadioCommands.h"
#include "cli/ScriptDocument.h"
#include "cli/SettingsCommands.h"
#include "cli/SortCommand.h"
#include "files/DocumentFile.h"
#include "manual/ManualText.h"
#include "manual/ProgramVersion.h"
#include "memory/Generation.h"
#include "platform/FrozenTiming.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/CommandLine.h"
#include "text/LineTables.h"

namespace {

struct Io {
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  KnownOptions options;
  std::size_t fileArguments;  // positionals after the command word
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

// The file's header facts; a damaged file is named with its error on err.
std::optional<DiffFile> DiffFileFacts(const std::string& path, Io& io) {
  const QmfHeaderFacts facts = ReadQmfHeader(path, [&](int code) {
    io.err << path << ": ";
    ReportTo(io.err)(code);
  });
  if (facts.code != FileError::kNone) return std::nullopt;
  return DiffFile{path, facts.generation, facts.destination};
}

int RunDiff(const CommandLine& line, Io& io) {
  std::string error;
  const auto before = DiffFileFacts(line.positionals[1], io);
  if (!before) return CliExit::kFileError;
  const auto after = DiffFileFacts(line.positionals[2], io);
  if (!after) return CliExit::kFileError;
  const auto destination = IntegerOption(line, "--destination", 0, 15, before->destination, error);
  if (!destination) return UsageError(io, error);
  const DestinationSession session(*destination);
  cmcEeprom beforeImage;
  cmcEeprom afterImage;
  if (OpenCliDocument(before->path, session, beforeImage, ReportTo(io.err)) != FileError::kNone ||
      OpenCliDocument(after->path, session, afterImage, ReportTo(io.err)) != FileError::kNone) {
    return CliExit::kFileError;
  }
  // The pages ask their list ranges through events; nothing here waits for a timer.
  const FrozenTiming timing;
  cmcEvMan events;
  ScriptDocument beforeDocument(beforeImage, &events);
  ScriptDocument afterDocument(afterImage, &events);
  const DiffReport report{*before, *after, DocumentDifferences(beforeDocument.Document(), afterDocument.Document())};
  PrintDiffReport(report, line.Has("--json"), io.out);
  return report.Differs() ? CliExit::kDiffers : CliExit::kSuccess;
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
  std::string error;
  const auto layout = ParseCsvLayout(line.Value("--layout"), *target, error);
  if (!layout) return UsageError(io, error);
  const auto output = line.Value("-o");
  if (!output) return UsageError(io, "export needs -o OUT.csv");
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession& session) {
    return ExportCsvList(document, session.Defaults(), *target, *layout, *output, io.err);
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

int RunSort(const CommandLine& line, Io& io) {
  int status = CliExit::kSuccess;
  const auto target = TargetOption(line, io, status);
  if (!target) return status;
  const auto by = line.Value("--by");
  if (!by) return UsageError(io, "sort needs --by frequency|name|mode|call");
  const auto key = SortKeyOfWord(*by);
  if (!key) return UsageError(io, "unknown sort key " + *by + " (frequency, name, mode or call)");
  std::string error;
  const auto generation = GenerationOption(line, DocumentFile::kNewestGeneration, error);
  if (!generation) return UsageError(io, error);
  const auto output = line.Value("-o");
  if (!output) return UsageError(io, "sort needs -o OUT");
  return WithOpenDocument(line, io, [&](cmcEeprom& document, const DestinationSession& session) {
    if (!SortCliList(document, *target, {*key, line.Has("--descending")}, error)) return UsageError(io, error);
    return ExitOfFileCode(
        SaveCliDocument(document, *output, session, {*generation, !line.Has("--no-digest")}, ReportTo(io.err)));
  });
}

const std::map<std::string, Command, std::less<>>& Commands() {
  static const std::map<std::string, Command, std::less<>> commands{
      {"info", {{{}, {"--json", "--help"}}, 1, RunInfo}},
      {"new", {{{"-o", "--destination", "--generation"}, {"--help"}}, 0, RunNew}},
      {"convert", {{{"-o", "--destination", "--generation"}, {"--no-digest", "--help"}}, 1, RunConvert}},
      {"dump", {{{"--list", "--destination"}, {"--json", "--help"}}, 1, RunDump}},
      {"set", {{{"-o", "--destination", "--generation"}, {"--no-digest", "--help"}}, 1, RunSet, true}},
      {"check", {{{"--destination"}, {"--help"}}, 1, RunCheck}},
      {"diff", {{{"--destination"}, {"--json", "--help"}}, 2, RunDiff}},
      {"export", {{{"-o", "--list", "--scope", "--layout", "--destination"}, {"--help"}}, 1, RunExport}},
      {"import",
       {{{"-o", "--list", "--scope", "--destination", "--generation"}, {"--no-digest", "--help"}}, 2, RunImport}},
      {"sort",
       {{{"-o", "--list", "--scope", "--by", "--destination", "--generation"},
         {"--descending", "--no-digest", "--help"}},
        1,
        RunSort}},
  };
  return commands;
}

int RunCommand(const Command& command, const std::vector<std::string>& args, Io& io) {
  std::string error;
  const std::optional<CommandLine> line = ParseCommandLine(args, command.options, error);
  if (!line) return UsageError(io, error);
  const std::string_view usage = FindManualCommand(CliManual(), args.front())->help;
  if (line->Has("--help")) {
    io.out << "Usage: " << usage;
    return CliExit::kSuccess;
  }
  const std::size_t given = line->positionals.size() - 1;
  if (command.moreArguments ? given <= command.fileArguments : given != command.fileArguments) {
    // export and import share their help: the usage line is the one naming the command.
    const std::string_view named = usage.substr(usage.find("tessel-cli " + args.front()));
    return UsageError(io, "usage: " + std::string(named.substr(0, named.find('\n'))));
  }
  return command.run(*line, io);
}

CliCommandFunction& PrintCommand() {
  static CliCommandFunction command = nullptr;
  return command;
}

}  // namespace

void InstallPrintCommand(CliCommandFunction command) { PrintCommand() = command; }

std::vector<std::string> CliCommandNames() {
  std::vector<std::string> names{"radio", "print"};
  for (const auto& command : Commands()) names.push_back(command.first);
  return names;
}

int RunTesselCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Io io{out, err};
  if (args.empty()) return UsageError(io, "no command given");
  if (args.front() == "--help" || args.front() == "help") {
    out << OverviewHelp(CliManual());
    return CliExit::kSuccess;
  }
  if (args.front() == "--version") {
    out << "tessel-cli " << ProgramVersion() << "\n";
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

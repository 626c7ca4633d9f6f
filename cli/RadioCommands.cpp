#include "cli/RadioCommands.h"

#include <unistd.h>

#include <QStandardPaths>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "cli/CheckReport.h"
#include "cli/CliCloneUi.h"
#include "cli/CliDocument.h"
#include "cli/CommandLine.h"
#include "cli/DestinationSession.h"
#include "cli/JsonText.h"
#include "cli/RadioLink.h"
#include "cli/RadioOptionFlags.h"
#include "cli/TesselCli.h"
#include "clone/CloneCheckCodes.h"
#include "clone/CloneImages.h"
#include "clone/CloneInfoBlock.h"
#include "clone/CloneRanges.h"
#include "files/DocumentFile.h"
#include "files/FileError.h"
#include "files/RadioBackups.h"
#include "manual/ManualText.h"
#include "memory/Generation.h"
#include "memory/LoadedImage.h"
#include "platform/qt/QtKeyValueStore.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/LineTables.h"

namespace {

constexpr std::string_view kSettingsKey = "Software\\Quor\\Tessel\\Global";

struct Io {
  std::ostream& out;
  std::ostream& err;
};

int UsageError(Io& io, const std::string& message) {
  io.err << "tessel-cli: " << message << "\nTry 'tessel-cli radio --help'.\n";
  return CliExit::kUsage;
}

cmcGTex& Texts() {
  cmcGTex& texts = ApplicationTexts();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  return texts;
}

std::string TextOf(std::string_view key) { return ToUtf8(Texts().GetValueText(key), CodePage::Cp1252); }

FileErrorReporter ReportTo(std::ostream& err) {
  return [&err](int code) { err << ToUtf8(FileErrorText(Texts(), code), CodePage::Cp1252) << "\n"; };
}

// The window's link settings when it has stored them.
RadioLinkOptions StoredLinkOptions() {
  const QtKeyValueStore store(QtKeyValueStore::Scope::User);
  const std::string key(kSettingsKey);
  RadioLinkOptions options;
  options.transferType = std::clamp(store.ReadInteger(key, "TransType").value_or(0), 0, 5);
  options.speedHigh = store.ReadInteger(key, "ComSpeedHigh").value_or(1) != 0;
  options.port = std::clamp(store.ReadInteger(key, "ComPort").value_or(0), 0, 256);
  return options;
}

std::optional<RadioLinkOptions> LinkOptions(const CommandLine& line, Io& io, int& status) {
  RadioLinkOptions options = StoredLinkOptions();
  std::string error;
  const auto fail = [&](const std::string& message) {
    status = UsageError(io, message);
    return std::nullopt;
  };
  if (line.Has("--port") && line.Has("--device")) return fail("give --port or --device, not both");
  if (line.Has("--port")) {
    const auto port = IntegerOption(line, "--port", 1, 256, std::nullopt, error);
    if (!port) return fail(error);
    options.port = *port;
  }
  if (const auto device = line.Value("--device")) options.devicePath = *device;
  const auto type = IntegerOption(line, "--transfer-type", 0, 5, options.transferType, error);
  if (!type) return fail(error);
  options.transferType = *type;
  if (const auto speed = line.Value("--speed")) {
    if (*speed != "fast" && *speed != "normal") return fail("option --speed must be fast or normal");
    options.speedHigh = *speed == "fast";
  }
  return options;
}

std::string TrimmedComment(const std::string& comment) {
  const auto end = comment.find_last_not_of(' ');
  return ToUtf8(comment.substr(0, end == std::string::npos ? 0 : end + 1), CodePage::Cp1252);
}

void PrintInfo(const RadioOutcome& outcome, const CloneInfoBlock& block, int transferType, bool json,
               std::ostream& out) {
  const auto flag = [json](bool value, std::string_view text) {
    return json ? std::string(value ? "true" : "false") : std::string(text);
  };
  char model[8];
  std::snprintf(model, sizeof model, "%04X", outcome.wordA);
  const std::string comment = TrimmedComment(block.comment);
  const std::string serial = SerialNumberText(block.serialNumber);
  if (json) {
    out << "{\"model\": \"" << model << "\", \"generation\": " << outcome.wordB
        << ", \"destination\": " << int{block.destination} << ", \"comment\": " << JsonString(comment)
        << ", \"serial_number\": " << JsonString(serial == " " ? "" : serial)
        << ", \"receive_expansion\": " << flag(block.receiveExpansion, "")
        << ", \"vhf_transmit_inhibit\": " << flag(block.vhfTransmitInhibit, "")
        << ", \"uhf_transmit_inhibit\": " << flag(block.uhfTransmitInhibit, "")
        << ", \"digital_voice_inhibit\": " << flag(block.digitalVoiceInhibit, "")
        << ", \"fcc_inhibit\": " << flag(block.fccInhibit, "") << ", \"transfer_type\": " << transferType << "}\n";
    return;
  }
  out << "Model:            " << model << "\n"
      << "Generation:       " << outcome.wordB << " (" << GenerationName(outcome.wordB) << ")\n"
      << "Destination:      " << int{block.destination} << "\n"
      << "Comment:          " << comment << "\n"
      << "Serial number:    " << serial << "\n"
      << "Receive range:    " << ExpansionText(block.receiveExpansion) << "\n"
      << "VHF transmission: " << InhibitText(block.vhfTransmitInhibit) << "\n"
      << "UHF transmission: " << InhibitText(block.uhfTransmitInhibit) << "\n"
      << "Digital voice:    " << InhibitText(block.digitalVoiceInhibit) << "\n"
      << "FCC:              " << InhibitText(block.fccInhibit) << "\n"
      << "Transfer type:    " << transferType << "\n";
}

// The block of a session that passed the information check, which ensured its size.
CloneInfoBlock BlockOf(const RadioOutcome& outcome) { return *DecodeCloneInfoBlock(outcome.info); }

bool ProgressOnTerminal(const std::ostream& err) { return &err == &std::cerr && isatty(STDERR_FILENO); }

void TraceIfAsked(RadioLink& link, const CommandLine& line, Io& io) {
  if (const auto path = line.Value("--trace")) link.TraceFrames(*path, io.err);
}

int RunInfo(RadioLink& link, const CommandLine& line, Io& io) {
  link.Expect(true, DocumentFile::kNoDestination);
  const RadioOutcome outcome = link.RunInfo();
  if (outcome.code != CloneResult::kOk) return CliExit::kRadioError;
  PrintInfo(outcome, BlockOf(outcome), link.TransferType(), line.Has("--json"), io.out);
  return CliExit::kSuccess;
}

// A backup that cannot be kept is only a warning: the clone itself has succeeded.
void KeepBackup(const cmcEeprom& image, const CloneInfoBlock& block, BackupDirection direction,
                const DestinationSession& session, Io& io) {
  const RadioBackups backups(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
  const BackupOutcome outcome =
      backups.Keep(image, SerialNumberText(block.serialNumber), direction, std::time(nullptr),
                   {DocumentFile::kNewestGeneration, session.Destination(), true}, session.Defaults());
  if (outcome.kept) return;
  const std::string reason =
      outcome.message.empty() ? ToUtf8(FileErrorText(Texts(), outcome.fileError), CodePage::Cp1252) : outcome.message;
  const std::string named = outcome.path.empty() ? std::string() : outcome.path + " ";
  io.err << "tessel-cli: warning: the backup " << named << "could not be kept: " << reason << "\n";
}

// The radio's destination becomes the document's, as the window adopts it when it has no
// document to keep; a second information session confirms it before the read.
int RunRead(RadioLink& link, const std::string& target, bool backup, Io& io) {
  link.Expect(true, DocumentFile::kNoDestination);
  const RadioOutcome identified = link.RunInfo();
  if (identified.code != CloneResult::kOk) return CliExit::kRadioError;
  const CloneInfoBlock block = BlockOf(identified);
  link.Expect(false, block.destination);
  if (link.RunInfo().code != CloneResult::kOk) return CliExit::kRadioError;
  RadioOutcome read = link.RunRead(CloneReadRanges());
  if (read.code != CloneResult::kOk) return CliExit::kRadioError;

  const DestinationSession session(block.destination);
  const RadioOptionFlags flags(block.destination, block.fccInhibit, block.receiveExpansion);
  PrepareLoadedImage(read.image, session.Defaults());
  const int code =
      SaveCliDocument(read.image, target, session, {DocumentFile::kNewestGeneration, true}, ReportTo(io.err));
  if (code != FileError::kNone) return CliExit::kFileError;
  io.out << "Read the radio (destination " << int{block.destination} << ") into " << target << "\n";
  if (backup) KeepBackup(read.image, block, BackupDirection::Read, session, io);
  return CliExit::kSuccess;
}

bool IsYes(std::string answer) {
  for (char& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return answer == "y" || answer == "yes";
}

// --yes, or a yes typed at the terminal.
bool Confirmed(const CommandLine& line, Io& io, int& status) {
  if (line.Has("--yes")) return true;
  if (&io.err != &std::cerr || !isatty(STDIN_FILENO)) {
    status = UsageError(io, "write needs --yes when there is no terminal to ask");
    return false;
  }
  io.err << TextOf("GI_Mess_Confirm_CloneWrite") << " [y/N] " << std::flush;
  std::string answer;
  std::getline(std::cin, answer);
  if (IsYes(answer)) return true;
  io.err << "Nothing was written.\n";
  status = CliExit::kUsage;
  return false;
}

// Only a radio of the file's destination is written; its options decide the fixed defaults
// merged into the image, and a last information session makes sure the same radio is still
// there before the write.
int WriteDocument(RadioLink& link, cmcEeprom& document, const DestinationSession& session, bool backup, Io& io) {
  link.Expect(false, session.Destination());
  const RadioOutcome identified = link.RunInfo();
  if (identified.code != CloneResult::kOk) return CliExit::kRadioError;
  const CloneInfoBlock block = BlockOf(identified);
  cmcEeprom image;
  {
    const RadioOptionFlags flags(session.Destination(), block.fccInhibit, block.receiveExpansion);
    image = PrepareWriteImage(document, session.Defaults());
  }
  if (link.RunInfo().code != CloneResult::kOk) return CliExit::kRadioError;
  if (link.RunWrite(image, CloneWriteRanges()).code != CloneResult::kOk) return CliExit::kRadioError;
  io.out << TextOf("GI_Mess_CloneWrite_Succeeded") << "\n";
  if (backup) KeepBackup(image, block, BackupDirection::Write, session, io);
  return CliExit::kSuccess;
}

int RunWrite(const CommandLine& line, const RadioLinkOptions& options, Io& io) {
  const std::string& path = line.positionals[2];
  const QmfHeaderFacts facts = ReadQmfHeader(path, ReportTo(io.err));
  if (facts.code != FileError::kNone) return CliExit::kFileError;
  const DestinationSession session(facts.destination);
  cmcEeprom document;
  if (OpenCliDocument(path, session, document, ReportTo(io.err)) != FileError::kNone) {
    return CliExit::kFileError;
  }
  const CheckCounts counts = ReportFindings(document, io.out);
  if (counts.errors + counts.warnings > 0) {
    io.err << "tessel-cli: " << counts.errors << " errors and " << counts.warnings
           << " warnings; correct them before writing to the radio.\n";
    return CliExit::kCheckErrors;
  }
  int status = CliExit::kSuccess;
  if (!Confirmed(line, io, status)) return status;
  CliCloneUi ui(io.err, ProgressOnTerminal(io.err));
  RadioLink link(options, ui);
  TraceIfAsked(link, line, io);
  return WriteDocument(link, document, session, !line.Has("--no-backup"), io);
}

struct Subcommand {
  std::size_t positionals;  // with "radio" and the subcommand word
  std::set<std::string> onlyHere;
};

const std::map<std::string, Subcommand, std::less<>>& Subcommands() {
  static const std::map<std::string, Subcommand, std::less<>> subcommands{
      {"info", {2, {"--json"}}},
      {"read", {2, {"-o"}}},
      {"write", {3, {"--yes"}}},
  };
  return subcommands;
}

const KnownOptions& RadioOptions() {
  static const KnownOptions options{{"--port", "--device", "--transfer-type", "--speed", "--trace", "-o"},
                                    {"--json", "--yes", "--no-backup", "--help"}};
  return options;
}

std::optional<std::string> MisplacedOption(const CommandLine& line, const std::string& word) {
  for (const auto& [name, subcommand] : Subcommands()) {
    if (name == word) continue;
    for (const std::string& option : subcommand.onlyHere) {
      if (line.Has(option)) return "option " + option + " does not belong to radio " + word;
    }
  }
  return std::nullopt;
}

int RunSubcommand(const CommandLine& line, const std::string& word, Io& io) {
  int status = CliExit::kSuccess;
  const auto options = LinkOptions(line, io, status);
  if (!options) return status;
  if (word == "write") return RunWrite(line, *options, io);
  const auto target = line.Value("-o");
  if (word == "read" && !target) return UsageError(io, "radio read needs -o FILE");
  CliCloneUi ui(io.err, ProgressOnTerminal(io.err));
  RadioLink link(*options, ui);
  TraceIfAsked(link, line, io);
  return word == "info" ? RunInfo(link, line, io) : RunRead(link, *target, !line.Has("--no-backup"), io);
}

}  // namespace

int RunRadioCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Io io{out, err};
  std::string error;
  const std::optional<CommandLine> line = ParseCommandLine(args, RadioOptions(), error);
  if (!line) return UsageError(io, error);
  if (line->Has("--help")) {
    out << CommandHelp(*FindManualCommand(CliManual(), "radio"));
    return CliExit::kSuccess;
  }
  if (line->positionals.size() < 2) return UsageError(io, "radio needs info, read or write");
  const std::string& word = line->positionals[1];
  const auto subcommand = Subcommands().find(word);
  if (subcommand == Subcommands().end()) return UsageError(io, "unknown radio command " + word);
  if (line->positionals.size() != subcommand->second.positionals) {
    return UsageError(io, word == "write" ? "radio write needs one FILE" : "radio " + word + " takes no FILE");
  }
  if (const auto misplaced = MisplacedOption(*line, word)) return UsageError(io, *misplaced);
  return RunSubcommand(*line, word, io);
}

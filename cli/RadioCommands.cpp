#include "cli/RadioCommands.h"

#include <unistd.h>

#include <QStandardPaths>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "base/indEnviron.h"
#include "cli/CheckReport.h"
#include "cli/CliDocument.h"
#include "cli/HeadlessWindow.h"
#include "cli/JsonText.h"
#include "cli/TesselCli.h"
#include "clone/CloneInfoBlock.h"
#include "files/DestinationSession.h"
#include "files/DocumentFile.h"
#include "files/DocumentSave.h"
#include "files/FileError.h"
#include "files/RadioBackups.h"
#include "manual/ManualText.h"
#include "memory/Generation.h"
#include "platform/PortNumbers.h"
#include "platform/qt/QtKeyValueStore.h"
#include "platform/qt/QtSerialPortList.h"
#include "text/ApplicationTexts.h"
#include "text/Codepage.h"
#include "text/CommandLine.h"
#include "text/LineTables.h"
#include "workflows/DestinationChange.h"

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

struct RadioLinkOptions {
  int transferType = 0;
  bool speedHigh = true;
  std::int32_t port = 0;   // a port number 1-256, used when devicePath is empty
  std::string devicePath;  // a device path given directly
};

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

// The model word and generation are the document's: the information check lets no other
// radio through.
void PrintInfo(const Document::ModelIdentity& model, const CloneInfoBlock& block, int transferType, bool json,
               std::ostream& out) {
  const auto flag = [json](bool value, std::string_view text) {
    return json ? std::string(value ? "true" : "false") : std::string(text);
  };
  char modelWord[8];
  std::snprintf(modelWord, sizeof modelWord, "%04X", model.modelWord);
  const std::string comment = TrimmedComment(block.comment);
  const std::string serial = SerialNumberText(block.serialNumber);
  if (json) {
    out << "{\"model\": \"" << modelWord << "\", \"generation\": " << model.radioGeneration
        << ", \"destination\": " << int{block.destination} << ", \"comment\": " << JsonString(comment)
        << ", \"serial_number\": " << JsonString(serial == " " ? "" : serial)
        << ", \"receive_expansion\": " << flag(block.receiveExpansion, "")
        << ", \"vhf_transmit_inhibit\": " << flag(block.vhfTransmitInhibit, "")
        << ", \"uhf_transmit_inhibit\": " << flag(block.uhfTransmitInhibit, "")
        << ", \"digital_voice_inhibit\": " << flag(block.digitalVoiceInhibit, "")
        << ", \"fcc_inhibit\": " << flag(block.fccInhibit, "") << ", \"transfer_type\": " << transferType << "}\n";
    return;
  }
  out << "Model:            " << modelWord << "\n"
      << "Generation:       " << model.radioGeneration << " (" << GenerationName(model.radioGeneration) << ")\n"
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

// The block of the radio that answered the last information session that passed its check,
// which ensured its size.
CloneInfoBlock RadioBlock(const Document& document) { return *DecodeCloneInfoBlock(document.CloneInformation()); }

bool ProgressOnTerminal(const std::ostream& err) { return &err == &std::cerr && isatty(STDERR_FILENO); }

// The link options become the window's settings for the sessions. There is no port dialog
// here, so the ports the system lists now get their numbers at once, the ones the window's
// dialog would give them.
void Connect(HeadlessWindow& window, const RadioLinkOptions& options, const CommandLine& line, Io& io) {
  indEnviron& environment = window.Environ();
  environment.settings.transType = options.transferType;
  environment.settings.comSpeedHigh = options.speedHigh ? 1 : 0;
  environment.settings.comPort = options.devicePath.empty() ? options.port : 0;
  window.Clone().SetDevicePath(options.devicePath);
  if (options.devicePath.empty()) {
    PortNumbers::OfUser(environment.UserStore(), environment.UserKey()).Number(ListSerialPorts());
  }
  if (const auto path = line.Value("--trace")) window.Clone().TraceFrames(*path, io.err);
}

int RunInfo(HeadlessWindow& window, const CommandLine& line, Io& io) {
  if (!window.RunToEnd([&window] { window.Clone().CloneInformation(); })) return CliExit::kRadioError;
  PrintInfo(window.Doc().Model(), RadioBlock(window.Doc()), window.Environ().settings.transType, line.Has("--json"),
            io.out);
  return CliExit::kSuccess;
}

// A backup that cannot be kept is only a warning: the clone itself has succeeded.
void KeepBackup(HeadlessWindow& window, const cmcEeprom& image, BackupDirection direction, Io& io) {
  const BackupOutcome outcome = window.Clone().KeepBackup(
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString(), image, direction);
  if (outcome.kept) return;
  const std::string reason =
      outcome.message.empty() ? ToUtf8(FileErrorText(Texts(), outcome.fileError), CodePage::Cp1252) : outcome.message;
  const std::string named = outcome.path.empty() ? std::string() : outcome.path + " ";
  io.err << "tessel-cli: warning: the backup " << named << "could not be kept: " << reason << "\n";
}

// The window's Clone Read: the document takes the radio's destination and then its image,
// which is saved as the file (with digest, as Save writes it) before its backup is kept.
int RunRead(HeadlessWindow& window, const std::string& target, bool backup, Io& io) {
  if (!window.RunToEnd([&window] { window.Clone().CloneRead(); })) return CliExit::kRadioError;
  const Document& document = window.Doc();
  const int destination = RadioBlock(document).destination;
  const int code =
      SaveDocumentFile(document.CurrentImage(), target, {DocumentFile::kNewestGeneration, destination, true},
                       document.DefaultsImage(), ReportTo(io.err));
  if (code != FileError::kNone) return CliExit::kFileError;
  io.out << "Read the radio (destination " << destination << ") into " << target << "\n";
  if (backup) KeepBackup(window, document.CurrentImage(), BackupDirection::Read, io);
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

// The checked document becomes the window's under the file's destination, which the window
// takes the way it takes a file's (ChangeDestination).
void TakeDocument(HeadlessWindow& window, const std::string& path, int destination, const cmcEeprom& image) {
  Document& document = window.Doc();
  ChangeDestination(document, window.Environ(), destination);
  document.CurrentImage().Assign(image);
  document.ResetHistory();
  document.SetFileName(path);
  document.MarkSaved();
}

// The file is opened and checked as check does, and the write confirmed, before the port is
// opened; the window's Clone Write then writes only to a radio of the file's destination,
// whose options decide the fixed defaults merged into the image.
int RunWrite(const CommandLine& line, const RadioLinkOptions& options, Io& io) {
  const std::string& path = line.positionals[2];
  const QmfHeaderFacts facts = ReadQmfHeader(path, ReportTo(io.err));
  if (facts.code != FileError::kNone) return CliExit::kFileError;
  cmcEeprom checked;
  {
    const DestinationSession session(facts.destination);
    if (OpenCliDocument(path, session, checked, ReportTo(io.err)) != FileError::kNone) return CliExit::kFileError;
    const CheckCounts counts = ReportFindings(checked, io.out);
    if (counts.errors + counts.warnings > 0) {
      io.err << "tessel-cli: " << counts.errors << " errors and " << counts.warnings
             << " warnings; correct them before writing to the radio.\n";
      return CliExit::kCheckErrors;
    }
  }
  int status = CliExit::kSuccess;
  if (!Confirmed(line, io, status)) return status;
  HeadlessWindow window(io.out, io.err, ProgressOnTerminal(io.err));
  TakeDocument(window, path, facts.destination, checked);
  Connect(window, options, line, io);
  const auto write = [&window] { window.Clone().CloneWrite(CloneCommands::WriteConsent::GivenBefore); };
  if (!window.RunToEnd(write)) return CliExit::kRadioError;
  if (!line.Has("--no-backup")) KeepBackup(window, window.Doc().WriteImage(), BackupDirection::Write, io);
  return CliExit::kSuccess;
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
  HeadlessWindow window(io.out, io.err, ProgressOnTerminal(io.err));
  Connect(window, *options, line, io);
  return word == "info" ? RunInfo(window, line, io) : RunRead(window, *target, !line.Has("--no-backup"), io);
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

// The bash completion of tessel-cli, run as bash runs it on partial command lines, and the
// value table it offers from checked against the commands themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "cli/CsvCommands.h"
#include "cli/ListDump.h"
#include "files/FilesTestSupport.h"
#include "manual/ProgramManual.h"
#include "support/ShellRun.h"

namespace {

const std::string kHelpers = "/usr/share/bash-completion/bash_completion";

// The words bash hands a completion function for line, the cursor at its end: split at blanks,
// with every colon a word of its own as bash's word breaks make it, and an empty word after a
// trailing blank.
std::string CompletionWords(const std::string& line) {
  std::string words;
  std::size_t count = 0;
  std::istringstream blanks(line);
  for (std::string word; blanks >> word;) {
    std::size_t start = 0;
    for (std::size_t colon = word.find(':'); colon != std::string::npos; colon = word.find(':', start)) {
      if (colon > start) words += " " + Quoted(word.substr(start, colon - start)), ++count;
      words += " ':'", ++count;
      start = colon + 1;
    }
    if (start < word.size()) words += " " + Quoted(word.substr(start)), ++count;
  }
  if (line.ends_with(' ')) words += " ''", ++count;
  return "COMP_WORDS=(" + words + "); COMP_CWORD=" + std::to_string(count - 1) + ";";
}

// What the completion offers for line, run in folder.
std::set<std::string> Completions(const std::string& line, const std::string& folder) {
  const std::string script = "cd " + Quoted(folder) + " && source " + kHelpers + " && source " +
                             Quoted(TESSEL_COMPLETION_FILE) + " && COMP_LINE=" + Quoted(line) +
                             " && COMP_POINT=${#COMP_LINE} && " + CompletionWords(line) +
                             " _tessel_cli && printf '%s\\n' \"${COMPREPLY[@]}\"";
  const ShellRun run = Shell("bash -c " + Quoted(script) + " 2>&1");
  EXPECT_EQ(run.status, 0) << line << "\n" << run.out;
  std::set<std::string> offered;
  std::istringstream lines(run.out);
  for (std::string word; std::getline(lines, word);) {
    if (!word.empty()) offered.insert(word);
  }
  return offered;
}

std::set<std::string> Range(char first, char last) {
  std::set<std::string> words;
  for (char c = first; c <= last; ++c) words.insert(std::string(1, c));
  return words;
}

TEST(BashCompletion, CompletesCommandsOptionsValuesAndFiles) {
  if (!std::filesystem::exists(kHelpers)) GTEST_SKIP() << "bash-completion is not installed";
  TempFolder folder;
  WriteBytes(folder.Path("radio.qmf"), "");
  WriteBytes(folder.Path("list.csv"), "");
  WriteBytes(folder.Path("notes.txt"), "");
  std::filesystem::create_directory(folder.Path("backups"));

  const struct {
    std::string line;
    std::set<std::string> offered;
  } cases[] = {
      {"tessel-cli ex", {"export"}},
      {"tessel-cli --v", {"--version"}},
      {"tessel-cli check radio.qmf -", {"--destination", "--help"}},
      {"tessel-cli import radio.qmf --g", {"--generation"}},
      {"tessel-cli radio info --s", {"--speed"}},
      {"tessel-cli dump radio.qmf --list scan-", {"scan-edges", "scan-links"}},
      {"tessel-cli export radio.qmf --list tx-f", {"tx-from", "tx-from-fm"}},
      {"tessel-cli import radio.qmf --list tx-", {}},  // the call histories are export only
      {"tessel-cli print radio.qmf --list set-a", {"set-ab-band"}},
      {"tessel-cli export radio.qmf --list bank --scope bank:", Range('A', 'Z')},
      {"tessel-cli export radio.qmf --list memory --scope a", {"all"}},
      {"tessel-cli export radio.qmf --list memory --layout ", {"generic", "tessel"}},
      {"tessel-cli sort radio.qmf --list r", {"repeaters"}},
      {"tessel-cli sort radio.qmf --list gps --by ", {"call", "frequency", "mode", "name"}},
      {"tessel-cli new --destination 1", {"1", "10", "11", "12", "13", "14", "15"}},
      {"tessel-cli convert radio.qmf --generation ", {"1", "2", "3"}},
      {"tessel-cli radio ", {"info", "read", "write"}},
      {"tessel-cli radio info --speed ", {"fast", "normal"}},
      {"tessel-cli dump ", {"radio.qmf", "backups"}},
      {"tessel-cli diff radio.qmf ", {"radio.qmf", "backups"}},
      {"tessel-cli export radio.qmf --list memory --scope group:1 -o ", {"list.csv", "backups"}},
      {"tessel-cli import radio.qmf --list memory --scope group:1 ", {"list.csv", "backups"}},
      {"tessel-cli import radio.qmf --list memory list.csv -o ", {"radio.qmf", "backups"}},
  };
  for (const auto& [line, offered] : cases) EXPECT_EQ(Completions(line, folder.Path("")), offered) << line;
}

std::vector<std::string> ListValues(std::string_view command) {
  for (const ManualValues& entry : CliManual().values) {
    if (entry.commands == command && entry.placeholders == "LIST") {
      std::istringstream words{std::string(entry.values)};
      std::vector<std::string> names;
      for (std::string word; words >> word;) names.push_back(word);
      return names;
    }
  }
  return {};
}

bool HelpNames(std::string_view command, const std::string& word) {
  const ManualCommand* manual = nullptr;
  for (const ManualCommand& each : CliManual().commands) {
    if (each.name == command) manual = &each;
  }
  return manual != nullptr && manual->help.find(word) != std::string_view::npos;
}

// The lists the completion offers are those the commands take and their help names.
TEST(BashCompletion, OffersTheListsTheCommandsTake) {
  for (const std::string_view command : {"dump", "export", "import", "print"}) {
    const std::vector<std::string> names = ListValues(command);
    EXPECT_FALSE(names.empty()) << command;
    for (const std::string& name : names) EXPECT_TRUE(HelpNames(command, name)) << command << " " << name;
  }
  for (const std::string& name : ListValues("dump")) EXPECT_TRUE(IsDumpList(name)) << name;
  for (const std::string_view command : {"export", "import"}) {
    for (const std::string& name : ListValues(command)) {
      std::string error;
      ParseCsvTarget(name, std::nullopt, error);
      EXPECT_FALSE(error.starts_with("unknown list")) << command << " " << name << ": " << error;
    }
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/TesselCli.h"
#include "manual/ManualText.h"
#include "support/CliRun.h"
#include "support/ShellRun.h"

namespace {

std::string ManualPath(const std::string& program) { return std::string(TESSEL_MAN_DIR) + "/" + program + ".1"; }

// The page as man shows it, without bold or underlining; the test is skipped without groff.
std::string RenderedPage(const std::string& program) {
  const ShellRun run = Shell("groff -man -Tutf8 -P-bou -rLL=200n " + Quoted(ManualPath(program)));
  EXPECT_EQ(run.status, 0) << program;
  return run.out;
}

std::set<std::string> OptionWords(const std::string& text) {
  static const std::regex option(R"((^|[^-\w])(--[a-z][a-z-]*))");
  std::set<std::string> words;
  for (auto match = std::sregex_iterator(text.begin(), text.end(), option); match != std::sregex_iterator(); ++match) {
    words.insert((*match)[2]);
  }
  return words;
}

// Every line of text, stripped of its indentation, is a line of the page.
void ExpectLinesOnPage(const std::string& text, const std::string& page, const std::string& what) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) continue;
    EXPECT_NE(page.find(line.substr(start) + "\n"), std::string::npos) << what << ": " << line;
  }
}

void ExpectEntriesOnPage(std::span<const ManualEntry> entries, const std::string& page) {
  for (const ManualEntry& entry : entries)
    EXPECT_NE(page.find(std::string(entry.term)), std::string::npos) << entry.term;
}

class ManualPage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasTool("groff")) GTEST_SKIP() << "groff is not installed (Debian package groff-base)";
  }
};

TEST_F(ManualPage, RendersWithoutWarnings) {
  for (const std::string program : {"tessel", "tessel-cli"}) {
    const ShellRun run = Shell("groff -man -ww -z " + Quoted(ManualPath(program)) + " 2>&1");
    EXPECT_EQ(run.status, 0) << program;
    EXPECT_EQ(run.out, "") << program;
  }
}

// Every command the program dispatches has its help in the manual, and the page shows each
// help line as "COMMAND --help" prints it.
TEST_F(ManualPage, CliPageCarriesEveryCommandAsItsHelpPrintsIt) {
  const std::string page = RenderedPage("tessel-cli");
  const std::vector<std::string> names = CliCommandNames();
  for (const std::string& name : names) {
    const ManualCommand* command = FindManualCommand(CliManual(), name);
    ASSERT_NE(command, nullptr) << name << " is dispatched but not in the manual";
    ExpectLinesOnPage(std::string(command->help), page, name);
    EXPECT_NE(page.find("tessel-cli " + std::string(command->synopsis) + "\n"), std::string::npos) << name;
    if (name == "print") continue;  // installed only by the program built with the window
    const CliRun help = Cli({name, "--help"});
    EXPECT_EQ(help.status, 0) << name;
    EXPECT_EQ(help.out, CommandHelp(*command)) << name;
  }
  for (const ManualCommand& command : CliManual().commands) {
    EXPECT_NE(std::ranges::find(names, command.name), names.end()) << command.name << " is in the manual only";
  }
}

TEST_F(ManualPage, CliPageAndHelpNameTheSameOptionsStatusesAndVariables) {
  const std::string page = RenderedPage("tessel-cli");
  const CliRun overview = Cli({"--help"});
  ASSERT_EQ(overview.status, 0);
  std::string everyHelp = overview.out;
  for (const ManualCommand& command : CliManual().commands) everyHelp += command.help;
  EXPECT_EQ(OptionWords(page), OptionWords(everyHelp));
  EXPECT_TRUE(OptionWords(page).contains("--no-digest"));
  for (const auto* entries : {&CliManual().options, &CliManual().exitStatuses, &CliManual().environment}) {
    ExpectEntriesOnPage(*entries, page);
    ExpectEntriesOnPage(*entries, overview.out);
  }
  EXPECT_NE(page.find("EXIT STATUS"), std::string::npos);
  EXPECT_NE(page.find("TESSEL_PORT_<N>"), std::string::npos);
}

#ifdef TESSEL_WINDOW_PROGRAM
TEST_F(ManualPage, WindowProgramHelpAndPageAgree) {
  const ShellRun help = Shell(std::string(TESSEL_WINDOW_PROGRAM) + " --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, OverviewHelp(WindowManual()));
  const std::string page = RenderedPage("tessel");
  EXPECT_EQ(OptionWords(page), OptionWords(help.out));
  for (const auto* entries : {&WindowManual().options, &WindowManual().exitStatuses, &WindowManual().environment}) {
    ExpectEntriesOnPage(*entries, page);
    ExpectEntriesOnPage(*entries, help.out);
  }
  for (const char* variable : {"TESSEL_PORT_<N>", "TESSEL_TRACE", "XDG_CONFIG_HOME"}) {
    EXPECT_NE(page.find(variable), std::string::npos) << variable;
  }
  EXPECT_NE(page.find("/setup"), std::string::npos);

  const ShellRun version = Shell(std::string(TESSEL_WINDOW_PROGRAM) + " --version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("tessel [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
}
#endif

}  // namespace

#include "manual/ManualText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

constexpr std::size_t kLineWidth = 88;
constexpr std::size_t kSynopsisColumn = 51;

// text broken into lines of at most kLineWidth characters, the first starting after the
// term column and the others indented to it.
std::string Hanging(std::string_view term, std::string_view text, std::size_t column) {
  std::string out = "  " + std::string(term);
  out += out.size() + 2 > column ? std::string(2, ' ') : std::string(column - out.size(), ' ');
  std::size_t lineLength = out.size();
  std::istringstream words{std::string(text)};
  std::string word;
  bool first = true;
  while (words >> word) {
    if (!first && lineLength + 1 + word.size() > kLineWidth) {
      out += "\n" + std::string(column, ' ');
      lineLength = column;
    } else if (!first) {
      out += ' ';
      ++lineLength;
    }
    out += word;
    lineLength += word.size();
    first = false;
  }
  return out + "\n";
}

std::size_t TermColumn(std::span<const ManualEntry> entries) {
  std::size_t width = 0;
  for (const ManualEntry& entry : entries) width = std::max(width, entry.term.size());
  return width + 4;
}

void HelpSection(std::string& out, std::string_view title, std::span<const ManualEntry> entries) {
  if (entries.empty()) return;
  out += "\n" + std::string(title) + ":\n";
  const std::size_t column = TermColumn(entries);
  for (const ManualEntry& entry : entries) out += Hanging(entry.term, entry.text, column);
}

// Text as groff shows it: backslashes and hyphens escaped (a hyphen in an option must stay a
// minus sign), and a line that starts with a control character kept as text.
std::string Escaped(std::string_view text) {
  std::string out;
  bool lineStart = true;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
    lineStart = c == '\n';
  }
  return out;
}

// Paragraphs separated by blank lines, each filled by groff.
void Paragraphs(std::ostringstream& page, std::string_view text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find("\n\n", start), text.size());
    page << ".PP\n" << Escaped(text.substr(start, end - start)) << "\n";
    start = end + 2;
  }
}

void TaggedSection(std::ostringstream& page, std::string_view title, std::span<const ManualEntry> entries) {
  if (entries.empty()) return;
  page << ".SH " << title << "\n";
  for (const ManualEntry& entry : entries)
    page << ".TP\n.B " << Escaped(entry.term) << "\n" << Escaped(entry.text) << "\n";
}

std::string Upper(std::string_view text) {
  std::string out(text);
  std::ranges::transform(out, out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

void Synopsis(std::ostringstream& page, const ProgramManual& manual) {
  const std::string program = "\\fB" + Escaped(manual.program) + "\\fR";
  page << ".SH SYNOPSIS\n.nf\n";
  if (manual.commands.empty()) {
    page << program << Escaped(manual.usage.substr(manual.program.size())) << "\n";
  }
  for (const ManualCommand& command : manual.commands) page << program << " " << Escaped(command.synopsis) << "\n";
  for (const ManualEntry& option : manual.options) {
    if (option.term.starts_with("--")) page << program << " " << Escaped(option.term) << "\n";
  }
  page << ".fi\n";
}

// Each command with its whole help; commands that share one help (export and import) are
// shown together.
void Commands(std::ostringstream& page, const ProgramManual& manual) {
  if (manual.commands.empty()) return;
  page << ".SH COMMANDS\n";
  for (auto command = manual.commands.begin(); command != manual.commands.end();) {
    auto next = command + 1;
    std::string names(command->name);
    for (; next != manual.commands.end() && next->help == command->help; ++next)
      names += ", " + std::string(next->name);
    page << ".SS " << Escaped(names) << "\n"
         << Escaped(command->summary) << ".\n.PP\n.RS 4\n.nf\n"
         << Escaped(command->help) << ".fi\n.RE\n";
    command = next;
  }
  Paragraphs(page, manual.commandNotes);
}

}  // namespace

std::string OverviewHelp(const ProgramManual& manual) {
  std::string out = "Usage: " + std::string(manual.usage) + "\n\n" + std::string(manual.description) + "\n";
  if (!manual.commands.empty()) {
    out += "\nCommands:\n";
    for (const ManualCommand& command : manual.commands)
      out += Hanging(command.synopsis, command.summary, kSynopsisColumn);
    out += "\n" + std::string(manual.commandNotes) + "\n";
  }
  HelpSection(out, "Options", manual.options);
  HelpSection(out, "Exit status", manual.exitStatuses);
  HelpSection(out, "Environment", manual.environment);
  HelpSection(out, "Files", manual.files);
  return out;
}

const ManualCommand* FindManualCommand(const ProgramManual& manual, std::string_view name) {
  const auto found = std::ranges::find(manual.commands, name, &ManualCommand::name);
  return found == manual.commands.end() ? nullptr : &*found;
}

std::string CommandHelp(const ManualCommand& command) { return "Usage: " + std::string(command.help); }

std::string ManualPage(const ProgramManual& manual, std::string_view version) {
  std::ostringstream page;
  page << ".TH " << Escaped(Upper(manual.program)) << " 1 \"\" \"Tessel " << Escaped(version)
       << "\" \"User Commands\"\n.SH NAME\n"
       << Escaped(manual.program) << " \\- " << Escaped(manual.summary) << "\n";
  Synopsis(page, manual);
  page << ".SH DESCRIPTION\n";
  Paragraphs(page, manual.description);
  Commands(page, manual);
  TaggedSection(page, "OPTIONS", manual.options);
  TaggedSection(page, "\"EXIT STATUS\"", manual.exitStatuses);
  TaggedSection(page, "ENVIRONMENT", manual.environment);
  TaggedSection(page, "FILES", manual.files);
  page << ".SH \"SEE ALSO\"\n" << Escaped(manual.seeAlso) << "\n";
  return page.str();
}

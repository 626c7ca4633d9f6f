#pragma once
// What a program tells about itself: its commands, options, exit statuses, environment and
// files. One table per program feeds both its --help texts and its manual page, so the two
// cannot drift apart.
#include <span>
#include <string_view>

struct ManualCommand {
  std::string_view name;      // the word the program dispatches on, e.g. "dump"
  std::string_view synopsis;  // the command line of the overview, without the program name
  std::string_view summary;   // what the overview says beside the synopsis
  std::string_view help;      // what "COMMAND --help" prints after "Usage: ": usage lines, a
                              // blank line, then the details
};

// A term and its explanation: an option, an exit status, an environment variable or a file.
struct ManualEntry {
  std::string_view term;
  std::string_view text;
};

struct ProgramManual {
  std::string_view program;      // "tessel-cli"
  std::string_view summary;      // the manual page's NAME line
  std::string_view usage;        // the overview's usage line, without "Usage: "
  std::string_view description;  // paragraphs separated by blank lines
  std::span<const ManualCommand> commands;
  std::string_view commandNotes;  // what applies to all commands, under their list
  std::span<const ManualEntry> options;
  std::span<const ManualEntry> exitStatuses;
  std::span<const ManualEntry> environment;
  std::span<const ManualEntry> files;
  std::string_view seeAlso;  // "tessel(1)"
};

const ProgramManual& CliManual();
const ProgramManual& WindowManual();

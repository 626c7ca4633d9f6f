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

// What a placeholder of the usage lines stands for, for the shell completion to offer.
struct ManualValues {
  std::string_view commands;      // the commands whose usage lines it belongs to, separated by
                                  // spaces; empty for every command
  std::string_view placeholders;  // as the usage lines write them ("LIST", "SCOPE S"), or after
                                  // their option ("--trace FILE"), separated by spaces
  std::string_view values;        // shell words with brace ranges ("group:{0..4}"); "*.qmf" stands
                                  // for the names of such files, "*" for any file name
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
  std::span<const ManualValues> values;
};

const ProgramManual& CliManual();
const ProgramManual& WindowManual();

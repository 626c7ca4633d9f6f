#pragma once
// A program's command line (tessel-cli's, radio-sim's): positional arguments (tessel-cli's
// first is the command word) and options. Options are "--name value" or "--name=value" for
// options that take a value and "--name" for switches; "-o" is the one short option. Anything
// else is a usage error.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct KnownOptions {
  std::set<std::string> withValue;  // e.g. "-o", "--generation"
  std::set<std::string> switches;   // e.g. "--json"
};

struct CommandLine {
  std::vector<std::string> positionals;
  std::map<std::string, std::string> values;
  std::set<std::string> switches;

  bool Has(const std::string& name) const { return switches.count(name) || values.count(name); }
  std::optional<std::string> Value(const std::string& name) const;
};

// Parses args (without the program name). On a usage error returns none and sets error to
// a one-line explanation.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, const KnownOptions& known,
                                            std::string& error);

// An integer option in [low, high]; none with error set when it is missing where required,
// not a number or out of range.
std::optional<int> IntegerOption(const CommandLine& line, const std::string& name, int low, int high,
                                 std::optional<int> fallback, std::string& error);

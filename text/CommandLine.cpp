#include "text/CommandLine.h"

#include <charconv>

std::optional<std::string> CommandLine::Value(const std::string& name) const {
  const auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, const KnownOptions& known,
                                            std::string& error) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      line.positionals.push_back(arg);
      continue;
    }
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (known.switches.count(name) && equals == std::string::npos) {
      line.switches.insert(name);
    } else if (known.withValue.count(name)) {
      if (equals != std::string::npos) {
        line.values[name] = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        line.values[name] = args[++i];
      } else {
        error = "option " + name + " needs a value";
        return std::nullopt;
      }
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  return line;
}

std::optional<int> IntegerOption(const CommandLine& line, const std::string& name, int low, int high,
                                 std::optional<int> fallback, std::string& error) {
  const auto text = line.Value(name);
  if (!text) {
    if (!fallback) error = "option " + name + " is required";
    return fallback;
  }
  int value = 0;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size() || value < low || value > high) {
    error = "option " + name + " must be a number from " + std::to_string(low) + " to " + std::to_string(high) +
            ", not '" + *text + "'";
    return std::nullopt;
  }
  return value;
}

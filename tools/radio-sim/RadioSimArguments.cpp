#include "tools/radio-sim/RadioSimArguments.h"

#include <algorithm>
#include <charconv>

#include "text/CommandLine.h"
#include "text/HexText.h"

const std::string_view kRadioSimUsage =
    "Usage: radio-sim [OPTIONS]\n"
    "Plays a radio on a new pseudo-terminal and prints its device path on the first line.\n"
    "  --destination N     destination code 0-15 (default 0)\n"
    "  --generation N      generation the radio reports, 1-3 (default 3)\n"
    "  --model WORD        model word as 4 decimal digits (default 3390)\n"
    "  --serial TEXT       serial number, up to 14 hexadecimal digits\n"
    "  --image FILE.qmf    memory to send on a read (default: a new radio's memory)\n"
    "  --save FILE.qmf     where to save what a write delivers\n"
    "  --echo              the cable echoes every byte\n"
    "  --pace              send no faster than the line speed\n"
    "  --fault NAME[@N]    play a fault once (after N data bytes); NAME is one of\n"
    "                      silence checksum end-count missing-address duplicate-address\n"
    "                      beyond-image other-model other-generation refused-write\n"
    "                      pulled-cable line-noise\n"
    "  --once              end after one read or write session\n";

namespace {

const KnownOptions kOptions{{"--destination", "--generation", "--model", "--serial", "--image", "--save", "--fault"},
                            {"--echo", "--pace", "--once", "--help"}};

bool ParseFault(const std::string& text, RadioSimArguments& arguments, std::string& error) {
  const std::size_t at = text.find('@');
  const std::optional<RadioFault> fault = RadioFaultNamed(std::string_view(text).substr(0, at));
  if (!fault) {
    error = "unknown fault '" + text.substr(0, at) + "'";
    return false;
  }
  arguments.fault = *fault;
  if (at == std::string::npos) return true;
  const char* first = text.data() + at + 1;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(first, last, arguments.faultAt);
  if (ec != std::errc() || end != last || first == last || arguments.faultAt < 0) {
    error = "the byte count of --fault must be a number of 0 or more, not '" + text.substr(at + 1) + "'";
    return false;
  }
  return true;
}

bool ParseModel(const std::string& text, RadioSimArguments& arguments, std::string& error) {
  std::uint16_t word = 0;
  const bool digits =
      text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits) std::from_chars(text.data(), text.data() + text.size(), word, 16);
  if (!digits) {
    error = "--model must be 4 decimal digits, not '" + text + "'";
    return false;
  }
  arguments.options.identity.modelWord = word;
  return true;
}

bool ParseSerial(const std::string& text, RadioSimArguments& arguments, std::string& error) {
  if (text.empty() || text.size() > 14 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; })) {
    error = "--serial must be 1 to 14 hexadecimal digits, not '" + text + "'";
    return false;
  }
  // Shorter numbers are padded with leading zeros.
  arguments.options.identity.serial = std::string(14 - text.size(), '0') + text;
  return true;
}

}  // namespace

std::optional<RadioSimArguments> ParseRadioSimArguments(const std::vector<std::string>& args, std::string& error) {
  const std::optional<CommandLine> line = ParseCommandLine(args, kOptions, error);
  if (!line) return std::nullopt;
  if (!line->positionals.empty()) {
    error = "unexpected argument '" + line->positionals.front() + "'";
    return std::nullopt;
  }
  RadioSimArguments arguments;
  arguments.help = line->Has("--help");
  const std::optional<int> destination = IntegerOption(*line, "--destination", 0, 15, 0, error);
  const std::optional<int> generation =
      destination ? IntegerOption(*line, "--generation", 1, 3, 3, error) : std::nullopt;
  if (!generation) return std::nullopt;
  arguments.options.identity.destination = *destination;
  arguments.options.identity.generation = *generation;
  if (const auto model = line->Value("--model"); model && !ParseModel(*model, arguments, error)) return std::nullopt;
  if (const auto serial = line->Value("--serial"); serial && !ParseSerial(*serial, arguments, error))
    return std::nullopt;
  if (const auto fault = line->Value("--fault"); fault && !ParseFault(*fault, arguments, error)) return std::nullopt;
  arguments.imagePath = line->Value("--image").value_or("");
  arguments.savePath = line->Value("--save").value_or("");
  arguments.options.echo = line->Has("--echo");
  arguments.options.pace = line->Has("--pace");
  arguments.once = line->Has("--once");
  return arguments;
}

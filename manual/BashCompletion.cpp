#include "manual/BashCompletion.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace {

// What the shell offers at one place of a command line.
struct Offer {
  std::vector<std::string> words;     // shell words, brace ranges allowed
  std::set<std::string> fileEndings;  // "qmf": the names of such files
  bool anyFile = false;

  bool Empty() const { return words.empty() && fileEndings.empty() && !anyFile; }
  void Add(const Offer& other) {
    for (const std::string& word : other.words) {
      if (std::ranges::find(words, word) == words.end()) words.push_back(word);
    }
    fileEndings.insert(other.fileEndings.begin(), other.fileEndings.end());
    anyFile = anyFile || other.anyFile;
  }
};

// A command as its usage lines show it.
struct CommandShape {
  std::vector<std::string> options;
  std::map<std::string, std::string> optionArguments;  // option -> its placeholder
  std::vector<std::set<std::string>> positionals;      // per place after the command
};

std::vector<std::string> Words(std::string_view text) {
  std::istringstream stream{std::string(text)};
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end = text.find(separator); end != std::string_view::npos; end = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

// A usage word without the brackets and punctuation around it: "[--scope" gives "--scope",
// "SCOPE]" gives "SCOPE", "PATH," gives "PATH"; "ITEM[:INDEX]=TEXT" stays whole.
std::string Bare(std::string_view word) {
  while (!word.empty() && (word.front() == '[' || word.front() == '(')) word.remove_prefix(1);
  while (!word.empty() && (word.back() == ']' || word.back() == ')' || word.back() == ',' || word.back() == '.')) {
    word.remove_suffix(1);
  }
  return std::string(word);
}

bool IsPlaceholder(std::string_view word) { return !word.empty() && word.front() >= 'A' && word.front() <= 'Z'; }

// The text that explains a placeholder of the usage lines, on a line of its own starting
// "WORD: ", up to the end of its first sentence; empty when the help has none.
std::string Definition(std::string_view help, std::string_view word) {
  const std::string start = "\n" + std::string(word) + ": ";
  const std::size_t at = help.find(start);
  if (at == std::string_view::npos) return {};
  const std::string_view rest = help.substr(at + start.size());
  for (std::size_t dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.', dot + 1)) {
    if (dot + 1 == rest.size() || rest[dot + 1] == ' ' || rest[dot + 1] == '\n')
      return std::string(rest.substr(0, dot));
  }
  return std::string(rest);
}

// Reads options, their placeholders and (when positionals is set) the words at the places
// after the command from the words of a usage line.
void ReadUsage(const std::vector<std::string>& words, std::string_view help, CommandShape& shape, bool positionals) {
  std::size_t place = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string word = Bare(words[i]);
    if (word.empty() || word == "|" || word == "...") continue;
    if (word.front() == '-') {
      if (std::ranges::find(shape.options, word) == shape.options.end()) shape.options.push_back(word);
      // "--json]" and "--all)" end their group; "--list LIST" goes on with the option's value.
      const char last = words[i].back();
      if (last == ']' || last == ')' || last == ',' || i + 1 == words.size()) continue;
      const std::string& next = words[i + 1];
      if (next.front() == '[' || next.front() == '(' || next.front() == '-' || next == "|") continue;
      shape.optionArguments[word] = Bare(next);
      ++i;
      continue;
    }
    if (!positionals) continue;
    // A placeholder that stands for options ("[LINK]") adds those options.
    const std::string definition = IsPlaceholder(word) ? Definition(help, word) : std::string();
    if (definition.find(" -") != std::string::npos || definition.starts_with("-")) {
      ReadUsage(Words(definition), help, shape, false);
      continue;
    }
    if (shape.positionals.size() <= place) shape.positionals.resize(place + 1);
    shape.positionals[place++].insert(word);
  }
}

// The usage lines of a command's help ("tessel-cli dump FILE ...", continued on indented
// lines) that belong to the command; a help shared by several commands names them all.
CommandShape ShapeOf(const ProgramManual& manual, const ManualCommand& command) {
  CommandShape shape;
  std::vector<std::vector<std::string>> usages;
  std::istringstream lines{std::string(command.help)};
  for (std::string line; std::getline(lines, line) && !line.empty();) {
    std::vector<std::string> words = Words(line);
    if (line.starts_with(manual.program)) {
      usages.emplace_back(words.begin() + 1, words.end());
    } else if (!usages.empty()) {
      usages.back().insert(usages.back().end(), words.begin(), words.end());
    }
  }
  for (const std::vector<std::string>& usage : usages) {
    if (usage.empty() || usage.front() != command.name) continue;
    ReadUsage({usage.begin() + 1, usage.end()}, command.help, shape, true);
  }
  return shape;
}

// Whether the space-separated list holds the word.
bool ListHas(std::string_view list, std::string_view word) {
  const std::vector<std::string> words = Words(list);
  return std::ranges::find(words, word) != words.end();
}

Offer OfferOfValues(std::string_view values) {
  Offer offer;
  if (values == "*") {
    offer.anyFile = true;
  } else if (values.starts_with("*.")) {
    offer.fileEndings.insert(std::string(values.substr(2)));
  } else {
    offer.words = Words(values);
  }
  return offer;
}

// What a placeholder of the command takes: the manual's value table (an entry for the option
// and its placeholder first), else the choices the usage spells out ("fast|normal"), else the
// names of the files its ending names ("OUT.csv").
Offer OfferOf(const ProgramManual& manual, std::string_view command, std::string_view option,
              const std::string& placeholder) {
  for (const std::string& key : {std::string(option) + " " + placeholder, placeholder}) {
    for (const ManualValues& entry : manual.values) {
      const bool named = entry.placeholders == key || ListHas(entry.placeholders, key);
      if ((entry.commands.empty() || ListHas(entry.commands, command)) && named) {
        return OfferOfValues(entry.values);
      }
    }
  }
  Offer offer;
  if (!IsPlaceholder(placeholder)) {
    offer.words = Split(placeholder, '|');
    return offer;
  }
  const std::size_t dot = placeholder.rfind('.');
  if (dot != std::string::npos) offer.fileEndings.insert(placeholder.substr(dot + 1));
  return offer;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) out += (out.empty() ? "" : " ") + word;
  return out;
}

// The shell lines that put the offer into COMPREPLY.
std::string OfferLines(const Offer& offer, const std::string& wordsFunction, std::string_view indent) {
  std::string out;
  if (!offer.words.empty()) out += std::string(indent) + wordsFunction + " " + Joined(offer.words) + "\n";
  if (!offer.fileEndings.empty()) {
    const std::vector<std::string> endings(offer.fileEndings.begin(), offer.fileEndings.end());
    std::string pattern = Joined(endings);
    std::ranges::replace(pattern, ' ', '|');
    out += std::string(indent) + "_filedir '" + (endings.size() == 1 ? pattern : "@(" + pattern + ")") + "'\n";
  }
  if (offer.anyFile) out += std::string(indent) + "_filedir\n";
  return out;
}

}  // namespace

std::string BashCompletion(const ProgramManual& manual) {
  std::string function = "_" + std::string(manual.program);
  std::ranges::replace(function, '-', '_');
  const std::string words = function + "_words";

  std::vector<std::string> topLevel;
  for (const ManualCommand& command : manual.commands) topLevel.emplace_back(command.name);
  for (const ManualEntry& option : manual.options) topLevel.emplace_back(option.term);

  std::string commandOptions;
  std::string argumentOffers;
  std::string placeOffers;
  for (const ManualCommand& command : manual.commands) {
    const CommandShape shape = ShapeOf(manual, command);
    std::vector<std::string> options = shape.options;
    options.emplace_back("--help");  // every command prints its help
    std::vector<std::string> withArgument;
    for (const auto& [option, placeholder] : shape.optionArguments) {
      withArgument.push_back(option);
      const Offer offer = OfferOf(manual, command.name, option, placeholder);
      if (offer.Empty()) continue;
      argumentOffers += "            \"" + std::string(command.name) + " " + option + "\")\n" +
                        OfferLines(offer, words, "                ") + "                ;;\n";
    }
    commandOptions += "        " + std::string(command.name) + ")\n            options=\"" + Joined(options) +
                      "\"\n            with_argument=\"" + Joined(withArgument) + "\"\n            ;;\n";
    for (std::size_t place = 0; place < shape.positionals.size(); ++place) {
      Offer offer;
      for (const std::string& placeholder : shape.positionals[place]) {
        offer.Add(OfferOf(manual, command.name, "", placeholder));
      }
      if (offer.Empty()) continue;
      placeOffers += "        \"" + std::string(command.name) + " " + std::to_string(place) + "\")\n" +
                     OfferLines(offer, words, "            ") + "            ;;\n";
    }
  }

  return "# bash completion for " + std::string(manual.program) +
         "\n"
         "# Written at build time from the table the program's --help texts and manual page come\n"
         "# from; edit that table, not this file.\n"
         "\n" +
         words +
         "()\n"
         "{\n"
         "    COMPREPLY+=($(compgen -W \"$*\" -- \"$cur\"))\n"
         "}\n"
         "\n" +
         function +
         "()\n"
         "{\n"
         "    local cur prev words cword\n"
         "    _init_completion -n : || return\n"
         "\n"
         "    # The command is the first word that is no option.\n"
         "    local i command=\"\"\n"
         "    for ((i = 1; i < cword; i++)); do\n"
         "        if [[ ${words[i]} != -* ]]; then\n"
         "            command=${words[i]}\n"
         "            break\n"
         "        fi\n"
         "    done\n"
         "    if [[ -z $command ]]; then\n"
         "        " +
         words + " " + Joined(topLevel) +
         "\n"
         "        return\n"
         "    fi\n"
         "\n"
         "    local options with_argument\n"
         "    case $command in\n" +
         commandOptions +
         "        *)\n"
         "            return\n"
         "            ;;\n"
         "    esac\n"
         "\n"
         "    if [[ \" $with_argument \" == *\" $prev \"* ]]; then\n"
         "        case \"$command $prev\" in\n" +
         argumentOffers +
         "        esac\n"
         "        __ltrim_colon_completions \"$cur\"\n"
         "        return\n"
         "    fi\n"
         "    if [[ $cur == -* ]]; then\n"
         "        " +
         words +
         " $options\n"
         "        return\n"
         "    fi\n"
         "\n"
         "    # The place of the word among the command's arguments, options and their values not\n"
         "    # counted.\n"
         "    local place=0\n"
         "    for ((i++; i < cword; i++)); do\n"
         "        if [[ ${words[i]} != -* ]]; then\n"
         "            place=$((place + 1))\n"
         "        elif [[ \" $with_argument \" == *\" ${words[i]} \"* ]]; then\n"
         "            i=$((i + 1))\n"
         "        fi\n"
         "    done\n"
         "    case \"$command $place\" in\n" +
         placeOffers +
         "    esac\n"
         "} &&\n"
         "    complete -F " +
         function + " " + std::string(manual.program) + "\n";
}

#include "cli/DocumentDiff.h"

#include "cli/JsonText.h"
#include "memory/Generation.h"
#include "text/Codepage.h"

namespace {

std::string Utf8(const std::string& text) { return ToUtf8(text, CodePage::Cp1252); }

// A value as the line shows it: quoted when it is empty or holds a space, so that the arrow
// stays readable.
std::string Shown(const std::string& text) {
  const std::string utf8 = Utf8(text);
  return utf8.empty() || utf8.find(' ') != std::string::npos ? "\"" + utf8 + "\"" : utf8;
}

std::string GenerationText(int generation) {
  return std::to_string(generation) + " (" + std::string(GenerationName(generation)) + ")";
}

void PrintText(const DiffReport& report, std::ostream& out) {
  if (report.Converted()) {
    out << report.before.path << " is generation " << GenerationText(report.before.generation) << ", "
        << report.after.path << " generation " << GenerationText(report.after.generation)
        << ": compared after converting both to generation 3.\n";
  }
  if (report.before.destination != report.after.destination) {
    out << "file: destination " << report.before.destination << " -> " << report.after.destination << "\n";
  }
  for (const FieldDifference& d : report.differences) {
    out << d.list << ": " << Utf8(d.entry) << " " << d.field << " " << Shown(d.before) << " -> " << Shown(d.after)
        << "\n";
  }
}

void PrintJson(const DiffReport& report, std::ostream& out) {
  out << "{\"generations\": [" << report.before.generation << ", " << report.after.generation
      << "], \"converted\": " << (report.Converted() ? "true" : "false") << ", \"destinations\": ["
      << report.before.destination << ", " << report.after.destination << "], \"differences\": [";
  const char* separator = "\n";
  for (const FieldDifference& d : report.differences) {
    out << separator << "  {\"list\": " << JsonString(d.list)
        << ", \"index\": " << (d.index ? std::to_string(*d.index) : std::string("null"))
        << ", \"entry\": " << JsonString(Utf8(d.entry)) << ", \"field\": " << JsonString(d.field)
        << ", \"before\": " << JsonString(Utf8(d.before)) << ", \"after\": " << JsonString(Utf8(d.after)) << "}";
    separator = ",\n";
  }
  out << (report.differences.empty() ? "" : "\n") << "]}\n";
}

}  // namespace

void PrintDiffReport(const DiffReport& report, bool json, std::ostream& out) {
  if (json) {
    PrintJson(report, out);
  } else {
    PrintText(report, out);
  }
}

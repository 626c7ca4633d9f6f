#include "cli/DumpTable.h"

#include "cli/JsonText.h"

namespace {

void WriteJson(const std::vector<DumpEntry>& entries, std::ostream& out) {
  out << "[";
  const char* entrySeparator = "\n";
  for (const DumpEntry& entry : entries) {
    out << entrySeparator << "  {";
    const char* fieldSeparator = "";
    for (const DumpField& field : entry) {
      out << fieldSeparator << JsonString(field.key) << ": " << field.json;
      fieldSeparator = ", ";
    }
    out << "}";
    entrySeparator = ",\n";
  }
  out << "\n]\n";
}

// Tab-separated, the keys as the first row.
void WriteTable(const std::vector<DumpEntry>& entries, std::ostream& out) {
  if (entries.empty()) return;
  const char* separator = "";
  for (const DumpField& field : entries.front()) {
    out << separator << field.key;
    separator = "\t";
  }
  out << "\n";
  for (const DumpEntry& entry : entries) {
    separator = "";
    for (const DumpField& field : entry) {
      out << separator << field.plain;
      separator = "\t";
    }
    out << "\n";
  }
}

}  // namespace

void WriteDumpEntries(const std::vector<DumpEntry>& entries, bool json, std::ostream& out) {
  if (json) {
    WriteJson(entries, out);
  } else {
    WriteTable(entries, out);
  }
}

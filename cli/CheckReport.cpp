#include "cli/CheckReport.h"

#include <string_view>

#include "memory/RecordChecks.h"

namespace {

// The list a finding belongs to, as dump names lists, and the entry's number in it.
std::string_view ListNameOf(int kind, int index) {
  switch (kind) {
    case RecordKind::kChannel:
      return index < 500 ? "memory" : index < 550 ? "scan-edges" : "call";
    case RecordKind::kRepeater:
      return "repeaters";
    case RecordKind::kYourCall:
      return "your-calls";
    case RecordKind::kBroadcastFm:
    case RecordKind::kBroadcastAm:
      return "broadcast";
    default:
      return "records";
  }
}

}  // namespace

CheckCounts ReportFindings(cmcEeprom& document, std::ostream& out) {
  CheckCounts counts;
  for (const ListFinding& finding : ListFindings(document)) {
    const bool isError = finding.check->severity == CheckSeverity::kError;
    ++(isError ? counts.errors : counts.warnings);
    out << ListNameOf(finding.kind, finding.index) << " " << finding.index << " " << finding.check->field << ": "
        << (isError ? "error" : "warning") << " (" << finding.check->name << ")\n";
  }
  return counts;
}

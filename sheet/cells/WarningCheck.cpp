#include "sheet/cells/WarningCheck.h"

#include "text/CellIds.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"

namespace {

constexpr const char* kCheckListKey = "GI_WarningCheckList";

}  // namespace

WarningCheckResult RunWarningCheckList(const CellBehaviourCallback& behaviour, cmcGTex& texts) {
  WarningCheckResult result;
  for (int n = 0;; ++n) {
    const std::string line = texts.GetLine(kCheckListKey, n);
    if (!line.empty() && line[0] == '#') break;
    if (line.empty()) continue;
    cmcCellObj cell;
    ParseCellDefinition(cell, line, nullptr, nullptr);
    if (cell.cellId < CL_Check_MemoryCH0 || cell.cellId > CL_Check_RPTList29) continue;
    cmcCellCapsule request;
    request.cell = &cell;
    if (behaviour) behaviour(request, kCellQuery);
    if (request.HasFlag(kRequestErrorMark)) {
      result.errorSheets.push_back(cell.argument);
    } else if (request.HasFlag(kRequestWarningMark)) {
      result.warningSheets.push_back(cell.argument);
    }
  }
  return result;
}

#pragma once
// The error and warning scan behind the navigation tree's marks: every line of
// "GI_WarningCheckList" names a check identifier and, as its argument, the sheet it covers.
// Each is queried through the cell behaviour (the dispatcher, or whatever a program installs
// in front of it); a sheet whose records fail an error check goes
// into the error list, one with warnings only into the warning list.
#include <string>
#include <vector>

#include "sheet/layout/cmcCellCapsule.h"

class cmcGTex;

struct WarningCheckResult {
  std::vector<std::string> errorSheets;  // sheet names as the list spells them
  std::vector<std::string> warningSheets;
  int Errors() const { return static_cast<int>(errorSheets.size()); }
  int Warnings() const { return static_cast<int>(warningSheets.size()); }
};

WarningCheckResult RunWarningCheckList(const CellBehaviourCallback& behaviour, cmcGTex& texts);

#pragma once
// The open sheet's current cell as the parent of a menu or tool bar request: the open sheet
// answers EV_QueryCurrentCell with a copy of the current cell's attribute set and
// EV_QuerySheetName with its full name. The context keeps what it is told, so it stays valid
// while the request runs. Without an open sheet the context is absent and requests go
// without a parent.
#include <optional>

#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcCellObj.h"

class cmcEvMan;

class CellContext {
 public:
  CellContext() = default;
  CellContext(const CellContext&) = delete;
  CellContext& operator=(const CellContext&) = delete;

  void Query(cmcEvMan& events);
  // The parent request, or nullptr when no sheet answered.
  const cmcCellCapsule* Parent() const { return cell_ ? &request_ : nullptr; }

 private:
  std::optional<cmcCellObj> cell_;
  cmcCellCapsule request_;
};

// A request about a menu, tool bar or tree entry: a query (op kCellQuery) or a click
// (op kCellAction with the Enter key).
cmcCellCapsule EntryRequest(cmcCellObj& cell, void* owner, const CellContext& context);

#pragma once
// The cell behaviour of every bound cell: sheet cells, menu and tool bar entries, pop-up
// menu entries, tree nodes and selection list lines. Asked about a cell (op kCellQuery) it
// answers the text to show, the warning and error marks and the menu states; asked to act
// (op kCellAction) it changes the document and tells the caller what to do next.
//
// A sheet installs it as its cell behaviour callback:
//   indActiveCell behaviour(document);
//   request.repaint = ...;  // the sheet's RepaintRelated
//   sheetCallback = behaviour.Callback();
// The object holds nothing but the document, so one may be made per sheet or per query.
#include <cstdint>
#include <string>
#include <string_view>

#include "sheet/layout/CellDocument.h"
#include "sheet/layout/cmcCellCapsule.h"

class cmcCellObj;

class indActiveCell {
 public:
  explicit indActiveCell(CellDocument& document) : document_(document) {}

  // Answers request; op kCellQuery for queries and drawing (the image is never changed),
  // kCellAction for actions. Returns the result code of an action (kCellResult...).
  int HandleCellRequest(cmcCellCapsule& request, int op);

  // A query for cell with the key and sheet argument given; the text the cell shows.
  std::string QueryCellText(cmcCellObj& cell, std::int32_t key, std::string_view sheetArgument);
  // A query for cell with the key given; the handler's own result.
  int QueryCellFlags(cmcCellObj& cell, std::int32_t key);

  // The callback form of HandleCellRequest, for sheets, menus and lists.
  CellBehaviourCallback Callback() { return {&Behaviour, this}; }

 private:
  static int Behaviour(cmcCellCapsule& request, int op, void* object);

  CellDocument& document_;
};

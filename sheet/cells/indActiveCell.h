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
// The object holds the document and whether a fill is under way, so one may be made per sheet
// or per query.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/layout/CellDocument.h"
#include "sheet/layout/cmcCellCapsule.h"
#include "text/cmcCellObj.h"
#include "values/PopupRequest.h"

// What a cell's in-place editor or pop-up hands the cell: a committed text (kInputCommitted), or
// a pick (kInputPicked): the picked entry for lists, the value or text for the editors.
struct CellInput {
  std::int32_t kind = kInputNone;  // kInputNone: nothing to hand
  std::string text;
  std::optional<cmcCellObj> entry;
};

// What F2 opens on a cell: the in-place editor (with the text it starts with), a list or an
// editor (a pop-up), or nothing on a cell shown only.
struct CellProbe {
  PopupRequest popup;
  bool editor = false;
  std::string editorText;
};

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

  // Asks what F2 opens on request's cell (an action: some cells open a dialog of their own).
  CellProbe Probe(cmcCellCapsule request);
  // Hands input to request's cell as its editor or list does (an action); true when the cell
  // took it.
  bool HandInput(cmcCellCapsule request, const CellInput& input);

 private:
  static int Behaviour(cmcCellCapsule& request, int op, void* object);
  int Answer(cmcCellCapsule& request, int op);
  // Fill and Fill Down on the selected cells of the request's column, as one edit.
  void Fill(cmcCellCapsule& request);

  CellDocument& document_;
  // While above zero, the requests answered belong to one edit, which notes itself at its end.
  int oneEditDepth_ = 0;
};

// A cell with no category bound to the identifier and index, as a request names a setting or
// a list entry.
cmcCellObj BoundCell(unsigned cellId, std::int32_t index);

// The value a probed cell holds, as its editor or list would hand it back unchanged; nothing
// for a cell that opens neither.
CellInput UnchangedInput(const CellProbe& probe);

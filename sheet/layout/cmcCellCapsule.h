#pragma once
// The cell request: the parameter block of every question to cell behaviour. A sheet, a menu,
// the tool bar or a selection list fills it for one cell and hands it to the cell behaviour
// callback, which answers through the output fields. The core knows nothing of widgets: the
// owner, the grid, the canvas and the mark images travel as opaque pointers that only the
// user interface dereferences.
#include <cstdint>
#include <string>

#include "text/ColorNames.h"
#include "values/KeyCodes.h"
#include "values/PopupRequest.h"

class cmcCellObj;
class SheetLayout;

// A rectangle in the grid's pixel coordinates; right and bottom are exclusive.
struct CellRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Operations of the cell behaviour callback: a query never changes the image.
constexpr int kCellQuery = 0;
constexpr int kCellAction = 1;

// Results of an action.
constexpr int kCellResultNothing = 0;
constexpr int kCellResultRefresh = 1;  // the sheet ends its multi-selection and repaints
constexpr int kCellResultEdit = 2;     // the sheet opens the in-place editor with the output text

// Repaint scope: after an action the asking sheet repaints every visible cell that matches
// any bit the behaviour set.
constexpr uint32_t kRepaintSameCellAndIndex = 1u << 0;
constexpr uint32_t kRepaintSameCategory = 1u << 1;
constexpr uint32_t kRepaintSameCellId = 1u << 2;
constexpr uint32_t kRepaintSameIndex = 1u << 3;       // bound cells, when the request's cell has a category
constexpr uint32_t kRepaintNeighbourIndex = 1u << 4;  // same category, bound, index within 1
constexpr uint32_t kRepaintEveryBoundCell = 1u << 5;
constexpr uint32_t kRepaintIndexAtLeast = 1u << 6;  // with a category and an identifier
constexpr uint32_t kRepaintIndexAtMost = 1u << 7;

// Bits of cmcCellCapsule::flags. The mark bits are outputs, cleared when a request is handled.
constexpr uint8_t kRequestCurrentCell = 1u << 0;
constexpr uint8_t kRequestPrinting = 1u << 1;
constexpr uint8_t kRequestWarningMark = 1u << 2;
constexpr uint8_t kRequestErrorMark = 1u << 3;
constexpr uint8_t kRequestCheckMark = 1u << 4;  // output: a check mark is drawn in the cell

// Where a mark is drawn.
constexpr int32_t kMarkAutomatic = 0;  // left edge for right-aligned cells, else after the text
constexpr int32_t kMarkLeftEdge = 1;
constexpr int32_t kMarkRightEdge = 2;
constexpr int32_t kMarkAfterText = 3;  // right edge when the text is longer

// What the input text is.
constexpr int32_t kInputNone = 0;
constexpr int32_t kInputCommitted = 1;  // committed from the in-place editor
constexpr int32_t kInputPicked = 2;     // an entry picked in a selection list (the child request's cell)

// Bits of cmcCellCapsule::rangeFlags.
constexpr uint8_t kRangeLinesSelected = 1u << 1;  // input: a multi-selection of lines is active
constexpr uint8_t kRangeApplied = 1u << 2;        // output: the action applied to that range

constexpr uint8_t kWholeTextValid = 255;

class cmcCellCapsule;

// The cell behaviour: answers a request with op kCellQuery or kCellAction and returns the
// result code. object is the value registered with the function.
using CellBehaviourFunction = int (*)(cmcCellCapsule& request, int op, void* object);
struct CellBehaviourCallback {
  CellBehaviourFunction function = nullptr;
  void* object = nullptr;
  explicit operator bool() const { return function != nullptr; }
  int operator()(cmcCellCapsule& request, int op) const { return function(request, op, object); }
};

// Repaints the cells of the asking sheet that the scope bits select around the request's cell.
using RepaintFunction = void (*)(const cmcCellCapsule& request, uint32_t scope, void* object);
struct RepaintCallback {
  RepaintFunction function = nullptr;
  void* object = nullptr;
  explicit operator bool() const { return function != nullptr; }
  void operator()(const cmcCellCapsule& request, uint32_t scope) const { function(request, scope, object); }
};

// Opens the asking sheet's in-place editor with the request's output text, for actions that
// finish later (after a dialog).
using EditorFunction = void (*)(cmcCellCapsule& request, void* object);
struct EditorCallback {
  EditorFunction function = nullptr;
  void* object = nullptr;
  explicit operator bool() const { return function != nullptr; }
  void operator()(cmcCellCapsule& request) const { function(request, object); }
};

// A request is a plain value: copying it copies the texts and shares the pointers, which
// stay owned by whoever set them.
class cmcCellCapsule {
 public:
  const cmcCellCapsule* parent = nullptr;  // the list opener's or pop-up menu owner's request
  void* owner = nullptr;                   // the grid or window that asks
  void* actionGrid = nullptr;              // set only for actions sent by a sheet
  cmcCellObj* cell = nullptr;
  void* canvas = nullptr;              // only while the cell is drawn
  void* markImages = nullptr;          // the image list with the warning and error marks
  const CellRect* cellRect = nullptr;  // only while the cell is drawn
  int32_t selectionStart = 0;
  int32_t selectionLength = 0;
  int32_t maxLength = kDefaultEditorMaxLength;
  int32_t key = 0;
  int32_t command = 0;          // the chosen pop-up menu entry's cell identifier, 0 for none
  int32_t commandArgument = 0;  // what a command of the Edit menu carries (Sort: SortOrderCode)
  std::string inputText;
  std::string outputText;
  uint8_t validLength = kWholeTextValid;  // characters beyond it are drawn light grey
  uint32_t fontColor = kClNone;           // output: the text colour the behaviour chooses, else the cell's own
  std::string sheetName;
  std::string sheetArgument;
  uint8_t flags = 0;
  int32_t markPosition = kMarkAutomatic;
  int32_t inputKind = kInputNone;
  int32_t moveRequest = 0;  // output: move the cursor to the target below
  unsigned moveCategory = 0;
  unsigned moveCellId = 0;
  int32_t moveIndex = 0;
  int32_t repeatKey = 0;         // output: sent again once the cursor is on the target
  SheetLayout* sheet = nullptr;  // the asking sheet
  uint8_t rangeFlags = 0;
  int32_t rangeLow = 0;  // lowest and highest index of the selected lines
  int32_t rangeHigh = 0;
  RepaintCallback repaint;
  EditorCallback editor;
  PopupRequest popup;  // output: the pop-up the sheet opens at the cell after the action
  // Output: the committed text or the pick was not taken and the value stays as it was.
  bool inputRefused = false;

  bool IsAction() const { return actionGrid != nullptr; }
  bool HasFlag(uint8_t bit) const { return (flags & bit) != 0; }
};

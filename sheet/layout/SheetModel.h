#pragma once
// What a page of this radio adds to the generic sheet layout. The layout asks its model while
// it builds (the base index of a channel block, the regional rows of the set-mode pages, the
// length of a list whose loop follows the data, the column groups to hide after filling);
// the sheet asks it for the title, the status text with the remaining free entries and
// whether the page prints. The type tag of a sheet's name chooses the model
// (MakeSheetModel); the plain model adds nothing.
//
// Models read the document they are made for and keep only what their argument names (the
// bank, the list and its length). A model lives as long as its sheet.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CellDocument;
class cmcCellObj;
class SheetLayout;
struct SheetStyle;

// The pages "print all" takes besides the always printed ones.
struct PrintAllChoices {
  bool memoryChannels = true;  // memory channel blocks and scan edges
  bool bankChannels = true;
};

// A list whose length follows the data: the list number its argument names, the entries it
// holds and the index of its first entry. The screen shows one row more, for a new entry.
struct SheetList {
  int number = 0;
  int count = 0;
  std::int32_t first = 0;
};

class SheetModel {
 public:
  virtual ~SheetModel() = default;

  // The argument text of the sheet's name (everything after its first comma).
  virtual void SetArgument(std::string_view argument);
  // Added to the index of every cell after the build.
  virtual std::int32_t BaseIndex() const { return 0; }
  // Whether the lines a regional directive ("Only_JPUSKR", "Only_USA") guards are laid out.
  virtual bool AllowsRegionalLines(std::string_view directive) const;
  // The list an open loop ("LoopFrom" without a count) repeats; none for fixed layouts.
  virtual SheetList* List() { return nullptr; }
  const SheetList* List() const { return const_cast<SheetModel*>(this)->List(); }
  // After the cells are filled, before the base index is added.
  virtual void AfterFill(SheetLayout& layout);

  // The title shown above the grid (program code page); styleTitle is the style's.
  virtual std::string Title(const std::string& styleTitle) const { return styleTitle; }
  // The title with the remaining free entries where the page counts them.
  virtual std::string StatusText(const std::string& styleTitle) const { return Title(styleTitle); }
  virtual bool IsPrintable(const SheetStyle& style) const;
  virtual bool IsInPrintAll(const SheetStyle& style, const PrintAllChoices& choices) const;
};

// The model of a sheet type tag ("St_ColCut", "St_RptList", ...) for a document; the plain
// model for no tag, "St_RadioTop", an unknown tag or no document.
std::unique_ptr<SheetModel> MakeSheetModel(std::string_view typeTag, CellDocument* document);

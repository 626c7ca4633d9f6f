#pragma once
// A cell attribute set: what one cell definition of the markup yields. Every cell of a
// sheet, every menu, tool bar, tree and pop-up menu entry and every line of a selection list
// is one of these. A cell inherits from its parent (the sheet's basic cell): on reset it
// takes the parent's fields, and it looks up the font and pop-up menus through the parent.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/CellFont.h"
#include "text/CellIds.h"

// The ten cell-number variables of a sheet being built ("@ch0" to "@ch9").
using CellVariables = std::array<int32_t, 10>;

enum HorizontalAlign : uint8_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };
enum VerticalAlign : uint8_t { kAlignTop = 0, kAlignMiddle = 1, kAlignBottom = 2 };
enum RightBorder : uint8_t { kRightBorderNone = 0, kRightBorderFull = 1, kRightBorderTick = 2 };

class cmcCellObj {
 public:
  // Format flags.
  HorizontalAlign HAlign() const { return static_cast<HorizontalAlign>(format & 3u); }
  VerticalAlign VAlign() const { return static_cast<VerticalAlign>((format >> 2) & 3u); }
  bool AutoWidth() const { return format & kAutoWidth; }
  bool AutoHeight() const { return format & kAutoHeight; }
  bool WordWrap() const { return format & kWordWrap; }
  bool Continuation() const { return format & kContinuation; }

  // Behaviour flags.
  bool BottomBorder() const { return behaviour & kBottomBorder; }
  RightBorder RightBorderKind() const { return static_cast<RightBorder>((behaviour >> 1) & 3u); }
  bool Selectable() const { return behaviour & kSelectable; }
  bool InputMethod() const { return behaviour & kInputMethod; }
  bool Attached() const { return behaviour & kAttached; }

  // State flags 0 to 7 (menus read 0 as checked, 1 hidden, 2 disabled, 3 caption replaced).
  bool StateFlag(int d) const;
  void SetStateFlag(int d, bool on);

  static constexpr uint8_t kAutoWidth = 0x10, kAutoHeight = 0x20, kWordWrap = 0x40, kContinuation = 0x80;
  static constexpr uint8_t kBottomBorder = 0x01, kSelectable = 0x08, kInputMethod = 0x10, kAttached = 0x20;

  const cmcCellObj* parent = nullptr;
  CellVariables* variables = nullptr;  // set only while a definition is parsed
  unsigned category = kCategoryNone;
  unsigned cellId = kCellIdNone;
  int32_t index = 0;
  std::string argument;
  bool hasArgument = false;  // "%id:" names an empty argument, which differs from none
  int32_t imageIndex = -1;
  uint8_t format = 0;
  uint8_t behaviour = 0;
  uint8_t state = 0;  // state flags 2 to 7 in bits 0 to 5
  uint32_t color = kClWindow;
  std::optional<CellFont> font;  // none: the parent's font
  std::optional<std::string> popupMenuKey;
  std::optional<std::string> colCutPopupMenuKey;
  bool hasCombination = false;
  std::array<int32_t, 3> combination{};
  std::string caption;
};

// Takes the part of text up to the first unescaped '|' as the definition of cell and
// returns what follows that '|' (empty after the last definition). The cell gets parent as
// its parent and is reset; unless countOnly is set, the definition is parsed with the given
// variables (which may be none). Markup errors are fatal.
std::string_view ParseCellDefinition(cmcCellObj& cell, std::string_view text, CellVariables* variables,
                                     const cmcCellObj* parent, bool countOnly = false);

// Parses an attribute string (the text inside braces) onto cell, as cell models are.
void ParseCellAttributes(cmcCellObj& cell, std::string_view attributes);

// Restores the defaults, then takes the parent's fields (its font and pop-up menu keys are
// looked up through the parent, not copied).
void ResetCell(cmcCellObj& cell);
void CopyCell(cmcCellObj& dst, const cmcCellObj& src);
const std::string& GetCaption(const cmcCellObj& cell);

// The font the cell draws with: its own, else the nearest ancestor's, else the default.
CellFont EffectiveFont(const cmcCellObj& cell);

// The nearest non-empty pop-up menu key of the cell or its ancestors (the column-cut key for
// a header row); none when no ancestor has one.
std::optional<std::string> FindPopupMenuKey(const cmcCellObj& cell, bool headerRow);

// Table indices of names; the empty name gives none (15 and 549), an unknown name is fatal.
unsigned CategoryIndex(std::string_view name);
unsigned CellIdIndex(std::string_view name);

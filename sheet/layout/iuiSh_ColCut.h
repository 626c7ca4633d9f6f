#pragma once
// Pages whose column groups the user may hide (View > Memory CH and Received Call Record):
// the memory channel blocks, scan edges, call channels, program scan links, the received
// call record and the bank channel lists.
#include "sheet/layout/SheetModel.h"

// Hides the columns of the cells IsColumnCut names after every build: the column gets no
// width and no cursor, and the column left of it takes over the group's right border.
class iuiSh_ColCut : public SheetModel {
 public:
  void AfterFill(SheetLayout& layout) override;
  // Whether the cell's column belongs to a hidden column group.
  virtual bool IsColumnCut(const cmcCellObj& cell) const;
};

// Channel blocks and scan links: the argument is the tree node number and, as a second
// field, the index of the block's first record.
class iuiSh_ColCut_A : public iuiSh_ColCut {
 public:
  explicit iuiSh_ColCut_A(CellDocument& document) : document_(document) {}

  void SetArgument(std::string_view argument) override;
  std::int32_t BaseIndex() const override { return baseIndex_; }
  bool IsColumnCut(const cmcCellObj& cell) const override;
  // A scan link page is titled by the link: " 3: name".
  std::string Title(const std::string& styleTitle) const override;
  // Printable when the block holds a record in use.
  bool IsPrintable(const SheetStyle& style) const override;
  // Memory blocks and scan edges follow the memory channel choice, banks the bank choice.
  bool IsInPrintAll(const SheetStyle& style, const PrintAllChoices& choices) const override;

 protected:
  CellDocument& Document() const { return document_; }
  int Node() const { return node_; }

 private:
  bool HoldsRecordInUse() const;

  CellDocument& document_;
  int node_ = -1;
  std::int32_t baseIndex_ = 0;
};

// A bank's channel list: the argument is the tree node number of the bank.
class iuiSh_ColCutBank : public iuiSh_ColCut_A {
 public:
  using iuiSh_ColCut_A::iuiSh_ColCut_A;

  void SetArgument(std::string_view argument) override;
  // " C: name"; the style's title for a node outside the banks.
  std::string Title(const std::string& styleTitle) const override;
  // The bank's title and the memory channels still free.
  std::string StatusText(const std::string& styleTitle) const override;

  // The bank shown, kNoBank (255) for a node outside the banks.
  int Bank() const { return bank_; }

 private:
  int bank_ = 255;
};

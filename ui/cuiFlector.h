#pragma once
// The pop-up selection list: the list's sheet definition shown in list mode in a small window
// at the cell that opened it. The pointer and the arrow keys move over the entries, Page Up
// and Page Down by a page, Home and End to the first and last entry, typed characters to the
// first entry whose caption starts with what was typed; Enter, a click or a double-click picks
// the entry for the cell. The cursor starts on the cell's value; a value without an entry
// leaves every entry unselected until the user moves.
#include <memory>
#include <string>
#include <vector>

#include "text/cmcGTex.h"
#include "ui/CellPopupWindow.h"
#include "values/PopupRequest.h"

class cuiSheet;

class cuiFlector final : public CellPopupWindow {
  Q_OBJECT

 public:
  // listTexts holds the list's definition; a generated list hands its own lines, which the
  // window keeps in a private text database.
  cuiFlector(const CellPopupContext& context, const cmcCellCapsule& request, const SelectionListPopup& list,
             std::vector<std::string> generatedLines = {});
  ~cuiFlector() override;

  cuiSheet& Sheet() { return *sheet_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    int column;
    int row;
    std::string caption;
  };

  cmcGTex& ListTexts();
  void CollectEntries(unsigned entryId);
  bool HasEntryFor(std::int32_t value) const;
  void SizeToList();
  void MoveToEntry(std::size_t place);
  bool SearchTyped(const QString& typed);

  std::vector<std::string> generatedLines_;
  std::vector<const char*> generatedTable_;
  std::unique_ptr<cmcGTex> privateTexts_;
  cuiSheet* sheet_ = nullptr;
  std::vector<Entry> entries_;  // in the order of the sheet's cells, row by row
  std::vector<std::int32_t> indices_;
  QString typed_;
};

// Opens the list of a list cell, or the integer list generated for an integer cell.
void OpenSelectionList(const CellPopupContext& context, const cmcCellCapsule& request, const SelectionListPopup& list);
void OpenIntegerList(const CellPopupContext& context, const cmcCellCapsule& request, const IntegerListPopup& list);

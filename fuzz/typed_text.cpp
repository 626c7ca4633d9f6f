// Arbitrary text typed into every kind of cell and committed the way the in-place editor
// commits it (the GPS text editor hands its text back as a pick): the value cells of every
// list page of the tree and every set-mode item, over an image whose lists hold arbitrary
// entries. The codecs behind them are those tessel-cli set reaches too. No commit may crash,
// and every cell must show a text afterwards.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/cmcEvMan.h"
#include "memory/DefaultImages.h"
#include "memory/Generation.h"
#include "memory/LoadedImage.h"
#include "memory/ModelSettings.h"
#include "memory/PlainModelSettings.h"
#include "memory/indDestination.h"
#include "platform/FrozenTiming.h"
#include "sheet/cells/DocumentDifferences.h"
#include "sheet/cells/ListRangeAnswer.h"
#include "sheet/cells/SetModeItems.h"
#include "sheet/cells/StandaloneCellDocument.h"
#include "sheet/cells/indActiveCell.h"
#include "sheet/layout/CellTextMeasure.h"
#include "sheet/layout/SheetLayout.h"
#include "sheet/layout/TreeNodes.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"
#include "values/KeyCodes.h"
#include "values/PopupRequest.h"

namespace {

constexpr int kDestination = 2;
// The first rows of a page hold every kind of cell it has.
constexpr int kRowsPerPage = 3;

// An image of arbitrary bytes, unpacked, so that every list shows entries.
cmcEeprom ArbitraryImage(const cmcEeprom& defaults) {
  cmcEeprom image;
  PrepareImage(image, 3);
  std::mt19937 random(31);
  for (std::uint8_t& byte : image.Bytes()) byte = static_cast<std::uint8_t>(random());
  PrepareLoadedImage(image, defaults);
  return image;
}

constexpr std::size_t kNoPage = SIZE_MAX;

// A cell that takes typed text, on the page that shows it.
struct TypedCell {
  std::size_t page;  // in the pages, or kNoPage for a set-mode item
  cmcCellObj cell;
  bool gpsEditor = false;
};

class Typing {
 public:
  Typing() {
    model_.destinationCode = kDestination;
    InstallModelSettings(&model_);
    indDestination(kDestination).ApplyDestination();
    ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
    BuildDefaultsImage(defaults_);
    pristine_ = ArbitraryImage(defaults_);
    image_.Assign(pristine_);
    document_.SetEvents(&events_);
    document_.Settings().destinationCode = kDestination;
    CollectPageCells();
    CollectSettingCells();
  }

  void Commit(const std::string& text) {
    image_.Assign(pristine_);
    for (TypedCell& typed : cells_) {
      SheetLayout* sheet = typed.page < pages_.size() ? pages_[typed.page].get() : nullptr;
      const ListRangeAnswer answer(&events_, sheet != nullptr ? sheet->Model().List() : nullptr);
      cmcCellCapsule request = Request(typed.cell, sheet);
      request.inputKind = typed.gpsEditor ? kInputPicked : kInputCommitted;
      request.inputText = text;
      behaviour_.HandleCellRequest(request, kCellAction);
      static_cast<void>(behaviour_.QueryCellText(typed.cell, 0, sheet != nullptr ? sheet->GetArgument() : ""));
    }
  }

 private:
  cmcCellCapsule Request(cmcCellObj& cell, SheetLayout* sheet) {
    cmcCellCapsule request;
    request.cell = &cell;
    request.actionGrid = this;
    if (sheet != nullptr) {
      request.sheetName = sheet->GetName();
      request.sheetArgument = sheet->GetArgument();
    }
    return request;
  }

  // What F2 opens on the cell: the in-place editor or the GPS text editor take typed text.
  std::optional<bool> TakesText(cmcCellObj& cell, SheetLayout* sheet) {
    cmcCellCapsule request = Request(cell, sheet);
    request.key = kKeyF2;
    const int result = behaviour_.HandleCellRequest(request, kCellAction);
    image_.Assign(pristine_);
    if (std::holds_alternative<GpsTextPopup>(request.popup)) return true;
    if (result == kCellResultEdit) return false;
    return std::nullopt;
  }

  void CollectPageCells() {
    std::set<std::pair<unsigned, unsigned>> seen;  // category and identifier
    for (const std::string& sheetName : TreeSheetNames(ApplicationTexts())) {
      if (!IsComparedSheet(sheetName)) continue;
      auto sheet = std::make_unique<SheetLayout>(SheetEnvironment{ApplicationTexts(), measure_, nullptr, &document_});
      sheet->SetName(sheetName);
      sheet->Build();
      const ListRangeAnswer answer(&events_, sheet->Model().List());
      const int lastRow = std::min(sheet->RowCount(), sheet->FixedRowCount() + kRowsPerPage);
      for (int row = sheet->FixedRowCount(); row < lastRow; ++row) {
        for (int column = sheet->FixedColumnCount(); column < sheet->ColumnCount(); ++column) {
          cmcCellObj& cell = sheet->GetCell(column, row);
          if (cell.cellId == kCellIdNone || seen.contains({cell.category, cell.cellId})) continue;
          if (const auto gps = TakesText(cell, sheet.get())) {
            seen.insert({cell.category, cell.cellId});
            cells_.push_back({pages_.size(), cell, *gps});
          }
        }
      }
      pages_.push_back(std::move(sheet));
    }
  }

  void CollectSettingCells() {
    for (const SetModeRow& row : SetModeRows(document_)) {
      cmcCellObj cell;
      cell.category = kCategoryNone;
      cell.cellId = row.cellId;
      cell.index = row.index;
      if (const auto gps = TakesText(cell, nullptr)) cells_.push_back({kNoPage, cell, *gps});
    }
  }

  FrozenTiming timing_;
  PlainModelSettings model_;
  cmcEvMan events_;
  NoTextMeasure measure_;
  cmcEeprom defaults_;
  cmcEeprom pristine_;
  cmcEeprom image_;
  StandaloneCellDocument document_{image_, defaults_, ApplicationTexts()};
  indActiveCell behaviour_{document_};
  std::vector<std::unique_ptr<SheetLayout>> pages_;
  std::vector<TypedCell> cells_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Typing typing;
  typing.Commit(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}

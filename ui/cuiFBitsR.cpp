#include "ui/cuiFBitsR.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/cmcCellObj.h"
#include "ui/DisplayText.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"

namespace {

constexpr int kSheetBorder = 5;
constexpr int kButtonGap = 8;

}  // namespace

cuiFBitsR::cuiFBitsR(const CellPopupContext& context, const cmcCellCapsule& request, const BitFieldPopup& editor)
    : CellPopupWindow(context, request), flags_(editor) {
  BuildWindow(editor.sheetKey);
  sheet_->Grid().setFocus(Qt::PopupFocusReason);
}

cuiFBitsR::~cuiFBitsR() = default;

// A caller's own sheet definition is in the program's texts; the generated one in a private
// database that lives with the window.
cmcGTex& cuiFBitsR::SheetTexts(const std::string& callerSheetKey) {
  if (!callerSheetKey.empty()) return *Context().texts;
  lines_ = flags_.SheetLines();
  for (const std::string& line : lines_) table_.push_back(line.c_str());
  privateTexts_ = std::make_unique<cmcGTex>();
  privateTexts_->SelectLineTable({table_.data(), table_.size()});
  return *privateTexts_;
}

void cuiFBitsR::BuildWindow(const std::string& callerSheetKey) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kSheetBorder, kSheetBorder, kSheetBorder, kSheetBorder);
  sheet_ = new cuiSheet(this, SheetTexts(callerSheetKey), nullptr, *Context().events, Context().document);
  sheet_->Layout().SetName(callerSheetKey.empty() ? kBitFieldSheetKey : callerSheetKey);
  sheet_->SetCallback({&cuiFBitsR::Behaviour, this});
  sheet_->SetMarkImages(Context().marks);
  sheet_->Build();
  sheet_->Grid().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sheet_->Grid().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sheet_->setFixedSize(sheet_->GetWantedWidth(), sheet_->GetWantedHeight());
  layout->addWidget(sheet_);

  cmcGTex& texts = *Context().texts;
  ok_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Button_OkCancel", 0)), this);
  cancel_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Button_OkCancel", 1)), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addSpacing(kButtonGap);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, [this] { CommitAndClose(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Cancel(); });
  ok_->setEnabled(flags_.RuleHolds());
  sheet_->Grid().installEventFilter(this);
  ShowAtCell(sizeHint());
}

int cuiFBitsR::Behaviour(cmcCellCapsule& request, int op, void* object) {
  return static_cast<cuiFBitsR*>(object)->HandleRequest(request, op);
}

// Flag cells answer here; every other cell of the sheet (labels, separators) goes to the
// ordinary cell behaviour.
int cuiFBitsR::HandleRequest(cmcCellCapsule& request, int op) {
  if (request.cell == nullptr || request.cell->cellId != CL_FBits) return Context().behaviour(request, op);
  if (!flags_.Answer(request, op)) return kCellResultNothing;
  ok_->setEnabled(flags_.RuleHolds());
  sheet_->Grid().viewport()->update();  // the error marks of every flag follow the rule
  return kCellResultNothing;
}

void cuiFBitsR::Commit() {
  if (Answered() || !flags_.RuleHolds()) return;
  SendPick(std::to_string(flags_.Value()));
}

void cuiFBitsR::CommitAndClose() {
  Commit();
  MarkAnswered();
  close();
}

void cuiFBitsR::OnClosedByFocusLoss() { Commit(); }

bool cuiFBitsR::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (flags_.RuleHolds()) CommitAndClose();
      return true;
    }
  }
  return CellPopupWindow::eventFilter(watched, event);
}

#include "ui/cuiInformation.h"

#include <QFrame>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/DisplayText.h"
#include "ui/WindowPlacement.h"
#include "ui/cuiGrid.h"
#include "ui/cuiSheet.h"

namespace {

constexpr int kPanelBorder = 8;
constexpr int kBevelWidth = 2;
constexpr int kButtonMargin = 5;

}  // namespace

cuiInformation::cuiInformation(QWidget* owner, Services services, const std::string& caption,
                               const std::string& sheetKey)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      owner_(owner) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(DisplayText(caption));
  setFont(CellModelFont(services.texts, "CellModel_BasicDialog"));

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(kBevelWidth);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(kPanelBorder, kPanelBorder, kPanelBorder, kPanelBorder);
  sheet_ = new cuiSheet(panel, services.texts, nullptr, services.events);
  sheet_->Layout().SetName(sheetKey);
  sheet_->SetCallback(services.behaviour);
  sheet_->Build();
  sheet_->Grid().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sheet_->Grid().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sheet_->setFixedSize(sheet_->GetWantedWidth(), sheet_->GetWantedHeight());
  panelLayout->addWidget(sheet_);

  ok_ = new QPushButton(DisplayText(services.texts.GetLine("GI_AppInd_Button_OkCancel", 0)), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, kButtonMargin, kButtonMargin);
  layout->setSpacing(kButtonMargin);
  layout->addWidget(panel);
  layout->addWidget(ok_, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

cuiInformation::~cuiInformation() {
  if (owner_ == nullptr) return;
  owner_->setEnabled(true);
  owner_->raise();
  owner_->activateWindow();
}

void cuiInformation::Open() {
  adjustSize();
  if (owner_ != nullptr) {
    owner_->setEnabled(false);
    QRect placed(QPoint(), frameGeometry().size());
    placed.moveCenter(owner_->frameGeometry().center());
    QList<QRect> areas;
    if (const QScreen* screen = owner_->screen()) areas.append(screen->availableGeometry());
    move(PlaceOnWorkAreas(placed, areas).topLeft());
  }
  show();
  ok_->setFocus();
}

#include "ui/cuiInformation.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
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
                               const std::string& sheetKey, Backups backups)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      owner_(owner),
      backups_(std::move(backups)) {
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
  layout->addWidget(MakeBackupPanel(services.texts));
  layout->addWidget(ok_, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* cuiInformation::MakeBackupPanel(cmcGTex& texts) {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(kPanelBorder, 0, 0, 0);
  const auto caption = [&texts](int line) { return DisplayText(texts.GetLine("GI_AppInd_Backup_Caption", line)); };
  layout->addWidget(new QLabel(caption(0), panel));
  allRadios_ = new QCheckBox(caption(1), panel);
  backupList_ = new QListWidget(panel);
  openBackup_ = new QPushButton(caption(2), panel);
  layout->addWidget(allRadios_);
  layout->addWidget(backupList_);
  layout->addWidget(openBackup_, 0, Qt::AlignLeft);
  connect(allRadios_, &QCheckBox::toggled, this, &cuiInformation::ListBackups);
  connect(backupList_, &QListWidget::currentRowChanged, this, [this](int row) { openBackup_->setEnabled(row >= 0); });
  connect(backupList_, &QListWidget::itemActivated, this, &cuiInformation::OpenChosenBackup);
  connect(openBackup_, &QPushButton::clicked, this, &cuiInformation::OpenChosenBackup);
  ListBackups();
  return panel;
}

// Newest first; with every radio, each entry names its radio.
void cuiInformation::ListBackups() {
  backupList_->clear();
  const std::vector<RadioBackup> backups =
      backups_.list ? backups_.list(allRadios_->isChecked()) : std::vector<RadioBackup>();
  for (const RadioBackup& backup : backups) {
    const std::string shown = allRadios_->isChecked() ? backup.radio + "  " + backup.name : backup.name;
    auto* item = new QListWidgetItem(QString::fromStdString(shown), backupList_);
    item->setData(Qt::UserRole, QString::fromStdString(backup.path));
  }
  backupList_->setCurrentRow(backups.empty() ? -1 : 0);
  openBackup_->setEnabled(!backups.empty());
}

// The window goes first, so that Open's questions stand over the main window.
void cuiInformation::OpenChosenBackup() {
  const QListWidgetItem* item = backupList_->currentItem();
  if (item == nullptr || !backups_.open) return;
  const std::string path = item->data(Qt::UserRole).toString().toStdString();
  const auto open = backups_.open;
  if (owner_ != nullptr) owner_->setEnabled(true);
  owner_ = nullptr;
  close();
  open(path);
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

#include "ui/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const std::vector<Row>& rows, QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Recover unsaved changes"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Tessel ended without saving these changes. Recover them, discard "
                                              "them, or decide at the next start."),
                               this));
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Saved"), QStringLiteral("Changes")});
  for (const Row& row : rows) list_->addTopLevelItem(new QTreeWidgetItem({row.file, row.time, row.changes}));
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->setCurrentItem(list_->topLevelItem(0));
  layout->addWidget(list_);

  auto* buttons = new QDialogButtonBox(this);
  recover_ = buttons->addButton(QStringLiteral("&Recover"), QDialogButtonBox::AcceptRole);
  discard_ = buttons->addButton(QStringLiteral("&Discard"), QDialogButtonBox::DestructiveRole);
  later_ = buttons->addButton(QStringLiteral("&Later"), QDialogButtonBox::RejectRole);
  recover_->setDefault(true);
  layout->addWidget(buttons);
  connect(recover_, &QPushButton::clicked, this, [this] { Choose(Choice::kRecover); });
  connect(discard_, &QPushButton::clicked, this, [this] { Choose(Choice::kDiscard); });
  connect(later_, &QPushButton::clicked, this, [this] { Choose(Choice::kLater); });
  resize(720, sizeHint().height());
}

int RecoveryDialog::ChosenRow() const { return std::max(0, list_->indexOfTopLevelItem(list_->currentItem())); }

void RecoveryDialog::Choose(Choice choice) {
  chosen_ = choice;
  if (choice == Choice::kLater) {
    reject();
  } else {
    accept();
  }
}

#include "ui/SortDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/cmcGTex.h"
#include "ui/DisplayText.h"

SortDialog::SortDialog(QWidget* owner, cmcGTex& texts) : QDialog(owner) {
  setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Edit_Sort_Caption", 0)));
  setModal(true);
  keys_ = new QComboBox(this);
  // The list's lines follow SortKey's order.
  for (int key = 0; key < kSortKeyCount; ++key) {
    keys_->addItem(DisplayText(texts.GetLine("GI_AppInd_Edit_Sort_Keys", key)));
  }
  descending_ = new QCheckBox(DisplayText(texts.GetLine("GI_AppInd_Edit_Sort_Labels", 1)), this);
  ok_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 0)), this);
  auto* cancel = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 1)), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &SortDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &SortDialog::reject);

  auto* fields = new QFormLayout;
  fields->addRow(DisplayText(texts.GetLine("GI_AppInd_Edit_Sort_Labels", 0)), keys_);
  fields->addRow(QString(), descending_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  keys_->setFocus();
}

SortOrder SortDialog::Order() const { return {static_cast<SortKey>(keys_->currentIndex()), descending_->isChecked()}; }

#include "ui/ComPortDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/indEnviron.h"
#include "text/cmcGTex.h"
#include "ui/DisplayText.h"

ComPortDialog::ComPortDialog(QWidget* owner, Services services) : QDialog(owner), services_(services) {
  cmcGTex& texts = services_.texts;
  setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Caption", 0)));
  setModal(true);
  auto* notice = new QLabel(DisplayText(texts.GetValueText("GI_AppInd_Opt_ComSel_Notice")), this);
  box_ = new PortNumberBox(this, services_.environ);
  ok_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 0)), this);
  auto* cancel = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 1)), this);
  const int buttonWidth =
      fontMetrics().horizontalAdvance(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_SizeOfButtons", 0)));
  for (QPushButton* button : {ok_, cancel}) button->setMinimumWidth(buttonWidth);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &ComPortDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &ComPortDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notice);
  layout->addWidget(box_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  box_->setFocus();
}

void ComPortDialog::accept() {
  const std::optional<int> port = box_->Number();
  if (!port) {
    box_->RefuseNumber(services_.texts, "GI_AppInd_Opt_ComSel_OutofRange");
    return;
  }
  services_.environ.settings.comPort = *port;
  services_.environ.WriteSettings();
  QDialog::accept();
}

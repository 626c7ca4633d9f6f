#include "ui/ComPortDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <functional>

#include "platform/MessageBox.h"
#include "platform/PortNumbers.h"
#include "platform/qt/QtSerialPortList.h"
#include "shell/indEnviron.h"
#include "text/Codepage.h"
#include "text/cmcGTex.h"
#include "ui/DisplayText.h"

namespace {

constexpr int kMaximumLength = 4;
constexpr int kDeviceRole = Qt::UserRole;

// A box whose list is filled again each time it drops down.
class RefreshingComboBox final : public QComboBox {
 public:
  RefreshingComboBox(QWidget* parent, std::function<void()> refresh)
      : QComboBox(parent), refresh_(std::move(refresh)) {}

  void showPopup() override {
    refresh_();
    QComboBox::showPopup();
  }

 private:
  std::function<void()> refresh_;
};

// The list shows each number with its device; choosing one puts only the number in the box.
class PortItemDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text += QStringLiteral("  ") + index.data(kDeviceRole).toString();
  }
};

}  // namespace

ComPortDialog::ComPortDialog(QWidget* owner, Services services) : QDialog(owner), services_(services) {
  cmcGTex& texts = services_.texts;
  setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Caption", 0)));
  setModal(true);
  auto* notice = new QLabel(DisplayText(texts.GetValueText("GI_AppInd_Opt_ComSel_Notice")), this);
  box_ = new RefreshingComboBox(this, [this] { RefreshPorts(); });
  box_->setEditable(true);
  box_->setInsertPolicy(QComboBox::NoInsert);
  box_->lineEdit()->setMaxLength(kMaximumLength);
  box_->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
  box_->setItemDelegate(new PortItemDelegate(box_));
  const std::int32_t port = services_.environ.settings.comPort;
  box_->setEditText(port >= PortResolver::kFirstPort && port <= PortResolver::kLastPort ? QString::number(port)
                                                                                        : QString());
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

// The typed text stays as it is; only the list below it changes.
void ComPortDialog::RefreshPorts() {
  const QString typed = box_->currentText();
  PortNumbers numbers = PortNumbers::OfUser(services_.environ.UserStore(), services_.environ.UserKey());
  box_->clear();
  for (const NumberedPort& port : numbers.Number(ListSerialPorts())) {
    box_->addItem(QString::number(port.number), QString::fromStdString(port.device));
  }
  box_->setEditText(typed);
}

void ComPortDialog::accept() {
  bool isNumber = false;
  const int port = box_->currentText().trimmed().toInt(&isNumber);
  if (!isNumber || port < PortResolver::kFirstPort || port > PortResolver::kLastPort) {
    cmcGTex& texts = services_.texts;
    ShowMessageBox({ToUtf8(texts.GetValueText("GI_AppInd_Opt_ComSel_OutofRange"), DisplayCodePage()),
                    ToUtf8(texts.GetLine("GI_Sys_AppTitle", 0), DisplayCodePage()), MessageButtons::Ok,
                    MessageIcon::Error});
    box_->setFocus();
    return;
  }
  services_.environ.settings.comPort = port;
  services_.environ.WriteSettings();
  QDialog::accept();
}

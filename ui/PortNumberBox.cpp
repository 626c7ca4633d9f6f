#include "ui/PortNumberBox.h"

#include <QLineEdit>
#include <QStyledItemDelegate>

#include "base/indEnviron.h"
#include "platform/MessageBox.h"
#include "platform/PortNumbers.h"
#include "platform/qt/QtSerialPortList.h"
#include "text/Codepage.h"
#include "text/DisplayCodePage.h"
#include "text/cmcGTex.h"

namespace {

constexpr int kMaximumLength = 4;
constexpr int kDeviceRole = Qt::UserRole;

class PortItemDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text += QStringLiteral("  ") + index.data(kDeviceRole).toString();
  }
};

bool IsPortNumber(int number) { return number >= PortResolver::kFirstPort && number <= PortResolver::kLastPort; }

}  // namespace

PortNumberBox::PortNumberBox(QWidget* parent, indEnviron& environ) : QComboBox(parent), environ_(environ) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  lineEdit()->setMaxLength(kMaximumLength);
  lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
  setItemDelegate(new PortItemDelegate(this));
  const std::int32_t port = environ_.settings.comPort;
  setEditText(IsPortNumber(port) ? QString::number(port) : QString());
}

void PortNumberBox::RefreshPorts() {
  const QString typed = currentText();
  PortNumbers numbers = PortNumbers::OfUser(environ_.UserStore(), environ_.UserKey());
  clear();
  for (const NumberedPort& port : numbers.Number(ListSerialPorts())) {
    addItem(QString::number(port.number), QString::fromStdString(port.device));
  }
  setEditText(typed);
}

std::optional<int> PortNumberBox::Number() const {
  bool isNumber = false;
  const int port = currentText().trimmed().toInt(&isNumber);
  if (!isNumber || !IsPortNumber(port)) return std::nullopt;
  return port;
}

void PortNumberBox::RefuseNumber(cmcGTex& texts, const char* messageKey) {
  ShowMessageBox({ToUtf8(texts.GetValueText(messageKey), DisplayCodePage()),
                  ToUtf8(texts.GetLine("GI_Sys_AppTitle", 0), DisplayCodePage()), MessageButtons::Ok,
                  MessageIcon::Error});
  setFocus();
}

void PortNumberBox::showPopup() {
  RefreshPorts();
  QComboBox::showPopup();
}

#include "ui/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <array>

namespace {

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  std::int32_t answer;
};
constexpr std::array<ButtonAnswer, 4> kButtonAnswers = {{{QMessageBox::Ok, kAnswerOk},
                                                         {QMessageBox::Cancel, kAnswerCancel},
                                                         {QMessageBox::Yes, kAnswerYes},
                                                         {QMessageBox::No, kAnswerNo}}};

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::int32_t QtMessageBox::Show(const MessageRequest& request) {
  QMessageBox box(IconOf(request.icon), QString::fromStdString(request.caption), QString::fromStdString(request.text),
                  ButtonsOf(request.buttons), QApplication::activeWindow());
  for (const ButtonAnswer& pair : kButtonAnswers) {
    if (pair.answer == request.defaultAnswer && box.button(pair.button) != nullptr) box.setDefaultButton(pair.button);
  }
  const int pressed = box.exec();
  for (const ButtonAnswer& pair : kButtonAnswers) {
    if (pressed == pair.button) return pair.answer;
  }
  return ClosedBoxAnswer(request.buttons);
}

#include "platform/MessageBox.h"

#include <iostream>

namespace {

class StandardErrorMessageBox final : public MessageBox {
 public:
  std::int32_t Show(const MessageRequest& request) override {
    std::cerr << request.caption << ": " << request.text << "\n";
    return ClosedBoxAnswer(request.buttons);
  }
};

StandardErrorMessageBox& DefaultBox() {
  static StandardErrorMessageBox box;
  return box;
}

MessageBox*& InstalledBox() {
  static MessageBox* box = nullptr;
  return box;
}

}  // namespace

MessageBox* InstallMessageBox(MessageBox* box) {
  MessageBox* previous = InstalledBox();
  InstalledBox() = box;
  return previous;
}

std::int32_t ShowMessageBox(const MessageRequest& request) {
  MessageBox* box = InstalledBox();
  return box != nullptr ? box->Show(request) : DefaultBox().Show(request);
}

std::int32_t ClosedBoxAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return kAnswerOk;
    case MessageButtons::YesNo:
      return kAnswerNo;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      break;
  }
  return kAnswerCancel;
}

#include "platform/FileDialog.h"

namespace {

FileDialog*& InstalledDialog() {
  static FileDialog* dialog = nullptr;
  return dialog;
}

}  // namespace

FileDialog* InstallFileDialog(FileDialog* dialog) {
  FileDialog* previous = InstalledDialog();
  InstalledDialog() = dialog;
  return previous;
}

FileDialogAnswer AskFileDialog(const FileDialogRequest& request) {
  FileDialog* dialog = InstalledDialog();
  return dialog != nullptr ? dialog->Ask(request) : FileDialogAnswer{};
}

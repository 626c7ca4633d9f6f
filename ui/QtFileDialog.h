#pragma once
// File dialogs as Qt's modal dialogs over the active window: Open accepts existing files only,
// Save asks before it replaces a file and adds the default extension to a bare name.
#include "platform/FileDialog.h"

class QtFileDialog final : public FileDialog {
 public:
  FileDialogAnswer Ask(const FileDialogRequest& request) override;
};

#pragma once
// Answers file dialogs from a queue (cancelled when it is empty) and keeps what was asked; it
// is the installed file dialog while it lives.
#include <deque>
#include <vector>

#include "platform/FileDialog.h"

class ScriptedFileDialog final : public FileDialog {
 public:
  ScriptedFileDialog() : previous_(InstallFileDialog(this)) {}
  ~ScriptedFileDialog() override { InstallFileDialog(previous_); }
  ScriptedFileDialog(const ScriptedFileDialog&) = delete;
  ScriptedFileDialog& operator=(const ScriptedFileDialog&) = delete;

  FileDialogAnswer Ask(const FileDialogRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) return {};
    const FileDialogAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<FileDialogAnswer> answers;
  std::vector<FileDialogRequest> asked;

 private:
  FileDialog* previous_;
};

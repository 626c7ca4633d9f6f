#pragma once
// What the user of tessel-cli sees of a clone session: a progress bar of 32 segments on
// standard error while a read or write runs (only when that is a terminal), and the
// message of a failed session, both on err.
#include <ostream>
#include <string>

#include "clone/CloneSessionUi.h"

class CliCloneUi final : public CloneSessionUi {
 public:
  CliCloneUi(std::ostream& err, bool drawProgress) : err_(err), drawProgress_(drawProgress) {}

  void OpenProgress() override;
  void ShowProgress(int segments) override;
  void CloseProgress() override;
  void ShowCloneError(const std::string& caption, const std::string& text) override;

 private:
  std::ostream& err_;
  bool drawProgress_;
  int shown_ = -1;
};

#include "cli/CliCloneUi.h"

#include "clone/CloneRanges.h"
#include "text/Codepage.h"

void CliCloneUi::OpenProgress() {
  shown_ = -1;
  ShowProgress(0);
}

// Redrawn in place, and only when it changes, so a slow terminal does not hold the session.
void CliCloneUi::ShowProgress(int segments) {
  if (!drawProgress_ || segments == shown_) return;
  shown_ = segments;
  err_ << "\r[" << std::string(static_cast<std::size_t>(segments), '#')
       << std::string(static_cast<std::size_t>(kProgressSegments - segments), '.') << "] "
       << segments * 100 / kProgressSegments << "%" << std::flush;
}

void CliCloneUi::CloseProgress() {
  if (drawProgress_) err_ << "\n" << std::flush;
}

void CliCloneUi::ShowCloneError(const std::string& /*caption*/, const std::string& text) {
  err_ << ToUtf8(text, CodePage::Cp1252) << "\n";
}

#include "base/ProgramMessage.h"

#include "text/DisplayCodePage.h"

std::int32_t ShowProgramMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                MessageIcon icon, std::int32_t defaultAnswer) {
  return ShowMessageBox(
      {ToUtf8(text, DisplayCodePage()), ToUtf8(caption, DisplayCodePage()), buttons, icon, defaultAnswer});
}

#pragma once
// A message box with texts in the program's code page, decoded for the display language.
#include <cstdint>
#include <string>

#include "platform/MessageBox.h"

std::int32_t ShowProgramMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                MessageIcon icon, std::int32_t defaultAnswer = 0);

#pragma once
// Program texts are 8-bit code page strings; they become wide strings only where they are
// shown, in the display's code page.
#include <QString>
#include <string>
#include <string_view>

#include "text/DisplayCodePage.h"

QString DisplayText(std::string_view bytes);
// A text typed by the user, in the program's code page (unmappable characters become '?').
std::string ProgramText(const QString& text);

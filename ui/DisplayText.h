#pragma once
// Program texts are 8-bit code page strings; they become wide strings only where they are
// shown. A Japanese display decodes them as code page 932; any other display as code page
// 1252, because the English tables use single bytes (0xB0 degree sign, 0xB7 middle dot)
// that code page 932 would show as katakana.
#include <QString>
#include <string>
#include <string_view>

#include "text/Codepage.h"

// The display language chooses the code page; English until set.
void SetDisplayJapanese(bool japanese);
CodePage DisplayCodePage();

QString displayText(std::string_view bytes);
// A text typed by the user, in the program's code page (unmappable characters become '?').
std::string programText(const QString& text);

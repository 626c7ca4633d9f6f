#pragma once
// The code page the program's 8-bit texts are shown in: 932 for a Japanese display, 1252 for
// any other, because the English tables use single bytes (0xB0 degree sign, 0xB7 middle dot)
// that code page 932 would show as katakana.
#include "text/Codepage.h"

// The display language chooses the code page; English until set.
void SetDisplayJapanese(bool japanese);
CodePage DisplayCodePage();

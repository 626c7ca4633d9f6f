#include "text/DisplayCodePage.h"

namespace {

CodePage displayCodePage = CodePage::Cp1252;

}  // namespace

void SetDisplayJapanese(bool japanese) { displayCodePage = japanese ? CodePage::Cp932 : CodePage::Cp1252; }

CodePage DisplayCodePage() { return displayCodePage; }

#pragma once
// The name a sheet is opened by: an optional sheet type tag in brackets, the definition key
// and, after the first comma, the argument text, as in "[St_ColCut]GI_Sheet_MemoryCH,1,100".
#include <string>
#include <string_view>

struct SheetName {
  std::string type;       // "St_ColCut"; empty without a tag
  std::string key;        // "GI_Sheet_MemoryCH"
  std::string arguments;  // "1,100"; empty without a comma
};

SheetName SplitSheetName(std::string_view name);

// The first comma-separated field of an argument text as an integer; -1 when the text is
// empty, 0 when the field holds no number.
int ArgumentNumber(std::string_view arguments);

#pragma once
// The three built-in language tables. Each is an array of NUL-terminated code page strings:
// line 0 is empty and the last line is the key line "#End_Of_Ovl".
#include <cstddef>

enum class TableLanguage { Japanese, JapaneseWesternChrome, English };

struct LineTable {
  const char* const* lines = nullptr;
  std::size_t count = 0;
};

LineTable LineTableOf(TableLanguage language);

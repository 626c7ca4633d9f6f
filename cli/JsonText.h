#pragma once
// Minimal JSON output: a quoted, escaped string of UTF-8 text.
#include <string>
#include <string_view>

std::string JsonString(std::string_view utf8);

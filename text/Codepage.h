#pragma once
// Conversions between the program's 8-bit texts and UTF-8, done with the C library's iconv.
// Code page 932 is always converted under that name: the plain Shift-JIS converters turn
// byte 5C into a yen sign. Conversions never fail: bytes that do not convert become U+FFFD
// on the way to UTF-8 and '?' on the way back.
#include <string>
#include <string_view>

enum class CodePage { Cp932, Cp1252 };

std::string ToUtf8(std::string_view bytes, CodePage from);
std::string FromUtf8(std::string_view utf8, CodePage to);

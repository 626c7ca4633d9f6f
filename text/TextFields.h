#pragma once
// Splitting texts into separated fields and trimming them, aware of double-byte characters:
// a byte inside a double-byte character is never a separator and never trimmed. The views
// returned point into the text passed in.
#include <cstddef>
#include <string_view>
#include <vector>

// The fields of text between separator bytes; an empty text is one empty field.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

// Field n (from 0) of text split at separator; empty when the text has fewer fields.
std::string_view FieldAt(std::string_view text, char separator, std::size_t n);

// The text without leading and trailing spaces and tabs.
std::string_view TrimSpacesAndTabs(std::string_view text);

// The text without leading and trailing bytes up to and including the space (controls,
// line ends, tabs, spaces).
std::string_view TrimControlsAndSpaces(std::string_view text);

// The text without trailing spaces, single-byte and double-byte (ideographic) alike.
std::string_view TrimTrailingSpaces(std::string_view text);

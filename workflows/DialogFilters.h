#pragma once
// The filter entries of a file dialog from a filter line of the text tables.
#include <string>
#include <vector>

// A filter line lists "text|pattern" pairs; the dialog takes "text (pattern)" entries (a text
// that already names its pattern in brackets stays as it is).
std::vector<std::string> DialogFilters(const std::string& line);

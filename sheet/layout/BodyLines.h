#pragma once
// The body of a menu, tool bar or tree key: the lines of key + "_Body" up to the first line
// that starts with '#'. In menus and trees a line's depth is the number of characters
// before its first '+', and the text after that '+' is the entry's cell definition; a line
// without '+' is a definition at depth 0.
#include <string>
#include <string_view>
#include <vector>

class cmcGTex;

struct BodyLine {
  int depth = 0;
  std::string definition;
};

std::vector<std::string> ReadBodyTexts(cmcGTex& texts, std::string_view key);
std::vector<BodyLine> ReadIndentedBody(cmcGTex& texts, std::string_view key);

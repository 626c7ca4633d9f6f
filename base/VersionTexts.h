#pragma once
// The version and year texts the top page and the About box show: the program's version (the
// build's) and the copyright years of the text tables.
#include <string>
#include <string_view>

class cmcGTex;

struct VersionTexts {
  std::string version;
  std::string year;
};

VersionTexts ReadVersionTexts(cmcGTex& texts, std::string_view programVersion);

#pragma once
// The version and year texts the About box shows. The text tables hold defaults; a version
// file beside the executable (named by the tables) overrides them line by line, so that a
// build can state its own version without new tables. A missing file is no error.
#include <filesystem>
#include <string>

class cmcGTex;

struct VersionTexts {
  std::string version;
  std::string year;
};

VersionTexts ReadVersionTexts(cmcGTex& texts, const std::filesystem::path& executableFolder);

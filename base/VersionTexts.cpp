#include "base/VersionTexts.h"

#include <fstream>

#include "text/TextFields.h"
#include "text/cmcGTex.h"

namespace {

// Bytes up to a line feed, carriage returns dropped, blanks and tabs trimmed at both ends.
std::string ReadTrimmedLine(std::istream& in) {
  std::string line;
  std::getline(in, line);
  std::erase(line, '\r');
  return std::string(TrimSpacesAndTabs(line));
}

void ReplaceWhenNotEmpty(std::string& text, const std::string& replacement) {
  if (!replacement.empty()) text = replacement;
}

}  // namespace

VersionTexts ReadVersionTexts(cmcGTex& texts, const std::filesystem::path& executableFolder) {
  VersionTexts result{texts.GetLine("GI_Version_Default", 0), texts.GetLine("GI_Version_Default", 1)};
  std::ifstream file(executableFolder / texts.GetLine("GI_Version_File", 0), std::ios::binary);
  if (!file) return result;
  ReplaceWhenNotEmpty(result.version, ReadTrimmedLine(file));
  ReplaceWhenNotEmpty(result.year, ReadTrimmedLine(file));
  return result;
}

#include "sheet/layout/BodyLines.h"

#include "text/cmcGTex.h"

std::vector<std::string> ReadBodyTexts(cmcGTex& texts, std::string_view key) {
  const std::string bodyKey = std::string(key) + "_Body";
  std::vector<std::string> lines;
  for (int n = 0;; ++n) {
    std::string line = texts.GetLine(bodyKey, n);
    if (line.starts_with('#')) return lines;
    lines.push_back(std::move(line));
  }
}

std::vector<BodyLine> ReadIndentedBody(cmcGTex& texts, std::string_view key) {
  std::vector<BodyLine> body;
  for (std::string& line : ReadBodyTexts(texts, key)) {
    const auto plus = line.find('+');
    if (plus == std::string::npos) {
      body.push_back({0, std::move(line)});
    } else {
      body.push_back({static_cast<int>(plus), line.substr(plus + 1)});
    }
  }
  return body;
}

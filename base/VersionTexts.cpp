#include "base/VersionTexts.h"

#include "text/cmcGTex.h"

VersionTexts ReadVersionTexts(cmcGTex& texts, std::string_view programVersion) {
  return {std::string(programVersion), texts.GetLine("GI_Version_Default", 1)};
}

#include "sheet/layout/iuiSh_Common.h"

#include "memory/DestinationTables.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetName.h"
#include "text/cmcGTex.h"

namespace {

bool IsJapanUsOrKorea(int code) {
  return code == DestinationCode::kJapan || IsUsDestination(code) || code == DestinationCode::kKorea;
}

}  // namespace

void iuiSh_Common::SetArgument(std::string_view argument) { argument_ = ArgumentNumber(argument); }

bool iuiSh_Common::AllowsRegionalLines(std::string_view directive) const {
  const int destination = document_.Settings().destinationCode;
  if (directive == "Only_JPUSKR") return IsJapanUsOrKorea(destination);
  if (directive == "Only_USA") return IsUsDestination(destination);
  return true;
}

std::string iuiSh_Common::Title(const std::string& styleTitle) const {
  if (argument_ != 1 && argument_ != 2) return styleTitle;
  return document_.Texts().GetLine("GI_AppInd_CommonTitle", argument_ - 1) + styleTitle;
}

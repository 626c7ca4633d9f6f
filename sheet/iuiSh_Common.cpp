#include "sheet/iuiSh_Common.h"

#include <algorithm>
#include <array>

#include "sheet/CellDocument.h"
#include "sheet/SheetName.h"
#include "text/cmcGTex.h"

namespace {

constexpr std::array<int, 4> kJapanUsKoreaGeneral = {0, 1, 5, 15};
constexpr std::array<int, 2> kUnitedStates = {0, 1};

template <std::size_t N>
bool Contains(const std::array<int, N>& codes, int code) {
  return std::ranges::find(codes, code) != codes.end();
}

}  // namespace

void iuiSh_Common::SetArgument(std::string_view argument) { argument_ = ArgumentNumber(argument); }

bool iuiSh_Common::AllowsRegionalLines(std::string_view directive) const {
  const int destination = document_.Settings().destinationCode;
  if (directive == "Only_JPUSKR") return Contains(kJapanUsKoreaGeneral, destination);
  if (directive == "Only_USA") return Contains(kUnitedStates, destination);
  return true;
}

std::string iuiSh_Common::Title(const std::string& styleTitle) const {
  if (argument_ != 1 && argument_ != 2) return styleTitle;
  return document_.Texts().GetLine("GI_AppInd_CommonTitle", argument_ - 1) + styleTitle;
}

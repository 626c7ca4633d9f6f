#include "values/IntegerList.h"

#include <algorithm>

#include "platform/Fatal.h"
#include "text/FormattedText.h"

namespace {

constexpr const char* kEmptyPlace = "{!S}\\_";
constexpr const char* kColumnSeparator = "|{($iSp)!S!W}|";

// Spaces of a padded number are escaped, so the markup keeps them.
std::string EscapedSpaces(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == ' ') {
      escaped += "\\_";
    } else {
      escaped.push_back(c);
    }
  }
  return escaped;
}

std::string EntryText(const IntegerListPopup& list, int value, int width) {
  const int shown = value + list.offset * list.step;
  const char* sign = list.signedText && list.offset + value > 0 ? "+" : "";
  const char alignment = list.rightAligned ? '>' : '<';
  const std::string number = list.rightAligned ? FormattedText("%*d", width, shown) : std::to_string(shown);
  return EscapedSpaces(FormattedText("{%cS(%%Flex0[%d])}", alignment, value) + list.prefix + sign + number +
                       list.suffix);
}

}  // namespace

std::vector<std::string> IntegerListLines(const IntegerListPopup& list) {
  if (list.step < 1 || list.maximum < list.minimum) Fatal("Invalid integer list.");
  const int count = (list.maximum - list.minimum) / list.step + 1;
  const int rows = list.rowsPerColumn > 0 ? list.rowsPerColumn : count;
  const int columns = list.rowsPerColumn > 0 ? (count + rows - 1) / rows : 1;
  const int width = static_cast<int>(std::to_string(list.maximum + list.offset).size());
  std::vector<std::string> lines = {"#GI_Sheet_Sel_IntFlector_Style", "#GI_Sheet_Sel_IntFlector_BasicCell",
                                    "{($Basic)($bMn)}", "#GI_Sheet_Sel_IntFlector_Cells"};
  for (int r = 0; r < rows; ++r) {
    std::string line;
    for (int k = 0; k < columns; ++k) {
      if (k > 0) line += kColumnSeparator;
      int u = r + k * rows;
      if (u >= count) {
        line += kEmptyPlace;
        continue;
      }
      if (list.reversed) u = count - u - 1;
      line += EntryText(list, list.minimum + list.step * u, width);
    }
    lines.push_back(line);
  }
  lines.insert(lines.end(), {"#", "#End_Of_Ovl"});
  return lines;
}

#include "sheet/layout/SheetDisplayStore.h"

#include <utility>

#include "base/indEnviron.h"
#include "text/cmcGTex.h"

namespace {

constexpr const char* kWidthListKey = "GI_CellWidthRegList";
constexpr const char* kDisplay = "Display";
constexpr const char* kColumnCut = "colcut";
constexpr const char* kColumnWidths = "colwidth";

// The "sheet key:registry name" lines of the width list, up to the next key.
template <typename Visit>
void ForEachListedSheet(cmcGTex& texts, Visit visit) {
  for (int n = 0;; ++n) {
    const std::string line = texts.GetLine(kWidthListKey, n);
    if (!line.empty() && line[0] == '#') return;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    if (visit(std::string_view(line).substr(0, colon), line.substr(colon + 1))) return;
  }
}

}  // namespace

SheetDisplayStore::SheetDisplayStore(indEnviron& environ, std::string rootKey, cmcGTex& texts)
    : environ_(environ), rootKey_(std::move(rootKey)), texts_(texts) {}

std::optional<std::string> SheetDisplayStore::RegistryName(std::string_view sheetKey) const {
  std::optional<std::string> found;
  ForEachListedSheet(texts_, [&](std::string_view key, std::string name) {
    if (key != sheetKey) return false;
    found = std::move(name);
    return true;
  });
  return found;
}

std::optional<int32_t> SheetDisplayStore::ReadWidth(const std::string& registryName, int column) const {
  const int32_t width = environ_.ReadRegistryInteger(WidthKey(registryName), std::to_string(column));
  if (width < 0) return std::nullopt;
  return width;
}

bool SheetDisplayStore::WriteWidth(const std::string& registryName, int column, int32_t width) {
  return environ_.WriteRegistryInteger(WidthKey(registryName), std::to_string(column), width);
}

void SheetDisplayStore::DeleteAllWidths() {
  ForEachListedSheet(texts_, [&](std::string_view, const std::string& name) {
    environ_.DeleteRegistryKey(rootKey_, std::string(kDisplay) + '\\' + name + '\\' + kColumnWidths);
    return false;
  });
}

void SheetDisplayStore::RestoreColumnCutMask() {
  columnCutMask_ = kAllColumnGroups;
  const int32_t stored = environ_.ReadRegistryInteger(DisplayKey(), kColumnCut);
  if (stored >= 0) SetColumnCutMask(stored);
}

bool SheetDisplayStore::SaveColumnCutMask() {
  return environ_.WriteRegistryInteger(DisplayKey(), kColumnCut, columnCutMask_);
}

int32_t SheetDisplayStore::FontSizePercentage() const { return environ_.settings.fontSizePercentage; }

int32_t SheetDisplayStore::PrinterFontSize() const { return environ_.settings.printerFontSize; }

std::string SheetDisplayStore::DisplayKey() const { return rootKey_ + '\\' + kDisplay; }

std::string SheetDisplayStore::WidthKey(const std::string& registryName) const {
  return DisplayKey() + '\\' + registryName + '\\' + kColumnWidths;
}

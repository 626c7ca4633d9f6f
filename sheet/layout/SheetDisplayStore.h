#pragma once
// What the sheets keep in the per-user settings under "Display": the column widths of the
// sheets listed in GI_CellWidthRegList and the column-cut mask. One object serves the whole
// program; it holds the column-cut mask while the program runs (the column-cut sheets read
// it, the column-cut commands toggle it) and writes through the settings object's integer
// access.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class cmcGTex;
class indEnviron;

class SheetDisplayStore {
 public:
  static constexpr int32_t kAllColumnGroups = 127;

  // rootKey is the settings' key in the per-user store ("Software\Quor\Tessel"). The
  // settings object and the text database must outlive the store.
  SheetDisplayStore(indEnviron& environ, std::string rootKey, cmcGTex& texts);

  // The registry name GI_CellWidthRegList gives the sheet definition key; none when the
  // sheet is not listed (it keeps no widths).
  std::optional<std::string> RegistryName(std::string_view sheetKey) const;

  // The stored width of column; none when absent or not a usable number (below 0).
  std::optional<int32_t> ReadWidth(const std::string& registryName, int column) const;
  bool WriteWidth(const std::string& registryName, int column, int32_t width);
  // Deletes the stored widths of every listed sheet.
  void DeleteAllWidths();

  // Back to every group shown, then the stored mask when present.
  void RestoreColumnCutMask();
  bool SaveColumnCutMask();
  int32_t ColumnCutMask() const { return columnCutMask_; }
  void SetColumnCutMask(int32_t mask) { columnCutMask_ = mask & kAllColumnGroups; }

  // The sheets' font size and the printer's font size of the settings.
  int32_t FontSizePercentage() const;
  int32_t PrinterFontSize() const;

 private:
  std::string DisplayKey() const;
  std::string WidthKey(const std::string& registryName) const;

  indEnviron& environ_;
  std::string rootKey_;
  cmcGTex& texts_;
  int32_t columnCutMask_ = kAllColumnGroups;
};

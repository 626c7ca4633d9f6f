#pragma once
// Measures the texts of a sheet's layout with the font metrics of the screen, or of a paint
// device (a printer) whose pixels the layout is made in.
#include <QFont>
#include <QFontMetrics>
#include <optional>

#include "sheet/layout/CellTextMeasure.h"

class QPaintDevice;

class QtCellTextMeasure final : public CellTextMeasure {
 public:
  // device none: the screen. scale multiplies font heights (printer pixels per screen pixel).
  explicit QtCellTextMeasure(QPaintDevice* device = nullptr, double scale = 1.0);

  int Width(const CellFont& font, std::string_view line) override;
  int Height(const CellFont& font, std::string_view line) override;

 private:
  const QFontMetrics& MetricsFor(const CellFont& font);

  QPaintDevice* device_;
  double scale_;
  // Cells of a row mostly share a font: the metrics of the last one are kept.
  std::optional<CellFont> lastFont_;
  std::optional<QFontMetrics> metrics_;
};

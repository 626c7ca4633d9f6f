#include "ui/QtCellTextMeasure.h"

#include "ui/CellFonts.h"
#include "ui/DisplayText.h"

QtCellTextMeasure::QtCellTextMeasure(QPaintDevice* device, double scale) : device_(device), scale_(scale) {}

const QFontMetrics& QtCellTextMeasure::MetricsFor(const CellFont& font) {
  if (!lastFont_ || !(*lastFont_ == font)) {
    lastFont_ = font;
    metrics_.emplace(QtFont(font, scale_), device_);
  }
  return *metrics_;
}

int QtCellTextMeasure::Width(const CellFont& font, std::string_view line) {
  return MetricsFor(font).horizontalAdvance(DisplayText(line));
}

int QtCellTextMeasure::Height(const CellFont& font, std::string_view) { return MetricsFor(font).height(); }

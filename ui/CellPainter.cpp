#include "ui/CellPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "text/cmcCellObj.h"
#include "ui/CellFonts.h"

namespace {

const QColor kPrintDarkCell(0x60, 0x60, 0x60);
const QColor kBorderGrey(0x80, 0x80, 0x80);

// (weight x window + text) / (weight + 1) per channel, rounded.
QColor MixTowardsText(const QPalette& palette, int weight) {
  const QColor window = palette.color(QPalette::Base);
  const QColor text = palette.color(QPalette::Text);
  const int divisor = weight + 1;
  const auto mix = [&](int w, int t) { return (weight * w + t + divisor / 2) / divisor; };
  return QColor(mix(window.red(), text.red()), mix(window.green(), text.green()), mix(window.blue(), text.blue()));
}

bool IsPlainCell(uint32_t colour) { return colour == kClWindow || colour == kClWhite; }

int Scaled(double scale, int pixels) { return static_cast<int>(std::lround(pixels * scale)); }

}  // namespace

CellPainter::CellPainter(Target target) : target_(std::move(target)) {}

QColor CellPainter::InactiveSelectionColour(const QPalette& palette) { return MixTowardsText(palette, 3); }
QColor CellPainter::CurrentLineColour(const QPalette& palette) { return MixTowardsText(palette, 7); }

namespace {

constexpr qsizetype kMaxKnownTexts = 4096;  // per font; far more than the texts one sheet shows

// A cache entry for text, made room for by forgetting everything once the cache is full.
template <typename Value, typename Make>
const Value& KnownOrMade(QHash<QString, Value>& cache, const QString& text, Make make) {
  const auto known = cache.constFind(text);
  if (known != cache.constEnd()) return *known;
  if (cache.size() >= kMaxKnownTexts) cache.clear();
  return *cache.insert(text, make());
}

}  // namespace

CellPainter::RealFont::RealFont(const CellFont& cellFont, double scale, bool shapesAllowed)
    : cell(cellFont),
      font(QtFont(cellFont, scale)),
      keepShapes(shapesAllowed && !font.underline() && !font.strikeOut()) {}

CellPainter::RealFont& CellPainter::FontFor(const CellFont& font) {
  if (lastFont_ != nullptr && lastFont_->cell == font) return *lastFont_;
  const auto known =
      std::find_if(fonts_.begin(), fonts_.end(), [&font](const RealFont& real) { return real.cell == font; });
  lastFont_ = known != fonts_.end() ? &*known : &fonts_.emplace_back(font, target_.scale, !target_.printing);
  return *lastFont_;
}

int CellPainter::TextWidth(RealFont& font, const QString& line) {
  return KnownOrMade(font.widths, line, [&] { return font.metrics->horizontalAdvance(line); });
}

void CellPainter::DrawLine(QPainter& painter, RealFont& font, QPoint baseline, const QString& line) {
  if (!font.keepShapes) {
    painter.drawText(baseline, line);
    return;
  }
  const QStaticText& shaped = KnownOrMade(font.shapes, line, [&] {
    QStaticText text(line);
    text.setTextFormat(Qt::PlainText);
    text.prepare(QTransform(), painter.font());
    return text;
  });
  painter.drawStaticText(baseline.x(), baseline.y() - font.metrics->ascent(), shaped);
}

void CellPainter::Paint(QPainter& painter, const Job& job) {
  const CellFont font = EffectiveFont(*job.cell);
  const Colours colours = ColoursFor(job, font);
  painter.fillRect(job.rect, colours.background);
  PaintBorders(painter, job, colours.border);
  RealFont& real = FontFor(font);
  painter.setFont(real.font);
  if (!real.metrics) real.metrics = painter.fontMetrics();
  const int textEnd = PaintText(painter, job, colours, real);
  if (job.checkMark) PaintCheckMark(painter, job.rect, colours.text);
  if (job.warningMark || job.errorMark) PaintMark(painter, job, textEnd);
}

// A tick in a square of 0.7 times the cell's smaller side, centred in the cell.
void CellPainter::PaintCheckMark(QPainter& painter, const QRect& cell, const QColor& colour) {
  const int side = std::min(cell.width(), cell.height());
  const double s = 0.7 * side;
  const double x0 = cell.left() + (cell.width() - s) / 2;
  const double y0 = cell.top() + (cell.height() - s) / 2;
  const auto point = [&](double dx, double dy) {
    return QPoint(static_cast<int>(x0 + dx * s), static_cast<int>(y0 + dy * s));
  };
  const QPoint tick[] = {point(0, 0.4), point(0, 0.6), point(0.4, 1), point(1, 0.35), point(1, 0.15), point(0.4, 0.7)};
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(tick, 6);
  painter.restore();
}

CellPainter::Colours CellPainter::ColoursFor(const Job& job, const CellFont& font) const {
  Colours colours;
  const uint32_t own = job.cell->color;
  if (target_.printing) {
    colours.background = IsPlainCell(own) ? QColor(Qt::white) : kPrintDarkCell;
    colours.border = IsPlainCell(own) ? QColor(Qt::black) : QColor(Qt::white);
    colours.text = IsPlainCell(own) ? QColor(Qt::black) : QColor(Qt::white);
    return colours;
  }
  switch (job.background) {
    case Background::Own:
      colours.background = QtColor(own, target_.palette);
      break;
    case Background::Highlight:
      colours.background = target_.palette.color(QPalette::Highlight);
      break;
    case Background::Editing:
      colours.background = Qt::white;
      break;
    case Background::InactiveSelection:
      colours.background = target_.inactiveSelection;
      break;
    case Background::CurrentLine:
      colours.background = target_.currentLine;
      break;
  }
  colours.border = IsPlainCell(own) ? kBorderGrey : QColor(Qt::white);
  colours.text = TextColour(job, font);
  colours.textIsWindowColour = colours.text == target_.palette.color(QPalette::Base);
  return colours;
}

QColor CellPainter::TextColour(const Job& job, const CellFont& font) const {
  if (job.background == Background::Highlight) return target_.palette.color(QPalette::HighlightedText);
  const uint32_t colour = job.fontColor != kClNone ? job.fontColor : font.color;
  const QColor text = QtColor(colour, target_.palette);
  // Faint text would vanish on the inactive selection.
  const bool faint =
      colour == kClBtnFace || colour == kClSilver || colour == kClGrayText || text == target_.inactiveSelection;
  if (job.background == Background::InactiveSelection && faint) return QtColor(kClWindow, target_.palette);
  return text;
}

void CellPainter::PaintBorders(QPainter& painter, const Job& job, const QColor& colour) const {
  const cmcCellObj& cell = *job.cell;
  const QRect& r = job.rect;
  if (cell.BottomBorder()) painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
  const RightBorder right = cell.RightBorderKind();
  if (!job.rightBorder || right == kRightBorderNone) return;
  const int top = right == kRightBorderFull ? r.top() : r.top() + r.height() * 7 / 10;
  painter.fillRect(QRect(r.right(), top, 1, r.bottom() - top + 1), colour);
}

QStringList CellPainter::WrapLines(const QString& text, const QFontMetrics& metrics, int maxWidth) {
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QString line;
    int width = 0;
    for (const QChar c : paragraph) {
      const int advance = metrics.horizontalAdvance(c);
      if (!line.isEmpty() && width + advance > maxWidth) {
        lines.append(line);
        line.clear();
        width = 0;
      }
      line.append(c);
      width += advance;
    }
    lines.append(line);
  }
  return lines;
}

int CellPainter::PaintText(QPainter& painter, const Job& job, const Colours& colours, RealFont& font) {
  const cmcCellObj& cell = *job.cell;
  const QRect& r = job.rect;
  const QFontMetrics& metrics = *font.metrics;
  const QStringList lines =
      cell.WordWrap() ? WrapLines(job.text, metrics, r.width() * 9 / 10) : job.text.split(QLatin1Char('\n'));
  const int lineHeight = metrics.height();
  const int ascent = metrics.ascent();
  const int textHeight = lineHeight * static_cast<int>(lines.size());
  int y = r.top() + Scaled(target_.scale, 1);
  if (cell.VAlign() == kAlignMiddle) y = r.top() + (r.height() - textHeight) / 2;
  if (cell.VAlign() == kAlignBottom) y = r.bottom() + 1 - Scaled(target_.scale, 1) - textHeight;
  const bool showValidLength = !target_.printing && !colours.textIsWindowColour;
  int valid = job.validLength;
  int textEnd = r.left();
  for (const QString& line : lines) {
    const int width = line.isEmpty() ? 0 : TextWidth(font, line);
    int x = r.left() + Scaled(target_.scale, 4);
    if (cell.HAlign() == kAlignCentre) x = r.left() + (r.width() - width) / 2;
    if (cell.HAlign() == kAlignRight) x = r.right() + 1 - Scaled(target_.scale, 4) - width;
    x = std::max(x, r.left());
    const bool fits = r.contains(QRect(x, y, width, lineHeight));
    if (!line.isEmpty()) {
      // Only a line that overflows needs the clip, and with it the saved painter state.
      if (!fits) {
        painter.save();
        painter.setClipRect(r, Qt::IntersectClip);
      }
      const bool partlyValid = showValidLength && valid < line.size();
      painter.setPen(partlyValid ? QtColor(kClSilver, target_.palette) : colours.text);
      DrawLine(painter, font, {x, y + ascent}, line);
      if (partlyValid && valid > 0) {
        painter.setPen(colours.text);
        DrawLine(painter, font, {x, y + ascent}, line.left(valid));
      }
      if (!fits) painter.restore();
    }
    valid = std::max(0, valid - static_cast<int>(line.size()));
    textEnd = x + width;
    y += lineHeight;
  }
  return textEnd;
}

void CellPainter::PaintMark(QPainter& painter, const Job& job, int textEnd) const {
  const QRect& r = job.rect;
  const int index = job.errorMark ? 5 : 4;
  const bool hasImage = !target_.printing && target_.marks != nullptr && target_.marks->size() > index;
  const int size =
      hasImage ? (*target_.marks)[index].height() : (target_.printing ? r.height() / 2 : r.height() * 2 / 3);
  int position = job.markPosition;
  if (position == 0) position = job.cell->HAlign() == kAlignRight ? 1 : 3;
  const int rightmost = r.right() + 1 - size - 1;
  int x = rightmost;
  if (position == 1) x = r.left() + size / 8;
  if (position == 3 && textEnd < rightmost) x = textEnd;
  const QRect box(x, r.bottom() + 1 - size - 1, size, size);
  if (hasImage) {
    painter.drawPixmap(box.topLeft(), (*target_.marks)[index]);
    return;
  }
  PaintMarkFigure(painter, box, job.errorMark);
}

// An X for an error, a triangle with an exclamation mark for a warning: black outlines when
// printing, coloured on the screen.
void CellPainter::PaintMarkFigure(QPainter& painter, const QRect& box, bool error) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor colour = target_.printing ? QColor(Qt::black) : (error ? QColor(Qt::red) : QColor(0xC0, 0x80, 0x00));
  painter.setPen(QPen(colour, std::max(1.0, box.height() / 8.0)));
  painter.setBrush(Qt::NoBrush);
  const QRectF b = QRectF(box).adjusted(1, 1, -1, -1);
  if (error) {
    painter.drawLine(b.topLeft(), b.bottomRight());
    painter.drawLine(b.bottomLeft(), b.topRight());
  } else {
    const QPointF top(b.center().x(), b.top());
    painter.drawPolygon(QPolygonF({top, b.bottomRight(), b.bottomLeft()}));
    painter.drawLine(QPointF(top.x(), b.top() + b.height() * 0.35), QPointF(top.x(), b.top() + b.height() * 0.7));
    painter.drawPoint(QPointF(top.x(), b.top() + b.height() * 0.85));
  }
  painter.restore();
}

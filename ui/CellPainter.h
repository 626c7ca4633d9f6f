#pragma once
// The one routine that draws a sheet cell, on the screen, on a printer page and into the
// print preview's bitmap: background, border lines, the text in the cell's font and
// alignment (word-wrapped, with the part beyond the valid length in light grey) and the
// warning or error mark. The sheet decides what the cell shows and how it is highlighted; the
// painter only draws.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <optional>

#include "text/CellFont.h"

class QPainter;
class cmcCellObj;

class CellPainter {
 public:
  enum class Background {
    Own,                // the cell's colour
    Highlight,          // selected while the grid has the focus (or a pop-up list)
    Editing,            // selected while the in-place editor is open: white
    InactiveSelection,  // selected while the grid has no focus
    CurrentLine,        // the tint of the current row
  };

  struct Target {
    double scale = 1.0;  // target pixels per screen pixel
    bool printing = false;
    QPalette palette;
    QColor inactiveSelection;
    QColor currentLine;
    const QList<QPixmap>* marks = nullptr;  // warning at index 4, error at index 5
  };

  struct Job {
    const cmcCellObj* cell = nullptr;
    QRect rect;  // widened over the columns a continuation covers
    Background background = Background::Own;
    bool rightBorder = true;  // false when the right neighbour continues the cell
    QString text;
    int validLength = 255;         // characters beyond it are drawn in silver
    uint32_t fontColor = kClNone;  // the cell behaviour's text colour, else the font's
    bool warningMark = false;
    bool errorMark = false;
    bool checkMark = false;  // a drawn check mark in the text colour (set flags of the bit-field editor)
    int32_t markPosition = 0;
  };

  explicit CellPainter(Target target);

  void Paint(QPainter& painter, const Job& job);

  // The colours the sheet derives from the window and window-text colours.
  static QColor InactiveSelectionColour(const QPalette& palette);
  static QColor CurrentLineColour(const QPalette& palette);
  // Breaks text so that no line is wider than maxWidth, before the character that would
  // exceed it; existing line breaks stay.
  static QStringList WrapLines(const QString& text, const QFontMetrics& metrics, int maxWidth);

 private:
  struct Colours {
    QColor background;
    QColor border;
    QColor text;
    bool textIsWindowColour = false;
  };

  // A cell font made real once per painter, with the widths of the texts drawn in it and,
  // where that draws the same pixels, the texts shaped: the cells of a sheet use a handful of
  // fonts and repeat many of their texts, and shaping a text costs more than drawing it.
  struct RealFont {
    RealFont(const CellFont& cellFont, double scale, bool shapesAllowed);
    CellFont cell;
    QFont font;
    std::optional<QFontMetrics> metrics;  // as the painter resolves the font, on first use
    QHash<QString, int> widths;
    // Not on a printer, and not for underlined or struck-out fonts, whose lines shaped
    // texts would place differently.
    bool keepShapes;
    QHash<QString, QStaticText> shapes;
  };

  Colours ColoursFor(const Job& job, const CellFont& font) const;
  QColor TextColour(const Job& job, const CellFont& font) const;
  void PaintBorders(QPainter& painter, const Job& job, const QColor& colour) const;
  // Draws the lines and answers the pen position after the last line's text.
  int PaintText(QPainter& painter, const Job& job, const Colours& colours, RealFont& font);
  void PaintMark(QPainter& painter, const Job& job, int textEnd) const;
  static void PaintCheckMark(QPainter& painter, const QRect& cell, const QColor& colour);
  void PaintMarkFigure(QPainter& painter, const QRect& box, bool error) const;
  RealFont& FontFor(const CellFont& font);
  static int TextWidth(RealFont& font, const QString& line);
  // Draws a line of text in the painter's font, which is font.
  static void DrawLine(QPainter& painter, RealFont& font, QPoint baseline, const QString& line);

  Target target_;
  std::deque<RealFont> fonts_;  // a deque keeps the entries in place as it grows
  RealFont* lastFont_ = nullptr;
};

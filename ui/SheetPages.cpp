#include "ui/SheetPages.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "manual/ProgramVersion.h"
#include "platform/Fatal.h"
#include "sheet/cells/ListRangeAnswer.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetLayout.h"
#include "text/FormattedText.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/CellPaintJob.h"
#include "ui/CellPainter.h"
#include "ui/DisplayText.h"
#include "ui/QtCellTextMeasure.h"

namespace {

constexpr int kPointsPerInch = 72;

// The sheets are laid out in screen pixels; a printer pixel is smaller by this scale.
double ScreenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
}

int FirstLineNumber(const std::string& text) {
  const int value = std::atoi(text.c_str());
  return value > 0 ? value : 14;
}

QRect ToQRect(const PageRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

// A sheet built for the printer: its layout measured on the printer's device, the cell
// behaviour asked for each cell's text as the screen asks it (flagged as printing), and the
// cell painter in its printing colours.
class SheetPages::Sheet {
 public:
  Sheet(const PrintServices& services, QPaintDevice& device, double scale, const std::string& name, int fontHeight)
      : fontHeight_(fontHeight),
        document_(services.document),
        measure_(&device, scale),
        layout_(SheetEnvironment{services.texts, measure_, services.display, &services.document}),
        behaviour_(services.behaviour),
        painter_(CellPainter::Target{scale, true, {}, {}, {}, nullptr}) {
    layout_.SetName(name);
    layout_.SetPrinting(scale, false);
    layout_.SetFontHeight(fontHeight);
    layout_.Build();
  }

  SheetLayout& Layout() { return layout_; }
  const SheetLayout& Layout() const { return layout_; }
  int FontHeight() const { return fontHeight_; }

  // The fixed columns and rows and the bands' cells from the area's top-left corner.
  void DrawBlock(QPainter& painter, const PageRect& area, PageBand columns, PageBand rows) {
    // The list pages' cells ask for their list's range; this page answers, not the screen's.
    const ListRangeAnswer answer(document_.Events(), layout_.Model().List());
    const std::vector<int> taken = Taken(layout_.FixedColumnCount(), columns, layout_.ColumnCount());
    int top = area.top;
    for (const int row : Taken(layout_.FixedRowCount(), rows, layout_.RowCount())) {
      const int height = layout_.RowHeight(row);
      int left = area.left;
      for (std::size_t i = 0; i < taken.size(); ++i) {
        const int width = layout_.ColumnWidth(taken[i]);
        const int next = i + 1 < taken.size() ? taken[i + 1] : -1;
        DrawCell(painter, taken, i, row, QRect(left, top, width, height), next);
        left += width;
      }
      top += height;
    }
  }

 private:
  static std::vector<int> Taken(int fixed, PageBand band, int end) {
    std::vector<int> taken;
    for (int i = 0; i < fixed; ++i) taken.push_back(i);
    for (int i = band.first; i < std::min(end, band.first + band.count); ++i) taken.push_back(i);
    return taken;
  }

  // A continuation draws its owner's text over both, as long as the owner is on the page.
  void DrawCell(QPainter& painter, const std::vector<int>& taken, std::size_t position, int row, QRect area, int next) {
    std::size_t owner = position;
    while (owner > 0 && taken[owner - 1] == taken[owner] - 1 && layout_.GetCell(taken[owner], row).Continuation()) {
      --owner;
      area.setLeft(area.left() - layout_.ColumnWidth(taken[owner]));
    }
    cmcCellObj& cell = layout_.GetCell(taken[owner], row);
    CellPainter::Job job;
    job.cell = &cell;
    job.rect = area;
    job.rightBorder = next != taken[position] + 1 || !layout_.GetCell(next, row).Continuation();
    FillCellPaintJob(job, painter, behaviour_, [&](cmcCellCapsule& request) {
      request.cell = &cell;
      request.flags = kRequestPrinting;
      request.sheetName = layout_.GetName();
      request.sheetArgument = layout_.GetArgument();
      request.sheet = &layout_;
    });
    painter_.Paint(painter, job);
  }

  int fontHeight_;
  CellDocument& document_;
  QtCellTextMeasure measure_;
  SheetLayout layout_;
  CellBehaviourCallback behaviour_;
  CellPainter painter_;
};

SheetPages::SheetPages(const PrintServices& services, QPaintDevice& device, int pointSize)
    : services_(services),
      device_(device),
      scale_(device.logicalDpiY() / ScreenDotsPerInch()),
      fontHeight_(-std::max(1, static_cast<int>(pointSize * ScreenDotsPerInch() / kPointsPerInch))),
      printRect_(PrintRect(device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY(),
                           ParseMargins(services.texts.GetLine("GI_Sys_Printer_Margins", 0)))),
      frame_(PageFrame(printRect_, FirstLineNumber(services.texts.GetLine("GI_Sys_Printer_FrameFont", 0)) *
                                       device.logicalDpiY() / kPointsPerInch)) {
  if (!services_.behaviour) Fatal("The printer has no cell behaviour");
}

SheetPages::~SheetPages() = default;

bool SheetPages::PageUsable() const { return frame_.cellArea.Width() > 0 && frame_.cellArea.Height() > 0; }

std::unique_ptr<SheetPages::Sheet> SheetPages::Build(const std::string& name, int fontHeight) {
  return std::make_unique<Sheet>(services_, device_, scale_, name, fontHeight);
}

int SheetPages::AddSheet(const std::string& name, const PrintAllChoices& choices, std::vector<PrintedPage>& pages,
                         const std::function<bool()>& stop) {
  if (!PageUsable()) return 0;
  std::unique_ptr<Sheet> sheet = Build(name, fontHeight_);
  const PageRect& area = frame_.cellArea;
  const std::vector<PageBand> columnBands = ColumnBands(sheet->Layout(), area.Width());
  const std::vector<PageBand> rowBands = RowBands(sheet->Layout(), area.Height());
  int added = 0;
  for (const PageBand& rows : rowBands) {
    for (const PageBand& columns : columnBands) {
      for (int reductions = 0; reductions < kMaximumFontReductions; ++reductions) {
        const BlockExtent block = MeasureBlock(sheet->Layout(), area, columns, rows);
        const int smaller = ReducedFontHeight(sheet->FontHeight(), area, block);
        if (smaller == sheet->FontHeight()) break;
        sheet = Build(name, smaller);
      }
      const SheetLayout& layout = sheet->Layout();
      if (!layout.Model().IsInPrintAll(layout.Style(), choices) || (stop && stop())) return added;
      pages.push_back({name, sheet->FontHeight(), columns, rows});
      ++added;
    }
  }
  return added;
}

void SheetPages::Render(QPainter& painter, const PrintedPage& page) {
  if (!rendered_ || rendered_->Layout().GetName() != page.sheet || rendered_->FontHeight() != page.fontHeight) {
    rendered_ = Build(page.sheet, page.fontHeight);
  }
  DrawFrame(painter, *rendered_);
  rendered_->DrawBlock(painter, frame_.cellArea, page.columns, page.rows);
}

void SheetPages::DrawFrame(QPainter& painter, const Sheet& sheet) {
  const SheetLayout& layout = sheet.Layout();
  QFont font = QtFont(layout.Style().titleFont.value_or(EffectiveFont(layout.BasicCell())));
  font.setPixelSize(std::max(1, frame_.textHeight));
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  const PageRect& r = printRect_;
  const int a = frame_.textHeight;
  painter.drawText(QRect(r.left, r.top, r.Width(), a), Qt::AlignLeft | Qt::AlignTop, DisplayText(layout.Title()));
  const std::string withRevision =
      FormattedText(services_.texts.GetLine("GI_Sys_AppTitleRev", 0), std::string(ProgramVersion()).c_str());
  painter.drawText(QRect(r.left, r.top, r.Width() - 1, a), Qt::AlignRight | Qt::AlignTop, DisplayText(withRevision));
  painter.drawText(QRect(r.left, r.bottom - a - 1, r.Width() - 1, a + 1), Qt::AlignRight | Qt::AlignTop,
                   DisplayText(services_.texts.GetLine("GI_Sys_Maker", 0)));
  painter.fillRect(ToQRect(frame_.titleBar), Qt::black);
  painter.fillRect(ToQRect(frame_.makerBar), Qt::black);
  painter.restore();
}

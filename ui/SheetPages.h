#pragma once
// The printed pages of sheets: each sheet is built afresh from its name for the printer's
// resolution, cut into column and row bands that fit the page frame's cell area (a block that
// overflows is built again with a smaller font, at most three times), and a page is drawn
// as the frame with the sheet's title, the program's title and the maker's name around the
// block of cells, each cell drawn by the screen's cell painter in its printing colours.
//
// The same pages serve the printer, a PDF file and the print preview: a page is a record
// (sheet, font height, bands), drawn again whenever it is needed.
#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/PageLayout.h"
#include "sheet/layout/SheetModel.h"
#include "sheet/layout/TreeNodes.h"
#include "sheet/layout/cmcCellCapsule.h"

class CellDocument;
class QPaintDevice;
class QPainter;
class SheetDisplayStore;
class cmcGTex;

struct PrintServices {
  cmcGTex& texts;
  CellDocument& document;
  CellBehaviourCallback behaviour;
  // Column widths the user set on screen; none prints the widths the captions give.
  SheetDisplayStore* display = nullptr;
};

// One printed page: which sheet, at which character height (negative, in the sheet's own
// pixels before the printer's scale) and which columns and rows besides the fixed ones.
struct PrintedPage {
  std::string sheet;
  int fontHeight = 0;
  PageBand columns;
  PageBand rows;
  bool operator==(const PrintedPage&) const = default;
};

class SheetPages {
 public:
  // device gives the page size and resolution (a printer, a PDF writer or an image standing
  // in for one); it must outlive the pages. pointSize is the print font size.
  SheetPages(const PrintServices& services, QPaintDevice& device, int pointSize);
  ~SheetPages();
  SheetPages(const SheetPages&) = delete;
  SheetPages& operator=(const SheetPages&) = delete;

  // False when the margins and the frame leave no room for cells.
  bool PageUsable() const;
  const PageRect& PrintArea() const { return printRect_; }
  const FrameGeometry& Frame() const { return frame_; }

  // Appends the pages of a sheet to pages and answers how many; none for a sheet the
  // choices leave out (or one that does not print). stop is asked before each page.
  int AddSheet(const std::string& sheet, const PrintAllChoices& choices, std::vector<PrintedPage>& pages,
               const std::function<bool()>& stop = {});

  // Draws the page in the device's pixels (the painter may scale them to another device).
  void Render(QPainter& painter, const PrintedPage& page);

 private:
  class Sheet;
  std::unique_ptr<Sheet> Build(const std::string& name, int fontHeight);
  void DrawFrame(QPainter& painter, const Sheet& sheet);

  PrintServices services_;
  QPaintDevice& device_;
  double scale_;
  int fontHeight_;
  PageRect printRect_;
  FrameGeometry frame_;
  std::unique_ptr<Sheet> rendered_;  // the sheet the last page was drawn from
};

#pragma once
// Where printed pages go: a printer, or a PDF file that is written whole or not at all.
#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <functional>
#include <string>
#include <vector>

#include "ui/SheetPages.h"

class QPagedPaintDevice;

enum class PrintResult {
  Done,
  Cancelled,     // the user stopped it; a printer still ends the document
  DeviceFailed,  // the printer refused a page or the document (failed, removed)
  PageTooSmall,  // the margins and the frame leave no room for cells
  FileFailed,    // the PDF file could not be written; any earlier file is untouched
  NothingToPrint,
};

// Draws the pages on device, one after the other; cancelled is asked before each page.
PrintResult DrawPages(QPagedPaintDevice& device, SheetPages& layout, const std::vector<PrintedPage>& pages,
                      const std::function<bool()>& cancelled = {});

// A PDF document kept in memory until it is complete, then saved through a temporary file
// that replaces the target only when every byte is on disk.
class PdfDocument {
 public:
  static constexpr int kResolution = 600;
  explicit PdfDocument(const QPageSize& pageSize, int resolution = kResolution);
  QPdfWriter& Writer() { return writer_; }
  // After the pages are drawn.
  bool Save(const std::string& path) const;

 private:
  QBuffer buffer_;
  QPdfWriter writer_;
};

struct PdfJob {
  std::vector<std::string> sheets;
  PrintAllChoices choices;
  QPageSize pageSize{QPageSize::A4};
  int pointSize = 10;
  std::string path;
};

// Lays out and writes the sheets of job to its PDF file; pageCount gets the pages written.
PrintResult WritePdf(const PrintServices& services, const PdfJob& job, int* pageCount = nullptr);

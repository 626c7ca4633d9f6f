#include "ui/PrintOutput.h"

#include <QPainter>

#include "files/AtomicSave.h"

PrintResult DrawPages(QPagedPaintDevice& device, SheetPages& layout, const std::vector<PrintedPage>& pages,
                      const std::function<bool()>& cancelled) {
  if (!layout.PageUsable()) return PrintResult::PageTooSmall;
  if (pages.empty()) return PrintResult::NothingToPrint;
  QPainter painter;
  if (!painter.begin(&device)) return PrintResult::DeviceFailed;
  PrintResult result = PrintResult::Done;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (cancelled && cancelled()) {
      result = PrintResult::Cancelled;
      break;
    }
    if (i > 0 && !device.newPage()) {
      result = PrintResult::DeviceFailed;
      break;
    }
    layout.Render(painter, pages[i]);
  }
  if (!painter.end() && result == PrintResult::Done) result = PrintResult::DeviceFailed;
  return result;
}

PdfDocument::PdfDocument(const QPageSize& pageSize, int resolution) : writer_(&buffer_) {
  buffer_.open(QIODevice::WriteOnly);
  writer_.setResolution(resolution);
  writer_.setPageSize(pageSize);
  writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer_.setCreator(QStringLiteral("Tessel"));
}

bool PdfDocument::Save(const std::string& path) const {
  AtomicSave save(path);
  const QByteArray& bytes = buffer_.data();
  return !bytes.isEmpty() && save.Open() &&
         save.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) && save.Commit();
}

PrintResult WritePdf(const PrintServices& services, const PdfJob& job, int* pageCount) {
  PdfDocument document(job.pageSize);
  SheetPages layout(services, document.Writer(), job.pointSize);
  if (!layout.PageUsable()) return PrintResult::PageTooSmall;
  std::vector<PrintedPage> pages;
  for (const std::string& sheet : job.sheets) layout.AddSheet(sheet, job.choices, pages);
  const PrintResult drawn = DrawPages(document.Writer(), layout, pages);
  if (drawn != PrintResult::Done) return drawn;
  if (!document.Save(job.path)) return PrintResult::FileFailed;
  if (pageCount != nullptr) *pageCount = static_cast<int>(pages.size());
  return PrintResult::Done;
}

#include "ui/DisplayText.h"

#include <algorithm>

namespace {

bool isPlainAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// Most texts of a sheet are plain ASCII; they skip the converter, which is costly per call.
QString displayText(std::string_view bytes) {
  if (isPlainAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString::fromStdString(toUtf8(bytes, DisplayCodePage()));
}

std::string programText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const std::string_view view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  if (isPlainAscii(view)) return std::string(view);
  return fromUtf8(view, DisplayCodePage());
}

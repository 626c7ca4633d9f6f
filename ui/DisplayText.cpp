#include "ui/DisplayText.h"

#include <algorithm>

namespace {

bool IsPlainAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// Most texts of a sheet are plain ASCII; they skip the converter, which is costly per call.
QString DisplayText(std::string_view bytes) {
  if (IsPlainAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString::fromStdString(ToUtf8(bytes, DisplayCodePage()));
}

std::string ProgramText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const std::string_view view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  if (IsPlainAscii(view)) return std::string(view);
  return FromUtf8(view, DisplayCodePage());
}

#include "files/cmcLoadFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "text/Codepage.h"
#include "text/Cp932.h"

namespace {

// Length of the UTF-8 sequence at i, 0 when none starts there.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  unsigned char lowestSecond = 0x80;
  unsigned char highestSecond = 0xBF;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) lowestSecond = 0xA0;
    if (c == 0xED) highestSecond = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) lowestSecond = 0x90;
    if (c == 0xF4) highestSecond = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    const unsigned char low = k == 1 ? lowestSecond : 0x80;
    const unsigned char high = k == 1 ? highestSecond : 0xBF;
    if (next < low || next > high) return 0;
  }
  return length;
}

// Valid UTF-8 with at least one character beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view text) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8Length(text, i);
    if (length == 0) return false;
    beyondAscii = beyondAscii || length > 1;
    i += length;
  }
  return beyondAscii;
}

bool IsValidCp932(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80 || IsHalfWidthKatakana(c)) continue;
    if (!(IsLeadByte(c) || IsExtensionLeadByte(c)) || i + 1 >= text.size() || !IsTrailByte(text[i + 1])) {
      return false;
    }
    ++i;
  }
  return true;
}

// Bytes at i that form one character: a lead byte with a valid second byte, else one byte.
std::size_t CharacterBytes(std::string_view text, std::size_t i) {
  const bool pair = IsLeadByte(text[i]) && i + 1 < text.size() && IsTrailByte(text[i + 1]);
  return pair ? 2 : 1;
}

// Splits rows field by field. A quote opens a quoted field only as the field's first
// character; inside it a doubled quote is one quote and a lone quote closes it (characters
// after the closing quote up to the separator are kept as they are).
class RowSplitter {
 public:
  RowSplitter(std::string_view text, char separator) : text_(text), separator_(separator) {}

  std::vector<CsvLine> Rows() {
    std::vector<CsvLine> rows;
    while (at_ < text_.size()) rows.push_back(Row());
    return rows;
  }

 private:
  bool AtLineEnd() const { return text_[at_] == '\n' || text_[at_] == '\r'; }

  // Skips one line end (CR LF, LF or CR) and counts it.
  void SkipLineEnd() {
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
  }

  CsvLine Row() {
    CsvLine row;
    row.number = line_;
    for (;;) {
      std::string field;
      if (at_ < text_.size() && text_[at_] == '"') {
        row.quoted = true;
        ++at_;
        QuotedPart(field);
      }
      UnquotedPart(field);
      row.fields.push_back(std::move(field));
      if (at_ >= text_.size()) return row;
      if (AtLineEnd()) {
        SkipLineEnd();
        return row;
      }
      ++at_;  // the separator
    }
  }

  void QuotedPart(std::string& field) {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          field.push_back('"');
          at_ += 2;
          continue;
        }
        ++at_;
        return;
      }
      if (c == '\n' || c == '\r') {
        const std::size_t start = at_;
        SkipLineEnd();
        field.append(text_.substr(start, at_ - start));
        continue;
      }
      Take(field);
    }
  }

  void UnquotedPart(std::string& field) {
    while (at_ < text_.size() && text_[at_] != separator_ && !AtLineEnd()) Take(field);
  }

  void Take(std::string& field) {
    const std::size_t length = CharacterBytes(text_, at_);
    field.append(text_.substr(at_, length));
    at_ += length;
  }

  std::string_view text_;
  char separator_;
  std::size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

std::string CsvFileText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) return FromUtf8(bytes.substr(kUtf8ByteOrderMark.size()), CodePage::Cp932);
  if (!IsValidCp932(bytes) && IsUtf8BeyondAscii(bytes)) return FromUtf8(bytes, CodePage::Cp932);
  return std::string(bytes);
}

std::vector<CsvLine> SplitCsvRows(std::string_view text, char separator) { return RowSplitter(text, separator).Rows(); }

std::optional<std::string> ReadCsvFileBytes(const std::string& fileName) {
  std::error_code error;
  const auto size = std::filesystem::file_size(fileName, error);
  if (error || size > cmcLoadFile::kMaxFileSize) return std::nullopt;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad() || bytes.size() > cmcLoadFile::kMaxFileSize) return std::nullopt;
  return bytes;
}

bool cmcLoadFile::Load(const std::string& fileName, char separator) {
  lines_.clear();
  fileName_.clear();
  current_ = 0;
  const std::optional<std::string> bytes = ReadCsvFileBytes(fileName);
  if (!bytes) return false;
  LoadBytes(*bytes, separator);
  fileName_ = fileName;
  return true;
}

void cmcLoadFile::LoadBytes(std::string_view bytes, char separator) {
  lines_ = SplitCsvRows(CsvFileText(bytes), separator);
  current_ = 0;
}

void cmcLoadFile::LoadUtf8Bytes(std::string_view bytes, char separator) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  lines_ = SplitCsvRows(FromUtf8(bytes, CodePage::Cp932), separator);
  current_ = 0;
}

const CsvLine& cmcLoadFile::CurrentLine() const {
  static const CsvLine kNone;
  return current_ < LineCount() ? lines_[static_cast<std::size_t>(current_)] : kNone;
}

bool cmcLoadFile::NextLine() {
  for (++current_; current_ < LineCount(); ++current_) {
    if (!lines_[static_cast<std::size_t>(current_)].IsBlank()) return true;
  }
  current_ = 0;
  return false;
}

#pragma once
// The line reader of CSV import: the whole file loaded at once, turned into the program's
// code page and split into rows of fields. A row normally is one line; a quoted field may
// hold separators, doubled quotes and line breaks, so a row may run over several lines, and
// each row remembers the line it starts on for the messages about it.
//
// The file is read as code page 932. A file that starts with a UTF-8 byte-order mark, or
// that is valid UTF-8 with characters beyond ASCII and no valid code page 932 text, is
// converted from UTF-8 first (characters the code page lacks become "?"). Line ends CR LF,
// LF and CR read alike. A lead byte and a valid second byte form one character, whose second
// byte is never taken for a separator, quote or line end.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The byte-order mark a UTF-8 file may start with.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct CsvLine {
  int number = 0;  // the file's line (from 1) the row starts on
  std::vector<std::string> fields;
  // The row is an empty line: one empty field that was not quoted.
  bool IsBlank() const { return fields.size() == 1 && fields.front().empty() && !quoted; }
  bool quoted = false;  // a field of the row was quoted
};

class cmcLoadFile {
 public:
  // Larger files are refused without being read.
  static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

  // Clears the rows and loads the file; on any failure (missing, unreadable, too large) the
  // file name becomes empty, there are no rows, and the answer is false.
  bool Load(const std::string& fileName, char separator);
  // The same for bytes already in memory (the file name stays empty).
  void LoadBytes(std::string_view bytes, char separator);
  // The same for bytes known to be UTF-8, with or without a byte-order mark, whatever they
  // would also read as in code page 932.
  void LoadUtf8Bytes(std::string_view bytes, char separator);

  // The row at the current position (row 0 is the header), or an empty row past the end.
  const CsvLine& CurrentLine() const;
  // Moves to the next row that is not an empty line and answers true; at the end answers
  // false and goes back to row 0.
  bool NextLine();

  const std::string& FileName() const { return fileName_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }

 private:
  std::vector<CsvLine> lines_;
  std::string fileName_;
  int current_ = 0;
};

// The bytes of a file, or nothing when it is missing, unreadable or larger than
// cmcLoadFile::kMaxFileSize.
std::optional<std::string> ReadCsvFileBytes(const std::string& fileName);

// The bytes of a CSV file in the program's code page (see above).
std::string CsvFileText(std::string_view bytes);

// The rows of text split at separator (see above); an empty text has no rows.
std::vector<CsvLine> SplitCsvRows(std::string_view text, char separator);

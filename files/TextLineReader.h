#pragma once
// Splits a file or a block of bytes into lines. A line ends at "\n"; one "\r" before it is
// part of the line end, so files with CR LF and with LF alone read the same. A last line
// without a line end is read whole. Lines are never cut: one longer than the limit is
// reported as such, and nothing after it is read.
#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

class TextLineReader {
 public:
  enum class Status { Line, End, TooLong, ReadError };

  // Longest line text (without its line end) that Next delivers.
  static constexpr std::size_t kMaxLineLength = 64 * 1024;

  // Reads the bytes of a block that outlives the reader.
  explicit TextLineReader(std::span<const char> bytes);
  // Reads from an open file that outlives the reader; the caller closes it.
  explicit TextLineReader(std::FILE* file);

  // The next line without its line end, in line. After End, TooLong or ReadError every
  // further call answers the same.
  Status Next(std::string& line);

 private:
  bool Refill();
  Status Finish(std::string& line);

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::span<const char> pending_;
  Status stopped_ = Status::Line;
};

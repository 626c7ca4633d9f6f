#include "files/TextLineReader.h"

#include <algorithm>

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// The raw line may carry the "\r" of its line end besides the text.
constexpr std::size_t kMaxRawLength = TextLineReader::kMaxLineLength + 1;

}  // namespace

TextLineReader::TextLineReader(std::span<const char> bytes) : pending_(bytes) {}

TextLineReader::TextLineReader(std::FILE* file) : file_(file), buffer_(kChunkSize) {}

TextLineReader::Status TextLineReader::Next(std::string& line) {
  line.clear();
  if (stopped_ != Status::Line) return stopped_;
  for (;;) {
    const auto newline = std::find(pending_.begin(), pending_.end(), '\n');
    const std::size_t taken = static_cast<std::size_t>(newline - pending_.begin());
    if (line.size() + taken > kMaxRawLength) return stopped_ = Status::TooLong;
    line.append(pending_.data(), taken);
    if (newline != pending_.end()) {
      pending_ = pending_.subspan(taken + 1);
      return Finish(line);
    }
    pending_ = {};
    if (!Refill()) {
      if (stopped_ != Status::Line) return stopped_;
      if (line.empty()) return stopped_ = Status::End;
      stopped_ = Status::End;
      return Finish(line);
    }
  }
}

TextLineReader::Status TextLineReader::Finish(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kMaxLineLength) {
    line.clear();
    return stopped_ = Status::TooLong;
  }
  return Status::Line;
}

// Reads the next chunk of the file into pending_; false at the end of the input, with
// stopped_ set to ReadError when the file could not be read.
bool TextLineReader::Refill() {
  if (file_ == nullptr) return false;
  const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  if (got == 0) {
    if (std::ferror(file_)) stopped_ = Status::ReadError;
    return false;
  }
  pending_ = std::span<const char>(buffer_.data(), got);
  return true;
}

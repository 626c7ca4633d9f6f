#include "clone/FrameTrace.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "clone/CloneFrame.h"
#include "clone/dst_CDrv_Result.h"
#include "platform/Timing.h"
#include "text/HexText.h"

namespace {

const char* SessionName(int kind) {
  switch (kind) {
    case CloneSession::kInfo:
      return "information";
    case CloneSession::kRead:
      return "read";
    case CloneSession::kWrite:
      return "write";
  }
  return "unknown";
}

}  // namespace

std::unique_ptr<FrameTrace> FrameTrace::Open(const std::string& path, std::string& message) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    message = "Cannot write the trace file " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<FrameTrace>(new FrameTrace(file));
}

FrameTrace::~FrameTrace() { std::fclose(file_); }

void FrameTrace::SessionStarted(int kind) {
  sessionStartMs_ = NowMs();
  sent_.open.clear();
  received_.open.clear();
  WriteLine(std::string("# ") + SessionName(kind) + " session");
}

void FrameTrace::Sent(std::span<const std::uint8_t> bytes) { Add(sent_, bytes); }

void FrameTrace::Received(std::span<const std::uint8_t> bytes) { Add(received_, bytes); }

void FrameTrace::SessionEnded() {
  if (!sent_.open.empty()) WriteFrame(sent_);
  if (!received_.open.empty()) WriteFrame(received_);
}

void FrameTrace::Add(Direction& direction, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const auto end = std::ranges::find(bytes, CloneFrame::kTerminator);
    const std::size_t taken = end == bytes.end() ? bytes.size() : static_cast<std::size_t>(end - bytes.begin()) + 1;
    direction.open.insert(direction.open.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(taken));
    if (end != bytes.end()) WriteFrame(direction);
    bytes = bytes.subspan(taken);
  }
}

void FrameTrace::WriteFrame(Direction& direction) {
  WriteLine(std::to_string(NowMs() - sessionStartMs_) + " " + direction.name + " " + HexText(direction.open));
  direction.open.clear();
}

void FrameTrace::WriteLine(const std::string& line) {
  std::fputs(line.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

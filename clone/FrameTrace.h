#pragma once
// A record of what clone sessions send to the radio and receive from it, for a user whose
// cable misbehaves. Each session starts with a line naming it; then each frame is one line:
// the milliseconds since the session started, "sent" or "received", and its bytes in hex.
//
// The bytes of each direction are cut into frames after every frame end (FD), so echoes,
// noise and broken frames show as they came; bytes still without their frame end when a
// session ends make a last line of their own. Every line is flushed at once, so a trace
// survives a program that is stopped while its session runs.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

class FrameTrace {
 public:
  // A trace into the file at path, replacing it; none, and message "Cannot write the trace
  // file PATH: reason", when the file cannot be opened for writing.
  static std::unique_ptr<FrameTrace> Open(const std::string& path, std::string& message);
  ~FrameTrace();
  FrameTrace(const FrameTrace&) = delete;
  FrameTrace& operator=(const FrameTrace&) = delete;

  // kind is a CloneSession kind.
  void SessionStarted(int kind);
  void Sent(std::span<const std::uint8_t> bytes);
  void Received(std::span<const std::uint8_t> bytes);
  void SessionEnded();

 private:
  struct Direction {
    const char* name;
    std::vector<std::uint8_t> open;  // bytes of a frame whose end has not come yet
  };

  explicit FrameTrace(std::FILE* file) : file_(file) {}
  void Add(Direction& direction, std::span<const std::uint8_t> bytes);
  void WriteFrame(Direction& direction);
  void WriteLine(const std::string& line);

  std::FILE* file_;
  std::uint32_t sessionStartMs_ = 0;
  Direction sent_{"sent", {}};
  Direction received_{"received", {}};
};

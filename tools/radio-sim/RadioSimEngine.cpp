#include "tools/radio-sim/RadioSimEngine.h"

#include <algorithm>
#include <span>

#include "clone/CloneFrame.h"
#include "memory/Bcd.h"
#include "platform/Fatal.h"
#include "platform/SerialDevice.h"
#include "platform/Timing.h"
#include "text/HexText.h"

namespace {

constexpr std::int32_t kReadChunk = 4096;
// Frames the program sends are short; anything longer is a broken frame.
constexpr std::size_t kMaxFrame = 600;
// Data frames are produced only while less than this waits for the line.
constexpr std::size_t kOutputLowWater = 2048;
constexpr std::size_t kUnpacedBurst = 65536;
// Line credit saved up while idle is limited to a few ticks, so pacing never bursts.
constexpr std::uint64_t kCreditTicks = 4;
constexpr std::uint64_t kByteBitsTimesMs = 10 * 1000;
constexpr std::int32_t kNormalBaud = 9600;
constexpr std::int32_t kFastBaud = 38400;
constexpr std::int32_t kBeyondImageAddress = 0x00F00000;
constexpr std::size_t kNoiseBytes = 48;
constexpr std::size_t kSpeedSwitchFrame = 12;

std::span<const std::uint8_t> BytesOf(const cmcBuff& buffer) {
  return {buffer.Data(), static_cast<std::size_t>(buffer.Length())};
}

// A wire payload whose checksum no longer adds up but whose bytes are still well formed.
void CorruptChecksum(CloneFrame::Bytes& payload, bool fast) {
  std::uint8_t& last = payload.back();
  if (fast) {
    last ^= 1;  // an escaped low nibble stays A-F, a plain value stays below 0xFA
  } else {
    const int digit = HexDigitValue(static_cast<char>(last));
    last = static_cast<std::uint8_t>(HexDigit(static_cast<unsigned>(digit + 1)));
  }
}

std::uint16_t BcdWord(int value) {
  std::uint8_t bytes[2];
  IntToBcd(static_cast<std::uint64_t>(std::max(value, 0)), bytes);
  return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

}  // namespace

RadioSimEngine::RadioSimEngine(SerialDevice& device, const cmcEeprom& image, RadioSimOptions options)
    : device_(device), options_(std::move(options)), baud_(options_.initialBaud), task_(cmcTask::Create()) {
  if (image.GetSize() < kMemorySize) Fatal("The simulated radio's image is smaller than its memory.");
  image_.Assign(image);
  task_->SetHandler(&OnTimer, this);
}

RadioSimEngine::~RadioSimEngine() = default;

void RadioSimEngine::Start() {
  lastFlush_ = lastRead_ = NowMs();
  task_->SetInterval(kTickMs);
}

void RadioSimEngine::Stop() { task_->SetInterval(-1); }

void RadioSimEngine::HangUp() {
  if (mode_ == Mode::Gone) return;
  if (mode_ == Mode::Sending) EndSession(RadioSimSession::Kind::Read, false);
  if (mode_ == Mode::Receiving) EndSession(RadioSimSession::Kind::Write, false);
  mode_ = Mode::Idle;
  output_.clear();
  delayed_.clear();
  receive_.Clear();
  receiveCredit_ = 0;
}

void RadioSimEngine::SetFault(RadioFault fault, std::int32_t atBytes) {
  fault_ = fault;
  faultAt_ = atBytes < 0 ? kMemorySize / 2 : atBytes;
}

void RadioSimEngine::OnTimer(void* user, cmcTask&) { static_cast<RadioSimEngine*>(user)->Tick(); }

void RadioSimEngine::Tick() {
  if (mode_ == Mode::Gone) return;
  ReadLine();
  const bool answerDue = NowMs() - delayedSince_ >= static_cast<std::uint32_t>(options_.replyDelayMs);
  if (!delayed_.empty() && answerDue) {
    output_.insert(output_.end(), delayed_.begin(), delayed_.end());
    delayed_.clear();
  }
  if (mode_ == Mode::Sending && answerDue) SendNextFrames();
  Flush();
  if (endPending_ && output_.empty() && delayed_.empty()) {
    endPending_ = false;
    if (sessionEnd_) sessionEnd_(pendingEnd_);
  }
}

void RadioSimEngine::ReadLine() {
  std::uint8_t chunk[kReadChunk];
  const std::int32_t budget = ReceiveBudget();
  if (budget <= 0) return;
  const std::int32_t n = device_.Read(chunk, budget);
  if (n <= 0) return;
  if (options_.echo) {
    // The cable hands every byte straight back, whatever the radio is sending.
    const std::int32_t accepted = std::max(device_.Write(chunk, n), 0);
    output_.insert(output_.begin(), chunk + accepted, chunk + n);
  }
  receive_.Append(chunk, n);
  for (;;) {
    const CloneFrame::AssemblyResult found = CloneFrame::AssembleFrame(BytesOf(receive_), kMaxFrame);
    if (found.status == CloneFrame::Assembly::Frame) {
      const CloneFrame::Bytes frame(receive_.Data() + found.begin, receive_.Data() + found.begin + found.length);
      receive_.Assign(receive_.Data() + found.consumed, receive_.Length() - static_cast<std::int32_t>(found.consumed));
      HandleFrame(frame);
      if (mode_ == Mode::Gone) return;
      continue;
    }
    receive_.Assign(receive_.Data() + found.consumed, receive_.Length() - static_cast<std::int32_t>(found.consumed));
    if (found.status == CloneFrame::Assembly::NeedMore) return;
  }
}

void RadioSimEngine::HandleFrame(std::span<const std::uint8_t> frame) {
  if (frame.size() < CloneFrame::kHeaderSize || frame[1] != CloneFrame::kRadio || frame[2] != CloneFrame::kProgram) {
    return;  // not for the radio (its own frames, as a cable echo, arrive this way)
  }
  switch (frame[3]) {
    case CloneFrame::kInfoRequest:
      AnswerInfo();
      break;
    case CloneFrame::kSpeedSwitch:
      SwitchSpeed(frame);
      break;
    case CloneFrame::kReadRequest:
      BeginRead();
      break;
    case CloneFrame::kWriteRequest:
      BeginWrite();
      break;
    case CloneFrame::kData:
      if (mode_ == Mode::Receiving) ReceiveData(frame);
      break;
    case CloneFrame::kEndOfData:
      if (mode_ == Mode::Receiving) ReceiveEnd(frame);
      break;
    default:
      break;
  }
}

void RadioSimEngine::Reply(const std::vector<std::uint8_t>& frame) {
  delayed_ = frame;
  delayedSince_ = NowMs();
}

void RadioSimEngine::AnswerInfo() {
  mode_ = Mode::Idle;
  if (StrikesNow(RadioFault::PulledCable)) return PullCable();
  if (StrikesNow(RadioFault::Silence)) return EndSession(RadioSimSession::Kind::Info, false);
  const RadioIdentity& id = options_.identity;
  std::uint16_t model = id.modelWord;
  if (StrikesNow(RadioFault::OtherModel)) model = model == 0x3390 ? 0x3480 : 0x3390;
  int generation = id.generation;
  if (StrikesNow(RadioFault::OtherGeneration)) generation = generation == 3 ? 2 : 3;
  const std::uint16_t generationWord = BcdWord(generation);

  CloneFrame::Bytes body = {static_cast<std::uint8_t>(model >> 8), static_cast<std::uint8_t>(model & 0xFF),
                            static_cast<std::uint8_t>(generationWord >> 8),
                            static_cast<std::uint8_t>(generationWord & 0xFF)};
  CloneFrame::Bytes info(kInfoBytes, 0x00);
  info[1] = 1;  // block format
  std::fill(info.begin() + 2, info.begin() + 18, std::uint8_t{' '});
  std::copy_n(id.comment.begin(), std::min<std::size_t>(id.comment.size(), 16), info.begin() + 2);
  info[18] = static_cast<std::uint8_t>(id.destination);
  std::fill(info.begin() + 31, info.end(), std::uint8_t{'0'});
  std::copy_n(id.serial.begin(), std::min<std::size_t>(id.serial.size(), 14), info.begin() + 31);
  body.insert(body.end(), info.begin(), info.end());

  if (StrikesNow(RadioFault::LineNoise)) QueueNoise();
  Reply(CloneFrame::Frame(CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kInfoReply, body));
  EndSession(RadioSimSession::Kind::Info, true);
}

void RadioSimEngine::SwitchSpeed(std::span<const std::uint8_t> frame) {
  if (frame.size() != kSpeedSwitchFrame) return;
  fast_ = frame.back() == 0x01;
  baud_ = fast_ ? kFastBaud : kNormalBaud;
  device_.SetBaudRate(baud_);
  // Whatever follows the switch comes at the new speed, after the program has reopened.
  receiveCredit_ = 0;
}

void RadioSimEngine::BeginRead() {
  mode_ = Mode::Sending;
  nextAddress_ = 0;
  frames_ = 0;
  dataBytes_ = 0;
  delayedSince_ = NowMs();
}

void RadioSimEngine::SendNextFrames() {
  while (mode_ == Mode::Sending && output_.size() < kOutputLowWater) {
    if (nextAddress_ >= kMemorySize) return SendEndFrame();
    if (Strikes(RadioFault::PulledCable, dataBytes_)) return PullCable();
    if (Strikes(RadioFault::Silence, dataBytes_)) {
      mode_ = Mode::Idle;
      return EndSession(RadioSimSession::Kind::Read, false);
    }
    if (Strikes(RadioFault::LineNoise, dataBytes_)) QueueNoise();
    SendDataFrame();
  }
}

void RadioSimEngine::SendDataFrame() {
  const std::int32_t n = std::min(kBlockSize, kMemorySize - nextAddress_);
  std::int32_t address = nextAddress_;
  nextAddress_ += n;
  if (Strikes(RadioFault::MissingAddress, dataBytes_)) {
    dataBytes_ += n;
    return;
  }
  if (frames_ > 0 && Strikes(RadioFault::DuplicateAddress, dataBytes_)) address = previousAddress_;
  std::vector<std::uint8_t> data(static_cast<std::size_t>(n));
  image_.ReadBlock(address, data.data(), n);
  if (Strikes(RadioFault::BeyondImage, dataBytes_)) address = kBeyondImageAddress;
  CloneFrame::Bytes payload = CloneFrame::EncodeDataPayload(address, data, fast_);
  if (Strikes(RadioFault::Checksum, dataBytes_)) CorruptChecksum(payload, fast_);
  const CloneFrame::Bytes frame =
      CloneFrame::Frame(CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kData, payload);
  output_.insert(output_.end(), frame.begin(), frame.end());
  previousAddress_ = address;
  ++frames_;
  dataBytes_ += n;
}

void RadioSimEngine::SendEndFrame() {
  const std::int32_t count = frames_ + (Strikes(RadioFault::EndCount, dataBytes_) ? 1 : 0);
  const CloneFrame::Bytes frame = CloneFrame::Frame(CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kEndOfData,
                                                    CloneFrame::EndPayload(count, true));
  output_.insert(output_.end(), frame.begin(), frame.end());
  mode_ = Mode::Idle;
  EndSession(RadioSimSession::Kind::Read, true);
}

void RadioSimEngine::BeginWrite() {
  mode_ = Mode::Receiving;
  written_.Assign(image_);
  writtenBits_.assign(static_cast<std::size_t>(kMemorySize), false);
  writtenFrames_.clear();
  writeBroken_ = false;
  frames_ = 0;
  dataBytes_ = 0;
}

void RadioSimEngine::ReceiveData(std::span<const std::uint8_t> frame) {
  CloneFrame::DataPayload data;
  const bool decoded = CloneFrame::DecodeDataPayload(frame.subspan(CloneFrame::kHeaderSize), fast_, data);
  const auto n = static_cast<std::int32_t>(data.data.size());
  if (!decoded || data.address < 0 || static_cast<std::int64_t>(data.address) + n > kMemorySize) {
    writeBroken_ = true;
  } else if (n > 0) {
    written_.WriteBlock(data.address, data.data.data(), n);
    std::fill(writtenBits_.begin() + data.address, writtenBits_.begin() + data.address + n, true);
    // Bounded: a frame names at least one byte, and the memory holds kMemorySize of them.
    if (writtenFrames_.size() < static_cast<std::size_t>(kMemorySize)) {
      writtenFrames_.push_back({data.address, data.address + n - 1});
    }
    dataBytes_ += n;
  }
  ++frames_;
  if (Strikes(RadioFault::PulledCable, dataBytes_)) return PullCable();
  if (Strikes(RadioFault::Silence, dataBytes_)) {
    mode_ = Mode::Idle;
    EndSession(RadioSimSession::Kind::Write, false);
  }
}

void RadioSimEngine::ReceiveEnd(std::span<const std::uint8_t> frame) {
  mode_ = Mode::Idle;
  if (Strikes(RadioFault::PulledCable, dataBytes_)) return PullCable();
  if (Strikes(RadioFault::Silence, dataBytes_)) return EndSession(RadioSimSession::Kind::Write, false);
  bool accepted = CloneFrame::CheckEndFrame(frame, frames_, true) == 0 && !writeBroken_ && IsCompleteWrite();
  if (accepted && StrikesNow(RadioFault::RefusedWrite)) accepted = false;
  if (Strikes(RadioFault::LineNoise, dataBytes_)) QueueNoise();
  const std::uint8_t status = accepted ? 0x00 : 0x01;
  Reply(CloneFrame::Frame(CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kWriteAck, {&status, 1}));
  if (accepted) image_.Assign(written_);
  EndSession(RadioSimSession::Kind::Write, accepted);
}

bool RadioSimEngine::IsCompleteWrite() const {
  return std::all_of(writtenBits_.begin(), writtenBits_.end(), [](bool b) { return b; });
}

bool RadioSimEngine::Strikes(RadioFault fault, std::int32_t bytes) {
  if (fault_ != fault || bytes < faultAt_) return false;
  fault_ = RadioFault::None;
  return true;
}

// Faults of the information reply strike at once; faults of a transfer only when armed for
// byte 0.
bool RadioSimEngine::StrikesNow(RadioFault fault) {
  const bool immediate = fault == RadioFault::OtherModel || fault == RadioFault::OtherGeneration ||
                         fault == RadioFault::RefusedWrite || faultAt_ == 0;
  return immediate && Strikes(fault, faultAt_);
}

void RadioSimEngine::PullCable() {
  const RadioSimSession::Kind kind =
      mode_ == Mode::Receiving ? RadioSimSession::Kind::Write
                               : (mode_ == Mode::Sending ? RadioSimSession::Kind::Read : RadioSimSession::Kind::Info);
  mode_ = Mode::Gone;
  output_.clear();
  delayed_.clear();
  if (pullCable_) {
    pullCable_();
  } else {
    device_.Close();
  }
  EndSession(kind, false);
}

// Stray bytes as a noisy line makes them; none of them ends a frame.
void RadioSimEngine::QueueNoise() {
  for (std::size_t i = 0; i < kNoiseBytes; ++i) {
    noiseSeed_ = noiseSeed_ * 1103515245u + 12345u;
    auto b = static_cast<std::uint8_t>(noiseSeed_ >> 16);
    if (b == CloneFrame::kTerminator) b = 0x00;
    output_.push_back(b);
  }
}

void RadioSimEngine::Flush() {
  const std::int32_t budget = LineBudget();
  if (output_.empty() || budget <= 0) return;
  const std::size_t n = std::min(output_.size(), static_cast<std::size_t>(budget));
  const std::vector<std::uint8_t> chunk(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(n));
  const std::int32_t accepted = std::max(device_.Write(chunk.data(), static_cast<std::int32_t>(n)), 0);
  output_.erase(output_.begin(), output_.begin() + accepted);
}

// Bytes the line can carry now: 10 bits per byte at the current speed when paced.
std::int32_t RadioSimEngine::LineBudget() {
  const std::uint32_t now = NowMs();
  const std::uint32_t elapsed = now - lastFlush_;
  lastFlush_ = now;
  if (!options_.pace) return static_cast<std::int32_t>(kUnpacedBurst);
  const auto baud = static_cast<std::uint64_t>(baud_);
  lineCredit_ = std::min(lineCredit_ + elapsed * baud, kCreditTicks * kTickMs * baud);
  if (output_.empty()) {
    lineCredit_ = 0;
    return 0;
  }
  const std::uint64_t bytes = lineCredit_ / kByteBitsTimesMs;
  lineCredit_ -= bytes * kByteBitsTimesMs;
  return static_cast<std::int32_t>(bytes);
}

// Bytes the radio may take in now. Paced, bytes waiting in the device have been on the line
// since the last read (or since they began to arrive, when the line was idle then), and the
// line delivers 10 bits per byte at the current speed; credit left over once everything
// waiting has been taken is not saved, since an idle line brings later bytes no sooner.
std::int32_t RadioSimEngine::ReceiveBudget() {
  const std::uint32_t now = NowMs();
  const std::uint32_t elapsed = now - lastRead_;
  lastRead_ = now;
  if (!options_.pace) return kReadChunk;
  const std::int32_t waiting = device_.InQueue();
  if (waiting <= 0) {
    receiveCredit_ = 0;
    return 0;
  }
  receiveCredit_ += static_cast<std::uint64_t>(elapsed) * static_cast<std::uint64_t>(baud_);
  const std::uint64_t deliverable = receiveCredit_ / kByteBitsTimesMs;
  const auto n = static_cast<std::int32_t>(std::min<std::uint64_t>(
      {deliverable, static_cast<std::uint64_t>(waiting), static_cast<std::uint64_t>(kReadChunk)}));
  receiveCredit_ = n == waiting ? 0 : receiveCredit_ - static_cast<std::uint64_t>(n) * kByteBitsTimesMs;
  return n;
}

void RadioSimEngine::EndSession(RadioSimSession::Kind kind, bool completed) {
  pendingEnd_ = {kind, completed, completed && kind == RadioSimSession::Kind::Write ? &image_ : nullptr};
  endPending_ = true;
}

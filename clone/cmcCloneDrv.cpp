#include "clone/cmcCloneDrv.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <utility>

#include "clone/CloneFrame.h"
#include "clone/CloneTransferType.h"
#include "clone/FrameTrace.h"
#include "memory/Bcd.h"
#include "platform/Fatal.h"
#include "platform/Timing.h"
#include "text/HexText.h"

namespace {

constexpr std::int32_t kReadChunk = 256;
constexpr std::int32_t kCompactAbove = 4096;
// Expected echo bytes that may be outstanding while data frames are sent.
constexpr std::int32_t kDataEchoAllowance = 128;
// A frame buffer longer than this is abandoned (as an invalid frame while a single reply is
// awaited; as a corrupt stream while data is received).
constexpr std::size_t kMaxReplyFrame = 520;
constexpr std::size_t kMaxDataFrame = 521;
constexpr std::size_t kMinDataFrame = 12;
constexpr std::size_t kMinInfoReply = 8;
constexpr std::int32_t kMaxDrainBytes = 65535;
constexpr int kDataPassesPerStep = 8;
constexpr std::uint64_t kByteBitsTimesMs = 10 * 1000;

std::span<const std::uint8_t> BytesOf(const cmcBuff& buffer) {
  return {buffer.Data(), static_cast<std::size_t>(buffer.Length())};
}

void DropFront(cmcBuff& buffer, std::size_t n) {
  const auto count = static_cast<std::int32_t>(n);
  buffer.Assign(buffer.Data() + count, buffer.Length() - count);
}

void CompactLong(cmcBuff& buffer) {
  if (buffer.Length() > kCompactAbove) buffer.Compact();
}

bool IsDataFrameShape(std::span<const std::uint8_t> frame) {
  return frame.size() >= kMinDataFrame && frame.size() <= kMaxDataFrame + 1 && frame[0] == CloneFrame::kPreamble &&
         frame[1] == CloneFrame::kProgram && frame[2] == CloneFrame::kRadio;
}

// True when address .. address + n - 1 lies inside an image of size bytes.
bool IsInsideImage(std::int32_t address, std::size_t n, std::int32_t size) {
  return address >= 0 && static_cast<std::int64_t>(address) + static_cast<std::int64_t>(n) <= size;
}

// The line speed of port settings such as "38400,N,8,1"; 0 when they name none.
std::int32_t BaudOf(std::string_view settings) {
  std::int32_t baud = 0;
  std::from_chars(settings.data(), settings.data() + settings.size(), baud);
  return std::max(baud, 0);
}

}  // namespace

// What one step decides besides the state's own action.
class cmcCloneDrv::StepContext {
 public:
  explicit StepContext(State current) : next(current) {}

  State next;  // the state stays unless the step names another
  bool progress = false;
};

cmcCloneDrv::cmcCloneDrv(SerialDevice& device, const PortResolver& ports)
    : port_(device, ports), task_(cmcTask::Create()) {
  task_->SetHandler(&OnTimer, this);
}

cmcCloneDrv::~cmcCloneDrv() = default;

void cmcCloneDrv::SetRequestWords(std::uint16_t a, std::uint16_t b) {
  wordA_ = a;
  wordB_ = b;
}

void cmcCloneDrv::SetImageSize(std::int32_t n) { imageSize_ = std::max(n, 0); }

void cmcCloneDrv::SetPort(std::int32_t port, std::string_view settings) {
  portNumber_ = port;
  portSettings_ = settings;
}

void cmcCloneDrv::SetDevicePath(std::string path) { devicePath_ = std::move(path); }

void cmcCloneDrv::SetRequestPreamble(std::int32_t n) { requestPreamble_ = std::max(n, 0); }

void cmcCloneDrv::SetDataPreamble(std::int32_t first, std::int32_t later) {
  firstDataPreamble_ = std::max(first, 0);
  laterDataPreamble_ = std::max(later, 0);
}

void cmcCloneDrv::SetCommandText(std::string_view text) { commandText_ = text; }

void cmcCloneDrv::SetEndCount(bool on) { endCount_ = on; }

void cmcCloneDrv::SetEcho(bool on) { echo_ = on; }

void cmcCloneDrv::SetBlockSize(std::int32_t n) {
  // A data frame carries at most 255 bytes.
  if (n > 0) blockSize_ = std::min(n, 255);
}

void cmcCloneDrv::SetAckTimeout(std::int32_t ms) {
  if (ms > 0) ackTimeoutMs_ = ms;
}

void cmcCloneDrv::SetPostDelay(std::int32_t ms) { postDelayMs_ = std::max(ms, 0); }

void cmcCloneDrv::SetTransferType(int type) { transferType_ = NormalisedTransferType(type); }

void cmcCloneDrv::SetSpeedHigh(bool fast) { speedHighSetting_ = fast; }

bool cmcCloneDrv::StartInfo(Completion completion, void* user) {
  if (IsBusy()) return false;
  search_ = true;
  searchType_ = startType_ = transferType_;
  sessionCommands_.clear();
  return Start(CloneSession::kInfo, completion, user);
}

bool cmcCloneDrv::StartRead(const AddressRangeList* ranges, Completion completion, void* user) {
  if (IsBusy()) return false;
  search_ = false;
  hasRanges_ = ranges != nullptr;
  ranges_ = ranges ? *ranges : AddressRangeList();
  sessionCommands_ = commandText_;
  return Start(CloneSession::kRead, completion, user);
}

bool cmcCloneDrv::StartWrite(const cmcEeprom& image, const AddressRangeList& ranges, Completion completion,
                             void* user) {
  if (IsBusy()) return false;
  for (const AddressRange& range : ranges) {
    if (range.IsEndMarker()) break;
    const auto length = static_cast<std::size_t>(static_cast<std::int64_t>(range.end) - range.start + 1);
    if (!IsInsideImage(range.start, length, image.GetSize())) {
      Fatal("A write range lies outside the image.");
    }
  }
  search_ = false;
  hasRanges_ = true;
  ranges_ = ranges;
  rangeIndex_ = 0;
  address_ = ranges_.empty() ? 0 : ranges_.front().start;
  sessionCommands_ = commandText_;
  if (!Start(CloneSession::kWrite, completion, user)) return false;
  result_->image.Assign(image);
  return true;
}

bool cmcCloneDrv::Start(int kind, Completion completion, void* user) {
  result_ = std::make_unique<dst_CDrv_Result>();
  result_->kind = kind;
  result_->code = CloneResult::kPortOpen;
  result_->wordA = wordA_;
  result_->wordB = wordB_;
  result_->image.SetSize(imageSize_);
  result_->coverage = AddressCoverage(imageSize_);
  result_->transferType = transferType_;
  kind_ = kind;
  completion_ = completion;
  user_ = user;
  speedHigh_ = speedHighSetting_;
  frames_ = 0;
  dataBytes_ = 0;
  lastPendingOut_ = 0;
  receive_.Clear();
  echoExpected_.Clear();
  staged_.Clear();
  inactivity_ = cmcTick();
  drain_ = cmcTick();
  state_ = State::Start;
  task_->SetInterval(kStepMs);
  if (trace_) trace_->SessionStarted(kind);
  return true;
}

void cmcCloneDrv::OnTimer(void* user, cmcTask&) { static_cast<cmcCloneDrv*>(user)->Tick(); }

void cmcCloneDrv::Tick() {
  if (state_ == State::Idle) {
    task_->SetInterval(-1);
    return;
  }
  if (state_ != State::Done) Step();
  // A port that failed a write or went away cannot carry the session any further.
  if (state_ != State::Idle && (port_.HasWriteError() || port_.HasDeviceLost())) {
    result_->code = CloneResult::kPortFailed;
    state_ = State::Done;
  }
  if (state_ == State::Done) Finish();
}

void cmcCloneDrv::Step() {
  StepContext step(state_);
  const bool timedOut = inactivity_.Remaining() == 0;
  if (!echo_) echoExpected_.Clear();
  if (echo_ && state_ != State::Finishing && echoExpected_.Length() > 0 && !CheckEcho(step)) {
    result_->code = CloneResult::kEcho;
    step.next = State::Finishing;
  } else if (!WaitsForEcho()) {
    RunState(step);
  }
  if (step.next != state_) step.progress = true;
  if (step.progress) {
    RestartInactivity(step.next);
  } else if (timedOut && state_ != State::Finishing) {
    // Finishing only waits for the port to send what it holds; the write deadline of the
    // port bounds that wait without overwriting the session's result.
    const bool echoMissing = echo_ && echoExpected_.Length() > 0;
    result_->code = echoMissing ? CloneResult::kEcho : CloneResult::kNoAnswer;
    step.next = State::Finishing;
  }
  CompactLong(receive_);
  CompactLong(echoExpected_);
  state_ = step.next;
}

bool cmcCloneDrv::CheckEcho(StepContext& step) {
  ReadInput();
  while (receive_.Length() > 0 && echoExpected_.Length() > 0) {
    if (*receive_.Data() != *echoExpected_.Data()) return false;
    receive_.PopFront();
    echoExpected_.PopFront();
    step.progress = true;
  }
  if (echoExpected_.Length() == 0) echoExpected_.Clear();
  return true;
}

// Finishing never waits for an echo: a session that failed on its echo would wait forever.
bool cmcCloneDrv::WaitsForEcho() const {
  if (state_ == State::Finishing) return false;
  return echoExpected_.Length() > (state_ == State::SendData ? kDataEchoAllowance : 0);
}

void cmcCloneDrv::RestartInactivity(State nextState) {
  std::int32_t timeout = kDefaultTimeoutMs;
  if (nextState == State::CommandText && !sessionCommands_.empty()) timeout = kCommandTimeoutMs;
  std::uint32_t wait = static_cast<std::uint32_t>(timeout);
  // The radio acknowledges once it has everything: bytes that a buffer between the port and
  // the line (an adapter, a pseudo-terminal) still holds add their line time to the wait.
  if (nextState == State::Ack) wait = static_cast<std::uint32_t>(ackTimeoutMs_) + LineTimeLeftMs();
  inactivity_.Start(wait);
}

std::uint32_t cmcCloneDrv::LineTimeLeftMs() const {
  const auto left = static_cast<std::int32_t>(lineFreeAtMs_ - NowMs());
  return static_cast<std::uint32_t>(std::max(left, 0));
}

void cmcCloneDrv::RunState(StepContext& step) {
  if (Draining(step)) return;
  switch (state_) {
    case State::Start:
      step.next = State::CommandText;
      break;
    case State::CommandText:
      StateCommandText(step);
      break;
    case State::PostDelay:
      StatePostDelay(step);
      break;
    case State::OpenPort:
      StateOpenPort(step);
      break;
    case State::SendInfoRequest:
      StateSendRequest(CloneFrame::kInfoRequest, State::InfoReply, step);
      break;
    case State::InfoReply:
      StateInfoReply(step);
      break;
    case State::SendReadRequest:
      StateSendRequest(CloneFrame::kReadRequest, State::Receive, step);
      break;
    case State::Receive:
      StateReceive(step);
      break;
    case State::SendWriteRequest:
      StateSendRequest(CloneFrame::kWriteRequest, State::SendData, step);
      break;
    case State::SendData:
      StateSendData(step);
      break;
    case State::SendEnd:
      StateSendEnd(step);
      break;
    case State::Ack:
      StateAck(step);
      break;
    case State::Finishing:
      StateFinishing(step);
      break;
    case State::Idle:
    case State::Done:
      break;  // never stepped: Tick ends the session instead
  }
}

void cmcCloneDrv::StateCommandText(StepContext& step) {
  if (!sessionCommands_.empty()) RunCommandPiece(step);
  if (step.next == State::Finishing) return;
  if (!sessionCommands_.empty() || port_.PendingOut() > 0) {
    step.progress = true;
    return;
  }
  postCommand_.Start(static_cast<std::uint32_t>(std::exchange(postDelayMs_, 0)));
  step.next = State::PostDelay;
}

void cmcCloneDrv::RunCommandPiece(StepContext& step) {
  if (sessionCommands_.front() == '(') {
    const std::size_t close = sessionCommands_.find(')');
    const std::string settings = sessionCommands_.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    sessionCommands_.erase(0, close == std::string::npos ? std::string::npos : close + 1);
    if (!Reopen(settings)) {
      sessionCommands_.clear();
      step.next = State::Finishing;
      return;
    }
    StartDrain();
    return;
  }
  const std::size_t open = sessionCommands_.find('(');
  const std::vector<std::uint8_t> bytes = HexTextToBytes(std::string_view(sessionCommands_).substr(0, open));
  sessionCommands_.erase(0, open);
  Send(bytes.data(), static_cast<std::int32_t>(bytes.size()));
}

void cmcCloneDrv::StatePostDelay(StepContext& step) {
  if (postCommand_.Remaining() > 0) {
    step.progress = true;
    return;
  }
  echoExpected_.Clear();
  receive_.Clear();
  step.next = State::OpenPort;
}

void cmcCloneDrv::StateOpenPort(StepContext& step) {
  if (!Reopen(portSettings_)) {
    step.next = State::Finishing;
    return;
  }
  StartDrain();
  switch (kind_) {
    case CloneSession::kRead:
      step.next = State::SendReadRequest;
      break;
    case CloneSession::kWrite:
      step.next = State::SendWriteRequest;
      break;
    default:
      step.next = State::SendInfoRequest;
      break;
  }
}

bool cmcCloneDrv::TakeLastReply(cmcBuff& frame) {
  ReadInput();
  bool seen = false;
  bool overflow = false;
  // Only the last frame that completed in this step counts.
  while (TakeFrame(kMaxReplyFrame, frame, overflow)) seen = true;
  return seen;
}

void cmcCloneDrv::StateInfoReply(StepContext& step) {
  cmcBuff frame;
  if (!TakeLastReply(frame)) return;
  result_->code = InfoReplyCode(frame);
  step.next = State::Finishing;
}

int cmcCloneDrv::InfoReplyCode(const cmcBuff& frame) {
  const std::span<const std::uint8_t> bytes = BytesOf(frame);
  if (bytes.size() < kMinInfoReply || bytes[0] != CloneFrame::kPreamble) return CloneResult::kBadFrame;
  if (!echo_ && CloneFrame::HasHeader(bytes, CloneFrame::kRadio, CloneFrame::kProgram, CloneFrame::kInfoRequest)) {
    return CloneResult::kNoAnswer;  // the cable echoes, so this transfer type is the wrong one
  }
  if (!CloneFrame::HasHeader(bytes, CloneFrame::kProgram, CloneFrame::kRadio, CloneFrame::kInfoReply)) {
    return CloneResult::kBadFrame;
  }
  if (!IsValidBcd(bytes.subspan(4, 4))) return CloneResult::kBadFrame;
  result_->wordA = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
  result_->wordB = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
  result_->info.Assign(bytes.data() + 8, static_cast<std::int32_t>(bytes.size() - 8));
  search_ = false;
  result_->transferType = searchType_;
  result_->transferTypeChanged = searchType_ != startType_;
  return CloneResult::kOk;
}

void cmcCloneDrv::StateReceive(StepContext& step) {
  ReadInput();
  cmcBuff frame;
  bool overflow = false;
  while (step.next == state_) {
    const bool taken = TakeFrame(kMaxDataFrame, frame, overflow);
    if (overflow) {
      result_->code = CloneResult::kBadFrame;
      step.next = State::Finishing;
    } else if (!taken) {
      return;
    } else {
      ReceiveFrame(BytesOf(frame), step);
    }
  }
}

void cmcCloneDrv::ReceiveFrame(std::span<const std::uint8_t> frame, StepContext& step) {
  if (!IsDataFrameShape(frame)) {
    result_->code = CloneResult::kBadFrame;
    step.next = State::Finishing;
  } else if (frame[3] == CloneFrame::kData) {
    const int code = AcceptData(frame.subspan(CloneFrame::kHeaderSize));
    if (code == CloneResult::kOk) {
      ++frames_;
      step.progress = true;
      return;
    }
    result_->code = code;
    step.next = State::Finishing;
  } else if (frame[3] == CloneFrame::kEndOfData) {
    int code = CloneFrame::CheckEndFrame(frame, frames_, endCount_);
    if (code == CloneResult::kOk && hasRanges_) code = CheckCoverage();
    result_->code = code;
    step.next = State::Finishing;
  } else {
    result_->code = CloneResult::kBadFrame;
    step.next = State::Finishing;
  }
}

int cmcCloneDrv::AcceptData(std::span<const std::uint8_t> payload) {
  CloneFrame::DataPayload data;
  if (!CloneFrame::DecodeDataPayload(payload, speedHigh_, data)) return CloneResult::kBadFrame;
  if (data.data.empty()) return CloneResult::kOk;
  if (!IsInsideImage(data.address, data.data.size(), result_->image.GetSize())) return CloneResult::kDataOverflow;
  const auto n = static_cast<std::int32_t>(data.data.size());
  result_->image.WriteBlock(data.address, data.data.data(), n);
  result_->coverage.Mark(data.address, static_cast<std::int64_t>(data.address) + n - 1);
  dataBytes_ += n;
  return CloneResult::kOk;
}

// The ranges' addresses outside the image are not expected.
int cmcCloneDrv::CheckCoverage() const {
  AddressCoverage expected(imageSize_);
  for (const AddressRange& range : ranges_) {
    if (range.IsEndMarker()) break;
    expected.Mark(range.start, range.end);
  }
  switch (result_->coverage.Against(expected)) {
    case AddressCoverage::Difference::Outside:
      return CloneResult::kDataOverflow;
    case AddressCoverage::Difference::Missing:
      return CloneResult::kMissingData;
    case AddressCoverage::Difference::None:
      break;
  }
  return CloneResult::kOk;
}

void cmcCloneDrv::StateSendData(StepContext& step) {
  // Without an echo, the line still carrying what was sent is the sign that the session
  // moves: the port's queue goes down, or the bytes sent have not had their line time yet
  // (a buffer between the port and the line may take them in large pieces).
  const std::int32_t pending = port_.PendingOut();
  if (pending < lastPendingOut_ || LineTimeLeftMs() > 0) step.progress = true;
  lastPendingOut_ = pending;
  for (int pass = 0; pass < kDataPassesPerStep; ++pass) {
    // Frames built while the staged ones are held back would only lengthen the port's queue:
    // the steps outpace the line, and the queue would grow until the wait for it outlasted
    // the inactivity timeout.
    if (IsStagingHeldBack()) return;
    const bool atEnd = rangeIndex_ >= ranges_.size() || ranges_[rangeIndex_].IsEndMarker();
    if (atEnd) {
      if (port_.PendingOut() == 0 && staged_.Length() == 0) step.next = State::SendEnd;
    } else if (address_ > ranges_[rangeIndex_].end) {
      ++rangeIndex_;
      if (rangeIndex_ < ranges_.size()) address_ = ranges_[rangeIndex_].start;
    } else {
      StageFrame();
    }
    if (step.next != state_ || staged_.Length() == 0 || IsStagingHeldBack()) return;
    Send(staged_.Data(), staged_.Length());
    staged_.Clear();
    step.progress = true;
    if (atEnd) return;
  }
}

// Staged frames wait while the port still has more than four times their size to send.
bool cmcCloneDrv::IsStagingHeldBack() { return staged_.Length() > 0 && 4 * staged_.Length() < port_.PendingOut(); }

// Frames start on multiples of the block size except at range starts, and never cross a
// range end.
void cmcCloneDrv::StageFrame() {
  const AddressRange& range = ranges_[rangeIndex_];
  const std::int32_t n = std::min(blockSize_ - address_ % blockSize_, range.end - address_ + 1);
  std::vector<std::uint8_t> data(static_cast<std::size_t>(n));
  result_->image.ReadBlock(address_, data.data(), n);
  const CloneFrame::Bytes payload = CloneFrame::EncodeDataPayload(address_, data, speedHigh_);
  const CloneFrame::Bytes frame = CloneFrame::Frame(CloneFrame::kRadio, CloneFrame::kProgram, CloneFrame::kData,
                                                    payload, frames_ == 0 ? firstDataPreamble_ : laterDataPreamble_);
  staged_.Append(frame.data(), static_cast<std::int32_t>(frame.size()));
  ++frames_;
  address_ += n;
  dataBytes_ += n;
}

void cmcCloneDrv::StateSendEnd(StepContext& step) {
  const CloneFrame::Bytes frame = CloneFrame::Frame(CloneFrame::kRadio, CloneFrame::kProgram, CloneFrame::kEndOfData,
                                                    CloneFrame::EndPayload(frames_, endCount_));
  Send(frame.data(), static_cast<std::int32_t>(frame.size()));
  step.next = State::Ack;
}

void cmcCloneDrv::StateAck(StepContext& step) {
  cmcBuff frame;
  if (!TakeLastReply(frame)) return;
  static constexpr std::uint8_t kAcknowledge[] = {CloneFrame::kPreamble, CloneFrame::kProgram, CloneFrame::kRadio,
                                                  CloneFrame::kWriteAck, 0x00};
  const std::span<const std::uint8_t> bytes = BytesOf(frame);
  result_->code = std::ranges::equal(bytes, kAcknowledge) ? CloneResult::kOk : CloneResult::kWriteRefused;
  step.next = State::Finishing;
}

void cmcCloneDrv::StateFinishing(StepContext& step) {
  if (port_.PendingOut() > 0) return;
  step.next = State::Done;
  if (!search_) return;
  searchType_ = (searchType_ + 1) % kCloneTransferTypes;
  if (searchType_ == startType_) return;
  const CloneTransferType type = TransferTypeOf(searchType_);
  portSettings_ = type.portSettings;
  echo_ = type.echo;
  receive_.Clear();
  echoExpected_.Clear();
  step.next = State::OpenPort;
}

bool cmcCloneDrv::Reopen(std::string_view settings) {
  port_.Close();
  const int opened = devicePath_.empty() ? port_.Open(portNumber_, settings) : port_.OpenPath(devicePath_, settings);
  if (opened) {
    lineBaud_ = BaudOf(settings);
    lineFreeAtMs_ = NowMs();
    return true;
  }
  result_->code = CloneResult::kPortOpen;
  result_->openFailure = port_.LastOpenFailure();
  return false;
}

// Whatever the radio still had on its way is discarded for a while after each (re)open;
// the steps go on meanwhile, so nothing waits.
void cmcCloneDrv::StartDrain() {
  drain_.Start(kDrainMs);
  drained_ = 0;
}

bool cmcCloneDrv::Draining(StepContext& step) {
  if (!drain_.IsRunning()) return false;
  std::uint8_t chunk[kReadChunk];
  std::int32_t n = 0;
  while (drained_ < kMaxDrainBytes && (n = ReadPort(chunk, std::min(kReadChunk, kMaxDrainBytes - drained_))) > 0) {
    drained_ += n;
  }
  if (drain_.Remaining() == 0) return false;
  step.progress = true;
  return true;
}

void cmcCloneDrv::Send(const std::uint8_t* bytes, std::int32_t n) {
  port_.Write(bytes, n);
  if (trace_) trace_->Sent({bytes, static_cast<std::size_t>(n)});
  echoExpected_.Append(bytes, n);
  if (lineBaud_ > 0) {
    const auto lineMs = static_cast<std::uint32_t>(static_cast<std::uint64_t>(n) * kByteBitsTimesMs /
                                                   static_cast<std::uint64_t>(lineBaud_));
    lineFreeAtMs_ = NowMs() + LineTimeLeftMs() + lineMs;
  }
}

void cmcCloneDrv::StateSendRequest(std::uint8_t command, State reply, StepContext& step) {
  const CloneFrame::Bytes frame = CloneFrame::Request(command, wordA_, wordB_, requestPreamble_);
  Send(frame.data(), static_cast<std::int32_t>(frame.size()));
  step.next = reply;
}

void cmcCloneDrv::ReadInput() {
  std::uint8_t chunk[kReadChunk];
  const std::int32_t n = ReadPort(chunk, kReadChunk);
  if (n > 0) receive_.Append(chunk, n);
}

std::int32_t cmcCloneDrv::ReadPort(std::uint8_t* buffer, std::int32_t max) {
  const std::int32_t n = port_.Read(buffer, max);
  if (n > 0 && trace_) trace_->Received({buffer, static_cast<std::size_t>(n)});
  return n;
}

bool cmcCloneDrv::TakeFrame(std::size_t maxFrame, cmcBuff& frame, bool& overflow) {
  const CloneFrame::AssemblyResult found = CloneFrame::AssembleFrame(BytesOf(receive_), maxFrame);
  if (found.status == CloneFrame::Assembly::Frame) {
    frame.Assign(receive_.Data() + found.begin, static_cast<std::int32_t>(found.length));
  } else if (found.status == CloneFrame::Assembly::Invalid) {
    // An abandoned frame counts as a frame of one invalid byte.
    frame.Assign(receive_.Data() + found.begin, 1);
    frame.At(0)[0] = 0;
    overflow = true;
  }
  DropFront(receive_, found.consumed);
  return found.status != CloneFrame::Assembly::NeedMore;
}

void cmcCloneDrv::Finish() {
  port_.Close();
  if (trace_) trace_->SessionEnded();
  state_ = State::Idle;
  std::unique_ptr<dst_CDrv_Result> result = std::move(result_);
  result->dataBytes = dataBytes_;
  result->frames = frames_;
  const Completion completion = std::exchange(completion_, nullptr);
  void* const user = std::exchange(user_, nullptr);
  receive_.Clear();
  echoExpected_.Clear();
  staged_.Clear();
  const std::weak_ptr<bool> alive = alive_;
  if (completion) completion(user, *result);
  if (alive.expired()) return;
  if (state_ == State::Idle) task_->SetInterval(-1);
}

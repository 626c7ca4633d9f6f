#include "clone/indCloneMan.h"

#include "clone/CloneCheckCodes.h"
#include "clone/CloneErrorText.h"
#include "clone/CloneFrame.h"
#include "clone/CloneRanges.h"
#include "clone/CloneTransferType.h"
#include "text/HexText.h"

namespace {

constexpr std::string_view kCaptionKey = "GI_Sys_AppTitle";

}  // namespace

indCloneMan::indCloneMan(SerialDevice& device, const PortResolver& ports, EnvironSettings& settings, cmcEvMan& events,
                         cmcGTex& texts, CloneSessionUi& ui)
    : settings_(settings),
      events_(events),
      texts_(texts),
      ui_(ui),
      driver_(device, ports),
      progress_(cmcTask::Create()) {
  progress_->SetHandler(&indCloneMan::OnProgressTick, this);
}

indCloneMan::~indCloneMan() = default;

void indCloneMan::SetInfoCheck(Check check, void* user) {
  infoCheck_ = check;
  infoCheckUser_ = user;
}

void indCloneMan::SetReadCheck(Check check, void* user) {
  readCheck_ = check;
  readCheckUser_ = user;
}

void indCloneMan::SetRequestWords(std::uint16_t a, std::uint16_t b) {
  wordA_ = a;
  wordB_ = b;
  driver_.SetRequestWords(a, b);
}

void indCloneMan::SetImageSize(std::int32_t n) { driver_.SetImageSize(n); }

void indCloneMan::SetDevicePath(const std::string& path) {
  devicePath_ = path;
  driver_.SetDevicePath(path);
}

void indCloneMan::TraceFrames(const std::string& path, std::ostream& errors) {
  std::string message;
  trace_ = FrameTrace::Open(path, message);
  if (!trace_) errors << message << "\n";
  driver_.SetFrameTrace(trace_.get());
}

int indCloneMan::StartInfo(Continuation continuation, void* user) {
  if (driver_.IsBusy()) return 0;
  events_.Send(EV_CloneStarted);
  Configure(CloneSession::kInfo);
  continuation_ = continuation;
  continuationUser_ = user;
  driver_.StartInfo(&indCloneMan::OnDriverDone, this);
  return 1;
}

int indCloneMan::StartRead(const AddressRangeList& ranges, Continuation continuation, void* user) {
  if (driver_.IsBusy()) return 0;
  Configure(CloneSession::kRead);
  driver_.StartRead(&ranges, &indCloneMan::OnDriverDone, this);
  BeginTransfer(ranges, continuation, user);
  return 1;
}

int indCloneMan::StartWrite(const cmcEeprom& image, const AddressRangeList& ranges, Continuation continuation,
                            void* user) {
  if (driver_.IsBusy()) return 0;
  Configure(CloneSession::kWrite);
  driver_.StartWrite(image, ranges, &indCloneMan::OnDriverDone, this);
  BeginTransfer(ranges, continuation, user);
  return 1;
}

void indCloneMan::BeginTransfer(const AddressRangeList& ranges, Continuation continuation, void* user) {
  expectedTotal_ = RangeByteTotal(ranges);
  continuation_ = continuation;
  continuationUser_ = user;
  ui_.OpenProgress();
  progressOpen_ = true;
  progress_->SetInterval(kProgressIntervalMs);
}

// Read and write sessions address the radio at the initial speed only to switch it to the
// transfer speed; information sessions stay at the initial speed.
void indCloneMan::Configure(int kind) {
  kind_ = kind;
  const CloneTransferType type = TransferTypeOf(settings_.transType);
  const bool fast = settings_.comSpeedHigh == 1;
  driver_.SetTransferType(settings_.transType);
  driver_.SetSpeedHigh(fast);
  if (kind == CloneSession::kInfo) {
    driver_.SetCommandText("");
    driver_.SetPort(settings_.comPort, type.portSettings);
  } else {
    driver_.SetCommandText(SpeedSwitchCommand(type.portSettings));
    driver_.SetRequestPreamble(kTransferRequestPreamble);
    driver_.SetDataPreamble(0, 0);
    driver_.SetPort(settings_.comPort, fast ? kFastTransferSettings : kNormalTransferSettings);
  }
  driver_.SetPostDelay(kPostCommandDelayMs);
  driver_.SetEcho(type.echo);
  driver_.SetEndCount(true);
  driver_.SetBlockSize(kBlockSize);
  driver_.SetAckTimeout(kAckTimeoutMs);
}

// "(" initial settings ")" and the speed switch frame as hex text, sent at the initial speed.
std::string indCloneMan::SpeedSwitchCommand(std::string_view initialSettings) const {
  return "(" + std::string(initialSettings) + ")" +
         HexText(CloneFrame::SpeedSwitch(wordA_, wordB_, settings_.comSpeedHigh == 1));
}

void indCloneMan::OnDriverDone(void* user, dst_CDrv_Result& result) {
  static_cast<indCloneMan*>(user)->EndSession(result);
}

void indCloneMan::OnProgressTick(void* user, cmcTask& task) {
  auto& manager = *static_cast<indCloneMan*>(user);
  if (!manager.driver_.IsBusy()) {
    task.SetInterval(-1);
    return;
  }
  manager.ui_.ShowProgress(ProgressSegments(manager.driver_.DataByteCount(), manager.expectedTotal_));
}

void indCloneMan::EndSession(dst_CDrv_Result& result) {
  if (result.transferTypeChanged) settings_.transType = result.transferType;
  ApplyCheck(result);
  if (result.code != CloneResult::kOk) ShowError(result);
  events_.Send(EV_CloneWindowClosed);
  if (progressOpen_) {
    progressOpen_ = false;
    progress_->SetInterval(-1);
    ui_.CloseProgress();
  }
  events_.Send(EV_CloneEnded, result.code == CloneResult::kOk ? 1 : 0);
  const Continuation continuation = continuation_;
  continuation_ = nullptr;
  if (continuation) continuation(continuationUser_, result);
}

// A session without a fault of its own still has to pass its check; a session of a kind
// whose check is missing cannot be trusted.
void indCloneMan::ApplyCheck(dst_CDrv_Result& result) {
  if (result.code != CloneResult::kOk) return;
  if (kind_ == CloneSession::kInfo) {
    if (infoCheck_) {
      infoCheck_(infoCheckUser_, result);
    } else {
      result.code = CloneResult::kIllegalInformation;
    }
  } else if (kind_ == CloneSession::kRead) {
    if (readCheck_) {
      readCheck_(readCheckUser_, result);
    } else {
      result.code = CloneResult::kMissingData;
    }
  }
}

void indCloneMan::ShowError(const dst_CDrv_Result& result) {
  const std::string detail = result.code == CloneResult::kPortOpen ? result.openFailure.Describe() : std::string();
  ui_.ShowCloneError(texts_.GetLine(kCaptionKey, 0),
                     CloneErrorText(texts_, result.code, {settings_.comPort, devicePath_}, detail));
}

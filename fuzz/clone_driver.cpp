// Arbitrary bytes from the radio while the clone driver waits for a reply or receives a read.
// Whatever arrives, the session must end with one of the driver's codes, without touching
// memory outside the result image. The first byte chooses the session and the speed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "clone/cmcCloneDrv.h"
#include "platform/PortResolver.h"
#include "support/LoopbackSerial.h"
#include "support/ManualTiming.h"

namespace {

class OnePort : public PortResolver {
 public:
  std::string DevicePath(std::int32_t) const override { return "/dev/fuzz"; }
};

const AddressRangeList kRanges = {{0x00000, 0x1FB3F}, kAddressRangeEnd};

constexpr std::uint32_t kStepMs = cmcCloneDrv::kStepMs;
// The driver gives up a second after the last byte; more than enough for every attempt of an
// information search too.
constexpr int kMaxSteps = 20000;

void Keep(void* user, dst_CDrv_Result& result) { *static_cast<int*>(user) = result.code; }

bool IsDriverCode(int code) {
  switch (code) {
    case 0:
    case 2:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 17:
      return true;
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool fast = data[0] & 1;
  const bool info = data[0] & 2;
  ManualTiming timing;
  LoopbackSerial program;
  LoopbackSerial radio;
  LoopbackSerial::Connect(program, radio);
  radio.Open("radio", {});
  OnePort ports;
  cmcCloneDrv driver(program, ports);
  driver.SetRequestWords(0x3390, 0);
  driver.SetTransferType(3);
  driver.SetSpeedHigh(fast);
  driver.SetPort(1, "9600,N,8,1");
  int code = -1;
  if (info ? !driver.StartInfo(&Keep, &code) : !driver.StartRead(&kRanges, &Keep, &code)) __builtin_trap();

  // The radio starts talking once the program has sent its request.
  int steps = 0;
  while (driver.IsBusy() && radio.InQueue() == 0 && ++steps < kMaxSteps) timing.Advance(kStepMs);
  radio.Write(data + 1, static_cast<std::int32_t>(size - 1));
  while (driver.IsBusy() && ++steps < kMaxSteps) timing.Advance(kStepMs);
  if (driver.IsBusy() || !IsDriverCode(code)) __builtin_trap();
  return 0;
}

#pragma once
// The message a failed clone session shows: the head line of its result code, a blank line
// and the check lines that help with that kind of failure, all from the text database.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/cmcGTex.h"

// The port a session used: a number, or a device path given directly (then the number is 0).
struct ClonePortName {
  std::int32_t number = 0;
  std::string_view devicePath;
};

// "" for code 0. The port's number replaces the "%d" of the head line of code 2 ("Cannot
// access COM %d."); a port given by its device path is named by that path wherever a line
// speaks of the COM port. portDetail, when not empty, is a line under that head line naming
// the device and why it could not be opened.
std::string CloneErrorText(cmcGTex& texts, int code, ClonePortName port, std::string_view portDetail);

#pragma once
// The command line of radio-sim: who the simulated radio is, what it holds, how the cable
// behaves and which fault it plays.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/radio-sim/RadioFault.h"
#include "tools/radio-sim/RadioSimEngine.h"

struct RadioSimArguments {
  RadioSimOptions options;
  std::string imagePath;  // "" for a new radio's memory
  std::string savePath;   // "" to keep nothing of a write
  RadioFault fault = RadioFault::None;
  std::int32_t faultAt = -1;
  bool once = false;  // end after one read or write session
  bool help = false;
};

extern const std::string_view kRadioSimUsage;

// Parses args (without the program name); none with error set on a usage error.
std::optional<RadioSimArguments> ParseRadioSimArguments(const std::vector<std::string>& args, std::string& error);

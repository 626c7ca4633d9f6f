#pragma once
// The faults the simulated radio can play, each once, to show how the program copes with a
// radio or a cable that misbehaves.
#include <optional>
#include <string_view>
#include <vector>

enum class RadioFault {
  None,
  Silence,           // stops answering (in the middle of a transfer, or instead of a reply)
  Checksum,          // one data frame with a wrong checksum
  EndCount,          // the end frame names a frame count one too high
  MissingAddress,    // one data frame is left out
  DuplicateAddress,  // one data frame repeats the addresses of the one before instead of its own
  BeyondImage,       // one data frame addresses memory far beyond the image
  OtherModel,        // the information reply names another model word
  OtherGeneration,   // the information reply names another generation
  RefusedWrite,      // the write is answered with a refusal
  PulledCable,       // the cable is pulled out
  LineNoise,         // a burst of stray bytes between two frames
};

// The name used on the command line ("missing-address").
std::string_view RadioFaultName(RadioFault fault);
// The fault of a name; none for an unknown name.
std::optional<RadioFault> RadioFaultNamed(std::string_view name);
// Every fault but None, in the order above.
const std::vector<RadioFault>& AllRadioFaults();

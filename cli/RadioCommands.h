#pragma once
// tessel-cli radio info|read|write: the clone sessions of the window, run against a radio
// on a serial port or device path. args are the arguments after the program name, starting
// with "radio"; the answer is the exit status (4 when the radio session failed).
#include <ostream>
#include <string>
#include <vector>

int RunRadioCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

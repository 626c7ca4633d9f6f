#pragma once
// The message a failed clone session shows: the head line of its result code, a blank line
// and the check lines that help with that kind of failure, all from the text database.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/cmcGTex.h"

// "" for code 0. comPort replaces the "%d" of the head line of code 2 ("Cannot access COM
// %d."); portDetail, when not empty, is a line under that head line naming the device and
// why it could not be opened.
std::string CloneErrorText(cmcGTex& texts, int code, std::int32_t comPort, std::string_view portDetail);

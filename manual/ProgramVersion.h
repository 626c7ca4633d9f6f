#pragma once
// The program's version, the build's project version: the top page, the About box, the
// printouts and both programs' --version show it.
#include <string_view>

std::string_view ProgramVersion();

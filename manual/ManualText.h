#pragma once
// A program's manual turned into what --help prints and into a manual page (groff, man
// macros). Both show the same commands, options, exit statuses and environment variables.
#include <string>
#include <string_view>

#include "manual/ProgramManual.h"

// The overview that "PROGRAM --help" prints.
std::string OverviewHelp(const ProgramManual& manual);

// What "PROGRAM COMMAND --help" prints ("Usage: " and the command's help); none for a
// command the manual does not have.
const ManualCommand* FindManualCommand(const ProgramManual& manual, std::string_view name);
std::string CommandHelp(const ManualCommand& command);

// The manual page of section 1; version is the program's version text.
std::string ManualPage(const ProgramManual& manual, std::string_view version);

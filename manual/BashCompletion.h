#pragma once
// A program's manual turned into a bash completion script: the commands, each command's
// options and the values of their placeholders come from the usage lines of its help and the
// manual's value table, so the completion offers what --help and the manual page describe.
#include <string>

#include "manual/ProgramManual.h"

// The script for share/bash-completion/completions/PROGRAM. It uses bash-completion's helpers
// (_init_completion, _filedir, __ltrim_colon_completions).
std::string BashCompletion(const ProgramManual& manual);

#pragma once
// tessel-cli print runs in a program of its own, tessel-cli-print, because drawing pages needs
// Qt Gui and every other command starts faster without it. tessel-cli hands the process over
// to that program with the same arguments, so its output and exit status are print's own.
#include <ostream>
#include <string>
#include <vector>

// args as RunTesselCli gets them, starting with "print". Returns only when the print
// program is missing or cannot start.
int RunPrintProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

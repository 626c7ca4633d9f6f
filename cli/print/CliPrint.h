#pragma once
// tessel-cli print: the pages File > Print makes, written to a PDF file without a window.
// It draws with the window's cell painter, so it is built only with the window program.
#include <ostream>
#include <string>
#include <vector>

// args as RunTesselCli gets them, starting with "print".
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// tessel-cli: hands the arguments to the commands. Needs no display and loads no Qt Gui;
// print goes to its own program.
#include <iostream>
#include <string>
#include <vector>

#include "cli/PrintProgram.h"
#include "cli/TesselCli.h"
#include "platform/qt/QtMd5.h"

int main(int argc, char** argv) {
  const QtMd5 md5;
  InstallPrintCommand(&RunPrintProgram);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunTesselCli(args, std::cout, std::cerr);
}

// tessel-cli-print: tessel-cli's print command, in a program of its own because it draws with
// Qt Gui. tessel-cli hands over to it with the same arguments.
#include <iostream>
#include <string>
#include <vector>

#include "cli/TesselCli.h"
#include "cli/print/CliPrint.h"
#include "platform/qt/QtMd5.h"

int main(int argc, char** argv) {
  const QtMd5 md5;
  InstallPrintCommand(&RunPrintCommand);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunTesselCli(args, std::cout, std::cerr);
}

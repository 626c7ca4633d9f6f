// tessel-cli: hands the arguments to the commands. Needs no display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/TesselCli.h"
#include "platform/qt/QtMd5.h"
#ifdef TESSEL_CLI_PRINT
#include "cli/print/CliPrint.h"
#endif

int main(int argc, char** argv) {
  const QtMd5 md5;
#ifdef TESSEL_CLI_PRINT
  InstallPrintCommand(&RunPrintCommand);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunTesselCli(args, std::cout, std::cerr);
}

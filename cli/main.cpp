// tessel-cli: hands the arguments to the commands. Needs no display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/TesselCli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunTesselCli(args, std::cout, std::cerr);
}

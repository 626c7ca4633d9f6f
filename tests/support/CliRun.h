#pragma once
// tessel-cli run in the test process: its exit status and what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "cli/TesselCli.h"

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunTesselCli(args, out, err);
  return {status, out.str(), err.str()};
}

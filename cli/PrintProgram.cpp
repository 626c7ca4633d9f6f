#include "cli/PrintProgram.h"

#include <unistd.h>

#include <cstring>

#include "cli/TesselCli.h"
#include "platform/Executable.h"

namespace {

// Beside tessel-cli in the build folder; in the library-programs folder once installed.
std::string FindPrintProgram() {
  const std::string self = ExecutablePath();
  const std::string folder = self.substr(0, self.rfind('/') + 1);
  for (const std::string& candidate :
       {folder + "tessel-cli-print", folder + TESSEL_PRINT_PROGRAM_FROM_BIN "/tessel-cli-print"}) {
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace

int RunPrintProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string program = FindPrintProgram();
  if (program.empty()) {
    err << "tessel-cli: print is not part of this installation (tessel-cli-print is missing)\n";
    return CliExit::kUsage;
  }
  out.flush();
  err.flush();
  const int error = ReplaceProcess(program, args);
  err << "tessel-cli: cannot start " << program << ": " << std::strerror(error) << "\n";
  return CliExit::kUsage;
}

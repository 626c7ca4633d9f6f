#pragma once
// The commands of tessel-cli. Each takes the arguments after the program name, writes its
// results to out and its complaints to err, and answers the exit status.
#include <ostream>
#include <string>
#include <vector>

namespace CliExit {
inline constexpr int kSuccess = 0;
inline constexpr int kUsage = 1;
inline constexpr int kFileError = 2;
inline constexpr int kCheckErrors = 3;
inline constexpr int kDiffers = 1;      // diff found the documents different
inline constexpr int kRowsRefused = 3;  // an import stored rows but refused others
inline constexpr int kRadioError = 4;
}  // namespace CliExit

// print draws with the window program's code and exists only in builds that have it; the
// program installs it before running a command.
using CliCommandFunction = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
void InstallPrintCommand(CliCommandFunction command);

// Every command word RunTesselCli dispatches on, print included.
std::vector<std::string> CliCommandNames();

int RunTesselCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

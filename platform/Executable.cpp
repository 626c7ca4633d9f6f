#include "platform/Executable.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

std::string ExecutablePath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

std::string ExecutableFileName() {
  const std::string full = ExecutablePath();
  if (full.empty()) return "tessel";
  const auto slash = full.rfind('/');
  return slash == std::string::npos ? full : full.substr(slash + 1);
}

int ReplaceProcess(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  return errno;
}

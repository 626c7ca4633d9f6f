#pragma once
// A shell command run from a test: its exit status and what it wrote to standard output.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

struct ShellRun {
  int status = -1;
  std::string out;
};

inline ShellRun Shell(const std::string& command) {
  ShellRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), got);
  const int wait = pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  return run;
}

// Whether the program is on the PATH.
inline bool HasTool(const std::string& program) {
  return Shell("command -v " + program + " >/dev/null 2>&1").status == 0;
}

// Text as a shell word.
inline std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

#pragma once
// The running program's own file, and handing the process over to another program.
#include <string>
#include <vector>

// The full path of the running executable; "" when the system does not tell.
std::string ExecutablePath();

// The file name (without folder) of the running executable.
std::string ExecutableFileName();

// Replaces the running process with program, given args after its name; standard input,
// output and error go over as they are. Returns only when that fails, with the errno.
int ReplaceProcess(const std::string& program, const std::vector<std::string>& args);

#include "platform/Fatal.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "text/Codepage.h"

namespace {

void WriteToStandardError(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), ToUtf8(text, CodePage::Cp932).c_str());
  std::fflush(stderr);
}

FatalHandler currentHandler = WriteToStandardError;

}  // namespace

FatalHandler SetFatalHandler(FatalHandler handler) {
  FatalHandler previous = currentHandler;
  currentHandler = handler ? handler : WriteToStandardError;
  return previous;
}

std::string ExecutableFileName() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "tessel";
  const std::string full(path, static_cast<size_t>(n));
  const auto slash = full.rfind('/');
  return slash == std::string::npos ? full : full.substr(slash + 1);
}

void Fatal(const std::string& text) {
  currentHandler(ExecutableFileName(), text);
  std::abort();
}

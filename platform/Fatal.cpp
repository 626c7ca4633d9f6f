#include "platform/Fatal.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Executable.h"

namespace {

// The bytes as they are: a fatal error may come from the text layer itself, so nothing here
// converts. The messages are ASCII.
void WriteToStandardError(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
}

FatalHandler currentHandler = WriteToStandardError;

}  // namespace

FatalHandler SetFatalHandler(FatalHandler handler) {
  FatalHandler previous = currentHandler;
  currentHandler = handler ? handler : WriteToStandardError;
  return previous;
}

void Fatal(const std::string& text) {
  currentHandler(ExecutableFileName(), text);
  std::abort();
}

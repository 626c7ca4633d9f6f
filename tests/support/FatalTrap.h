#pragma once
// Turns the fatal-error routine into an exception for the life of a test, so a test can
// check that a defect is caught and with which message.
#include <stdexcept>
#include <string>

#include "platform/Fatal.h"

struct FatalError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class FatalTrap {
 public:
  FatalTrap() : previous_(SetFatalHandler(&Throw)) {}
  ~FatalTrap() { SetFatalHandler(previous_); }
  FatalTrap(const FatalTrap&) = delete;
  FatalTrap& operator=(const FatalTrap&) = delete;

 private:
  static void Throw(const std::string&, const std::string& text) { throw FatalError(text); }
  FatalHandler previous_;
};

// The message of the fatal error that f raises, or "" when it raises none.
template <typename F>
std::string FatalMessageOf(F&& f) {
  FatalTrap trap;
  try {
    f();
  } catch (const FatalError& e) {
    return e.what();
  }
  return {};
}

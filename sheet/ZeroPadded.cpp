#include "sheet/ZeroPadded.h"

#include <cstdio>

std::string ZeroPadded(long long value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*lld", digits, value);
  return text;
}

// Arbitrary text as one data line of a clone image file. A line the parser accepts must come
// back as the same digits (in upper case) when written again.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/QmfDataLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  QmfDataLine line;
  if (!line.Parse(text)) return 0;
  std::string written;
  line.AppendText(written);
  if (written.size() != text.size()) __builtin_trap();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != written[i]) __builtin_trap();
  }
  return 0;
}

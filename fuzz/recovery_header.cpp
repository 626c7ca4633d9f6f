// Arbitrary bytes as a recovery copy, read the way the window reads the copies it finds at
// start. A copy it accepts must be exactly what writing its header gives followed by its
// clone file (the header has one spelling), and its clone file then goes through the
// document-open sequence.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/DocumentOpen.h"
#include "files/RecoveryCopy.h"

namespace {

void CopyConverter(cmcEeprom& destination, const cmcEeprom& source, int, int) { destination = source; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto copy = ParseRecoveryCopy(bytes);
  if (!copy) return 0;
  if (RecoveryHeaderText(copy->header) + copy->cloneFile != bytes) __builtin_trap();
  OpenDocumentBytes(copy->cloneFile, 0, CopyConverter, {});
  return 0;
}

// Arbitrary bytes as a clone image file, read the way the document commands read files. The
// reader must never crash, must leave the bound image exactly as it was whenever it refuses
// a file, and a file it accepts must cover the exchanged range exactly; such a file then goes
// through the whole document-open sequence.
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/DocumentFile.h"
#include "files/DocumentOpen.h"
#include "files/cmcQmfFile.h"
#include "memory/Generation.h"

namespace {

const cmcEeprom& PatternImage() {
  static const cmcEeprom pattern = [] {
    cmcEeprom image;
    image.SetSize(ImageSizeOf(3));
    for (std::int32_t a = 0; a < image.GetSize(); ++a) {
      image.SetByte(a, static_cast<std::uint8_t>(a * 7 + 3));
    }
    return image;
  }();
  return pattern;
}

void CopyConverter(cmcEeprom& destination, const cmcEeprom& source, int, int) { destination = source; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
  // A refused file leaves the image as it was, so it is only set again after a success.
  static cmcEeprom image = PatternImage();
  cmcQmfFile file;
  ConfigureDocumentReader(file);
  file.SetImage(image);
  const AddressRangeList ranges = CloneRangesOf(3);
  const int code = file.ReadImageFrom(bytes, &ranges);
  if (code != 0 && !image.IsEqual(PatternImage())) __builtin_trap();
  if (code == 0) {
    if (file.CheckCoverage(ranges) != 0) __builtin_trap();
    OpenDocumentBytes(bytes, 0, CopyConverter, {});
    image = PatternImage();
  }
  return 0;
}

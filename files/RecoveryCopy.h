#pragma once
// A recovery copy: what the window keeps of a document with unsaved changes, so that a crash,
// a killed session or a power cut loses nothing. It is a few header lines, an empty line and
// the document as a generation-3 clone image file:
//
//   Tessel recovery copy 1
//   Original: /home/user/radio.qmf        (or "Original: new document")
//   Time: 2026-12-11T09:40:12Z
//   Owner: 4711
//   Generation: 2
//
// The original path is written with every byte below 0x20, 0x7F and "%" as %XX, so that any
// file name stays on its line; it is absolute, so that no file name reads as "new document".
// Generation is the one the document is saved in. The header is read strictly: a copy whose
// header differs in anything is damaged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "memory/cmcEeprom.h"

struct RecoveryHeader {
  std::string originalPath;  // absolute; empty for a new document
  std::int64_t savedAt = 0;  // seconds since 1970-01-01 00:00 UTC
  int owner = 0;             // the id of the process that wrote the copy
  int generation = 3;        // 1-3

  bool operator==(const RecoveryHeader&) const = default;
};

// A copy as read: its header and the clone image file after it.
struct RecoveryCopy {
  RecoveryHeader header;
  std::string cloneFile;
};

// The header lines, the empty line included. header must be valid: an absolute or empty
// path, a time from year 1970 to 9999, an owner above 0 and a generation from 1 to 3.
std::string RecoveryHeaderText(const RecoveryHeader& header);

// The copy whose bytes these are; none when the header is damaged or missing.
std::optional<RecoveryCopy> ParseRecoveryCopy(std::string_view bytes);

// Writes header and document (a generation-3, unpacked image under the destination, with its
// defaults image) to path through the atomic save: path keeps its old bytes on any failure.
bool WriteRecoveryCopy(const std::string& path, const RecoveryHeader& header, const cmcEeprom& document,
                       int destination, const cmcEeprom& defaults);

// Reads a copy; none when the file cannot be read, is larger than a copy can be, or its
// header is damaged.
std::optional<RecoveryCopy> ReadRecoveryCopy(const std::string& path);

#pragma once
// What a clone image file says beyond the values its reader checks: its comment and its
// digest line. The digest is correct when it is the MD5 of the document digest seed followed
// by the binary forms of the data lines in file order.
#include <optional>
#include <string>

struct QmfFileNotes {
  std::string comment;  // the text after "#Comment=" as written
  bool hasDigest = false;
  bool digestCorrect = false;
};

// The notes of a file the document reader has accepted; none when it cannot be read.
std::optional<QmfFileNotes> ReadQmfFileNotes(const std::string& path);

#include "workflows/DocumentRecovery.h"

#include <chrono>
#include <filesystem>

#include "files/RecoveryStore.h"
#include "workflows/Document.h"

DocumentRecovery::DocumentRecovery(Document& document, RecoveryStore& store) : document_(document), store_(store) {}

void DocumentRecovery::NoteChange(std::uint32_t nowMs) {
  if (!firstChange_) firstChange_ = nowMs;
  lastChange_ = nowMs;
}

DocumentRecovery::Outcome DocumentRecovery::Poll(std::uint32_t nowMs, int destination) {
  if (!document_.IsModified()) {
    firstChange_.reset();
    if (!store_.HasOwnCopy()) return Outcome::kNothing;
    store_.RemoveOwnCopy();
    return Outcome::kRemoved;
  }
  if (!firstChange_) return Outcome::kNothing;
  if (nowMs - lastChange_ < kQuietMs && nowMs - *firstChange_ < kLongestMs) return Outcome::kNothing;
  return WriteNow(nowMs, destination);
}

DocumentRecovery::Outcome DocumentRecovery::WriteNow(std::uint32_t nowMs, int destination) {
  if (!document_.IsModified()) return Outcome::kNothing;
  RecoveryHeader header;
  if (!document_.FileName().empty()) header.originalPath = std::filesystem::absolute(document_.FileName()).string();
  header.savedAt =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  header.generation = document_.Generation();
  if (store_.WriteOwnCopy(header, document_.CurrentImage(), destination, document_.DefaultsImage())) {
    firstChange_.reset();
    return Outcome::kWritten;
  }
  // Tried again once the user pauses or changes something.
  firstChange_ = nowMs;
  lastChange_ = nowMs;
  return Outcome::kFailed;
}

void DocumentRecovery::Remove() {
  firstChange_.reset();
  store_.RemoveOwnCopy();
}

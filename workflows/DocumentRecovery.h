#pragma once
// Keeps a recovery copy of the document while it has unsaved changes: a copy is written
// kQuietMs after the last change, and during continuous editing at most kLongestMs after the
// first change not yet in a copy. A document that is no longer modified (saved, undone to its
// saved state, replaced by a new or opened one after the user let its changes go) has no
// copy. The owner calls NoteChange on every change and Poll often (the window from its
// controller timer); the write is a synchronous atomic save of a few milliseconds.
#include <cstdint>
#include <optional>

class Document;
class RecoveryStore;

class DocumentRecovery {
 public:
  static constexpr std::uint32_t kQuietMs = 2000;
  static constexpr std::uint32_t kLongestMs = 30000;

  enum class Outcome { kNothing, kWritten, kFailed, kRemoved };

  // document and store outlive this. destination, below, is the one the copy's clone file
  // names (the program's current one).
  DocumentRecovery(Document& document, RecoveryStore& store);

  void NoteChange(std::uint32_t nowMs);
  // Writes the copy when one is due, removes it when the document is no longer modified. A
  // failed write is tried again at the next change or after kQuietMs.
  Outcome Poll(std::uint32_t nowMs, int destination);
  // Writes the copy now when the document is modified (after a recovery, so that the
  // recovered changes never depend on the old copy alone).
  Outcome WriteNow(std::uint32_t nowMs, int destination);
  // The user let the changes go or the program ends cleanly: the copy goes.
  void Remove();

 private:
  Document& document_;
  RecoveryStore& store_;
  std::optional<std::uint32_t> firstChange_;  // the first change not yet in a copy
  std::uint32_t lastChange_ = 0;
};

#pragma once
// The undo and redo history of one document image. It keeps a copy of the image as of the
// last recorded step; a commit compares the image with that copy and keeps only the byte runs
// that changed (where, the bytes before, the bytes after) as one step, so a single-cell edit
// costs a few dozen bytes, not the 136 KB image. Undo writes a step's old bytes back, Redo its
// new ones; a commit after an undo drops the steps that could have been redone.
//
// The history holds at most kMaxHeldBytes: when a new step passes that, the oldest steps go
// first. That leaves thousands of cell edits, or a hundred or more whole-list imports, to undo.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "memory/cmcEeprom.h"

class EditHistory {
 public:
  static constexpr std::size_t kMaxHeldBytes = std::size_t{32} * 1024 * 1024;

  // The image becomes the starting point; every step is dropped.
  void Reset(const cmcEeprom& image);
  // Records what changed in image since the last step as one new step; nothing when no byte
  // changed. True when a step was recorded.
  bool Commit(const cmcEeprom& image);
  bool CanUndo() const { return applied_ > 0; }
  bool CanRedo() const { return applied_ < steps_.size(); }
  // Writes the last applied step's old bytes into image, which must hold what the history
  // last saw (commit first). False when there is nothing to undo.
  bool Undo(cmcEeprom& image);
  // Writes the next undone step's new bytes into image. False when there is nothing to redo.
  bool Redo(cmcEeprom& image);
  // The memory the history holds: the starting copy, the steps and their bookkeeping.
  std::size_t HeldBytes() const;

 private:
  struct Run {
    std::int32_t offset = 0;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
  };
  using Step = std::vector<Run>;

  static Step ChangedRuns(const std::vector<std::uint8_t>& recorded, const cmcEeprom& image);
  static std::size_t StepBytes(const Step& step);
  void DropOldestOverCap();
  void Apply(const Step& step, bool forward, cmcEeprom& image);

  std::vector<std::uint8_t> recorded_;
  std::deque<Step> steps_;
  std::size_t applied_ = 0;  // steps_[0, applied_) are in the image, the rest were undone
  std::size_t stepBytes_ = 0;
};

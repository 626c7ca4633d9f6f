#include "workflows/EditHistory.h"

#include <algorithm>

namespace {

// Changed bytes closer than this are kept as one run: a run's bookkeeping costs more than a
// few unchanged bytes in its middle.
constexpr std::size_t kJoinGap = 32;

}  // namespace

void EditHistory::Reset(const cmcEeprom& image) {
  const auto bytes = image.Bytes();
  recorded_.assign(bytes.begin(), bytes.end());
  steps_.clear();
  applied_ = 0;
  stepBytes_ = 0;
}

EditHistory::Step EditHistory::ChangedRuns(const std::vector<std::uint8_t>& recorded, const cmcEeprom& image) {
  const auto now = image.Bytes();
  const std::size_t size = std::min(recorded.size(), now.size());
  Step step;
  std::size_t i = 0;
  while (true) {
    const auto [old, current] = std::mismatch(recorded.begin() + i, recorded.begin() + size, now.begin() + i);
    if (old == recorded.begin() + size) break;
    const std::size_t start = static_cast<std::size_t>(old - recorded.begin());
    std::size_t end = start + 1;
    std::size_t lastChange = start;
    while (end < size && end - lastChange <= kJoinGap) {
      if (recorded[end] != now[end]) lastChange = end;
      ++end;
    }
    end = lastChange + 1;
    step.push_back({static_cast<std::int32_t>(start),
                    std::vector<std::uint8_t>(recorded.begin() + start, recorded.begin() + end),
                    std::vector<std::uint8_t>(now.begin() + start, now.begin() + end)});
    i = end;
  }
  return step;
}

std::size_t EditHistory::StepBytes(const Step& step) {
  std::size_t bytes = sizeof(Step) + step.capacity() * sizeof(Run);
  for (const Run& run : step) bytes += run.before.capacity() + run.after.capacity();
  return bytes;
}

bool EditHistory::Commit(const cmcEeprom& image) {
  Step step = ChangedRuns(recorded_, image);
  if (step.empty()) return false;
  while (steps_.size() > applied_) {
    stepBytes_ -= StepBytes(steps_.back());
    steps_.pop_back();
  }
  for (const Run& run : step) std::copy(run.after.begin(), run.after.end(), recorded_.begin() + run.offset);
  step.shrink_to_fit();
  stepBytes_ += StepBytes(step);
  steps_.push_back(std::move(step));
  applied_ = steps_.size();
  DropOldestOverCap();
  return true;
}

// The newest step always stays, however large: the user's last action can be undone.
void EditHistory::DropOldestOverCap() {
  while (steps_.size() > 1 && recorded_.size() + stepBytes_ > kMaxHeldBytes) {
    stepBytes_ -= StepBytes(steps_.front());
    steps_.pop_front();
    --applied_;
  }
}

void EditHistory::Apply(const Step& step, bool forward, cmcEeprom& image) {
  for (const Run& run : step) {
    const std::vector<std::uint8_t>& bytes = forward ? run.after : run.before;
    image.WriteBlock(run.offset, bytes.data(), static_cast<std::int32_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), recorded_.begin() + run.offset);
  }
}

bool EditHistory::Undo(cmcEeprom& image) {
  if (!CanUndo()) return false;
  --applied_;
  Apply(steps_[applied_], false, image);
  return true;
}

bool EditHistory::Redo(cmcEeprom& image) {
  if (!CanRedo()) return false;
  Apply(steps_[applied_], true, image);
  ++applied_;
  return true;
}

std::size_t EditHistory::HeldBytes() const { return sizeof(*this) + recorded_.capacity() + stepBytes_; }

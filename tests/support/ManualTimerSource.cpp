#include "support/ManualTimerSource.h"

#include <algorithm>

#include "platform/Fatal.h"

class ManualTimerSource::ManualTimer : public Timer {
 public:
  ManualTimer(ManualTimerSource& source, std::function<void()> onExpiry)
      : source_(&source), onExpiry_(std::move(onExpiry)) {
    source_->timers_.push_back(this);
  }

  ~ManualTimer() override {
    if (source_) std::erase(source_->timers_, this);
  }

  void Start(std::uint32_t periodMs) override {
    // A zero period would fire forever without time moving on.
    if (periodMs == 0) Fatal("Timer period of 0 ms.");
    if (!source_) return;
    period_ = periodMs;
    due_ = source_->now_ + periodMs;
    order_ = source_->nextOrder_++;
    active_ = true;
  }

  void Stop() override { active_ = false; }
  bool IsActive() const { return active_; }

  bool IsDueBefore(const ManualTimer& other) const {
    return due_ != other.due_ ? due_ < other.due_ : order_ < other.order_;
  }

  void Fire() {
    due_ += period_;
    order_ = source_->nextOrder_++;
    // The callback may destroy this timer; it runs from a copy.
    const std::function<void()> callback = onExpiry_;
    callback();
  }

  void Detach() {
    source_ = nullptr;
    active_ = false;
  }

  std::uint64_t Due() const { return due_; }

 private:
  ManualTimerSource* source_;
  std::function<void()> onExpiry_;
  bool active_ = false;
  std::uint32_t period_ = 1;
  std::uint64_t due_ = 0;
  std::uint64_t order_ = 0;
};

ManualTimerSource::~ManualTimerSource() {
  for (ManualTimer* timer : timers_) timer->Detach();
}

std::unique_ptr<Timer> ManualTimerSource::CreateTimer(std::function<void()> onExpiry) {
  return std::make_unique<ManualTimer>(*this, std::move(onExpiry));
}

void ManualTimerSource::Advance(std::uint32_t ms) {
  const std::uint64_t until = now_ + ms;
  while (ManualTimer* timer = NextDue(until)) {
    MoveClockTo(timer->Due());
    timer->Fire();
  }
  MoveClockTo(until);
}

int ManualTimerSource::ActiveTimers() const {
  return static_cast<int>(
      std::count_if(timers_.begin(), timers_.end(), [](const ManualTimer* timer) { return timer->IsActive(); }));
}

ManualTimerSource::ManualTimer* ManualTimerSource::NextDue(std::uint64_t until) const {
  ManualTimer* next = nullptr;
  for (ManualTimer* timer : timers_) {
    if (timer->IsActive() && timer->Due() <= until && (!next || timer->IsDueBefore(*next))) next = timer;
  }
  return next;
}

// A callback that advances time itself (a nested message loop) may have moved past time.
void ManualTimerSource::MoveClockTo(std::uint64_t time) {
  if (time <= now_) return;
  clock_.Advance(static_cast<std::uint32_t>(time - now_));
  now_ = time;
}

#include "base/cmcTask.h"

#include <algorithm>

#include "platform/TimerSource.h"
#include "platform/Timing.h"

cmcTask::cmcTask() : timer_(Timers().CreateTimer([this] { Tick(); })) {}

cmcTask::~cmcTask() = default;

cmcTask::Ptr cmcTask::Create() { return Ptr(new cmcTask); }

void cmcTask::Dispose(cmcTask* task) {
  if (!task) return;
  if (!task->busy_) {
    delete task;
    return;
  }
  task->Stop();
  task->RequestDelete();
}

void cmcTask::SetHandler(Handler handler, void* user) {
  handler_ = handler;
  user_ = user;
}

bool cmcTask::SetInterval(std::int32_t ms) {
  interval_ = ms;
  if (ms < 0) {
    timer_->Stop();
    stopped_ = true;
    return stopped_;
  }
  const auto period = static_cast<std::uint32_t>(std::max(ms, 1));
  if (stopped_ || period != period_) timer_->Start(period);
  period_ = period;
  stopped_ = false;
  return stopped_;
}

void cmcTask::Stop() {
  handler_ = nullptr;
  user_ = nullptr;
  SetInterval(-1);
}

void cmcTask::RequestDelete() {
  deleteRequested_ = true;
  SetInterval(0);
}

void cmcTask::Tick() {
  if (deleteRequested_) {
    if (!busy_) delete this;
    return;
  }
  if (busy_ || !handler_) return;
  busy_ = true;
  handler_(user_, *this);
  busy_ = false;
}

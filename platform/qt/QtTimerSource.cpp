#include "platform/qt/QtTimerSource.h"

#include <QTimer>

#include <algorithm>

namespace {

class QtTimer final : public Timer {
 public:
  explicit QtTimer(std::function<void()> onExpiry) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(onExpiry));
  }

  void Start(std::uint32_t periodMs) override {
    timer_.start(static_cast<int>(std::clamp<std::uint32_t>(periodMs, 1, INT32_MAX)));
  }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> QtTimerSource::CreateTimer(std::function<void()> onExpiry) {
  return std::make_unique<QtTimer>(std::move(onExpiry));
}

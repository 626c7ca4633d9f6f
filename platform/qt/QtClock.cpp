#include "platform/qt/QtClock.h"

#include <QElapsedTimer>

std::uint32_t QtClock::NowMs() const {
  QElapsedTimer now;
  now.start();
  return static_cast<std::uint32_t>(now.msecsSinceReference());
}

// main() of the widget tests. The test discovery runs the program without the test's
// environment, so the offscreen platform is chosen here when nothing else is asked for. The
// digests are Qt's, as the window program installs them.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/qt/QtMd5.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const QtMd5 md5;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

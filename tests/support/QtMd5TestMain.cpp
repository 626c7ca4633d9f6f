// main() of the test programs whose code makes file digests: Qt's are installed, as the
// programs install them.
#include <gtest/gtest.h>

#include "platform/qt/QtMd5.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const QtMd5 md5;
  return RUN_ALL_TESTS();
}

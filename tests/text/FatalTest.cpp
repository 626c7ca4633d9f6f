#include <gtest/gtest.h>

#include "platform/Fatal.h"

namespace {

TEST(FatalDeathTest, WritesCaptionAndMessageThenAborts) {
  // The caption is the executable's file name; the text arrives byte for byte, as nothing on
  // the way to a fatal error may depend on the text layer.
  EXPECT_DEATH(Fatal("GTEX Error !\nThe index '\x83\x65' was not found."),
               "test_text: GTEX Error !\nThe index '\x83\x65' was not found.");
}

TEST(FatalDeathTest, AbortsEvenWhenTheHandlerReturns) {
  EXPECT_DEATH(
      {
        SetFatalHandler([](const std::string&, const std::string&) {});
        Fatal("Overlapped Hash table.");
      },
      "");
}

}  // namespace

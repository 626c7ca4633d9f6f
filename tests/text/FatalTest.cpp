#include <gtest/gtest.h>

#include "platform/Fatal.h"

namespace {

TEST(FatalDeathTest, WritesCaptionAndMessageThenAborts) {
  // The caption is the executable's file name; the code page text arrives as UTF-8.
  EXPECT_DEATH(Fatal("GTEX Error !\nThe index '\x83\x65' was not found."),
               "test_text: GTEX Error !\nThe index '\xE3\x83\x86' was not found.");
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

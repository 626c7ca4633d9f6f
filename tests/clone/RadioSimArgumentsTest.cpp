#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/radio-sim/RadioSimArguments.h"

namespace {

TEST(RadioSimArgumentsTest, OptionsDescribeTheRadio) {
  std::string error;
  const auto parsed = ParseRadioSimArguments(
      {"--destination", "7", "--generation=2", "--model", "3391", "--serial", "12AB", "--fault", "missing-address@4096",
       "--echo", "--pace", "--once", "--image", "in.qmf", "--save", "out.qmf"},
      error);
  ASSERT_TRUE(parsed.has_value()) << error;
  EXPECT_EQ(parsed->options.identity.destination, 7);
  EXPECT_EQ(parsed->options.identity.generation, 2);
  EXPECT_EQ(parsed->options.identity.modelWord, 0x3391);
  EXPECT_EQ(parsed->options.identity.serial, "000000000012AB");
  EXPECT_EQ(parsed->fault, RadioFault::MissingAddress);
  EXPECT_EQ(parsed->faultAt, 4096);
  EXPECT_TRUE(parsed->options.echo);
  EXPECT_TRUE(parsed->options.pace);
  EXPECT_TRUE(parsed->once);
  EXPECT_EQ(parsed->imagePath, "in.qmf");
  EXPECT_EQ(parsed->savePath, "out.qmf");

  const auto defaults = ParseRadioSimArguments({}, error);
  ASSERT_TRUE(defaults.has_value());
  EXPECT_EQ(defaults->options.identity.destination, 0);
  EXPECT_EQ(defaults->options.identity.generation, 3);
  EXPECT_EQ(defaults->fault, RadioFault::None);
  EXPECT_FALSE(defaults->once);
}

TEST(RadioSimArgumentsTest, EveryFaultNameIsAccepted) {
  for (const RadioFault fault : AllRadioFaults()) {
    std::string error;
    const auto parsed = ParseRadioSimArguments({"--fault", std::string(RadioFaultName(fault))}, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    EXPECT_EQ(parsed->fault, fault);
    EXPECT_EQ(parsed->faultAt, -1);
  }
}

TEST(RadioSimArgumentsTest, UsageErrorsSayWhatIsWrong) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{"--destination", "16"}, "option --destination must be a number from 0 to 15, not '16'"},
      {{"--generation", "0"}, "option --generation must be a number from 1 to 3, not '0'"},
      {{"--fault", "loud"}, "unknown fault 'loud'"},
      {{"--fault", "silence@"}, "the byte count of --fault must be a number of 0 or more, not ''"},
      {{"--fault", "silence@-3"}, "the byte count of --fault must be a number of 0 or more, not '-3'"},
      {{"--serial", "12345678901234567"}, "--serial must be 1 to 14 hexadecimal digits, not '12345678901234567'"},
      {{"--serial", "XYZ"}, "--serial must be 1 to 14 hexadecimal digits, not 'XYZ'"},
      {{"--model", "33A0"}, "--model must be 4 decimal digits, not '33A0'"},
      {{"--image"}, "option --image needs a value"},
      {{"--speed"}, "unknown option --speed"},
      {{"extra"}, "unexpected argument 'extra'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    std::string error;
    EXPECT_FALSE(ParseRadioSimArguments(c.args, error).has_value());
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace

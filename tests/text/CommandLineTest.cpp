#include <gtest/gtest.h>

#include "text/CommandLine.h"

namespace {

const KnownOptions kKnown{{"-o", "--generation", "--destination"}, {"--json", "--no-digest"}};

TEST(CommandLine, PositionalsValuesAndSwitches) {
  std::string error;
  const auto line =
      ParseCommandLine({"convert", "in.qmf", "-o", "out.qmf", "--generation=2", "--no-digest"}, kKnown, error);
  ASSERT_TRUE(line) << error;
  EXPECT_EQ(line->positionals, (std::vector<std::string>{"convert", "in.qmf"}));
  EXPECT_EQ(line->Value("-o"), "out.qmf");
  EXPECT_EQ(line->Value("--generation"), "2");
  EXPECT_TRUE(line->Has("--no-digest"));
  EXPECT_FALSE(line->Has("--json"));
  EXPECT_FALSE(line->Value("--destination"));
}

TEST(CommandLine, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"info", "--bogus"}, "unknown option --bogus"},
      {{"info", "-o"}, "option -o needs a value"},
      {{"info", "--json=1"}, "unknown option --json=1"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseCommandLine(c.args, kKnown, error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(CommandLine, IntegerOptionsAreRangeChecked) {
  std::string error;
  const auto line = ParseCommandLine({"--generation", "4", "--destination", "x7"}, kKnown, error);
  ASSERT_TRUE(line);
  EXPECT_FALSE(IntegerOption(*line, "--generation", 1, 3, std::nullopt, error));
  EXPECT_EQ(error, "option --generation must be a number from 1 to 3, not '4'");
  EXPECT_FALSE(IntegerOption(*line, "--destination", 0, 15, std::nullopt, error));
  EXPECT_EQ(IntegerOption(*line, "-o", 1, 3, 3, error), 3);  // absent: the fallback
  EXPECT_FALSE(IntegerOption(*line, "-o", 1, 3, std::nullopt, error));
  EXPECT_EQ(error, "option -o is required");
}

}  // namespace

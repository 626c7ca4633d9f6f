#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cmcScrBlock.h"

namespace {

TEST(ScrBlock, NameAndItems) {
  struct Case {
    std::string text, name;
    std::vector<std::string> items;
  } cases[] = {
      {"RptCH  3", "RptCH", {"3"}},
      {"LoopFrom", "LoopFrom", {""}},  // no space: one empty item
      {"\tList a , b,, c ", "List", {"a", "b", "", "c"}},
      {"", "", {""}},
  };
  for (const auto& c : cases) {
    cmcScrBlock block;
    block.Parse(c.text);
    EXPECT_EQ(block.Name(), c.name) << c.text;
    ASSERT_EQ(block.Count(), c.items.size()) << c.text;
    for (std::size_t i = 0; i < c.items.size(); ++i) EXPECT_EQ(block.GetItem(i), c.items[i]) << c.text;
  }
}

TEST(ScrBlock, ItemsOutsideTheBlockAreEmpty) {
  cmcScrBlock block;
  block.Parse("Name 1,2");
  EXPECT_EQ(block.GetItem(1), "2");
  EXPECT_EQ(block.GetItem(5), "");
  block.Parse("Other x");  // a new parse replaces the items
  EXPECT_EQ(block.Count(), 1u);
}

}  // namespace

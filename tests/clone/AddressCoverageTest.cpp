#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "memory/AddressCoverage.h"

namespace {

struct Span {
  std::int64_t first;
  std::int64_t last;
};

AddressCoverage Marked(std::int32_t size, const std::vector<Span>& spans) {
  AddressCoverage coverage(size);
  for (const Span& span : spans) coverage.Mark(span.first, span.last);
  return coverage;
}

TEST(AddressCoverage, MarksExactlyTheAddressesInsideTheImage) {
  const AddressCoverage coverage = Marked(40, {{3, 20}, {-5, 0}, {38, 1000}, {30, 29}});
  for (std::int32_t a = -1; a <= 40; ++a) {
    const bool expected = a == 0 || (a >= 3 && a <= 20) || a >= 38;
    EXPECT_EQ(coverage.IsMarked(a), expected && a < 40) << a;
  }
}

TEST(AddressCoverage, ComparesWhatWasDeliveredWithWhatWasExpected) {
  using Difference = AddressCoverage::Difference;
  struct Case {
    const char* name;
    std::vector<Span> delivered;
    Difference difference;
  };
  const std::vector<Span> expected = {{0, 15}, {32, 47}};
  const Case cases[] = {
      {"the same, in other pieces", {{0, 7}, {8, 15}, {32, 47}}, Difference::None},
      {"one address short", {{0, 15}, {33, 47}}, Difference::Missing},
      {"one address between the ranges", {{0, 16}, {32, 47}}, Difference::Outside},
      {"outside wins over missing", {{0, 7}, {60, 60}}, Difference::Outside},
      {"nothing", {}, Difference::Missing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Marked(64, c.delivered).Against(Marked(64, expected)), c.difference) << c.name;
  }
}

}  // namespace

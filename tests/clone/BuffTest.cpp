#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "base/cmcBuff.h"
#include "support/FatalTrap.h"

namespace {

std::vector<std::uint8_t> Content(const cmcBuff& buffer) {
  return std::vector<std::uint8_t>(buffer.Data(), buffer.Data() + buffer.Length());
}

std::vector<std::uint8_t> Counting(int n) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
  return bytes;
}

TEST(BuffTest, ANewOrClearedBufferIsEmptyWithOneSpareByte) {
  cmcBuff buffer;
  EXPECT_EQ(buffer.Length(), 0);
  EXPECT_EQ(buffer.Capacity(), 1);
  EXPECT_NE(buffer.Data(), nullptr);
  EXPECT_EQ(buffer.PopFront(), -1);

  buffer.AppendRepeat(7, 50);
  buffer.Clear();
  EXPECT_EQ(buffer.Length(), 0);
  EXPECT_EQ(buffer.Capacity(), 1);
}

TEST(BuffTest, GrowingBeyondTheCapacityAddsAQuarterOfTheOldLengthWithZeroedSpareBytes) {
  cmcBuff buffer;
  buffer.AppendRepeat(0xAA, 10);
  ASSERT_EQ(buffer.Capacity(), 10);

  buffer.AppendByte(0x55);
  EXPECT_EQ(buffer.Capacity(), 13);  // 11 + 10 / 4
  EXPECT_EQ(buffer.Length(), 11);
  buffer.Resize(13);
  EXPECT_EQ(*buffer.At(11), 0);
  EXPECT_EQ(*buffer.At(12), 0);
  EXPECT_EQ(*buffer.At(10), 0x55);
}

TEST(BuffTest, ShrinkingAndGrowingWithinTheCapacityKeepsTheBytes) {
  cmcBuff buffer;
  const auto bytes = Counting(8);
  buffer.Assign(bytes.data(), 8);
  buffer.Resize(3);
  buffer.Resize(8);
  EXPECT_EQ(Content(buffer), bytes);
}

TEST(BuffTest, AppendsAndAssign) {
  cmcBuff buffer;
  const std::uint8_t abc[] = {'a', 'b', 'c'};
  buffer.Append(abc, 3);
  buffer.AppendByte('d');
  buffer.AppendRepeat('e', 2);
  cmcBuff other;
  other.Assign(abc, 2);
  buffer.AppendBuffer(other);
  EXPECT_EQ(Content(buffer), (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 'e', 'a', 'b'}));

  buffer.Assign(abc + 1, 2);
  EXPECT_EQ(Content(buffer), (std::vector<std::uint8_t>{'b', 'c'}));
  buffer.Append(abc, 0);
  EXPECT_EQ(buffer.Length(), 2);
}

TEST(BuffTest, BytesFromTheBufferItselfSurviveTheGrowthTheyCause) {
  cmcBuff buffer;
  const auto bytes = Counting(10);
  buffer.Assign(bytes.data(), 10);
  buffer.AppendBuffer(buffer);  // outgrows the block it reads from
  std::vector<std::uint8_t> twice = bytes;
  twice.insert(twice.end(), bytes.begin(), bytes.end());
  EXPECT_EQ(Content(buffer), twice);

  buffer.Assign(buffer.Data() + 15, 5);  // overlapping, inside the block
  EXPECT_EQ(Content(buffer), (std::vector<std::uint8_t>{5, 6, 7, 8, 9}));
}

TEST(BuffTest, CopiesAreDeep) {
  cmcBuff original;
  const auto bytes = Counting(5);
  original.Assign(bytes.data(), 5);
  cmcBuff copy(original);
  cmcBuff assigned;
  assigned = original;
  *original.At(0) = 99;
  EXPECT_EQ(Content(copy), bytes);
  EXPECT_EQ(Content(assigned), bytes);
}

TEST(BuffTest, PopFrontTakesBytesInOrderAndCompactsPastTheThreshold) {
  cmcBuff buffer;
  buffer.Resize(8000);
  buffer.Resize(10000);  // grown with spare room: 10,000 + 8,000 / 4
  for (int i = 0; i < 10000; ++i) *buffer.At(i) = static_cast<std::uint8_t>(i % 251);
  ASSERT_EQ(buffer.Capacity(), 12000);

  for (int i = 0; i < 4096; ++i) ASSERT_EQ(buffer.PopFront(), i % 251);
  EXPECT_EQ(buffer.Capacity(), 12000 - 4096);  // not yet compacted
  EXPECT_EQ(buffer.PopFront(), 4096 % 251);
  EXPECT_EQ(buffer.Capacity(), buffer.Length());  // compacted to its content
  for (int i = 4097; i < 5000; ++i) ASSERT_EQ(buffer.PopFront(), i % 251);

  EXPECT_EQ(buffer.Length(), 5000);
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(*buffer.At(i), (i + 5000) % 251);
}

TEST(BuffTest, PositionsOutsideTheBufferAndNegativeLengthsAreFatal) {
  cmcBuff buffer;
  buffer.AppendRepeat(1, 4);
  const std::uint8_t byte = 0;
  EXPECT_EQ(FatalMessageOf([&] { buffer.At(4); }), "Out of cmcBuff element !");
  EXPECT_EQ(FatalMessageOf([&] { buffer.At(-1); }), "Out of cmcBuff element !");
  EXPECT_EQ(FatalMessageOf([&] { buffer.Append(&byte, -1); }), "Out of cmcBuff element !");
  EXPECT_EQ(FatalMessageOf([&] { buffer.Resize(-2); }), "Out of cmcBuff element !");
  EXPECT_EQ(FatalMessageOf([&] { buffer.At(3); }), "");
}

}  // namespace

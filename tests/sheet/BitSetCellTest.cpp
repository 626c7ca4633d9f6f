#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/FatalTrap.h"
#include "values/BitSetCell.h"

namespace {

TEST(BitSetCell, DisplayShowsEachSetFlagByItsCharacter) {
  EXPECT_EQ(BitSetCell('A', 'J').Display(0b1000000101), "A_C______J\n");
  EXPECT_EQ(BitSetCell('U', 'Z').Display(0), "______\n");
  EXPECT_EQ(BitSetCell('1', '0').Display(0b1000000001), "1________0\n");
  EXPECT_EQ(BitSetCell('A', 'C').Display(0xFFFFFFF8u), "___\n");  // bits beyond the cell
}

TEST(BitSetCell, KeysToggleSetClearAndInvert) {
  struct Row {
    const char* name;
    char first;
    char last;
    std::uint32_t bits;
    int key;
    KeyReply::Action action;
    std::uint32_t after;
  };
  const auto kChanged = KeyReply::Action::kChanged;
  const std::vector<Row> rows = {
      {"a letter toggles its flag", 'A', 'J', 0b0, 'c', kChanged, 0b100},
      {"upper case as well", 'A', 'J', 0b100, 'C', kChanged, 0b0},
      {"0 is the tenth digit", '1', '0', 0b0, '0', kChanged, 1u << 9},
      {"a letter of another set does nothing", 'A', 'J', 0b1, 'K', KeyReply::Action::kNone, 0b1},
      {"Space sets all when none is set", 'A', 'F', 0b0, kKeySpace, kChanged, 0b111111},
      {"Space clears all otherwise, other bits kept", 'A', 'F', 0x100 | 0b10, kKeySpace, kChanged, 0x100},
      {"Backspace inverts", 'A', 'F', 0b101, kKeyBackspace, kChanged, 0b111010},
      {"Enter opens the bit-field editor", 'A', 'F', 0b1, kKeyEnter, KeyReply::Action::kPopup, 0b1},
  };
  for (const Row& row : rows) {
    std::uint32_t bits = row.bits;
    EXPECT_EQ(BitSetCell(row.first, row.last).Key(row.key, bits).action, row.action) << row.name;
    EXPECT_EQ(bits, row.after) << row.name;
  }
}

TEST(BitSetCell, TheEditorShowsTheFlagsFromBit25DownAndItsPickKeepsOtherBits) {
  struct Row {
    const char* name;
    char first;
    char last;
    int labelType;
    int firstFlag;
    int lastFlag;
  };
  const std::vector<Row> rows = {
      {"banks A to J", 'A', 'J', 3, 1, 10},
      {"letters from C", 'C', 'E', 3, 3, 5},
      {"digits 1 to 0", '1', '0', 2, 1, 10},
      {"digits from 0", '0', '3', 0, 0, 3},
  };
  for (const Row& row : rows) {
    std::uint32_t bits = 0b101;
    const KeyReply reply = BitSetCell(row.first, row.last).Key(kKeyEnter, bits);
    const auto* editor = std::get_if<BitFieldPopup>(&reply.popup);
    ASSERT_NE(editor, nullptr) << row.name;
    EXPECT_EQ(editor->value, (1u << 25) | (1u << 23)) << row.name;
    EXPECT_EQ(editor->labelType, row.labelType) << row.name;
    EXPECT_EQ(editor->first, row.firstFlag) << row.name;
    EXPECT_EQ(editor->last, row.lastFlag) << row.name;
  }
  const BitSetCell banks('A', 'J');
  std::uint32_t bits = 0x400 | 0b1;  // bit 10 lies outside the cell's flags
  EXPECT_TRUE(banks.Pick(std::to_string((1u << 24) | (1u << 16)), bits));
  EXPECT_EQ(bits, 0x400u | 0b10u | (1u << 9));
  EXPECT_FALSE(banks.Pick(std::to_string((1u << 24) | (1u << 16)), bits));
  for (const char* bad : {"", "x", "12a", "-1", "99999999999"}) {
    EXPECT_FALSE(banks.Pick(bad, bits)) << bad;
  }
  EXPECT_EQ(bits, 0x400u | 0b10u | (1u << 9));
}

TEST(BitSetCell, BadRunsAreDefects) {
  EXPECT_EQ(FatalMessageOf([] { BitSetCell('J', 'A'); }), "Invalid bit set cell.");
  EXPECT_EQ(FatalMessageOf([] { BitSetCell('A', '9'); }), "Invalid bit set cell.");
}

}  // namespace

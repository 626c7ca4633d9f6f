#pragma once
// Where the two older radio generations keep what the current one keeps, and how a step
// between neighbouring generations moves it. Generation 2 has the current layout
// (MemoryMap) except for a few bytes; generation 1 packs its records differently from the
// repeater list on, and its setting area is shorter.
//
// Every address below lies in the exchanged range, which every generation's image holds; the
// checks at the end of this file make that a property of the tables, not of the code that
// walks them.
#include <array>
#include <cstdint>
#include <string_view>

#include "memory/MemoryMap.h"

namespace OlderLayouts {

using MemoryMap::Address;

// Generation-1 records. The lists that are not named here keep the current addresses or are
// moved whole by the byte-move tables.
namespace Generation1 {
inline constexpr Address kRepeaters = 43200;
inline constexpr int kRepeaterRecordSize = 49;
inline constexpr int kRepeaterGroupCount = 25;
inline constexpr int kReceivedPositionSize = 66;
inline constexpr Address kGpsMemories = 97472;
inline constexpr int kGpsRecordSize = 30;
inline constexpr Address kRepeaterOrder = 103936;
inline constexpr Address kGpsOrder = 105766;
inline constexpr std::array<Address, 2> kRepeaterSnapshots{106712, 106797};
inline constexpr int kRepeaterSnapshotSize = 64;
}  // namespace Generation1

// Where a generation keeps its received call record: status bytes, 46-byte call blocks,
// 20-character messages and position blocks by slot, and the table of the list position of
// each slot.
struct ReceivedCallLayout {
  Address status;
  Address calls;
  Address messages;
  Address positions;
  Address positionTable;
};

inline constexpr ReceivedCallLayout kGeneration1ReceivedCalls{90472, 90522, 92822, 93822, 105686};
inline constexpr ReceivedCallLayout kGeneration2ReceivedCalls{
    MemoryMap::kReceivedStatus, MemoryMap::kReceivedCalls, MemoryMap::kReceivedMessages, MemoryMap::kReceivedPositions,
    MemoryMap::kReceivedPositionTable};

// Generation-2 facts the current memory map does not name.
namespace Generation2 {
inline constexpr std::array<Address, 2> kRepeaterSnapshots{109849, 109952};
inline constexpr int kRepeaterSnapshotSize = 65;
// Setting bytes that only the current generation uses: generation 2 keeps them 0xFF.
inline constexpr std::array<Address, 3> kCurrentOnlySettings{109342, 109563, 109564};
// Generation 2 keeps bits 0 and 1 of this setting byte set.
inline constexpr Address kFlagsSetByte = 109363;
inline constexpr std::uint8_t kFlagsSet = 0x03;
// Highest tone mode generation 2 knows (DTCS-R); the split modes above it become OFF.
inline constexpr int kHighestToneMode = 7;
}  // namespace Generation2

// The two-bit fields of the repeater flag byte (byte 7 of an entry, byte 9 of a repeater
// snapshot record), by the shift of their lowest bit. Generations 2 and 3 hold mode, duplex,
// tone and position; generation 1 knows only DV entries and keeps duplex and position.
namespace RepeaterFlags {
inline constexpr int kModeShift = 6;
inline constexpr int kDuplexShift = 4;
inline constexpr int kPositionShift = 0;
inline constexpr int kOldDuplexShift = 6;
inline constexpr int kOldPositionShift = 2;
inline constexpr std::uint8_t kModeDv = 0;
// Bits 1-0 of a generation-1 snapshot record's flags.
inline constexpr std::uint8_t kOldSnapshotMark = 1;

constexpr std::uint8_t TwoBitsAt(std::uint8_t flags, int shift) { return flags >> shift & 3; }
}  // namespace RepeaterFlags

// Field positions of the records that the steps rewrite, beyond what the field-move tables
// say.
namespace Fields {
inline constexpr int kRepeaterFlags = 7;
inline constexpr int kRepeaterToneIndex = 8;
inline constexpr std::uint8_t kNewRepeaterToneIndex = 8;  // 88.5 Hz
inline constexpr int kSnapshotFlags = 9;
// Generation-1 66-byte received position block.
inline constexpr int kOldLatitude = 0;
inline constexpr int kOldLongitude = 4;
inline constexpr int kOldAltitude = 8;
inline constexpr int kOldDetailStart = 12;  // course, speed and the first detail byte
inline constexpr int kOldDetailLength = 5;
inline constexpr int kOldSecondDetail = 16;
inline constexpr int kOldSsidIndex = 18;
inline constexpr int kOldMessage = 23;
// Generation-2 92-byte received position block.
inline constexpr int kSsidText = 14;
inline constexpr int kCallerWithSsid = 16;
inline constexpr int kCallerWithSsidLength = 9;
inline constexpr int kDataType = 29;
// Both blocks: the altitude and the GPS message.
inline constexpr int kGpsMessageLength = 43;
inline constexpr std::array<std::uint8_t, 4> kAltitudeNotSet{0x7F, 0xFF, 0xFF, 0xFF};
// Data types of the received position block.
inline constexpr std::uint8_t kDataTypeNone = 0;
inline constexpr std::uint8_t kDataTypePosition = 1;
inline constexpr std::uint8_t kDataTypePositionWithoutStation = 6;
// GPS memory: altitude in generation 2.
inline constexpr int kGpsAltitude = 14;
}  // namespace Fields

// SSID texts of generation 1's SSID index; index 0 is none. Generation 2 stores the text,
// at most two characters, 0xFF-filled.
inline constexpr std::array<std::string_view, 43> kSsidTexts{
    "",  "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "A", "B", "C", "D", "E",
    "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q",  "R",  "S",  "T",  "U",  "V",  "W", "X", "Y", "Z"};

// One row of a step: length bytes go from source to target. Copy rows move them as they are;
// the other kinds say how a value changes or where it comes from instead.
enum class ByteMoveKind {
  Copy,
  FillWithSpaces,    // no source: the target bytes become spaces
  FromDefaultImage,  // the source address is in the default image of the destination
  SwapOneAndTwo,     // 1 becomes 2, 2 becomes 1, anything else 0
  AboveTwoIsOne,     // values above 2 become 1
};

struct ByteMove {
  Address target;
  Address source;
  int length;
  ByteMoveKind kind = ByteMoveKind::Copy;
};

// Generation 1 to 2, in this order; what no row names stays 0xFF. The converted lists
// (repeater entries, received calls, GPS memories) are separate.
inline constexpr std::array<ByteMove, 29> kStep1To2Moves{{
    {107008, 103936, 1550},                         // repeater order and the 25 group starts (25-29 stay empty)
    {108568, 105486, 260},                          // your-call order, received call positions, From slots
    {108838, 105746, 20},                           // To slots
    {108863, 105766, 321},                          // GPS order, GPS group starts, RPT1-use bits
    {0, 0, 43200},                                  // channels, side tables, names, DTMF, broadcast radio
    {80700, 79950, 5250},                           // gateway call signs
    {85950, 0, 480, ByteMoveKind::FillWithSpaces},  // repeater group names 25-29 stay blank
    {85950, 85200, 400},                            // repeater group names 0-24
    {86430, 85600, 4872},                           // my call signs, your call signs and names
    {99252, 97122, 80},                             // From history
    {99452, 97202, 160},                            // To history
    {99652, 97362, 102},                            // transmit messages and the two bytes after them
    {106576, 103472, 416},                          // GPS group names
    {109186, 106089, 12},
    {109198, 106102, 19},
    {109217, 106121, 1, ByteMoveKind::SwapOneAndTwo},
    {109218, 106122, 3},
    {109221, 106127, 6},
    {109227, 106134, 5},
    {109232, 106140, 61},
    {109294, 106202, 36},
    {109330, 109330, 12, ByteMoveKind::FromDefaultImage},  // settings generation 1 lacks
    {109348, 106245, 3},
    {109364, 106261, 1},
    {109413, 106310, 148},  // GPS alarm reference and further settings
    {110235, 107079, 2},
    {110253, 107097, 48},  // settings and the scan link maps
    {110400, 107264, 16},  // identity block
    {110416, 107280, 48},  // format block
}};

// Generation 2 to 1, in this order, after the repeater list has lost what generation 1 cannot
// hold. The converted lists (repeater entries, received calls, GPS memories, repeater
// snapshots) are separate.
inline constexpr std::array<ByteMove, 30> kStep2To1Moves{{
    {105486, 108568, 260},   // your-call order, received call positions, From slots
    {105746, 108838, 20},    // To slots
    {105766, 108863, 227},   // GPS order and group starts
    {0, 0, 43200},           // channels, side tables, names, DTMF, broadcast radio
    {79950, 80700, 5250},    // gateway call signs
    {85200, 85950, 400},     // repeater group names 0-24
    {85600, 86430, 4872},    // my call signs, your call signs and names
    {97122, 99252, 80},      // From history
    {97202, 99452, 160},     // To history
    {97362, 99652, 102},     // transmit messages and the two bytes after them
    {103472, 106576, 416},   // GPS group names
    {103936, 107008, 1550},  // repeater order and the first 25 group starts
    {105993, 109090, 108},   // RPT1-use bits and settings
    {106102, 109198, 19},
    {106121, 109217, 1, ByteMoveKind::SwapOneAndTwo},
    {106122, 109218, 3},
    {106127, 109221, 6},
    {106134, 109227, 5},
    {106140, 109232, 17},
    {106157, 109249, 1, ByteMoveKind::AboveTwoIsOne},
    {106158, 109250, 80},
    {106245, 109348, 215},  // settings, GPS alarm reference
    {106496, 109632, 214},  // band templates and settings
    {106710, 109846, 2},
    {106776, 109914, 5},
    {106781, 109920, 16},
    {106861, 110017, 287},  // settings and the scan link maps
    {107148, 110304, 3},
    {107264, 110400, 16},  // identity block
    {107280, 110416, 48},  // format block
}};

// Generation 2 to 3: the copy of the whole image is followed by this row.
inline constexpr std::array<ByteMove, 1> kStep2To3Moves{{
    {109342, 109342, 1, ByteMoveKind::FromDefaultImage},
}};

// One field of a record that a step moves unchanged to another offset.
struct FieldMove {
  int target;
  int source;
  int length;
};

// Repeater entry, 49 bytes in generation 1, 50 in generation 2 (which adds the tone
// frequency index at 8).
inline constexpr std::array<FieldMove, 2> kRepeaterEntryUp{{{0, 0, 7}, {9, 8, 41}}};
inline constexpr std::array<FieldMove, 2> kRepeaterEntryDown{{{0, 0, 7}, {8, 9, 41}}};

// GPS memory, 30 bytes in generation 1, 34 in generation 2 (which adds the altitude at 14).
inline constexpr std::array<FieldMove, 2> kGpsMemoryUp{{{0, 0, 14}, {18, 14, 16}}};
inline constexpr std::array<FieldMove, 2> kGpsMemoryDown{{{0, 0, 14}, {14, 18, 16}}};

// Received position block, 66 bytes in generation 1, 92 in generation 2.
inline constexpr std::array<FieldMove, 4> kReceivedPositionUp{{{0, 0, 12}, {12, 16, 2}, {25, 19, 4}, {49, 23, 43}}};
// Course and speed, moved up for the position data types only.
inline constexpr std::array<FieldMove, 2> kReceivedCourseSpeedUp{{{30, 12, 2}, {32, 14, 2}}};
inline constexpr std::array<FieldMove, 6> kReceivedPositionDown{
    {{0, 0, 12}, {12, 30, 2}, {14, 32, 2}, {16, 12, 2}, {19, 25, 4}, {23, 49, 43}}};

// Repeater snapshot record of the settings, 65 bytes in generation 2, 64 in generation 1
// (which drops generation-2 byte 10 and packs the flags at 9).
inline constexpr std::array<FieldMove, 3> kRepeaterSnapshotDown{{{0, 0, 9}, {10, 11, 1}, {11, 12, 53}}};

// Compile-time proofs that the tables stay inside the images; MoveFields proves the same of
// the field-move tables where it uses them.
namespace Checks {

constexpr bool InExchangedRange(Address address, int length) {
  return address >= 0 && length >= 1 && address + length - 1 <= MemoryMap::kExchangedEnd;
}

template <std::size_t N>
constexpr bool MovesInExchangedRange(const std::array<ByteMove, N>& moves) {
  for (const ByteMove& move : moves) {
    if (!InExchangedRange(move.target, move.length)) return false;
    if (move.kind != ByteMoveKind::FillWithSpaces && !InExchangedRange(move.source, move.length)) {
      return false;
    }
  }
  return true;
}

static_assert(MovesInExchangedRange(kStep1To2Moves));
static_assert(MovesInExchangedRange(kStep2To1Moves));
static_assert(MovesInExchangedRange(kStep2To3Moves));

static_assert(InExchangedRange(Generation1::kRepeaters, MemoryMap::kRepeaterCount* Generation1::kRepeaterRecordSize));
static_assert(InExchangedRange(kGeneration1ReceivedCalls.positions,
                               MemoryMap::kReceivedCallCount* Generation1::kReceivedPositionSize));
static_assert(InExchangedRange(Generation1::kGpsMemories, MemoryMap::kGpsMemoryCount* Generation1::kGpsRecordSize));
static_assert(InExchangedRange(Generation1::kRepeaterSnapshots[1], Generation1::kRepeaterSnapshotSize));
static_assert(InExchangedRange(Generation2::kRepeaterSnapshots[1], Generation2::kRepeaterSnapshotSize));

}  // namespace Checks

}  // namespace OlderLayouts

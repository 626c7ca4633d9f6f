// Records that the steps between generations 1 and 2 rewrite: repeater entries and the
// repeater list, received calls, GPS memories and repeater snapshot records, each checked
// field by field against the two layouts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ConversionTestImages.h"

namespace {

// Generation-1 addresses.
constexpr int kOldRepeaters = 43200;
constexpr int kOldRepeaterOrder = 103936;
constexpr int kOldRepeaterGroupStarts = 105436;
constexpr int kOldRememberedRepeater = 106225;
constexpr int kOldReceivedStatus = 90472;
constexpr int kOldReceivedCalls = 90522;
constexpr int kOldReceivedMessages = 92822;
constexpr int kOldReceivedPositions = 93822;
constexpr int kOldReceivedPositionTable = 105686;
constexpr int kOldGpsMemories = 97472;
constexpr int kOldGpsOrder = 105766;

// Generation-2 addresses.
constexpr int kRepeaters = 43200;
constexpr int kRepeaterOrder = 107008;
constexpr int kRepeaterGroupStarts = 108508;
constexpr int kRememberedRepeater = 109317;
constexpr int kReceivedStatus = 91302;
constexpr int kReceivedCalls = 91352;
constexpr int kReceivedMessages = 93652;
constexpr int kReceivedPositions = 94652;
constexpr int kReceivedPositionTable = 108768;
constexpr int kGpsMemories = 99776;

int OldRepeater(int entry) { return kOldRepeaters + 49 * entry; }
int Repeater(int entry) { return kRepeaters + 50 * entry; }

const MovedField kRepeaterFields[] = {
    {"frequency", 0, 0, 3},          {"offset", 3, 3, 2},      {"gateway reference", 5, 5, 2},
    {"repeater call sign", 8, 9, 7}, {"name", 15, 16, 16},     {"sub name", 31, 32, 8},
    {"latitude", 39, 40, 4},         {"longitude", 43, 44, 4}, {"UTC offset", 47, 48, 2},
};

void ExpectFieldsMoved(const cmcEeprom& source, int sourceRecord, const cmcEeprom& converted, int targetRecord,
                       const std::vector<MovedField>& fields, bool up) {
  for (const MovedField& f : fields) {
    const int from = up ? f.from : f.to;
    const int to = up ? f.to : f.from;
    EXPECT_EQ(Get(converted, targetRecord + to, f.length), Get(source, sourceRecord + from, f.length)) << f.field;
  }
}

const std::vector<MovedField> kRepeaterFieldList(std::begin(kRepeaterFields), std::end(kRepeaterFields));

TEST(RepeaterEntryConversion, EntriesTheOrderNamesComeUpAsDvEntries) {
  cmcEeprom old = BlankImageOf(1);
  const int order[] = {5, 749, 750, 0xFFFE, 0xFFFF, 6};
  for (int p = 0; p < 6; ++p) PutU16(old, kOldRepeaterOrder + 2 * p, order[p]);
  for (const int entry : {5, 749}) Put(old, OldRepeater(entry), Counting(entry, 49));
  Put(old, OldRepeater(7), Counting(1, 49));  // named by no position
  const cmcEeprom converted = Converted(old, 1, 2);
  for (const int entry : {5, 749, 6}) {
    ExpectFieldsMoved(old, OldRepeater(entry), converted, Repeater(entry), kRepeaterFieldList, true);
    EXPECT_EQ(converted.GetByte(Repeater(entry) + 8), 8) << "tone frequency 88.5 Hz";
  }
  EXPECT_EQ(Get(converted, Repeater(7), 50), Repeated(0xFF, 50));
}

TEST(RepeaterEntryConversion, FlagBytesBetweenTheLayouts) {
  // Generation 1: duplex in bits 7-6, position in bits 3-2. Generation 2: mode 7-6 (0 DV),
  // duplex 5-4, tone 3-2 (0 OFF), position 1-0.
  struct Case {
    const char* flags;
    int from;
    std::uint8_t value;
    std::uint8_t expected;
  };
  const Case cases[] = {
      {"all clear", 1, 0x00, 0x00},
      {"duplex 3 goes up", 1, 0xC0, 0x30},
      {"position 3 goes up", 1, 0x0C, 0x03},
      {"bits generation 1 does not use", 1, 0x33, 0x00},
      {"-DUP, approximate, other bits set", 1, 0x77, 0x11},
      {"all clear", 2, 0x00, 0x00},
      {"FM, -DUP, TSQL, exact goes down", 2, 0x5A, 0x48},
      {"every bit set goes down", 2, 0xFF, 0xCC},
      {"mode and tone are lost", 2, 0xCC, 0x00},
  };
  for (const Case& c : cases) {
    cmcEeprom source = BlankImageOf(c.from);
    PutU16(source, c.from == 1 ? kOldRepeaterOrder : kRepeaterOrder, 0);
    source.SetByte((c.from == 1 ? OldRepeater(0) : Repeater(0)) + 7, c.value);
    const cmcEeprom converted = Converted(source, c.from, 3 - c.from);
    EXPECT_EQ(converted.GetByte(Repeater(0) + 7), c.expected) << c.flags;
  }
}

TEST(RepeaterEntryConversion, EveryEntryGoesDownWithoutItsToneFrequency) {
  cmcEeprom current = BlankImageOf(2);
  for (const int entry : {0, 123, 749}) Put(current, Repeater(entry), Counting(entry, 50));
  const cmcEeprom converted = Converted(current, 2, 1);
  for (const int entry : {0, 123, 749}) {
    ExpectFieldsMoved(current, Repeater(entry), converted, OldRepeater(entry), kRepeaterFieldList, false);
  }
}

// The repeater list of a generation-2 image as the radio keeps it.
struct ListEntry {
  int entry;
  int mode;  // 0 DV, 1 FM, 2 FM-N, 3 undefined
};

struct ListCase {
  const char* list;
  std::vector<ListEntry> positions;
  std::vector<std::pair<int, int>> starts;  // group, first position
  std::vector<int> expectedOrder;
  std::vector<std::pair<int, int>> expectedStarts;  // groups 0-24 only
};

void PutRepeaterList(cmcEeprom& image, const ListCase& c) {
  for (std::size_t p = 0; p < c.positions.size(); ++p) {
    const ListEntry& e = c.positions[p];
    PutU16(image, kRepeaterOrder + 2 * static_cast<int>(p), e.entry);
    if (e.entry < 750) image.SetByte(Repeater(e.entry) + 7, static_cast<std::uint8_t>(e.mode << 6));
  }
  for (const auto& [group, start] : c.starts) PutU16(image, kRepeaterGroupStarts + 2 * group, start);
}

std::vector<int> OldOrder(const cmcEeprom& image) {
  std::vector<int> order;
  for (int p = 0; p < 750; ++p) order.push_back(GetU16(image, kOldRepeaterOrder + 2 * p));
  return order;
}

std::vector<int> OldStarts(const cmcEeprom& image) {
  std::vector<int> starts;
  for (int g = 0; g < 25; ++g) starts.push_back(GetU16(image, kOldRepeaterGroupStarts + 2 * g));
  return starts;
}

const ListCase kListCases[] = {
    {"FM entries in groups 3 and 5; group 5 holds only FM entries",
     {{10, 0}, {11, 0}, {12, 0}, {13, 1}, {14, 0}, {15, 1}, {16, 2}, {17, 0}, {18, 0}, {19, 0}},
     {{0, 0}, {3, 2}, {5, 5}, {7, 7}},
     {10, 11, 12, 14, 17, 18, 19},
     {{0, 0}, {3, 2}, {7, 4}}},
    {"all entries in groups 25-29 join group 24",
     {{0, 0}, {1, 0}, {2, 0}, {3, 0}},
     {{25, 0}, {29, 2}},
     {0, 1, 2, 3},
     {{24, 0}}},
    {"groups 25-29 after group 0 stay behind it",
     {{0, 0}, {1, 0}, {2, 0}, {3, 1}},
     {{0, 0}, {27, 2}},
     {0, 1, 2},
     {{0, 0}}},
    {"the only entry of group 0 is FM", {{4, 1}, {5, 0}, {6, 0}}, {{0, 0}, {1, 1}}, {5, 6}, {{1, 0}}},
    {"FM-N and undefined modes leave, the list end included",
     {{7, 0}, {8, 3}, {9, 0}, {10, 2}},
     {{2, 0}},
     {7, 9},
     {{2, 0}}},
    {"order values of 750 and more stay where they are",
     {{10, 0}, {800, 0}, {12, 1}, {0xFFFE, 0}, {13, 0}},
     {{0, 0}},
     {10, 800, 0xFFFE, 13},
     {{0, 0}}},
    {"nothing after the end of the list is walked", {{1, 0}, {0xFFFF, 0}, {2, 1}}, {{0, 0}}, {1, 0xFFFF, 2}, {{0, 0}}},
    {"every entry FM: all groups empty", {{1, 1}, {2, 1}}, {{0, 0}, {26, 1}}, {}, {}},
};

TEST(RepeaterListConversion, EntriesGeneration1CannotHoldLeaveTheList) {
  for (const ListCase& c : kListCases) {
    cmcEeprom current = BlankImageOf(2);
    PutRepeaterList(current, c);
    const cmcEeprom converted = Converted(current, 2, 1);
    std::vector<int> expectedOrder = c.expectedOrder;
    expectedOrder.resize(750, 0xFFFF);
    EXPECT_EQ(OldOrder(converted), expectedOrder) << c.list;
    std::vector<int> expectedStarts(25, 0xFFFF);
    for (const auto& [group, start] : c.expectedStarts) expectedStarts[static_cast<std::size_t>(group)] = start;
    EXPECT_EQ(OldStarts(converted), expectedStarts) << c.list;
  }
}

TEST(RepeaterListConversion, RememberedRepeaterFollowsItsPosition) {
  // Positions 3, 5 and 6 leave the list of the first case.
  const std::pair<int, int> cases[] = {{2, 2}, {3, 0xFFFF}, {4, 3},           {6, 0xFFFF},
                                       {7, 4}, {9, 6},      {0xFFFF, 0xFFFF}, {760, 760}};
  for (const auto& [remembered, expected] : cases) {
    cmcEeprom current = BlankImageOf(2);
    PutRepeaterList(current, kListCases[0]);
    PutU16(current, kRememberedRepeater, remembered);
    EXPECT_EQ(GetU16(Converted(current, 2, 1), kOldRememberedRepeater), expected) << remembered;
  }
}

// A received call shown at list position 0: status, 46-byte call block, message and
// position block.
constexpr int kOldPositionSize = 66;
constexpr int kPositionSize = 92;

Bytes GpsMessage() {
  std::string message = "GPS message";
  message.resize(43, '.');
  return TextBytes(message);
}

// Latitude, longitude, altitude, course and speed, detail bytes 16-17, SSID index, time
// stamp and GPS message.
Bytes OldPositionBlock(std::uint8_t ssidIndex, std::uint8_t detail) {
  Bytes block = Counting(0x10, 16);
  block.insert(block.end(), {detail, 0x62, ssidIndex});
  const Bytes time = Counting(0x80, 4);
  const Bytes message = GpsMessage();
  block.insert(block.end(), time.begin(), time.end());
  block.insert(block.end(), message.begin(), message.end());
  return block;
}

// What a generation-1 radio keeps for a call without position data.
Bytes BlankOldPositionBlock() {
  Bytes block = Repeated(0xFF, kOldPositionSize);
  block[8] = 0x7F;
  block[18] = 0;
  std::fill(block.begin() + 23, block.end(), ' ');
  return block;
}

Bytes CallBlock(std::string_view caller) {
  Bytes call = TextBytes(caller);
  const Bytes rest = Counting(0x20, 38);
  call.insert(call.end(), rest.begin(), rest.end());
  return call;
}

cmcEeprom OldImageWithCall(int slot, std::string_view caller, const Bytes& position) {
  cmcEeprom old = BlankImageOf(1);
  old.SetByte(kOldReceivedPositionTable + slot, 0);
  old.SetByte(kOldReceivedStatus + slot, 0x5A);
  Put(old, kOldReceivedCalls + 46 * slot, CallBlock(caller));
  PutText(old, kOldReceivedMessages + 20 * slot, "Message of 20 chars.");
  Put(old, kOldReceivedPositions + kOldPositionSize * slot, position);
  return old;
}

Bytes SsidText(std::string_view text) {
  Bytes bytes = TextBytes(text);
  bytes.resize(2, 0xFF);
  return bytes;
}

TEST(ReceivedCallConversion, ShownSlotsComeUpFieldByField) {
  constexpr int kSlot = 7;
  cmcEeprom old = OldImageWithCall(kSlot, "JA1ABC  ", OldPositionBlock(0, 0x61));
  Put(old, kOldReceivedCalls + 46 * 3, CallBlock("HIDDEN  "));  // slot 3 is shown nowhere
  const cmcEeprom converted = Converted(old, 1, 2);
  EXPECT_EQ(converted.GetByte(kReceivedStatus + kSlot), 0x5A);
  EXPECT_EQ(Get(converted, kReceivedCalls + 46 * kSlot, 46), CallBlock("JA1ABC  "));
  EXPECT_EQ(Get(converted, kReceivedMessages + 20 * kSlot, 20), TextBytes("Message of 20 chars."));
  const std::vector<MovedField> fields = {{"latitude, longitude, altitude", 0, 0, 12},
                                          {"detail bytes", 16, 12, 2},
                                          {"time stamp", 19, 25, 4},
                                          {"GPS message", 23, 49, 43},
                                          {"course", 12, 30, 2},
                                          {"speed", 14, 32, 2}};
  ExpectFieldsMoved(old, kOldReceivedPositions + kOldPositionSize * kSlot, converted,
                    kReceivedPositions + kPositionSize * kSlot, fields, true);
  EXPECT_EQ(Get(converted, kReceivedPositions + kPositionSize * kSlot + 34, 15), Repeated(0xFF, 15));
  EXPECT_EQ(Get(converted, kReceivedCalls + 46 * 3, 46), Repeated(0xFF, 46));
  EXPECT_EQ(Get(converted, kReceivedPositionTable, 50), Get(old, kOldReceivedPositionTable, 50));
}

TEST(ReceivedCallConversion, CallerWithSsidGoesUp) {
  struct Case {
    const char* caller;
    std::uint8_t ssidIndex;
    const char* ssidText;
    std::optional<std::string> callerWithSsid;  // none: the field stays blank
  };
  const Case cases[] = {
      {"ABCDE   ", 12, "11", "ABCDE-11 "},  {"ABCDEFGH", 12, "11", "ABCDEFGH "}, {"JA1ABC  ", 12, "11", "JA1ABC-11"},
      {"JA1ABCD ", 12, "11", "JA1ABCD  "},  {"JA1ABCD ", 17, "A", "JA1ABCD-A"},  {"JA1ABCDE", 42, "Z", "JA1ABCDE "},
      {"JA1ABC A", 5, "4", "JA1ABC-4 "},    {"JA1ABC A", 16, "15", "JA1ABC-15"}, {"JA1ABC A", 0, "", "JA1ABC A "},
      {"JA1ABC A", 1, "0", "JA1ABC   "},    {"JA1ABC A", 43, "", "JA1ABC A "},   {"JA1ABC A", 0xFF, "", "JA1ABC A "},
      {"        ", 12, "11", std::nullopt},
  };
  for (const Case& c : cases) {
    const cmcEeprom converted = Converted(OldImageWithCall(0, c.caller, OldPositionBlock(c.ssidIndex, 0xFF)), 1, 2);
    const std::string label = std::string(c.caller) + " SSID index " + std::to_string(c.ssidIndex);
    EXPECT_EQ(Get(converted, kReceivedPositions + 14, 2), SsidText(c.ssidText)) << label;
    EXPECT_EQ(Get(converted, kReceivedPositions + 16, 9),
              c.callerWithSsid ? TextBytes(*c.callerWithSsid) : Repeated(0xFF, 9))
        << label;
  }
}

TEST(ReceivedCallConversion, DataTypeOfCallsComingUp) {
  struct Case {
    const char* block;
    Bytes position;
    std::uint8_t expectedType;
  };
  Bytes blankButLatitudeTail = BlankOldPositionBlock();
  blankButLatitudeTail[1] = 0x12;
  Bytes blankButMessage = BlankOldPositionBlock();
  blankButMessage[30] = 'X';
  Bytes blankButAltitude = BlankOldPositionBlock();
  blankButAltitude[11] = 0xFE;
  Bytes blankButCourse = BlankOldPositionBlock();
  blankButCourse[13] = 0x00;
  Bytes blankButLongitude = BlankOldPositionBlock();
  blankButLongitude[4] = 0x00;
  const Case cases[] = {
      {"blank", BlankOldPositionBlock(), 0},
      {"blank but for latitude bytes after the first", blankButLatitudeTail, 0},
      {"blank but for the message", blankButMessage, 6},
      {"blank but for the altitude", blankButAltitude, 6},
      {"blank but for the course", blankButCourse, 6},
      {"blank but for the longitude", blankButLongitude, 6},
      {"with an SSID", OldPositionBlock(5, 0xFF), 1},
      {"with detail byte 16", OldPositionBlock(0, 0x00), 1},
      {"without SSID and detail byte", OldPositionBlock(0, 0xFF), 6},
      {"with an SSID index above 42", OldPositionBlock(43, 0xFF), 6},
  };
  for (const Case& c : cases) {
    const cmcEeprom converted = Converted(OldImageWithCall(0, "JA1ABC  ", c.position), 1, 2);
    EXPECT_EQ(converted.GetByte(kReceivedPositions + 29), c.expectedType) << c.block;
    const Bytes courseAndSpeed =
        c.expectedType == 0 ? Repeated(0xFF, 4) : Bytes(c.position.begin() + 12, c.position.begin() + 16);
    EXPECT_EQ(Get(converted, kReceivedPositions + 30, 4), courseAndSpeed) << c.block;
  }
}

// Generation-2 position block: the fields generation 1 keeps, SSID text at 14, caller with
// SSID at 16, time stamp at 25, data type at 29, course and speed at 30, message at 49.
Bytes PositionBlock(std::uint8_t type, std::string_view ssid) {
  Bytes block = Counting(0x30, kPositionSize);
  const Bytes ssidText = SsidText(ssid);
  std::copy(ssidText.begin(), ssidText.end(), block.begin() + 14);
  block[29] = type;
  const Bytes message = GpsMessage();
  std::copy(message.begin(), message.end(), block.begin() + 49);
  return block;
}

TEST(ReceivedCallConversion, CallsGoDownByDataType) {
  struct Case {
    const char* block;
    std::uint8_t type;
    const char* ssid;
    std::optional<std::uint8_t> ssidIndex;  // none: a call without position data
  };
  const Case cases[] = {
      {"position with SSID 11", 1, "11", 12},
      {"position without station, SSID A", 6, "A", 17},
      {"SSID 0", 1, "0", 1},
      {"unknown SSID text", 1, "1A", 0},
      {"no SSID", 6, "", 0},
      {"no data", 0, "5", std::nullopt},
      {"station data", 2, "5", std::nullopt},
      {"object", 3, "5", std::nullopt},
      {"weather", 5, "5", std::nullopt},
      {"blank type", 0xFF, "5", std::nullopt},
  };
  constexpr int kSlot = 4;
  for (const Case& c : cases) {
    cmcEeprom current = BlankImageOf(2);
    current.SetByte(kReceivedPositionTable + kSlot, 0);
    current.SetByte(kReceivedStatus + kSlot, 0x33);
    Put(current, kReceivedCalls + 46 * kSlot, CallBlock("JA1ABC  "));
    PutText(current, kReceivedMessages + 20 * kSlot, "Message of 20 chars.");
    const Bytes block = PositionBlock(c.type, c.ssid);
    Put(current, kReceivedPositions + kPositionSize * kSlot, block);
    const cmcEeprom converted = Converted(current, 2, 1);
    EXPECT_EQ(converted.GetByte(kOldReceivedStatus + kSlot), 0x33) << c.block;
    EXPECT_EQ(Get(converted, kOldReceivedCalls + 46 * kSlot, 46), CallBlock("JA1ABC  ")) << c.block;
    EXPECT_EQ(Get(converted, kOldReceivedMessages + 20 * kSlot, 20), TextBytes("Message of 20 chars."));
    const int old = kOldReceivedPositions + kOldPositionSize * kSlot;
    if (c.ssidIndex) {
      const std::vector<MovedField> fields = {{"latitude, longitude, altitude", 0, 0, 12},
                                              {"course", 12, 30, 2},
                                              {"speed", 14, 32, 2},
                                              {"detail bytes", 16, 12, 2},
                                              {"time stamp", 19, 25, 4},
                                              {"GPS message", 23, 49, 43}};
      ExpectFieldsMoved(current, kReceivedPositions + kPositionSize * kSlot, converted, old, fields, false);
      EXPECT_EQ(converted.GetByte(old + 18), *c.ssidIndex) << c.block;
    } else {
      Bytes expected = BlankOldPositionBlock();
      EXPECT_EQ(Get(converted, old, kOldPositionSize), expected) << c.block;
    }
  }
}

TEST(GpsMemoryConversion, MemoriesTheOrderNamesComeUpWithoutAltitude) {
  cmcEeprom old = BlankImageOf(1);
  Put(old, kOldGpsOrder, {4, 199, 200, 0xFF, 5});
  for (const int record : {4, 199, 5, 6}) Put(old, kOldGpsMemories + 30 * record, Counting(record, 30));
  const cmcEeprom converted = Converted(old, 1, 2);
  const std::vector<MovedField> fields = {
      {"latitude", 0, 0, 4}, {"longitude", 4, 4, 4}, {"date", 8, 8, 3}, {"time", 11, 11, 3}, {"name", 14, 18, 16}};
  for (const int record : {4, 199, 5}) {
    ExpectFieldsMoved(old, kOldGpsMemories + 30 * record, converted, kGpsMemories + 34 * record, fields, true);
    EXPECT_EQ(Get(converted, kGpsMemories + 34 * record + 14, 4), Bytes({0x7F, 0xFF, 0xFF, 0xFF})) << record;
  }
  EXPECT_EQ(Get(converted, kGpsMemories + 34 * 6, 34), Repeated(0xFF, 34)) << "named by no position";
}

TEST(GpsMemoryConversion, EveryMemoryGoesDownWithoutAltitude) {
  cmcEeprom current = BlankImageOf(2);
  for (const int record : {0, 77, 199}) Put(current, kGpsMemories + 34 * record, Counting(record, 34));
  const cmcEeprom converted = Converted(current, 2, 1);
  const std::vector<MovedField> fields = {{"position, date and time", 0, 0, 14}, {"name", 14, 18, 16}};
  for (const int record : {0, 77, 199}) {
    ExpectFieldsMoved(current, kGpsMemories + 34 * record, converted, kOldGpsMemories + 30 * record, fields, false);
  }
}

TEST(RepeaterSnapshotConversion, BothRecordsGoDownWithPackedFlags) {
  struct Case {
    std::uint8_t flags;
    std::uint8_t expected;  // duplex 7-6, position 3-2, 1 in 1-0
  };
  const Case cases[] = {{0x00, 0x01}, {0x5A, 0x49}, {0xFF, 0xCD}, {0x21, 0x85}};
  const std::pair<int, int> records[] = {{109849, 106712}, {109952, 106797}};
  const std::vector<MovedField> fields = {{"bytes 0-8", 0, 0, 9}, {"byte 11", 10, 11, 1}, {"bytes 12-64", 11, 12, 53}};
  for (const Case& c : cases) {
    cmcEeprom current = BlankImageOf(2);
    for (const auto& [record, oldRecord] : records) {
      Bytes bytes = Counting(record % 200, 65);
      bytes[9] = c.flags;
      Put(current, record, bytes);
    }
    const cmcEeprom converted = Converted(current, 2, 1);
    for (const auto& [record, oldRecord] : records) {
      ExpectFieldsMoved(current, record, converted, oldRecord, fields, false);
      EXPECT_EQ(converted.GetByte(oldRecord + 9), c.expected) << record << " flags " << int{c.flags};
    }
  }
}

}  // namespace

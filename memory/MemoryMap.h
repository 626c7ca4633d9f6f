#pragma once
// Where every list of the generation-3 radio lives in the memory image, and the sizes of
// its records. Addresses up to kExchangedEnd are the radio's own memory; the program-side
// extension above it is rebuilt by the program and never leaves it.
#include <cstdint>
#include <string_view>

namespace MemoryMap {

using Address = std::int32_t;

// Exchanged range.
inline constexpr Address kExchangedEnd = 0x1FB3F;

// Memory channels, program scan edges and call channels (49-byte channel records).
inline constexpr int kChannelRecordSize = 49;
inline constexpr Address kMemoryChannels = 0;
inline constexpr int kMemoryChannelCount = 500;
inline constexpr Address kScanEdges = 24500;
inline constexpr int kScanEdgePairCount = 25;
inline constexpr int kScanEdgePairSize = 98;
inline constexpr Address kCallChannels = 26950;
inline constexpr int kCallChannelCount = 4;
// The channel list runs through the memory channels, both edges of each pair, then the call
// channels.
inline constexpr int kFirstScanEdgeIndex = kMemoryChannelCount;
inline constexpr int kFirstCallChannelIndex = kFirstScanEdgeIndex + 2 * kScanEdgePairCount;
inline constexpr int kChannelIndexCount = kFirstCallChannelIndex + kCallChannelCount;
inline constexpr Address kChannelEmptyBits = 27200;
inline constexpr Address kChannelSkipBits = 27270;
inline constexpr Address kChannelPSkipBits = 27339;
// Two bytes per channel: the bank in the low bits of the first (all set for none), the bank
// channel in the second.
inline constexpr Address kChannelBankPairs = 27456;
inline constexpr std::uint8_t kBankPairBankBits = 0x1F;
inline constexpr int kBankCount = 26;
inline constexpr int kBankChannelCount = 100;

// Names.
inline constexpr int kNameLength = 16;
inline constexpr int kCallSignLength = 8;
inline constexpr Address kImageComment = 28608;
inline constexpr Address kBankNames = 28624;
inline constexpr Address kScanEdgeNames = 29040;
inline constexpr Address kScanLinkNames = 29440;
inline constexpr int kScanLinkCount = 10;
// The scan-link view gives each link an "Add" row and a row per scan edge pair it may hold.
inline constexpr int kScanLinkRows = 1 + kScanEdgePairCount;

// DTMF memories: 16 sequences of 24 digit codes, 0xFF ends a sequence.
inline constexpr Address kDtmfMemories = 29600;
inline constexpr int kDtmfMemoryCount = 16;
inline constexpr int kDtmfMemorySize = 24;

// Broadcast radio memories (20 bytes each) and their groups of 16-bit record numbers.
inline constexpr Address kBroadcastMemories = 30016;
inline constexpr int kBroadcastRecordSize = 20;
inline constexpr int kBroadcastMemoryCount = 500;
inline constexpr Address kBroadcastSkipBits = 40016;
inline constexpr Address kBroadcastGroups = 40079;
inline constexpr int kBroadcastGroupCount = 26;
inline constexpr int kBroadcastGroupSlots = 50;
inline constexpr Address kBroadcastGroupNames = 42679;

// Repeater list (50-byte entries) and the packed gateway call signs beside it.
inline constexpr Address kRepeaters = 43200;
inline constexpr int kRepeaterRecordSize = 50;
inline constexpr int kRepeaterCount = 750;
inline constexpr Address kRepeaterGateways = 80700;
inline constexpr int kPackedCallSignSize = 7;
inline constexpr Address kRepeaterGroupNames = 85950;
inline constexpr int kRepeaterGroupCount = 30;

// Own and your call signs.
inline constexpr Address kMyCallSigns = 86430;
inline constexpr int kMyCallSignCount = 6;
inline constexpr int kMyCallSignSize = 12;
inline constexpr Address kYourCallSigns = 86502;
inline constexpr Address kYourCallNames = 88102;
inline constexpr int kYourCallCount = 200;

// Received call record: status bytes, 46-byte call blocks, messages, 92-byte position blocks.
inline constexpr int kReceivedCallCount = 50;
inline constexpr Address kReceivedStatus = 91302;
inline constexpr Address kReceivedCalls = 91352;
inline constexpr int kReceivedCallSize = 46;
inline constexpr Address kReceivedMessages = 93652;
inline constexpr int kMessageLength = 20;
inline constexpr Address kReceivedPositions = 94652;
inline constexpr int kReceivedPositionSize = 92;

// Transmit histories.
inline constexpr Address kHistoryFrom = 99252;
inline constexpr int kHistoryFromCount = 10;
inline constexpr Address kHistoryFromAnalog = 99332;
inline constexpr int kHistoryFromAnalogCount = 10;
inline constexpr int kHistoryFromAnalogSize = 12;
inline constexpr Address kHistoryTo = 99452;
inline constexpr int kHistoryToCount = 20;
inline constexpr Address kHistoryReflector = 99612;
inline constexpr int kHistoryReflectorCount = 5;
inline constexpr Address kTransmitMessages = 99652;
inline constexpr int kTransmitMessageCount = 5;
inline constexpr Address kSelectedTransmitMessage = 99752;

// GPS memories (34 bytes each) and their group names.
inline constexpr Address kGpsMemories = 99776;
inline constexpr int kGpsRecordSize = 34;
inline constexpr int kGpsMemoryCount = 200;
inline constexpr Address kGpsGroupNames = 106576;
inline constexpr int kGpsGroupNameCount = 26;

// The radio's order and slot tables.
inline constexpr Address kRepeaterOrder = 107008;
inline constexpr Address kRepeaterGroupStarts = 108508;
inline constexpr Address kYourCallOrder = 108568;
inline constexpr Address kReceivedPositionTable = 108768;
inline constexpr Address kHistoryFromSlots = 108818;
inline constexpr Address kHistoryFromAnalogSlots = 108828;
inline constexpr Address kHistoryToSlots = 108838;
inline constexpr Address kHistoryReflectorSlots = 108858;
inline constexpr Address kGpsOrder = 108863;
inline constexpr Address kGpsGroupStarts = 109063;
inline constexpr int kGpsGroupCount = 1 + kGpsGroupNameCount;  // group 0, no group, has no name
inline constexpr Address kRepeaterRpt1UseBits = 109090;

// Settings block and the settings the lists depend on.
inline constexpr Address kSettings = 109184;
inline constexpr Address kRememberedChannel = 109315;
inline constexpr Address kRememberedRepeater = 109317;
inline constexpr Address kGpsAlarmType = 109413;
inline constexpr Address kGpsAlarmGroup = 109414;
inline constexpr Address kGpsAlarmPosition = 109415;
inline constexpr Address kRadioUtcOffset = 109418;
inline constexpr Address kRadioBandTemplates = 109632;
inline constexpr Address kRadioBroadcastTemplates = 109734;
inline constexpr Address kScanLinkMembers = 110261;
inline constexpr int kScanLinkMemberSize = 4;

// Identity.
inline constexpr Address kMapRevision = 110400;
inline constexpr Address kFormatSignature = 110416;
inline constexpr std::string_view kFormatSignatureText = "QuorCloneFormat3";

// Program-side extension.
inline constexpr Address kBandTemplates = 131072;
inline constexpr int kBandTemplateSize = 17;
inline constexpr int kBandTemplateCount = 3;
inline constexpr Address kBroadcastTemplates = 131123;
inline constexpr int kBroadcastTemplateSize = 6;
inline constexpr Address kBankTables = 131135;
inline constexpr Address kRepeaterGroupCounts = 136335;
inline constexpr Address kYourCallCountAddress = 136395;

// Markers of index and order tables.
inline constexpr std::uint16_t kEmptySlot16 = 0xFFFF;
inline constexpr std::uint8_t kEmptySlot8 = 0xFF;
inline constexpr std::uint16_t kBankEntryFree = 0xFFFF;
inline constexpr std::uint16_t kBankEntryConflict = 0xFFFE;

}  // namespace MemoryMap

// The settings (offsets in the settings block) that the list pages follow.
namespace ListSetting {
inline constexpr int kDtmfSpeed = 42;
inline constexpr int kPositionFormat = 70;  // 0 degrees and decimal minutes, else with seconds
inline constexpr int kUnits = 71;           // 0 metric
inline constexpr int kSpeedUnits = 87;
inline constexpr int kTemperatureUnits = 150;
inline constexpr int kPressureUnits = 151;
inline constexpr int kRainUnits = 152;
inline constexpr int kWindUnits = 153;
inline constexpr int kSelectedMyCallSign = 164;  // counted from 0
inline constexpr int kDtmfTCallSelected = 375;   // 1: T-CALL, 0: the memory below
inline constexpr int kDtmfSelectedMemory = 376;  // memory - 1
}  // namespace ListSetting

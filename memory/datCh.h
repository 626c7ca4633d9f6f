#pragma once
// The decoded record: one entry of one list of a generation-3 image as plain fields, the
// values those fields take, and the codecs between the fields and the entry's bytes, all in
// datCh.cpp. A datCh is a short-lived value bound to an image that
// must outlive it; it owns nothing.
//
// Every index read from the image (order tables, group starts, slot tables, bank pairs,
// gateway references) is range-checked before it is followed: an index that points outside
// its list reads as an empty entry and is never written through. An index outside a kind's
// range loads an empty record and stores nothing.
#include <array>
#include <cstdint>

#include "memory/FixedText.h"
#include "memory/GpsPosition.h"
#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

// Record kinds: the number a list is selected by.
namespace RecordKind {
inline constexpr int kNone = 0;
inline constexpr int kChannel = 1;             // memory channels 0-499, scan edges, call channels
inline constexpr int kBankView = 4;            // index kBankChannelCount x bank + bank channel,
                                               // through kind 1
inline constexpr int kScanLink = 5;            // index kScanLinkRows x link + row; row 0 "Add"
inline constexpr int kGps = 6;                 // GPS memories by list position 0-199
inline constexpr int kRepeater = 7;            // repeater list positions 0-749
inline constexpr int kYourCall = 8;            // your call signs 0-199
inline constexpr int kReceivedCall = 9;        // received call record positions 0-49
inline constexpr int kHistoryFrom = 10;        // transmit history From 0-9
inline constexpr int kHistoryFromAnalog = 11;  // transmit history From-analog 0-9
inline constexpr int kHistoryTo = 12;          // transmit history To 0-19
inline constexpr int kHistoryReflector = 13;   // transmit history Reflector 0-4
inline constexpr int kBroadcastFm = 14;        // index BroadcastListIndex (group, FM, slot)
inline constexpr int kBroadcastAm = 15;        // index BroadcastListIndex (group, AM, position)
inline constexpr int kBandTemplate = 17;       // band template 0-2 (other indexes: 2)
inline constexpr int kBandTemplateSkip = 18;   // as 17 with skip 1
inline constexpr int kNewBroadcastFm = 19;
inline constexpr int kNewBroadcastAm = 20;
inline constexpr int kNewGpsNow = 21;      // stamped with the current time in UTC
inline constexpr int kNewGpsUndated = 22;  // date and time bytes 0x99
inline constexpr int kNewRepeater = 23;
inline constexpr int kNewYourCall = 24;
}  // namespace RecordKind

// Values of the decoded channel and repeater fields that the band rules, the defaults and
// the checks name.
namespace ChannelMode {
inline constexpr std::uint8_t kFm = 0;
inline constexpr std::uint8_t kFmNarrow = 1;
inline constexpr std::uint8_t kAm = 3;
inline constexpr std::uint8_t kDv = 5;

// The modes a channel may hold; the radio offers no others.
constexpr bool IsDefined(std::uint8_t mode) { return mode == kFm || mode == kFmNarrow || mode == kAm || mode == kDv; }
}  // namespace ChannelMode

namespace TuningStep {
inline constexpr std::uint8_t k5kHz = 0;
inline constexpr std::uint8_t k8p33kHz = 2;
inline constexpr std::uint8_t k20kHz = 7;
inline constexpr std::uint8_t k25kHz = 8;
inline constexpr std::uint8_t kAuto = 14;
}  // namespace TuningStep

namespace ToneMode {
inline constexpr std::uint8_t kOff = 0;
inline constexpr std::uint8_t kLastDefined = 11;  // TONE(T)/TSQL(R)
}  // namespace ToneMode

inline constexpr std::uint8_t kDuplexOff = 0;
inline constexpr std::uint8_t kDuplexMinus = 1;
inline constexpr std::uint8_t kDuplexPlus = 2;

// 88.5 Hz in the 50-tone table: the tone of every new channel and repeater entry.
inline constexpr std::uint8_t kDefaultToneIndex = 8;

// Repeater entry types as the repeater sheets show them.
namespace RepeaterType {
inline constexpr int kDvRepeater = 0;
inline constexpr int kDvSimplex = 1;
inline constexpr int kFmRepeater = 2;
inline constexpr int kFmSimplex = 3;
}  // namespace RepeaterType

// Repeater entry modes (the mode field of kinds 7 and 23).
inline constexpr std::uint8_t kRepeaterModeDv = 0;
inline constexpr std::uint8_t kRepeaterModeFm = 1;
inline constexpr std::uint8_t kRepeaterModeFmNarrow = 2;

// Entry numbers that mean "none" in the decoded record.
inline constexpr std::uint16_t kNoRepeater = 0xFFFF;           // repeater look-ups, gateway reference
inline constexpr int kNoYourCall = MemoryMap::kYourCallCount;  // your-call look-ups
// The call-sign display helpers: one past the entries of either list.
inline constexpr std::uint16_t kNoEntryFound = MemoryMap::kRepeaterCount;
inline constexpr std::uint8_t kNoBank = 255;
inline constexpr std::uint8_t kNoMemberPair = 255;

// The your call sign that calls everyone: a new channel's, and what a blank one stands for.
inline constexpr CallSignText kCallEveryone = MakeFixedText<MemoryMap::kCallSignLength>("CQCQCQ");
// What a new repeater or your-call entry holds until a call sign is typed.
inline constexpr CallSignText kPlaceholderCallSign = MakeFixedText<MemoryMap::kCallSignLength>("CALLSIGN");

class datCh {
 public:
  // Flag bits.
  static constexpr std::uint8_t kFlagUsed = 0x01;
  static constexpr std::uint8_t kFlagEdgeAAbsent = 0x02;  // scan-link view: edge A unused
  static constexpr std::uint8_t kFlagEdgeBAbsent = 0x04;  // scan-link view: edge B unused

  datCh();
  explicit datCh(cmcEeprom& image);

  // Rebinds to another image without touching the decoded fields.
  void Bind(cmcEeprom& image);
  // Every number 0, used set, bank and bank channel 255, every text spaces; keeps kind,
  // index and binding.
  void Reset();
  // Reset, remember kind and index, decode the entry. Loading an unbound record is fatal.
  void Load(int kind, int index);
  void Reload();
  // Encodes the fields into the entry; kind 0 means the remembered kind. Kinds that are not
  // stored back (9-13, 17-24) change nothing.
  void Store(int kind, int index);
  // Store at the remembered kind and index, then Reload.
  void Commit();
  // Copies every field, kind, index and binding.
  void CopyFrom(const datCh& other);
  // Decodes an entry of another image and copies its fields, keeping this record's kind,
  // index and binding.
  void LoadFrom(cmcEeprom& image, int kind, int index);

  int Kind() const { return kind_; }
  int Index() const { return index_; }
  cmcEeprom* Image() const { return image_; }
  bool IsUsed() const { return (flags & kFlagUsed) != 0; }
  void SetUsed(bool used);

  // The derived repeater entry type (RepeaterType; an unused entry reads DV Repeater);
  // setting it adjusts mode, duplex and call signs.
  int RepeaterEntryType() const;
  void SetRepeaterEntryType(int type);

  // Call-sign helpers of the DV cells. Completion: when exactly one of RPT1 and RPT2 is
  // blank it takes the other's value, a final "G" of RPT1 becomes a space, a blank UR
  // becomes "CQCQCQ". Display names: the your-call or repeater entry found for UR, RPT1 and
  // RPT2 in the bound image supplies its name, otherwise the call sign itself is shown;
  // the found entry numbers are kept, kNoEntryFound meaning none.
  void CompleteRepeaterCalls();
  void DeriveDisplayNames();

  // Field by field, including kind, index and binding.
  bool operator==(const datCh&) const = default;

  std::uint8_t flags = kFlagUsed;

  // Memory channel (kinds 1, 4, 17, 18) and the shared fields of other kinds.
  std::uint32_t frequency = 0;       // hertz; also repeater, broadcast, From-analog history
  std::uint32_t offset = 0;          // hertz; also repeater
  std::uint8_t repeaterTone = 0;     // tone index 0-49; repeater: tone frequency index
  std::uint8_t toneSquelchTone = 0;  // tone index 0-49
  std::uint8_t mode = 0;             // channel 0 FM, 1 FM-N, 3 AM, 5 DV; repeater 0 DV, 1 FM, 2 FM-N
  std::uint8_t dtcsCode = 0;
  std::uint8_t tuningStep = 0;
  std::uint8_t digitalSquelch = 0;   // 0 OFF, 2 DSQL, 4 CSQL
  std::uint16_t audioFrequency = 0;  // 9 bits, units of 10 Hz
  std::uint8_t toneMode = 0;         // channel 0-11; repeater tone 0 OFF, 1 TONE, 2 TSQL
  std::uint8_t duplex = 0;           // 0 OFF, 1 -DUP, 2 +DUP
  std::uint8_t dtcsPolarity = 0;
  std::uint8_t digitalCode = 0;
  NameText name = kBlankName;  // channel, repeater, your call, GPS, broadcast, found entry
  CallSignText yourCall = kBlankCallSign;
  CallSignText rpt1 = kBlankCallSign;  // also the received call's RPT1
  CallSignText rpt2 = kBlankCallSign;  // also the received call's RPT2
  std::uint8_t skip = 0;               // 0 off, 1 skip, 3 P-skip; broadcast 0 or 1
  std::uint8_t bank = kNoBank;         // 0-25 A-Z, 255 none
  std::uint8_t bankChannel = kNoBank;

  // Repeater entry (kinds 7, 23).
  CallSignText callSign = kBlankCallSign;  // also your call sign and history call signs
  CallSignText gateway = kBlankCallSign;
  FixedText<8> subName = Spaces<8>();
  GpsPosition latitude{};  // also GPS memories and the received call
  GpsPosition longitude{};
  std::int16_t utcOffset = 0;  // minutes, 0x7FFF not set
  std::uint8_t rpt1Use = 0;
  std::uint8_t positionKind = 0;  // 0 None, 1 Approximate, 2 Exact
  std::uint8_t group = 0;         // repeater group 0-29 (30 none); GPS group 0-26
  std::uint16_t gatewayReference = 0;

  // GPS memory (kinds 6, 21, 22).
  std::array<std::uint8_t, 3> date{};  // BCD day, month, year - 2000
  std::array<std::uint8_t, 3> time{};  // BCD hour, minute, second
  std::int32_t altitude = 0;           // tenths of a foot, 0x7FFFFFFF not set

  // The record number behind a list position (GPS memories, broadcast radio): -1 none.
  std::int16_t record = 0;

  // Scan-link view (kind 5).
  std::uint8_t memberPair = 0;
  std::uint8_t memberFlag = 0;
  std::uint32_t edgeFrequencyA = 0;
  std::uint32_t edgeFrequencyB = 0;

  // Received call record (kind 9): the decoded common fields and the raw position block,
  // whose detail bytes the formatters read by data type.
  std::uint8_t status = 0;
  CallSignText caller = kBlankCallSign;
  FixedText<4> callerNote = Spaces<4>();
  CallSignText called = kBlankCallSign;
  std::uint32_t receivedTime = 0;
  std::array<std::uint8_t, 3> receivedFieldA{};
  std::array<std::uint8_t, 3> receivedFieldB{};
  FixedText<MemoryMap::kMessageLength> message = Spaces<MemoryMap::kMessageLength>();
  std::array<std::uint8_t, 92> positionBlock{};
  FixedText<2> ssid = Spaces<2>();
  FixedText<9> callerWithSsid = Spaces<9>();
  std::uint32_t gpsTimestamp = 0;
  std::uint8_t dataType = 0;
  FixedText<43> gpsMessage = Spaces<43>();

  // Transmit histories (kinds 10-13): whether the looked-up repeater or your-call entry
  // exists, and its list position. Its name, frequency, duplex and offset are copied into
  // the fields above (From-analog keeps its own frequency).
  std::uint8_t found = 0;
  std::uint16_t foundEntry = 0;

  // Call-sign display helpers (DeriveDisplayNames).
  NameText yourCallName = kBlankName;
  NameText rpt1Name = kBlankName;
  NameText rpt2Name = kBlankName;
  std::uint16_t yourCallFound = 0;
  std::uint16_t rpt1Found = 0;
  std::uint16_t rpt2Found = 0;

 private:
  void Decode();
  // Copies other's decoded fields, keeping this record's kind, index and binding.
  void TakeFieldsOf(const datCh& other);
  void Encode(int kind, int index);
  cmcEeprom& BoundImage() const;

  int kind_ = RecordKind::kNone;
  int index_ = 0;
  cmcEeprom* image_ = nullptr;
};

// Single fields of list entries, read straight from the image for the look-ups that scan a
// whole list. A repeater entry must be 0-749, a your-call entry 0-199, a broadcast memory
// record 0-499.
std::int32_t RepeaterAddress(int entry);
std::uint8_t RepeaterModeOf(const cmcEeprom& image, int entry);
std::uint8_t RepeaterDuplexOf(const cmcEeprom& image, int entry);
std::uint32_t RepeaterFrequencyOf(const cmcEeprom& image, int entry);
CallSignText RepeaterCallSignOf(const cmcEeprom& image, int entry);
CallSignText RepeaterGatewayOf(const cmcEeprom& image, int entry);
NameText RepeaterNameOf(const cmcEeprom& image, int entry);
CallSignText YourCallOf(const cmcEeprom& image, int entry);
NameText YourCallNameOf(const cmcEeprom& image, int entry);
std::uint32_t BroadcastFrequencyOf(const cmcEeprom& image, int record);

// The codecs the list code and the default images call without a bound record.
// DecodeRepeater reads repeater entry entry (0-749; any other decodes as unused) of an image
// the caller may not change into a reset record; EncodeBroadcastRecord writes a broadcast
// memory record (0-499; any other writes nothing) whichever list shows it; EncodeBandTemplate
// gives the 17-byte form the radio keeps a band template in (kind 17 reads it back).
void DecodeRepeater(datCh& record, const cmcEeprom& image, int entry);
void EncodeBroadcastRecord(const datCh& record, cmcEeprom& image, int memory);
std::array<std::uint8_t, MemoryMap::kBandTemplateSize> EncodeBandTemplate(const datCh& bandTemplate);

// The set-mode items: the radio's menu settings on the Digital, GPS, Common and A/B Band
// pages. Each item is a value in the settings block of the image, mostly one byte that indexes
// a selection list; the rows below say where each lives and which cell kind shows it, and the
// functions after them carry the rules that reach beyond one byte.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "memory/DestinationTables.h"
#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/MemoryMap.h"
#include "memory/datCh.h"
#include "sheet/cells/CellFamilies.h"
#include "sheet/cells/ListCell.h"
#include "sheet/cells/SetModeItems.h"
#include "sheet/cells/ValueCells.h"
#include "values/AltitudeCell.h"
#include "values/AprsSymbols.h"
#include "values/BitSetCell.h"
#include "values/HexByteCell.h"
#include "values/IntegerListCell.h"
#include "values/NumberCell.h"
#include "values/PositionCell.h"
#include "values/SentenceSetCell.h"
#include "values/TextCell.h"
#include "values/UtcOffsetCell.h"
#include "values/ZeroPadded.h"

namespace {

using MemoryMap::Address;

enum class Storage { kByte, kSigned16, kUnsigned16, kUnsigned32, kSigned32, kText, kPosition, kBankLink };

struct SettingItem;
using ItemBehaviour = void (*)(ActiveCellFrame&, const SettingItem&, Address);

struct SettingItem {
  unsigned cellId;
  Address offset;  // from the start of the settings block, or from `base`
  ItemBehaviour behaviour;
  std::string_view list = {};  // the selection list of a plain list item
  int minimum = 0;             // the range of a plain number item
  int maximum = 0;
  Storage storage = Storage::kByte;
  int size = 1;      // bytes of a text field
  int elements = 1;  // elements of an indexed item, one per cell index
  int stride = 1;    // bytes from one element to the next
  Address base = MemoryMap::kSettings;
};

constexpr std::string_view kOnOff = "GI_Sheet_Sel_Misc_OnOff";
constexpr std::string_view kAutoOff = "GI_Sheet_Sel_Misc_AutoOff";

// Settings offsets that other items depend on.
constexpr Address kAutoRepeaterUs = 4;
constexpr Address kAutoRepeaterOnOff = 3;
constexpr Address kGpsTxMode = 33;
constexpr Address kGpsSelect = 80;
constexpr Address kPositionFormat = 70;
constexpr Address kDistanceUnits = 71;
constexpr Address kDataExtension = 75;
constexpr Address kAltitudeItem = 83;
constexpr Address kSystemLanguage = 61;
constexpr Address kCivDataJack = 154;
constexpr Address kWeatherAlert = 43;
constexpr Address kAlarmType = 229;
constexpr Address kAlarmGroup = 230;
constexpr Address kAlarmPosition = 231;

constexpr std::uint8_t kGpsSelectManual = 3;
constexpr std::uint8_t kGpsTxDprs = 1;
constexpr std::uint8_t kAutoTx5Seconds = 1;
constexpr std::uint8_t kAlarmOneMemory = 3;
constexpr std::uint8_t kAlarmGroupMemories = 2;
constexpr int kCommentLength = 43;
constexpr int kCommentWithExtension = 36;
constexpr int kAltitudeLength = 8;
constexpr int kHighestAlarmMemory = 199;
constexpr std::size_t kHomeVfoWidth = 11;

std::uint8_t SettingByte(const ActiveCellFrame& frame, Address offset) {
  return frame.Image().GetByte(MemoryMap::kSettings + offset);
}

void SetSettingByte(ActiveCellFrame& frame, Address offset, int value) {
  frame.Image().SetByte(MemoryMap::kSettings + offset, static_cast<std::uint8_t>(value));
}

// A changed setting may change how other items show (greying, lists, lengths): the whole
// page repaints.
void NoteChange(ActiveCellFrame& frame) { frame.scope |= kRepaintEveryBoundCell; }

void Refuse(ActiveCellFrame& frame) {
  if (frame.IsAction() && frame.Committed()) frame.request.inputRefused = true;
}

// A committed text that the codec did not take; the GPS text editor hands its text back as
// a pick.
void NoteCommit(ActiveCellFrame& frame, bool taken, bool picksAreTexts = false) {
  const bool text = frame.request.inputKind == kInputCommitted || (picksAreTexts && frame.Committed());
  if (text && !taken) Refuse(frame);
  if (taken) NoteChange(frame);
}

void Grey(ActiveCellFrame& frame, bool greyed) {
  if (greyed) frame.request.fontColor = kClSilver;
}

// --- Plain items ---

// What a list cell shows for value, asked without acting: the old value's text when a rule
// keeps it after a pick.
std::string ListText(ActiveCellFrame& frame, const ListCellTraits& traits, int value) {
  cmcCellCapsule query = frame.request;
  ActiveCellFrame shown(query, kCellQuery, frame.document);
  AnswerListCell(shown, traits, value);
  return query.outputText;
}

// Keeps the value: the pick or text is refused and the old text shows again.
void KeepList(ActiveCellFrame& frame, const ListCellTraits& traits, int value) {
  frame.request.outputText = ListText(frame, traits, value);
  frame.request.inputRefused = frame.Committed();
}

void AnswerByteListOf(ActiveCellFrame& frame, const ListCellTraits& traits, Address at) {
  int value = frame.Image().GetByte(at);
  if (!AnswerListCell(frame, traits, value)) return;
  frame.Image().SetByte(at, static_cast<std::uint8_t>(value));
  NoteChange(frame);
}

void AnswerByteList(ActiveCellFrame& frame, const SettingItem& item, Address at) {
  AnswerByteListOf(frame, {std::string(item.list)}, at);
}

void AnswerByteNumber(ActiveCellFrame& frame, const SettingItem& item, Address at) {
  NumberCellFormat format;
  format.minimum = item.minimum;
  format.maximum = item.maximum;
  format.stepping = true;
  std::int32_t value = frame.Image().GetByte(at);
  const bool changed = AnswerValue(frame, NumberCell(format), value);
  if (changed) frame.Image().SetByte(at, static_cast<std::uint8_t>(value));
  NoteCommit(frame, changed);
}

// A text field of the image; fields the radio pads with 0xFF keep that padding.
void AnswerTextField(ActiveCellFrame& frame, const SettingItem& item, Address at, const TextCellFormat& format) {
  std::string field(static_cast<std::size_t>(item.size), ' ');
  for (int i = 0; i < item.size; ++i)
    field[static_cast<std::size_t>(i)] = static_cast<char>(frame.Image().GetByte(at + i));
  const bool changed = AnswerValue(frame, TextCell(format, CodecSettingsOf(frame)), std::span<char>(field));
  NoteCommit(frame, changed);
  if (!changed) return;
  for (int i = 0; i < item.size; ++i)
    frame.Image().SetByte(at + i, static_cast<std::uint8_t>(field[static_cast<std::size_t>(i)]));
}

void AnswerText(ActiveCellFrame& frame, const SettingItem& item, Address at) {
  AnswerTextField(frame, item, at, TextCellFormat{});
}

void AnswerPaddedText(ActiveCellFrame& frame, const SettingItem& item, Address at) {
  AnswerTextField(frame, item, at, TextCellFormat{true, '\xFF'});
}

// Characters beyond what the radio sends are drawn light grey: the data extension and the
// altitude take their room from the comment.
void AnswerComment(ActiveCellFrame& frame, const SettingItem& item, Address at) {
  AnswerPaddedText(frame, item, at);
  int valid = SettingByte(frame, kDataExtension) != 0 ? kCommentWithExtension : kCommentLength;
  if (SettingByte(frame, kAltitudeItem) != 0) valid -= kAltitudeLength;
  frame.request.validLength = static_cast<std::uint8_t>(valid);
}

// --- Lists that depend on other settings ---

// With CI-V on the data jack the radio offers 4800, 9600 and 19200 bps only; a stored rate
// outside those shows through the variant that names it by the rate it then runs at.
std::string BaudRateList(const ActiveCellFrame& frame, int value) {
  if (SettingByte(frame, kCivDataJack) == 0) return "GI_Sheet_Sel_Common_CIV_BaudRate";
  switch (value) {
    case 0:
      return "GI_Sheet_Sel_Common_CIV_BaudRate_300Mask";
    case 1:
      return "GI_Sheet_Sel_Common_CIV_BaudRate_1200Mask";
    case 5:
      return "GI_Sheet_Sel_Common_CIV_BaudRate_AutoMask";
    default:
      return "GI_Sheet_Sel_Common_CIV_BaudRate_ExcMask";
  }
}

// D-PRS transmits no faster than every 10 seconds; a stored 5 seconds stays visible.
std::string AutoTxList(const ActiveCellFrame& frame, int value) {
  const bool dprs = SettingByte(frame, kGpsTxMode) == kGpsTxDprs && value != kAutoTx5Seconds;
  return dprs ? "GI_Sheet_Sel_Common_GpsAutoTX2" : "GI_Sheet_Sel_Common_GpsAutoTX";
}

std::string DisplayTypeList(const ActiveCellFrame& frame, int value) {
  if (SettingByte(frame, kSystemLanguage) == 1) return "GI_Sheet_Sel_Common_Display_Type";
  return value == 2 || value == 4 ? "GI_Sheet_Sel_Common_Display_Type_EngLarge"
                                  : "GI_Sheet_Sel_Common_Display_Type_EngNormal";
}

std::string JapaneseVariant(ActiveCellFrame& frame, std::string_view list) {
  return IsJapaneseDisplay(frame.document) ? std::string(list) + "_JPN" : std::string(list);
}

void AnswerVariantList(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const int value = frame.Image().GetByte(at);
  std::string list;
  switch (frame.cellId) {
    case CL_Common_CIV_BaudRate:
      list = BaudRateList(frame, value);
      break;
    case CL_Common_GPS_AutoTx:
      list = AutoTxList(frame, value);
      break;
    case CL_Common_Display_Type:
      list = DisplayTypeList(frame, value);
      break;
    case CL_Common_PositionFormat:
      list = JapaneseVariant(frame, "GI_Sheet_Sel_MenuMode_GpsFormat");
      break;
    default:
      list = JapaneseVariant(frame, "GI_Sheet_Sel_Common_Temp_Units");
      break;
  }
  AnswerByteListOf(frame, {list}, at);
}

// Destinations 0 and 1 choose among three auto repeater modes, 5 and 15 switch it on or off,
// the others have none.
void AnswerAutoRepeater(ActiveCellFrame& frame, const SettingItem&, Address) {
  const std::int32_t destination = frame.document.Settings().destinationCode;
  if (IsUsDestination(destination)) {
    return AnswerByteListOf(frame, {"GI_Sheet_Sel_Common_USA_Auto_RPT"}, MemoryMap::kSettings + kAutoRepeaterUs);
  }
  if (destination == DestinationCode::kKorea || destination == DestinationCode::kJapan) {
    return AnswerByteListOf(frame, {std::string(kOnOff)}, MemoryMap::kSettings + kAutoRepeaterOnOff);
  }
  Refuse(frame);
}

// --- Multi-byte values ---

void AnswerUtcOffset(ActiveCellFrame& frame, const SettingItem&, Address at) {
  auto offset = static_cast<std::int16_t>(ReadU16(frame.Image(), at));
  const bool changed = AnswerValue(frame, UtcOffsetCell(false), offset);
  if (changed) WriteU16(frame.Image(), at, static_cast<std::uint16_t>(offset));
  NoteCommit(frame, changed);
}

void AnswerHexByte(ActiveCellFrame& frame, const SettingItem&, Address at) {
  std::uint8_t value = frame.Image().GetByte(at);
  const bool changed = AnswerValue(frame, HexByteCell{}, value);
  if (changed) frame.Image().SetByte(at, value);
  NoteCommit(frame, changed);
}

void AnswerManualPosition(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const PositionAxis axis = frame.cellId == CL_Common_ManualPosLat ? PositionAxis::kLatitude : PositionAxis::kLongitude;
  GpsPosition position = ReadPosition(frame.Image(), at);
  const PositionCell codec(axis, SettingByte(frame, kPositionFormat) != 0, CodecSettingsOf(frame));
  const bool changed = AnswerValue(frame, codec, position);
  if (changed) WritePosition(frame.Image(), at, position);
  NoteCommit(frame, changed, true);
  Grey(frame, SettingByte(frame, kGpsSelect) != kGpsSelectManual);
}

void AnswerManualAltitude(ActiveCellFrame& frame, const SettingItem&, Address at) {
  auto altitude = static_cast<std::int32_t>(ReadU32(frame.Image(), at));
  const bool changed = AnswerValue(frame, AltitudeCell(SettingByte(frame, kDistanceUnits) == 0), altitude);
  if (changed) WriteU32(frame.Image(), at, static_cast<std::uint32_t>(altitude));
  NoteCommit(frame, changed);
  Grey(frame, SettingByte(frame, kGpsSelect) != kGpsSelectManual);
}

// Values 0-10 read "-5" to "+5"; the pop-up lists them from "+5" down.
void AnswerRadioLevel(ActiveCellFrame& frame, const SettingItem&, Address at) {
  IntegerListPopup list;
  list.maximum = 10;
  list.offset = -5;
  list.rightAligned = true;
  list.reversed = true;
  list.signedText = true;
  list.suffix = " ";
  const IntegerListCell codec(list);
  std::int32_t value = frame.Image().GetByte(at);
  const cmcCellCapsule* parent = frame.request.parent;
  bool changed = false;
  if (frame.IsAction() && frame.request.inputKind == kInputPicked && parent != nullptr && parent->cell != nullptr &&
      parent->cell->cellId == Flex0) {
    frame.request.outputText = codec.Display(value);
    changed = codec.PickEntry(parent->cell->index, value);
    if (changed) frame.request.outputText = codec.Display(value);
  } else {
    changed = AnswerValue(frame, codec, value);
    NoteCommit(frame, changed);
  }
  if (!changed) return;
  frame.Image().SetByte(at, static_cast<std::uint8_t>(value));
  NoteChange(frame);
}

void AnswerSentenceSet(ActiveCellFrame& frame, const SettingItem&, Address at) {
  std::uint8_t bits = frame.Image().GetByte(at);
  const bool changed = AnswerValue(frame, SentenceSetCell{}, bits);
  if (changed) frame.Image().SetByte(at, bits);
  NoteCommit(frame, changed);
}

// --- Bank links: a 26-bit mask over four bytes, least significant byte first ---

struct BankLinkPart {
  char first;
  char last;
};

BankLinkPart BankLinkPartOf(unsigned cellId) {
  if (cellId == CL_Common_BankLink_A_J) return {'A', 'J'};
  if (cellId == CL_Common_BankLink_K_T) return {'K', 'T'};
  return {'U', 'Z'};
}

std::uint32_t ReadBankLinkMask(const cmcEeprom& image, Address at) {
  std::uint32_t mask = 0;
  for (int i = 3; i >= 0; --i) mask = (mask << 8) | image.GetByte(at + i);
  return mask;
}

void AnswerBankLink(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const BankLinkPart part = BankLinkPartOf(frame.cellId);
  const BitSetCell codec(part.first, part.last);
  const int shift = part.first - 'A';
  const std::uint32_t mask = ReadBankLinkMask(frame.Image(), at);
  std::uint32_t bits = mask >> shift;
  frame.request.outputText = codec.Display(bits);
  if (!frame.IsAction()) return;
  bool changed = false;
  if (frame.request.inputKind == kInputPicked) {
    changed = codec.Pick(frame.request.inputText, bits);
  } else if (frame.Committed()) {
    return Refuse(frame);  // the banks are chosen by their letters or in the editor
  } else if (CarriesKey(frame)) {
    changed = ApplyKeyReply(frame, codec.Key(frame.Key(), bits));
  }
  if (!changed) return;
  frame.request.outputText = codec.Display(bits);
  NoteChange(frame);
  const std::uint32_t stored = (mask & ~(codec.Mask() << shift)) | ((bits & codec.Mask()) << shift);
  for (int i = 0; i < 4; ++i) frame.Image().SetByte(at + i, static_cast<std::uint8_t>(stored >> (8 * i)));
}

// --- The GPS alarm: type (229), group (230) and memory position (231) ---

GpsGroups AlarmGroups(const ActiveCellFrame& frame) { return ReadGpsGroups(frame.Image()); }

int MemoriesInGroup(const GpsGroups& groups, int group) {
  if (group < 0 || group >= MemoryMap::kGpsGroupCount) return 0;
  return groups.count[static_cast<std::size_t>(group)];
}

void SetAlarm(ActiveCellFrame& frame, int type, int group) {
  SetSettingByte(frame, kAlarmType, type);
  SetSettingByte(frame, kAlarmGroup, group);
  SetSettingByte(frame, kAlarmPosition, 0);
  NoteChange(frame);
}

// One memory as the alarm takes the first group that holds memories; without one nothing
// changes.
void AnswerAlarmType(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const ListCellTraits traits{"GI_Sheet_Sel_Common_Gps_Alarm_Type"};
  int type = frame.Image().GetByte(at);
  if (!AnswerListCell(frame, traits, type)) return;
  if (type != kAlarmOneMemory) return SetAlarm(frame, type, 0);
  const GpsGroups groups = AlarmGroups(frame);
  for (int group = 0; group < MemoryMap::kGpsGroupCount; ++group) {
    if (MemoriesInGroup(groups, group) > 0) return SetAlarm(frame, type, group);
  }
  KeepList(frame, traits, frame.Image().GetByte(at));
}

void NotApplicable(ActiveCellFrame& frame) {
  frame.request.outputText = "--";
  Refuse(frame);
}

void AnswerAlarmGroup(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const std::uint8_t type = SettingByte(frame, kAlarmType);
  int group = frame.Image().GetByte(at);
  if (type == kAlarmGroupMemories) {
    if (AnswerListCell(frame, {"GI_Sheet_Sel_Common_Gps_Alarm_Bank_Group"}, group)) SetAlarm(frame, type, group);
    return;
  }
  if (type != kAlarmOneMemory) return NotApplicable(frame);
  const ListCellTraits traits{"GI_Sheet_Sel_Common_Gps_Alarm_Bank_CH"};
  const int before = group;
  if (!AnswerListCell(frame, traits, group)) return;
  if (MemoriesInGroup(AlarmGroups(frame), group) > 0) return SetAlarm(frame, type, group);
  KeepList(frame, traits, before);
}

void AnswerAlarmMemory(ActiveCellFrame& frame, const SettingItem&, Address at) {
  if (SettingByte(frame, kAlarmType) != kAlarmOneMemory) return NotApplicable(frame);
  NumberCellFormat format;
  format.maximum = kHighestAlarmMemory;
  format.stepping = true;
  const NumberCell codec(format);
  const std::int32_t stored = frame.Image().GetByte(at);
  std::int32_t position = stored;
  const bool changed = AnswerValue(frame, codec, position);
  const int count = MemoriesInGroup(AlarmGroups(frame), SettingByte(frame, kAlarmGroup));
  if (changed && position < count) {
    frame.Image().SetByte(at, static_cast<std::uint8_t>(position));
    return NoteChange(frame);
  }
  if (changed) {
    frame.request.outputText = codec.Display(stored);
    Refuse(frame);
  }
  NoteCommit(frame, changed);
}

// --- APRS symbols: two bytes each, table identifier and symbol code ---

SymbolPair ReadSymbol(const ActiveCellFrame& frame, Address at) {
  return {static_cast<char>(frame.Image().GetByte(at)), static_cast<char>(frame.Image().GetByte(at + 1))};
}

void WriteSymbol(ActiveCellFrame& frame, Address at, const SymbolPair& pair) {
  frame.Image().SetByte(at, static_cast<std::uint8_t>(pair[0]));
  frame.Image().SetByte(at + 1, static_cast<std::uint8_t>(pair[1]));
  NoteChange(frame);
}

void AnswerSymbolSelect(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const SymbolLookup symbol = FindAprsSymbol(ReadSymbol(frame, at));
  int entry = symbol.entry;
  if (AnswerListCell(frame, {"GI_Sheet_Sel_Common_APRS_Symbol"}, entry))
    return WriteSymbol(frame, at, AprsSymbolPair(entry));
  frame.request.outputText = AprsSymbolCaption(frame.document.ListCache(), symbol);
}

bool IsSymbolTable(char c) { return c == '/' || c == '\\' || IsOverlayCharacter(c); }
bool IsSymbolCode(char c) { return c >= 33 && c <= 126; }

void AnswerSymbolEdit(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const SymbolPair stored = ReadSymbol(frame, at);
  std::array<char, 2> typed = stored;
  const bool changed =
      AnswerValue(frame, TextCell(TextCellFormat{false}, CodecSettingsOf(frame)), std::span<char>(typed));
  if (!changed) return NoteCommit(frame, false);
  if (IsSymbolTable(typed[0]) && IsSymbolCode(typed[1])) return WriteSymbol(frame, at, typed);
  frame.request.outputText = std::string(stored.begin(), stored.end());
  Refuse(frame);
}

// --- Home channels: shown only; they change in the radio and through Home CH Clear ---

void ShowReadOnly(ActiveCellFrame& frame, std::string text) {
  frame.request.outputText = std::move(text);
  frame.request.fontColor = kClOlive;
  Refuse(frame);
}

std::string MegahertzText(std::uint32_t hertz) {
  return std::to_string(hertz / 1000000) + "." + ZeroPadded(hertz % 1000000, 6);
}

void AnswerHomeVfo(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const std::uint32_t hertz = ReadU32(frame.Image(), at);
  if (hertz == 0) return ShowReadOnly(frame, "---");
  std::string text = MegahertzText(hertz);
  if (text.size() < kHomeVfoWidth) text.insert(0, kHomeVfoWidth - text.size(), ' ');
  ShowReadOnly(frame, text);
}

void AnswerHomeMemory(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const int channel = ReadU16(frame.Image(), at);
  std::string text = "---";
  if (channel < MemoryMap::kMemoryChannelCount) {
    text = std::to_string(channel);
  } else if (channel < MemoryMap::kFirstCallChannelIndex) {
    const int edge = channel - MemoryMap::kFirstScanEdgeIndex;
    text = ZeroPadded(edge / 2, 2) + (edge % 2 == 0 ? 'A' : 'B');
  }
  ShowReadOnly(frame, text);
}

bool IsBlank(std::span<const char> field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

void AnswerHomeRepeater(ActiveCellFrame& frame, const SettingItem&, Address at) {
  const int entry = ReadU16(frame.Image(), at);
  if (entry >= MemoryMap::kRepeaterCount) return ShowReadOnly(frame, "---");
  datCh repeater(frame.Image());
  repeater.Load(RecordKind::kRepeater, entry);
  if (!repeater.IsUsed()) return ShowReadOnly(frame, "---");
  const TextCell shown(TextCellFormat{}, CodecSettingsOf(frame));
  if (!IsBlank(repeater.name)) return ShowReadOnly(frame, shown.Display(repeater.name));
  if (!IsBlank(repeater.callSign)) return ShowReadOnly(frame, shown.Display(repeater.callSign));
  ShowReadOnly(frame, MegahertzText(repeater.frequency));
}

// --- The table ---

constexpr SettingItem List(unsigned id, Address offset, std::string_view list, int elements = 1) {
  return {id, offset, &AnswerByteList, list, 0, 0, Storage::kByte, 1, elements};
}

constexpr SettingItem Number(unsigned id, Address offset, int minimum, int maximum, int elements = 1) {
  return {id, offset, &AnswerByteNumber, {}, minimum, maximum, Storage::kByte, 1, elements};
}

constexpr SettingItem Special(unsigned id, Address offset, ItemBehaviour behaviour, Storage storage = Storage::kByte,
                              int size = 1) {
  return {id, offset, behaviour, {}, 0, 0, storage, size};
}

constexpr SettingItem PerBand(SettingItem item, int stride = 1) {
  item.elements = 2;
  item.stride = stride;
  return item;
}

constexpr std::string_view kToneControl = "GI_Sheet_Sel_Common_ToneControl";
constexpr std::string_view kMicLevel = "GI_Sheet_Sel_Common_Mic_Level";
constexpr std::string_view kPlaySkipTime = "GI_Sheet_Sel_Common_Play_Skip_Time";

const std::array kSettingItems{
    // Digital page.
    List(CL_Common_RxBass, 93, kToneControl),
    List(CL_Common_RxTreble, 94, kToneControl),
    List(CL_Common_RxBassBoost, 95, kOnOff),
    List(CL_Common_TxBass, 96, kToneControl),
    List(CL_Common_TxTreble, 97, kToneControl),
    List(CL_Common_Auto_Reply, 27, "GI_Sheet_Sel_Common_AutoReply"),
    List(CL_Common_DV_Auto_Tx, 28, "GI_Sheet_Sel_Common_DvDataTX"),
    List(CL_Common_FastData, 146, kOnOff),
    List(CL_Common_FastData_GPSSpd, 148, "GI_Sheet_Sel_Common_FastData_GPSSpd"),
    List(CL_Common_FastData_PTTDelay, 147, "GI_Sheet_Sel_Common_FastData_PTTDelay"),
    List(CL_Common_Digital_Monitor, 29, "GI_Sheet_Sel_Common_DigiMoni"),
    List(CL_Common_Digital_RPT_Set, 30, kOnOff),
    List(CL_Common_RxCall_Write, 31, kAutoOff),
    List(CL_Common_RxRPTCall_Write, 32, kAutoOff),
    List(CL_Common_DV_Auto_Detect, 36, kOnOff),
    List(CL_Common_RxRecord, 37, "GI_Sheet_Sel_Common_RxRecord"),
    List(CL_Common_RxCsKey, 158, "GI_Sheet_Sel_Common_RxCsKey"),
    List(CL_Common_RX_CallSign_Disp, 53, "GI_Sheet_Sel_Common_RxCallDisp"),
    List(CL_Common_RX_Message_Disp, 55, kAutoOff),
    List(CL_Common_ReplyPosDisp, 118, kOnOff),
    List(CL_Common_DV_RX_Light, 56, kOnOff),
    List(CL_Common_TX_CallSign_Disp, 54, "GI_Sheet_Sel_Common_TXCallDisp"),
    List(CL_Common_Name_Size, 85, "GI_Sheet_Sel_Common_Name_Size"),
    List(CL_Common_RXHis_CsName_Chg, 149, "GI_Sheet_Sel_Common_RXHis_CsName_Chg"),
    List(CL_Common_Standby_Beep, 65, "GI_Sheet_Sel_Common_Standby_Beep"),
    Number(CL_Common_EmrAfLevel, 69, 0, 39),
    // GPS page.
    List(CL_Common_GPS_Select, kGpsSelect, "GI_Sheet_Sel_Common_GPS_Select"),
    List(CL_Common_GPS_IntPSave, 58, "GI_Sheet_Sel_Common_GPS_IntPSave"),
    Special(CL_Common_ManualPosLat, 236, &AnswerManualPosition, Storage::kPosition),
    Special(CL_Common_ManualPosLon, 240, &AnswerManualPosition, Storage::kPosition),
    Special(CL_Common_ManualPosAlt, 244, &AnswerManualAltitude, Storage::kSigned32),
    List(CL_Common_CompassDirection, 78, "GI_Sheet_Sel_Common_Compass"),
    List(CL_Common_Indicator, 72, kOnOff),
    List(CL_Common_GPS_Correct, 81, kAutoOff),
    List(CL_Common_GPS_Out, 73, kOnOff),
    List(CL_Common_AlarmArea1, 232, "GI_Sheet_Sel_Common_POS_Area2"),
    List(CL_Common_AlarmArea2, 74, "GI_Sheet_Sel_Common_POS_Area2"),
    Special(CL_Common_GPSAlarmType, kAlarmType, &AnswerAlarmType),
    Special(CL_Common_GPSAlarmBank, kAlarmGroup, &AnswerAlarmGroup),
    Special(CL_Common_AlarmCH, kAlarmPosition, &AnswerAlarmMemory),
    List(CL_Common_GPS_Tx, kGpsTxMode, "GI_Sheet_Sel_Common_GpsTX"),
    Special(CL_Common_GPS_AutoTx, 35, &AnswerVariantList),
    Special(CL_Common_GPS_ControlMode, 34, &AnswerSentenceSet),
    Special(CL_Common_GPS_Message_Code, 248, &AnswerText, Storage::kText, 20),
    Special(CL_Common_UnprotoAddress, 268, &AnswerPaddedText, Storage::kText, 56),
    List(CL_Common_AprsSymbol_CH, 77, "GI_Sheet_Sel_Common_GpsSymCh"),
    Special(CL_Common_AprsSymbolSel_1, 367, &AnswerSymbolSelect, Storage::kText, 2),
    Special(CL_Common_AprsSymbolEdit_1, 367, &AnswerSymbolEdit, Storage::kText, 2),
    Special(CL_Common_AprsSymbolSel_2, 369, &AnswerSymbolSelect, Storage::kText, 2),
    Special(CL_Common_AprsSymbolEdit_2, 369, &AnswerSymbolEdit, Storage::kText, 2),
    Special(CL_Common_AprsSymbolSel_3, 371, &AnswerSymbolSelect, Storage::kText, 2),
    Special(CL_Common_AprsSymbolEdit_3, 371, &AnswerSymbolEdit, Storage::kText, 2),
    Special(CL_Common_AprsSymbolSel_4, 373, &AnswerSymbolSelect, Storage::kText, 2),
    Special(CL_Common_AprsSymbolEdit_4, 373, &AnswerSymbolEdit, Storage::kText, 2),
    List(CL_Common_SSID, 82, "GI_Sheet_Sel_SSID"),
    Special(CL_Common_Comment, 324, &AnswerComment, Storage::kText, kCommentLength),
    List(CL_Common_TimeStamp, 76, "GI_Sheet_Sel_Common_Time_Stamp"),
    List(CL_Common_Alt, kAltitudeItem, kOnOff),
    List(CL_Common_DataExtension, kDataExtension, "GI_Sheet_Sel_Common_Data_Extension"),
    List(CL_Common_GpsLogger, 91, kOnOff),
    List(CL_Common_POffGpsLog, 92, kOnOff),
    List(CL_Common_GpsLogInterval, 108, "GI_Sheet_Sel_Common_Gps_Log_Interval"),
    Special(CL_Common_GpsLogSentence, 157, &AnswerSentenceSet),
    // Common page.
    List(CL_Common_AutoPowerOFF, 2, "GI_Sheet_Sel_Common_Auto_Power_OFF"),
    List(CL_Common_PowerSave, 9, "GI_Sheet_Sel_Common_Power_Save"),
    List(CL_Common_Monitor, 11, "GI_Sheet_Sel_Common_Monitor"),
    List(CL_Common_DialSpeedUP, 12, kOnOff),
    Special(CL_Common_AutoRepeater, kAutoRepeaterUs, &AnswerAutoRepeater),
    List(CL_Common_KeyLock, 14, "GI_Sheet_Sel_Common_Set_Key_Lock"),
    List(CL_Common_PTTLock, 5, kOnOff),
    List(CL_Common_BusyLockout, 6, kOnOff),
    List(CL_Common_TOT, 7, "GI_Sheet_Sel_Common_TOT"),
    List(CL_Common_MicGainInt, 16, kMicLevel),
    List(CL_Common_MicGainExt, 17, kMicLevel),
    List(CL_Common_GPSSpeed, 25, "GI_Sheet_Sel_Common_GPS_Speed"),
    List(CL_Common_ActiveBand, 8, "GI_Sheet_Sel_MenuMode_Active_Band"),
    Special(CL_Common_UTCOffset, 234, &AnswerUtcOffset, Storage::kSigned16),
    List(CL_Common_RemoteMicKey_Nor, 135, "GI_Sheet_Sel_Common_RemoteMicKey_Nor", 4),
    List(CL_Common_RemoteMicKey_Tx, 139, "GI_Sheet_Sel_Common_RemoteMicKey_Tx", 4),
    Special(CL_Common_HmchVfo, 127, &AnswerHomeVfo, Storage::kUnsigned32),
    Special(CL_Common_HmchMr, 131, &AnswerHomeMemory, Storage::kUnsigned16),
    Special(CL_Common_HmchDr, 133, &AnswerHomeRepeater, Storage::kUnsigned16),
    List(CL_Common_VOX, 18, kOnOff),
    List(CL_Common_VOX_SensLv, 19, "GI_Sheet_Sel_Common_VOX_Sens"),
    List(CL_Common_VOX_Delay, 20, "GI_Sheet_Sel_Common_VOX_Delay"),
    List(CL_Common_VOX_TOT, 21, "GI_Sheet_Sel_Common_VOX_TOT"),
    List(CL_Common_VOX_HS_Sel, 26, "GI_Sheet_Sel_Common_VOX_HS_Sel"),
    List(CL_Common_CIV_DataJk, kCivDataJack, "GI_Sheet_Sel_Common_CIV_DataJk"),
    Special(CL_Common_CIV_Address, 22, &AnswerHexByte),
    Special(CL_Common_CIV_BaudRate, 23, &AnswerVariantList),
    List(CL_Common_CIV_Transceive, 24, kOnOff),
    List(CL_Common_Backlight, 50, "GI_Sheet_Sel_Common_Backlight"),
    List(CL_Common_Backlight_Tm, 49, "GI_Sheet_Sel_Common_Backlight_Tm"),
    List(CL_Common_Dimmer, 52, "GI_Sheet_Sel_Common_Dimmer"),
    List(CL_Common_LCDContrast, 48, "GI_Sheet_Sel_Common_Contrast"),
    List(CL_Common_BusyLED, 47, kOnOff),
    List(CL_Common_Scroll, 57, "GI_Sheet_Sel_Common_Scroll"),
    List(CL_Common_OpeningMessage, 59, kOnOff),
    List(CL_Common_Voltage, 51, kOnOff),
    Special(CL_Common_PositionFormat, kPositionFormat, &AnswerVariantList),
    List(CL_Common_Units, kDistanceUnits, "GI_Sheet_Sel_Common_Linear_Measure"),
    List(CL_Common_Speed_Units, 87, "GI_Sheet_Sel_Common_Speed_Units"),
    Special(CL_Common_Temp_Units, 150, &AnswerVariantList),
    List(CL_Common_Baro_Units, 151, "GI_Sheet_Sel_Common_Baro_Units"),
    List(CL_Common_Rain_Units, 152, "GI_Sheet_Sel_Common_Rain_Units"),
    List(CL_Common_WidSpd_Units, 153, "GI_Sheet_Sel_Common_WidSpd_Units"),
    List(CL_Common_DispLang, 60, "GI_Sheet_Sel_Common_Language"),
    List(CL_Common_SysLang, kSystemLanguage, "GI_Sheet_Sel_Common_Language"),
    Special(CL_Common_Display_Type, 84, &AnswerVariantList),
    List(CL_Common_VolumeSelect, 113, "GI_Sheet_Common_VolumeSelect"),
    Special(CL_Common_RadioLevel, 114, &AnswerRadioLevel),
    List(CL_Common_EarphoneMode, 79, kOnOff),
    List(CL_Common_BeepLevel, 62, "GI_Sheet_Sel_Common_Beep_Level"),
    List(CL_Common_BeepVolLink, 67, kOnOff),
    List(CL_Common_KeyTouchBeep, 63, kOnOff),
    List(CL_Common_HmchBeep, 143, kOnOff),
    List(CL_Common_BandEdgeBeep, 66, kOnOff),
    List(CL_Common_StopBeep, 64, kOnOff),
    List(CL_Common_SubBandMute, 110, "GI_Sheet_Common_SubBandMute"),
    List(CL_Common_Scope_AF_out, 68, kOnOff),
    List(CL_Common_Speech_RxCall, 98, "GI_Sheet_Sel_Common_Speech_RxCall"),
    List(CL_Common_Speech_RxCs, 99, kOnOff),
    List(CL_Common_Speech_Dial, 100, kOnOff),
    List(CL_Common_Speech_Mode, 101, kOnOff),
    List(CL_Common_Speech_Language, 102, "GI_Sheet_Sel_Common_Speech_Language"),
    List(CL_Common_Speech_Alphabet, 103, "GI_Sheet_Sel_Common_Speech_Alphabet"),
    List(CL_Common_Speech_Speed, 104, "GI_Sheet_Sel_Common_Speech_Speed"),
    Number(CL_Common_Speech_Level, 105, 0, 9),
    List(CL_Common_RecMode, 90, "GI_Sheet_Sel_Common_RecMode"),
    List(CL_Common_RecCondition, 89, "GI_Sheet_Sel_Common_RecCondition"),
    List(CL_Common_FileSplit, 88, kOnOff),
    List(CL_Common_PttAutoRec, 106, kOnOff),
    List(CL_Common_PlaySkipTime, 107, kPlaySkipTime),
    List(CL_Common_VcMem_MicGain, 120, kMicLevel),
    List(CL_Common_VcMem_PlaySkipTime, 119, kPlaySkipTime),
    List(CL_Common_VcTxRptTime, 121, "GI_Sheet_Sel_Common_VcTxRptTime"),
    List(CL_Common_VcTxMon, 122, kOnOff),
    // The radio keeps the two broadcast attenuators and the air-band attenuator in one byte.
    List(CL_Common_Radio_AttFM, 180, "GI_Sheet_Sel_Common_Radio_AttFM"),
    List(CL_Common_Radio_AttAM, 180, "GI_Sheet_Sel_Common_Radio_AttAM"),
    List(CL_Common_Radio_AutoMute, 115, "GI_Sheet_Sel_Common_Radio_AutoMute"),
    List(CL_Common_Radio_FMAntenna, 116, "GI_Sheet_Sel_Common_Radio_FMAntenna"),
    List(CL_Common_Radio_PowerSave, 117, kOnOff),
    List(CL_Common_QsoLog, 123, kOnOff),
    List(CL_Common_RxHisLog, 124, kOnOff),
    List(CL_Common_CsvSepdec, 125, "GI_Sheet_Sel_Common_CsvSepdec"),
    List(CL_Common_CsvDate, 126, "GI_Sheet_Sel_Common_CsvDate"),
    List(CL_Common_Exp_CsvSepdec, 155, "GI_Sheet_Sel_Common_Exp_CsvSepdec"),
    List(CL_Common_Exp_CsvDate, 156, "GI_Sheet_Sel_Common_Exp_CsvDate"),
    PerBand(List(CL_Common_RFPower, 165, "GI_Sheet_Sel_Common_RF_Power")),
    List(CL_Common_ToneBurst, 15, kOnOff),
    List(CL_Common_AttAir, 180, "GI_Sheet_Sel_Common_AttAir"),
    List(CL_Common_Heterodyne, 144, "GI_Sheet_Sel_Common_Heterodyne"),
    List(CL_Common_ChargingPowerON, 145, kOnOff),
    SettingItem{CL_Common_CloneComment,
                MemoryMap::kImageComment,
                &AnswerText,
                {},
                0,
                0,
                Storage::kText,
                MemoryMap::kNameLength,
                1,
                1,
                0},
    // A/B Band page: element 0 band A, 1 band B.
    PerBand(List(CL_Common_PauseTimer, 38, "GI_Sheet_Sel_Common_PauseTimer")),
    PerBand(List(CL_Common_ResumeTimer, 40, "GI_Sheet_Sel_Common_ResumeTimer")),
    PerBand(List(CL_Common_TempSkipTimer, 111, "GI_Sheet_Sel_Common_TempSkipTimer")),
    PerBand(List(CL_Common_ProgramSkipScan, 45, kOnOff)),
    PerBand(Special(CL_Common_BankLink_A_J, 1069, &AnswerBankLink, Storage::kBankLink), 4),
    PerBand(Special(CL_Common_BankLink_K_T, 1069, &AnswerBankLink, Storage::kBankLink), 4),
    PerBand(Special(CL_Common_BankLink_U_Z, 1069, &AnswerBankLink, Storage::kBankLink), 4),
    PerBand(List(CL_Common_Wx_Alert, kWeatherAlert, kOnOff)),
    PerBand(Number(CL_Common_Wx_Ch, 1051, 0, 9)),
};

const SettingItem* FindItem(unsigned cellId) {
  for (const SettingItem& item : kSettingItems) {
    if (item.cellId == cellId) return &item;
  }
  return nullptr;
}

bool HasElement(const SettingItem& item, int index) { return index >= 0 && index < item.elements; }

Address AddressOf(const SettingItem& item, int index) { return item.base + item.offset + index * item.stride; }

// Items greyed while the settings they depend on leave them without effect.
bool IsGreyed(const ActiveCellFrame& frame) {
  switch (frame.cellId) {
    case CL_Common_DispLang:
      return SettingByte(frame, kSystemLanguage) != 1;
    case CL_Common_Wx_Ch:
      return SettingByte(frame, kWeatherAlert + frame.index) != 1;
    default:
      return false;
  }
}

}  // namespace

void AnswerSetModeCell(ActiveCellFrame& frame) {
  const SettingItem* item = FindItem(frame.cellId);
  if (item == nullptr) return AnswerNothing(frame);
  if (!HasElement(*item, frame.index)) return Refuse(frame);
  item->behaviour(frame, *item, AddressOf(*item, frame.index));
  Grey(frame, IsGreyed(frame));
}

int SettingElementCount(unsigned cellId) {
  const SettingItem* item = FindItem(cellId);
  return item == nullptr ? 0 : item->elements;
}

namespace {

std::string FieldText(const cmcEeprom& image, Address at, int size) {
  std::string text;
  for (int i = 0; i < size; ++i) {
    const std::uint8_t byte = image.GetByte(at + i);
    text.push_back(byte == 0xFF ? ' ' : static_cast<char>(byte));
  }
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

Address AutoRepeaterAddress(std::int32_t destination) {
  if (IsUsDestination(destination)) return MemoryMap::kSettings + kAutoRepeaterUs;
  if (destination == DestinationCode::kKorea || destination == DestinationCode::kJapan) {
    return MemoryMap::kSettings + kAutoRepeaterOnOff;
  }
  return -1;
}

}  // namespace

StoredSetting ReadStoredSetting(CellDocument& document, unsigned cellId, int index) {
  const SettingItem* item = FindItem(cellId);
  if (item == nullptr || !HasElement(*item, index)) return {};
  const cmcEeprom& image = document.Image();
  Address at = AddressOf(*item, index);
  if (cellId == CL_Common_AutoRepeater) at = AutoRepeaterAddress(document.Settings().destinationCode);
  if (at < 0) return {};
  StoredSetting stored;
  switch (item->storage) {
    case Storage::kByte:
      stored.number = image.GetByte(at);
      break;
    case Storage::kSigned16:
      stored.number = static_cast<std::int16_t>(ReadU16(image, at));
      break;
    case Storage::kUnsigned16:
      stored.number = ReadU16(image, at);
      break;
    case Storage::kUnsigned32:
      stored.number = ReadU32(image, at);
      break;
    case Storage::kSigned32:
      stored.number = static_cast<std::int32_t>(ReadU32(image, at));
      break;
    case Storage::kText:
      stored.text = FieldText(image, at, item->size);
      break;
    case Storage::kPosition:
      stored.shownTextIsValue = true;
      break;
    case Storage::kBankLink: {
      const BankLinkPart part = BankLinkPartOf(cellId);
      stored.number = (ReadBankLinkMask(image, at) >> (part.first - 'A')) & BitSetCell(part.first, part.last).Mask();
      break;
    }
  }
  return stored;
}

std::string SettingTypedInput(unsigned cellId) {
  const SettingItem* item = FindItem(cellId);
  if (item == nullptr) return {};
  if (item->behaviour == &AnswerByteNumber) {
    return "a whole number from " + std::to_string(item->minimum) + " to " + std::to_string(item->maximum);
  }
  if (item->behaviour == &AnswerRadioLevel) return "a whole number from -5 to +5";
  if (item->behaviour == &AnswerUtcOffset) return "an offset such as +9:00 or -5:30, at most 14:00";
  if (item->behaviour == &AnswerHexByte) return "one or two hexadecimal digits (00 to FF)";
  if (item->behaviour == &AnswerManualAltitude) return "a whole number of metres or feet (as the units setting says)";
  if (item->behaviour == &AnswerSymbolEdit) {
    return "a table character (/, \\, a digit or a capital letter) and a symbol character (! to ~)";
  }
  if (item->behaviour == &AnswerAlarmMemory) return "a memory position below the alarm group's memory count";
  if (item->behaviour == &AnswerManualPosition) {
    return "a position laid out as the GPS text editor shows it: degrees in characters 1-3, minutes in 5-6, "
           "hundredths of a minute or seconds in 8-9, the letter N, S, E or W in 11 (e.g. \"035 41.12 N\")";
  }
  if (item->storage == Storage::kText) return "text of up to " + std::to_string(item->size) + " characters";
  return {};
}

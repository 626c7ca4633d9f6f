#include "sheet/cells/BitFieldFlags.h"

#include "platform/Fatal.h"
#include "text/FormattedText.h"
#include "text/cmcCellObj.h"

namespace {

constexpr int kMaxFlags = 26;

enum LabelType {
  kHexLabels = 1,
  kDigitLabels = 2,  // 10 is written 0
  kLetterLabels = 3,
  kSentenceLabels = 4,
  kShortSentenceLabels = 5,
  kBitLabels = 6,  // B7 ... B0
};

constexpr const char* kSentences[] = {"RMC", "GGA", "GLL", "GSA", "VTG", "GSV"};
constexpr const char* kShortSentences[] = {"RMC", "GGA", "VTG", "GSA"};

constexpr int kLetterMark = 0;

std::string SentenceLabel(const char* const* names, int count, int a) {
  return a >= 1 && a <= count ? names[a - 1] : std::to_string(a);
}

}  // namespace

BitFieldFlags::BitFieldFlags(const BitFieldPopup& editor)
    : value_(editor.value),
      first_(editor.first),
      last_(editor.last),
      labelType_(editor.labelType),
      markStyle_(editor.markStyle) {
  if (first_ > last_ || last_ - first_ + 1 > kMaxFlags) Fatal("Invalid bit field.");
}

bool BitFieldFlags::IsSet(int k) const { return k >= 1 && k <= kMaxFlags && ((value_ >> (kMaxFlags - k)) & 1u); }

std::string BitFieldFlags::Label(int a) const {
  switch (labelType_) {
    case kHexLabels:
      return FormattedText("%X", a);
    case kDigitLabels:
      return std::to_string(a == 10 ? 0 : a);
    case kLetterLabels:
      return std::string(1, static_cast<char>(a + 64));
    case kSentenceLabels:
      return SentenceLabel(kSentences, 6, a);
    case kShortSentenceLabels:
      return SentenceLabel(kShortSentences, 4, a);
    case kBitLabels:
      return "B" + std::to_string(last_ - a);
    default:
      return std::to_string(a);
  }
}

std::vector<std::string> BitFieldFlags::SheetLines() const {
  std::string header;
  std::string flags;
  for (int a = first_; a <= last_; ++a) header += "|{($iChI)}" + Label(a) + "|";
  for (int k = 1; k <= FlagCount(); ++k) {
    flags += FormattedText("|{($eWh)^(%%CL_FBits[%d])}9|", k);
    if (k < FlagCount()) flags += "{($iQp)}";
  }
  return {"#GI_Sheet_FBitsR_Style",
          "(FixedCols=1)(FixedRows=1)",
          "#GI_Sheet_FBitsR_BasicCell",
          "{($Basic)(PopupMenu=GI_PMenu_NoItem)}",
          "#GI_Sheet_FBitsR_Cells",
          "",
          header,
          "",
          flags,
          "",
          "",
          "#",
          "#CellModel_iChI",
          "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
          "#CellModel_eWh",
          "S<_WHB",
          "#CellModel_iQp",
          "(%CT_Null.CL_Misc_QuarterPillar)",
          "#CellModel_Basic",
          "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)",
          "#GI_PMenu_NoItem_BasicCell",
          "{($Basic)}",
          "#GI_PMenu_NoItem_Body",
          "+No item\t{(%CT_PopupMenu.CL_PMenu_NoItem)}",
          "#",
          "#GI_PMenu_Edit_BasicCell",
          "{($Basic)(%CT_PopupMenu.)}",
          "#GI_PMenu_Edit_Body",
          "+Edit...\t{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}",
          "#",
          "#End_Of_Ovl",
          ""};
}

bool BitFieldFlags::HasRule() const { return labelType_ == kSentenceLabels || labelType_ == kShortSentenceLabels; }

bool BitFieldFlags::RuleHolds() const {
  int set = 0;
  for (int k = 1; k <= FlagCount(); ++k) set += IsSet(k) ? 1 : 0;
  if (labelType_ == kSentenceLabels) return set >= 1 && set <= 4;
  if (labelType_ == kShortSentenceLabels) return set >= 1;
  return true;
}

bool BitFieldFlags::Answer(cmcCellCapsule& request, int op) {
  const int k = request.cell->index;
  request.outputText.clear();
  request.flags =
      static_cast<std::uint8_t>(request.flags & ~(kRequestWarningMark | kRequestErrorMark | kRequestCheckMark));
  bool toggled = false;
  if (op == kCellAction && k >= 1 && k <= FlagCount()) {
    const int key = request.key;
    if (key == kKeySpace || key == kKeyBackspace || key == kKeyDoubleClick) {
      value_ ^= 1u << (kMaxFlags - k);
      toggled = true;
    }
  }
  if (IsSet(k)) {
    if (markStyle_ == kLetterMark) {
      request.outputText = "o";
    } else {
      request.flags |= kRequestCheckMark;
    }
  }
  if (!RuleHolds()) request.flags |= kRequestErrorMark;
  return toggled;
}

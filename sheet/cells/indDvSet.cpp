#include "sheet/cells/indDvSet.h"

#include <cctype>

#include "memory/RepeaterList.h"
#include "memory/datCh.h"

namespace {

const RouteText kEveryoneText = MakeFixedText<MemoryMap::kNameLength>("CQCQCQ");

RouteText FieldText(std::string_view typed) {
  while (!typed.empty() && typed.back() == ' ') typed.remove_suffix(1);
  return MakeFixedText<MemoryMap::kNameLength>(typed);
}

RouteText EntryText(const cmcEeprom& image, int entry) {
  const NameText name = RepeaterNameOf(image, entry);
  return IsBlank(name) ? MakeFixedText<MemoryMap::kNameLength>(ViewOf(RepeaterCallSignOf(image, entry))) : name;
}

bool CalledKindIn(int kind, std::initializer_list<int> kinds) {
  for (int k : kinds) {
    if (k == kind) return true;
  }
  return false;
}

}  // namespace

CallSignText NormalisedUr(const CallSignText& ur) {
  CallSignText shown = ur;
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || !(std::isalnum(byte) || c == '/' || c == ' ')) return kBlankCallSign;
    c = static_cast<char>(std::toupper(byte));
  }
  return shown;
}

indDvSet::indDvSet(cmcEeprom& image, cmcEeprom& defaults, const datCh& record, bool checkTransmit)
    : image_(image), defaults_(defaults), checkTransmit_(checkTransmit), saved_(record), work_(record) {
  const RouteAnalysis analysis = AnalyseRoute(record);
  access_ = analysis.accessText;
  called_ = analysis.calledText;
  route_ = Classify();
  const bool known = analysis.type >= RouteType::kDirect && analysis.type <= RouteType::kGateway;
  if (record.IsUsed() && known && IsRouteValid(route_) && AnalysedRouteFits(analysis)) {
    rpt2Kind_ = analysis.rpt2Kind;
    rpt2Text_ = analysis.rpt2Text;
    RebuildChoices();
    BuildRouteCallSigns(image_, defaults_, work_, access_, called_, rpt2Text_, rpt2Kind_);
  } else {
    access_ = kBlankName;
    called_ = kEveryoneText;
    route_ = Classify();
    RebuildChoices();
    work_.yourCall = kCallEveryone;
    work_.rpt1 = kBlankCallSign;
    work_.rpt2 = kBlankCallSign;
  }
  work_.yourCall = NormalisedUr(work_.yourCall);
}

bool indDvSet::AnalysedRouteFits(const RouteAnalysis& analysis) const {
  const int mode = Rpt2ChoiceMode(route_);
  if (mode == 0) return analysis.rpt2Kind == Rpt2Kind::kNone || analysis.rpt2Kind == Rpt2Kind::kSame;
  if (mode == 1 && analysis.rpt2Kind == Rpt2Kind::kGateway) return false;
  return InAccessZone(image_, RepeaterOfText(image_, access_), analysis.rpt2Index);
}

RouteClass indDvSet::Classify() { return ClassifyRoute(image_, checkTransmit_, access_, called_); }

void indDvSet::RebuildChoices() {
  choices_.clear();
  rpt2Index_ = -1;
  sameIndex_ = -1;
  gatewayIndex_ = -1;
  const int mode = Rpt2ChoiceMode(route_);
  if (mode == 0) return;
  if (rpt2Kind_ == Rpt2Kind::kNone) rpt2Kind_ = Rpt2Kind::kGateway;
  int selected = -1;
  sameIndex_ = 0;
  choices_.push_back({Rpt2Kind::kSame, kBlankName});
  if (rpt2Kind_ == Rpt2Kind::kSame) selected = sameIndex_;
  const std::uint16_t access = RepeaterOfText(image_, access_);
  const int count = RepeaterCount(image_);
  for (int entry = 0; entry < count; ++entry) {
    if (!InAccessZone(image_, access, entry)) continue;
    const RouteText text = EntryText(image_, entry);
    if (rpt2Kind_ == Rpt2Kind::kNamed && text == rpt2Text_) selected = static_cast<int>(choices_.size());
    choices_.push_back({Rpt2Kind::kNamed, text});
  }
  if (mode == 2) {
    gatewayIndex_ = static_cast<int>(choices_.size());
    choices_.push_back({Rpt2Kind::kGateway, kBlankName});
    if (rpt2Kind_ == Rpt2Kind::kGateway) selected = gatewayIndex_;
  }
  if (selected < 0) selected = gatewayIndex_ >= 1 ? gatewayIndex_ : sameIndex_;
  Select(selected);
}

void indDvSet::Select(int index) {
  if (index < 0 || index >= static_cast<int>(choices_.size())) return;
  rpt2Index_ = index;
  const Rpt2Choice& choice = choices_[static_cast<std::size_t>(index)];
  rpt2Kind_ = choice.kind;
  if (choice.kind == Rpt2Kind::kNamed) rpt2Text_ = choice.text;
}

void indDvSet::BuildOrBlank() {
  if (IsRouteValid(route_)) {
    BuildRouteCallSigns(image_, defaults_, work_, access_, called_, rpt2Text_, choices_.empty() ? 0 : rpt2Kind_);
  } else {
    work_.yourCall = kBlankCallSign;
    work_.rpt1 = kBlankCallSign;
    work_.rpt2 = kBlankCallSign;
  }
}

void indDvSet::EditCalled(std::string_view typed) {
  called_ = FieldText(typed);
  const int before = route_.calledKind;
  route_ = Classify();
  const int now = route_.calledKind;
  const bool keepChoices = (before == CalledKind::kStation && now == CalledKind::kNone) ||
                           (before == CalledKind::kNone && now == CalledKind::kStation && !choices_.empty());
  if (now != before && !keepChoices) RebuildChoices();
  BuildOrBlank();
  if (CalledKindIn(now, {CalledKind::kStation, CalledKind::kUnreachableSlash})) {
    work_.yourCall = NormalisedUr(work_.yourCall);
  }
}

void indDvSet::PickAccess(const RouteText& text) {
  access_ = text;
  AfterPick(false);
}

void indDvSet::PickCalled(const RouteText& text) {
  called_ = text;
  AfterPick(true);
}

void indDvSet::AfterPick(bool calledButton) {
  route_ = Classify();
  const int a = route_.accessKind;
  const int c = route_.calledKind;
  using namespace CalledKind;
  const bool unusable = (a == AccessKind::kLocal && CalledKindIn(c, {kOtherLocal, kOtherGateway, kUnreachableSlash})) ||
                        (a == AccessKind::kGateway && c == kOtherLocal) ||
                        (a == AccessKind::kNone && c != kEveryone && c != kStation);
  if (unusable) {
    called_ = kEveryoneText;
    route_ = Classify();
  }
  const bool sameSelected = sameIndex_ >= 0 && rpt2Index_ == sameIndex_;
  if (calledButton || sameSelected) {
    rpt2Kind_ = gatewayIndex_ > 0 ? Rpt2Kind::kGateway : Rpt2Kind::kNone;
    if (rpt2Kind_ == Rpt2Kind::kNone) rpt2Text_ = kBlankName;
  }
  RebuildChoices();
  BuildOrBlank();
  work_.yourCall = NormalisedUr(work_.yourCall);
}

void indDvSet::ChooseRpt2(int index) {
  Select(index);
  BuildOrBlank();
  work_.yourCall = NormalisedUr(work_.yourCall);
}

datCh indDvSet::Accept() {
  route_ = Classify();
  if (IsRouteValid(route_)) {
    BuildRouteCallSigns(image_, defaults_, work_, access_, called_, rpt2Text_, choices_.empty() ? 0 : rpt2Kind_);
  } else {
    work_.yourCall = kBlankCallSign;
    work_.rpt1 = kBlankCallSign;
    work_.rpt2 = kBlankCallSign;
    work_.frequency = saved_.frequency;
    work_.duplex = saved_.duplex;
    work_.offset = saved_.offset;
    work_.mode = saved_.mode;
    work_.SetUsed(saved_.IsUsed());
  }
  work_.yourCall = NormalisedUr(work_.yourCall);
  return work_;
}

#include "memory/datClipCh.h"

#include <utility>

namespace {

bool IsCopiedKind(int kind) {
  switch (kind) {
    case RecordKind::kChannel:
    case RecordKind::kBankView:
    case RecordKind::kGps:
    case RecordKind::kRepeater:
    case RecordKind::kYourCall:
    case RecordKind::kBroadcastFm:
    case RecordKind::kBroadcastAm:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool datClipCh::Accepts(int kind) const { return IsCopiedKind(kind) && cmcClipCh::Accepts(kind); }

void datClipCh::StoreOne(cmcEeprom& image, int kind, int index, datCh& record) {
  scratch_.CopyFrom(record);
  scratch_.Bind(image);
  scratch_.Store(kind, index);
}

void datClipCh::SetCopiedText(std::string text) {
  copiedText_ = std::move(text);
  textToPlace_ = !copiedText_.empty();
  foreignText_.clear();
}

std::optional<std::string> datClipCh::TakeTextToPlace() {
  if (!textToPlace_) return std::nullopt;
  textToPlace_ = false;
  return copiedText_;
}

void datClipCh::NoteSystemText(std::string text) {
  foreignText_ = text == copiedText_ ? std::string() : std::move(text);
}

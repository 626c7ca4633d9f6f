#include "memory/datClipCh.h"

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

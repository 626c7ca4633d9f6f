#include "memory/datCh.h"

#include "memory/RecordCodecs.h"
#include "platform/Fatal.h"

datCh::datCh() = default;

datCh::datCh(cmcEeprom& image) : image_(&image) {}

void datCh::Bind(cmcEeprom& image) { image_ = &image; }

void datCh::Reset() { TakeFieldsOf(datCh()); }

void datCh::TakeFieldsOf(const datCh& other) {
  const int kind = kind_;
  const int index = index_;
  cmcEeprom* image = image_;
  *this = other;
  kind_ = kind;
  index_ = index;
  image_ = image;
}

cmcEeprom& datCh::BoundImage() const {
  if (image_ == nullptr) Fatal("Channel record used without an image.");
  return *image_;
}

void datCh::SetUsed(bool used) { flags = static_cast<std::uint8_t>(used ? flags | kFlagUsed : flags & ~kFlagUsed); }

void datCh::Load(int kind, int index) {
  Reset();
  kind_ = kind;
  index_ = index;
  Decode();
}

void datCh::Reload() { Load(kind_, index_); }

void datCh::Decode() {
  const cmcEeprom& image = BoundImage();
  switch (kind_) {
    case RecordKind::kChannel:
      return DecodeChannel(*this, image, index_);
    case RecordKind::kBankView:
      return DecodeBankView(*this, image, index_);
    case RecordKind::kScanLink:
      return DecodeScanLink(*this, image, index_);
    case RecordKind::kGps:
      return DecodeGps(*this, image, index_);
    case RecordKind::kRepeater:
      return DecodeRepeater(*this, image, index_);
    case RecordKind::kYourCall:
      return DecodeYourCall(*this, image, index_);
    case RecordKind::kReceivedCall:
      return DecodeReceivedCall(*this, image, index_);
    case RecordKind::kHistoryFrom:
    case RecordKind::kHistoryFromAnalog:
    case RecordKind::kHistoryTo:
    case RecordKind::kHistoryReflector:
      return DecodeHistory(*this, image, kind_, index_);
    case RecordKind::kBroadcastFm:
    case RecordKind::kBroadcastAm:
      return DecodeBroadcast(*this, image, kind_, index_);
    case RecordKind::kBandTemplate:
    case RecordKind::kBandTemplateSkip:
      DecodeBandTemplate(*this, image, index_);
      if (kind_ == RecordKind::kBandTemplateSkip) skip = 1;
      return;
    case RecordKind::kNewBroadcastFm:
    case RecordKind::kNewBroadcastAm:
      return DecodeNewBroadcast(*this, image, kind_);
    case RecordKind::kNewGpsNow:
    case RecordKind::kNewGpsUndated:
      return DecodeNewGps(*this, image, index_, kind_ == RecordKind::kNewGpsNow);
    case RecordKind::kNewRepeater:
      return DecodeNewRepeater(*this, image, index_);
    case RecordKind::kNewYourCall:
      return DecodeNewYourCall(*this);
    default:
      SetUsed(false);
  }
}

void datCh::Store(int kind, int index) { Encode(kind == RecordKind::kNone ? kind_ : kind, index); }

void datCh::Encode(int kind, int index) {
  cmcEeprom& image = BoundImage();
  switch (kind) {
    case RecordKind::kChannel:
      return EncodeChannel(*this, image, index);
    case RecordKind::kBankView:
      return EncodeBankView(*this, image, index);
    case RecordKind::kScanLink:
      return EncodeScanLink(*this, image, index);
    case RecordKind::kGps:
      return EncodeGps(*this, image, index);
    case RecordKind::kRepeater:
      return EncodeRepeater(*this, image, index);
    case RecordKind::kYourCall:
      return EncodeYourCall(*this, image, index);
    case RecordKind::kBroadcastFm:
    case RecordKind::kBroadcastAm:
      return EncodeBroadcast(*this, image, kind, index);
    default:
      return;
  }
}

void datCh::Commit() {
  Store(kind_, index_);
  Reload();
}

void datCh::CopyFrom(const datCh& other) { *this = other; }

void datCh::LoadFrom(cmcEeprom& image, int kind, int index) {
  datCh source(image);
  source.Load(kind, index);
  TakeFieldsOf(source);
}

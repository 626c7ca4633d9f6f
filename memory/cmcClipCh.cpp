#include "memory/cmcClipCh.h"

#include <algorithm>
#include <utility>

void cmcClipCh::Clear() {
  records_.clear();
  kind_ = RecordKind::kNone;
  first_ = 0;
}

void cmcClipCh::Copy(cmcEeprom& image, int kind, int first, int count) {
  Clear();
  records_.resize(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < Count(); ++i) LoadOne(image, kind, first + i, records_[static_cast<std::size_t>(i)]);
  kind_ = records_.empty() ? RecordKind::kNone : kind;
  first_ = records_.empty() ? 0 : first;
}

void cmcClipCh::LoadOne(cmcEeprom& image, int kind, int index, datCh& record) {
  record.Bind(image);
  record.Load(kind, index);
}

bool cmcClipCh::Accepts(int kind) const { return !records_.empty() && kind_ == kind; }

void cmcClipCh::PasteAll(cmcEeprom& image, int kind, int first, int count) {
  if (!Accepts(kind)) return;
  const int n = std::min(Count(), count);
  for (int i = 0; i < n; ++i) StoreOne(image, kind, first + i, records_[static_cast<std::size_t>(i)]);
}

void cmcClipCh::StoreOne(cmcEeprom& image, int kind, int index, datCh& record) {
  record.Bind(image);
  record.Store(kind, index);
}

void cmcClipCh::Assign(int kind, int first, std::vector<datCh> records) {
  records_ = std::move(records);
  kind_ = records_.empty() ? RecordKind::kNone : kind;
  first_ = records_.empty() ? 0 : first;
}

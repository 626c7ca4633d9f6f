#include "memory/ListBlocks.h"

#include <algorithm>

#include "memory/ListReferences.h"
#include "memory/datCh.h"

namespace {

int TemplateKindOf(int kind) {
  switch (kind) {
    case RecordKind::kGps:
      return RecordKind::kNewGpsNow;
    case RecordKind::kRepeater:
      return RecordKind::kNewRepeater;
    case RecordKind::kYourCall:
      return RecordKind::kNewYourCall;
    case RecordKind::kBroadcastFm:
      return RecordKind::kNewBroadcastFm;
    case RecordKind::kBroadcastAm:
      return RecordKind::kNewBroadcastAm;
    default:
      return RecordKind::kNone;
  }
}

// Entries from to from + count - 1 go to to, to + 1, ... through a private clipboard.
void MoveEntries(cmcEeprom& image, int kind, int from, int count, int to) {
  if (count <= 0) return;
  cmcClipCh moving;
  moving.Copy(image, kind, from, count);
  moving.PasteAll(image, kind, to, count);
}

}  // namespace

void StoreBlankEntry(cmcEeprom& image, int kind, int index) {
  datCh record(image);
  if (kind == RecordKind::kChannel) {
    record.Load(kind, index);
    record.SetUsed(false);
  } else {
    const int templateKind = TemplateKindOf(kind);
    if (templateKind == RecordKind::kNone) return;
    record.Load(templateKind, index);
  }
  record.Store(kind, index);
}

void CarryBlock(cmcEeprom& image, int kind, int first, int last, int direction) {
  ListReferenceKeeper keeper(image, kind);
  const int neighbour = direction < 0 ? first - 1 : last + 1;
  const int length = last - first + 1;
  cmcClipCh other;
  other.Copy(image, kind, neighbour, 1);
  MoveEntries(image, kind, first, length, first + direction);
  const int vacated = direction < 0 ? last : first;
  other.PasteAll(image, kind, vacated, 1);
  EntryOrigins origins(std::min(first, neighbour), std::max(last, neighbour));
  origins.Shift(first + direction, last + direction, -direction);
  origins.At(vacated) = neighbour;
  keeper.Follow(origins);
}

void DeleteBlock(cmcEeprom& image, int kind, int first, int last, int high) {
  ListReferenceKeeper keeper(image, kind);
  const int length = last - first + 1;
  MoveEntries(image, kind, last + 1, high - last, first);
  for (int index = high - length + 1; index <= high; ++index) StoreBlankEntry(image, kind, index);
  EntryOrigins origins(first, high);
  origins.Shift(first, high - length, length);
  origins.Mark(high - length + 1, high, EntryOrigins::kFresh);
  keeper.Follow(origins);
}

void InsertBlock(cmcEeprom& image, int kind, int first, int last, int high) {
  ListReferenceKeeper keeper(image, kind);
  const int length = last - first + 1;
  MoveEntries(image, kind, first, high - length - first + 1, first + length);
  for (int index = first; index <= last; ++index) StoreBlankEntry(image, kind, index);
  EntryOrigins origins(first, high);
  origins.Shift(first + length, high, -length);
  origins.Mark(first, last, EntryOrigins::kFresh);
  keeper.Follow(origins);
}

void ClearBlock(cmcEeprom& image, int kind, int first, int last) {
  ListReferenceKeeper keeper(image, kind);
  for (int index = first; index <= last; ++index) StoreBlankEntry(image, kind, index);
  EntryOrigins origins(first, last);
  origins.Mark(first, last, EntryOrigins::kFresh);
  keeper.Follow(origins);
}

void PasteBlock(cmcEeprom& image, cmcClipCh& clipboard, int kind, int first, int count) {
  const int n = std::min(count, clipboard.Count());
  if (n <= 0 || !clipboard.Accepts(kind)) return;
  ListReferenceKeeper keeper(image, kind);
  clipboard.PasteAll(image, kind, first, n);
  EntryOrigins origins(first, first + n - 1);
  origins.Mark(first, first + n - 1, EntryOrigins::kPasted);
  keeper.Follow(origins);
}

#include "memory/ListReferences.h"

#include <algorithm>

#include "memory/GpsList.h"
#include "memory/ImageFields.h"
#include "memory/datCh.h"

using namespace MemoryMap;

namespace {

constexpr std::uint8_t kAlarmOneMemory = 3;

bool ChannelUsed(cmcEeprom& image, int index) {
  datCh record(image);
  record.Load(RecordKind::kChannel, index);
  return record.IsUsed();
}

Address LinkMap(int link) { return kScanLinkMembers + kScanLinkMemberSize * link; }

// Bit p of the result is scan edge pair p's membership.
std::uint32_t ReadLinkMap(const cmcEeprom& image, int link) {
  std::uint32_t members = 0;
  for (int pair = 0; pair < kScanEdgePairCount; ++pair) {
    if (ReadBit(image, LinkMap(link), pair)) members |= 1u << pair;
  }
  return members;
}

// The list position the GPS alarm names, or -1 when it names none that exists.
int GpsAlarmPosition(const cmcEeprom& image) {
  if (image.GetByte(kGpsAlarmType) != kAlarmOneMemory) return -1;
  const GpsGroups groups = ReadGpsGroups(image);
  const int group = image.GetByte(kGpsAlarmGroup);
  const int position = image.GetByte(kGpsAlarmPosition);
  if (group >= kGpsGroupCount) return -1;
  const auto g = static_cast<std::size_t>(group);
  if (groups.start[g] == kGpsNoGroupStart || position >= groups.count[g]) return -1;
  return groups.start[g] + position;
}

void SetGpsAlarm(cmcEeprom& image, int type, int group, int position) {
  image.SetByte(kGpsAlarmType, static_cast<std::uint8_t>(type));
  image.SetByte(kGpsAlarmGroup, static_cast<std::uint8_t>(group));
  image.SetByte(kGpsAlarmPosition, static_cast<std::uint8_t>(position));
}

}  // namespace

EntryOrigins::EntryOrigins(int low_, int high)
    : low(low_), origin(static_cast<std::size_t>(std::max(0, high - low_ + 1))) {
  for (int i = low; i <= high; ++i) At(i) = i;
}

int EntryOrigins::NewIndexOf(int old) const {
  for (std::size_t i = 0; i < origin.size(); ++i) {
    if (origin[i] == old) return low + static_cast<int>(i);
  }
  return Covers(old) ? -1 : old;
}

void EntryOrigins::Shift(int first, int last, int by) {
  std::vector<int> before = origin;
  for (int i = first; i <= last; ++i) At(i) = before[static_cast<std::size_t>(i + by - low)];
}

void EntryOrigins::Mark(int first, int last, int how) {
  for (int i = first; i <= last; ++i) At(i) = how;
}

ListReferenceKeeper::ListReferenceKeeper(cmcEeprom& image, int kind) : image_(image), kind_(kind) {
  switch (kind) {
    case RecordKind::kChannel: {
      const std::uint16_t channel = ReadU16(image, kRememberedChannel);
      reference_ = channel < kFirstCallChannelIndex ? channel : kNone;
      for (int link = 0; link < kScanLinkCount; ++link)
        links_[static_cast<std::size_t>(link)] = ReadLinkMap(image, link);
      break;
    }
    case RecordKind::kRepeater: {
      const std::uint16_t position = ReadU16(image, kRememberedRepeater);
      reference_ = position < kRepeaterCount ? position : kNone;
      break;
    }
    case RecordKind::kGps:
      reference_ = GpsAlarmPosition(image);
      break;
    default:
      break;
  }
}

// The new index of a reference: where its entry went; the same entry when a pasted record
// that is in use replaced it; none when its entry is gone or blank.
int ListReferenceKeeper::FollowIndex(int index, const EntryOrigins& origins, bool stillUsed) const {
  if (index == kNone || !origins.Covers(index)) return index;
  const int moved = origins.NewIndexOf(index);
  if (moved >= 0) return moved;
  return origins.At(index) == EntryOrigins::kPasted && stillUsed ? index : kNone;
}

void ListReferenceKeeper::Follow(const EntryOrigins& origins) {
  switch (kind_) {
    case RecordKind::kChannel:
      FollowChannel(origins);
      return FollowScanLinks(origins);
    case RecordKind::kRepeater:
      return FollowRepeater(origins);
    case RecordKind::kGps:
      return FollowGpsAlarm(origins);
    default:
      return;
  }
}

void ListReferenceKeeper::FollowChannel(const EntryOrigins& origins) {
  if (reference_ == kNone) return;
  const int now = FollowIndex(reference_, origins, ChannelUsed(image_, reference_));
  if (now != reference_)
    WriteU16(image_, kRememberedChannel, now == kNone ? kEmptySlot16 : static_cast<std::uint16_t>(now));
}

// A link keeps a scan edge pair whose two edges moved together to another pair; a pair that
// now holds two blank edges leaves every link; a pair that holds anything else keeps its
// memberships.
void ListReferenceKeeper::FollowScanLinks(const EntryOrigins& origins) {
  for (int pair = 0; pair < kScanEdgePairCount; ++pair) {
    const int edgeA = kFirstScanEdgeIndex + 2 * pair;
    if (!origins.Covers(edgeA) || !origins.Covers(edgeA + 1)) continue;
    const int fromA = origins.At(edgeA);
    const int fromB = origins.At(edgeA + 1);
    const bool wholePair = fromA >= kFirstScanEdgeIndex && fromA < kFirstCallChannelIndex &&
                           (fromA - kFirstScanEdgeIndex) % 2 == 0 && fromB == fromA + 1;
    const bool blank = fromA == EntryOrigins::kFresh && fromB == EntryOrigins::kFresh;
    if (!wholePair && !blank) continue;
    const int source = wholePair ? (fromA - kFirstScanEdgeIndex) / 2 : -1;
    for (int link = 0; link < kScanLinkCount; ++link) {
      const std::uint32_t before = links_[static_cast<std::size_t>(link)];
      const bool member = source >= 0 && ((before >> source) & 1u) != 0;
      WriteBit(image_, LinkMap(link), pair, member);
    }
  }
}

void ListReferenceKeeper::FollowRepeater(const EntryOrigins& origins) {
  if (reference_ == kNone) return;
  const int now = FollowIndex(reference_, origins, true);
  if (now != reference_)
    WriteU16(image_, kRememberedRepeater, now == kNone ? kEmptySlot16 : static_cast<std::uint16_t>(now));
}

// The alarm names a memory by group and place within the group; it follows the memory's list
// position and is named again by the groups as they are now.
void ListReferenceKeeper::FollowGpsAlarm(const EntryOrigins& origins) {
  if (reference_ == kNone) return;
  const int now = FollowIndex(reference_, origins, true);
  if (now == kNone) return SetGpsAlarm(image_, 0, 0, 0);
  const GpsGroups groups = ReadGpsGroups(image_);
  const int group = GpsGroupOf(groups, now);
  if (group >= kGpsGroupCount) return SetGpsAlarm(image_, 0, 0, 0);
  SetGpsAlarm(image_, kAlarmOneMemory, group, now - groups.start[static_cast<std::size_t>(group)]);
}

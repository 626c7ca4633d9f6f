#include "memory/GpsList.h"

#include "memory/MemoryMap.h"

using namespace MemoryMap;

namespace {

int ListLength(const cmcEeprom& image) {
  int length = 0;
  while (length < kGpsMemoryCount && image.GetByte(kGpsOrder + length) < kGpsMemoryCount) {
    ++length;
  }
  return length;
}

void KeepOrderedStarts(GpsGroups& groups, const cmcEeprom& image) {
  int previous = -1;
  for (std::size_t g = 0; g < groups.start.size(); ++g) {
    const int start = image.GetByte(kGpsGroupStarts + static_cast<Address>(g));
    groups.start[g] = kGpsNoGroupStart;
    if (start >= groups.length || (previous >= 0 && start < groups.start[previous])) continue;
    if (previous >= 0 && start == groups.start[previous]) groups.start[previous] = kGpsNoGroupStart;
    groups.start[g] = start;
    previous = static_cast<int>(g);
  }
}

void StartListAtFirstGroup(GpsGroups& groups) {
  if (groups.length == 0) return;
  for (int& start : groups.start) {
    if (start != kGpsNoGroupStart) {
      start = 0;
      return;
    }
  }
  groups.start[0] = 0;
}

void CountEntries(GpsGroups& groups) {
  int end = groups.length;
  for (std::size_t g = groups.start.size(); g-- > 0;) {
    groups.count[g] = 0;
    if (groups.start[g] == kGpsNoGroupStart) continue;
    groups.count[g] = end - groups.start[g];
    end = groups.start[g];
  }
}

}  // namespace

GpsGroups ReadGpsGroups(const cmcEeprom& image) {
  GpsGroups groups;
  groups.length = ListLength(image);
  KeepOrderedStarts(groups, image);
  StartListAtFirstGroup(groups);
  CountEntries(groups);
  return groups;
}

int GpsRecordAt(const cmcEeprom& image, int position) {
  if (position < 0 || position >= ListLength(image)) return -1;
  return image.GetByte(kGpsOrder + position);
}

int GpsGroupOf(const GpsGroups& groups, int position) {
  int total = 0;
  for (std::size_t g = 0; g < groups.count.size(); ++g) {
    total += groups.count[g];
    if (total > position) return static_cast<int>(g);
  }
  return static_cast<int>(groups.count.size());
}

#pragma once
// The GPS memories as the radio lists them: an order table of record numbers (a value of
// 200 or more ends the list) and 27 group starts (group 0 "(No Group)", 1-26 "A"-"Z").
//
// The tables are read through one normalisation, the same that unpack writes back: a start
// at or beyond the list's end, or below an earlier group's start, makes its group empty; of
// two groups with the same start the later keeps it; the first non-empty group starts at
// position 0 so that no entry falls outside every group.
#include <array>

#include "memory/MemoryMap.h"
#include "memory/cmcEeprom.h"

inline constexpr int kGpsNoGroupStart = -1;

struct GpsGroups {
  int length = 0;  // entries in the list
  // First list position, kGpsNoGroupStart when empty.
  std::array<int, MemoryMap::kGpsGroupCount> start{};
  std::array<int, MemoryMap::kGpsGroupCount> count{};
};

GpsGroups ReadGpsGroups(const cmcEeprom& image);
// The record number at a list position, or -1 beyond the list.
int GpsRecordAt(const cmcEeprom& image, int position);
// The first group whose running entry total exceeds position; 27 when none.
int GpsGroupOf(const GpsGroups& groups, int position);

#pragma once
// What a read or write session moves, and how far it has got.
#include <cstdint>

#include "memory/AddressRange.h"

// The one range a read asks for: the radio's whole memory.
AddressRangeList CloneReadRanges();
// The ranges a write sends, in order. They cover the same bytes as the read range; each
// boundary starts a new data frame, because the radio stores frames that cross one wrongly.
AddressRangeList CloneWriteRanges();

// The bytes the ranges hold, up to the end marker.
std::int64_t RangeByteTotal(const AddressRangeList& ranges);

inline constexpr int kProgressSegments = 32;

// The filled segments of the progress bar after bytes of total: bytes x 33 / total, at most
// 32, so that the bar fills a little before the last frame; 0 when total is 0.
int ProgressSegments(std::int64_t bytes, std::int64_t total);

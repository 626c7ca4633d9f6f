#pragma once
// Adding and removing single entries of the lists that keep their entries packed: the
// repeater list (group by group), the your-call-sign list, the GPS memories (an order table
// with group starts) and the broadcast radio groups (slots of record numbers). Each keeps the
// list's counts and the references into it (remembered repeater, GPS alarm) in step.
// An insertion that finds the list full changes nothing and answers false.
#include <cstdint>

#include "memory/cmcEeprom.h"

// Repeater group g gets a new entry at list position (within or right after the group);
// the last entry of the whole list is lost when the list is full.
bool InsertRepeater(cmcEeprom& image, int group, int position);
void RemoveRepeater(cmcEeprom& image, int position);

bool InsertYourCall(cmcEeprom& image, int position);
void RemoveYourCall(cmcEeprom& image, int position);

// Group g gets the lowest free memory at its place place (0 = before its first entry),
// stamped with the current time.
bool InsertGpsMemory(cmcEeprom& image, int group, int place);
// The memory at a list position leaves the order table; its record stays as it is.
void RemoveGpsMemory(cmcEeprom& image, int position);

// The broadcast frequency a new memory of the FM or the AM list starts with.
inline constexpr std::uint32_t kNewFmBroadcastFrequency = 76000000;
inline constexpr std::uint32_t kNewAmBroadcastFrequency = 520000;
// The number of memory records referenced by any group.
int BroadcastMemoriesInUse(const cmcEeprom& image);
// Group g's FM or AM list gets the lowest unreferenced record at a position of that list.
bool InsertBroadcast(cmcEeprom& image, int group, bool am, int position);
// The slot leaves the group (later slots move up); the record stays unreferenced.
void RemoveBroadcastSlot(cmcEeprom& image, int group, int slot);

// The received calls shown at positions first to last leave the record (their slots become
// unused) and the later ones move up; false when none was shown there.
bool RemoveReceivedCalls(cmcEeprom& image, int first, int last);
// A transmit history (kinds 10-13) loses positions first to last of its slot table; the later
// positions move up. False when all of them were empty.
bool RemoveHistoryPositions(cmcEeprom& image, int kind, int first, int last);

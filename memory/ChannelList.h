#pragma once
// Whole-list operations over the memory channels and the bank tables of the program-side
// extension.
#include <cstdint>

#include "memory/cmcEeprom.h"

class datCh;

// The first empty memory channel at or after from (below 500); -1 when none.
int FindFreeChannel(const cmcEeprom& image, int from);
int CountFreeChannels(const cmcEeprom& image);

// The bank table entry of (bank, bank channel): a channel number, kBankEntryFree or
// kBankEntryConflict; kBankEntryFree for a bank or bank channel out of range.
std::uint16_t BankTableEntry(const cmcEeprom& image, int bank, int bankChannel);

// Rebuilds all 2,600 bank table entries from the bank pairs of the used channels 0-549:
// a slot claimed by one channel holds its number, by more than one kBankEntryConflict.
void RebuildBankTables(cmcEeprom& image);

// Fills a channel record (kind 1, memory channels and the rest) from the band template of
// defaults for band (indDestination::BandNumber), keeping its bank and bank channel.
void FillFromBandTemplate(datCh& record, cmcEeprom& defaults, int band);

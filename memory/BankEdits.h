#pragma once
// The operations on a bank view: rows 0-99 of one bank, each showing the memory channel the
// bank table names for it. They change the channels' bank and bank channel fields (or empty
// the channels), rebuild the bank tables afterwards, and drop the remembered memory channel
// when the channel it names ends up empty.
#include <vector>

#include "memory/cmcClipCh.h"
#include "memory/cmcEeprom.h"

// The channel a row names, or -1 (no channel, or a slot claimed by more than one).
int BankRowChannel(const cmcEeprom& image, int bank, int row);
// Whether any row of first to last names a channel in use.
bool AnyBankRowUsed(const cmcEeprom& image, int bank, int first, int last);

// The channels of the rows as the clipboard keeps them: without their bank; a row without a
// channel gives an unused record.
void CopyBankRows(cmcEeprom& image, int bank, int first, int last, cmcClipCh& clipboard);
// Record i goes to row first + i (at most count rows): into the channel the row names, else
// into the lowest empty memory channel; an unused record empties the row's channel. Answers
// the rows pasted, fewer than asked when no empty memory channel was left.
int PasteBankRows(cmcEeprom& image, int bank, int first, int count, const cmcClipCh& clipboard);
void BankOffRows(cmcEeprom& image, int bank, int first, int last);
void ClearBankRows(cmcEeprom& image, int bank, int first, int last);
// The rows' channels become empty and the channels of the later rows up to high move up.
void DeleteBankRows(cmcEeprom& image, int bank, int first, int last, int high);
// The channels of the rows from first to high move down by the block's length; one pushed
// past the last row is emptied.
void InsertBankRows(cmcEeprom& image, int bank, int first, int last, int high);
// A memory channel in use takes the row; the channel that held the row leaves the bank.
// False when nothing changes (the row already holds it, or the channel is empty).
bool PlaceChannelInBankRow(cmcEeprom& image, int bank, int row, int channel);
// The block moves one row up (-1) or down (+1), exchanging places with its neighbour row.
void CarryBankRows(cmcEeprom& image, int bank, int first, int last, int direction);

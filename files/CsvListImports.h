#pragma once
// The rules of the memory channel and repeater lists that every layout reading into them
// keeps: which frequencies and offsets an entry takes, what an import clears first and what
// it settles after its rows, and how a repeater import keeps the groups' limits and the RPT1
// use of the entries it replaces.
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "files/CsvListFormat.h"

class datCh;

// --- Memory channels ---

// A memory channel's frequency lies within 108-479 MHz; an offset is at most 59.999999 MHz.
bool IsChannelFrequency(std::uint32_t hertz);
inline constexpr std::uint32_t kHighestChannelOffset = 59999999;

// The memory channels a memory channel list covers: its page of 100, or all 500 when its
// group is kCsvScopeAll.
std::pair<int, int> MemoryListChannels(const CsvList& list);

// Empties the channels first..last and takes them out of their banks.
void ClearMemoryChannels(cmcEeprom& image, int first, int last);

// After the rows: no channel is remembered as the last one shown, and the bank tables
// follow the channels.
void FinishMemoryImport(cmcEeprom& image);

// --- Repeaters ---

// A repeater entry's frequency lies within 0.03-1399.995 MHz; its offset has a limit per
// band group.
bool IsRepeaterFrequency(std::uint32_t hertz);
std::uint32_t HighestRepeaterOffset(std::uint32_t frequency);

// Reads one row into an entry and answers the group it goes into (0-29; the scope's group for
// a group import); nothing for a row it refused (the reader notes that in the tally).
using RepeaterRowReader =
    std::function<std::optional<int>(const CsvRow& row, datCh& entry, RowOutcome& outcome, CsvImportTally& tally)>;

// Replaces the groups of the scope with the file's remaining rows: the list holds at most 750
// entries (the rest is refused as no space), and when keepRpt1Use answers yes the replaced entries found again keep
// their RPT1 use.
void ReplaceRepeaterGroups(CsvContext& context, cmcLoadFile& file, const ColumnMap& columns, CsvImportTally& tally,
                           const KeepRpt1UseQuestion& keepRpt1Use, const RepeaterRowReader& read);

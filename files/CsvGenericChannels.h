#pragma once
// The generic channel layout: the channel lists other programming tools keep and repeater
// directories offer, with the header "Location,Name,Frequency,Duplex,Offset,Tone,...". Its
// files are UTF-8 with "," between the fields and "." before decimals, whatever the
// document's CSV format settings say. Memory channels are read from it and written to it;
// a repeater group takes its DV repeaters and FM repeaters.
#include <string_view>

#include "files/CsvListFormat.h"

// The layout (one object, alive for the whole program).
const CsvListFormat& GenericChannelCsvFormat();

// The number forms of every file in the layout.
inline constexpr CsvFileFormat kGenericCsvFileFormat{',', '.', 0};

// The lists that read the layout, and the one that is written in it.
bool ReadsGenericChannels(CsvListKind kind);
bool WritesGenericChannels(CsvListKind kind);

// Whether the first line of a file's bytes (after a UTF-8 byte-order mark) is a header of
// the layout: its "Location" and "Frequency" columns, in any order among others.
bool IsGenericChannelFile(std::string_view bytes);

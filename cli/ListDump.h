#pragma once
// The decoded records of one list of an opened document, one entry per used record: as a
// readable table or as a JSON array with one object per entry.
//
// The channel lists (memory 0-499, scan-edges 500-549, call 550-553) give each entry the keys
// index, frequency and offset (Hz), duplex, tone_mode, repeater_tone and tsql_tone (Hz, one
// decimal), dtcs ("023"), dtcs_polarity, mode ("FM", "FM-N", "AM", "DV"), tuning_step,
// digital_squelch, digital_code, name, skip, bank and bank_channel (null for none), your_call,
// rpt1, rpt2; texts lose their trailing spaces.
#include <ostream>
#include <string_view>

#include "memory/cmcEeprom.h"

bool IsDumpList(std::string_view list);
// list must be one IsDumpList accepts.
void DumpList(cmcEeprom& image, std::string_view list, bool json, std::ostream& out);

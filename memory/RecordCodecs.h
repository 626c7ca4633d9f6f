#pragma once
// The per-family decoders and encoders behind datCh. A decoder starts from a reset record
// and fills what the entry holds; an index outside its list leaves the record reset with
// used cleared. An encoder writes only inside its entry and its side tables and may adjust
// the record where the stored form differs (blank name of an unused channel, say).
#include "memory/cmcEeprom.h"
#include "memory/datCh.h"

void DecodeChannel(datCh& record, const cmcEeprom& image, int index);
void EncodeChannel(datCh& record, cmcEeprom& image, int index);
void DecodeBankView(datCh& record, const cmcEeprom& image, int index);
void EncodeBankView(datCh& record, cmcEeprom& image, int index);
void DecodeBandTemplate(datCh& record, const cmcEeprom& image, int index);
void DecodeScanLink(datCh& record, const cmcEeprom& image, int index);
void EncodeScanLink(const datCh& record, cmcEeprom& image, int index);

void DecodeRepeater(datCh& record, const cmcEeprom& image, int index);
void EncodeRepeater(const datCh& record, cmcEeprom& image, int index);
void DecodeNewRepeater(datCh& record, const cmcEeprom& image, int index);

void DecodeYourCall(datCh& record, const cmcEeprom& image, int index);
void EncodeYourCall(const datCh& record, cmcEeprom& image, int index);
void DecodeNewYourCall(datCh& record);

void DecodeGps(datCh& record, const cmcEeprom& image, int index);
void EncodeGps(const datCh& record, cmcEeprom& image, int index);
void DecodeNewGps(datCh& record, const cmcEeprom& image, int index, bool stampNow);

void DecodeBroadcast(datCh& record, const cmcEeprom& image, int kind, int index);
void EncodeBroadcast(const datCh& record, cmcEeprom& image, int kind, int index);
// The memory record itself, whichever list shows it.
void EncodeBroadcastRecord(const datCh& record, cmcEeprom& image, int memory);
void DecodeNewBroadcast(datCh& record, const cmcEeprom& image, int kind);

void DecodeReceivedCall(datCh& record, const cmcEeprom& image, int index);
void DecodeHistory(datCh& record, const cmcEeprom& image, int kind, int index);

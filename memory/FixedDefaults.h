#pragma once
// Bringing an image that enters the program (from a file, from the radio, or rebased on
// another destination) in line with the current destination and its defaults image.
#include "memory/cmcEeprom.h"

// With defaults the defaults image of the current destination (both images of the
// program's full size; they may be the same image):
// - every channel record (memory channels, scan edges, call channels) gets its frequency
//   snapped to the radio's rasters, an undefined tone mode switched off, and, when its mode
//   is none the radio offers, the band template of its frequency in place of all its
//   fields and its used flag cleared; an Auto tuning step becomes the template's step
//   (except for the Japanese version, which has Auto), and the audio frequency the template's;
// - the bank tables are rebuilt;
// - the transmit messages and the GPS message keep only characters the radio shows;
// - used repeater entries lose the fields their entry type does not have;
// - the fixed setting bytes, the templates and the identity are copied from defaults, and
//   the receive-expansion bit follows the model settings.
// Every other byte keeps the image's own value.
void MergeFixedDefaults(cmcEeprom& image, const cmcEeprom& defaults);

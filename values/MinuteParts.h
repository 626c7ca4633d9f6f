#pragma once
// Minutes x 1000 as the image keeps them, split the way positions and minute values show.
#include <cstdint>

// Hundredths of a minute, truncated: 35.123' is 35.12', and 35.12' typed shows back as typed.
inline int HundredthsOf(int milliMinutes) { return milliMinutes % 1000 / 10; }

// Seconds of the minute's fraction, rounded; 60 is left for the caller to carry.
inline int RoundedSecondsOf(int milliMinutes) { return (milliMinutes % 1000 * 60 + 500) / 1000; }

// The milli-minutes a count of seconds within a minute is stored as.
inline int MilliMinutesOfSeconds(int seconds) { return seconds * 1000 / 60; }

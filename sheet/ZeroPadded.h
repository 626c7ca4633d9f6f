#pragma once
// Decimal digits of cell texts.
#include <string>

// value in decimal with at least `digits` digits, zero-padded ("%0*d"); a negative value
// keeps its "-" in front.
std::string ZeroPadded(long long value, int digits);

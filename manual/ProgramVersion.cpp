#include "manual/ProgramVersion.h"

std::string_view ProgramVersion() { return TESSEL_VERSION; }

#include "ui/OptionMenuCommands.h"

#include "base/indEnviron.h"

void OptionMenuCommands::KeepOptions() { services_.environ.WriteSettings(); }

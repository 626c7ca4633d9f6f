#pragma once
// The built-in help-topic table (see cmcHelpGTex.h): line 0 empty, the last line the key
// line "#End_Of_Ovl".
#include "text/LineTables.h"

LineTable HelpTopicTable();

#pragma once
// The help-topic table, read like the program's texts: GI_AppItem_Topic_ID maps the name of a
// cell identifier or of a sheet definition key to a topic, GI_AppItem_Context_ID a topic to
// its context number, and GI_AppItem_Context_Page a context number to the help page (and the
// place on it) that explains it.
#include <string>
#include <string_view>

#include "text/cmcGTex.h"

class cmcCellObj;

class cmcHelpGTex : public cmcGTex {
 public:
  // Selects the built-in help-topic table.
  cmcHelpGTex();
};

// The context number of a name (a cell identifier's or a sheet key's); 0 when it has no
// topic or its topic no context. The last context line of a topic wins.
int ContextOfName(cmcHelpGTex& topics, std::string_view name);
// The context of a cell; 0 for a cell without topic.
int ContextOfCell(cmcHelpGTex& topics, const cmcCellObj& cell);
// The help page of a context, "page.html" or "page.html#place"; empty when none.
std::string PageOfContext(cmcHelpGTex& topics, int context);

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
// The context of a cell on the sheet with definition key sheetKey; 0 for a cell without
// topic. An identifier that means something else on one sheet, or whose elements sit in rows
// of their own, has a topic line of that sheet ("GI_Sheet_ScanName>CL_Misc_ChNo_0Base") or of
// that element ("CL_Common_RFPower[1]"); these come before the identifier's own line.
int ContextOfCell(cmcHelpGTex& topics, const cmcCellObj& cell, std::string_view sheetKey);
// The help page of a context, "page.html" or "page.html#place"; empty when none.
std::string PageOfContext(cmcHelpGTex& topics, int context);

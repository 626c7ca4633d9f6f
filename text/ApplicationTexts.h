#pragma once
// The one application-wide text database. The main controller selects the table of the
// chosen language into it at start and after a language change; the markup reads cell
// models from it.
#include "text/cmcGTex.h"

cmcGTex& ApplicationTexts();

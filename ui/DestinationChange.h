#pragma once
// The one way the program's destination changes (a file or a radio of another destination,
// a failed read that brings the old one back): the setting is kept at once, the destination's
// band rules are loaded, the controller's defaults image is built for it and the status note
// about a missing destination follows. What becomes of the document and the window is the
// caller's choice.
#include <cstdint>

class cuiMain;
class indEnviron;

void ChangeDestination(cuiMain& main, indEnviron& environment, std::int32_t destination);

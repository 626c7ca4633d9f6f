#pragma once
// The one way the program's destination changes (a file or a radio of another destination,
// a failed read that brings the old one back): the setting is kept at once, the destination's
// band rules are loaded, and the document's defaults image is built for it. What becomes of
// the document's content and the window is the caller's choice.
#include <cstdint>

class Document;
class indEnviron;

void ChangeDestination(Document& document, indEnviron& environment, std::int32_t destination);

#include "sheet/cells/StandaloneCellDocument.h"

StandaloneCellDocument::StandaloneCellDocument(cmcEeprom& image, cmcEeprom& defaults, cmcGTex& texts)
    : image_(image), defaults_(defaults), texts_(texts), listCache_(texts) {}

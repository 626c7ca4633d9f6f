#include "cli/ScriptDocument.h"

#include "memory/DefaultImages.h"
#include "memory/ModelSettings.h"
#include "text/ApplicationTexts.h"
#include "text/LineTables.h"

namespace {

cmcGTex& SelectedEnglish() {
  ApplicationTexts().SelectLineTable(LineTableOf(TableLanguage::English));
  return ApplicationTexts();
}

}  // namespace

ScriptDocument::ScriptDocument(cmcEeprom& image, cmcEvMan* events) : document_(image, defaults_, SelectedEnglish()) {
  document_.SetEvents(events);
  BuildDefaultsImage(defaults_);
  document_.Settings().destinationCode = CurrentModelSettings().DestinationCode();
}

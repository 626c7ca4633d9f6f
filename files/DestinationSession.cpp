#include "files/DestinationSession.h"

#include "files/DocumentFile.h"
#include "memory/DefaultImages.h"
#include "memory/GenerationConversion.h"
#include "memory/indDestination.h"

DestinationSession::DestinationSession(int destination) {
  settings_.destinationCode = destination;
  InstallModelSettings(&settings_);
  indDestination(destination).ApplyDestination();
  BuildDefaultsImage(defaults_);
}

DestinationSession::~DestinationSession() {
  InstallModelSettings(nullptr);
  indDestination(DocumentFile::kNoDestination).ApplyDestination();
}

GenerationConverter DestinationSession::Converter() const {
  return [this](cmcEeprom& destination, const cmcEeprom& source, int target, int from) {
    ConvertGeneration(destination, source, target, from, defaults_);
  };
}

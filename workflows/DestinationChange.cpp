#include "workflows/DestinationChange.h"

#include "base/indEnviron.h"
#include "memory/indDestination.h"
#include "workflows/Document.h"

void ChangeDestination(Document& document, indEnviron& environment, std::int32_t destination) {
  environment.settings.destinationCode = destination;
  environment.WriteSettings();
  indDestination(destination).ApplyDestination();
  document.BuildDefaults();
  // Steps recorded under the old band rules are not undone under the new ones.
  document.ResetHistory();
}

#include "ui/DestinationChange.h"

#include "memory/indDestination.h"
#include "shell/indEnviron.h"
#include "ui/cuiMain.h"

void ChangeDestination(cuiMain& main, indEnviron& environment, std::int32_t destination) {
  environment.settings.destinationCode = destination;
  environment.WriteSettings();
  indDestination(destination).ApplyDestination();
  main.BuildDefaults();
  main.UpdateDestinationNote();
}

#include "cli/RadioOptionFlags.h"

RadioOptionFlags::RadioOptionFlags(int destination, bool fccInhibit, bool receiveExpansion)
    : previous_(&CurrentModelSettings()) {
  settings_.destinationCode = destination;
  settings_.fccInhibit = fccInhibit;
  settings_.receiveExpansion = receiveExpansion;
  InstallModelSettings(&settings_);
}

RadioOptionFlags::~RadioOptionFlags() { InstallModelSettings(previous_); }

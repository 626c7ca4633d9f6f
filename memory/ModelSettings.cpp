#include "memory/ModelSettings.h"

#include "memory/PlainModelSettings.h"

namespace {

const PlainModelSettings kDefaultSettings;
const ModelSettings* installedSettings = nullptr;

}  // namespace

const ModelSettings& CurrentModelSettings() { return installedSettings ? *installedSettings : kDefaultSettings; }

void InstallModelSettings(const ModelSettings* settings) { installedSettings = settings; }

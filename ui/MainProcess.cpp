#include "ui/MainProcess.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cctype>

#include "base/cmcEvMan.h"
#include "memory/ModelSettings.h"
#include "memory/indDestination.h"
#include "text/ApplicationTexts.h"
#include "ui/cuiMain.h"
#include "ui/indMain.h"
#include "workflows/DocumentCommands.h"

namespace {

indEnviron::ScreenSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return {screen->geometry().width(), screen->geometry().height()};
}

}  // namespace

MainProcess::MainProcess(const std::vector<std::string>& arguments)
    : environ_({kMutexName, cuiMain::kSettingsKey, cuiMain::kSettingsKey}, {userStore_, machineStore_}, lock_,
               arguments, PrimaryScreenSize()),
      documentPath_(DocumentArgument(arguments)) {
  if (!IsFirstInstance()) return;
  InstallModelSettings(&environ_);
  indDestination::Current().ApplyDestination();
  events_ = std::make_unique<cmcEvMan>();
  controller_ = std::make_unique<indMain>(MainServices{environ_, ApplicationTexts(), *events_});
}

MainProcess::~MainProcess() {
  if (!IsFirstInstance()) return;
  controller_.reset();
  events_.reset();
  ApplicationTexts().Reset();
  InstallModelSettings(nullptr);
}

void MainProcess::Start() {
  // A file is never opened under the initial setup: its question would stand over it.
  if (controller_->CreateMainWindow(documentPath_) && !documentPath_.empty()) {
    controller_->Documents().OpenFile(documentPath_);
  }
  controller_->OfferRecovery();
}

std::string MainProcess::DocumentArgument(const std::vector<std::string>& arguments) {
  const auto isSetup = [](const std::string& argument) {
    std::string lower = argument;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "/setup";
  };
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (!arguments[i].empty() && !isSetup(arguments[i])) return arguments[i];
  }
  return {};
}

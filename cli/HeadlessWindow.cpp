#include "cli/HeadlessWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <sstream>

#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "cli/CheckReport.h"
#include "files/DocumentFile.h"
#include "memory/Generation.h"
#include "memory/ModelSettings.h"
#include "memory/indDestination.h"
#include "platform/qt/QtKeyValueStore.h"
#include "platform/qt/QtSerialDevice.h"
#include "platform/qt/QtTiming.h"
#include "text/ApplicationTexts.h"
#include "text/DisplayCodePage.h"
#include "text/LineTables.h"

namespace {

// The event loop needs an application object; a program that has one already (a test)
// keeps its own.
std::unique_ptr<QCoreApplication> ApplicationIfNone() {
  if (QCoreApplication::instance()) return nullptr;
  static int argc = 1;
  static char name[] = "tessel-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

cmcGTex& EnglishTexts() {
  cmcGTex& texts = ApplicationTexts();
  texts.SelectLineTable(LineTableOf(TableLanguage::English));
  return texts;
}

const std::string kFileKey(QtKeyValueStore::kFileKey);

}  // namespace

// Made after the application object, in the order they depend on each other. The settings
// are the model settings, with their destination's band rules, while they live; the ones in
// force before come back afterwards.
struct HeadlessWindow::Process {
  Process() {
    InstallModelSettings(&environ);
    indDestination::Current().ApplyDestination();
  }
  ~Process() {
    InstallModelSettings(&previousSettings);
    indDestination(previousSettings.DestinationCode()).ApplyDestination();
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  QtTiming timing;
  QtSerialDevice device;
  QtKeyValueStore userStore{QtKeyValueStore::Scope::User};
  QtKeyValueStore machineStore{QtKeyValueStore::Scope::Machine};
  indEnviron environ{{"", kFileKey, kFileKey}, {userStore, machineStore}};
  cmcEvMan events;
  const ModelSettings& previousSettings = CurrentModelSettings();
};

HeadlessWindow::HeadlessWindow(std::ostream& out, std::ostream& err, bool drawProgress)
    : ownApplication_(ApplicationIfNone()),
      process_(std::make_unique<Process>()),
      services_{process_->environ, EnglishTexts(), process_->events},
      out_(out),
      err_(err),
      sessionUi_(err, drawProgress),
      document_(ImageSizeOf(DocumentFile::kNewestGeneration)),
      documents_(document_, *this, services_),
      clone_(std::make_unique<CloneCommands>(document_, documents_, *this, services_, process_->device, sessionUi_)),
      previousBox_(InstallMessageBox(this)),
      loop_(std::make_unique<QEventLoop>()) {
  services_.events.Register(&HeadlessWindow::OnEvent, this);
}

HeadlessWindow::~HeadlessWindow() {
  services_.events.Unregister(&HeadlessWindow::OnEvent, this);
  InstallMessageBox(previousBox_);
}

indEnviron& HeadlessWindow::Environ() { return process_->environ; }

bool HeadlessWindow::RunToEnd(const std::function<void()>& start) {
  lastSessionSucceeded_ = false;
  start();
  QuitWhenChainEnded();
  loop_->exec();
  return lastSessionSucceeded_;
}

void HeadlessWindow::QuitWhenChainEnded() {
  QTimer::singleShot(0, loop_.get(), [this] {
    if (!clone_->IsBusy()) loop_->quit();
  });
}

void HeadlessWindow::OnEvent(void* user, const EventRecord& event) {
  if (event.code != EV_CloneEnded) return;
  auto& window = *static_cast<HeadlessWindow*>(user);
  window.lastSessionSucceeded_ = event.p1 == 1;
  window.QuitWhenChainEnded();
}

void HeadlessWindow::RunWarningCheck(int& errors, int& warnings) {
  std::ostringstream unread;
  const CheckCounts counts = ReportFindings(document_.CurrentImage(), unread);
  errors = counts.errors;
  warnings = counts.warnings;
}

std::int32_t HeadlessWindow::Show(const MessageRequest& request) {
  if (request.text == DisplayText("GI_AppMess_ChangeModel")) return kAnswerOk;
  if (request.text == DisplayText("GI_Mess_CloneWrite_Succeeded")) {
    out_ << request.text << "\n";
    return kAnswerOk;
  }
  err_ << request.text << "\n";
  return ClosedBoxAnswer(request.buttons);
}

// A text as the commands put it in a box.
std::string HeadlessWindow::DisplayText(const char* key) const {
  return ToUtf8(services_.texts.GetValueText(key), DisplayCodePage());
}

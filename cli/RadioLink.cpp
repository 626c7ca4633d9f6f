#include "cli/RadioLink.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "base/cmcEvMan.h"
#include "clone/CloneCheckCodes.h"
#include "files/DocumentFile.h"
#include "memory/Generation.h"
#include "platform/PortNumbers.h"
#include "platform/qt/QtKeyValueStore.h"
#include "platform/qt/QtSerialDevice.h"
#include "platform/qt/QtSerialPortList.h"
#include "platform/qt/QtTiming.h"
#include "text/ApplicationTexts.h"
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

}  // namespace

// Created after the application object, in the order they depend on each other.
struct RadioLink::Platform {
  QtTiming timing;
  QtSerialDevice device;
  QtKeyValueStore userStore{QtKeyValueStore::Scope::User};
  PortNumbers ports = PortNumbers::OfUser(userStore, std::string(QtKeyValueStore::kFileKey));
  cmcEvMan events;
};

RadioLink::RadioLink(const RadioLinkOptions& options, CloneSessionUi& ui)
    : ownApplication_(ApplicationIfNone()), platform_(std::make_unique<Platform>()) {
  settings_.transType = options.transferType;
  settings_.comSpeedHigh = options.speedHigh ? 1 : 0;
  settings_.comPort = options.devicePath.empty() ? options.port : 0;
  expectation_.modelWord = static_cast<std::uint16_t>(DocumentFile::kModelCode);
  expectation_.generation = static_cast<std::uint16_t>(DocumentFile::kNewestGeneration);
  manager_ = std::make_unique<indCloneMan>(platform_->device, platform_->ports, settings_, platform_->events,
                                           EnglishTexts(), ui);
  manager_->SetDevicePath(options.devicePath);
  // There is no port dialog here, so the ports the system lists now get their numbers at
  // once, the ones the window's dialog would give them.
  if (options.devicePath.empty()) platform_->ports.Number(ListSerialPorts());
  manager_->SetInfoCheck(&RadioLink::CheckInfo, this);
  manager_->SetReadCheck(&RadioLink::CheckRead, this);
  manager_->SetRequestWords(expectation_.modelWord, 0);
  manager_->SetImageSize(ImageSizeOf(DocumentFile::kNewestGeneration));
  loop_ = std::make_unique<QEventLoop>();
}

RadioLink::~RadioLink() = default;

void RadioLink::Expect(bool firstPass, std::int32_t currentDestination) {
  expectation_.firstPass = firstPass;
  expectation_.currentDestination = currentDestination;
}

RadioOutcome RadioLink::RunInfo() { return Wait(manager_->StartInfo(&RadioLink::OnSessionEnd, this)); }

RadioOutcome RadioLink::RunRead(const AddressRangeList& ranges) {
  return Wait(manager_->StartRead(ranges, &RadioLink::OnSessionEnd, this));
}

RadioOutcome RadioLink::RunWrite(const cmcEeprom& image, const AddressRangeList& ranges) {
  return Wait(manager_->StartWrite(image, ranges, &RadioLink::OnSessionEnd, this));
}

// Sessions run one after the other, so a start is never refused; should one be, its session
// counts as failed without a message.
RadioOutcome RadioLink::Wait(int started) {
  outcome_ = RadioOutcome();
  outcome_.code = CloneResult::kPortOpen;
  if (started) loop_->exec();
  return std::move(outcome_);
}

void RadioLink::CheckInfo(void* user, dst_CDrv_Result& result) {
  const auto& link = *static_cast<RadioLink*>(user);
  result.code = CheckCloneInformation(
      result.wordA, result.wordB,
      std::span<const std::uint8_t>(result.info.Data(), static_cast<std::size_t>(result.info.Length())),
      link.expectation_);
}

void RadioLink::CheckRead(void* /*user*/, dst_CDrv_Result& result) { result.code = CheckReadImage(result.image); }

void RadioLink::OnSessionEnd(void* user, dst_CDrv_Result& result) {
  auto& link = *static_cast<RadioLink*>(user);
  link.outcome_.code = result.code;
  link.outcome_.wordA = result.wordA;
  link.outcome_.wordB = result.wordB;
  link.outcome_.info.assign(result.info.Data(), result.info.Data() + result.info.Length());
  if (result.kind == CloneSession::kRead && result.code == CloneResult::kOk) {
    link.outcome_.image = std::move(result.image);
  }
  link.loop_->quit();
}

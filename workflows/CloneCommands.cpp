#include "workflows/CloneCommands.h"

#include <ctime>

#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "clone/CloneCheckCodes.h"
#include "clone/CloneImages.h"
#include "clone/CloneInfoBlock.h"
#include "clone/CloneInfoCheck.h"
#include "clone/CloneRanges.h"
#include "files/FileError.h"
#include "memory/FixedDefaults.h"
#include "memory/ImageCorrection.h"
#include "memory/indDestination.h"
#include "text/FormattedText.h"
#include "text/cmcGTex.h"
#include "workflows/DestinationChange.h"
#include "workflows/Document.h"
#include "workflows/DocumentCommands.h"
#include "workflows/DocumentWindow.h"

namespace {

constexpr const char* kCaptionKey = "GI_Sys_AppTitle";

CloneCommands& Commands(void* user) { return *static_cast<CloneCommands*>(user); }

}  // namespace

CloneCommands::CloneCommands(Document& document, DocumentCommands& documents, DocumentWindow& window,
                             MainServices services, SerialDevice& device, CloneSessionUi& sessionUi)
    : document_(document),
      documents_(documents),
      window_(window),
      services_(services),
      ports_(PortNumbers::OfUser(services.environ.UserStore(), services.environ.UserKey())),
      readRanges_(CloneReadRanges()),
      writeRanges_(CloneWriteRanges()) {
  manager_ = std::make_unique<indCloneMan>(device, ports_, services_.environ.settings, services_.events,
                                           services_.texts, sessionUi);
  manager_->SetInfoCheck(&CloneCommands::CheckInfo, this);
  manager_->SetReadCheck(&CloneCommands::CheckRead, this);
  services_.events.Register(&CloneCommands::OnEvent, this);
}

CloneCommands::~CloneCommands() { services_.events.Unregister(&CloneCommands::OnEvent, this); }

std::int32_t& CloneCommands::Destination() { return services_.environ.settings.destinationCode; }

std::int32_t CloneCommands::RadioDestination() const {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(document_.CloneInformation());
  return block ? block->destination : EnvironSettings::kNoDestination;
}

std::string CloneCommands::RadioBackupName() const {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(document_.CloneInformation());
  return RadioBackups::RadioFolderName(block ? SerialNumberText(block->serialNumber) : std::string());
}

BackupOutcome CloneCommands::KeepBackup(const std::string& dataFolder, const cmcEeprom& image,
                                        BackupDirection direction) const {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(document_.CloneInformation());
  return RadioBackups(dataFolder)
      .Keep(image, block ? SerialNumberText(block->serialNumber) : std::string(), direction, std::time(nullptr),
            {DocumentFile::kNewestGeneration, services_.environ.settings.destinationCode, true},
            document_.DefaultsImage());
}

void CloneCommands::KeepBackupAfterClone(const cmcEeprom& image, BackupDirection direction) {
  if (backupFolder_.empty()) return;
  const BackupOutcome outcome = KeepBackup(backupFolder_, image, direction);
  if (outcome.kept) return;
  const std::string reason =
      outcome.message.empty() ? FileErrorText(services_.texts, outcome.fileError) : outcome.message;
  const std::string named = outcome.path.empty() ? std::string() : outcome.path + " ";
  cmcGTex& texts = services_.texts;
  ShowProgramMessage(FormattedText(texts.GetLine("GI_Mess_Backup_NotKept", 0), named.c_str()) + "\n" + reason + "\n\n" +
                         texts.GetLine("GI_Mess_Backup_NotKept", 1),
                     texts.GetLine(kCaptionKey, 0), MessageButtons::Ok, MessageIcon::Warning);
}

// --- Checks of what the radio reported ---

// The radio must be of this model and generation; after the first session of a chain it
// must also be of the current destination, unless the initial setup is asking it.
void CloneCommands::CheckInfo(void* user, dst_CDrv_Result& result) {
  CloneCommands& commands = Commands(user);
  CloneInfoExpectation expected;
  expected.modelWord = commands.document_.Model().modelWord;
  expected.generation = static_cast<std::uint16_t>(commands.document_.Model().radioGeneration);
  expected.firstPass = commands.firstPass_;
  expected.currentDestination = commands.Destination();
  expected.mainWindowVisible = commands.window_.Visible();
  const std::span<const std::uint8_t> bytes(result.info.Data(), static_cast<std::size_t>(result.info.Length()));
  result.code = CheckCloneInformation(result.wordA, result.wordB, bytes, expected);
  if (result.code == CloneResult::kOk) commands.document_.SetCloneInformation(bytes);
}

void CloneCommands::CheckRead(void*, dst_CDrv_Result& result) { result.code = CheckReadImage(result.image); }

// --- Sessions ---

void CloneCommands::StartInfo(indCloneMan::Continuation continuation) {
  manager_->SetRequestWords(document_.Model().modelWord, 0);
  manager_->StartInfo(continuation, this);
}

bool CloneCommands::AdoptedAfterFirstPass(std::int64_t flags) {
  services_.events.Send(EV_ApplyRadioInfo, flags);
  if (Destination() != RadioDestination()) return false;
  firstPass_ = false;
  return true;
}

std::int32_t CloneCommands::Ask(const char* key, MessageButtons buttons, MessageIcon icon, std::int32_t defaultAnswer) {
  return ShowProgramMessage(services_.texts.GetValueText(key), services_.texts.GetLine(kCaptionKey, 0), buttons, icon,
                            defaultAnswer);
}

// --- Clone Read ---

// The first information session learns the radio's destination (the user may adopt it, the
// document is replaced by the read anyway); a second one confirms the radio before the read.
void CloneCommands::CloneRead() {
  if (documents_.AskSaveChanges(false) == kAnswerCancel) return;
  if (IsBusy()) return;
  RememberDestination();
  firstPass_ = true;
  StartInfo(&CloneCommands::OnReadInfoEnd);
}

void CloneCommands::OnReadInfoEnd(void* user, dst_CDrv_Result& result) { Commands(user).ReadInfoEnded(result); }

void CloneCommands::ReadInfoEnded(const dst_CDrv_Result& result) {
  if (result.code != CloneResult::kOk) return RestoreDestination();
  if (firstPass_) {
    if (AdoptedAfterFirstPass(kTakeOptionFlags | kAdoptDestination | kKeepDocument)) {
      StartInfo(&CloneCommands::OnReadInfoEnd);
    }
    return;
  }
  manager_->SetImageSize(document_.CurrentImage().GetSize());
  manager_->StartRead(readRanges_, &CloneCommands::OnReadEnd, this);
}

void CloneCommands::OnReadEnd(void* user, dst_CDrv_Result& result) { Commands(user).ReadEnded(result); }

// The received image becomes an untitled, modified document of the current generation.
void CloneCommands::ReadEnded(dst_CDrv_Result& result) {
  if (result.code != CloneResult::kOk) return RestoreDestination();
  services_.events.Send(EV_ApplyRadioInfo, kTakeOptionFlags);
  document_.CurrentImage().Assign(result.image);
  document_.AdoptCurrentImage();
  document_.SetGeneration(3);
  document_.MarkModified();
  document_.SetFileName("");
  services_.events.Send(EV_ApplyRadioInfo, 0);
  RefreshWindow();
  KeepBackupAfterClone(document_.CurrentImage(), BackupDirection::Read);
}

// --- Clone Write ---

// Four information sessions (identify, confirm, prepare, check again) and then the write;
// every question is asked between two sessions, while the port is closed. Consent given
// before starts the chain at the preparation, whose session must already find a radio of the
// document's destination.
void CloneCommands::CloneWrite(WriteConsent consent) {
  const bool givenBefore = consent == WriteConsent::GivenBefore;
  writeConfirmed_ = givenBefore;
  writePrepared_ = false;
  correctWrite_ = !givenBefore;
  services_.events.Send(EV_CommitEdit);
  if (IsBusy()) return;
  firstPass_ = !givenBefore;
  StartInfo(&CloneCommands::OnWriteInfoEnd);
}

void CloneCommands::OnWriteInfoEnd(void* user, dst_CDrv_Result& result) { Commands(user).WriteInfoEnded(result); }

void CloneCommands::WriteInfoEnded(const dst_CDrv_Result& result) {
  if (result.code != CloneResult::kOk || IsBusy()) return;
  if (firstPass_) {
    if (AdoptedAfterFirstPass(kTakeOptionFlags | kAdoptDestination)) StartInfo(&CloneCommands::OnWriteInfoEnd);
    return;
  }
  services_.events.Send(EV_ApplyRadioInfo, kTakeOptionFlags);
  if (writeConfirmed_ && writePrepared_) {
    manager_->SetImageSize(document_.CurrentImage().GetSize());
    writeConfirmed_ = false;
    writePrepared_ = false;
    manager_->StartWrite(document_.WriteImage(), writeRanges_, &CloneCommands::OnWriteEnd, this);
    return;
  }
  if (writeConfirmed_) {
    window_.CloseSheet();
    services_.events.Send(EV_RefreshAll);
    PrepareWrite();
  } else if (ConfirmWrite()) {
    writeConfirmed_ = true;
  } else {
    return;
  }
  StartInfo(&CloneCommands::OnWriteInfoEnd);
}

// The document takes the fixed defaults; the image sent is a packed copy of it, corrected
// unless the consent was given before.
void CloneCommands::PrepareWrite() {
  const cmcEeprom& defaults = document_.DefaultsImage();
  WriteImageCorrection correct;
  if (correctWrite_) correct = [&defaults](cmcEeprom& image) { CorrectImage(image, defaults); };
  document_.WriteImage().Assign(PrepareWriteImage(document_.CurrentImage(), defaults, correct));
  writePrepared_ = true;
}

// Settings with errors are never written; warnings replace the plain confirmation.
bool CloneCommands::ConfirmWrite() {
  int errors = 0;
  int warnings = 0;
  window_.RunWarningCheck(errors, warnings);
  if (errors > 0) {
    Ask("GI_Mess_DataError", MessageButtons::Ok, MessageIcon::Error);
    return false;
  }
  const char* question = warnings > 0 ? "GI_Mess_DataWarn" : "GI_Mess_Confirm_CloneWrite";
  return Ask(question, MessageButtons::OkCancel, MessageIcon::Warning) == kAnswerOk;
}

void CloneCommands::OnWriteEnd(void* user, dst_CDrv_Result& result) { Commands(user).WriteEnded(result); }

void CloneCommands::WriteEnded(const dst_CDrv_Result& result) {
  if (result.code != CloneResult::kOk) return;
  window_.CloseSheet();
  Ask("GI_Mess_CloneWrite_Succeeded", MessageButtons::Ok, MessageIcon::Information);
  KeepBackupAfterClone(document_.WriteImage(), BackupDirection::Write);
}

// --- Clone Information ---

void CloneCommands::CloneInformation() {
  if (IsBusy()) return;
  firstPass_ = true;
  StartInfo(&CloneCommands::OnCloneInfo);
}

void CloneCommands::OnCloneInfo(void* user, dst_CDrv_Result& result) { Commands(user).CloneInfoEnded(result); }

// In the initial setup (main window hidden) the radio's destination is taken without a
// question and the setup ends; otherwise the information window shows what the radio said.
void CloneCommands::CloneInfoEnded(const dst_CDrv_Result& result) {
  const bool succeeded = result.code == CloneResult::kOk;
  if (succeeded) {
    services_.events.Send(EV_ApplyRadioInfo, kTakeOptionFlags | kAdoptDestination);
    firstPass_ = false;
  }
  if (!window_.Visible()) {
    if (succeeded) services_.events.Send(EV_InitialSetupDone);
    return;
  }
  if (!succeeded || Destination() != RadioDestination()) return;
  window_.OpenInformationWindow();
  window_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
}

// --- What the radio reported ---

void CloneCommands::ApplyRadioInfo(std::int64_t flags) {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(document_.CloneInformation());
  if (!block) return;
  const std::int32_t radio = block->destination;
  bool adopt = true;
  if (window_.Visible()) {
    adopt = (flags & kAdoptDestination) != 0 && radio != Destination() && AskModelChange((flags & kKeepDocument) != 0);
  }
  EnvironSettings& settings = services_.environ.settings;
  if ((flags & kTakeOptionFlags) != 0 && (adopt || Destination() == radio)) {
    settings.fccInhibit = block->fccInhibit;
    settings.receiveExpansion = block->receiveExpansion;
    services_.environ.WriteSettings();
  }
  if ((flags & kAdoptDestination) != 0 && adopt) {
    SetDestination(radio);
    if ((flags & kKeepDocument) == 0) RebaseDocument();
    RefreshWindow();
  }
  if (Destination() <= EnvironSettings::kNoDestination) indDestination(Destination()).ApplyDestination();
}

// OK takes the radio's destination; unless the document is kept as it is, unsaved changes
// may be saved first, and the document becomes untitled (it no longer matches its file).
// Rows on the clipboard were copied under the old destination's band rules: they go.
bool CloneCommands::AskModelChange(bool keepDocument) {
  if (Ask("GI_AppMess_ChangeModel", MessageButtons::OkCancel, MessageIcon::Warning, kAnswerCancel) != kAnswerOk) {
    return false;
  }
  if (!keepDocument) {
    if (documents_.AskSaveChanges(false) == kAnswerCancel) return false;
    if (!document_.FileName().empty() || document_.IsModified()) document_.MarkModified();
    document_.SetFileName("");
  }
  document_.Clipboard().Clear();
  return true;
}

void CloneCommands::SetDestination(std::int32_t destination) {
  if (destination == Destination()) return;
  ChangeDestination(document_, services_.environ, destination);
  if (!window_.Visible()) {
    document_.ResetToDefaults();
    document_.MarkSaved();
  }
}

// An untitled, unchanged document becomes a new one of the destination; any other keeps its
// content under the destination's fixed defaults.
void CloneCommands::RebaseDocument() {
  if (document_.FileName().empty() && !document_.IsModified()) {
    document_.SetGeneration(3);
    document_.ResetToDefaults();
    document_.MarkSaved();
    document_.SetFileName("");
    return;
  }
  MergeFixedDefaults(document_.CurrentImage(), document_.DefaultsImage());
  document_.ResetHistory();
}

void CloneCommands::RememberDestination() {
  const EnvironSettings& settings = services_.environ.settings;
  rememberedDestination_ = settings.destinationCode;
  rememberedFccInhibit_ = settings.fccInhibit;
  rememberedReceiveExpansion_ = settings.receiveExpansion;
}

void CloneCommands::RestoreDestination() {
  EnvironSettings& settings = services_.environ.settings;
  settings.fccInhibit = rememberedFccInhibit_;
  settings.receiveExpansion = rememberedReceiveExpansion_;
  ChangeDestination(document_, services_.environ, rememberedDestination_);
  RefreshWindow();
}

void CloneCommands::RefreshWindow() {
  window_.RebuildTree();
  window_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
}

void CloneCommands::OnEvent(void* user, const EventRecord& event) {
  CloneCommands& commands = Commands(user);
  if (event.code == EV_ApplyRadioInfo) commands.ApplyRadioInfo(event.p1);
  if (event.code == EV_StartCloneInfo) commands.CloneInformation();
}

#include "ui/CloneCommands.h"

#include "clone/CloneCheckCodes.h"
#include "clone/CloneImages.h"
#include "clone/CloneInfoBlock.h"
#include "clone/CloneInfoCheck.h"
#include "clone/CloneRanges.h"
#include "memory/FixedDefaults.h"
#include "memory/ImageCorrection.h"
#include "memory/indDestination.h"
#include "shell/cmcEvMan.h"
#include "shell/indEnviron.h"
#include "text/CellIds.h"
#include "text/cmcGTex.h"
#include "ui/DestinationChange.h"
#include "ui/DocumentCommands.h"
#include "ui/cuiInformation.h"
#include "ui/cuiMainWindow.h"

namespace {

constexpr const char* kCaptionKey = "GI_Sys_AppTitle";

CloneCommands& Commands(void* user) { return *static_cast<CloneCommands*>(user); }

}  // namespace

CloneCommands::CloneCommands(cuiMain& main, MainServices services)
    : main_(main),
      services_(services),
      ports_(PortNumbers::OfUser(services.environ.UserStore(), services.environ.UserKey())),
      ui_([this]() -> QWidget* { return main_.MainWindow(); }),
      readRanges_(CloneReadRanges()),
      writeRanges_(CloneWriteRanges()) {
  manager_ = std::make_unique<indCloneMan>(device_, ports_, services_.environ.settings, services_.events,
                                           services_.texts, ui_);
  manager_->SetInfoCheck(&CloneCommands::CheckInfo, this);
  manager_->SetReadCheck(&CloneCommands::CheckRead, this);
  services_.events.Register(&CloneCommands::OnEvent, this);
}

CloneCommands::~CloneCommands() {
  services_.events.Unregister(&CloneCommands::OnEvent, this);
  delete informationWindow_;
}

std::int32_t& CloneCommands::Destination() { return services_.environ.settings.destinationCode; }

std::int32_t CloneCommands::RadioDestination() const {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(main_.CloneInformation());
  return block ? block->destination : indEnvironSettings::kNoDestination;
}

// --- Checks of what the radio reported ---

// The radio must be of this model and generation; after the first session of a chain it
// must also be of the current destination, unless the initial setup is asking it.
void CloneCommands::CheckInfo(void* user, dst_CDrv_Result& result) {
  CloneCommands& commands = Commands(user);
  CloneInfoExpectation expected;
  expected.modelWord = commands.main_.ModelWord();
  expected.generation = static_cast<std::uint16_t>(commands.main_.RadioGeneration());
  expected.firstPass = commands.firstPass_;
  expected.currentDestination = commands.Destination();
  expected.mainWindowVisible = commands.main_.MainWindowVisible();
  const std::span<const std::uint8_t> bytes(result.info.Data(), static_cast<std::size_t>(result.info.Length()));
  result.code = CheckCloneInformation(result.wordA, result.wordB, bytes, expected);
  if (result.code == CloneResult::kOk) commands.main_.SetCloneInformation(bytes);
}

void CloneCommands::CheckRead(void*, dst_CDrv_Result& result) { result.code = CheckReadImage(result.image); }

// --- Sessions ---

void CloneCommands::StartInfo(indCloneMan::Continuation continuation) {
  manager_->SetRequestWords(main_.ModelWord(), 0);
  manager_->StartInfo(continuation, this);
}

bool CloneCommands::AdoptedAfterFirstPass(std::intptr_t flags) {
  services_.events.Send(EV_ApplyRadioInfo, flags);
  if (Destination() != RadioDestination()) return false;
  firstPass_ = false;
  return true;
}

std::int32_t CloneCommands::Ask(const char* key, MessageButtons buttons, MessageIcon icon,
                                std::int32_t defaultAnswer) {
  return main_.ShowMessage(services_.texts.GetValueText(key), services_.texts.GetLine(kCaptionKey, 0), buttons, icon,
                           defaultAnswer);
}

bool CloneCommands::RunCommand(unsigned cellId) {
  switch (cellId) {
    case CL_Menu_Clone_Read:
      CloneRead();
      return true;
    case CL_Menu_Clone_Write:
      CloneWrite();
      return true;
    case CL_Menu_Clone_Info:
      services_.events.Send(EV_StartCloneInfo);
      return true;
    default:
      return false;
  }
}

// --- Clone Read ---

// The first information session learns the radio's destination (the user may adopt it, the
// document is replaced by the read anyway); a second one confirms the radio before the read.
void CloneCommands::CloneRead() {
  if (main_.Documents().AskSaveChanges(false) == kAnswerCancel) return;
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
  manager_->SetImageSize(main_.CurrentImage().GetSize());
  manager_->StartRead(readRanges_, &CloneCommands::OnReadEnd, this);
}

void CloneCommands::OnReadEnd(void* user, dst_CDrv_Result& result) { Commands(user).ReadEnded(result); }

// The received image becomes an untitled, modified document of the current generation.
void CloneCommands::ReadEnded(dst_CDrv_Result& result) {
  if (result.code != CloneResult::kOk) return RestoreDestination();
  services_.events.Send(EV_ApplyRadioInfo, kTakeOptionFlags);
  main_.CurrentImage().Assign(result.image);
  main_.ShowImage(main_.CurrentImage());
  main_.SetDocumentGeneration(3);
  main_.MarkModified();
  main_.SetFileName("");
  services_.events.Send(EV_ApplyRadioInfo, 0);
  RefreshWindow();
}

// --- Clone Write ---

// Four information sessions (identify, confirm, prepare, check again) and then the write;
// every question is asked between two sessions, while the port is closed.
void CloneCommands::CloneWrite() {
  writeConfirmed_ = false;
  writePrepared_ = false;
  services_.events.Send(EV_CommitEdit);
  if (IsBusy()) return;
  firstPass_ = true;
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
    manager_->SetImageSize(main_.CurrentImage().GetSize());
    writeConfirmed_ = false;
    writePrepared_ = false;
    manager_->StartWrite(main_.WriteImage(), writeRanges_, &CloneCommands::OnWriteEnd, this);
    return;
  }
  if (writeConfirmed_) {
    main_.CloseSheet();
    services_.events.Send(EV_RefreshAll);
    PrepareWrite();
  } else if (ConfirmWrite()) {
    writeConfirmed_ = true;
  } else {
    return;
  }
  StartInfo(&CloneCommands::OnWriteInfoEnd);
}

// The document takes the fixed defaults; the image sent is a corrected, packed copy of it.
void CloneCommands::PrepareWrite() {
  const cmcEeprom& defaults = main_.DefaultsImage();
  const auto correct = [&defaults](cmcEeprom& image) { CorrectImage(image, defaults); };
  main_.WriteImage().Assign(PrepareWriteImage(main_.CurrentImage(), defaults, correct));
  writePrepared_ = true;
}

// Settings with errors are never written; warnings replace the plain confirmation.
bool CloneCommands::ConfirmWrite() {
  int errors = 0;
  int warnings = 0;
  main_.RunWarningCheck(&errors, &warnings);
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
  main_.CloseSheet();
  Ask("GI_Mess_CloneWrite_Succeeded", MessageButtons::Ok, MessageIcon::Information);
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
  if (!main_.MainWindowVisible()) {
    if (succeeded) services_.events.Send(EV_InitialSetupDone);
    return;
  }
  if (!succeeded || Destination() != RadioDestination()) return;
  OpenInformationWindow();
  main_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
}

void CloneCommands::OpenInformationWindow() {
  delete informationWindow_;
  informationWindow_ = new cuiInformation(
      main_.MainWindow(), cuiInformation::Services{services_.texts, services_.events, main_.CellBehaviour()},
      services_.texts.GetLine(kCaptionKey, 0), "GI_Sheet_CloneInfo");
  informationWindow_->Open();
}

// --- What the radio reported ---

void CloneCommands::ApplyRadioInfo(std::intptr_t flags) {
  const std::optional<CloneInfoBlock> block = DecodeCloneInfoBlock(main_.CloneInformation());
  if (!block) return;
  const std::int32_t radio = block->destination;
  bool adopt = true;
  if (main_.MainWindowVisible()) {
    adopt = (flags & kAdoptDestination) != 0 && radio != Destination() && AskModelChange((flags & kKeepDocument) != 0);
  }
  indEnvironSettings& settings = services_.environ.settings;
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
  if (Destination() <= indEnvironSettings::kNoDestination) indDestination(Destination()).ApplyDestination();
}

// OK takes the radio's destination; unless the document is kept as it is, unsaved changes
// may be saved first, and the document becomes untitled (it no longer matches its file).
bool CloneCommands::AskModelChange(bool keepDocument) {
  if (Ask("GI_AppMess_ChangeModel", MessageButtons::OkCancel, MessageIcon::Warning, kAnswerCancel) != kAnswerOk) {
    return false;
  }
  if (keepDocument) return true;
  if (main_.Documents().AskSaveChanges(false) == kAnswerCancel) return false;
  if (!main_.FileName().empty() || main_.IsModified()) main_.MarkModified();
  main_.SetFileName("");
  return true;
}

void CloneCommands::SetDestination(std::int32_t destination) {
  if (destination == Destination()) return;
  ChangeDestination(main_, services_.environ, destination);
  if (!main_.MainWindowVisible()) {
    main_.ResetToDefaults();
    main_.MarkSaved();
  }
}

// An untitled, unchanged document becomes a new one of the destination; any other keeps its
// content under the destination's fixed defaults.
void CloneCommands::RebaseDocument() {
  if (main_.FileName().empty() && !main_.IsModified()) {
    main_.SetDocumentGeneration(3);
    main_.ResetToDefaults();
    main_.MarkSaved();
    main_.SetFileName("");
    return;
  }
  MergeFixedDefaults(main_.CurrentImage(), main_.DefaultsImage());
}

void CloneCommands::RememberDestination() {
  const indEnvironSettings& settings = services_.environ.settings;
  rememberedDestination_ = settings.destinationCode;
  rememberedFccInhibit_ = settings.fccInhibit;
  rememberedReceiveExpansion_ = settings.receiveExpansion;
}

void CloneCommands::RestoreDestination() {
  indEnvironSettings& settings = services_.environ.settings;
  settings.fccInhibit = rememberedFccInhibit_;
  settings.receiveExpansion = rememberedReceiveExpansion_;
  ChangeDestination(main_, services_.environ, rememberedDestination_);
  RefreshWindow();
}

void CloneCommands::RefreshWindow() {
  if (main_.MainWindow() != nullptr) main_.RebuildTree();
  main_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
}

void CloneCommands::OnEvent(void* user, const cmcEvent& event) {
  CloneCommands& commands = Commands(user);
  if (event.code == EV_ApplyRadioInfo) commands.ApplyRadioInfo(event.p1);
  if (event.code == EV_StartCloneInfo) commands.CloneInformation();
}

#include "workflows/DocumentCommands.h"

#include <filesystem>

#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "files/DocumentOpen.h"
#include "files/DocumentSave.h"
#include "files/RecoveryCopy.h"
#include "memory/EtcData.h"
#include "memory/FixedDefaults.h"
#include "memory/Generation.h"
#include "memory/GenerationConversion.h"
#include "memory/ImageCorrection.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "text/DisplayCodePage.h"
#include "text/cmcGTex.h"
#include "workflows/DestinationChange.h"
#include "workflows/DialogFilters.h"
#include "workflows/Document.h"
#include "workflows/DocumentWindow.h"
#include "workflows/MainServices.h"

namespace {

// The window shows that the program is busy while a file is read or written.
class BusyWindow {
 public:
  explicit BusyWindow(DocumentWindow& window) : window_(window) { window_.BeginBusy(); }
  ~BusyWindow() { window_.EndBusy(); }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  DocumentWindow& window_;
};

std::string BaseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string FolderOf(const std::string& path) {
  return std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
}

// Two spellings of one file are the same file; letter case counts.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

}  // namespace

DocumentCommands::DocumentCommands(Document& document, DocumentWindow& window, const MainServices& services)
    : document_(document), window_(window), services_(services) {}

// --- Questions and messages ---

// The text of key, its "%s" replaced by argument (a UTF-8 file name or generation name).
std::int32_t DocumentCommands::Ask(const std::string& textKey, const std::string& argument, MessageButtons buttons,
                                   std::int32_t defaultAnswer) {
  std::string text = ToUtf8(services_.texts.GetValueText(textKey), DisplayCodePage());
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
  const std::string caption = ToUtf8(services_.texts.GetLine("GI_Sys_AppTitle", 0), DisplayCodePage());
  return ShowMessageBox({text, caption, buttons, MessageIcon::Warning, defaultAnswer});
}

void DocumentCommands::ShowFileError(int code) {
  ShowProgramMessage(FileErrorText(services_.texts, code), services_.texts.GetLine("GI_Sys_AppTitle", 0),
                     MessageButtons::Ok, MessageIcon::Warning);
}

std::int32_t DocumentCommands::AskSaveChanges(bool sameFile) {
  services_.events.Send(EV_CommitEdit);
  if (!document_.IsModified()) return kAnswerYes;
  const std::int32_t answer =
      sameFile ? Ask("GI_Mess_Confirm_WriteFile", {}, MessageButtons::YesNoCancel, 0)
               : Ask("GI_Mess_Confirm_WriteAnother", BaseName(document_.DisplayFileName(services_.texts)),
                     MessageButtons::YesNoCancel, 0);
  if (answer != kAnswerYes) return answer;
  return SaveDocument(document_.FileName().empty() || sameFile) == 0 ? kAnswerYes : kAnswerCancel;
}

// --- New and Open ---

void DocumentCommands::NewDocument() {
  if (AskSaveChanges(false) == kAnswerCancel) return;
  document_.SetGeneration(DocumentFile::kNewestGeneration);
  document_.ResetToDefaults();
  document_.MarkSaved();
  document_.SetFileName({});
  window_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
}

void DocumentCommands::OpenDialog() {
  services_.events.Send(EV_CommitEdit);
  const std::string path = ChooseFileToOpen();
  if (!path.empty()) OpenFile(path);
}

std::string DocumentCommands::ChooseFileToOpen() {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.folder = document_.CurrentFolder();
  request.defaultExtension = services_.texts.GetLine("GI_Sys_Dialog_FOpen", 0);
  request.filters = DialogFilters(ToUtf8(services_.texts.GetLine("GI_Sys_Dialog_FOpen", 1), DisplayCodePage()));
  const FileDialogAnswer answer = AskFileDialog(request);
  return answer.chosen ? answer.path : std::string();
}

int DocumentCommands::OpenFile(const std::string& name) {
  if (AskSaveChanges(SameFile(name, document_.DisplayFileName(services_.texts))) == kAnswerCancel) return 1;
  BusyWindow busy(window_);
  DocumentOpenResult opened = OpenDocumentFile(name, services_.environ.settings.destinationCode, Converter(),
                                               [this](int code) { ShowFileError(code); });
  if (opened.code != FileError::kNone) return 1;
  const std::optional<bool> keepsFile = TakeFileDestination(opened);
  if (!keepsFile) return 1;
  TakeFileFolder(name);
  services_.environ.recent.AddFirst(name);
  AdoptOpened(opened, opened.generation);
  if (*keepsFile) {
    document_.SetFileName(name);
    document_.MarkSaved();
  } else {
    document_.SetFileName({});
    document_.MarkModified();
  }
  ShowNewContent();
  return 0;
}

// The copy becomes a modified document named as its original, so that Save writes the
// original file in the generation it had.
int DocumentCommands::OpenRecoveredCopy(const RecoveryCopy& copy) {
  if (AskSaveChanges(false) == kAnswerCancel) return 1;
  BusyWindow busy(window_);
  DocumentOpenResult opened = OpenDocumentBytes(copy.cloneFile, services_.environ.settings.destinationCode, Converter(),
                                                [this](int code) { ShowFileError(code); });
  if (opened.code != FileError::kNone) return 1;
  const std::optional<bool> keepsFile = TakeFileDestination(opened);
  if (!keepsFile) return 1;
  AdoptOpened(opened, copy.header.generation);
  document_.SetFileName(*keepsFile ? copy.header.originalPath : std::string());
  document_.MarkModified();
  ShowNewContent();
  return 0;
}

GenerationConverter DocumentCommands::Converter() const {
  const cmcEeprom& defaults = document_.DefaultsImage();
  return [&defaults](cmcEeprom& target, const cmcEeprom& source, int to, int from) {
    ConvertGeneration(target, source, to, from, defaults);
  };
}

// A file of another destination asks whether the program takes that destination: yes when
// it does (the document keeps its file), no when the content comes in under the current one
// as an untitled document, none when the user cancelled.
std::optional<bool> DocumentCommands::TakeFileDestination(const DocumentOpenResult& opened) {
  if (!opened.destinationDiffers) return true;
  const std::int32_t answer = Ask("GI_AppMess_ChangeModel_QMF", {}, MessageButtons::YesNoCancel, kAnswerNo);
  if (answer == kAnswerCancel) return std::nullopt;
  if (answer == kAnswerNo) return false;
  AdoptFileDestination(opened.destination);
  document_.Clipboard().Clear();
  return true;
}

void DocumentCommands::AdoptOpened(const DocumentOpenResult& opened, int generation) {
  document_.SetGeneration(generation);
  document_.CurrentImage().Assign(opened.image);
  document_.AdoptCurrentImage();
}

void DocumentCommands::ShowNewContent() {
  window_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
}

// The file is read into a work image only; its channels stay out of the document. A file made
// without a destination cannot tell the radio's version and is refused with the
// file's destination error.
int DocumentCommands::ReadDestinationFromFile(const std::string& path) {
  BusyWindow busy(window_);
  const DocumentOpenResult opened = OpenDocumentFile(path, services_.environ.settings.destinationCode, Converter(),
                                                     [this](int code) { ShowFileError(code); });
  if (opened.code != FileError::kNone) return 1;
  const std::optional<EtcDataFields> fields = UnpackEtcData(opened.extraData);
  if (!fields || opened.destination >= DocumentFile::kNoDestination) {
    ShowFileError(FileError::kEtcData);
    return 1;
  }
  services_.environ.settings.receiveExpansion = fields->receiveExpansion;
  ChangeDestination(document_, services_.environ, opened.destination);
  if (document_.FileName().empty() && !document_.IsModified()) {
    document_.SetGeneration(DocumentFile::kNewestGeneration);
    document_.ResetToDefaults();
    document_.MarkSaved();
  }
  window_.RebuildTree();
  window_.CloseSheet();
  services_.events.Send(EV_RefreshAll);
  TakeFileFolder(path);
  services_.events.Send(EV_InitialSetupFileDone);
  return 0;
}

// The file's destination becomes the program's: its band rules, its defaults and the tree.
// The document that the file replaces next needs no re-basing.
void DocumentCommands::AdoptFileDestination(int destination) {
  ChangeDestination(document_, services_.environ, destination);
  window_.RebuildTree();
}

void DocumentCommands::TakeFileFolder(const std::string& name) {
  const std::string folder = FolderOf(name);
  document_.SetCurrentFolder(folder);
  services_.environ.settings.currentDirectory = folder;
}

// --- Save ---

int DocumentCommands::SaveDocument(bool asNew) {
  int result = 0;
  do {
    result = asNew ? SaveAsDialog() : WriteFile(document_.DisplayFileName(services_.texts), document_.Generation());
    asNew = true;
  } while (result == -1);
  return result == 0 ? 0 : 1;
}

int DocumentCommands::SaveAsDialog() {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Save;
  request.folder = document_.CurrentFolder();
  request.fileName = BaseName(document_.DisplayFileName(services_.texts));
  request.defaultExtension = services_.texts.GetLine("GI_Sys_Dialog_FSave", 0);
  request.filters = DialogFilters(ToUtf8(services_.texts.GetLine("GI_Sys_Dialog_FSave", 1), DisplayCodePage()));
  request.filterIndex = ListPositionOfGeneration(document_.Generation()) - 1;
  const FileDialogAnswer answer = AskFileDialog(request);
  if (!answer.chosen) return 1;
  return WriteFile(answer.path, GenerationFromListPosition(answer.filterIndex + 1));
}

// Yes saves in the older format, No returns to the choice of format, Cancel ends.
int DocumentCommands::ConfirmOldFormat(int generation) {
  const std::string name = ToUtf8(GenerationName(generation), DisplayCodePage());
  const std::int32_t answer = Ask("GI_Mess_SaveOldModel", name, MessageButtons::YesNoCancel, kAnswerNo);
  if (answer == kAnswerYes) return 0;
  return answer == kAnswerNo ? -1 : 1;
}

// Errors keep the file from the radio; warnings are corrected when the user agrees, and only
// then may the radio load the file.
DocumentCommands::Checked DocumentCommands::CheckMarks() {
  int errors = 0;
  int warnings = 0;
  window_.RunWarningCheck(errors, warnings);
  if (errors > 0) {
    Ask("GI_Mess_Confirm_ErrMark", {}, MessageButtons::Ok, 0);
    return {false, false};
  }
  if (warnings == 0) return {false, true};
  const bool correct = Ask("GI_Mess_Confirm_WarnMark", {}, MessageButtons::YesNo, kAnswerNo) == kAnswerYes;
  return {correct, correct};
}

int DocumentCommands::WriteFile(const std::string& name, int generation) {
  services_.events.Send(EV_CommitEdit);
  if (generation != DocumentFile::kNewestGeneration) {
    if (const int answer = ConfirmOldFormat(generation); answer != 0) return answer;
  }
  const Checked checked = CheckMarks();
  cmcEeprom& current = document_.CurrentImage();
  const cmcEeprom& defaults = document_.DefaultsImage();
  MergeFixedDefaults(current, defaults);
  if (checked.correct) {
    if (CorrectImage(current, defaults)) {
      services_.events.Post(EV_ViewChanged, 1);
    } else {
      services_.events.Post(EV_SheetRefreshAll);
    }
  }
  {
    BusyWindow busy(window_);
    const int code =
        SaveDocumentFile(current, name, {generation, services_.environ.settings.destinationCode, checked.loadable},
                         defaults, [this](int error) { ShowFileError(error); });
    if (code != FileError::kNone) return 1;
  }
  if (generation != DocumentFile::kNewestGeneration) {
    // The document shows only what the older format kept.
    ConvertGeneration(current, DocumentFileImage(current, generation, defaults), DocumentFile::kNewestGeneration,
                      generation, defaults);
    document_.AdoptCurrentImage();
    services_.events.Post(EV_SheetRefreshAll);
    services_.events.Send(EV_RefreshAll);
    services_.events.Send(EV_ViewChanged, 1);
  }
  TakeFileFolder(name);
  document_.SetFileName(name);
  services_.environ.recent.AddFirst(name);
  document_.SetGeneration(generation);
  document_.MarkSaved();
  return 0;
}

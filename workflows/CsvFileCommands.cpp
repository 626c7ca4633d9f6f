#include "workflows/CsvFileCommands.h"

#include <filesystem>

#include "base/EventCodes.h"
#include "base/ProgramMessage.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "files/CsvTransfer.h"
#include "files/FileError.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "text/DisplayCodePage.h"
#include "text/cmcGTex.h"
#include "workflows/DialogFilters.h"
#include "workflows/Document.h"
#include "workflows/MainServices.h"

namespace {

std::string ConfirmationKey(const CsvList& list, bool all) {
  switch (list.kind) {
    case CsvListKind::kMemoryChannels:
      return list.group == kCsvScopeAll ? "GI_Mess_Confirm_ImportFile_All_Mch" : "GI_Mess_Confirm_ImportFile";
    case CsvListKind::kBroadcast:
      return all ? "GI_Mess_Confirm_ImportFile_All_Radio" : "GI_Mess_Confirm_ImportFile_Group_Radio";
    case CsvListKind::kGps:
      return all ? "GI_Mess_Confirm_ImportFile_All_Gps" : "GI_Mess_Confirm_ImportFile";
    case CsvListKind::kRepeaters:
      return all ? "GI_Mess_Confirm_ImportFile_All_Rpt" : "GI_Mess_Confirm_ImportFile";
    default:
      return "GI_Mess_Confirm_ImportFile";
  }
}

// The values an export wrote as near as its layout allowed, the first ten of them.
std::string ExportWarningsText(const std::vector<std::string>& warnings) {
  constexpr std::size_t kShown = 10;
  std::string text = "Some values have no place in this layout and were written as near as they could be:\n\n";
  for (std::size_t i = 0; i < warnings.size() && i < kShown; ++i) text += warnings[i] + "\n";
  if (warnings.size() > kShown) text += "(" + std::to_string(warnings.size() - kShown) + " more)\n";
  return text;
}

}  // namespace

CsvFileCommands::CsvFileCommands(Document& document, const MainServices& services)
    : document_(document), services_(services) {}

CsvFileCommands::ChosenFile CsvFileCommands::AskFile(bool save, bool offersGeneric) {
  cmcGTex& texts = services_.texts;
  FileDialogRequest request;
  request.kind = save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
  request.folder = document_.CurrentFolder();
  request.defaultExtension = texts.GetLine("GI_Sys_Dialog_FExport", 0);
  request.filters = DialogFilters(ToUtf8(texts.GetLine("GI_Sys_Dialog_FExport", 1), DisplayCodePage()));
  constexpr int kGenericFilter = 1;
  if (offersGeneric) {
    const std::string generic = ToUtf8(texts.GetLine("GI_Sys_Dialog_FExportGeneric", 0), DisplayCodePage());
    request.filters.insert(request.filters.begin() + kGenericFilter, DialogFilters(generic).front());
  }
  const FileDialogAnswer answer = AskFileDialog(request);
  if (!answer.chosen) return {};
  const bool generic = offersGeneric && answer.filterIndex == kGenericFilter;
  return {answer.path, generic ? CsvLayout::kGeneric : CsvLayout::kTessel};
}

void CsvFileCommands::Show(const std::string& text) {
  ShowProgramMessage(text, services_.texts.GetLine("GI_Sys_AppTitle", 0), MessageButtons::Ok, MessageIcon::Warning);
}

// The folder of a file read or written is where the file dialogs open next, now and after a
// restart.
void CsvFileCommands::TakeFolder(const std::string& path) {
  const std::string folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
  document_.SetCurrentFolder(folder);
  services_.environ.settings.currentDirectory = folder;
}

bool CsvFileCommands::ImportCsv(int sheetNumber, bool all) {
  services_.events.Send(EV_CommitEdit);
  const std::string path = AskFile(false, false).path;
  if (path.empty()) return true;
  const auto target = CsvTargetOfSheet(sheetNumber, all);
  if (!target) return true;
  cmcGTex& texts = services_.texts;
  const std::string caption = texts.GetLine("GI_Sys_AppTitle", 0);
  const std::string question = texts.GetValueText(ConfirmationKey(target->first, all));
  if (ShowProgramMessage(question, caption, MessageButtons::OkCancel, MessageIcon::Warning) != kAnswerOk) return true;

  const auto keepRpt1Use = [&] {
    return ShowProgramMessage(texts.GetValueText("GI_Mess_Import_RptStatusKeep"), caption, MessageButtons::YesNo,
                              MessageIcon::Warning) == kAnswerYes;
  };
  const CsvImportResult result = ImportCsvFile(document_.CurrentImage(), document_.DefaultsImage(), target->first,
                                               target->second, path, keepRpt1Use);
  if (result.changed) {
    document_.IsModified();
    document_.CommitEdit();
    services_.events.Post(EV_ViewChanged, 1);
    services_.events.Send(EV_RefreshAll);
  }
  for (const std::string& message : ImportMessages(result, texts)) Show(message);
  if (result.status != CsvImportStatus::kRead) return true;
  TakeFolder(path);
  return false;
}

bool CsvFileCommands::ExportCsv(int sheetNumber, bool all) {
  const auto target = CsvTargetOfSheet(sheetNumber, all);
  if (!target) return true;
  const ChosenFile file = AskFile(true, WritesLayout(target->first.kind, CsvLayout::kGeneric));
  if (file.path.empty()) return true;
  std::vector<std::string> warnings;
  if (!ExportCsvFile(document_.CurrentImage(), document_.DefaultsImage(), target->first, target->second, file.path,
                     file.layout, &warnings)) {
    Show(FileErrorText(services_.texts, FileError::kFileAccess));
    return true;
  }
  if (!warnings.empty()) Show(ExportWarningsText(warnings));
  TakeFolder(file.path);
  return false;
}

// Main menu and tool bar entries: a click (Enter) runs the entry's command, a query sets the
// states the menu shows (state flag 0 checked, 1 hidden, 2 disabled, 3 caption replaced).
#include <filesystem>
#include <string>

#include "base/EventCodes.h"
#include "base/cmcRecent.h"
#include "files/CsvTransfer.h"
#include "sheet/cells/CellFamilies.h"
#include "text/cmcCellObj.h"

namespace {

constexpr int kStateChecked = 0;
constexpr int kStateHidden = 1;
constexpr int kStateDisabled = 2;
constexpr int kStateCaption = 3;

bool Clicked(const ActiveCellFrame& frame) { return frame.IsAction() && frame.Key() == kKeyEnter; }

void SetState(ActiveCellFrame& frame, int flag, bool on) { frame.request.cell->SetStateFlag(flag, on); }

// Menu captions take "&" as the accelerator mark: a file name shows its own "&" doubled.
std::string EscapedForMenu(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    escaped.push_back(c);
    if (c == '&') escaped.push_back('&');
  }
  return escaped;
}

// A file in the current folder shows its name, any other its full path.
std::string RecentFileText(const std::string& path, const std::string& currentFolder) {
  const std::filesystem::path file(path);
  if (!currentFolder.empty() && file.parent_path() == std::filesystem::path(currentFolder)) {
    return file.filename().string();
  }
  return path;
}

// An empty entry keeps the menu's own caption; only the first of them stays visible.
void RecentFile(ActiveCellFrame& frame) {
  const int n = frame.index;
  const std::string& path = frame.document.RecentFiles().Get(n);
  SetState(frame, kStateDisabled, path.empty());
  SetState(frame, kStateHidden, path.empty() && n != 0);
  if (path.empty()) return;
  const std::string text = RecentFileText(path, frame.document.CurrentFolder());
  frame.request.cell->caption = "&" + std::to_string(n + 1) + " " + EscapedForMenu(text);
  SetState(frame, kStateCaption, true);
  if (Clicked(frame)) frame.document.RunCommand(frame.cellId, n);
}

void ColumnGroup(ActiveCellFrame& frame) {
  const std::int32_t bit = 1 << (frame.cellId - CL_Menu_View_Tone_Cut);
  SetState(frame, kStateChecked, (frame.document.ColumnCutMask() & bit) != 0);
  if (!Clicked(frame)) return;
  frame.document.SetColumnCutMask(frame.document.ColumnCutMask() ^ bit);
  frame.Send(EV_ViewChanged);
}

// An entry that checks a setting equal to its index and sets it when clicked; the controller
// then hears of the change.
void IndexedSetting(ActiveCellFrame& frame, std::int32_t& setting) {
  SetState(frame, kStateChecked, setting == frame.index);
  if (!Clicked(frame)) return;
  setting = frame.index;
  frame.document.RunCommand(frame.cellId, frame.index);
}

void ToggledSetting(ActiveCellFrame& frame, std::int32_t& setting) {
  SetState(frame, kStateChecked, setting != 0);
  if (!Clicked(frame)) return;
  setting = setting != 0 ? 0 : 1;
  frame.document.RunCommand(frame.cellId, frame.index);
}

void Language(ActiveCellFrame& frame) {
  std::int32_t& language = frame.document.Settings().displayLanguage;
  SetState(frame, kStateChecked, language == frame.index);
  if (!Clicked(frame) || language == frame.index) return;
  const bool asks = frame.index == EnvironSettings::kLanguageJapanese && !frame.document.SystemLanguageJapanese();
  if (asks && !frame.document.ConfirmLanguageChange()) return;
  language = frame.index;
  frame.document.RunCommand(frame.cellId, frame.index);
}

void PrintCurrent(ActiveCellFrame& frame) {
  const bool printable = frame.document.CurrentSheetPrintable();
  SetState(frame, kStateDisabled, !printable);
  if (Clicked(frame) && printable) frame.document.RunCommand(frame.cellId, frame.index);
}

// New, Open and Save act only while the main window takes input.
void DocumentCommand(ActiveCellFrame& frame) {
  if (Clicked(frame) && frame.document.MainWindowEnabled()) frame.document.RunCommand(frame.cellId, frame.index);
}

// The CSV import and export entries show and act as the list of the open sheet allows.
void CsvEntry(ActiveCellFrame& frame) {
  const CsvMenuState state = CsvMenuItemState(frame.cellId, frame.document.CurrentSheetNumber(), frame.Image());
  SetState(frame, kStateHidden, !state.visible);
  SetState(frame, kStateDisabled, !state.enabled);
  if (Clicked(frame) && state.visible && state.enabled) frame.document.RunCommand(frame.cellId, frame.index);
}

void PlainCommand(ActiveCellFrame& frame) {
  if (Clicked(frame)) frame.document.RunCommand(frame.cellId, frame.index);
}

}  // namespace

void AnswerMenuCell(ActiveCellFrame& frame) {
  EnvironSettings& settings = frame.document.Settings();
  switch (frame.cellId) {
    case CL_Menu_File_Recent:
      return RecentFile(frame);
    case CL_Menu_View_Tone_Cut:
    case CL_Menu_View_Digital_Cut:
    case CL_Menu_View_Call_Cut:
    case CL_Menu_View_Mobile_Cut:
    case CL_Menu_View_Fixed_Cut:
    case CL_Menu_View_ObjItm_Cut:
    case CL_Menu_View_WX_Cut:
      return ColumnGroup(frame);
    case CL_Menu_View_FontSize:
      return IndexedSetting(frame, settings.fontSizePercentage);
    case CL_Menu_View_Language:
      return Language(frame);
    case CL_Menu_View_ToolBar:
      return ToggledSetting(frame, settings.toolBarVisible);
    case CL_Menu_Com_Speed:
      return IndexedSetting(frame, settings.comSpeedHigh);
    case CL_Menu_CallSign_RptDialog:
      return ToggledSetting(frame, settings.repeaterDialog);
    case CL_Menu_CallSign_AutoCorrect:
      return ToggledSetting(frame, settings.autoCorrect);
    case CL_Menu_File_Print_Current:
      return PrintCurrent(frame);
    case CL_Menu_File_New:
    case CL_Menu_File_Open:
    case CL_Menu_File_Save:
      return DocumentCommand(frame);
    case CL_Menu_File_Import:
    case CL_Menu_File_Import_SubMenu:
    case CL_Menu_File_Import_SubMenu_All:
    case CL_Menu_File_Import_SubMenu_Grp:
    case CL_Menu_File_Import_SubMenu_Bank:
    case CL_Menu_File_Export:
    case CL_Menu_File_Export_SubMenu:
    case CL_Menu_File_Export_SubMenu_All:
    case CL_Menu_File_Export_SubMenu_Grp:
    case CL_Menu_File_Export_SubMenu_Bank:
      return CsvEntry(frame);
    case CL_Menu_Edit_Top:  // a menu title: its entries come from the current sheet
      return;
    default:
      return PlainCommand(frame);
  }
}

#include "ui/HelpMenuCommands.h"

#include <QCursor>
#include <charconv>

#include "base/ProgramMessage.h"
#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetName.h"
#include "text/CellIds.h"
#include "text/cmcCellObj.h"
#include "text/cmcGTex.h"
#include "ui/AboutBox.h"
#include "ui/ApplicationWindow.h"
#include "ui/DisplayText.h"
#include "ui/cuiMain.h"

void HelpMenuCommands::HelpContents() { help_.ShowContents(PreparedHelpSet()); }

void HelpMenuCommands::HelpAbout() {
  AboutBox about(main_.MainWindow(), services_.texts, main_.Versions());
  about.exec();
}

void HelpMenuCommands::ShowCellHelp(const cmcCellObj& cell, const std::string& sheetName) {
  const std::string sheetKey = SplitSheetName(sheetName).key;
  const QString set = PreparedHelpSet();
  const int context = ContextOfCell(topics_, cell, sheetKey);
  if (context == 0 && cell.cellId != kCellIdNone) {
    cmcGTex& texts = services_.texts;
    ShowProgramMessage(texts.GetLine("GI_Sys_HtmlHelp_Error", 1), texts.GetLine("GI_Sys_AppTitle", 0),
                       MessageButtons::Ok, MessageIcon::Warning);
    return;
  }
  const QString page =
      QString::fromStdString(PageOfContext(topics_, context != 0 ? context : ContextOfName(topics_, sheetKey)));
  if (context != 0 && help_.ShowEntry(set, page, QCursor::pos()) == cuiHtmlHelp::kShown) return;
  help_.ShowTopic(set, page);
}

QString HelpMenuCommands::PreparedHelpSet() {
  cmcGTex& texts = services_.texts;
  help_.SetTabCaptions({DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 0)),
                        DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 1)),
                        DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 2))});
  const std::string width = texts.GetLine("GI_Sys_HtmlHelp_Popup_Width", 0);
  int pixels = 300;
  std::from_chars(width.data(), width.data() + width.size(), pixels);
  help_.SetPopupLink(DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Popup_Link", 0)), pixels);
  const std::string file = texts.GetLine("GI_Sys_MyHelpFile", IsJapaneseDisplay(*main_.SheetDocument()) ? 1 : 0);
  return QString::fromStdString(file.substr(0, file.rfind('.')));
}

#include "ui/HelpMenuCommands.h"

#include "sheet/layout/CellDocument.h"
#include "sheet/layout/SheetName.h"
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
  int context = ContextOfCell(topics_, cell);
  if (context == 0) context = ContextOfName(topics_, SplitSheetName(sheetName).key);
  help_.ShowTopic(PreparedHelpSet(), QString::fromStdString(PageOfContext(topics_, context)));
}

QString HelpMenuCommands::PreparedHelpSet() {
  cmcGTex& texts = services_.texts;
  help_.SetTabCaptions({DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 0)),
                        DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 1)),
                        DisplayText(texts.GetLine("GI_Sys_HtmlHelp_Tabs", 2))});
  const std::string file = texts.GetLine("GI_Sys_MyHelpFile", IsJapaneseDisplay(*main_.SheetDocument()) ? 1 : 0);
  return QString::fromStdString(file.substr(0, file.rfind('.')));
}

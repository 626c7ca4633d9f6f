#pragma once
// The Help menu's commands, each the function named after its entry's identifier
// (CL_Help_Contents: HelpContents), and the help on a cell (F1 on the grid, the pop-up menu's
// Help), all in the one help window of the display language's pages.
#include <QString>
#include <string>

#include "help/cmcHelpGTex.h"
#include "ui/cuiHtmlHelp.h"
#include "workflows/MainServices.h"

class cmcCellObj;
class cuiMain;

class HelpMenuCommands {
 public:
  // main and the services outlive the commands.
  HelpMenuCommands(cuiMain& main, MainServices services) : main_(main), services_(services) {}

  void HelpContents();
  void HelpAbout();

  // The cell's topic; a cell without a topic of its own is explained with its sheet, a sheet
  // without one opens the contents.
  void ShowCellHelp(const cmcCellObj& cell, const std::string& sheetName);

 private:
  // The set of help pages of the display language; the help window takes its captions from
  // the same language.
  QString PreparedHelpSet();

  cuiMain& main_;
  MainServices services_;
  cmcHelpGTex topics_;
  cuiHtmlHelp help_;
};

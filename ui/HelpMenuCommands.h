#pragma once
// The Help menu's commands, each the function named after its entry's identifier
// (CL_Help_Contents: HelpContents), and the help on a cell (F1 on the grid, the pop-up menu's
// Help): the display language's pages in the one help window, an item's own entry first in
// the help popup. The help stays usable while a dialog is open.
#include <QString>
#include <string>

#include "help/cmcHelpGTex.h"
#include "ui/WindowModalDialogs.h"
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

  // The entry of the cell's item in the popup beside the pointer; a topic that is a whole
  // page opens the help window there. An item without a topic says so ("No Help topic is
  // associated with this item."); a cell of no item (a caption) is explained with its sheet,
  // a sheet without a topic opens the contents.
  void ShowCellHelp(const cmcCellObj& cell, const std::string& sheetName);

  cuiHtmlHelp& Help() { return help_; }

 private:
  // The set of help pages of the display language; the help window takes its captions from
  // the same language.
  QString PreparedHelpSet();

  cuiMain& main_;
  MainServices services_;
  cmcHelpGTex topics_;
  cuiHtmlHelp help_;
  WindowModalDialogs dialogs_;
};

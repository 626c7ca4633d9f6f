#pragma once
// The View menu's commands that change the window (the column groups are the cell
// behaviour's): the font size of the sheets, the display language and the tool bar. Each is
// the function named after its entry's identifier (CL_Menu_View_FontSize: ViewFontSize); the
// settings they change are kept at once.
#include "workflows/MainServices.h"

class cuiMain;

class ViewMenuCommands {
 public:
  // main and the services outlive the commands.
  ViewMenuCommands(cuiMain& main, MainServices services) : main_(main), services_(services) {}

  // The controller timer reopens the sheet with the new font and the widths it gives.
  void ViewFontSize(int percentage);
  // Japanese on a system of another language only when the user confirms; the window is
  // rebuilt in the new language when the event posted reaches it.
  void ViewLanguage(int language);
  void ViewToolBar();

  // Asks whether to switch to Japanese; true for OK.
  bool ConfirmLanguageChange();

 private:
  cuiMain& main_;
  MainServices services_;
};

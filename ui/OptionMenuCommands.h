#pragma once
// The Option menu's commands: the call sign input options, which the cell behaviour toggles
// and which are kept at once. Each is the function named after its entry's identifier
// (CL_Menu_CallSign_AutoCorrect: CallSignAutoCorrect).
#include "workflows/MainServices.h"

class OptionMenuCommands {
 public:
  // The services outlive the commands.
  explicit OptionMenuCommands(MainServices services) : services_(services) {}

  void CallSignRptDialog() { KeepOptions(); }
  void CallSignAutoCorrect() { KeepOptions(); }

 private:
  // The options are kept at once, not only when the program ends.
  void KeepOptions();

  MainServices services_;
};

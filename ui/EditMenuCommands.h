#pragma once
// The Edit menu's own commands (the rest of the menu comes from the open sheet): Undo and
// Redo, also on the tool bar; Sort, which asks its key and hands it to the open page; Find,
// the find bar's steps through the pages; Fill and Fill Down on the open page's selected cells.
// Each is the function named after its entry's identifier
// (CL_Menu_Edit_Undo: EditUndo).
#include "workflows/MainServices.h"

class cuiMain;

class EditMenuCommands {
 public:
  // main and the services outlive the commands.
  EditMenuCommands(cuiMain& main, MainServices services) : main_(main), services_(services) {}

  void EditUndo() { StepHistory(false); }
  void EditRedo() { StepHistory(true); }
  void EditSort();
  // Opens the find bar; its steps go through the open page or every list page.
  void EditFind();
  void EditFill();
  void EditFillDown();

 private:
  // The document steps back or forward, the open sheet comes back at its cursor and the tree
  // marks follow.
  void StepHistory(bool forward);
  // The next (or previous) match of the find bar's text from the cursor on: its page opened
  // through the tree when it lies on another, the cursor put on it.
  void FindStep(bool forward);

  cuiMain& main_;
  MainServices services_;
};

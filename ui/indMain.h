#pragma once
// The main controller of this radio model: its model word, generation and digest seed, the
// model name on the tree's root, the program-side blocks a loaded image takes from the
// defaults, and the events that bring the window up to date with the document (captions of
// named lists, language change, view change, showing and disabling the window).
#include <QIcon>
#include <memory>

#include "ui/cuiMain.h"

class MainCellDocument;
class indActiveCell;

class indMain final : public cuiMain {
 public:
  explicit indMain(MainServices services);
  ~indMain() override;

  void RebuildTree() override;

 private:
  void RefreshAll();
  void PostListCaption(int nodeNumber);
  void ReopenSheet();
  void ShowMainWindow();
  void EnableMainWindow(bool enabled);
  static void OnEvent(void* user, const EventRecord& event);

  QIcon applicationIcon_;
  std::unique_ptr<MainCellDocument> cellDocument_;
  std::unique_ptr<indActiveCell> cellBehaviour_;
};

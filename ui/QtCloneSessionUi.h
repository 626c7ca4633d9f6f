#pragma once
// What the user of the window sees of a clone session: the progress window over the main
// window (which it disables) while a read or write runs, and a modal error box when a
// session fails.
#include <functional>
#include <memory>
#include <string>

#include "clone/CloneSessionUi.h"
#include "ui/CloneProgressWindow.h"

class QWidget;

class QtCloneSessionUi final : public CloneSessionUi {
 public:
  // owner() answers the window the progress shows over; nullptr while there is none.
  explicit QtCloneSessionUi(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}
  ~QtCloneSessionUi() override;
  QtCloneSessionUi(const QtCloneSessionUi&) = delete;
  QtCloneSessionUi& operator=(const QtCloneSessionUi&) = delete;

  void OpenProgress() override;
  void ShowProgress(int segments) override;
  void CloseProgress() override;
  void ShowCloneError(const std::string& caption, const std::string& text) override;

  // The progress window while a read or write runs, else nullptr.
  CloneProgressWindow* ProgressWindow() const { return progress_.get(); }

 private:
  void CentreOverOwner(QWidget* owner);

  std::function<QWidget*()> owner_;
  std::unique_ptr<CloneProgressWindow> progress_;
};

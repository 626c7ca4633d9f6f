#pragma once
// The main window: the menu bar and tool bar at the top, the navigation tree in the left
// panel, the open sheet in the right panel, a splitter between them and a status bar with
// two panels. The controller builds and fills it; the window asks the controller before it
// closes. Ctrl+Q closes it like the menu's Exit.
#include <QMainWindow>

class QCloseEvent;
class QFrame;
class QLabel;
class QShowEvent;
class QSplitter;
class cuiMain;

class FindBar;
class cmcGTex;

class ApplicationWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // The form never gets smaller than this.
  static constexpr int kMinimumWidth = 400;
  static constexpr int kMinimumHeight = 200;
  // Nor the left panel narrower than this.
  static constexpr int kMinimumPanelWidth = 8;

  // texts (the find bar's) must outlive the window.
  ApplicationWindow(cuiMain& controller, cmcGTex& texts);

  QWidget& LeftPanel() const;
  QWidget& RightPanel() const;
  int LeftPanelWidth() const;
  void SetLeftPanelWidth(int width);
  // Puts sheet into the right panel, filling it.
  void ShowSheet(QWidget& sheet);
  void SetStatusText(const QString& text);
  QString StatusText() const;
  // The find bar under the panels, hidden until Edit > Find opens it.
  FindBar& Finder() const { return *finder_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  cuiMain& controller_;
  QSplitter* splitter_;
  QFrame* left_;
  QFrame* right_;
  QLabel* status_;
  FindBar* finder_;
};

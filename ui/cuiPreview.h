#pragma once
// The print preview: every page of a printout before it is printed, one at a time, drawn
// on demand from its page record at screen resolution (the printed page scaled, so what is
// seen is what prints). The tool bar pages through the printout, zooms between the whole
// page fitted to the window and the page at its own size, changes the print font size (the
// printout is laid out again) and starts the printout; closing the window prints nothing.
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/SheetPages.h"

class QAction;
class QLabel;
class QLineEdit;
class QScrollArea;
class cmcGTex;

class cuiPreview : public QDialog {
 public:
  struct Printout {
    // Lays the printout out at a print font size and answers its pages.
    std::function<std::vector<PrintedPage>(int pointSize)> paginate;
    // Draws a page in the printer's pixels.
    std::function<void(QPainter&, const PrintedPage&)> render;
    QSize pageSize;      // in the printer's pixels
    int printerDpi = 0;  // vertical pixels per inch
  };

  // pointSize is the print font size setting; the Setting dialog changes it.
  cuiPreview(QWidget* owner, cmcGTex& texts, Printout printout, int& pointSize);

  // Shows the first page and runs the window; true when the user chose Print. pages are
  // replaced when the font size changed.
  bool ShowModal(std::vector<PrintedPage>& pages);

  // What the window shows, for the user's checks.
  int CurrentPage() const { return current_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  bool Zoomed() const;
  QAction& Action(int line) const;  // the tool entry of a line of the caption texts
  QLineEdit& PageField() const { return *pageField_; }
  QLabel& StatusLabel() const { return *status_; }
  const QImage& PageImage() const { return image_; }
  // The Setting dialog's choice applied: font size 8 + position, laid out again.
  void ChooseFontPosition(int position);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildToolBar();
  void ShowPage(int page);
  void ShowImage();
  void OpenSetting();

  cmcGTex& texts_;
  Printout printout_;
  int& pointSize_;
  std::vector<PrintedPage> pages_;
  int current_ = 0;
  bool printChosen_ = false;
  QImage image_;
  std::vector<QAction*> actions_;  // by line of GI_AppInd_Preview_Caption
  QLineEdit* pageField_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QLabel* status_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QLabel* picture_ = nullptr;
};

#pragma once
// The small borderless windows a cell opens at itself: the selection list, the bit-field
// editor and the GPS text editor. Each keeps a copy of the request of the cell that opened
// it and hands what the user chose back to that cell's behaviour as a pick. A window closes
// when it loses activation (a click elsewhere, another application), on Escape, when an
// edit must be committed before a command (EV_CommitEdit) and when the sheet that opened it
// goes (EV_ComponentGone); while it is open the sheet underneath does not scroll
// (EV_QueryIsPopup). It deletes itself once closed.
#include <QFrame>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>

#include "base/ComponentId.h"
#include "sheet/layout/cmcCellCapsule.h"

class cmcEvMan;
class cmcGTex;
class CellDocument;
struct EventRecord;

// Where a pop-up of size goes for a cell (screen coordinates): below the cell, 8 pixels in;
// above it when there is no room below, else at the bottom of the work area over the cell;
// moved left to stay on the work area, or to the left of a covered cell when there is room.
QPoint PlacePopupAtCell(const QRect& cell, const QSize& size, const QRect& workArea);

// What a cell pop-up needs from the sheet that opens it.
struct CellPopupContext {
  QWidget* ownerGrid = nullptr;        // the grid of the asking sheet
  ComponentId ownerId = kNoComponent;  // its number, as the events name it
  cmcGTex* texts = nullptr;
  cmcEvMan* events = nullptr;
  CellDocument* document = nullptr;
  CellBehaviourCallback behaviour;
  const QList<QPixmap>* marks = nullptr;
  QRect cellOnScreen;
};

class CellPopupWindow : public QFrame {
  Q_OBJECT

 public:
  CellPopupWindow(const CellPopupContext& context, const cmcCellCapsule& request);
  ~CellPopupWindow() override;

  // Editors store what was typed; lists simply close.
  virtual void CommitAndClose() { close(); }
  // Closes without handing anything back.
  void Cancel();

 protected:
  const CellPopupContext& Context() const { return context_; }
  const cmcCellCapsule& Request() const { return request_; }

  // Takes size (limited to the work area of the cell's screen), places and shows the window.
  void ShowAtCell(QSize size);
  QRect WorkArea() const;
  // Hands an editor's result to the cell that opened the window, once.
  void SendPick(const std::string& text);
  bool Answered() const { return answered_; }
  void MarkAnswered() { answered_ = true; }

  // A window closed by losing activation: editors commit, lists change nothing.
  virtual void OnClosedByFocusLoss() {}

  // Escape on widget cancels the window.
  void WatchEscape(QWidget* widget);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  static void OnEvent(void* user, const EventRecord& event);

  CellPopupContext context_;
  cmcCellCapsule request_;
  bool answered_ = false;
};

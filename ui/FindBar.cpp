#include "ui/FindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "text/cmcGTex.h"
#include "ui/DisplayText.h"

FindBar::FindBar(QWidget* parent, cmcGTex& texts) : QFrame(parent) {
  setObjectName(QStringLiteral("FindBar"));
  auto* label = new QLabel(DisplayText(texts.GetLine("GI_AppInd_Edit_Find_Labels", 0)), this);
  text_ = new QLineEdit(this);
  label->setBuddy(text_);
  wholeDocument_ = new QCheckBox(DisplayText(texts.GetLine("GI_AppInd_Edit_Find_Labels", 1)), this);
  message_ = new QLabel(this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label);
  layout->addWidget(text_, 1);
  layout->addWidget(wholeDocument_);
  layout->addWidget(message_, 1);
  connect(text_, &QLineEdit::returnPressed, this, [this] {
    if (onStep) onStep(true);
  });
  connect(text_, &QLineEdit::textEdited, this, [this] { SetMessage({}); });
  // F3 and Shift+F3 step wherever the focus is in the window, while the bar shows.
  for (const bool forward : {true, false}) {
    auto* key = new QShortcut(forward ? QKeySequence(Qt::Key_F3) : QKeySequence(Qt::SHIFT | Qt::Key_F3), parent);
    connect(key, &QShortcut::activated, this, [this, forward] {
      if (isVisible() && onStep) onStep(forward);
    });
  }
  hide();
}

void FindBar::Open() {
  show();
  text_->setFocus();
  text_->selectAll();
}

QString FindBar::Message() const { return message_->text(); }
void FindBar::SetMessage(const QString& message) { message_->setText(message); }

void FindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QFrame::keyPressEvent(event);
  hide();
  SetMessage({});
  if (onClosed) onClosed();
}

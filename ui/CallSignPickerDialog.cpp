#include "ui/CallSignPickerDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "base/EnvironSettings.h"
#include "memory/NamedLists.h"
#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/DisplayText.h"
#include "ui/Mnemonic.h"

namespace {

using SourceKind = CallSignPicker::Source::Kind;

constexpr int kListHeight = 160;
const char* const kPlaceholder = "---";
// Before each group line: a double-byte bullet on a Japanese display, a middle dot otherwise.
const char* const kJapaneseGroupMarker = "\x81\x45";
const char* const kGroupMarker = " \xB7 ";

QString Trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return DisplayText(text);
}

int ListFor(QObject* watched, QListWidget* const (&lists)[3]) {
  for (int i = 0; i < 3; ++i) {
    if (watched == lists[i]) return i;
  }
  return -1;
}

}  // namespace

CallSignPickerDialog::CallSignPickerDialog(QWidget* owner, Services services, const CallSignPicker& picker)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), services_(services), picker_(picker) {
  cmcGTex& texts = services_.texts;
  setFont(CellModelFont(texts, "CellModel_BasicDialog"));
  setModal(true);
  const int type = picker_.Type();
  if (type == PickerType::kCalledStation) {
    setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_DR_Caption", 2)));
  } else if (type == PickerType::kAccessRepeater) {
    setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_DR_Caption", 1)));
  } else {
    setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Caption", 0)));
  }

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* grid = new QGridLayout(frame);
  const QString wide = QStringLiteral("WWWWWWWWWWWWWWWW");
  lists_[0] = MakeList(0, QStringLiteral(" * 00:") + wide);
  lists_[1] = MakeList(1, wide);
  lists_[2] = MakeList(2, wide);
  const QChar keys[3] = {QLatin1Char('L'), QLatin1Char('N'), QLatin1Char('C')};
  for (int i = 0; i < 3; ++i) {
    labels_[i] = new QLabel(WithMnemonic(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Label", i)), keys[i]));
    labels_[i]->setBuddy(lists_[i]);
    grid->addWidget(labels_[i], 0, i);
    grid->addWidget(lists_[i], 1, i);
  }

  ok_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Buttons", 0)), this);
  auto* cancel = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Buttons", 1)), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &CallSignPickerDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CallSignPickerDialog::reject);
  auto* buttons = new QHBoxLayout;
  if (picker_.OffersDetail()) {
    detail_ = new QCheckBox(WithMnemonic(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Detail", 0)), QLatin1Char('D')),
                            this);
    detail_->setChecked(services_.settings.callSignDetail != 0);
    connect(detail_, &QCheckBox::toggled, this, &CallSignPickerDialog::ShowDetail);
    buttons->addWidget(detail_);
  }
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (const CallSignPicker::Source& source : picker_.Sources()) lists_[0]->addItem(SourceText(source));
  connect(lists_[0], &QListWidget::currentRowChanged, this, &CallSignPickerDialog::ShowSource);
  connect(lists_[1], &QListWidget::currentRowChanged, this, &CallSignPickerDialog::ShowEntry);
  connect(lists_[2], &QListWidget::currentRowChanged, this, &CallSignPickerDialog::UpdateOk);
  for (QListWidget* list : lists_) {
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
      if (ok_->isEnabled()) accept();
    });
  }

  const CallSignPicker::Selection initial = picker_.Initial();
  lists_[0]->setCurrentRow(initial.source < 0 ? 0 : initial.source);
  ShowSource(lists_[0]->currentRow());
  if (initial.entry >= 0) lists_[1]->setCurrentRow(initial.entry);
  if (initial.callSign >= 0) lists_[2]->setCurrentRow(initial.callSign);
  ShowDetail(detail_ == nullptr || detail_->isChecked());
  UpdateOk();
  lists_[initial.entry >= 0 ? 1 : 0]->setFocus();
}

QListWidget* CallSignPickerDialog::MakeList(int column, const QString& widthText) {
  auto* list = new QListWidget(this);
  const int scrollBar = column < 2 ? list->verticalScrollBar()->sizeHint().width() : 0;
  list->setFixedSize(fontMetrics().horizontalAdvance(widthText) + scrollBar + 2 * list->frameWidth(), kListHeight);
  list->installEventFilter(this);
  return list;
}

QString CallSignPickerDialog::SourceText(const CallSignPicker::Source& source) const {
  cmcGTex& texts = services_.texts;
  const char* key = "GI_AppInd_YourCallSign_List";
  switch (source.kind) {
    case SourceKind::kEveryone:
      return DisplayText(texts.GetLine(key, 0));
    case SourceKind::kYourCalls:
      return DisplayText(texts.GetLine(key, 1));
    case SourceKind::kRepeaters:
      return DisplayText(texts.GetLine(key, 2));
    case SourceKind::kNotUsed:
      return DisplayText(texts.GetLine(key, 3));
    case SourceKind::kGroup:
      break;
  }
  const std::string marker = services_.japaneseDisplay ? kJapaneseGroupMarker : kGroupMarker;
  return DisplayText(marker + NamedListLabel(services_.image, NamedList::kRepeaterGroup, source.group));
}

void CallSignPickerDialog::ShowPlaceholder(QListWidget& list) {
  const QSignalBlocker blocker(&list);
  list.clear();
  list.addItem(QString::fromLatin1(kPlaceholder));
  list.setCurrentRow(-1);
  list.setEnabled(false);
}

void CallSignPickerDialog::ShowSource(int row) {
  entries_ = picker_.Entries(row);
  ShowPlaceholder(*lists_[2]);
  if (entries_.empty()) {
    ShowPlaceholder(*lists_[1]);
  } else {
    const QSignalBlocker blocker(lists_[1]);
    lists_[1]->clear();
    for (const CallSignPicker::Entry& entry : entries_) lists_[1]->addItem(Trimmed(ViewOf(entry.text)));
    lists_[1]->setCurrentRow(-1);
    lists_[1]->setEnabled(true);
  }
  UpdateOk();
}

void CallSignPickerDialog::ShowEntry(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) {
    ShowPlaceholder(*lists_[2]);
  } else {
    const QSignalBlocker blocker(lists_[2]);
    lists_[2]->clear();
    for (const CallSignText& call : picker_.CallSigns(entries_[static_cast<std::size_t>(row)])) {
      lists_[2]->addItem(DisplayText(ViewOf(call)));
    }
    lists_[2]->setCurrentRow(0);
    lists_[2]->setEnabled(true);
  }
  UpdateOk();
}

void CallSignPickerDialog::ShowDetail(bool shown) {
  labels_[2]->setVisible(shown);
  lists_[2]->setVisible(shown);
}

CallSignPicker::Selection CallSignPickerDialog::CurrentSelection() const {
  return {lists_[0]->currentRow(), lists_[1]->isEnabled() ? lists_[1]->currentRow() : -1,
          lists_[2]->isEnabled() ? lists_[2]->currentRow() : -1};
}

void CallSignPickerDialog::UpdateOk() { ok_->setEnabled(picker_.Value(CurrentSelection()).has_value()); }

void CallSignPickerDialog::accept() {
  const std::optional<std::string> value = picker_.Value(CurrentSelection());
  if (!value) return;
  value_ = *value;
  QDialog::accept();
}

void CallSignPickerDialog::done(int result) {
  if (detail_ != nullptr) services_.settings.callSignDetail = detail_->isChecked() ? 1 : 0;
  QDialog::done(result);
}

void CallSignPickerDialog::MoveFocus(int step) {
  const int current = std::max(0, ListFor(focusWidget(), lists_));
  for (int i = 1; i <= 3; ++i) {
    QListWidget* next = lists_[(current + step * i + 6) % 3];
    if (next->isEnabled() && next->isVisible()) {
      next->setFocus();
      return;
    }
  }
}

bool CallSignPickerDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && ListFor(watched, lists_) >= 0) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
      MoveFocus(key == Qt::Key_Left ? -1 : 1);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

#include "ui/cuiFTextGps.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/cmcGTex.h"
#include "ui/DisplayText.h"
#include "values/GpsEditorText.h"

namespace {

constexpr int kBorder = 5;
constexpr char16_t kBlank = u'_';

// The patterns of the edit types in the field's mask language: "9" a digit, "A" a letter,
// ">" upper case from there, "\\" a literal, "_" the blank.
QString MaskOf(int editType) {
  switch (editType) {
    case kGpsDateYearFirst:
      return QStringLiteral("\\2\\099/99/99;_");
    case kGpsDateMonthFirst:
    case kGpsDateDayFirst:
      return QStringLiteral("99/99/\\2\\099;_");
    case kGpsTime:
      return QStringLiteral("99:99:99;_");
    case kGpsLatitudeSeconds:
      return QStringLiteral(" 99\u00B099'99\">A;_");
    case kGpsLongitudeSeconds:
      return QStringLiteral("999\u00B099'99\">A;_");
    case kGpsLatitudeMinutes:
      return QStringLiteral(" 99\u00B099.99'>A;_");
    default:
      return QStringLiteral("999\u00B099.99'>A;_");
  }
}

bool IsTakenCharacter(QChar c) {
  const char16_t u = c.toUpper().unicode();
  return (u >= u'0' && u <= u'9') || u == u'N' || u == u'S' || u == u'E' || u == u'W';
}

}  // namespace

cuiFTextGps::cuiFTextGps(const CellPopupContext& context, const cmcCellCapsule& request, const GpsTextPopup& editor)
    : CellPopupWindow(context, request), editType_(editor.editType), openingText_(editor.text) {
  GpsEditPlacesOf(editType_);  // an edit type outside the table is a defect
  BuildWindow();
  StartText(editor.openingKey);
  Validate();
  ShowAtCell(sizeHint());
  field_->setFocus(Qt::PopupFocusReason);
}

cuiFTextGps::~cuiFTextGps() = default;

void cuiFTextGps::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
  field_ = new QLineEdit(this);
  field_->setContextMenuPolicy(Qt::NoContextMenu);
  field_->setInputMask(MaskOf(editType_));
  layout->addWidget(field_);
  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  layout->addWidget(problem_);
  cmcGTex& texts = *Context().texts;
  ok_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Button_OkCancel", 0)), this);
  cancel_ = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Button_OkCancel", 1)), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, [this] { CommitAndClose(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Cancel(); });
  connect(field_, &QLineEdit::textChanged, this, [this] { Validate(); });
  field_->installEventFilter(this);
}

// A digit that opened the editor overwrites the first editable place.
void cuiFTextGps::StartText(std::int32_t openingKey) {
  QString text = QString::fromLatin1(GpsEditorTextOf(openingText_, editType_));
  int cursor = GpsEditPlacesOf(editType_).first;
  if (openingKey >= '0' && openingKey <= '9' && cursor < text.size()) {
    text[cursor] = QChar(openingKey);
    ++cursor;
  }
  text.replace(u' ', kBlank);
  field_->setText(text);
  field_->setCursorPosition(cursor);
}

std::string cuiFTextGps::FieldText() const {
  QString text = field_->displayText();
  text.replace(kBlank, u' ');
  return text.toLatin1().toStdString();
}

void cuiFTextGps::Validate() {
  const GpsEditProblem problem = CheckGpsEditorText(FieldText(), editType_);
  ok_->setEnabled(problem == GpsEditProblem::kNone);
  problem_->setVisible(problem != GpsEditProblem::kNone);
  if (problem != GpsEditProblem::kNone) {
    const int line = static_cast<int>(problem);
    problem_->setText(DisplayText(Context().texts->GetLine("GI_AppMess_GpsEditProblem", line)));
  }
}

// Only a valid text that differs from what the cell showed is stored: storing the shown text
// again could round a position's seconds anew.
void cuiFTextGps::Commit() {
  if (Answered()) return;
  const std::string text = FieldText();
  if (CheckGpsEditorText(text, editType_) != GpsEditProblem::kNone) return;
  const std::string cellText = GpsCellTextOf(text, editType_);
  if (cellText == GpsCellTextOf(GpsEditorTextOf(openingText_, editType_), editType_)) return;
  SendPick(cellText);
}

void cuiFTextGps::CommitAndClose() {
  Commit();
  MarkAnswered();
  close();
}

void cuiFTextGps::OnClosedByFocusLoss() { Commit(); }

bool cuiFTextGps::FilterKey(QKeyEvent& event) {
  const GpsEditPlaces places = GpsEditPlacesOf(editType_);
  const int at = field_->cursorPosition();
  switch (event.key()) {
    case Qt::Key_Home:
      field_->setCursorPosition(places.first);
      return true;
    case Qt::Key_End:
      field_->setCursorPosition(places.last + 1);
      return true;
    case Qt::Key_Left:
      return at <= places.first;
    case Qt::Key_Right:
      return at >= places.last;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ok_->isEnabled()) CommitAndClose();
      return true;
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  return !IsTakenCharacter(text.at(0));
}

bool cuiFTextGps::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    auto& key = static_cast<QKeyEvent&>(*event);
    if (key.key() != Qt::Key_Escape && FilterKey(key)) return true;
  }
  return CellPopupWindow::eventFilter(watched, event);
}

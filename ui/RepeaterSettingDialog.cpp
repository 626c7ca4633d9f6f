#include "ui/RepeaterSettingDialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/DisplayText.h"
#include "ui/Mnemonic.h"

namespace {

constexpr int kButtonWidth = 75;
constexpr int kChoiceListHeight = 160;
const char* const kLabels = "GI_AppInd_Call_Sign_DR_Label";

QString Trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return DisplayText(text);
}

QLineEdit* ReadOnlyField(QWidget* parent, int width) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setFixedWidth(width);
  return field;
}

// The list of RPT2 choices; answers the chosen row, or -1 when cancelled.
int RunChoiceList(QWidget* owner, cmcGTex& texts, const QStringList& choices, int current) {
  QDialog dialog(owner);
  dialog.setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_DR_Caption", 3)));
  auto* list = new QListWidget(&dialog);
  list->addItems(choices);
  list->setCurrentRow(current);
  list->setFixedSize(20 * dialog.fontMetrics().horizontalAdvance(QLatin1Char('W')), kChoiceListHeight);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Buttons", 0)),
                     QDialogButtonBox::AcceptRole);
  buttons->addButton(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Buttons", 1)),
                     QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  list->setFocus();
  if (dialog.exec() != QDialog::Accepted) return -1;
  return list->currentRow();
}

}  // namespace

RepeaterSettingDialog::RepeaterSettingDialog(QWidget* owner, Services services, indDvSet& route)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), services_(services), route_(route) {
  cmcGTex& texts = services_.texts;
  setModal(true);
  setFont(CellModelFont(texts, "CellModel_BasicDialog"));
  setWindowTitle(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_DR_Caption", 0)));
  const int w = fontMetrics().horizontalAdvance(QLatin1Char('W'));
  const int fieldWidth = 12 * w;

  // The group's mnemonic reaches its only focusable child, the "..." button.
  auto* accessGroup = new QGroupBox(WithMnemonic(DisplayText(texts.GetLine(kLabels, 6)), QLatin1Char('A')), this);
  access_ = ReadOnlyField(accessGroup, fieldWidth);
  accessButton_ = MoreButton();
  auto* accessRow = new QHBoxLayout(accessGroup);
  accessRow->addWidget(access_);
  accessRow->addWidget(accessButton_);
  accessRow->addStretch();

  auto* callGroup = new QGroupBox(DisplayText(texts.GetLine(kLabels, 7)), this);
  called_ = new QLineEdit(callGroup);
  called_->setMaxLength(MemoryMap::kNameLength);
  called_->setFixedWidth(fieldWidth);
  called_->setAttribute(Qt::WA_InputMethodEnabled, false);
  calledButton_ = MoreButton();
  rpt2Choice_ = ReadOnlyField(callGroup, fieldWidth);
  rpt2Button_ = MoreButton();
  auto* calledLabel = new QLabel(WithMnemonic(DisplayText(texts.GetLine(kLabels, 0)), QLatin1Char('C')), callGroup);
  calledLabel->setBuddy(called_);
  auto* rpt2Label = new QLabel(WithMnemonic(DisplayText(texts.GetLine(kLabels, 1)), QLatin1Char('R')), callGroup);
  rpt2Label->setBuddy(rpt2Button_);
  auto* callGrid = new QGridLayout(callGroup);
  callGrid->addWidget(calledLabel, 0, 0);
  callGrid->addWidget(called_, 0, 1);
  callGrid->addWidget(calledButton_, 0, 2);
  callGrid->addWidget(rpt2Label, 1, 0);
  callGrid->addWidget(rpt2Choice_, 1, 1);
  callGrid->addWidget(rpt2Button_, 1, 2);

  auto* signGroup = new QGroupBox(DisplayText(texts.GetLine(kLabels, 5)), this);
  auto* signGrid = new QGridLayout(signGroup);
  for (int i = 0; i < 3; ++i) {
    calls_[i] = ReadOnlyField(signGroup, 9 * w);
    signGrid->addWidget(new QLabel(DisplayText(texts.GetLine(kLabels, 2 + i)), signGroup), 0, i);
    signGrid->addWidget(calls_[i], 1, i);
  }
  calls_[2]->setEnabled(false);

  auto* ok = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Buttons", 0)), this);
  auto* cancel = new QPushButton(DisplayText(texts.GetLine("GI_AppInd_Call_Sign_Setting_Buttons", 1)), this);
  for (QPushButton* button : {ok, cancel}) button->setFixedSize(kButtonWidth, 2 * fontMetrics().height());
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &RepeaterSettingDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &RepeaterSettingDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(accessGroup);
  layout->addWidget(callGroup);
  layout->addWidget(signGroup);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(accessButton_, &QPushButton::clicked, this, [this] { PickFor(PickerType::kAccessRepeater); });
  connect(calledButton_, &QPushButton::clicked, this, [this] { PickFor(PickerType::kCalledStation); });
  connect(rpt2Button_, &QPushButton::clicked, this, &RepeaterSettingDialog::ChooseRpt2);
  connect(called_, &QLineEdit::textEdited, this, &RepeaterSettingDialog::CalledEdited);
  setTabOrder(accessButton_, called_);
  setTabOrder(called_, calledButton_);
  setTabOrder(calledButton_, rpt2Button_);
  setTabOrder(rpt2Button_, ok);
  setTabOrder(ok, cancel);

  called_->setText(Trimmed(ViewOf(route_.CalledText())));
  Refresh();
  called_->setFocus();
}

QPushButton* RepeaterSettingDialog::MoreButton() {
  auto* button = new QPushButton(QStringLiteral("..."), this);
  const QFontMetrics metrics = fontMetrics();
  button->setFixedSize(metrics.height() + metrics.horizontalAdvance(QStringLiteral("...")),
                       metrics.height() * 3 / 2 + 4);
  button->setAutoDefault(false);
  return button;
}

QString RepeaterSettingDialog::ChoiceText(const indDvSet::Rpt2Choice& choice) const {
  if (choice.kind == Rpt2Kind::kSame) return DisplayText(services_.texts.GetLine("GI_AppInd_Call_Sign_DR_Rpt2", 0));
  if (choice.kind == Rpt2Kind::kGateway) {
    return DisplayText(services_.texts.GetLine("GI_AppInd_Call_Sign_DR_Rpt2", 1));
  }
  return Trimmed(ViewOf(choice.text));
}

void RepeaterSettingDialog::Refresh() {
  access_->setText(Trimmed(ViewOf(route_.AccessText())));
  const QString called = Trimmed(ViewOf(route_.CalledText()));
  if (called != called_->text().trimmed()) called_->setText(called);
  const int index = route_.Rpt2Index();
  const auto& choices = route_.Rpt2Choices();
  const bool hasChoice = index >= 0 && index < static_cast<int>(choices.size());
  rpt2Choice_->setText(hasChoice ? ChoiceText(choices[static_cast<std::size_t>(index)]) : QString());
  rpt2Choice_->setEnabled(route_.Rpt2Enabled());
  rpt2Button_->setEnabled(route_.Rpt2Enabled());
  const datCh& work = route_.WorkCopy();
  calls_[0]->setText(DisplayText(ViewOf(work.yourCall)));
  calls_[1]->setText(DisplayText(ViewOf(work.rpt1)));
  calls_[2]->setText(DisplayText(ViewOf(work.rpt2)));
}

void RepeaterSettingDialog::CalledEdited(const QString& text) {
  route_.EditCalled(ProgramText(text));
  Refresh();
}

void RepeaterSettingDialog::PickFor(int pickerType) {
  const bool access = pickerType == PickerType::kAccessRepeater;
  const RouteText& current = access ? route_.AccessText() : route_.CalledText();
  const CallSignPicker picker(services_.image, pickerType, ViewOf(current), kBlankCallSign, route_.AccessText());
  CallSignPickerDialog dialog(this, services_, picker);
  QLineEdit* field = access ? access_ : called_;
  dialog.move(field->mapToGlobal(QPoint(0, field->height())));
  if (dialog.exec() != QDialog::Accepted) return;
  const RouteText chosen = MakeFixedText<MemoryMap::kNameLength>(dialog.Value());
  if (access) {
    route_.PickAccess(chosen);
  } else {
    route_.PickCalled(chosen);
  }
  Refresh();
}

void RepeaterSettingDialog::ChooseRpt2() {
  QStringList texts;
  for (const indDvSet::Rpt2Choice& choice : route_.Rpt2Choices()) texts << ChoiceText(choice);
  const int row = RunChoiceList(this, services_.texts, texts, route_.Rpt2Index());
  if (row < 0) return;
  route_.ChooseRpt2(row);
  Refresh();
}

void RepeaterSettingDialog::accept() {
  result_ = route_.Accept();
  QDialog::accept();
}

#include "ui/TForm2.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <filesystem>

#include "base/EventCodes.h"
#include "base/EventRecord.h"
#include "base/cmcEvMan.h"
#include "base/indEnviron.h"
#include "text/cmcGTex.h"
#include "ui/CellFonts.h"
#include "ui/DisplayText.h"
#include "ui/ImageLists.h"
#include "ui/Mnemonic.h"
#include "ui/PortNumberBox.h"
#include "ui/WindowPlacement.h"
#include "workflows/DocumentCommands.h"

namespace {

// The memo's size in the dialog's design; the controls beside it take what they need.
constexpr int kMemoWidth = 417;
constexpr int kMemoHeight = 210;
constexpr int kPanelMargin = 16;
constexpr int kIndent = 24;
constexpr int kPictureSize = 64;
constexpr int kButtonWidth = 75;

// The lines of a text up to the first non-empty one that starts with "#" (the next key).
QString MemoLines(cmcGTex& texts) {
  QStringList lines = DisplayText(texts.GetValueText("GI_App_InitialSetup_Memo_Caption")).split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (lines[i].startsWith(QLatin1Char('#'))) {
      lines.resize(i);
      break;
    }
  }
  return lines.join(QLatin1Char('\n'));
}

QFrame* Panel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return panel;
}

}  // namespace

TForm2::TForm2(QWidget* mainWindow, Services services)
    : QDialog(nullptr), mainWindow_(mainWindow), services_(services) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

  QFrame* panel1 = Panel(this);
  QFrame* panel2 = Panel(panel1);
  memo1_ = new QPlainTextEdit(panel2);
  memo1_->setReadOnly(true);
  memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo1_->setMinimumSize(kMemoWidth, kMemoHeight);
  memo1_->setFocusPolicy(Qt::ClickFocus);
  auto* memoLayout = new QVBoxLayout(panel2);
  memoLayout->addWidget(memo1_);

  QFrame* panel3 = new QFrame(panel1);
  image1_ = new QLabel(panel3);
  image1_->setPixmap(ProgramIcon().pixmap(kPictureSize, kPictureSize));
  rbCom_ = new QRadioButton(panel3);
  cbComm_ = new PortNumberBox(panel3, services_.environ);
  rbQmf_ = new QRadioButton(panel3);
  btQmfSel_ = new QPushButton(panel3);
  auto* choices = new QGridLayout(panel3);
  choices->setContentsMargins(0, 0, 0, 0);
  choices->setColumnMinimumWidth(0, kIndent);
  choices->addWidget(image1_, 0, 0, 1, 2, Qt::AlignCenter);
  choices->setRowStretch(1, 1);
  choices->addWidget(rbCom_, 2, 0, 1, 2);
  choices->addWidget(cbComm_, 3, 1, Qt::AlignLeft);
  choices->addWidget(rbQmf_, 4, 0, 1, 2);
  choices->addWidget(btQmfSel_, 5, 1, Qt::AlignLeft);

  lbQmfName_ = new QLabel(panel1);
  lbQmfName_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* panelLayout = new QGridLayout(panel1);
  panelLayout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin / 2);
  panelLayout->addWidget(panel2, 0, 0);
  panelLayout->addWidget(panel3, 0, 1);
  panelLayout->addWidget(lbQmfName_, 1, 0, 1, 2);

  button1_ = new QPushButton(this);
  button2_ = new QPushButton(this);
  for (QPushButton* button : {button1_, button2_}) button->setMinimumWidth(kButtonWidth);
  button1_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button1_);
  buttons->addWidget(button2_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(button1_, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TForm2::reject);
  connect(rbCom_, &QRadioButton::clicked, this, &TForm2::rbComClick);
  connect(rbQmf_, &QRadioButton::clicked, this, &TForm2::rbQmfClick);
  connect(btQmfSel_, &QPushButton::clicked, this, &TForm2::btQmfSelClick);
  setTabOrder(rbCom_, cbComm_);
  setTabOrder(cbComm_, rbQmf_);
  setTabOrder(rbQmf_, btQmfSel_);
  setTabOrder(btQmfSel_, button1_);
  setTabOrder(button1_, button2_);

  rbCom_->setChecked(true);
  SetFileMode(false);
  services_.events.Register(&TForm2::OnEvent, this);
}

TForm2::~TForm2() {
  if (!closed_) services_.events.Unregister(&TForm2::OnEvent, this);
}

void TForm2::ShowInitialSetup() {
  cmcGTex& texts = services_.texts;
  setFont(CellModelFont(texts, "CellModel_InitialDialog"));
  lbQmfName_->setFont(CellModelFont(texts, "CellModel_BasicDialog"));
  setWindowTitle(DisplayText(texts.GetLine("GI_App_InitialSetup_Form_Caption", 0)));
  rbCom_->setText(WithMnemonic(DisplayText(texts.GetLine("GI_App_InitialSetup_ComPort_Caption", 0)), QLatin1Char('P')));
  rbQmf_->setText(WithMnemonic(DisplayText(texts.GetLine("GI_App_InitialSetup_Qmf_Caption", 0)), QLatin1Char('F')));
  btQmfSel_->setText(
      WithMnemonic(DisplayText(texts.GetLine("GI_App_InitialSetup_Qmf_Btn_Caption", 0)), QLatin1Char('S')));
  button1_->setText(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 0)));
  button2_->setText(DisplayText(texts.GetLine("GI_AppInd_Opt_ComSel_Buttons", 1)));
  lbQmfName_->clear();
  services_.environ.UpdateStartMode();
  const std::int32_t mode = services_.environ.settings.startMode;
  if (mode == EnvironSettings::kStartNoDestination || mode == EnvironSettings::kStartSetup) {
    memo1_->setPlainText(MemoLines(texts));
  }
  adjustSize();
  QScreen* screen = mainWindow_->screen();
  const QRect area = screen->availableGeometry();
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  move(PlaceOnWorkAreas(frame, {area}).topLeft());
  show();
  raise();
  activateWindow();
  rbCom_->setFocus();
}

// --- The two ways to a destination ---

void TForm2::Button1Click() {
  if (fileMode_) {
    services_.documents.ReadDestinationFromFile(filePath_);
    return;
  }
  ReadFromRadio();
}

// The radio answers in a clone information session; while it runs the dialog is disabled,
// and the session's end closes the dialog or makes it usable again.
void TForm2::ReadFromRadio() {
  const std::optional<int> port = cbComm_->Number();
  if (!port) {
    cbComm_->RefuseNumber(services_.texts, "GI_AppInd_Opt_ComSel_Notice");
    return;
  }
  services_.environ.settings.comPort = *port;
  services_.environ.WriteSettings();
  services_.events.Send(EV_StartCloneInfo);
}

void TForm2::rbComClick() { SetFileMode(false); }

void TForm2::rbQmfClick() { SetFileMode(true); }

void TForm2::SetFileMode(bool fileMode) {
  fileMode_ = fileMode;
  cbComm_->setEnabled(!fileMode);
  btQmfSel_->setEnabled(fileMode);
  lbQmfName_->setEnabled(fileMode);
}

void TForm2::btQmfSelClick() {
  const std::string path = services_.documents.ChooseFileToOpen();
  if (path.empty()) return;
  filePath_ = path;
  lbQmfName_->setText(QString::fromStdString(std::filesystem::path(path).filename().string()));
}

// --- Closing ---

void TForm2::done(int result) {
  QDialog::done(result);
  if (closed_) return;
  closed_ = true;
  // A closed setup hears no more events. Its deletion waits for the event loop, which may
  // next run after the event manager has gone (a program that quits right away).
  services_.events.Unregister(&TForm2::OnEvent, this);
  PlaceMainWindowOnDialogMonitor();
  services_.events.Send(EV_ShowMainWindow);
  services_.events.Send(EV_ToolBarRefresh);
  deleteLater();
}

// The main window appears where the user looked last: on the dialog's monitor, inside its
// work area.
void TForm2::PlaceMainWindowOnDialogMonitor() {
  const QRect area = screen()->availableGeometry();
  mainWindow_->setGeometry(PlaceOnWorkAreas(mainWindow_->geometry(), {area}));
}

void TForm2::OnEvent(void* user, const EventRecord& event) {
  auto& form = *static_cast<TForm2*>(user);
  switch (event.code) {
    case EV_CloneStarted:
      form.setEnabled(false);
      break;
    case EV_CloneEnded:
      if (event.p1 != 1) form.setEnabled(true);
      break;
    case EV_InitialSetupDone:
    case EV_InitialSetupFileDone:
      form.services_.environ.UpdateStartMode();
      form.services_.events.Send(EV_DestinationSet);
      form.accept();
      break;
    default:
      break;
  }
}

#include "ui/AboutBox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "base/VersionTexts.h"
#include "text/cmcGTex.h"
#include "ui/DisplayText.h"

namespace {

constexpr int kIconSize = 32;

// Each "%s" of pattern, in turn, takes the next of the pieces.
std::string Filled(std::string pattern, std::initializer_list<std::string> pieces) {
  std::size_t from = 0;
  for (const std::string& piece : pieces) {
    const std::size_t at = pattern.find("%s", from);
    if (at == std::string::npos) break;
    pattern.replace(at, 2, piece);
    from = at + piece.size();
  }
  return pattern;
}

}  // namespace

AboutBox::AboutBox(QWidget* owner, cmcGTex& texts, const VersionTexts& versions) : QDialog(owner) {
  setWindowTitle(DisplayText(texts.GetLine("GI_App_About_Caption", 0)));
  setModal(true);
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/icons/tessel.svg")).pixmap(kIconSize, kIconSize));
  label_ = new QLabel(
      DisplayText(Filled(texts.GetValueText("GI_App_About_Label_Reg"), {versions.version, versions.year})), this);
  ok_ = new QPushButton(DisplayText(texts.GetLine("GI_App_About_Button", 0)), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &AboutBox::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(label_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok_, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The window program. Until the main window exists it shows the application title from the
// text tables, which proves the tables are built in and readable.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QString>

#include "platform/Fatal.h"
#include "text/Codepage.h"
#include "text/cmcGTex.h"

namespace {

void showFatalMessageBox(const std::string& caption, const std::string& text) {
  QMessageBox::critical(nullptr, QString::fromStdString(caption),
                        QString::fromStdString(toUtf8(text, CodePage::Cp932)));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  setFatalHandler(showFatalMessageBox);

  cmcGTex texts;
  texts.SelectLineTable(lineTable(TableLanguage::English));
  const QString title = QString::fromStdString(toUtf8(texts.GetLine("GI_Sys_AppTitle", 0), CodePage::Cp1252));

  QLabel window(QStringLiteral("%1 %2").arg(title, QStringLiteral(TESSEL_VERSION)));
  window.setWindowTitle(title);
  window.setAlignment(Qt::AlignCenter);
  window.resize(480, 200);
  window.show();
  return QApplication::exec();
}

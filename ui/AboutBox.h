#pragma once
// The About box: the program icon, the version and the year of the program, and OK. Modal
// over its owner, which takes no input until it closes.
#include <QDialog>

class QLabel;
class QPushButton;
class cmcGTex;
struct VersionTexts;

class AboutBox final : public QDialog {
  Q_OBJECT

 public:
  AboutBox(QWidget* owner, cmcGTex& texts, const VersionTexts& versions);

  QLabel& Label() const { return *label_; }
  QPushButton& OkButton() const { return *ok_; }

 private:
  QLabel* label_;
  QPushButton* ok_;
};

#pragma once
// The recovery copies that windows left when they ended without saving, offered at start:
// each copy's file (or "New document"), when it was written, and what it changed against the
// file on disk. Recover (the default button) takes the chosen copy, Discard deletes it, Later
// (also Escape and closing the dialog) keeps every copy for the next start.
#include <QDialog>
#include <QString>
#include <vector>

class QPushButton;
class QTreeWidget;

class RecoveryDialog final : public QDialog {
  Q_OBJECT

 public:
  struct Row {
    QString file;
    QString time;
    QString changes;
  };
  enum class Choice { kRecover, kDiscard, kLater };

  RecoveryDialog(const std::vector<Row>& rows, QWidget* owner);

  Choice Chosen() const { return chosen_; }
  // The row the choice is for (the first row is chosen when the dialog opens).
  int ChosenRow() const;

  QTreeWidget& List() const { return *list_; }
  QPushButton& RecoverButton() const { return *recover_; }
  QPushButton& DiscardButton() const { return *discard_; }
  QPushButton& LaterButton() const { return *later_; }

 private:
  void Choose(Choice choice);

  QTreeWidget* list_ = nullptr;
  QPushButton* recover_ = nullptr;
  QPushButton* discard_ = nullptr;
  QPushButton* later_ = nullptr;
  Choice chosen_ = Choice::kLater;
};

#pragma once
// Edit > Sort's question: the key (frequency, name, mode, call sign) and the direction. Modal
// over its owner; OK with Enter, Cancel with Escape.
#include <QDialog>

#include "memory/ListSort.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class cmcGTex;

class SortDialog final : public QDialog {
  Q_OBJECT

 public:
  // texts must outlive the dialog.
  SortDialog(QWidget* owner, cmcGTex& texts);

  SortOrder Order() const;
  QComboBox& KeyBox() const { return *keys_; }
  QCheckBox& DescendingBox() const { return *descending_; }
  QPushButton& OkButton() const { return *ok_; }

 private:
  QComboBox* keys_;
  QCheckBox* descending_;
  QPushButton* ok_;
};

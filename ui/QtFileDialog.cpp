#include "ui/QtFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace {

QStringList FiltersOf(const FileDialogRequest& request) {
  QStringList filters;
  for (const std::string& filter : request.filters) filters.append(QString::fromStdString(filter));
  return filters;
}

}  // namespace

FileDialogAnswer QtFileDialog::Ask(const FileDialogRequest& request) {
  const bool opening = request.kind == FileDialogRequest::Kind::Open;
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.caption),
                     QString::fromStdString(request.folder));
  dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  const QStringList filters = FiltersOf(request);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 0 && request.filterIndex < filters.size()) {
    dialog.selectNameFilter(filters.at(request.filterIndex));
  }
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {true, QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString(),
          static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

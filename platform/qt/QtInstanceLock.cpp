#include "platform/qt/QtInstanceLock.h"

#include <QLockFile>
#include <QStandardPaths>
#include <QString>

namespace {

// The lock's name as a file name: a slash would name a folder.
QString LockFileName(const std::string& name) {
  return QString::fromStdString(name).replace(u'/', u'_') + QStringLiteral(".lock");
}

}  // namespace

QtInstanceLock::QtInstanceLock()
    : QtInstanceLock(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString()) {}

QtInstanceLock::QtInstanceLock(std::string folder) : folder_(std::move(folder)) {}

QtInstanceLock::~QtInstanceLock() = default;

bool QtInstanceLock::TryLock(const std::string& name) {
  Unlock();
  if (folder_.empty()) return false;
  auto lock = std::make_unique<QLockFile>(QString::fromStdString(folder_) + u'/' + LockFileName(name));
  if (!lock->tryLock(0)) return false;
  lock_ = std::move(lock);
  return true;
}

void QtInstanceLock::Unlock() { lock_.reset(); }

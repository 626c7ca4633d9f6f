#include "platform/qt/QtKeyValueStore.h"

#include <QSettings>
#include <QString>

namespace {

constexpr std::string_view kFileKey = QtKeyValueStore::kFileKey;

// The group that stands for key: "" for the file's own key, none for a key outside it.
std::optional<QString> GroupOf(const std::string& key) {
  if (key == kFileKey) return QString();
  if (!key.starts_with(kFileKey) || key.size() == kFileKey.size() || key[kFileKey.size()] != '\\') {
    return std::nullopt;
  }
  return QString::fromStdString(key.substr(kFileKey.size() + 1)).replace(u'\\', u'/');
}

QSettings::Scope QtScopeOf(QtKeyValueStore::Scope scope) {
  return scope == QtKeyValueStore::Scope::User ? QSettings::UserScope : QSettings::SystemScope;
}

}  // namespace

QtKeyValueStore::QtKeyValueStore(Scope scope)
    : scope_(scope),
      settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QtScopeOf(scope), QStringLiteral("Quor"),
                                            QStringLiteral("Tessel"))) {
  settings_->setFallbacksEnabled(false);
}

QtKeyValueStore::~QtKeyValueStore() = default;

std::optional<QString> QtKeyValueStore::ValuePath(const std::string& key, const std::string& name) const {
  std::optional<QString> group = GroupOf(key);
  if (!group) return std::nullopt;
  const QString valueName = QString::fromStdString(name);
  return group->isEmpty() ? valueName : *group + u'/' + valueName;
}

std::optional<std::int32_t> QtKeyValueStore::ReadInteger(const std::string& key, const std::string& name) const {
  const std::optional<QString> path = ValuePath(key, name);
  if (!path) return std::nullopt;
  const QVariant value = settings_->value(*path);
  if (!value.isValid() || value.typeId() == QMetaType::QStringList) return std::nullopt;
  // Through the text: a variant's own conversion cuts numbers beyond 32 bits.
  bool isInteger = false;
  const int integer = value.toString().toInt(&isInteger, 10);
  if (!isInteger) return std::nullopt;
  return integer;
}

std::optional<std::string> QtKeyValueStore::ReadString(const std::string& key, const std::string& name) const {
  const std::optional<QString> path = ValuePath(key, name);
  if (!path) return std::nullopt;
  // An unquoted text with commas in a hand-edited file reads as a list: not a single text.
  const QVariant value = settings_->value(*path);
  if (!value.isValid() || value.typeId() == QMetaType::QStringList) return std::nullopt;
  return value.toString().toStdString();
}

bool QtKeyValueStore::MayWrite() const { return scope_ == Scope::User && settings_->isWritable(); }

bool QtKeyValueStore::WriteInteger(const std::string& key, const std::string& name, std::int32_t value) {
  const std::optional<QString> path = ValuePath(key, name);
  if (!path || !MayWrite()) return false;
  settings_->setValue(*path, value);
  return true;
}

bool QtKeyValueStore::WriteString(const std::string& key, const std::string& name, const std::string& value) {
  const std::optional<QString> path = ValuePath(key, name);
  if (!path || !MayWrite()) return false;
  settings_->setValue(*path, QString::fromStdString(value));
  return true;
}

bool QtKeyValueStore::DeleteKey(const std::string& key) {
  const std::optional<QString> group = GroupOf(key);
  if (!group || !MayWrite()) return false;
  // An empty group name removes every value of the file, which is what deleting its key means.
  settings_->remove(*group);
  return true;
}

bool QtKeyValueStore::Flush() {
  if (scope_ == Scope::Machine) return true;
  settings_->sync();
  // A format error only says that the file as read was damaged; the writes were saved.
  return settings_->status() != QSettings::AccessError;
}

#include "ui/Mnemonic.h"

QString WithMnemonic(const QString& caption, QChar key) {
  QString escaped = caption;
  escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
  const qsizetype at = escaped.indexOf(key, 0, Qt::CaseInsensitive);
  if (at >= 0) return escaped.insert(at, QLatin1Char('&'));
  return escaped + QStringLiteral("(&") + key.toUpper() + QLatin1Char(')');
}

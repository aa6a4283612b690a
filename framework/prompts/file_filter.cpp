#include "framework/prompts/file_filter.h"

#include <QStringList>

namespace zv::prompt {

QString ToQtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& label = parts[i];
    if (label.isEmpty()) break;
    QStringList patterns;
    for (const QString& raw : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString p = raw.trimmed();
      if (p == QLatin1String("*.*")) {
        patterns << QStringLiteral("*");
        continue;
      }
      for (const QString& v : {p, p.toLower(), p.toUpper()})
        if (!patterns.contains(v)) patterns << v;
    }
    entries << label + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace zv::prompt

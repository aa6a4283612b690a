#include "framework/shell/trash.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zv::shell {

bool MoveToTrash(const QString& path) {
  // Without the data folder Qt gives up on the home trash and falls back to
  // a "files" folder beside the working directory.
  QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash"));
  return QFile::moveToTrash(path);
}

}  // namespace zv::shell

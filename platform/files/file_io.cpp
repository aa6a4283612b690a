#include "platform/files/file_io.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace zv::files {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* error) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = path + ": cannot open: " + file.errorString().toStdString();
    return false;
  }
  const qint64 size = file.size();
  bytes.resize(static_cast<std::size_t>(size));
  if (size > 0 && file.read(reinterpret_cast<char*>(bytes.data()), size) != size) {
    if (error) *error = path + ": cannot read: " + file.errorString().toStdString();
    bytes.clear();
    return false;
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error) {
  QSaveFile file(QString::fromStdString(path));
  const auto size = static_cast<qint64>(bytes.size());
  const bool written = file.open(QIODevice::WriteOnly) &&
                       file.write(reinterpret_cast<const char*>(bytes.data()), size) == size && file.commit();
  if (!written && error) *error = path + ": cannot save: " + file.errorString().toStdString();
  return written;
}

}  // namespace zv::files

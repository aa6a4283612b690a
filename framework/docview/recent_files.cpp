#include "framework/docview/recent_files.h"

#include <QDir>
#include <QFileInfo>

#include "framework/profile/profile_file.h"

namespace zv::docview {
namespace {

constexpr const char* kSection = "Recent File List";

std::string Key(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

QString RecentFiles::FilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/Zavediz/recent-files.ini");
}

RecentFiles::RecentFiles(int size) : size_(size) {
  const ProfileFile file(FilePath().toStdString());
  for (int i = 0; i < size_; ++i) {
    const std::string path = file.GetString(kSection, Key(i), "", 1024);
    if (!path.empty()) paths_ << QString::fromStdString(path);
  }
}

void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  paths_.removeAll(absolute);
  paths_.prepend(absolute);
  while (paths_.size() > size_) paths_.removeLast();
  Save();
}

void RecentFiles::Remove(int index) {
  if (index < 0 || index >= paths_.size()) return;
  paths_.removeAt(index);
  Save();
}

void RecentFiles::Save() const {
  QDir().mkpath(QFileInfo(FilePath()).absolutePath());
  const ProfileFile file(FilePath().toStdString());
  for (int i = 0; i < size_; ++i)
    file.WriteString(kSection, Key(i), i < paths_.size() ? paths_.at(i).toStdString() : std::string());
}

}  // namespace zv::docview

#pragma once
// The recent-file list: the last opened paths, newest first, kept in a
// per-user file of our own ("recent-files.ini" in the user's configuration
// folder, $XDG_CONFIG_HOME or ~/.config, then "Zavediz"), written each time
// it changes.

#include <QString>
#include <QStringList>

namespace zv::docview {

class RecentFiles {
 public:
  explicit RecentFiles(int size = 5);

  // Puts a path first (a path already listed moves up; the oldest drops
  // off); the list is saved at once.
  void Add(const QString& path);
  void Remove(int index);
  const QStringList& paths() const { return paths_; }

  static QString FilePath();

 private:
  void Save() const;

  int size_;
  QStringList paths_;
};

}  // namespace zv::docview

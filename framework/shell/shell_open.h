#pragma once
// The shell's "open" verb. Workbook files (.xls, .xlsx, .xlsm, .et) open in
// the running spreadsheet program, whose workbook window the main frame shows
// (see SetWorkbookHost); every other file goes to the desktop's program for
// it. A failure shows a message. Tests install an opener that records the
// calls instead.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace zv::shell {

// Opens the file as the shell would; false after telling the user why it
// could not.
bool Open(const QString& path);

// Whether the shell hands a file to the running spreadsheet program.
bool IsWorkbookFile(const QString& path);

using Opener = std::function<bool(const QString& path)>;
// Installs an opener in place of the desktop's (an empty one restores it) and
// returns the previous one.
Opener InstallOpener(Opener opener);

// Shows the running program's workbook window once a workbook is open (the
// main frame shows and raises its dock).
using WorkbookHost = std::function<void()>;
void SetWorkbookHost(WorkbookHost host);
// Shows the workbook window (nothing while no host is set).
void ShowWorkbookWindow();

// Records every path opened while it lives, and opens nothing.
class ScopedRecordingOpener {
 public:
  ScopedRecordingOpener();
  ~ScopedRecordingOpener();
  const QStringList& opened() const { return *opened_; }

 private:
  std::shared_ptr<QStringList> opened_;
  Opener previous_;
};

}  // namespace zv::shell

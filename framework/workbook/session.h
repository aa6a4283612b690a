#pragma once
// "The running spreadsheet program": the workbooks the user has opened
// through the program, in the order they were opened. Commands attach to the
// one opened (or brought forward) last; a workbook whose file changed on
// disk since it was read is read again when a command attaches, so the
// command sees the workbook as it is at that moment.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/workbook/book.h"

namespace zv::workbook {

class Session {
 public:
  enum class Change { kOpened, kReloaded, kEdited, kClosed, kActivated };
  using Listener = std::function<void(const std::shared_ptr<Book>&, Change)>;

  // Opens a workbook file; a file already open is brought forward (and read
  // again when it changed). Throws WorkbookError.
  std::shared_ptr<Book> Open(const std::string& path);
  // A new, unsaved workbook with `sheetCount` empty sheets "Sheet1"...,
  // or with the content of a template file.
  std::shared_ptr<Book> AddNew(int sheetCount);
  std::shared_ptr<Book> AddFromTemplate(const std::string& path);

  void Close(const std::shared_ptr<Book>& book);
  void CloseAll();
  void Activate(const std::shared_ptr<Book>& book);

  // The workbook opened or brought forward last; null when none is open.
  std::shared_ptr<Book> Active() const;
  const std::vector<std::shared_ptr<Book>>& Books() const { return books_; }
  // New workbooks with content the user has not saved.
  std::vector<std::shared_ptr<Book>> UnsavedNewBooks() const;

  // Reads again every unmodified workbook whose file changed on disk. A file
  // that cannot be read any more keeps the workbook as it was.
  void ReloadChanged();

  // Writes the workbook as .xlsx to `path` and makes that its file.
  void SaveAs(const std::shared_ptr<Book>& book, const std::string& path);

  // Tells the windows that a command changed the workbook.
  void NotifyEdited(const std::shared_ptr<Book>& book);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

  // Notes about files read with less than full fidelity, each shown once.
  std::vector<std::string> TakeNotices();

  int Subscribe(Listener listener);
  void Unsubscribe(int id);

 private:
  void Notify(const std::shared_ptr<Book>& book, Change change);
  void BringForward(const std::shared_ptr<Book>& book);
  std::string NextNewTitle();

  std::vector<std::shared_ptr<Book>> books_;  // the last is the active one
  std::vector<std::pair<int, Listener>> listeners_;
  std::vector<std::string> notices_;
  std::vector<std::string> noticesShown_;
  int nextListener_ = 1;
  int newCount_ = 0;
  bool visible_ = true;
};

// The program's one running spreadsheet program.
const std::shared_ptr<Session>& RunningProgram();

}  // namespace zv::workbook

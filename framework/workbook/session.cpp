#include "framework/workbook/session.h"

#include <algorithm>

#include "framework/workbook/workbook_error.h"
#include "framework/workbook/workbook_file.h"
#include "framework/workbook/xlsx_writer.h"

namespace zv::workbook {

namespace {
std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}
}  // namespace

std::shared_ptr<Book> Session::Open(const std::string& path) {
  for (const auto& book : books_) {
    if (!book->IsNew() && SameFile(book->path, path)) {
      BringForward(book);
      ReloadChanged();
      return book;
    }
  }
  LoadedWorkbook loaded = LoadWorkbookFile(path);
  auto book = std::make_shared<Book>();
  book->data = std::move(loaded.data);
  book->path = path;
  book->title = FileName(path);
  book->RememberFileState();
  if (!loaded.notice.empty()) notices_.push_back(loaded.notice);
  books_.push_back(book);
  Notify(book, Change::kOpened);
  return book;
}

std::string Session::NextNewTitle() { return "工作簿" + std::to_string(++newCount_); }

std::shared_ptr<Book> Session::AddNew(int sheetCount) {
  auto book = std::make_shared<Book>();
  book->title = NextNewTitle();
  for (int i = 1; i <= std::max(1, sheetCount); ++i) {
    auto sheet = std::make_shared<SheetData>();
    sheet->name = "Sheet" + std::to_string(i);
    book->data->sheets.push_back(sheet);
  }
  books_.push_back(book);
  Notify(book, Change::kOpened);
  return book;
}

std::shared_ptr<Book> Session::AddFromTemplate(const std::string& path) {
  LoadedWorkbook loaded = LoadWorkbookFile(path);
  auto book = std::make_shared<Book>();
  book->data = std::move(loaded.data);
  book->title = NextNewTitle();
  if (!loaded.notice.empty()) notices_.push_back(loaded.notice);
  books_.push_back(book);
  Notify(book, Change::kOpened);
  return book;
}

void Session::Close(const std::shared_ptr<Book>& book) {
  const auto it = std::find(books_.begin(), books_.end(), book);
  if (it == books_.end()) return;
  books_.erase(it);
  Notify(book, Change::kClosed);
}

void Session::CloseAll() {
  while (!books_.empty()) Close(books_.back());
}

void Session::BringForward(const std::shared_ptr<Book>& book) {
  const auto it = std::find(books_.begin(), books_.end(), book);
  if (it == books_.end() || it + 1 == books_.end()) return;
  std::rotate(it, it + 1, books_.end());
  Notify(book, Change::kActivated);
}

void Session::Activate(const std::shared_ptr<Book>& book) { BringForward(book); }

std::shared_ptr<Book> Session::Active() const { return books_.empty() ? nullptr : books_.back(); }

std::vector<std::shared_ptr<Book>> Session::UnsavedNewBooks() const {
  std::vector<std::shared_ptr<Book>> unsaved;
  for (const auto& book : books_)
    if (book->IsNew() && book->modified) unsaved.push_back(book);
  return unsaved;
}

void Session::ReloadChanged() {
  for (const auto& book : books_) {
    if (book->modified || !book->ChangedOnDisk()) continue;
    try {
      LoadedWorkbook loaded = LoadWorkbookFile(book->path);
      book->data = std::move(loaded.data);
      book->RememberFileState();
      Notify(book, Change::kReloaded);
    } catch (const WorkbookError&) {
      // Caught half-written by the program that saves it: keep what we have
      // and try again at the next attach.
    }
  }
}

void Session::SaveAs(const std::shared_ptr<Book>& book, const std::string& path) {
  WriteXlsx(*book->data, path);
  book->path = path;
  book->title = FileName(path);
  book->modified = false;
  book->RememberFileState();
  Notify(book, Change::kEdited);
}

void Session::NotifyEdited(const std::shared_ptr<Book>& book) { Notify(book, Change::kEdited); }

std::vector<std::string> Session::TakeNotices() {
  std::vector<std::string> fresh;
  for (auto& notice : notices_) {
    if (std::find(noticesShown_.begin(), noticesShown_.end(), notice) != noticesShown_.end()) continue;
    noticesShown_.push_back(notice);
    fresh.push_back(std::move(notice));
  }
  notices_.clear();
  return fresh;
}

int Session::Subscribe(Listener listener) {
  listeners_.emplace_back(nextListener_, std::move(listener));
  return nextListener_++;
}

void Session::Unsubscribe(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Session::Notify(const std::shared_ptr<Book>& book, Change change) {
  const auto listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener(book, change);
}

const std::shared_ptr<Session>& RunningProgram() {
  static const std::shared_ptr<Session> program = std::make_shared<Session>();
  return program;
}

}  // namespace zv::workbook

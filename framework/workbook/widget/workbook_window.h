#pragma once
// The workbook window beside the map: the running spreadsheet program's
// active workbook with its sheets as tabs and its cells as they display.
// The active sheet, the active cell and the selection that the commands read
// are the ones shown here: those the file stored when it opens, then
// whatever the user picks, as in a spreadsheet program.

#include <QWidget>
#include <memory>
#include <vector>

#include "framework/workbook/session.h"

class QComboBox;
class QTabWidget;
class QTableView;

namespace zv::workbook {

class SheetTableModel;

class WorkbookWindow : public QWidget {
  Q_OBJECT

 public:
  explicit WorkbookWindow(std::shared_ptr<Session> session, QWidget* parent = nullptr);
  ~WorkbookWindow() override;

  QTabWidget* Tabs() const { return tabs_; }
  QTableView* SheetView(int index) const;
  const std::shared_ptr<Book>& ShownBook() const { return shown_; }

 private:
  void ScheduleRebuild();
  void Rebuild();
  void ShowBook(const std::shared_ptr<Book>& book);
  void AddSheetTab(const std::shared_ptr<SheetData>& sheet);
  void ApplyStoredView(QTableView* view, const SheetData& sheet);
  void FillBookList();

  std::shared_ptr<Session> session_;
  std::shared_ptr<Book> shown_;
  std::vector<SheetTableModel*> models_;
  QComboBox* books_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  int subscription_ = 0;
  bool rebuildPending_ = false;
  bool applyingView_ = false;
};

}  // namespace zv::workbook

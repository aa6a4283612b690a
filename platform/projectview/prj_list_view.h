#pragma once
// CPrjListView: the list of a project's items (name, kind, display state,
// file), one row per item, sortable by a click on a column heading.
//
// It works on a project it does not own (SetProject; null shows nothing) and
// reads it again on Refresh. A double click, the return key or "打开" of its
// menu opens the row's item through OpenEntry, which views built on it
// override. Its right-button menu and keys set the display state of the
// selected items: "显示" (shown), "隐藏" (hidden), "设为当前" (current).
// OnProjoutput asks for the page set-up and the printer, then prints the
// whole project (project_output.h). Views built on it call the Base… members
// to keep the list's own handling for what they do not take over.

#include <QTableView>
#include <string>
#include <vector>

#include "platform/project/map_project.h"

namespace zv::prjview {

class ProjectListModel;

class CPrjListView : public QTableView {
  Q_OBJECT

 public:
  explicit CPrjListView(QWidget* parent = nullptr);

  void SetProject(MapProject* project);
  MapProject* project() const;
  void Refresh();

  // The item shown in a row, −1 for none.
  int ItemOfRow(int row) const;
  // Selected rows, in the order shown.
  std::vector<int> SelectedRows() const;
  void SetRowSelected(int row, bool selected);

  // Sorts by the column: ascending, or reversed on the sort column.
  void OnColumnClick(int column);

  // Page set-up, printer and printing of the whole project; nothing without
  // a project or when the user cancels.
  void OnProjoutput();

 protected:
  // Opens an item; the list itself does nothing.
  virtual void OpenEntry(MapProject* project, int index, const std::string& path);

  // The list's own right-button menu at a global position, and its keys.
  void BaseContextMenu(const QPoint& globalPos);
  void BaseKeyPress(QKeyEvent* event);
  // Gives every selected item the display state.
  void SetSelectedState(uint8_t state);

  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OpenRow(int row);

  ProjectListModel* model_;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace zv::prjview

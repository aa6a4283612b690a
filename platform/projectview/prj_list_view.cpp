#include "platform/projectview/prj_list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "framework/itemviews/report_view.h"
#include "framework/prompts/prompts.h"
#include "platform/projectview/project_list_model.h"
#include "platform/projectview/project_output.h"

namespace zv::prjview {

CPrjListView::CPrjListView(QWidget* parent) : QTableView(parent), model_(new ProjectListModel(this)) {
  setModel(model_);
  itemviews::SetUpReportView(*this);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionsClickable(true);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CPrjListView::OnColumnClick);
}

// The rows stay in item order until a heading is clicked; a second click on
// the same heading reverses the order.
void CPrjListView::OnColumnClick(int column) {
  if (project() == nullptr) return;
  sortOrder_ = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  sortColumn_ = column;
  const Qt::SortOrder order = sortOrder_;
  horizontalHeader()->setSortIndicatorShown(true);
  horizontalHeader()->setSortIndicator(column, order);
  model_->sort(column, order);
}

void CPrjListView::SetProject(MapProject* project) { model_->SetProject(project); }

MapProject* CPrjListView::project() const { return model_->project(); }

void CPrjListView::Refresh() { model_->Refresh(); }

int CPrjListView::ItemOfRow(int row) const { return model_->ItemOfRow(row); }

std::vector<int> CPrjListView::SelectedRows() const { return itemviews::SelectedRows(*this); }

void CPrjListView::SetRowSelected(int row, bool selected) { itemviews::SetRowSelected(*this, row, selected); }

void CPrjListView::OpenEntry(MapProject*, int, const std::string&) {}

void CPrjListView::OpenRow(int row) {
  const int item = ItemOfRow(row);
  if (item < 0) return;
  OpenEntry(project(), item, PrjGetItemPath(project(), item));
}

void CPrjListView::SetSelectedState(uint8_t state) {
  if (project() == nullptr) return;
  for (const int row : SelectedRows()) PrjSetItemState(project(), ItemOfRow(row), state);
  Refresh();
}

void CPrjListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) OpenRow(indexAt(event->position().toPoint()).row());
}

void CPrjListView::BaseKeyPress(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    OpenRow(currentIndex().row());
    return;
  }
  QTableView::keyPressEvent(event);
}

void CPrjListView::keyPressEvent(QKeyEvent* event) { BaseKeyPress(event); }

void CPrjListView::BaseContextMenu(const QPoint& globalPos) {
  if (project() == nullptr) return;
  QMenu menu(this);
  const int row = currentIndex().row();
  menu.addAction(QStringLiteral("打开"), this, [this, row] { OpenRow(row); });
  menu.addSeparator();
  menu.addAction(QStringLiteral("显示"), this, [this] { SetSelectedState(kItemShown); });
  menu.addAction(QStringLiteral("隐藏"), this, [this] { SetSelectedState(kItemHidden); });
  menu.addAction(QStringLiteral("设为当前"), this, [this] { SetSelectedState(kItemCurrent); });
  menu.exec(globalPos);
}

void CPrjListView::contextMenuEvent(QContextMenuEvent* event) { BaseContextMenu(event->globalPos()); }

void CPrjListView::OnProjoutput() {
  if (project() == nullptr) return;
  QPrinter printer(QPrinter::HighResolution);
  QPageSetupDialog setup(&printer, this);
  if (prompt::Current().Exec(setup) != QDialog::Accepted) return;
  QPrintDialog print(&printer, this);
  if (prompt::Current().Exec(print) != QDialog::Accepted) return;
  if (!PrintProject(*project(), printer)) {
    prompt::Message(QStringLiteral("没有可以输出的图形。"), prompt::kIconWarning);
  }
}

}  // namespace zv::prjview

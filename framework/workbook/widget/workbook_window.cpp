#include "framework/workbook/widget/workbook_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "framework/workbook/widget/sheet_table_model.h"
#include "framework/workbook/widget/workbook_actions.h"

namespace zv::workbook {

namespace {
// Pixels of a column width in characters of the Normal font (7-pixel digits
// plus padding) and of a row height in points.
int ColumnPixels(double characters) { return characters <= 0 ? 0 : static_cast<int>(std::lround(characters * 7 + 5)); }
int RowPixels(double points, double dpi) { return static_cast<int>(std::lround(points * dpi / 72.0)); }
}  // namespace

WorkbookWindow::WorkbookWindow(std::shared_ptr<Session> session, QWidget* parent)
    : QWidget(parent), session_(std::move(session)) {
  setWindowTitle("工作簿");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QToolBar(this);
  books_ = new QComboBox(bar);
  books_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  bar->addWidget(books_);
  bar->addAction("打开…", this, [this] { OpenWorkbookFile(*session_); });
  bar->addAction("保存为…", this, [this] {
    if (shown_) SaveWorkbookAs(*session_, shown_);
  });
  bar->addAction("在电子表格程序中打开", this, [this] {
    if (shown_) OpenInDesktopProgram(shown_);
  });
  layout->addWidget(bar);
  tabs_ = new QTabWidget(this);
  tabs_->setTabPosition(QTabWidget::South);
  tabs_->setDocumentMode(true);
  layout->addWidget(tabs_);

  connect(books_, &QComboBox::activated, this, [this](int index) {
    const auto& books = session_->Books();
    if (index >= 0 && index < static_cast<int>(books.size()))
      session_->Activate(books[books.size() - 1 - static_cast<std::size_t>(index)]);
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (shown_ && !applyingView_ && index >= 0) shown_->data->activeSheet = index;
  });
  subscription_ = session_->Subscribe([this](const std::shared_ptr<Book>&, Session::Change) { ScheduleRebuild(); });
  Rebuild();
}

WorkbookWindow::~WorkbookWindow() { session_->Unsubscribe(subscription_); }

QTableView* WorkbookWindow::SheetView(int index) const { return qobject_cast<QTableView*>(tabs_->widget(index)); }

void WorkbookWindow::ScheduleRebuild() {
  if (rebuildPending_) return;
  rebuildPending_ = true;
  QTimer::singleShot(0, this, [this] { Rebuild(); });
}

void WorkbookWindow::FillBookList() {
  books_->clear();
  const auto& books = session_->Books();
  for (auto it = books.rbegin(); it != books.rend(); ++it)
    books_->addItem(QString::fromStdString((*it)->title + ((*it)->modified ? " *" : "")));
  books_->setCurrentIndex(books.empty() ? -1 : 0);
}

void WorkbookWindow::Rebuild() {
  rebuildPending_ = false;
  FillBookList();
  const auto active = session_->Active();
  const bool sameSheets =
      active && active == shown_ && active->data->sheets.size() == models_.size() &&
      std::equal(models_.begin(), models_.end(), active->data->sheets.begin(),
                 [](SheetTableModel* model, const auto& sheet) { return model->Sheet() == sheet; });
  if (sameSheets) {
    // Edited by a command: same sheets, new content.
    for (SheetTableModel* model : models_) model->Refresh();
    for (int i = 0; i < tabs_->count(); ++i) tabs_->setTabText(i, QString::fromStdString(active->data->sheets[i]->name));
    return;
  }
  ShowBook(active);
}

void WorkbookWindow::ShowBook(const std::shared_ptr<Book>& book) {
  applyingView_ = true;
  while (tabs_->count() > 0) {
    QWidget* page = tabs_->widget(0);
    tabs_->removeTab(0);
    delete page;
  }
  models_.clear();
  shown_ = book;
  if (book) {
    for (const auto& sheet : book->data->sheets) AddSheetTab(sheet);
    tabs_->setCurrentIndex(std::clamp(book->data->activeSheet, 0, tabs_->count() - 1));
  }
  applyingView_ = false;
}

void WorkbookWindow::AddSheetTab(const std::shared_ptr<SheetData>& sheet) {
  auto* view = new QTableView(tabs_);
  auto* model = new SheetTableModel(shown_, sheet, view);
  models_.push_back(model);
  view->setModel(model);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  const double dpi = view->logicalDpiY();
  view->verticalHeader()->setDefaultSectionSize(RowPixels(sheet->defaultRowHeight, dpi));
  view->horizontalHeader()->setDefaultSectionSize(ColumnPixels(sheet->defaultColumnWidth));
  for (const ColumnSpan& span : sheet->columns)
    for (int column = span.first; column <= std::min(span.last, model->columnCount()); ++column)
      view->setColumnWidth(column - 1, ColumnPixels(span.width));
  for (const auto& [row, height] : sheet->rowHeights)
    if (row <= model->rowCount()) view->setRowHeight(row - 1, RowPixels(height, dpi));
  for (const CellRect& merge : sheet->merges)
    if (merge.last.row <= model->rowCount() && merge.last.column <= model->columnCount())
      view->setSpan(merge.first.row - 1, merge.first.column - 1, merge.Rows(), merge.Columns());
  tabs_->addTab(view, QString::fromStdString(sheet->name));
  ApplyStoredView(view, *sheet);

  // The active cell is where the selection began (the cell pressed), as in a
  // spreadsheet program, even when the drag went up and to the left.
  auto anchor = std::make_shared<QPersistentModelIndex>();
  connect(view, &QTableView::pressed, view, [anchor](const QModelIndex& index) { *anchor = index; });
  connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view, [this, view, sheet, anchor] {
    if (applyingView_) return;
    const QModelIndex current = view->currentIndex();
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    if (selected.isEmpty() || !current.isValid()) return;
    CellRect rect{{selected.front().row() + 1, selected.front().column() + 1},
                  {selected.front().row() + 1, selected.front().column() + 1}};
    for (const QModelIndex& index : selected)
      rect = SpanOf({std::min(rect.first.row, index.row() + 1), std::min(rect.first.column, index.column() + 1)},
                    {std::max(rect.last.row, index.row() + 1), std::max(rect.last.column, index.column() + 1)});
    const QModelIndex active = anchor->isValid() && view->selectionModel()->isSelected(*anchor) ? QModelIndex(*anchor)
                                                                                                 : current;
    sheet->view.activeCell = {active.row() + 1, active.column() + 1};
    sheet->view.selection = {rect};
  });
}

void WorkbookWindow::ApplyStoredView(QTableView* view, const SheetData& sheet) {
  const bool wasApplying = applyingView_;
  applyingView_ = true;
  auto* model = view->model();
  const CellPos active = sheet.view.activeCell;
  view->selectionModel()->setCurrentIndex(model->index(active.row - 1, active.column - 1),
                                          QItemSelectionModel::NoUpdate);
  QItemSelection selection;
  for (const CellRect& area : sheet.view.selection)
    selection.select(model->index(area.first.row - 1, area.first.column - 1),
                     model->index(area.last.row - 1, area.last.column - 1));
  view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  view->scrollTo(model->index(active.row - 1, active.column - 1));
  applyingView_ = wasApplying;
}

}  // namespace zv::workbook

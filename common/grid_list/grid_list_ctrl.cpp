#include "common/grid_list/grid_list_ctrl.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "common/grid_list/grid_cell_delegate.h"
#include "common/grid_list/grid_column_state.h"
#include "common/grid_list/grid_sort.h"
#include "common/grid_list/sort_header_ctrl.h"
#include "framework/itemviews/report_view.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/profile/profile_file.h"

namespace zv::grid {

namespace {

// How far a choice box's list drops below its cell, and how far the box sits
// to the left of the cell so that its edit field lines up with the text.
constexpr int kChoiceDropHeight = 120;
constexpr int kChoiceShiftLeft = 2;

// The notice codes of kLegendGridUsed.
constexpr std::intptr_t kNoticeTextCommitted = 1;
constexpr std::intptr_t kNoticeClicked = 2;

}  // namespace

CGridListCtrl::CGridListCtrl(QWidget* parent)
    : QTableView(parent), model_(new GridListModel(this)), header_(new CSortHeaderCtrl(this)) {
  setModel(model_);
  setHorizontalHeader(header_);
  header_->setModel(model_);
  itemviews::SetUpReportView(*this);
  setItemDelegate(new GridCellDelegate(this));
  LoadColours();
  connect(header_, &QHeaderView::sectionClicked, this, &CGridListCtrl::OnColumnClick);
}

CGridListCtrl::~CGridListCtrl() = default;

void CGridListCtrl::LoadColours() {
  const QPalette& colours = palette();
  textColour_ = colours.color(QPalette::WindowText);
  backColour_ = colours.color(QPalette::Base);
  selectedBackColour_ = colours.color(QPalette::Highlight);
  selectedTextColour_ = colours.color(QPalette::HighlightedText);
}

void CGridListCtrl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) LoadColours();
  QTableView::changeEvent(event);
}

bool CGridListCtrl::SetColumns(const QString& spec) {
  const std::vector<GridColumn> columns = ParseColumnSpec(spec);
  for (const GridColumn& column : columns) {
    model_->AppendColumn(column);
    header_->resizeSection(model_->columnCount() - 1, column.width);
  }
  return !columns.empty();
}

void CGridListCtrl::SetColumnType(int column, int16_t kind) {
  if (!kinds_) kinds_.emplace(static_cast<std::size_t>(GetColumnCount()), kColumnReadOnly);
  if (column >= 0 && column < static_cast<int>(kinds_->size())) (*kinds_)[static_cast<std::size_t>(column)] = kind;
}

int16_t CGridListCtrl::ColumnType(int column) const {
  if (!kinds_ || column < 0 || column >= static_cast<int>(kinds_->size())) return kColumnReadOnly;
  return (*kinds_)[static_cast<std::size_t>(column)];
}

QLineEdit* CGridListCtrl::textEditor() const { return textEditor_; }
QComboBox* CGridListCtrl::choiceEditor() const { return choiceEditor_; }

void CGridListCtrl::SetColumnHeading(int column, const QString& heading) { model_->SetHeading(column, heading); }

int CGridListCtrl::GetColumnCount() const { return model_->columnCount(); }

void CGridListCtrl::SetComboItem(int list, const QString& text, int index) {
  if (list < 1 || list > kChoiceListCount || index < 0 || index >= kChoiceListSize) return;
  choiceLists_[static_cast<std::size_t>(list - 1)][static_cast<std::size_t>(index)] = text;
}

int CGridListCtrl::AddRow(const QStringList& texts) { return InsertRow(GetItemCount(), texts); }

int CGridListCtrl::InsertRow(int row, const QStringList& texts) {
  const int columns = GetColumnCount();
  if (texts.size() != columns || columns == 0) return -1;
  // An open editor knows its row by number: its text goes in before the
  // rows move.
  CommitEditors();
  CGridRow record;
  record.cells = texts;
  record.textColours.assign(static_cast<std::size_t>(columns), textColour_);
  record.backColours.assign(static_cast<std::size_t>(columns), backColour_);
  return model_->InsertRow(row, std::move(record));
}

bool CGridListCtrl::SetCellText(int row, int column, const QString& text) {
  return model_->SetCell(row, column, text);
}

QString CGridListCtrl::CellText(int row, int column) const {
  const CGridRow* record = model_->Row(row);
  return record ? record->cells.value(column) : QString();
}

QStringList CGridListCtrl::GetRowCells(int row) const {
  const CGridRow* record = model_->Row(row);
  return record ? record->cells : QStringList();
}

CGridRow* CGridListCtrl::GetRow(int row) { return model_->Row(row); }

bool CGridListCtrl::DeleteRow(int row) {
  if (row == currentRow_) DiscardEditors();
  CommitEditors();
  return model_->RemoveRow(row);
}

void CGridListCtrl::DeleteAllRows() {
  DiscardEditors();
  model_->Clear();
}

int CGridListCtrl::GetItemCount() const { return model_->rowCount(); }

std::vector<int> CGridListCtrl::GetSelectedRows() const { return itemviews::SelectedRows(*this); }

void CGridListCtrl::SelectRow(int row, bool selected) { itemviews::SetRowSelected(*this, row, selected); }

void CGridListCtrl::LoadColumnState(int dialogId) {
  LoadColumnState(ProfileFile(ColumnStateProfilePath()), dialogId);
}

void CGridListCtrl::LoadColumnState(const ProfileFile& profile, int dialogId) {
  const std::string value = profile.GetString(kColumnStateSection, std::to_string(dialogId), std::string(), 4096);
  const auto widths = DecodeColumnState(QString::fromStdString(value), GetColumnCount());
  if (!widths) return;
  for (std::size_t column = 0; column < widths->size(); ++column) {
    header_->resizeSection(static_cast<int>(column), (*widths)[column]);
  }
  header_->viewport()->update();
}

void CGridListCtrl::OnColumnClick(int column) {
  SortColumn(column, column == sortColumn_ ? !ascending_ : true);
}

void CGridListCtrl::SortColumn(int column, bool ascending) {
  CommitEditors();
  sortColumn_ = column;
  ascending_ = ascending;
  header_->SetSortArrow(column, ascending);
  const GridListModel& rows = *model_;
  model_->Reorder(SortOrder(GetItemCount(), [&rows, column, ascending](int a, int b) {
    return CompareGridTexts(rows.Row(a)->cells.value(column), rows.Row(b)->cells.value(column), ascending);
  }));
}

bool CGridListCtrl::GetCellRect(int row, int column, QRect* rect) const {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return false;
  QRect cell = visualRect(model_->index(row, column));
  if (column == 0 && GetColumnCount() >= 2) cell.setRight(columnViewportPosition(1) - 1);
  *rect = cell;
  return true;
}

void CGridListCtrl::PostNotice(std::intptr_t lParam) const {
  if (!notify_) return;
  msg::PaneWindows().Post(msg::PaneEntry::kLegendLibrary, msg::kLegendGridUsed, currentRow_, lParam);
}

void CGridListCtrl::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  OnClick(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1);
}

void CGridListCtrl::OnClick(int row, int column) {
  PostNotice(kNoticeClicked);
  if (!kinds_) return;
  if (row >= 0 && ColumnType(column) == kColumnCheckBox) {
    SetCellText(row, column, CellText(row, column) == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"));
  }
  if (!textEditor_ && !choiceEditor_) {
    currentColumn_ = column;
    if (row != currentRow_) {
      currentRow_ = row;
      return;
    }
  }
  if (currentRow_ < 0 || currentColumn_ < 0) return;  // a click beside the rows
  OpenOrMoveEditor();
}

QRect CGridListCtrl::EditorRect() const {
  if (currentRow_ < 0 || currentRow_ >= GetItemCount() || currentColumn_ < 0 || currentColumn_ >= GetColumnCount()) {
    return {};
  }
  return visualRect(model_->index(currentRow_, currentColumn_));
}

void CGridListCtrl::OpenOrMoveEditor() {
  const int16_t kind = ColumnType(currentColumn_);
  if (kind != kColumnText && kind != kColumnChoice) return;
  if ((kind == kColumnText && textEditor_) || (kind == kColumnChoice && choiceEditor_)) {
    PlaceEditors(false);
    viewport()->update();
    return;
  }
  const QString text = CellText(currentRow_, currentColumn_);
  if (kind == kColumnText) {
    textEditor_ = new QLineEdit(viewport());
    textEditor_->setFrame(false);
    textEditor_->setText(text);
    textEditor_->setCursorPosition(static_cast<int>(text.size()));
    textEditor_->installEventFilter(this);
    PlaceEditors(false);
    textEditor_->show();
    textEditor_->setFocus();
    return;
  }
  choiceEditor_ = new QComboBox(viewport());
  choiceEditor_->setEditable(true);
  choiceEditor_->setInsertPolicy(QComboBox::NoInsert);
  if (currentColumn_ < kChoiceListCount) {
    for (const QString& entry : choiceLists_[static_cast<std::size_t>(currentColumn_)]) {
      if (!entry.isEmpty()) choiceEditor_->addItem(entry);
    }
  }
  choiceEditor_->setCurrentIndex(0);
  choiceEditor_->setEditText(text);
  choiceEditor_->lineEdit()->selectAll();
  choiceEditor_->installEventFilter(this);
  choiceEditor_->lineEdit()->installEventFilter(this);
  choiceEditor_->setMaxVisibleItems(std::max(1, kChoiceDropHeight / std::max(1, rowHeight(currentRow_))));
  PlaceEditors(false);
  choiceEditor_->show();
  choiceEditor_->setFocus();
}

void CGridListCtrl::PlaceEditors(bool collapseAboveTop) {
  const QRect cell = EditorRect();
  if (!cell.isValid()) return;
  // A row scrolled above the top of the rows folds its editor away.
  const bool collapse = collapseAboveTop && cell.top() < 0;
  const int height = collapse ? 0 : cell.height();
  if (textEditor_) textEditor_->setGeometry(cell.left(), cell.top(), cell.width(), height);
  if (choiceEditor_) {
    choiceEditor_->setGeometry(cell.left() - kChoiceShiftLeft, cell.top(), cell.width(), height);
  }
}

void CGridListCtrl::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  if (textEditor_ || choiceEditor_) PlaceEditors(dy != 0);
}

void CGridListCtrl::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  CommitEditors();
}

// An editor that loses the focus to anything but its own parts and its drop
// list commits, so that OK or the return key never drops what was typed.
bool CGridListCtrl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    QWidget* editor = textEditor_ ? static_cast<QWidget*>(textEditor_) : static_cast<QWidget*>(choiceEditor_);
    const QWidget* now = QApplication::focusWidget();
    if (editor != nullptr && (now == nullptr || (now != editor && !editor->isAncestorOf(now)))) CommitEditors();
  }
  return QTableView::eventFilter(watched, event);
}

void CGridListCtrl::CommitEditors() {
  if (!textEditor_ && !choiceEditor_) return;
  const bool textBox = textEditor_ != nullptr;
  const QString text = textBox ? textEditor_->text() : choiceEditor_->currentText();
  DiscardEditors();
  SetCellText(currentRow_, currentColumn_, text);
  if (textBox) PostNotice(kNoticeTextCommitted);
}

// Editors are deleted later: the focus change that commits them is still
// being delivered to them.
void CGridListCtrl::DiscardEditors() {
  for (QWidget* editor : {static_cast<QWidget*>(textEditor_.data()), static_cast<QWidget*>(choiceEditor_.data())}) {
    if (editor == nullptr) continue;
    editor->hide();
    editor->deleteLater();
  }
  textEditor_ = nullptr;
  choiceEditor_ = nullptr;
}

}  // namespace zv::grid

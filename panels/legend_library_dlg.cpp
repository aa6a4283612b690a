#include "panels/legend_library_dlg.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/commands/command_menus.h"
#include "framework/commands/menu_rows.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/trash.h"
#include "framework/text/numbers.h"
#include "panels/dialog_buttons.h"
#include "panels/pattern_view.h"

namespace zv::panels {
namespace {

constexpr int kDialogId = 257;
constexpr const char* kColumns = "选,25;序号,40;图例号,55;1图例名称,140;高度,40;宽度,40;标志,40;顺序,40;1图例标注,280";
enum Column { kMark = 0, kSerial, kNumber, kName, kHeight, kWidth, kFlag, kOrder, kAnnotation, kColumnCount };
constexpr int kRowHeight = 17;

constexpr PreviewWindow kPreview{{710, 7, 230, 163}, {0, 1, 1, 0, 0, 1, 0, 1}, {-7.0, -5.0}, 16.0};
constexpr QRect kPreviewPlaced(660, 4, 230, 200);

// The grid's notices (lParam of kLegendGridUsed).
constexpr std::intptr_t kEditStored = 1;
constexpr std::intptr_t kEditBegins = 2;

// The context menu's commands.
enum MenuId : int {
  kIdAdd = 33454,
  kIdClearMarks = 33455,
  kIdDelete = 33456,
  kIdShowAll = 33457,
  kIdSave = 33458,
  kIdUp = 33459,
  kIdDown = 33460,
  kIdStoreOrder = 33477,
};
constexpr const char* kContextPopup = "9";

QString Q(const std::string& text) { return QString::fromStdString(text); }

CLegendLibraryDlg& DialogOf(cmd::CommandTarget& target) { return static_cast<CLegendLibraryDlg&>(target); }

template <void (CLegendLibraryDlg::*Member)()>
void Run(cmd::CommandTarget& target) {
  (DialogOf(target).*Member)();
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(kIdAdd, Run<&CLegendLibraryDlg::AddLegendItem>, "AddLegendItem"),
    cmd::Handler(kIdSave, Run<&CLegendLibraryDlg::SaveLegendItem>, "SaveLegendItem"),
    cmd::Handler(kIdDelete, Run<&CLegendLibraryDlg::DeleteLegendItem>, "DeleteLegendItem"),
    cmd::Handler(kIdShowAll, Run<&CLegendLibraryDlg::ShowAllLegendItems>, "ShowAllLegendItems"),
    cmd::Handler(kIdClearMarks, Run<&CLegendLibraryDlg::ClearLegendMarks>, "ClearLegendMarks"),
    cmd::Handler(kIdUp, Run<&CLegendLibraryDlg::MoveLegendRowUp>, "MoveLegendRowUp"),
    cmd::Handler(kIdDown, Run<&CLegendLibraryDlg::MoveLegendRowDown>, "MoveLegendRowDown"),
    cmd::Handler(kIdStoreOrder, Run<&CLegendLibraryDlg::StoreLegendOrder>, "StoreLegendOrder"),
};

// The edits and the members they are bound to.
struct EditField {
  int id;
  const char* label;
  int CLegendLibraryDlg::*member;
  QRect at;
};

const EditField kEdits[] = {
    {1276, "宽度", &CLegendLibraryDlg::m_nWidth, {730, 270, 50, 22}},
    {208, "高度", &CLegendLibraryDlg::m_nHeight, {840, 270, 50, 22}},
    {1119, "行数", &CLegendLibraryDlg::m_nRows, {730, 300, 50, 22}},
    {1120, "列数", &CLegendLibraryDlg::m_nColumns, {840, 300, 50, 22}},
    {1121, "横向间隔", &CLegendLibraryDlg::m_nSpaceX, {730, 330, 50, 22}},
    {1122, "竖向间隔", &CLegendLibraryDlg::m_nSpaceY, {840, 330, 50, 22}},
};
constexpr int kFilterEdit = 1416;

const std::pair<const char*, QRect> kGroups[] = {
    {"图例操作", {10, 420, 640, 60}},
    {"图库操作", {10, 485, 640, 60}},
    {"绘制参数", {660, 250, 240, 160}},
    {"输出设置", {660, 420, 240, 80}},
};

}  // namespace

void RegisterLegendLibraryCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CLegendLibraryDlg", kRows);
  const cmd::MenuRow rows[] = {
      {cmd::kMenuContext, "9/添加图例", kIdAdd},       {cmd::kMenuContext, "9/保存图例", kIdSave},
      {cmd::kMenuContext, "9/物理删除", kIdDelete},    {cmd::kMenuContext, "9/全部显示", kIdShowAll},
      {cmd::kMenuContext, "9/清除选择", kIdClearMarks}, {cmd::kMenuContext, "9/向上移动", kIdUp},
      {cmd::kMenuContext, "9/向下移动", kIdDown},       {cmd::kMenuContext, "9/重新排序", kIdStoreOrder},
  };
  cmd::Menus().AddRows(rows);
}

CLegendLibraryDlg::CLegendLibraryDlg(QWidget* parent)
    : QDialog(parent),
      menus_(new cmd::CommandMenus(
          *this, [this] { return cmd::Route{this}; }, [](const QString& text) { prompt::Message(text); })) {
  menus_->setParent(this);
  setWindowTitle(QStringLiteral("图例库制作"));
  keepSet_ = BasCreateWorkAreaSet(0);
  keep_ = {BasCreatePointWorkArea(keepSet_), BasCreateLineWorkArea(keepSet_), BasCreateRegionWorkArea(keepSet_)};
  BuildControls();
}

CLegendLibraryDlg::~CLegendLibraryDlg() { Release(); }

int CLegendLibraryDlg::DoModal() {
  OnInitDialog();
  return prompt::Current().Exec(*this);
}

void CLegendLibraryDlg::BuildControls() {
  resize(910, 560);
  grid_ = new grid::CGridListCtrl(this);
  grid_->setObjectName(ControlName(1007));
  grid_->setGeometry(10, 10, 640, 400);
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("listNote"));
  note_->setGeometry(660, 210, 240, 36);
  note_->setWordWrap(true);
  for (const auto& [title, at] : kGroups) (new QGroupBox(QString::fromUtf8(title), this))->setGeometry(at);
  for (const EditField& f : kEdits) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ControlName(f.id));
    edit->setGeometry(f.at);
    auto* label = new QLabel(QString::fromUtf8(f.label), this);
    label->setGeometry(f.at.left() - 58, f.at.top(), 56, f.at.height());
  }
  auto* filter = new QLineEdit(this);
  filter->setObjectName(ControlName(kFilterEdit));
  filter->setGeometry(670, 440, 220, 22);
  besideRadio_ = new QRadioButton(QStringLiteral("文字靠近图例"), this);
  besideRadio_->setObjectName(ControlName(1277));
  besideRadio_->setGeometry(670, 360, 110, 22);
  apartRadio_ = new QRadioButton(QStringLiteral("文字单独绘制"), this);
  apartRadio_->setObjectName(ControlName(1278));
  apartRadio_->setGeometry(670, 385, 110, 22);
  connect(besideRadio_, &QRadioButton::clicked, this, [this] { m_nTextMode = 1; });
  connect(apartRadio_, &QRadioButton::clicked, this, [this] { m_nTextMode = 0; });
  AddButtons(*this, {
                        {1155, "添加图例", {20, 440, 90, 26}, [this] { AddLegendItem(); }},
                        {1047, "保存图例", {120, 440, 90, 26}, [this] { SaveLegendItem(); }},
                        {1281, "物理删除", {220, 440, 90, 26}, [this] { DeleteLegendItem(); }},
                        {1279, "向上移动", {320, 440, 90, 26}, [this] { MoveLegendRowUp(); }},
                        {1280, "向下移动", {420, 440, 90, 26}, [this] { MoveLegendRowDown(); }},
                        {1284, "重新排序", {20, 505, 90, 26}, [this] { StoreLegendOrder(); }},
                        {1006, "全部显示", {120, 505, 90, 26}, [this] { ShowAllLegendItems(); }},
                        {1211, "清除选择", {220, 505, 90, 26}, [this] { ClearLegendMarks(); }},
                        {1414, "显示", {670, 467, 70, 26}, [this] { ShowFilteredLegendItems(); }},
                        {1415, "选择", {745, 467, 70, 26}, [this] { MarkLegendItems(); }},
                        {1418, "设置", {820, 467, 70, 26}, [this] { SetLegendFlags(); }},
                        {1, "确  定", {670, 520, 100, 28}, [this] { accept(); }},
                        {2, "退  出", {790, 520, 100, 28}, [this] { reject(); }},
                    });
  SetUpGrid();
}

void CLegendLibraryDlg::SetUpGrid() {
  grid_->setShowGrid(true);
  grid_->horizontalHeader()->setSectionsMovable(true);
  grid_->setMouseTracking(true);
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  grid_->SetColumns(QString::fromUtf8(kColumns));
  grid_->SetColumnType(kMark, grid::kColumnCheckBox);
  for (int column = kName; column <= kAnnotation; ++column) grid_->SetColumnType(column, grid::kColumnText);
  grid_->LoadColumnState(kDialogId);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    // Only a list that holds a selection mark shows the menu; the mark goes.
    if (!grid_->currentIndex().isValid()) return;
    grid_->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    std::unique_ptr<QMenu> menu(BuildContextMenu());
    menu->exec(grid_->viewport()->mapToGlobal(at));
  });
  connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected, const QItemSelection&) {
            for (const QModelIndex& index : selected.indexes()) {
              if (index.column() == 0) ReadLegendItemFile(index.row());
            }
          });
}

QMenu* CLegendLibraryDlg::BuildContextMenu() { return menus_->BuildPopup(cmd::kMenuContext, kContextPopup, this); }

void CLegendLibraryDlg::CreatePreviewView() {
  previewSet_ = BasCreateWorkAreaSet(0);
  preview_ = {BasCreatePointWorkArea(previewSet_), BasCreateLineWorkArea(previewSet_),
              BasCreateRegionWorkArea(previewSet_)};
  view_ = panels::CreatePreviewView(this, preview_, kPreview);
  view_->setGeometry(kPreviewPlaced);
}

void CLegendLibraryDlg::OnInitDialog() {
  msg::PaneWindows().Record(msg::PaneEntry::kLegendLibrary, this);
  grid_->SetNotify(true);
  if (QWidget* parent = parentWidget()) move(parent->geometry().center() - rect().center());
  CreatePreviewView();
  ShowEdits();
  besideRadio_->setChecked(m_nTextMode != 0);
  apartRadio_->setChecked(m_nTextMode == 0);
  Scan(m_bShowAll != 0);
}

void CLegendLibraryDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (view_) view_->setGeometry(kPreviewPlaced);
}

void CLegendLibraryDlg::ShowEdits() {
  for (const EditField& f : kEdits) findChild<QLineEdit*>(ControlName(f.id))->setText(QString::number(this->*f.member));
  findChild<QLineEdit*>(ControlName(kFilterEdit))->setText(Q(m_strOutput));
}

bool CLegendLibraryDlg::TakeEdits() {
  for (const EditField& f : kEdits) {
    auto* edit = findChild<QLineEdit*>(ControlName(f.id));
    const auto value = num::ParseTypedWhole(edit->text().toStdString());
    if (!value || *value < INT32_MIN || *value > INT32_MAX) {
      prompt::Message(QStringLiteral("请输入一个整数。"), prompt::kIconWarning);
      edit->setFocus();
      return false;
    }
    this->*f.member = static_cast<int>(*value);
  }
  m_strOutput = findChild<QLineEdit*>(ControlName(kFilterEdit))->text().toStdString();
  return true;
}

// ---- Listing ----------------------------------------------------------------------

void CLegendLibraryDlg::AddListingRow(const LegendRow& row) {
  const LegendHeader& h = row.header;
  const int added = grid_->AddRow({QString(), QString::number(row.serial), Q(h.number), Q(h.name),
                                   QString::number(h.height), QString::number(h.width), QString::number(h.flag),
                                   QString::number(h.order), Q(h.annotation)});
  if (grid::CGridRow* record = grid_->GetRow(added)) record->tag = Q(row.fileName);
}

void CLegendLibraryDlg::Scan(bool showAll) {
  // Old row numbers mean nothing in the new list.
  ClearPreview();
  m_nCurrentRow = -1;
  m_nEditRow = -1;
  grid_->DeleteAllRows();
  const LegendListing listing = ScanLegendFolder(showAll, m_strOutput);
  for (const LegendRow& row : listing.rows) AddListingRow(row);
  QString note;
  for (const std::string& name : listing.unreadable) note += QStringLiteral("不完整的图例文件: %1\n").arg(Q(name));
  note_->setText(note.trimmed());
}

std::string CLegendLibraryDlg::RowFile(int row) const {
  const grid::CGridRow* record = row >= 0 ? grid_->GetRow(row) : nullptr;
  return record ? LegendFolder() + record->tag.toStdString() : std::string();
}

bool CLegendLibraryDlg::IsMarked(int row) const { return num::ParseInt(grid_->CellText(row, kMark).toStdString()) != 0; }

void CLegendLibraryDlg::ShowAllLegendItems() {
  m_bShowAll = 1;
  Scan(true);
}

void CLegendLibraryDlg::ShowFilteredLegendItems() {
  if (!TakeEdits()) return;
  m_bShowAll = 0;
  Scan(false);
}

// ---- Preview and keep areas ---------------------------------------------------------

void CLegendLibraryDlg::ClearPreview() {
  ClearPreviewAreas(preview_);
  previewFile_.clear();
  if (view_) view_->_UpdateWindow();
}

void CLegendLibraryDlg::ReadLegendItemFile(int row) {
  if (row < 0 || row >= grid_->GetItemCount()) return;
  m_nCurrentRow = row;
  ClearPreview();
  std::string error;
  if (!ReadLegendItemInto(RowFile(row), preview_, nullptr, &error)) {
    note_->setText(Q(error));
    return;
  }
  previewFile_ = RowFile(row);
  view_->_UpdateWindow();
}

void CLegendLibraryDlg::KeepPreviewedItem() {
  ClearPreviewAreas(keep_);
  BasCopyPoints(preview_.points, keep_.points);
  BasCopyLines(preview_.lines, keep_.lines);
  BasCopyRegions(preview_.regions, keep_.regions);
  keptFile_ = previewFile_;
}

bool CLegendLibraryDlg::RewriteLegendItem(int row) {
  if (row < 0 || row >= grid_->GetItemCount()) return false;
  const std::string own = RowFile(row);
  LegendHeader header;
  header.number = grid_->CellText(row, kNumber).toStdString();
  header.name = CleanLegendName(grid_->CellText(row, kName).toStdString());
  header.height = num::ParseInt(grid_->CellText(row, kHeight).toStdString());
  header.width = num::ParseInt(grid_->CellText(row, kWidth).toStdString());
  header.flag = static_cast<int16_t>(num::ParseInt(grid_->CellText(row, kFlag).toStdString()));
  header.order = num::ParseInt(grid_->CellText(row, kOrder).toStdString());
  header.annotation = grid_->CellText(row, kAnnotation).toStdString();
  grid_->SetCellText(row, kName, Q(header.name));

  // The keep areas hold the item previewed when the edit began; another
  // row's item keeps the body its own file has.
  LegendItem item;
  std::string error;
  if (own != keptFile_ && !panels::ReadLegendItemFile(own, &item, &error)) {
    prompt::Message(Q(error), prompt::kIconStop);
    return false;
  }
  const std::string target = LegendFolder() + LegendFileName(header.number, header.name);
  const bool renames = LegendNamePart(grid_->GetRow(row)->tag.toStdString()) != header.name;
  if (renames && QFile::exists(Q(target))) {
    prompt::Message(QStringLiteral("文件已存在，不能改名: %1").arg(Q(target)), prompt::kIconStop);
    return false;
  }
  const bool written = own == keptFile_ ? WriteLegendItemFile(own, header, keep_, &error)
                                        : WriteLegendItemFile(own, header, item.body, &error);
  if (!written || (renames && !RenameRowFile(row, header.name, &error))) {
    prompt::Message(Q(error), prompt::kIconStop);
    return false;
  }
  return true;
}

bool CLegendLibraryDlg::RenameRowFile(int row, const std::string& name, std::string* error) {
  const std::string own = RowFile(row);
  const std::string fileName = LegendFileName(grid_->CellText(row, kNumber).toStdString(), name);
  const std::string target = LegendFolder() + fileName;
  if (!RenameLegendItemFile(own, target, error)) return false;
  for (int r = 0; r < grid_->GetItemCount(); ++r) {
    if (RowFile(r) == own) grid_->GetRow(r)->tag = Q(fileName);
  }
  if (previewFile_ == own) previewFile_ = target;
  if (keptFile_ == own) keptFile_ = target;
  return true;
}

void CLegendLibraryDlg::SaveLegendItem() {
  if (m_nCurrentRow < 0 || m_nCurrentRow >= grid_->GetItemCount()) {
    prompt::Message(QStringLiteral("请先选择要保存的图例。"), prompt::kIconWarning);
    return;
  }
  KeepPreviewedItem();
  if (RewriteLegendItem(m_nCurrentRow)) prompt::Message(QStringLiteral("图例保存成功！！"));
}

// ---- Items and rows ------------------------------------------------------------------

void CLegendLibraryDlg::AddLegendItem() {
  std::string error;
  const std::optional<std::string> number = MakeLegendFolder(&error) ? NextFreeLegendNumber(&error) : std::nullopt;
  LegendHeader header;
  header.name = "图例名称";
  const std::string fileName = number ? LegendFileName(*number, header.name) : std::string();
  if (number) header.number = *number;
  if (!number || !WriteLegendItemFile(LegendFolder() + fileName, header, LegendBody{}, &error)) {
    prompt::Message(Q(error), prompt::kIconStop);
    return;
  }
  AddListingRow({grid_->GetItemCount() + 1, fileName, header});
}

void CLegendLibraryDlg::SelectOnly(int row) {
  grid_->clearSelection();
  if (row < 0 || row >= grid_->GetItemCount()) return;
  grid_->SelectRow(row);
  grid_->selectionModel()->setCurrentIndex(grid_->model()->index(row, 0), QItemSelectionModel::NoUpdate);
  grid_->setFocus();
}

void CLegendLibraryDlg::DeleteLegendItem() {
  if (m_nCurrentRow < 0 || grid_->GetItemCount() == 0) {
    prompt::Message(QStringLiteral("请先选择要删除的图例。"), prompt::kIconWarning);
    return;
  }
  m_nCurrentRow = std::min(m_nCurrentRow, grid_->GetItemCount() - 1);
  const QString path = Q(RowFile(m_nCurrentRow));
  const QString question = QStringLiteral("将图例文件 %1 移到回收站？").arg(path);
  if (prompt::Message(question, prompt::kYesNo | prompt::kIconQuestion) != prompt::kAnswerYes) return;
  if (!shell::MoveToTrash(path)) {
    prompt::Message(QStringLiteral("文件删除失败: %1").arg(path), prompt::kIconStop);
    return;
  }
  if (previewFile_ == path.toStdString()) ClearPreview();
  grid_->DeleteRow(m_nCurrentRow);
  m_nCurrentRow -= 1;
  SelectOnly(m_nCurrentRow);
}

void CLegendLibraryDlg::ClearLegendMarks() {
  for (int row = 0; row < grid_->GetItemCount(); ++row) grid_->SetCellText(row, kMark, QString());
}

void CLegendLibraryDlg::MarkLegendItems() {
  if (!TakeEdits()) return;
  if (m_strOutput.empty()) {
    for (int row : grid_->GetSelectedRows()) {
      grid_->SetCellText(row, kMark, grid_->CellText(row, kMark).isEmpty() ? QStringLiteral("1") : QString());
    }
    return;
  }
  for (int row = 0; row < grid_->GetItemCount(); ++row) {
    if (grid_->CellText(row, kFlag) == Q(m_strOutput)) grid_->SetCellText(row, kMark, QStringLiteral("1"));
  }
}

void CLegendLibraryDlg::SetLegendFlags() {
  if (!TakeEdits() || m_strOutput.empty()) return;
  const auto flag = static_cast<int16_t>(num::ParseInt(m_strOutput));
  QString failures;
  for (int row : grid_->GetSelectedRows()) {
    if (IsMarked(row)) continue;
    std::string error;
    if (!PatchLegendFlag(RowFile(row), flag, &error)) {
      failures += Q(error) + QLatin1Char('\n');
      continue;
    }
    grid_->SetCellText(row, kFlag, Q(m_strOutput));
  }
  if (!failures.isEmpty()) prompt::Message(failures.trimmed(), prompt::kIconStop);
}

void CLegendLibraryDlg::MoveLegendRowDown() { MoveSelectedRow(+1); }

void CLegendLibraryDlg::MoveLegendRowUp() { MoveSelectedRow(-1); }

void CLegendLibraryDlg::MoveSelectedRow(int step) {
  const std::vector<int> selected = grid_->GetSelectedRows();
  if (selected.empty()) return;
  const int from = selected.front();
  if (from + step < 0 || from + step >= grid_->GetItemCount()) {
    prompt::Message(step > 0 ? QStringLiteral("已经位于最末行!") : QStringLiteral("已经位于第一行!"));
    return;
  }
  const QStringList texts = grid_->GetRowCells(from);
  const QString tag = grid_->GetRow(from)->tag;
  grid_->DeleteRow(from);
  grid_->InsertRow(from + step, texts);
  grid_->GetRow(from + step)->tag = tag;
  SelectOnly(from + step);
}

void CLegendLibraryDlg::StoreLegendOrder() {
  QString failures;
  for (int row = 0; row < grid_->GetItemCount(); ++row) {
    const std::string name = CleanLegendName(grid_->CellText(row, kName).toStdString());
    const bool renames = LegendNamePart(grid_->GetRow(row)->tag.toStdString()) != name;
    std::string error;
    if ((renames && !RenameRowFile(row, name, &error)) || !PatchLegendOrder(RowFile(row), row + 1, &error)) {
      failures += Q(error) + QLatin1Char('\n');
      continue;
    }
    grid_->SetCellText(row, kName, Q(name));
    grid_->SetCellText(row, kOrder, QString::number(row + 1));
  }
  if (!failures.isEmpty()) prompt::Message(failures.trimmed(), prompt::kIconStop);
}

// ---- Notices and ending ----------------------------------------------------------------

bool CLegendLibraryDlg::event(QEvent* event) {
  const msg::PrivateMessageEvent* message = msg::AsPrivateMessage(event);
  if (!message || message->message() != msg::kLegendGridUsed) return QDialog::event(event);
  const int row = static_cast<int>(message->wParam());
  if (message->lParam() == kEditBegins) {
    m_nEditRow = row;
    KeepPreviewedItem();
  } else if (message->lParam() == kEditStored) {
    RewriteLegendItem(row);
  }
  return true;
}

void CLegendLibraryDlg::accept() {
  ClearPreview();
  if (!TakeEdits()) return;
  m_strItems.clear();
  for (int row = 0; row < grid_->GetItemCount(); ++row) {
    if (IsMarked(row)) m_strItems.push_back(RowFile(row));
  }
  m_nItemCount = static_cast<int>(m_strItems.size());
  Release();
  QDialog::accept();
}

void CLegendLibraryDlg::reject() {
  ClearPreview();
  Release();
  QDialog::reject();
}

void CLegendLibraryDlg::closeEvent(QCloseEvent* event) {
  ClearPreview();
  Release();
  QDialog::closeEvent(event);
}

void CLegendLibraryDlg::Release() {
  if (released_) return;
  released_ = true;
  ClearPreviewAreas(keep_);
  BasFreeWorkAreaSet(keepSet_);
  keepSet_ = 0;
  keep_ = {};
  if (previewSet_ != 0) {
    BasFreeWorkAreaSet(previewSet_);
    previewSet_ = 0;
    preview_ = {};
  }
}

}  // namespace zv::panels

#include "geodesy/seven/seven_param_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "framework/workbook/workbook_error.h"
#include "geodesy/widgets/point_list.h"

namespace zv::seven {
namespace {

constexpr int kDialogId = 341;
const QString kColumns = QStringLiteral("编号,50;X(B),80;Y(L),80;H(H),80");

double Number(const QLineEdit* edit) { return num::ParseDouble(edit->text().toStdString()); }
QString Text(double v) { return QString::fromStdString(num::Format("%.15g", v)); }

prompt::FileRequest ParameterFileRequest(const QString& title, bool save) {
  prompt::FileRequest request;
  request.title = title;
  request.save = save;
  request.overwritePrompt = save;
  request.defaultExtension = QStringLiteral("*.txt");
  request.filter = QStringLiteral("Data Files(*.txt)|*.txt||");
  return request;
}

}  // namespace

Rows ListRows(const grid::CGridListCtrl& list) {
  Rows rows;
  for (int r = 0; r < list.GetItemCount(); ++r) {
    const QStringList cells = list.GetRowCells(r);
    Row row;
    for (int c = 0; c < 4; ++c) row[c] = cells.value(c).trimmed().toStdString();
    rows.push_back(row);
  }
  return rows;
}

void SetListRows(grid::CGridListCtrl& list, const Rows& rows) {
  list.DeleteAllRows();
  for (const Row& r : rows)
    list.AddRow({QString::fromStdString(r[0]), QString::fromStdString(r[1]), QString::fromStdString(r[2]),
                 QString::fromStdString(r[3])});
}

CSevenParamDlg::CSevenParamDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("7参数转换"));
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  source_ = geodesy::MakeList(this, "source", kColumns, kDialogId);
  target_ = geodesy::MakeList(this, "target", kColumns, kDialogId);
  AddMenu(source_);
  AddMenu(target_);
  lists->addWidget(source_);
  lists->addWidget(target_);
  layout->addLayout(lists);

  auto* edits = new QHBoxLayout;
  auto* left = new QFormLayout;
  auto* right = new QFormLayout;
  const char* names[] = {"dx", "dy", "dz", "ex", "ey", "ez", "m"};
  const char* labels[] = {"DX", "DY", "DZ", "εx", "εy", "εz", "m"};
  for (int i = 0; i < 7; ++i)
    parameters_[i] = geodesy::AddFormEdit(this, i < 4 ? left : right, names[i], QString::fromUtf8(labels[i]), {});
  sourceL0_ = geodesy::AddFormEdit(this, right, "sourceL0", QStringLiteral("转换前中央子午线"), QStringLiteral("117"));
  targetL0_ = geodesy::AddFormEdit(this, right, "targetL0", QStringLiteral("转换后中央子午线"), QStringLiteral("117"));
  edits->addLayout(left);
  edits->addLayout(right);
  layout->addLayout(edits);
  // The target meridian follows the source one as it is typed.
  connect(sourceL0_, &QLineEdit::textEdited, targetL0_, &QLineEdit::setText);

  const QStringList ellipsoids{QStringLiteral("WGS-84"), QStringLiteral("BJ54"), QStringLiteral("XA80")};
  auto row = [&](const QString& title) {
    auto* r = new QHBoxLayout;
    r->addWidget(new QLabel(title, this));
    layout->addLayout(r);
    return r;
  };
  sourceEllipsoid_ = geodesy::AddRadios(this, "source", ellipsoids, {1, 2, 3}, row(QStringLiteral("转换前")));
  form_ = geodesy::AddRadios(this, "form",
                             {QStringLiteral("BLH->xyh"), QStringLiteral("BLH->BLH"), QStringLiteral("xyh->BLH"),
                              QStringLiteral("xyh->xyh")},
                             {1, 2, 3, 4}, row(QStringLiteral("坐标形式")));
  targetEllipsoid_ = geodesy::AddRadios(this, "target", ellipsoids, {1, 2, 3}, row(QStringLiteral("转换后")));
  model_ = geodesy::AddRadios(this, "model", {QStringLiteral("七参数"), QStringLiteral("三参数")}, {1, 2},
                              row(QStringLiteral("参数模型")));
  connect(form_, &QButtonGroup::idClicked, this, [this] { EnableEdits(); });
  connect(model_, &QButtonGroup::idClicked, this, [this] { EnableEdits(); });

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const QString& text, std::function<void()> action) {
    buttons->addWidget(geodesy::ActionButton(this, name, text, std::move(action)));
  };
  button("fit", QStringLiteral("计算参数"), [this] { ComputeParameters(); });
  button("transform", QStringLiteral("计算坐标"), [this] { ComputeCoordinates(); });
  button("saveParameters", QStringLiteral("保存参数"), [this] { SaveParameters(); });
  button("readParameters", QStringLiteral("读取参数"), [this] { ReadParameters(); });
  button("quit", QStringLiteral("退出"), [this] { reject(); });
  layout->addLayout(buttons);

  Show(Settings{}, Parameters{});
}

Settings CSevenParamDlg::CurrentSettings() const {
  return {sourceEllipsoid_->checkedId(), form_->checkedId(), targetEllipsoid_->checkedId(), model_->checkedId(),
          Number(sourceL0_), Number(targetL0_)};
}

Parameters CSevenParamDlg::CurrentParameters() const {
  Parameters p;
  for (int i = 0; i < 7; ++i) p[i] = parameters_[i]->text().toStdString();
  return p;
}

void CSevenParamDlg::Show(const Settings& s, const Parameters& parameters) {
  sourceEllipsoid_->button(s.source)->setChecked(true);
  form_->button(s.form)->setChecked(true);
  targetEllipsoid_->button(s.target)->setChecked(true);
  model_->button(s.model)->setChecked(true);
  sourceL0_->setText(Text(s.sourceL0));
  targetL0_->setText(Text(s.targetL0));
  for (int i = 0; i < 7; ++i) parameters_[i]->setText(QString::fromStdString(parameters[i]));
  EnableEdits();
}

void CSevenParamDlg::EnableEdits() {
  const int form = form_->checkedId();
  sourceL0_->setEnabled(form == 3 || form == 4);
  targetL0_->setEnabled(form == 1 || form == 4);
  for (int i = 3; i < 7; ++i) parameters_[i]->setEnabled(model_->checkedId() == 1);
}

void CSevenParamDlg::ComputeParameters() {
  const FitResult fit = Fit(CurrentSettings(), ListRows(*source_), ListRows(*target_));
  if (!fit.error.empty()) {
    prompt::Message(QString::fromStdString(fit.error), prompt::kIconStop);
    return;
  }
  const int count = model_->checkedId() == 1 ? 7 : 3;
  for (int i = 0; i < count; ++i) parameters_[i]->setText(QString::fromStdString(fit.parameters[i]));
}

void CSevenParamDlg::ComputeCoordinates() {
  const TransformResult result = Transform(CurrentSettings(), CurrentParameters(), ListRows(*source_));
  if (!result.error.empty()) {
    prompt::Message(QString::fromStdString(result.error), prompt::kIconStop);
    return;
  }
  SetListRows(*target_, result.rows);
}

void CSevenParamDlg::SaveParameters() {
  geodesy::ChooseAndWriteFile(ParameterFileRequest(QStringLiteral("保存转换参数"), true),
                              ParameterFileText(CurrentSettings(), CurrentParameters()));
}

void CSevenParamDlg::ReadParameters() {
  const auto bytes = geodesy::ChooseAndReadFile(ParameterFileRequest(QStringLiteral("读取转换参数"), false));
  if (!bytes) return;
  std::string error;
  const auto file = ReadParameterFile(*bytes, &error);
  if (!file) {
    prompt::Message(QString::fromStdString(error), prompt::kIconStop);
    return;
  }
  Show(file->settings, file->parameters);
}

void CSevenParamDlg::ReadSheet(grid::CGridListCtrl* list) {
  try {
    const auto sheet = workbook::AttachExcelSheet(QString::fromUtf8(workbook::message::kNoExcelOpenOne));
    if (!sheet) return;
    const workbook::Range cells = sheet->Cells();
    list->DeleteAllRows();
    for (int row = 2; !cells.Item(row, 1).Text().empty(); ++row) {
      list->AddRow(geodesy::SheetRowCells(cells, row, {2, 3, 4}, kCellCharacters));
    }
  } catch (const workbook::WorkbookError& error) {
    workbook::ReportWorkbookError(error);
  }
}

void CSevenParamDlg::ReadCommonPoints() {
  try {
    const auto sheet = workbook::AttachExcelSheet(QString::fromUtf8(workbook::message::kNoExcelOpenOne));
    if (!sheet) return;
    const workbook::Range cells = sheet->Cells();
    source_->DeleteAllRows();
    target_->DeleteAllRows();
    for (int row = 2; !cells.Item(row, 1).Text().empty(); ++row) {
      source_->AddRow(geodesy::SheetRowCells(cells, row, {2, 3, 4}, kCellCharacters));
      target_->AddRow(geodesy::SheetRowCells(cells, row, {5, 6, 7}, kCellCharacters));
    }
  } catch (const workbook::WorkbookError& error) {
    workbook::ReportWorkbookError(error);
  }
}

void CSevenParamDlg::CopyList(const grid::CGridListCtrl* list) {
  QApplication::clipboard()->setText(QString::fromStdString(ClipboardText(ListRows(*list))));
}

void CSevenParamDlg::PasteList(grid::CGridListCtrl* list) {
  SetListRows(*list, ParseClipboard(QApplication::clipboard()->text().toStdString()));
}

void CSevenParamDlg::AddMenu(grid::CGridListCtrl* list) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    QMenu menu(list);
    menu.addAction(QStringLiteral("追加数据"), list, [list] { list->AddRow({{}, {}, {}, {}}); });
    menu.addAction(QStringLiteral("读取数据"), this, [this, list] { ReadSheet(list); });
    menu.addAction(QStringLiteral("复制数据"), this, [this, list] { CopyList(list); });
    menu.addAction(QStringLiteral("粘贴数据"), this, [this, list] { PasteList(list); });
    menu.addAction(QStringLiteral("清除数据"), list, [list] { list->DeleteAllRows(); });
    menu.addAction(QStringLiteral("读取公共点"), this, [this] { ReadCommonPoints(); });
    menu.exec(list->viewport()->mapToGlobal(at));
  });
}

}  // namespace zv::seven

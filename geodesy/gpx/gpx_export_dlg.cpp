#include "geodesy/gpx/gpx_export_dlg.h"

#include <QButtonGroup>
#include <algorithm>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/dialogs/scale_dlg.h"
#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "framework/workbook/cell_number.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "framework/workbook/workbook_error.h"
#include "geodesy/widgets/point_list.h"

namespace zv::gpx {
namespace {

constexpr int kDialogId = 340;

QString Text(double v) { return QString::fromStdString(num::Format("%.15g", v)); }

geodesy::ClipboardForm TabbedRows() {
  return {[](const std::vector<point_text::Fields>& rows) { return QString::fromStdString(point_text::Join(rows, "\t")); },
          [](const QString& text) { return point_text::ParseClipboard(text.toStdString(), 49); }};
}

}  // namespace

CGpxExportDlg::CGpxExportDlg(QWidget* parent)
    : QDialog(parent), clock_([] { return std::chrono::system_clock::now(); }) {
  setWindowTitle(QStringLiteral("生成GPX文件"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  list_ = geodesy::MakePointList(this, "points", QStringLiteral("点编号,55;X坐标,80;Y坐标,80"), kDialogId, TabbedRows());
  top->addWidget(list_);

  auto* form = new QFormLayout;
  auto edit = [&](const char* name, const QString& label, double value) {
    return geodesy::AddFormEdit(this, form, name, label, Text(value));
  };
  const Shift shift;
  dx_ = edit("dx", QStringLiteral("DX"), shift.dx);
  dy_ = edit("dy", QStringLiteral("DY"), shift.dy);
  dz_ = edit("dz", QStringLiteral("DZ"), shift.dz);
  l0_ = edit("l0", QStringLiteral("中央子午线"), 120);
  h_ = edit("h", QStringLiteral("高程"), 0);
  scale_ = edit("scale", QStringLiteral("比例尺"), 1000);
  knownX_ = edit("knownX", QStringLiteral("已知点X"), 2791538.11);
  knownY_ = edit("knownY", QStringLiteral("已知点Y"), 455563.88);
  knownH_ = edit("knownH", QStringLiteral("已知点H"), 1279.5);
  knownB_ = edit("knownB", QStringLiteral("已知点B"), 25.134402999);
  knownL_ = edit("knownL", QStringLiteral("已知点L"), 116.333498);
  knownGeodeticH_ = edit("knownGeodeticH", QStringLiteral("已知点大地高"), 1312.17);
  top->addLayout(form);
  layout->addLayout(top);

  auto* radios = new QHBoxLayout;
  datum_ = new QButtonGroup(this);
  const QStringList labels{QStringLiteral("北京54坐标"), QStringLiteral("西安80坐标"), QStringLiteral("WGC84坐标")};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(labels[i], this);
    radio->setObjectName(QStringLiteral("datum%1").arg(i));
    datum_->addButton(radio, i);
    radios->addWidget(radio);
  }
  datum_->button(1)->setChecked(true);
  layout->addLayout(radios);

  document_ = new QPlainTextEdit(this);
  document_->setObjectName("document");
  layout->addWidget(document_);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const QString& text, std::function<void()> action) {
    buttons->addWidget(geodesy::ActionButton(this, name, text, std::move(action)));
  };
  button("compute", QStringLiteral("计算"), [this] { Compute(); });
  button("readSheet", QStringLiteral("读取EXCEL"), [this] { ReadSheet(); });
  button("build", QStringLiteral("生成GPX"), [this] { BuildDocument(); });
  button("save", QStringLiteral("保存GPX"), [this] { SaveDocument(); });
  button("quit", QStringLiteral("退出"), [this] { reject(); });
  layout->addLayout(buttons);
}

double CGpxExportDlg::Value(const QLineEdit* edit) const { return num::ParseDouble(edit->text().toStdString()); }

int CGpxExportDlg::Datum() const {
  constexpr int kCodes[] = {54, 80, 84};
  return kCodes[std::clamp(datum_->checkedId(), 0, 2)];
}

QString CGpxExportDlg::Document() const { return document_->toPlainText(); }

void CGpxExportDlg::AddDrawingPoint(const std::string& number, double x, double y) {
  double s = Value(scale_);
  if (s < 1e-5) {
    s = 1000;
    scale_->setText(QStringLiteral("1000"));
  }
  list_->AddRow({QString::fromStdString(number), QString::fromStdString(num::Format("%0.1f", y * s * 0.001)),
                 QString::fromStdString(num::Format("%0.1f", x * s * 0.001))});
}

void CGpxExportDlg::TakeEntities(const std::vector<ENTITY_MSG>& entities) {
  if (entities.empty()) return;
  CATT_STRU structure;
  QStringList names;
  if (BasReadAttributeStructure(entities.front().area, entities.front().type, &structure)) {
    for (const CFIELD_HEAD& field : structure.fields)
      if (field.type == kFieldString) names << QString::fromStdString(field.name);
  }
  CScaleDlg chooser(1, this);
  chooser.SetFieldNames(names);
  const std::string field = chooser.DoModal() == QDialog::Accepted ? chooser.Value().toStdString() : std::string();
  for (const ENTITY_MSG& e : entities) {
    D_DOT at{};
    if (e.type != kPointEntity || !BasReadPointPos(e.area, e.id, &at)) continue;
    AttributeRecord record;
    std::string number;
    if (!field.empty() && BasReadAttribute(e.area, kPointEntity, e.id, &record)) BasGetFieldText(record, field, &number);
    AddDrawingPoint(number, at.x, at.y);
  }
}

void CGpxExportDlg::Compute() {
  const double l0 = SixDegreeMeridian(Value(knownL_));
  const Shift s = ComputeShift(Value(knownX_), Value(knownY_), Value(knownB_), Value(knownL_), l0, Value(knownH_),
                               Value(knownGeodeticH_), Datum());
  l0_->setText(Text(l0));
  dx_->setText(Text(s.dx));
  dy_->setText(Text(s.dy));
  dz_->setText(Text(s.dz));
}

void CGpxExportDlg::ReadSheet() {
  try {
    const auto sheet = workbook::AttachExcelSheet(QString::fromUtf8(workbook::message::kNoExcelOpenOne));
    if (!sheet) return;
    const workbook::Range cells = sheet->Cells();
    list_->DeleteAllRows();
    for (int row = 2; !cells.Item(row, 1).Text().empty(); ++row) {
      list_->AddRow(geodesy::SheetRowCells(cells, row, {2, 3}));
    }
    // Column 6: DX, DY, DZ, L0 and H, each when given, then the datum.
    QLineEdit* parameters[] = {dx_, dy_, dz_, l0_, h_};
    for (int row = 1; row <= 5; ++row) {
      const workbook::Range cell = cells.Item(row, 6);
      if (!cell.Text().empty()) parameters[row - 1]->setText(Text(workbook::ParseCellNumber(cell)));
    }
    const std::string datum = cells.Item(6, 6).Text();
    const int index = datum == "54" ? 0 : datum == "80" ? 1 : datum == "84" ? 2 : -1;
    if (index >= 0) datum_->button(index)->setChecked(true);
  } catch (const workbook::WorkbookError& error) {
    workbook::ReportWorkbookError(error);
  }
}

void CGpxExportDlg::BuildDocument() {
  const PlaneParameters parameters{Value(l0_), Value(h_), {Value(dx_), Value(dy_), Value(dz_)}, Datum()};
  const Waypoints points = RowsToWaypoints(geodesy::ListRows(*list_), parameters);
  if (!points.error.empty()) {
    prompt::Message(QString::fromStdString(points.error), prompt::kIconStop);
    return;
  }
  document_->setPlainText(QString::fromStdString(GpxDocument(points.points, clock_())));
}

void CGpxExportDlg::SaveDocument() {
  prompt::FileRequest request;
  request.title = QStringLiteral("保存GPX文件");
  request.save = true;
  request.defaultExtension = QStringLiteral("*.gpx");
  request.filter = QStringLiteral("Data Files(*.gpx)|*.gpx||");
  geodesy::ChooseAndWriteFile(request, WithCrLf(Document().toStdString()));
}

}  // namespace zv::gpx

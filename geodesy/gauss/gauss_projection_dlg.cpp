#include "geodesy/gauss/gauss_projection_dlg.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "geodesy/widgets/point_list.h"
#include "platform/data/work_area.h"
#include "platform/editors/param_editor.h"

namespace zv::gauss {
namespace {

constexpr int kDialogId = 318;

geodesy::ClipboardForm ClipboardFormOfRows() {
  return {[](const std::vector<point_text::Fields>& rows) {
            return QString::fromStdString(ClipboardText(point_text::FromFields<GaussRow>(rows)));
          },
          [](const QString& text) { return point_text::ToFields(ParseClipboard(text.toStdString())); }};
}

double Number(const QLineEdit* edit) { return num::ParseDouble(edit->text().toStdString()); }

}  // namespace

CGaussProjectionDlg::CGaussProjectionDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("高斯投影正反算"));
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  left_ = geodesy::MakePointList(this, "left", QStringLiteral("点号,50;纬度B(dms),100;经度L(dms),100"), kDialogId,
                                 ClipboardFormOfRows());
  right_ = geodesy::MakePointList(this, "right", QStringLiteral("点号,50;X(m),100;Y(m),100"), kDialogId,
                                  ClipboardFormOfRows());
  lists->addWidget(left_);
  lists->addWidget(right_);
  layout->addLayout(lists);

  auto* form = new QFormLayout;
  auto edit = [&](const char* name, const QString& label, const QString& value) {
    return geodesy::AddFormEdit(this, form, name, label, value);
  };
  sourceL0_ = edit("sourceL0", QStringLiteral("中央子午线"), QStringLiteral("117"));
  targetL0_ = edit("targetL0", QStringLiteral("换算后中央子午线"), QStringLiteral("120"));
  scale_ = edit("scale", QStringLiteral("比例尺"), QStringLiteral("1000"));
  subgraph_ = edit("subgraph", QStringLiteral("子图号"), QStringLiteral("1"));
  layout->addLayout(form);

  const QStringList datums{QStringLiteral("北京54"), QStringLiteral("西安80"), QStringLiteral("WGS84")};
  auto* radios = new QVBoxLayout;
  auto row = [&](const QString& title) {
    auto* r = new QHBoxLayout;
    r->addWidget(new QLabel(title, this));
    radios->addLayout(r);
    return r;
  };
  source_ = geodesy::AddRadios(this, "source", datums, {0, 1, 2}, row(QStringLiteral("换算前")));
  target_ = geodesy::AddRadios(this, "target", datums, {0, 1, 2}, row(QStringLiteral("换算后")));
  mode_ = geodesy::AddRadios(this, "mode", {QStringLiteral("正算"), QStringLiteral("反算"), QStringLiteral("换带计算")}, {0, 1, 2},
                    row(QStringLiteral("计算")));
  QBoxLayout* notationRow = row(QStringLiteral("输入格式"));
  notation_ = geodesy::AddRadios(this, "notation", {QStringLiteral("D.ms度"), QStringLiteral("°′″")}, {2, 3}, notationRow);
  notation_->setExclusive(true);
  layout->addLayout(radios);

  auto* switches = new QHBoxLayout;
  drawLine_ = new QCheckBox(QStringLiteral("绘制线"), this);
  drawLine_->setObjectName("drawLine");
  closeLine_ = new QCheckBox(QStringLiteral("闭合线"), this);
  closeLine_->setObjectName("closeLine");
  closeLine_->setEnabled(false);
  connect(drawLine_, &QCheckBox::toggled, closeLine_, &QWidget::setEnabled);
  switches->addWidget(drawLine_);
  switches->addWidget(closeLine_);
  layout->addLayout(switches);

  auto* buttons = new QGridLayout;
  int at = 0;
  auto button = [&](const char* name, const QString& text, std::function<void()> action) {
    buttons->addWidget(geodesy::ActionButton(this, name, text, std::move(action)), at / 5, at % 5);
    ++at;
  };
  button("compute", QStringLiteral("计算"), [this] { Compute(); });
  button("read", QStringLiteral("读取"), [this] { ReadFile(); });
  button("save", QStringLiteral("保存"), [this] { SaveFile(); });
  button("toDdmmss", QStringLiteral("→DDMMSS.ss"), [this] {
    const auto notation = static_cast<AngleNotation>(std::max(0, notation_->checkedId()));
    EditLeftAngles([notation](GaussRows& rows) { ToDdmmss(rows, notation); });
  });
  button("times100", QStringLiteral("×100"), [this] { EditLeftAngles([](GaussRows& r) { ScaleColumns(r, 100); }); });
  button("divide100", QStringLiteral("÷100"), [this] { EditLeftAngles([](GaussRows& r) { ScaleColumns(r, 0.01); }); });
  button("times60", QStringLiteral("×60"), [this] { EditLeftAngles(MinutesToSeconds); });
  button("subgraphParams", QStringLiteral("子图"), [this] {
    PNT_INFO info;
    BasGetDefaultPointParam(&info, 1);
    if (EditPointParam(info, QStringLiteral("编辑子图参数"), this) == 1) {
      BasSetDefaultPointParam(info);
      subgraph_->setText(QString::number(info.symbolNumber()));
    }
  });
  button("place", QStringLiteral("展点"), [this] { accept(); });
  button("quit", QStringLiteral("退出"), [this] { reject(); });
  layout->addLayout(buttons);

  source_->button(0)->setChecked(true);
  target_->button(0)->setChecked(true);
  mode_->button(0)->setChecked(true);
  connect(mode_, &QButtonGroup::idClicked, this, &CGaussProjectionDlg::SetMode);
  SetMode(0);
}

void CGaussProjectionDlg::SetMode(int mode) {
  const bool zones = mode == static_cast<int>(GaussMode::ZoneChange);
  left_->SetColumnHeading(1, zones ? QStringLiteral("X(m)") : QStringLiteral("纬度B(dms)"));
  left_->SetColumnHeading(2, zones ? QStringLiteral("Y(m)") : QStringLiteral("经度L(dms)"));
  targetL0_->setEnabled(zones);
  for (QAbstractButton* b : target_->buttons()) b->setEnabled(zones);
}

GaussSettings CGaussProjectionDlg::Settings() const {
  GaussSettings s;
  s.mode = static_cast<GaussMode>(mode_->checkedId());
  s.sourceL0 = Number(sourceL0_);
  s.targetL0 = Number(targetL0_);
  s.sourceEllipsoid = source_->checkedId();
  s.targetEllipsoid = target_->checkedId();
  return s;
}

grid::CGridListCtrl* CGaussProjectionDlg::InputList() const {
  return mode_->checkedId() == static_cast<int>(GaussMode::Inverse) ? right_ : left_;
}

grid::CGridListCtrl* CGaussProjectionDlg::OutputList() const { return InputList() == left_ ? right_ : left_; }

GaussRows CGaussProjectionDlg::RowsOf(const grid::CGridListCtrl* list) const {
  return point_text::FromFields<GaussRow>(geodesy::ListRows(*list));
}

void CGaussProjectionDlg::Show(grid::CGridListCtrl* list, const GaussRows& rows) {
  geodesy::SetListRows(*list, point_text::ToFields(rows));
}

void CGaussProjectionDlg::EditLeftAngles(const std::function<void(GaussRows&)>& edit) {
  GaussRows rows = RowsOf(left_);
  edit(rows);
  Show(left_, rows);
}

void CGaussProjectionDlg::Compute() { Show(OutputList(), ComputeGauss(Settings(), RowsOf(InputList()))); }

void CGaussProjectionDlg::ReadFile() {
  prompt::FileRequest request;
  request.title = QStringLiteral("读取矿区拐点坐标数据");
  request.filter = QStringLiteral("All TXT Files (*.*)|*.*|txt文件 (*.txt)|*.txt|csv文件 (*.csv)|*.csv|");
  if (const auto bytes = geodesy::ChooseAndReadFile(request)) Show(InputList(), ReadPointFile(*bytes));
}

void CGaussProjectionDlg::SaveFile() {
  prompt::FileRequest request;
  request.title = QStringLiteral("保存数据");
  request.save = true;
  request.defaultExtension = QStringLiteral("*.txt");
  request.filter = QStringLiteral("txt文件 (*.txt)|");
  geodesy::ChooseAndWriteFile(request, PointFileText(RowsOf(OutputList())));
}

void CGaussProjectionDlg::accept() {
  handOver_.points = HandedOverPoints(RowsOf(right_));
  handOver_.scale = num::ParseInt(scale_->text().toStdString());
  handOver_.subgraph = num::ParseInt(subgraph_->text().toStdString());
  handOver_.drawLine = drawLine_->isChecked();
  handOver_.closeLine = drawLine_->isChecked() && closeLine_->isChecked();
  if (handOver_.scale <= 0) {
    prompt::Message(QStringLiteral("比例尺必须大于0！"), prompt::kIconWarning);
    return;
  }
  QDialog::accept();
}

}  // namespace zv::gauss

#include "zavediz/dialogs/borehole_place_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/fileio/file_io.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "framework/workbook/workbook_error.h"

namespace zv::zavediz {

namespace {

constexpr const char* kNoData = "\n当前表格没有数据!";

QString Number(double value) { return QString::number(value, 'g', 15); }

}  // namespace

CBoreholePlaceDlg::CBoreholePlaceDlg(QWidget* parent)
    : QDialog(parent), hole_(new QComboBox(this)), scale_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("选择钻孔"));
  hole_->setObjectName(QStringLiteral("hole"));
  hole_->setEditable(true);
  hole_->setInsertPolicy(QComboBox::NoInsert);
  scale_->setObjectName(QStringLiteral("scale"));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("比例尺分母："), this), 0, 0);
  grid->addWidget(scale_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("钻孔编号："), this), 0, 2);
  grid->addWidget(hole_, 0, 3);

  struct Group {
    const char* title;
    std::array<std::pair<const char*, double BoreholePlacement::*>, 3> boxes;
  };
  const std::array<Group, 3> groups = {{
      {"勘探线起点坐标", {{{"lineX", &BoreholePlacement::lineX}, {"lineY", &BoreholePlacement::lineY}, {}}}},
      {"平面起点坐标", {{{"planX", &BoreholePlacement::planX}, {"planY", &BoreholePlacement::planY}, {}}}},
      {"剖面起点坐标",
       {{{"sectionX", &BoreholePlacement::sectionX},
         {"sectionY", &BoreholePlacement::sectionY},
         {"sectionH", &BoreholePlacement::sectionH}}}},
  }};
  std::size_t next = 0;
  for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
    grid->addWidget(new QLabel(QString::fromUtf8(groups[static_cast<std::size_t>(g)].title), this), g + 1, 0);
    int column = 1;
    for (const auto& [name, value] : groups[static_cast<std::size_t>(g)].boxes) {
      if (name == nullptr) continue;
      auto* edit = new QLineEdit(this);
      edit->setObjectName(QString::fromUtf8(name));
      grid->addWidget(edit, g + 1, column++);
      coordinates_[next++] = {edit, value};
    }
  }

  precise_ = new QCheckBox(QStringLiteral("是否精确定位"), this);
  precise_->setObjectName(QStringLiteral("precise"));
  read_ = new QPushButton(QStringLiteral("读取坐标"), this);
  read_->setObjectName(QStringLiteral("readCoordinates"));
  grid->addWidget(precise_, 4, 0, 1, 2);
  grid->addWidget(read_, 4, 3);
  connect(precise_, &QCheckBox::toggled, this, &CBoreholePlaceDlg::EnableCoordinates);
  connect(read_, &QPushButton::clicked, this, &CBoreholePlaceDlg::ReadCoordinateFile);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddOkCancelButtons(*this, layout);
}

void CBoreholePlaceDlg::FillHoleList() {
  hole_->clear();
  hole_->setEditText(QString::fromStdString(placement_.hole));
  try {
    const auto sheet = workbook::AttachExcelSheet(QString::fromUtf8(workbook::message::kNoExcel));
    if (!sheet) return;
    if (SheetIsEmpty(*sheet)) {
      prompt::Message(QString::fromUtf8(kNoData));
      return;
    }
    for (const std::string& id : HoleIdsOf(*sheet)) hole_->addItem(QString::fromStdString(id));
  } catch (const workbook::WorkbookError& error) {
    workbook::ReportWorkbookError(error);
    return;
  }
  if (hole_->count() > 1) hole_->setCurrentIndex(1);
}

void CBoreholePlaceDlg::ShowCoordinates() {
  scale_->setText(QString::number(placement_.scale));
  for (const CoordinateBox& box : coordinates_) box.edit->setText(Number(placement_.*box.value));
}

void CBoreholePlaceDlg::EnableCoordinates(bool precise) {
  for (const CoordinateBox& box : coordinates_) box.edit->setEnabled(precise);
  read_->setEnabled(precise);
}

int CBoreholePlaceDlg::DoModal() {
  placement_.precise = false;
  precise_->setChecked(false);
  EnableCoordinates(false);
  ShowCoordinates();
  FillHoleList();
  return prompt::Current().Exec(*this);
}

void CBoreholePlaceDlg::ReadCoordinateFile() {
  prompt::FileRequest request;
  request.title = QStringLiteral("打开坐标数据");
  request.filter = QStringLiteral("Data Files(*.txt)|*.txt||");
  request.defaultExtension = QStringLiteral("*.txt");
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  std::string bytes;
  std::string error;
  if (!fileio::ReadWholeFile(path.toStdString(), bytes, &error)) {
    prompt::Message(QString::fromStdString(error), prompt::kIconWarning);
    return;
  }
  ReadPlacementCoordinates(bytes, placement_);
  ShowCoordinates();
}

void CBoreholePlaceDlg::accept() {
  BoreholePlacement taken = placement_;
  bool ok = false;
  taken.scale = scale_->text().trimmed().toInt(&ok);
  if (!ok) {
    prompt::Message(QStringLiteral("请输入一个整数。"));
    scale_->setFocus();
    return;
  }
  for (const CoordinateBox& box : coordinates_) {
    taken.*box.value = QLocale::c().toDouble(box.edit->text().trimmed(), &ok);
    if (!ok) {
      prompt::Message(QStringLiteral("请输入一个数字。"));
      box.edit->setFocus();
      return;
    }
  }
  taken.hole = hole_->currentText().toStdString();
  taken.precise = precise_->isChecked();
  placement_ = taken;
  QDialog::accept();
}

}  // namespace zv::zavediz

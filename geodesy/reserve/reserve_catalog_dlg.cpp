#include "geodesy/reserve/reserve_catalog_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "geodesy/reserve/reserve_project.h"

namespace zv::reserve {
namespace {

// The frames of the dialog and the boxes they hold (indexes into LayerBoxes()).
struct Frame {
  const char* caption;
  int firstBox;
  int lastBox;
};
constexpr Frame kFrames[] = {{"矿区地理地质", 0, 3}, {"核查区套合关系", 4, 9}, {"探矿采矿工程", 10, 15},
                             {"非GIS专题图", 16, 17}, {"资源储量", 18, 24},  {"整饰图层", 25, 28},
                             {"非GIS专题图", 29, 29}};

QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

CReserveCatalogDlg::CReserveCatalogDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("储量核查目录文件生成"));
  const Catalog defaults;
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);

  auto* folderRow = new QHBoxLayout;
  folder_ = new QLineEdit(QDir::homePath(), this);
  folder_->setObjectName("folder");
  auto* browse = new QPushButton(QStringLiteral("浏览"), this);
  browse->setObjectName("browse");
  folderRow->addWidget(folder_);
  folderRow->addWidget(browse);
  form->addRow(QStringLiteral("目录"), folderRow);
  connect(browse, &QPushButton::clicked, this,
          [this] { folder_->setText(prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), folder_->text())); });

  mineCode_ = new QLineEdit(QString::fromStdString(defaults.mineCode), this);
  mineCode_->setObjectName("mineCode");
  form->addRow(QStringLiteral("矿区编号"), mineCode_);
  first_ = new QComboBox(this);
  first_->setObjectName("first");
  first_->addItems({QStringLiteral("H"), QStringLiteral("V")});
  form->addRow(QStringLiteral("第1-1位"), first_);
  scale_ = new QComboBox(this);
  scale_->setObjectName("scale");
  for (const char* entry : ScaleEntries()) scale_->addItem(Q(entry));
  scale_->setCurrentIndex(kDefaultScale);
  form->addRow(QStringLiteral("比例尺"), scale_);
  serial_ = new QLineEdit(QString::fromStdString(defaults.serial), this);
  serial_->setObjectName("serial");
  serial_->setMaxLength(3);
  form->addRow(QStringLiteral("第9-11位"), serial_);
  name_ = new QLineEdit(this);
  name_->setObjectName("projectName");
  name_->setReadOnly(true);
  form->addRow(QStringLiteral("工程名称"), name_);

  layout->addWidget(BuildBoxes());
  auto* presets = new QHBoxLayout;
  for (int i = 0; i < static_cast<int>(Presets().size()); ++i) {
    auto* button = new QPushButton(Q(Presets()[i].label), this);
    button->setObjectName(QStringLiteral("preset%1").arg(i));
    connect(button, &QPushButton::clicked, this, [this, i] { ApplyPreset(i); });
    presets->addWidget(button);
  }
  layout->addLayout(presets);
  AddOkCancelButtons(*this, layout);

  connect(first_, &QComboBox::currentIndexChanged, this, &CReserveCatalogDlg::UpdateName);
  connect(scale_, &QComboBox::currentIndexChanged, this, &CReserveCatalogDlg::UpdateName);
  connect(serial_, &QLineEdit::textChanged, this, &CReserveCatalogDlg::UpdateName);
  UpdateName();
}

QWidget* CReserveCatalogDlg::BuildBoxes() {
  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  const Catalog defaults;
  int column = 0;
  for (const Frame& frame : kFrames) {
    auto* group = new QGroupBox(Q(frame.caption), area);
    auto* boxes = new QVBoxLayout(group);
    for (int i = frame.firstBox; i <= frame.lastBox; ++i) {
      boxes_[i] = new QCheckBox(Q(LayerBoxes()[i].label), group);
      boxes_[i]->setObjectName(Q(LayerBoxes()[i].label));
      boxes_[i]->setChecked(defaults.boxes[i]);
      connect(boxes_[i], &QCheckBox::toggled, this, &CReserveCatalogDlg::UpdateName);
      boxes->addWidget(boxes_[i]);
    }
    boxes->addStretch();
    grid->addWidget(group, 0, column++);
  }
  return area;
}

void CReserveCatalogDlg::ApplyPreset(int index) {
  const Preset& preset = Presets()[index];
  for (int i = 0; i < kBoxCount; ++i) {
    const QSignalBlocker quiet(boxes_[i]);
    boxes_[i]->setChecked(preset.boxes[i]);
  }
  UpdateName();
}

Catalog CReserveCatalogDlg::catalog() const {
  Catalog c;
  c.folder = folder_->text().trimmed().toStdString();
  c.mineCode = mineCode_->text().trimmed().toStdString();
  c.first = first_->currentText().toLatin1().at(0);
  c.scale = scale_->currentIndex();
  c.serial = serial_->text().toStdString();
  for (int i = 0; i < kBoxCount; ++i) c.boxes[i] = boxes_[i]->isChecked();
  return c;
}

void CReserveCatalogDlg::UpdateName() { name_->setText(QString::fromStdString(ProjectName(catalog()))); }

void CReserveCatalogDlg::accept() {
  const Catalog c = catalog();
  if (const auto refusal = CheckCatalog(c)) {
    prompt::Message(QString::fromStdString(*refusal), prompt::kIconWarning);
    return;
  }
  const std::vector<std::string> failures = MakeFolders(c);
  if (!failures.empty()) {
    QStringList lines{QStringLiteral("不能建立目录：")};
    for (const std::string& f : failures) lines << QString::fromStdString(f);
    prompt::Message(lines.join(QLatin1Char('\n')), prompt::kIconStop);
    return;
  }
  QDialog::accept();
}

}  // namespace zv::reserve

#include "mba/bspline_para_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLineEdit* AddNumberRow(QFormLayout* form, const char* label) {
  auto* edit = new QLineEdit;
  form->addRow(QString::fromUtf8(label), edit);
  return edit;
}

}  // namespace

CBSplineParaDlg::CBSplineParaDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("多层B-Spline参数设置"));
  setModal(true);

  auto* fitGroup = new QGroupBox(QString::fromUtf8("插值参数"));
  auto* fitForm = new QFormLayout(fitGroup);
  levelsEdit = AddNumberRow(fitForm, "层数(L):");
  mEdit = AddNumberRow(fitForm, "第一层X网格数(M):");
  nEdit = AddNumberRow(fitForm, "第一层Y网格数(N):");

  auto* invalidGroup = new QGroupBox(QString::fromUtf8("无效值处理"));
  auto* invalidForm = new QFormLayout(invalidGroup);
  calcInvalidCheck = new QCheckBox(QString::fromUtf8("是否计算无效值"));
  invalidForm->addRow(calcInvalidCheck);
  initMEdit = AddNumberRow(invalidForm, "初始(M):");
  initNEdit = AddNumberRow(invalidForm, "初始(N):");

  auto* buttons = new QDialogButtonBox;
  okButton = buttons->addButton(QString::fromUtf8("确定"), QDialogButtonBox::AcceptRole);
  cancelButton = buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
  okButton->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CBSplineParaDlg::OnOK);
  connect(buttons, &QDialogButtonBox::rejected, this, &CBSplineParaDlg::OnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fitGroup);
  layout->addWidget(invalidGroup);
  layout->addWidget(buttons);

  ShowValues(values);
}

void CBSplineParaDlg::ShowValues(const zembrol::BSplineParameters& shown) {
  levelsEdit->setText(QString::number(shown.levels));
  mEdit->setText(QString::number(shown.m));
  nEdit->setText(QString::number(shown.n));
  calcInvalidCheck->setChecked(shown.calcInvalid);
  initMEdit->setText(QString::number(shown.initM));
  initNEdit->setText(QString::number(shown.initN));
}

QLineEdit* CBSplineParaDlg::EditOf(zembrol::ParaField field) const {
  switch (field) {
    case zembrol::ParaField::Levels: return levelsEdit;
    case zembrol::ParaField::M: return mEdit;
    case zembrol::ParaField::N: return nEdit;
    case zembrol::ParaField::InitM: return initMEdit;
    case zembrol::ParaField::InitN: return initNEdit;
  }
  return levelsEdit;
}

void CBSplineParaDlg::OnOK() {
  const zembrol::ParaTexts texts{levelsEdit->text().toStdString(), mEdit->text().toStdString(),
                                 nEdit->text().toStdString(), calcInvalidCheck->isChecked(),
                                 initMEdit->text().toStdString(), initNEdit->text().toStdString()};
  const auto checked = zembrol::CheckParameterTexts(texts);
  if (const auto* error = std::get_if<zembrol::ParaError>(&checked)) {
    Tell(QString::fromStdString(error->message));
    QLineEdit* edit = EditOf(error->field);
    edit->setFocus();
    edit->selectAll();
    return;
  }
  values = std::get<zembrol::BSplineParameters>(checked);
  accept();
}

void CBSplineParaDlg::OnCancel() { reject(); }

void CBSplineParaDlg::Tell(const QString& message) {
  messages.append(message);
  if (!TestDriver()) {
    QMessageBox::warning(this, windowTitle(), message);
  }
}

CBSplineParaDlg::Driver& CBSplineParaDlg::TestDriver() {
  static Driver driver;
  return driver;
}

void CBSplineParaDlg::SetTestDriver(Driver driver) { TestDriver() = std::move(driver); }

int CBSplineParaDlg::RunModal() {
  if (const Driver driver = TestDriver()) {
    QTimer::singleShot(0, this, [this, driver] {
      driver(*this);
      if (isVisible()) {
        reject();
      }
    });
  }
  return exec();
}

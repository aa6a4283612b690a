#include "common/measure/line_dist_angle_dlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/text/numbers.h"

namespace zv {
namespace {

constexpr long kDefaultScale = 1000;
constexpr std::intptr_t kMeasureEnded = 1;
constexpr std::intptr_t kPlanMeasureEnded = 12;

struct Field {
  const char* label;
  const char* name;
  bool readOnly;
};
constexpr Field kFields[] = {
    {"直线角度", "control1120", false}, {"相对角度", "control1121", false}, {"图上距离", "control1029", false},
    {"总体长度", "control1118", false}, {"实际距离", "control1030", true},  {"实际总长", "control1119", true},
    {"比 例 尺", "control1122", false},
};

QString Number(double v) { return QString::fromStdString(num::Format("%g", v)); }
double Read(const QLineEdit* e) { return num::ParseDouble(e->text().toStdString()); }

}  // namespace

CLineDistAngleDlg::CLineDistAngleDlg(long frameScale, std::function<void()> onClosed, QWidget* parent)
    : QDialog(parent), onClosed_(std::move(onClosed)) {
  setWindowTitle(QStringLiteral("                  直线距离角度"));
  setAttribute(Qt::WA_DeleteOnClose);
  values_.scale = frameScale != 0 ? frameScale : kDefaultScale;
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(kFields[i].name));
    edit->setReadOnly(kFields[i].readOnly);
    form->addRow(QString::fromUtf8(kFields[i].label), edit);
    fields_[i] = edit;
  }
  layout->addLayout(form);
  AddOkCancelButtons(*this, layout);
  connect(fields_[0], &QLineEdit::textEdited, this, [this] {
    values_.lineAngle = FoldAngle(Read(fields_[0]));
    RelativeFromLine(values_.lineAngle, values_.relativeAngle);
    fields_[1]->setText(Number(values_.relativeAngle));
  });
  for (int i : {2, 3, 6})
    connect(fields_[i], &QLineEdit::textEdited, this, [this] {
      values_.mapDistance = Read(fields_[2]);
      values_.totalLength = Read(fields_[3]);
      values_.scale = static_cast<long>(Read(fields_[6]));
      UpdateRealLengths(values_);
      fields_[4]->setText(Number(values_.realDistance));
      fields_[5]->setText(Number(values_.realTotal));
    });
  Show();
}

void CLineDistAngleDlg::SetValues(double mapDistance, double totalLength, double realDistance, double realTotal,
                                  double lineAngle, double relativeAngle) {
  const long scale = values_.scale;
  values_ = {lineAngle, relativeAngle, mapDistance, totalLength, realDistance, realTotal, scale};
  Show();
}

void CLineDistAngleDlg::Show() {
  const double shown[] = {values_.lineAngle,    values_.relativeAngle, values_.mapDistance, values_.totalLength,
                          values_.realDistance, values_.realTotal};
  for (std::size_t i = 0; i < std::size(shown); ++i) fields_[i]->setText(Number(shown[i]));
  fields_[6]->setText(QString::number(values_.scale));
}

void CLineDistAngleDlg::SetToolFlag() {
  toolFlag_ = true;
  setAttribute(Qt::WA_DeleteOnClose, false);
  fields_[3]->setEnabled(false);
  auto* form = findChild<QFormLayout*>();
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(fields_[1]))) label->setText("正北方向：");
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(fields_[0]))) label->setText("正东方向：");
}

void CLineDistAngleDlg::Finish() {
  if (toolFlag_) {
    values_.lineAngle = Read(fields_[0]);
    values_.relativeAngle = Read(fields_[1]);
    values_.mapDistance = Read(fields_[2]);
    values_.totalLength = Read(fields_[3]);
    values_.scale = static_cast<long>(Read(fields_[6]));
    UpdateRealLengths(values_);
    return;
  }
  msg::PaneWindows().Post(msg::PaneEntry::kSectionEditView, msg::kDocumentRequest, 0, kMeasureEnded);
  msg::PaneWindows().Post(msg::PaneEntry::kProjectEditView, msg::kPlanRequest, 0, kPlanMeasureEnded);
  if (onClosed_) onClosed_();
}

void CLineDistAngleDlg::accept() {
  Finish();
  QDialog::accept();
}

void CLineDistAngleDlg::reject() {
  Finish();
  QDialog::reject();
}

}  // namespace zv

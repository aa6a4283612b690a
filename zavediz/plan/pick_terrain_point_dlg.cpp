#include "zavediz/plan/pick_terrain_point_dlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "zavediz/plan/number_field.h"

namespace zv::zavediz {
CPickTerrainPointDlg::CPickTerrainPointDlg(QWidget* owner)
    : QDialog(owner),
      startX_(NumberField("startX", this)),
      startY_(NumberField("startY", this)),
      endX_(NumberField("endX", this)),
      endY_(NumberField("endY", this)) {
  setWindowTitle(QStringLiteral("定点读取地形数据"));
  setModal(false);
  auto* grid = new QGridLayout;
  auto* pickStart = new QPushButton(QStringLiteral("拾取点"), this);
  auto* pickEnd = new QPushButton(QStringLiteral("拾取点"), this);
  pickStart->setObjectName(QStringLiteral("control1021"));
  pickEnd->setObjectName(QStringLiteral("control1022"));
  grid->addWidget(new QLabel(QStringLiteral("起点坐标"), this), 0, 0);
  grid->addWidget(startX_, 0, 1);
  grid->addWidget(startY_, 0, 2);
  grid->addWidget(pickStart, 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("终点坐标"), this), 1, 0);
  grid->addWidget(endX_, 1, 1);
  grid->addWidget(endY_, 1, 2);
  grid->addWidget(pickEnd, 1, 3);
  auto* buttons = new QDialogButtonBox(this);
  auto* apply = buttons->addButton(QStringLiteral("应 用"), QDialogButtonBox::AcceptRole);
  auto* quit = buttons->addButton(QStringLiteral("退 出"), QDialogButtonBox::RejectRole);
  apply->setObjectName(QStringLiteral("apply"));
  quit->setObjectName(QStringLiteral("exit"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPickTerrainPointDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPickTerrainPointDlg::reject);
  connect(pickStart, &QPushButton::clicked, this, [this] {
    hide();
    Post(1, kPickPointRequest);
  });
  connect(pickEnd, &QPushButton::clicked, this, [this] {
    hide();
    Post(0, kPickPointRequest);
  });
  if (QWidget* centre = owner ? owner->window() : nullptr) {
    adjustSize();
    move(centre->geometry().center() - rect().center());
  }
}

D_DOT CPickTerrainPointDlg::Start() const { return D_DOT{startX_->value(), startY_->value()}; }
D_DOT CPickTerrainPointDlg::End() const { return D_DOT{endX_->value(), endY_->value()}; }

void CPickTerrainPointDlg::SetPicked(bool start, const D_DOT& point) {
  (start ? startX_ : endX_)->setValue(point.x);
  (start ? startY_ : endY_)->setValue(point.y);
  show();
}

void CPickTerrainPointDlg::accept() { Post(0, kTakePickedLineRequest); }

void CPickTerrainPointDlg::reject() {
  Post(0, kPickDialogClosedRequest);
  hide();
  deleteLater();
}

// The dialog belongs to the plan view that opened it: its requests go there,
// not to whichever plan view opened last (that one would take its own
// dialog's points, or nothing).
void CPickTerrainPointDlg::Post(intptr_t wParam, intptr_t code) {
  msg::PostOrShow(parentWidget(), msg::kPlanRequest, wParam, code, QString::fromUtf8(msg::kPostFailedText));
}

}  // namespace zv::zavediz
